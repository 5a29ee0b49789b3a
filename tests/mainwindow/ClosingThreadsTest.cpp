#include "DesktopMainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVExporter.h"
#include "AVGLWidget.h"
#include "AssetLoadingThreadPool.h"
#include "BusyCore.h"
#include "EventCounter.h"
#include "HeadwayWait.h"
#include "HeldPool.h"
#include "HelpTipsSeen.h"
#include "ImmutableFolder.h"
#include "IsolatedSettings.h"
#include "MenuEntries.h"
#include "PopupMovieExportingWidget.h"
#include "ProgressHUD.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SavedSegments.h"
#include "SlowLayer.h"
#include "SmallFileSystem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString kProject = QStringLiteral("5-4-3-2-1-0");
const QString kFolder = QStringLiteral("Examples");
// What the waits below allow the process in processor time: far beyond
// what each step takes, so that only a step that never comes runs out of
// it. On a loaded machine the process gets that time slowly, and the waits
// last longer by as much.
constexpr qint64 kStepCpuMs = 20000;
// The window's closing: the renderer's wait (5 s), the closing's last
// second and an export's cancel.
constexpr qint64 kClosingCpuMs = 60000;
// Each export frame draws the slow layer this long: the movie is still
// being written a second after it began.
constexpr unsigned long kExportFrameMs = 40;
constexpr qint64 kRedrawAgainMs = 2000;

QString projectFile(const QString& name)
{
    return ProjectManager::projectDirectory(kProject, kFolder) + QStringLiteral("/") + name;
}

int savedTexts()
{
    return savedSegments(projectFile(QStringLiteral("project.xml")), QStringLiteral("TEXT"));
}

// The desktop window on the countdown example. It tells, as it goes,
// whether it still held an exporter.
class ThreadsWindow : public DesktopMainWindow
{
public:
    ThreadsWindow(std::shared_ptr<bool> exporterLeft, const QString& movies)
        : DesktopMainWindow(kProject, kFolder), _exporterLeft(std::move(exporterLeft))
    {
        // The smallest movie, into the test's folder, as chosen in the popup.
        _exportSizeLevel = 0;
        _exportFolder = movies;
    }
    ~ThreadsWindow() override { *_exporterLeft = _exporter != nullptr; }

    // Armed as an export ends, before the window hears of the end.
    SlowLayer* armedAtTheEnd = nullptr;
    int exportEnds = 0;
    void onAVExporterFinished(int err) override
    {
        if (armedAtTheEnd)
            armedAtTheEnd->arm();
        ++exportEnds;
        DesktopMainWindow::onAVExporterFinished(err);
    }

    bool ready() const { return _waitingHUD == nullptr || !_waitingHUD->isVisible(); }
    bool hasExporter() const { return _exporter != nullptr; }
    bool exportRuns() const { return _exporter && _exporter->isRunning(); }
    QTimer* autosaveTimer() const { return _autosaveTimer; }
    AVGLWidget* preview() const { return _previewWidget; }
    AVComposition* composition() const { return _composition; }
    void redraw() { _engine->requestRedraw(); }
    bool playing() const { return _playing; }
    PopupMovieExportingWidget* exportPopup() const
    {
        return qobject_cast<PopupMovieExportingWidget*>(currentPopup());
    }
    // An export was asked for and waits for the renderer to stop.
    bool exportWaits() const { return _isExportUnderWay() && !_exporter; }
    // The loader's report that the project file holds no project.
    void failOpen() { onProjectLoaderMessage(nullptr, ProjectLoaderNoProject, QVariant()); }

private:
    std::shared_ptr<bool> _exporterLeft;
};

// Answers every message box as the user would, by its title, once may()
// allows for that title; remembers the titles in the order they came.
class BoxAnswers : public QObject
{
public:
    explicit BoxAnswers(std::function<bool(const QString&)> may) : _may(std::move(may))
    {
        connect(&_poll, &QTimer::timeout, this, [this] { _answer(); });
        _poll.start(20);
        qApp->installEventFilter(this);
    }
    QStringList titles;
    // The failed save's box is answered Keep Open this many times first.
    int keepOpen = 0;
    // Called with a box's title as it shows, before the event loop turns.
    std::function<void(const QString&)> shown = [](const QString&) {};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show)
            shown(box->windowTitle());
        return false;
    }

private:
    void _answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || _answered.contains(box) || !_may(box->windowTitle()))
            return;
        _answered << box;
        titles << box->windowTitle();
        const bool failedSave = box->windowTitle() == QStringLiteral("Failed to save movie");
        const QString choice = box->windowTitle() == QStringLiteral("Export Interrupted") ? QStringLiteral("Yes")
            : failedSave && keepOpen-- > 0                                              ? QStringLiteral("Keep Open")
            : failedSave                                                                ? QStringLiteral("Close Without Saving")
                                                                                        : QStringLiteral("OK");
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == choice)
                return button->click();
        }
        ADD_FAILURE() << "no button " << qPrintable(choice) << " in " << qPrintable(box->windowTitle());
    }

    std::function<bool(const QString&)> _may;
    QTimer _poll;
    QList<QPointer<QMessageBox>> _answered;
};

// Where the window is when the closing comes: an export asked for while the
// preview plays or draws a slow layer, or started anew into the chosen
// folder after the project folder's disk ran full, each time waiting for
// the renderer; the new text's loading task waiting in the busy pool; or an
// export running, on a core the process shares with other work.
enum class Moment { ExportWhilePlaying, ExportWhileDrawing, FullDiskRerender, LoadingHeld, ExportRunning };

// How the window is closed, and at which moment.
struct Closing
{
    const char* name;
    Moment moment;
    // The user's command, given as the event loop hands it over.
    std::function<void(ThreadsWindow*)> close;
    // The project file cannot be written: the user closes without saving.
    bool saveFails;
    // The export's question comes, as it does for a running export.
    bool asked;
    // The edit made before the closing reaches the project file; else the
    // closing leaves the file as it was.
    bool saved;
    // A running export: the closing comes this long after Export is pressed.
    int closeAfterMs = 0;
    // Before the export, the user closed and kept the window open after the
    // save failed.
    bool keptOpenFirst = false;
};

void saveAndClose(ThreadsWindow* window)
{
    EXPECT_TRUE(triggerEntry(window, QStringLiteral("Save && Close")));
}

// As the window manager's close button asks: an event for the window's
// native window, from the event loop.
void closeWindow(ThreadsWindow* window)
{
    QCoreApplication::postEvent(window->windowHandle(), new QCloseEvent);
}

void failOpen(ThreadsWindow* window)
{
    window->failOpen();
}

const Closing kClosings[] = {
    {"SaveAndCloseAfterExportWhilePlaying", Moment::ExportWhilePlaying, saveAndClose, false, true, true},
    {"SaveAndCloseWhileTheExportWaits", Moment::ExportWhileDrawing, saveAndClose, false, true, true},
    {"TheWindowsCloseWhileTheExportWaits", Moment::ExportWhileDrawing, closeWindow, false, true, true},
    {"CloseWithoutSavingWhileTheExportWaits", Moment::ExportWhileDrawing, saveAndClose, true, true, false},
    {"AFailedOpenWhileTheExportWaits", Moment::ExportWhileDrawing, failOpen, false, false, false},
    {"SaveAndCloseWhileTheFullDiskRerenderWaits", Moment::FullDiskRerender, saveAndClose, false, true, true},
    {"TheWindowsCloseWhileTheFullDiskRerenderWaits", Moment::FullDiskRerender, closeWindow, false, true, true},
    {"SaveAndCloseWhileTheLoadingWaits", Moment::LoadingHeld, saveAndClose, false, false, true},
    {"AFailedOpenWhileTheLoadingWaits", Moment::LoadingHeld, failOpen, false, false, false},
    {"SaveAndCloseAsTheExportStarts", Moment::ExportRunning, saveAndClose, false, true, true, 0},
    {"SaveAndCloseWhileTheExportRuns", Moment::ExportRunning, saveAndClose, false, true, true, 300},
    {"TheWindowsCloseWhileTheExportRuns", Moment::ExportRunning, closeWindow, false, true, true, 1200},
    {"CloseWithoutSavingWhileTheExportRuns", Moment::ExportRunning, saveAndClose, true, true, false, 2600},
    {"AFailedOpenWhileTheExportRuns", Moment::ExportRunning, failOpen, false, false, false, 2000},
    {"CloseWithoutSavingWhileTheExportRunsAfterKeepOpen", Moment::ExportRunning, saveAndClose, true, true, false,
     3000, true},
};

void PrintTo(const Closing& closing, std::ostream* out)
{
    *out << closing.name;
}

class ClosingThreads : public ::testing::TestWithParam<Closing>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        ASSERT_TRUE(movies.isValid());
        markHelpTipsSeen();
        SlowLayer::drawn = false;
        SlowLayer::destroyedWhileDrawn = false;
        if (GetParam().moment == Moment::FullDiskRerender)
            ASSERT_NO_FATAL_FAILURE(mountSmallDisk());
        if (IsSkipped())
            return;
        window = new ThreadsWindow(exporterLeft, movies.path());
        ASSERT_FALSE(window->isOpenFailed());
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        if (!waitWithHeadway([this] { return window->preview() != nullptr; }, kStepCpuMs)
            || !window->preview()->isValid())
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_TRUE(waitWithHeadway([this] { return window->ready(); }, kClosingCpuMs)) << "the project did not open";
        ASSERT_TRUE(waitWithHeadway([] { return AssetLoadingThreadPool::instance()->activeThreadCount() == 0; },
                                    kClosingCpuMs))
            << "the project's media did not load";
        QApplication::setActiveWindow(window);
    }

    void TearDown() override { delete window.data(); }

    // The example's folder on a disk of 2 MB of its own, as it was.
    void mountSmallDisk()
    {
        disk = SmallFileSystem::keepingFiles(ProjectManager::projectDirectory(kProject, kFolder),
                                             QStringLiteral("2m"));
        ASSERT_NE(disk, nullptr);
        if (!disk->mounted)
            GTEST_SKIP() << "no file system of its own can be mounted over the project folder here (not root?)";
    }

    // Export in the export popup.
    void clickExport()
    {
        ASSERT_TRUE(triggerEntry(window, QStringLiteral("Export && Share")));
        ASSERT_NE(window->exportPopup(), nullptr);
        auto* exportButton = window->exportPopup()->findChild<QPushButton*>(QStringLiteral("exportButton"));
        ASSERT_NE(exportButton, nullptr);
        ASSERT_TRUE(waitWithHeadway([&] { return exportButton->isVisible(); }, kStepCpuMs)) << "no Export button";
        QTest::mouseClick(exportButton, Qt::LeftButton);
    }

    // Brings the export to the moment: a layer that holds a pass for
    // seconds is drawn when Export is pressed, or as the export that found
    // the disk full ends, so that the export waits for the renderer.
    void exportUntilItWaits(Moment moment)
    {
        auto* layer = new SlowLayer(false, kExportFrameMs);
        window->composition()->addSegment(layer, 900003);
        if (moment == Moment::FullDiskRerender) {
            window->armedAtTheEnd = layer;
            ASSERT_TRUE(disk->fill());
            ASSERT_NO_FATAL_FAILURE(clickExport());
            ASSERT_TRUE(waitWithHeadway([this] { return window->exportEnds > 0; }, kClosingCpuMs))
                << "the export never ended";
            // Room again for the project file at the close.
            ASSERT_TRUE(QFile::remove(projectFile(QStringLiteral(".filler"))));
        } else {
            if (moment == Moment::ExportWhilePlaying) {
                ASSERT_TRUE(triggerEntry(window, QStringLiteral("Play/Pause")));
                ASSERT_TRUE(waitWithHeadway([this] { return window->playing(); }, kStepCpuMs)) << "no playing";
            }
            layer->arm();
            // Asked again now and then: on a loaded machine a request that
            // came during a pass drew no pass with the layer.
            QElapsedTimer asked;
            ASSERT_TRUE(waitWithHeadway(
                [&] {
                    if (!SlowLayer::drawing && (!asked.isValid() || asked.elapsed() >= kRedrawAgainMs)) {
                        window->redraw();
                        asked.start();
                    }
                    return SlowLayer::drawing.load();
                },
                kStepCpuMs))
                << "no pass drew the layer";
            ASSERT_NO_FATAL_FAILURE(clickExport());
        }
        ASSERT_TRUE(window->exportWaits()) << "the export did not wait for the busy renderer";
    }

    // Exports with a slow layer in every frame; the closing comes once the
    // export has drawn the row's time of frames, however fast the machine
    // draws them, the export still running.
    void exportUntilItRuns(int closeAfterMs)
    {
        // Each drawing the short one, the first too.
        SlowLayer::drawn = true;
        window->composition()->addSegment(new SlowLayer(true, kExportFrameMs), 900003);
        const int drawingsBefore = SlowLayer::drawings;
        const int frames = closeAfterMs / int(kExportFrameMs);
        ASSERT_NO_FATAL_FAILURE(clickExport());
        ASSERT_TRUE(waitWithHeadway(
            [&] { return window->exportRuns() && SlowLayer::drawings - drawingsBefore >= frames; }, kStepCpuMs))
            << "the export did not draw " << frames << " frames";
        ASSERT_TRUE(window->exportRuns()) << "the export ended before the closing";
    }

    // Save & Close, and Keep Open after the save failed.
    void keepOpenAfterAFailedSave()
    {
        BoxAnswers answers([](const QString&) { return true; });
        answers.keepOpen = 1;
        saveAndClose(window);
        ASSERT_TRUE(waitWithHeadway(
            [&] { return answers.titles.contains(QStringLiteral("Failed to save movie")) && window->ready(); },
            kClosingCpuMs))
            << "the failed save's box never came";
        ASSERT_FALSE(window.isNull()) << "the window closed after Keep Open";
    }

    // What a movie or a half-written one left in the folder.
    static QStringList movieFiles(const QString& folder)
    {
        return QDir(folder).entryList({"*.mp4", "*.part"}, QDir::Files);
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QTemporaryDir movies;
    std::shared_ptr<bool> exporterLeft = std::make_shared<bool>(false);
    // Unmounted after the window is gone, before the product folder goes.
    std::unique_ptr<SmallFileSystem> disk;
    QPointer<ThreadsWindow> window;
};

} // namespace

// The closing comes while an export waits for the busy renderer, while a
// loading task waits in the busy pool, or while an export runs on a busy
// core. An export asked for and not started is asked about as a running
// export is, and cancelled; a failed open drops it, or stops the running
// one; the re-render a full disk starts is such a request too. The window
// closes once with the project saved as it stood, a failed open saves
// nothing, and no thread draws from or loads into what the closing released.
TEST_P(ClosingThreads, TheWindowClosesOnceAndNoThreadOutlivesTheProject)
{
    const Closing& closing = GetParam();
    const int texts = savedTexts();
    std::unique_ptr<HeldPool> held;
    if (closing.moment == Moment::LoadingHeld) {
        held = std::make_unique<HeldPool>();
        ASSERT_TRUE(held->holding());
    }
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    std::unique_ptr<ImmutableFolder> locked;
    if (closing.saveFails) {
        locked = std::make_unique<ImmutableFolder>(projectFile(QStringLiteral("project.xml")));
        if (!locked->isLocked())
            GTEST_SKIP() << "a file that cannot be written cannot be made here: " << qPrintable(locked->failure());
    }
    if (closing.keptOpenFirst)
        ASSERT_NO_FATAL_FAILURE(keepOpenAfterAFailedSave());
    std::unique_ptr<BusyCore> busy;
    if (closing.moment == Moment::ExportRunning) {
        busy = std::make_unique<BusyCore>();
        ASSERT_NO_FATAL_FAILURE(exportUntilItRuns(closing.closeAfterMs));
    } else if (!held) {
        ASSERT_NO_FATAL_FAILURE(exportUntilItWaits(closing.moment));
    }
    EventCounter hides(window, QEvent::Hide);
    // The failed open's box stays up until the export's request is over:
    // started, or dropped by the closing. What the window does while it is
    // up is noted.
    bool startedInTheBox = false;
    BoxAnswers answers([&](const QString& title) {
        if (title != QStringLiteral("Open Project Failed") || window.isNull())
            return true;
        startedInTheBox = startedInTheBox || (window->hasExporter() && closing.moment != Moment::ExportRunning);
        return !window->exportWaits();
    });
    // As the failed open's box comes, the closing has begun: no request
    // waits any more, and no autosave is due; a tick due that very moment
    // writes nothing either.
    bool waitedAtTheBox = false;
    bool autosaveAtTheBox = false;
    answers.shown = [&](const QString& title) {
        if (title != QStringLiteral("Open Project Failed"))
            return;
        waitedAtTheBox = window->exportWaits();
        autosaveAtTheBox = window->autosaveTimer()->isActive();
        QMetaObject::invokeMethod(window->autosaveTimer(), "timeout");
    };

    // The export's request saved the project first, where it could.
    const QByteArray before = readFile(projectFile(QStringLiteral("project.xml")));
    closing.close(window);
    ASSERT_TRUE(waitWithHeadway([this] { return window.isNull(); }, kClosingCpuMs)) << "the window stayed";
    busy.reset();

    EXPECT_FALSE(waitedAtTheBox) << "the failed open left the export's request waiting";
    EXPECT_FALSE(startedInTheBox) << "an export started after the open failed";
    EXPECT_FALSE(autosaveAtTheBox) << "the autosave still ran after the open failed";
    EXPECT_EQ(answers.titles.contains(QStringLiteral("Export Interrupted")), closing.asked)
        << qPrintable(answers.titles.join(QStringLiteral(", ")));
    EXPECT_EQ(hides.count, 1) << "the window closed more than once";
    EXPECT_FALSE(*exporterLeft) << "the window went with its exporter";
    EXPECT_FALSE(SlowLayer::destroyedWhileDrawn) << "the composition went while a thread drew it";
    held.reset();
    EXPECT_TRUE(waitWithHeadway([] { return AssetLoadingThreadPool::instance()->activeThreadCount() == 0; },
                                kStepCpuMs))
        << "loading tasks still run";
    EXPECT_EQ(movieFiles(movies.path()).join(' ').toStdString(), "");
    EXPECT_EQ(movieFiles(ProjectManager::projectDirectory(kProject, kFolder)).join(' ').toStdString(), "");
    locked.reset();
    if (closing.saved)
        EXPECT_EQ(savedTexts(), texts + 1);
    else
        EXPECT_EQ(readFile(projectFile(QStringLiteral("project.xml"))), before);
}

INSTANTIATE_TEST_SUITE_P(Closings, ClosingThreads, ::testing::ValuesIn(kClosings),
                         [](const auto& info) { return std::string(info.param.name); });
