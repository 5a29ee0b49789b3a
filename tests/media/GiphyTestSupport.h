#pragma once

// Shared by the media explorer and GIF page tests: isolated settings and
// cache, a stand-in GIF service with real animated GIFs, and an explorer
// built the way the editor window builds it.

#include "GifServiceStub.h"
#include "GiphyGifsListWidget.h"
#include "GiphyGifsWidget.h"
#include "IsolatedSettings.h"
#include "MediaExplorer.h"
#include "TestMedia.h"
#include "Util.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace GiphyTest {

constexpr const char* kApiKey = "Qw7rTz2mNp4XbL9kVc3HsJ8dFg6YaE5u";
constexpr int kWaitMs = 10000;

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExplorerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setOrganizationName("Peltrane");
        QCoreApplication::setApplicationName("Vidorna");
        ASSERT_TRUE(stub.isRunning()) << "the local GIF service did not start";
        stub.setRoute("/v1/randomid", 200, R"({"data": {"random_id": "rid-7"}})");
        configPath = QDir(isolated.root()).filePath("media.config");
    }
    void TearDown() override
    {
        explorer.reset();
        host.reset();
    }

    // Serves the animation as preview and original of each id, and the ids as the trending list.
    void serveTrending(const QStringList& ids, int totalCount, double delaySeconds = 0)
    {
        QList<QPair<QString, QString>> items;
        for (const QString& id : ids) {
            items.append({id, "title " + id});
            serveFiles(id);
        }
        stub.setRoute("/v1/gifs/trending", 200, stub.listReply(items, 0, totalCount), delaySeconds);
    }
    void serveFiles(const QString& id)
    {
        stub.setFileRoute("/files/" + id + "/small.gif", TestMedia::path("animation.gif"));
        stub.setFileRoute("/files/" + id + "/original.gif", TestMedia::path("delays_100_100_200.gif"));
    }

    void writeTabIndex(int index)
    {
        QSettings config(configPath, QSettings::IniFormat);
        config.setValue("Tabs/Index", index);
    }

    // The explorer in a 400 x 300 host, as the editor window builds it.
    void makeExplorer()
    {
        host = std::make_unique<QWidget>();
        host->resize(400, 300);
        // The editor window's dark panel, as the explorer sits on it.
        QPalette dark = host->palette();
        dark.setColor(QPalette::Window, QColor(31, 32, 35));
        host->setPalette(dark);
        host->setAutoFillBackground(true);
        explorer = std::make_unique<MediaExplorer>(isolated.root());
        explorer->createWidget(host.get(), true);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    GiphyGifsWidget* page() const { return host->findChild<GiphyGifsWidget*>(); }
    GiphyGifsListWidget* list() const { return host->findChild<GiphyGifsListWidget*>("listWidget"); }

    QString cacheFile(const QString& name) const
    {
        return QDir(Util::cacheLocation()).filePath("Giphy/" + name);
    }

    bool waitForCount(int count)
    {
        return QTest::qWaitFor([&] { return list() && list()->count() == count; }, kWaitMs);
    }

    IsolatedSettings isolated;
    GifServiceStub stub;
    QString configPath;
    std::unique_ptr<QWidget> host;
    std::unique_ptr<MediaExplorer> explorer;
};

} // namespace GiphyTest
