#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "AVExporter.h"
#include "AVGLWidget.h"
#include "AVRender.h"
#include "CommonPopup.h"
#include "EditScrollArea.h"
#include "HelpTipsSeen.h"
#include "ImmutableFolder.h"
#include "IsolatedSettings.h"
#include "MediaExplorer.h"
#include "MediaLibraryClicks.h"
#include "MenuEntries.h"
#include "MediaPreviewWidget.h"
#include "ModalDialogAnswerer.h"
#include "OpeningWindow.h"
#include "PopupTransitionsListWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentWidget.h"
#include "SlowLayer.h"
#include "SmallFileSystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

namespace {

const QString kProject = QStringLiteral("5-4-3-2-1-0");
const QString kFolder = QStringLiteral("Examples");
// Renderer wait (5 s), the closing finish (1 s) and a loaded machine.
constexpr int kClosedWithinMs = 20000;

// The desktop window with its closing state opened to the tests.
class ClosingWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::_finishClosing;
    using DesktopMainWindow::autoSave;

    bool ready() const { return _waitingHUD == nullptr || !_waitingHUD->isVisible(); }
    EditScrollArea* timeline() const { return _timeline; }
    bool isFullScreenMode() const { return _fullScreen; }
    AVGLWidget* preview() const { return _previewWidget; }
    AVRender* render() const { return _render; }
    AVComposition* composition() const { return _composition; }
    ProgressHUD* waitingHUD() const { return _waitingHUD; }
    void setExporter(AVExporter* exporter) { _exporter = exporter; }
    AVExporter* exporter() const { return _exporter; }
    bool closeAfterCancel() const { return _closeAfterCancel; }
    bool autosaves() const { return _autosaveTimer->isActive(); }
    // The autosave timer's tick now, rather than in 30 s, through its own connection.
    void tickAutosave() { QMetaObject::invokeMethod(_autosaveTimer, "timeout", Qt::QueuedConnection); }
    bool hasMediaExplorer() const { return _mediaExplorer && _mediaExplorer->hasWidget(); }

    // Counts the exports the end of one starts, outliving the window that closes itself.
    std::shared_ptr<int> exportsStartedAtAnEnd = std::make_shared<int>(0);
    void onAVExporterFinished(int err) override
    {
        DesktopMainWindow::onAVExporterFinished(err);
        *exportsStartedAtAnEnd += _exporter != nullptr;
    }
};

QString projectFile(const QString& name)
{
    return ProjectManager::projectDirectory(kProject, kFolder) + QStringLiteral("/") + name;
}

// An exporter as the window holds one while a movie is written; it is never
// started, so it reports nothing by itself.
std::unique_ptr<AVExporter> idleExporter()
{
    return std::make_unique<AVExporter>(640, 360, AVExporter::videoBitRateForLevel(0, 30), 30, AVExportCodecH264,
                                        false, 44100, 2, AVExporter::audioBitRateForLevel(0),
                                        QDir::temp().filePath(QStringLiteral("never-written.mp4")).toStdString(),
                                        nullptr, true);
}

// The texts of the short messages shown over the window.
QStringList shownMessages(QWidget* window)
{
    QStringList texts;
    for (ProgressHUD* hud : window->findChildren<ProgressHUD*>()) {
        if (hud->mode() == ProgressHUDMessage && hud->messageLabel())
            texts << hud->messageLabel()->text();
    }
    return texts;
}

QString projectFolder()
{
    return ProjectManager::projectDirectory(kProject, kFolder);
}

// The short messages shown since the last call, each once.
QStringList newMessages(QWidget* window, QList<QPointer<ProgressHUD>>& seen)
{
    QStringList texts;
    for (ProgressHUD* hud : window->findChildren<ProgressHUD*>()) {
        if (hud->mode() == ProgressHUDMessage && hud->messageLabel() && !seen.contains(hud)) {
            seen << hud;
            texts << hud->messageLabel()->text();
        }
    }
    return texts;
}

// The names of the files added, removed or changed between two digests of
// a folder, one after another.
std::string changedFiles(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
{
    QStringList names;
    for (const QString& name : before.keys() + after.keys()) {
        if (before.value(name) != after.value(name) && !names.contains(name))
            names << name;
    }
    return names.join(QStringLiteral(" ")).toStdString();
}

// The mean difference of two pictures of one size, per channel, 0 to 255.
double meanDifference(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

class MainWindowClosingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        markHelpTipsSeen();
        window = new ClosingWindow(kProject, kFolder);
        ASSERT_FALSE(window->isOpenFailed());
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        if (!waitFor([this] { return window->preview() != nullptr; }, 5000) || !window->preview()->isValid())
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_TRUE(waitFor([this] { return window->ready(); }, 60000));
        QApplication::setActiveWindow(window);
    }

    void TearDown() override
    {
        if (!window)
            return;
        window->setExporter(nullptr);
        if (window->preview())
            window->_finishClosing();
        delete window.data();
    }

    bool closedWithin(int milliseconds)
    {
        return waitFor([this] { return window.isNull(); }, milliseconds);
    }

    // Save & Close from the menu, answered by the failed save's button of
    // that text: the box's title and text.
    std::string saveAndClose(const QString& choice)
    {
        QString text;
        ModalDialogAnswerer answerer(
            [&](QWidget* dialog) {
                if (auto* box = qobject_cast<QMessageBox*>(dialog))
                    text = box->windowTitle() + " / " + box->text();
                ModalDialogAnswerer::clickButton(choice)(dialog);
            },
            kClosedWithinMs);
        EXPECT_TRUE(triggerEntry(window, QStringLiteral("Save && Close")));
        EXPECT_TRUE(waitFor([&] { return answerer.answered() || window.isNull(); }, kClosedWithinMs));
        return text.toStdString();
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QPointer<ClosingWindow> window;
};

} // namespace

TEST_F(MainWindowClosingTest, ANormalCloseSavesTheProjectAndACoverThenDestroysTheWindow)
{
    QFile::remove(projectFile(QStringLiteral("shot.jpg")));
    QFile::remove(projectFile(QStringLiteral("project.xml")));
    window->projectManager()->setModified(true);
    const QImage shown = window->preview()->grabFramebuffer();

    EXPECT_FALSE(window->close());
    // The window stays until the engine is quiet and the last frame drawn.
    ASSERT_FALSE(window.isNull());
    ASSERT_NE(window->waitingHUD(), nullptr);
    EXPECT_TRUE(window->waitingHUD()->isVisible());
    // A second request while saving is refused with a message.
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(shownMessages(window).contains(QStringLiteral("Please wait a moment")));

    ASSERT_TRUE(closedWithin(kClosedWithinMs));
    const QImage cover(projectFile(QStringLiteral("shot.jpg")));
    ASSERT_FALSE(cover.isNull());
    EXPECT_LE(cover.width(), 640);
    EXPECT_LE(cover.height(), 640);
    EXPECT_EQ(std::max(cover.width(), cover.height()), 640);
    // The picture the preview showed; its empty background (mostly the
    // same dark colour here) differs by more than 5.
    const QImage expected = shown.scaled(cover.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(meanDifference(cover, expected), 3.0);
    QFile saved(projectFile(QStringLiteral("project.xml")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&saved);
    ASSERT_TRUE(reader.readNextStartElement());
    EXPECT_EQ(reader.name(), QStringLiteral("Project"));
    // The example's segments were written back.
    EXPECT_TRUE(reader.readNextStartElement());
    EXPECT_FALSE(reader.hasError());
}

// Before the engine has started, a close is accepted at once. Asked outside
// any event loop, the window that deletes itself on close goes in the first
// nested event processing: the engine's start waiting for its preview.
TEST(MainWindowEarlyClose, AWindowClosedBeforeItsEngineStartsGoesWithoutOne)
{
    IsolatedSettings settings;
    TemporaryProduct product;
    ASSERT_TRUE(ProjectManager::copyExampleProjects());
    QPointer<ClosingWindow> window = new ClosingWindow(kProject, kFolder);
    ASSERT_FALSE(window->isOpenFailed());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }, kClosedWithinMs)) << "the closed window stayed";
    delete window.data();
}

TEST_F(MainWindowClosingTest, ClosingWhileTheWaitingOverlayIsUpKeepsTheWindow)
{
    window->showWaitingHUD(QStringLiteral("Opening..."));
    EXPECT_FALSE(window->close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(shownMessages(window).contains(QStringLiteral("Please wait a moment")));

    window->hideWaitingHUD();
    window->close();
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

TEST_F(MainWindowClosingTest, InFullScreenACloseOnlyLeavesFullScreen)
{
    QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->isFullScreenMode());

    EXPECT_FALSE(window->close());
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_FALSE(window->waitingHUD() && window->waitingHUD()->isVisible());

    window->close();
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

// The renderer's threads are stopped, so it never reports itself idle.
TEST_F(MainWindowClosingTest, ARendererThatNeverGoesIdleDoesNotHoldTheCloseForever)
{
    window->render()->stop(true);
    window->close();
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

TEST_F(MainWindowClosingTest, ADrawingPassThatOutlastsTheStopEndsBeforeTheCompositionGoes)
{
    SlowLayer::drawn = false;
    SlowLayer::destroyedWhileDrawn = false;
    window->composition()->addSegment(new SlowLayer, 900001);

    window->close();
    ASSERT_TRUE(closedWithin(kClosedWithinMs));
    EXPECT_TRUE(SlowLayer::drawn) << "no pass drew the slow layer at the close";
    EXPECT_FALSE(SlowLayer::destroyedWhileDrawn) << "the composition went under a running pass";
}

TEST_F(MainWindowClosingTest, ClosingDuringAnExportAsksAndKeepsTheWindowOnNo)
{
    std::unique_ptr<AVExporter> exporter = idleExporter();
    window->setExporter(exporter.get());
    QString title;
    QString text;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        title = dialog->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            text = box->text();
        ModalDialogAnswerer::clickButton(QStringLiteral("No"))(dialog);
    });
    EXPECT_FALSE(window->close());
    // The question comes a moment after the request, not inside it.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(waitFor([&] { return answerer.answered(); }, 10000));
    EXPECT_EQ(title, QStringLiteral("Export Interrupted"));
    EXPECT_EQ(text, QStringLiteral("Do you want to cancel the exporting?"));
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->closeAfterCancel());
    EXPECT_FALSE(window->waitingHUD() && window->waitingHUD()->isVisible());
    window->setExporter(nullptr);
}

// The export's end handling frees the exporter before the window hears of
// the end; the test does the same. The export here finished (code 0)
// before the cancellation took effect: the window must close all the same.
TEST_F(MainWindowClosingTest, YesCancelsTheExportAndTheWindowClosesWhateverItsEndCode)
{
    std::unique_ptr<AVExporter> exporter = idleExporter();
    window->setExporter(exporter.get());
    ModalDialogAnswerer answerer(ModalDialogAnswerer::clickButton(QStringLiteral("Yes")));
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(waitFor([&] { return answerer.answered(); }, 10000));
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->closeAfterCancel());
    ASSERT_NE(window->waitingHUD(), nullptr);
    EXPECT_TRUE(window->waitingHUD()->isVisible());
    // While cancelling, another close request is refused.
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(shownMessages(window).contains(QStringLiteral("Please wait a moment")));

    window->setExporter(nullptr);
    exporter.reset();
    // The movie the window knows of was never made: still nothing is rendered anew.
    const std::shared_ptr<int> started = window->exportsStartedAtAnEnd;
    emit window->avexporterFinished(0);
    QCoreApplication::processEvents();
    ASSERT_EQ(*started, 0) << "the end of the cancelled export started another one";
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

TEST_F(MainWindowClosingTest, AutosaveWritesOnlyAModifiedProjectAndNeverDuringAnExport)
{
    const QString projectXml = projectFile(QStringLiteral("project.xml"));
    const QString cachedExport = projectFile(kProject + QStringLiteral("_360P_h264_30fps.mp4"));
    QFile::remove(projectXml);
    window->projectManager()->setModified(false);
    window->autoSave();
    EXPECT_FALSE(QFileInfo::exists(projectXml));

    // While a movie is being written into the project folder nothing is
    // saved and the file being written stays.
    QFile partial(cachedExport);
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write("partial movie");
    partial.close();
    std::unique_ptr<AVExporter> exporter = idleExporter();
    window->setExporter(exporter.get());
    window->projectManager()->setModified(true);
    window->autoSave();
    EXPECT_FALSE(QFileInfo::exists(projectXml));
    EXPECT_TRUE(QFileInfo::exists(cachedExport));
    EXPECT_TRUE(window->projectManager()->isModified());

    window->setExporter(nullptr);
    window->autoSave();
    EXPECT_TRUE(QFileInfo::exists(projectXml));
    EXPECT_TRUE(QFileInfo::exists(projectFile(QStringLiteral("properties.xml"))));
    EXPECT_FALSE(window->projectManager()->isModified());
    // Saving drops the cached exports: they no longer match the project.
    EXPECT_FALSE(QFileInfo::exists(cachedExport));

    // A setting changed in the project settings reaches properties.xml too.
    const QString propertiesXml = projectFile(QStringLiteral("properties.xml"));
    const QByteArray transparent = "backgroundColor=\"#00000000\"";
    ASSERT_FALSE(readFile(propertiesXml).contains(transparent));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("projectSettingsButton")), Qt::LeftButton);
    QPointer<CommonPopup> settings = window->currentPopup();
    ASSERT_FALSE(settings.isNull());
    auto* noColor = settings->findChild<QCheckBox*>(QStringLiteral("noColorCheckBox"));
    ASSERT_NE(noColor, nullptr);
    ASSERT_TRUE(waitFor([&] { return noColor->isVisible(); }, 5000));
    QTest::mouseClick(noColor, Qt::LeftButton);
    QTest::mouseClick(settings->findChild<QPushButton*>(QStringLiteral("doneButton")), Qt::LeftButton);
    ASSERT_TRUE(window->projectManager()->isModified());
    window->autoSave();
    EXPECT_TRUE(readFile(propertiesXml).contains(transparent)) << readFile(propertiesXml).constData();
    EXPECT_FALSE(window->projectManager()->isModified());
}

TEST_F(MainWindowClosingTest, ClosingDuringARealExportCancelsItAndThenDestroysTheWindow)
{
    QTemporaryDir target;
    ASSERT_TRUE(target.isValid());
    bool asked = false;
    QObject::connect(
        window, &MainWindow::avexporterProgressChanged, window,
        [&asked, this] {
            if (!asked) {
                asked = true;
                window->close();
            }
        },
        Qt::QueuedConnection);
    ModalDialogAnswerer answerer(ModalDialogAnswerer::clickButton(QStringLiteral("Yes")), 120000);
    window->_exportMovie(1, 0, 30.0f, QStringLiteral("h264"), QStringLiteral("Closing"), target.path());
    ASSERT_TRUE(waitFor([&] { return asked || window.isNull(); }, 120000));
    ASSERT_TRUE(waitFor([&] { return answerer.answered(); }, 10000));
    // Cancelled, or finished before the cancel took effect: either way the window goes.
    EXPECT_TRUE(closedWithin(kClosedWithinMs + 30000));
    const QStringList left = QDir(ProjectManager::projectDirectory(kProject, kFolder))
                                 .entryList({QStringLiteral("*.part")}, QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
}

// The export lets go of the preview's finished picture; the close after it
// finds the next one still being drawn. The cover stays as it was rather
// than become the empty preview.
TEST_F(MainWindowClosingTest, AClosePastAnExportBeforeThePreviewIsDrawnAgainKeepsTheCover)
{
    const QByteArray cover = readFile(projectFile(QStringLiteral("shot.jpg")));
    ASSERT_FALSE(cover.isEmpty());
    SlowLayer::drawn = false;
    auto* layer = new SlowLayer(false);
    window->composition()->addSegment(layer, 900002);
    QTemporaryDir target;
    ASSERT_TRUE(target.isValid());
    bool asked = false;
    QObject::connect(
        window, &MainWindow::avexporterProgressChanged, window,
        [&asked, layer, this] {
            if (std::exchange(asked, true))
                return;
            layer->arm();
            window->close();
        },
        Qt::QueuedConnection);
    ModalDialogAnswerer answerer(ModalDialogAnswerer::clickButton(QStringLiteral("Yes")), 120000);
    window->_exportMovie(1, 0, 30.0f, QStringLiteral("h264"), QStringLiteral("Cover"), target.path());
    EXPECT_TRUE(closedWithin(120000));
    EXPECT_TRUE(SlowLayer::drawn) << "no preview pass was under way at the close";
    EXPECT_EQ(readFile(projectFile(QStringLiteral("shot.jpg"))).toHex().toStdString(), cover.toHex().toStdString());
}

// The media library's first sticker, clicked, plays in the preview's place.
TEST_F(MainWindowClosingTest, TheMediaPreviewIsClosedBeforeSaving)
{
    ASSERT_TRUE(clickFirstLibraryItem(window, QStringLiteral("Stickers")));
    MediaPreviewWidget* media = nullptr;
    ASSERT_TRUE(waitFor([&] {
        media = window->findChild<MediaPreviewWidget*>();
        return media && media->isVisible();
    }, 5000));
    ASSERT_FALSE(window->preview()->isVisible());

    EXPECT_FALSE(window->close());
    ASSERT_FALSE(window.isNull());
    ASSERT_NE(window->waitingHUD(), nullptr);
    EXPECT_TRUE(window->waitingHUD()->isVisible());
    EXPECT_FALSE(media->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

// The list of transitions the inspector's add button opens for the edited drawing.
TEST_F(MainWindowClosingTest, TheTransitionsListIsDismissedBeforeSaving)
{
    SegmentWidget* tile = nullptr;
    for (SegmentWidget* candidate : window->timeline()->findChildren<SegmentWidget*>())
        if (candidate->segment() && candidate->segment()->type() == QStringLiteral("DRAWING"))
            tile = candidate;
    ASSERT_NE(tile, nullptr);
    QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(tile->width() / 2, tile->height() / 2));
    ASSERT_TRUE(waitFor([&] { return tile->isEditing(); }, 5000));
    QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
    QPushButton* add = nullptr;
    ASSERT_TRUE(waitFor([&] {
        add = window->findChild<QPushButton*>(QStringLiteral("addTransitionButton"));
        return add && add->isVisible();
    }, 5000));
    QTest::mouseClick(add, Qt::LeftButton);
    QPointer<PopupTransitionsListWidget> list = qobject_cast<PopupTransitionsListWidget*>(window->currentPopup());
    ASSERT_FALSE(list.isNull());
    ASSERT_TRUE(list->isVisible());

    EXPECT_FALSE(window->close());
    ASSERT_FALSE(window.isNull());
    ASSERT_NE(window->waitingHUD(), nullptr);
    EXPECT_TRUE(window->waitingHUD()->isVisible());
    EXPECT_TRUE(list.isNull() || !list->isVisible());
    EXPECT_EQ(window->currentPopup(), nullptr);
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

// The flag that makes a folder unwritable for root as well; the message is
// the system's reason for EPERM.
const QString kNotPermitted = QString::fromLocal8Bit(std::strerror(EPERM));

void addText(ClosingWindow* window)
{
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
}

// A folder that can no longer be written: the close does not discard the
// edit behind the user's back. The window stays until the user chooses to
// close without saving, and then the folder is as it was.
TEST_F(MainWindowClosingTest, ASaveThatFailsAtTheCloseKeepsTheWindowUntilTheUserDiscardsTheChanges)
{
    const int segments = window->projectManager()->segmentCount();
    addText(window);
    ASSERT_EQ(window->projectManager()->segmentCount(), segments + 1);
    ASSERT_TRUE(window->projectManager()->isModified());
    const QMap<QString, QByteArray> before = folderDigests(projectFolder());
    ImmutableFolder locked(projectFolder());
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());

    QString title;
    QString text;
    ModalDialogAnswerer keepOpen(
        [&](QWidget* dialog) {
            title = dialog->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                text = box->text();
            ModalDialogAnswerer::clickButton(QStringLiteral("Keep Open"))(dialog);
        },
        kClosedWithinMs);
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(waitFor([&] { return keepOpen.answered() || window.isNull(); }, kClosedWithinMs));
    ASSERT_FALSE(window.isNull()) << "the window closed although its project was not saved";
    EXPECT_EQ(title.toStdString(), "Failed to save movie");
    EXPECT_TRUE(text.contains(kNotPermitted)) << qPrintable(text);
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->ready()) << "the window can be used again";
    EXPECT_TRUE(window->autosaves());
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_EQ(window->projectManager()->segmentCount(), segments + 1);

    // Enter, as a real key to the box, takes the same safe answer.
    ModalDialogAnswerer enter(
        [](QWidget* dialog) {
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
        },
        kClosedWithinMs);
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(waitFor([&] { return enter.answered() || window.isNull(); }, kClosedWithinMs));
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull()) << "Enter discarded the changes";
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->ready());
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_EQ(window->projectManager()->segmentCount(), segments + 1);

    ModalDialogAnswerer discard(ModalDialogAnswerer::clickButton(QStringLiteral("Close Without Saving")),
                                kClosedWithinMs);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
    EXPECT_TRUE(discard.answered());
    locked.lift();
    EXPECT_EQ(folderDigests(projectFolder()), before);
}

// Another program replaces a project file, while the window holds an edit,
// by one of a newer version that names a file of its own. Save & Close
// writes over neither that file nor the other one, tells why with the
// failed save's choices, and after Close Without Saving tidies nothing away.
TEST_F(MainWindowClosingTest, SaveAndCloseLeavesAProjectFileOfANewerVersionAndWhatItNames)
{
    addText(window);
    ASSERT_TRUE(window->projectManager()->isModified());
    writeFile(projectFile(QStringLiteral("stray.png")), "named by the newer file");
    const QString projectXml = projectFile(QStringLiteral("project.xml"));
    const QString propertiesXml = projectFile(QStringLiteral("properties.xml"));
    const QByteArray project = readFile(projectXml);
    const QByteArray newerProject = "<Project xmlns=\"urn:x-newer\"><Segment File=\"stray.png\" Type=\"IMAGE\"/></Project>";
    const QByteArray newerProperties = "<Properties xmlns=\"urn:x-newer\" version=\"9\" poster=\"stray.png\"/>";

    writeFile(projectXml, newerProject);
    EXPECT_EQ(saveAndClose("Keep Open"),
              "Failed to save movie / The changes could not be saved: \"project.xml\" was written by a higher version "
              "of Vidorna");
    EXPECT_EQ(readFile(projectXml).toStdString(), newerProject.toStdString());
    EXPECT_TRUE(QFileInfo::exists(projectFile(QStringLiteral("stray.png"))));
    ASSERT_FALSE(window.isNull()) << "the window closed although its project was not saved";
    EXPECT_TRUE(window->projectManager()->isModified());

    writeFile(projectXml, project);
    writeFile(propertiesXml, newerProperties);
    EXPECT_EQ(saveAndClose("Close Without Saving"),
              "Failed to save movie / The changes could not be saved: \"properties.xml\" was written by a higher "
              "version of Vidorna");
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
    EXPECT_EQ(readFile(propertiesXml).toStdString(), newerProperties.toStdString());
    EXPECT_EQ(readFile(projectXml).toStdString(), project.toStdString());
    EXPECT_TRUE(QFileInfo::exists(projectFile(QStringLiteral("stray.png")))) << "the tidy deleted what the newer file names";
}

// A project file of a higher version, or a document of another kind, in
// the folder while the window holds an edit: Save & Close writes none of
// the window's own files there, neither while the window is kept open nor
// after Close Without Saving. The other document is told for what it is.
TEST_F(MainWindowClosingTest, ARefusedSaveAndCloseWritesNothingIntoTheProjectFolder)
{
    ASSERT_TRUE(window->hasMediaExplorer()) << "the panel that writes media.config is not there";
    addText(window);
    ASSERT_TRUE(window->projectManager()->isModified());
    writeFile(projectFile(QStringLiteral("layout.xml")), "<Layout xmlns=\"urn:x-newer\" Panels=\"3\"/>\n");
    writeFile(projectFile(QStringLiteral("project.xml")), "<html><body>502 Bad Gateway</body></html>");
    QMap<QString, QByteArray> before = folderDigests(projectFolder());
    ASSERT_TRUE(before.contains(QStringLiteral("shot.jpg")));

    EXPECT_EQ(saveAndClose("Keep Open"),
              "Failed to save movie / The changes could not be saved: \"project.xml\" is not a Vidorna project file. "
              "Please move it away and save again.");
    ASSERT_FALSE(window.isNull()) << "the window closed although its project was not saved";
    EXPECT_EQ(changedFiles(before, folderDigests(projectFolder())), "");

    writeFile(projectFile(QStringLiteral("properties.xml")), "<Properties version=\"9\"/>");
    before = folderDigests(projectFolder());
    EXPECT_EQ(saveAndClose("Close Without Saving"),
              "Failed to save movie / The changes could not be saved: \"properties.xml\" was written by a higher "
              "version of Vidorna");
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
    EXPECT_EQ(changedFiles(before, folderDigests(projectFolder())), "");
}

// With nothing to save, the close asks nothing and still writes nothing
// into a folder whose project files are a higher version's, nor tidies away
// the undo history that version keeps there.
TEST_F(MainWindowClosingTest, AnUneditedProjectOfAHigherVersionIsClosedWithoutWritingIntoItsFolder)
{
    ASSERT_FALSE(window->projectManager()->isModified());
    writeFile(projectFile(QStringLiteral("properties.xml")), "<Properties version=\"9\"/>");
    const QString history = ProjectManager::historyDirectory(kProject, kFolder);
    ASSERT_TRUE(QDir().mkpath(history));
    writeFile(history + QStringLiteral("/step9.xml"), "<Project xmlns=\"urn:x-newer\"/>");
    const QMap<QString, QByteArray> before = folderDigests(projectFolder());
    EXPECT_TRUE(triggerEntry(window, QStringLiteral("Save && Close")));
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
    EXPECT_EQ(changedFiles(before, folderDigests(projectFolder())), "");
    EXPECT_TRUE(QFileInfo::exists(history + QStringLiteral("/step9.xml"))) << "the newer version's history was removed";
}

// The autosave refuses what Save & Close refuses: the file of a higher
// version, or a document of another kind, stays, and the project stays
// unsaved; once the document is moved away, the next tick saves.
TEST_F(MainWindowClosingTest, TheAutosaveWritesOverNoRefusedProjectFileAndSavesOnceItIsMovedAway)
{
    QList<QPointer<ProgressHUD>> seen;
    newMessages(window, seen);
    addText(window);
    const auto autosaveTells = [&] {
        window->tickAutosave();
        QStringList told;
        EXPECT_TRUE(waitFor([&] { return !(told << newMessages(window, seen)).isEmpty(); }, 5000))
            << "the autosave told nothing";
        return told.join(QStringLiteral(" | ")).toStdString();
    };
    const QString projectXml = projectFile(QStringLiteral("project.xml"));
    const QByteArray newer = "<Project xmlns=\"urn:x-newer\"><Segment Type=\"TEXT\"/></Project>";
    writeFile(projectXml, newer);
    EXPECT_EQ(autosaveTells(), "Failed to save movie\n\"project.xml\" was written by a higher version of Vidorna");
    EXPECT_EQ(readFile(projectXml).toStdString(), newer.toStdString());
    EXPECT_TRUE(window->projectManager()->isModified()) << "shown as saved";

    const QByteArray page = "<html><body>502 Bad Gateway</body></html>";
    writeFile(projectXml, page);
    EXPECT_EQ(autosaveTells(), "Failed to save movie\n\"project.xml\" is not a Vidorna project file. Please move "
                               "it away and save again.");
    EXPECT_EQ(readFile(projectXml).toStdString(), page.toStdString());

    const QString movedAway = projectFile(QStringLiteral("page.html"));
    ASSERT_TRUE(QFile::rename(projectXml, movedAway));
    window->tickAutosave();
    EXPECT_TRUE(waitFor([&] { return !window->projectManager()->isModified(); }, 5000)) << "the autosave did not save";
    EXPECT_TRUE(readFile(projectXml).contains("<Project>")) << readFile(projectXml).constData();
    EXPECT_EQ(readFile(movedAway).toStdString(), page.toStdString());
}

// Neither project file can be written, a folder standing at each name: the
// box of Save & Close names both, each with its reason, in the order saved.
TEST_F(MainWindowClosingTest, SaveAndCloseNamesEachProjectFileThatCouldNotBeWritten)
{
    addText(window);
    for (const QString file : {"project.xml", "properties.xml"}) {
        ASSERT_TRUE(QFile::remove(projectFile(file)));
        ASSERT_TRUE(QDir().mkdir(projectFile(file)));
    }
    const std::string told =
        QStringLiteral("Failed to save movie / The changes could not be saved: \"project.xml\" cannot be written: "
                       "%1\n\"properties.xml\" cannot be written: %1")
            .arg(QString::fromLocal8Bit(std::strerror(EISDIR)))
            .toStdString();
    EXPECT_EQ(saveAndClose("Keep Open"), told);
    ASSERT_FALSE(window.isNull()) << "the window closed although its project was not saved";
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_EQ(saveAndClose("Close Without Saving"), told);
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
}

// A project file that nobody may change, root included: the failure says which.
TEST_F(MainWindowClosingTest, TheFailureOfAnImmutableProjectFileNamesIt)
{
    QList<QPointer<ProgressHUD>> seen;
    newMessages(window, seen);
    addText(window);
    // Given a file, the flag goes on that file alone: the folder stays writable.
    ImmutableFolder locked(projectFile(QStringLiteral("project.xml")));
    if (!locked.isLocked())
        GTEST_SKIP() << "a file that cannot be written cannot be made here: " << qPrintable(locked.failure());
    window->tickAutosave();
    QStringList told;
    ASSERT_TRUE(waitFor([&] { return !(told << newMessages(window, seen)).isEmpty(); }, 5000))
        << "the autosave told nothing";
    EXPECT_EQ(told.join(QStringLiteral(" | ")),
              QStringLiteral("Failed to save movie\n\"project.xml\" cannot be written: ") + kNotPermitted);
    EXPECT_TRUE(window->projectManager()->isModified());
}

// The autosave runs every 30 s: a failure that goes on is told once, again
// only when its reason changes or after a save succeeded.
TEST_F(MainWindowClosingTest, AutosaveTellsWhyItFailedOncePerFailure)
{
    QList<QPointer<ProgressHUD>> seen;
    newMessages(window, seen);
    const QString projectXml = projectFile(QStringLiteral("project.xml"));
    const QByteArray saved = readFile(projectXml);
    addText(window);
    ASSERT_TRUE(window->projectManager()->isModified());
    const QString failed = QStringLiteral("Failed to save movie");
    {
        ImmutableFolder locked(projectFolder());
        if (!locked.isLocked())
            GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
        window->autoSave();
        const QStringList told = newMessages(window, seen);
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told.first().startsWith(failed)) << qPrintable(told.first());
        EXPECT_TRUE(told.first().contains(kNotPermitted)) << qPrintable(told.first());
        window->autoSave();
        window->autoSave();
        EXPECT_EQ(newMessages(window, seen), QStringList()) << "the same failure is told again";
        EXPECT_TRUE(window->projectManager()->isModified());
    }
    EXPECT_EQ(readFile(projectXml), saved);

    // Another reason: a folder stands where the segment list goes.
    ASSERT_TRUE(QFile::remove(projectXml));
    ASSERT_TRUE(QDir().mkdir(projectXml));
    window->autoSave();
    QStringList told = newMessages(window, seen);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().startsWith(failed));
    EXPECT_FALSE(told.first().contains(kNotPermitted)) << qPrintable(told.first());
    window->autoSave();
    EXPECT_EQ(newMessages(window, seen), QStringList());

    ASSERT_TRUE(QDir().rmdir(projectXml));
    window->autoSave();
    EXPECT_EQ(newMessages(window, seen), QStringList());
    EXPECT_FALSE(window->projectManager()->isModified());
    EXPECT_TRUE(QFileInfo(projectXml).isFile());

    // After a save went through, the same failure is news again.
    addText(window);
    ImmutableFolder locked(projectFolder());
    ASSERT_TRUE(locked.isLocked());
    window->autoSave();
    told = newMessages(window, seen);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().contains(kNotPermitted)) << qPrintable(told.first());

    // The same reason as the failure told last, after a save went through between.
    locked.lift();
    window->autoSave();
    EXPECT_EQ(newMessages(window, seen), QStringList());
    EXPECT_FALSE(window->projectManager()->isModified());
    addText(window);
    ImmutableFolder lockedAgain(projectFolder());
    ASSERT_TRUE(lockedAgain.isLocked());
    window->autoSave();
    told = newMessages(window, seen);
    ASSERT_EQ(told.size(), 1) << "a failure after a save that went through is news";
    EXPECT_TRUE(told.first().contains(kNotPermitted)) << qPrintable(told.first());
}

namespace {

// The example project on a disk of 2 MB of its own, with the panel settings
// and the layout an earlier session left.
class FullDiskClosingTest : public MainWindowClosingTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        disk = SmallFileSystem::keepingFiles(projectFolder(), QStringLiteral("2m"));
        ASSERT_NE(disk, nullptr);
        if (!disk->mounted)
            GTEST_SKIP() << "no file system of its own can be mounted over the project folder here (not root?)";
        writeFile(projectFile(QStringLiteral("media.config")),
                  "[LocalFiles]\nDir=/media/clips\nFilter=7\nView=0\nZoom=1\n\n[Tabs]\nIndex=1\n");
        writeFile(projectFile(QStringLiteral("layout.xml")),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Layout L1_MediaAreaHidden=\"0\" PreviewQuality=\"1\"/>\n");
        MainWindowClosingTest::SetUp();
    }

    // Unmounted after the window is gone, before the product folder goes.
    std::unique_ptr<SmallFileSystem> disk;
};

} // namespace

// A full disk fails the save at the close; the user closes without saving:
// every file the window writes into the project folder keeps its old bytes,
// and the movie exported from the project as it stays is kept.
TEST_F(FullDiskClosingTest, CloseWithoutSavingOnAFullDiskKeepsEveryFileOfTheProjectAsItWas)
{
    ASSERT_TRUE(window->hasMediaExplorer()) << "the panel that writes media.config is not there";
    addText(window);
    ASSERT_TRUE(window->projectManager()->isModified());
    writeFile(projectFile(kProject + QStringLiteral("_360p_h264_30fps.mp4")), "movie");
    const QStringList files{"media.config", "layout.xml", "properties.xml", "project.xml", "shot.jpg"};
    QMap<QString, QByteArray> before = folderDigests(projectFolder());
    for (const QString& name : files)
        ASSERT_TRUE(before.contains(name)) << qPrintable(name);
    ASSERT_TRUE(disk->fill());

    ModalDialogAnswerer discard(ModalDialogAnswerer::clickButton(QStringLiteral("Close Without Saving")),
                                kClosedWithinMs);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(closedWithin(kClosedWithinMs));
    EXPECT_TRUE(discard.answered()) << "the failed save was not told";
    QMap<QString, QByteArray> after = folderDigests(projectFolder());
    after.remove(QStringLiteral(".filler"));
    for (const QString& name : files)
        EXPECT_EQ(after.value(name).toHex().toStdString(), before.value(name).toHex().toStdString())
            << qPrintable(name) << " now holds " << QFileInfo(projectFile(name)).size() << " bytes";
    EXPECT_EQ(after.keys(), before.keys()) << "a file was added or removed";
}

// An undo snapshot that finds only a few blocks free fails and is told; the
// part of it that fitted is not left behind, holding the last free room
// that smaller writes could still use.
TEST_F(FullDiskClosingTest, AnUndoSnapshotThatDoesNotFitLeavesNoCutFileBehind)
{
    const QString history = projectFolder() + "/history";
    addText(window);
    const QStringList recorded = QDir(history).entryList(QDir::Files);
    ASSERT_EQ(recorded.size(), 1) << "the first Add Text records no snapshot";
    ASSERT_TRUE(disk->fill());
    QFile filler(projectFile(QStringLiteral(".filler")));
    ASSERT_TRUE(filler.resize(filler.size() - 4096));

    QList<QPointer<ProgressHUD>> seen;
    newMessages(window, seen);
    addText(window);
    EXPECT_TRUE(newMessages(window, seen).contains(QStringLiteral("Failed to record operation")));
    EXPECT_EQ(QDir(history).entryList(QDir::Files).join(' ').toStdString(), recorded.join(' ').toStdString());
    // The close saves the project again.
    filler.remove();
}

// When the first snapshot is the one that does not fit, the history folder
// made for it goes too.
TEST_F(FullDiskClosingTest, AFirstUndoSnapshotThatDoesNotFitLeavesNoHistoryFolder)
{
    const QString history = projectFolder() + "/history";
    ASSERT_FALSE(QFileInfo::exists(history));
    ASSERT_TRUE(disk->fill());
    QFile filler(projectFile(QStringLiteral(".filler")));
    ASSERT_TRUE(filler.resize(filler.size() - 4096));

    QList<QPointer<ProgressHUD>> seen;
    addText(window);
    EXPECT_TRUE(newMessages(window, seen).contains(QStringLiteral("Failed to record operation")));
    EXPECT_FALSE(QFileInfo::exists(history));
    filler.remove();
}

namespace {

// Presses the Undo or Redo entry and waits until the segment list changed
// or a message was told; the messages told, one a line.
std::string stepHistory(ClosingWindow* window, const QString& entry, QList<QPointer<ProgressHUD>>& seen)
{
    const int before = window->projectManager()->segmentCount();
    QStringList told;
    EXPECT_TRUE(triggerEntry(window, entry));
    waitFor([&] {
        told += newMessages(window, seen);
        return !told.isEmpty() || window->projectManager()->segmentCount() != before;
    }, 10000);
    return told.join('\n').toStdString();
}

} // namespace

// An undo that cannot write the state it leaves keeps that state on screen
// and says why; once there is room again, undo and redo walk every text.
TEST_F(FullDiskClosingTest, AnUndoThatCannotRecordTheShownStateKeepsItAndTellsWhy)
{
    ProjectManager* manager = window->projectManager();
    QList<QPointer<ProgressHUD>> seen;
    for (int text = 0; text < 3; ++text)
        addText(window);
    ASSERT_EQ(newMessages(window, seen), QStringList()) << "every text was recorded";
    const int edited = manager->segmentCount();
    ASSERT_TRUE(disk->fill());

    EXPECT_EQ(stepHistory(window, "Undo", seen), "Failed to record operation");
    EXPECT_EQ(manager->segmentCount(), edited);

    ASSERT_TRUE(QFile::remove(projectFile(QStringLiteral(".filler"))));
    EXPECT_EQ(stepHistory(window, "Undo", seen), "");
    EXPECT_EQ(manager->segmentCount(), edited - 1);
    EXPECT_EQ(stepHistory(window, "Redo", seen), "");
    EXPECT_EQ(manager->segmentCount(), edited) << "the third text came back";
}

// Texts added while no snapshot fits: undo refuses while the shown state
// cannot be written either, and once it can, the one undo that goes back
// over them says so; redo brings every one of them back.
TEST_F(FullDiskClosingTest, AnUndoOverEditsThatWereNeverRecordedIsRefusedOrTold)
{
    ProjectManager* manager = window->projectManager();
    QList<QPointer<ProgressHUD>> seen;
    for (int text = 0; text < 3; ++text)
        addText(window);
    const int recorded = manager->segmentCount();
    ASSERT_TRUE(disk->fill());
    for (int text = 0; text < 3; ++text) {
        addText(window);
        ASSERT_EQ(newMessages(window, seen), QStringList{"Failed to record operation"});
    }
    const int edited = manager->segmentCount();
    ASSERT_EQ(edited, recorded + 3);

    EXPECT_EQ(stepHistory(window, "Undo", seen), "Failed to record operation");
    EXPECT_EQ(manager->segmentCount(), edited);

    ASSERT_TRUE(QFile::remove(projectFile(QStringLiteral(".filler"))));
    EXPECT_EQ(stepHistory(window, "Undo", seen), "Edits that could not be recorded were undone too");
    EXPECT_EQ(manager->segmentCount(), recorded - 1);
    EXPECT_EQ(stepHistory(window, "Undo", seen), "");
    EXPECT_EQ(manager->segmentCount(), recorded - 2) << "a recorded step is undone alone, untold";
    EXPECT_EQ(stepHistory(window, "Redo", seen), "");
    EXPECT_EQ(stepHistory(window, "Redo", seen), "");
    EXPECT_EQ(manager->segmentCount(), edited) << "every text came back";
}
