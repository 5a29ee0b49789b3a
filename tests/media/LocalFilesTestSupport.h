#pragma once

// Shared by the local files page tests: a folder of real media with set
// modification times, a page on it, and bounded waits for what its pool
// tasks deliver.

#include "IsolatedSettings.h"
#include "LocalFilesListWidget.h"
#include "LocalFilesWidget.h"
#include "TestMedia.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMutex>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace LocalFilesTest {

constexpr int kWaitMs = 30000;
constexpr qint64 kBaseTimeMs = 1600000000000;

inline void setModified(const QString& path, qint64 ms)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::fromMSecsSinceEpoch(ms), QFileDevice::FileModificationTime));
}

inline bool nearColour(const QColor& a, const QColor& b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Copies a fixture into folder with the modification time base + offset seconds.
inline void copyFixture(const QString& folder, const QString& name, int offsetSeconds)
{
    const QString target = QDir(folder).filePath(name);
    ASSERT_TRUE(QFile::copy(TestMedia::path(name), target)) << name.toStdString();
    setModified(target, kBaseTimeMs + offsetSeconds * 1000);
}

// Runs ffmpeg with the arguments into output; false when it fails.
bool runFfmpeg(const QStringList& arguments, const QString& output);

// A page on a folder of its own, with its "media.config" and cache in an
// isolated settings folder. Pages are made and deleted by the tests.
class LocalFilesPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        configPath = QDir(isolated.root()).filePath("media.config");
    }
    void TearDown() override
    {
        page.reset();
        settings.reset();
        // Tasks of a deleted page end on their own; none may outlive the test.
        EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(kWaitMs));
    }

    void makePage(const QString& path = QString())
    {
        page.reset();
        settings = std::make_unique<QSettings>(configPath, QSettings::IniFormat);
        page = std::make_unique<LocalFilesWidget>(path.isEmpty() ? folder.path() : path, settings.get());
        // Counted from construction: a slow window exposure below may let the
        // first listing and its thumbnail tasks start before it returns.
        tasksStarted = 0;
        listingsStarted = 0;
        QObject::connect(page.get(), &LocalFilesWidget::beginLoadingThumbnail, page.get(), [this] { ++tasksStarted; },
                         Qt::DirectConnection);
        QObject::connect(page.get(), &LocalFilesWidget::beginLoadingFiles, page.get(), [this] { ++listingsStarted; },
                         Qt::DirectConnection);
        thumbnailed.clear();
        QObject::connect(page.get(), &LocalFilesWidget::finishLoadingThumbnail, page.get(),
                         [this](const QImage&, const QFileInfo& file) {
                             QMutexLocker lock(&thumbnailedMutex);
                             thumbnailed.insert(file.fileName());
                         },
                         Qt::DirectConnection);
        // The media library's dark page area, as the page sits in it.
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, QColor(31, 32, 35));
        page->setPalette(palette);
        page->setAutoFillBackground(true);
        page->resize(800, 600);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    LocalFilesListWidget* list() const { return page->findChild<LocalFilesListWidget*>("listWidget"); }

    QStringList names() const
    {
        QStringList shown;
        for (int row = 0; row < list()->count(); ++row)
            shown << list()->item(row)->text();
        return shown;
    }

    // Waits until the list shows count items, each with its metadata applied.
    bool waitForItems(int count)
    {
        return QTest::qWaitFor(
            [&] {
                if (list()->count() != count)
                    return false;
                for (int row = 0; row < count; ++row) {
                    if (list()->item(row)->toolTip().isEmpty())
                        return false;
                }
                return true;
            },
            kWaitMs);
    }

    QListWidgetItem* item(const QString& name) const
    {
        const auto found = list()->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    // Clicks the menu entry called text of the menu that the button opens.
    void chooseFromMenu(const char* buttonName, const QString& text)
    {
        bool chosen = false;
        int polls = 0;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible()) {
                if (++polls > 250)
                    poll.stop();
                return;
            }
            poll.stop();
            for (QAction* action : menu->actions()) {
                if (action->text() == text) {
                    chosen = true;
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                    return;
                }
            }
            menu->close();
        });
        poll.start();
        QTest::mouseClick(page->findChild<QPushButton*>(buttonName), Qt::LeftButton);
        poll.stop();
        ASSERT_TRUE(chosen) << "no menu entry " << text.toStdString();
    }

    IsolatedSettings isolated;
    QTemporaryDir folder;
    QString configPath;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<LocalFilesWidget> page;
    std::atomic<int> tasksStarted{0};
    std::atomic<int> listingsStarted{0};
    // The files the page's thumbnail tasks made pictures for (a row may get
    // a second task while its first runs).
    QSet<QString> thumbnailedFiles()
    {
        QMutexLocker lock(&thumbnailedMutex);
        return thumbnailed;
    }
    QMutex thumbnailedMutex;
    QSet<QString> thumbnailed;
};

} // namespace LocalFilesTest
