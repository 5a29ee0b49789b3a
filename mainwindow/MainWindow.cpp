#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AVImageLoader.h"
#include "AVImageServices.h"
#include "AVRegularFile.h"
#include "AVRender.h"
#include "AssetLoadingThreadPool.h"
#include "EditScrollArea.h"
#include "FileBlockCopy.h"
#include "FreedMemory.h"
#include "MediaExplorer.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "ProjectXml.h"
#include "SaveFileCommit.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "SegmentStyleDefaults.h"
#include "SteppedApplication.h"
#include "UiMetrics.h"
#include "VideoThumbnailsCache.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMutexLocker>
#include <QPointer>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace {

constexpr qint64 kCopyBlockBytes = 1048576;
// A loading task that still runs after this long keeps its segment alive
// rather than holding up the close.
constexpr int kSegmentTaskWaitMs = 3000;
constexpr int kCoverSide = 640;
constexpr int kAutosaveIntervalMs = 30000;

} // namespace

MainWindow::MainWindow(const QString& projectName, const QString& folderName, QWidget* parent)
    : CommonMainWindow(parent), _projectName(projectName), _folderName(folderName)
{
    Segment::setTrackHeight(UiMetrics::toolBarButtonHeight());
    _projectManager = new ProjectManager();
    _projectManager->setProjectName(projectName);
    _projectManager->setProjectFolder(folderName);
    _projectScope = new QObject(this);
    _thumbnailsCache = new VideoThumbnailsCache();
    _timelineScale = 1.0f;
    _guiThreadId = QThread::currentThreadId();
    _devicePixelRatio = float(devicePixelRatioF());
    // The segment call-backs pass the segment through queued connections.
    qRegisterMetaType<Segment*>("Segment*");
    _connectRelays();
    _autosaveTimer = new QTimer(this);
    connect(_autosaveTimer, &QTimer::timeout, _projectScope, [this] { autoSave(); });
    _autosaveTimer->start(kAutosaveIntervalMs);
    setAcceptDrops(true);
    AVEngine::setCodecFlag(1);
    _createActions();
    connect(this, &MainWindow::segmentEditingStateChanged, _projectScope, [this] { onSegmentEditingStateChanged(); },
            Qt::QueuedConnection);
    connect(this, &MainWindow::transitionEditingStateChanged, _projectScope,
            [this] { onTransitionEditingStateChanged(); }, Qt::QueuedConnection);
    // Queued even when the composition answers on this thread, so that a
    // grab's loop always runs; answers nobody waits for are freed there.
    connect(this, &MainWindow::avcompositionSegmentGrabImageCompleted, this,
            &MainWindow::_onSegmentGrabImageCompleted, Qt::QueuedConnection);
    // Queued: it runs once the window's children have gone too.
    connect(this, &QObject::destroyed, QCoreApplication::instance(), &FreedMemory::release, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    if (_timeline)
        _timeline->setSelectedSegmentWidget(nullptr);
    _beginClosing();
    // A window dropped without its closing step still has a loader that
    // writes into the project manager, and render and loading threads that
    // call back into the window: stop them before anything goes.
    if (_projectManager)
        _releaseEngine();
    _thumbnailsCache->saveAll();
    delete _thumbnailsCache;
    delete _projectManager;
}

// The engine threads emit these; their slots run on the GUI thread. The
// render's and the loading's reports still on their way when the project
// goes would reach its segments.
void MainWindow::_connectRelays()
{
    connect(this, &MainWindow::avrenderProgressChanged, _projectScope,
            [this](double time, double duration) { onAVRenderProgressChanged(time, duration); },
            Qt::QueuedConnection);
    connect(this, &MainWindow::avrenderStatusChanged, _projectScope,
            [this](int status) { onAVRenderStatusChanged(status); }, Qt::QueuedConnection);
    connect(this, &MainWindow::avsegmentLoadStatusUpdated, _projectScope,
            [this](int segId, int status, int thumbnails, int hardOrSoft) {
                onAVSegmentLoadStatusUpdated(segId, status, thumbnails, hardOrSoft);
            },
            Qt::QueuedConnection);
    connect(this, &MainWindow::avexporterProgressChanged, this, &MainWindow::onAVExporterUpdateProgressValue,
            Qt::QueuedConnection);
    connect(this, &MainWindow::avexporterFinished, this, &MainWindow::onAVExporterFinished, Qt::QueuedConnection);
    connect(this, &MainWindow::avexporterRemainingTimeChanged, this, &MainWindow::onAVExporterUpdateRemainingTime,
            Qt::QueuedConnection);
    // After the end handling above, which copies a finished movie first: an
    // export cancelled to close the window closes it whatever its end code.
    connect(this, &MainWindow::avexporterFinished, this, &MainWindow::_closeAfterExportEnded, Qt::QueuedConnection);
}

QAction* MainWindow::_createAction(const QString& text, const QKeySequence& shortcut, bool enabled, bool window,
                                   void (MainWindow::*command)())
{
    auto* action = new QAction(text, this);
    if (command)
        connect(action, &QAction::triggered, this, command);
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    if (window)
        addAction(action);
    return action;
}

void MainWindow::_createActions()
{
    const QKeySequence none;
    _actionMaintainAspectRatio = _createAction(tr("Maintain aspect ratio"), none, true, false, &MainWindow::onActionMaintainAspectRatioTriggered);
    _actionRestoreDefault = _createAction(tr("Restore the default"), none, true, false, &MainWindow::onActionRestoreDefaultTriggered);
    _actionFillScreen = _createAction(tr("Fill the screen"), none, true, false, &MainWindow::onActionFillScreenTriggered);
    _actionEditText = _createAction(tr("Edit Text"), none, true, false, &MainWindow::onActionEditTextTriggered);
    _actionOriginalSize = _createAction(tr("Original Size"), none, true, false, &MainWindow::onActionOriginalSizeTriggered);
    _actionEditDrawing = _createAction(tr("Edit Drawing"), none, true, false, &MainWindow::onActionEditDrawingTriggered);
    _actionUndo = _createAction(tr("Undo"), QKeySequence::Undo, true, true, &MainWindow::onActionUndoTriggered);
    _actionRedo = _createAction(tr("Redo"), QKeySequence::Redo, true, true, &MainWindow::onActionRedoTriggered);
    _actionEnterExitRangeSelect = _createAction(tr("Enter Range Selection"), QKeySequence(QStringLiteral("Ctrl+R")), true, true, &MainWindow::onActionEnterExitRangeSelect);
    _actionInsertOverwriteMode =
        _createAction(tr("Toggle Insert/Overwite Mode"), QKeySequence(QStringLiteral("Alt+I")), true, true, &MainWindow::onActionInsertOverwriteMode);
    _actionFullscreen = _createAction(tr("Toggle Fullscreen"), QKeySequence(QStringLiteral("Ctrl+Shift+H")), true, true, &MainWindow::onActionFullscreenTriggered);
    _actionAddFile = _createAction(tr("Add File..."), QKeySequence(QStringLiteral("Ctrl+Shift+F")), true, true, &MainWindow::onActionAddFileTriggered);
    _actionAddFromCamera = _createAction(tr("Add from Camera..."), QKeySequence(QStringLiteral("Ctrl+Shift+C")), true, true, &MainWindow::onActionAddFromCameraTriggered);
    _actionAddFromMicrophone =
        _createAction(tr("Add from Microphone..."), QKeySequence(QStringLiteral("Ctrl+Shift+M")), true, true, &MainWindow::onActionAddFromMicrophoneTriggered);
    _actionAddText = _createAction(tr("Add Text"), QKeySequence(QStringLiteral("Ctrl+Shift+T")), true, true, &MainWindow::onActionAddTextTriggered);
    _actionAddSelfDraw = _createAction(tr("Add Self-Draw"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), true, true, &MainWindow::onActionAddSelfDrawTriggered);
    _actionEnterExitEditingSegment = _createAction(tr("Edit"), QKeySequence(QStringLiteral("Ctrl+E")), false, true, &MainWindow::onActionEnterExitEditingSegmentTriggered);
    _actionDuplicateSegment = _createAction(tr("Duplicate"), QKeySequence(QStringLiteral("Ctrl+D")), false, true, &MainWindow::onActionDuplicateSegmentTriggered);
    _actionRemoveSegment = _createAction(tr("Remove"), none, false, true, &MainWindow::onActionRemoveSegmentTriggered);
    _actionSplitSegment = _createAction(tr("Split"), QKeySequence(QStringLiteral("Ctrl+L")), false, true, &MainWindow::onActionSplitSegmentTriggered);
    _actionAddTransition = _createAction(tr("Add Transition"), none, false, false);
    _actionDuplicateTransition = _createAction(tr("Duplicate"), QKeySequence(QStringLiteral("Ctrl+Shift+D")), false, true, &MainWindow::onActionDuplicateTransitionTriggered);
    _actionDeleteTransition = _createAction(tr("Delete"), none, false, true, &MainWindow::onActionDeleteTransitionTriggered);
    _actionEnterExitEditingSegmentTransition = _createAction(tr("Edit Transition"), QKeySequence(QStringLiteral("Ctrl+Shift+E")), false, true, &MainWindow::onActionEnterExitEditingTransitionTriggered);
    _actionEnterExitEditingTransition = _createAction(tr("Edit Transition"), QKeySequence(QStringLiteral("Ctrl+T")), false, true, &MainWindow::onActionEnterExitEditingTransitionTriggered);
    _actionPlayPause = _createAction(tr("Play/Pause"), QKeySequence(Qt::Key_Space), true, true, &MainWindow::onActionPlayPauseTriggered);
    _actionNextPosition = _createAction(tr("Next Position"), QKeySequence(QStringLiteral("Ctrl+Right")), true, true, &MainWindow::onActionNextPositionTriggered);
    _actionPreviousPosition = _createAction(tr("Previous Position"), QKeySequence(QStringLiteral("Ctrl+Left")), true, true, &MainWindow::onActionPreviousPositionTriggered);
    _actionExport = _createAction(tr("Export && Share"), none, true, true, &MainWindow::onActionExportTriggered);
    _actionMovieSettings = _createAction(tr("Configuration..."), none, true, true, &MainWindow::onActionMovieSettingsTriggered);
    _actionMovieSettings->setMenuRole(QAction::NoRole);
}

void MainWindow::showEvent(QShowEvent* event)
{
    // The screen is known once shown; loading tasks read the cached value.
    _devicePixelRatio = float(devicePixelRatioF());
    CommonMainWindow::showEvent(event);
}

void MainWindow::onActionFullscreenTriggered()
{
    _toggleFullScreen();
}

void MainWindow::_finishClosing()
{
    _beginClosing();
    // Asked for while a step of the window that turned the event loop is
    // still under way (a wait, a modal box or menu), the closing comes once
    // that step has returned: the step goes on with the project it began
    // with, and the project is saved as that step leaves it.
    QPointer<MainWindow> window(this);
    SteppedApplication::runOutsideOtherSteps(this, [window] {
        if (window)
            window->_saveAndRelease();
    });
}

void MainWindow::_saveAndRelease()
{
    // An earlier closing put off the same way released it already.
    if (!_projectManager)
        return;
    if (!_projectName.isEmpty() && !_openFailed) {
        // Project files this version refuses make the folder no longer the
        // window's to write: none of its own files goes there either, also
        // when the user closes without saving, and nothing is tidied away
        // (the version that wrote them may keep its undo history there too).
        const bool refused = _projectFilesRefused();
        if (!refused)
            _saveCoverImage();
        if (!_saveBeforeClosing())
            return;
        if (refused && _mediaExplorer)
            _mediaExplorer->keepSettingsUnwritten();
        // A failed save leaves files on disk that still name media the
        // segment list no longer does: tidying then would delete them. The
        // tidy takes the cached exports with the other files nothing names.
        if (!refused && !_projectManager->lastSaveFailed())
            _cleanProjectFolder();
        _projectName.clear();
    }
    SegmentStyleDefaults::instance()->save();
    _releaseEngine();
    close();
}

void MainWindow::_saveCoverImage()
{
    const QString coverPath = _projectDirectory() + QDir::separator() + QStringLiteral("shot.jpg");
    if (_projectManager->fixCoverImage() && QFileInfo::exists(coverPath))
        return;
    // What is there and no regular file (a named pipe, a socket, a device)
    // is another program's, as with the layout and the settings: it stays.
    if (ProjectXml::isIrregularFile(coverPath))
        return;
    if (!_previewWidget)
        return;
    // Without a finished picture of every layer the old cover stays: the
    // preview would give its empty background or a picture missing layers.
    const QImage frame = _previewWidget->grabWholePicture();
    if (frame.isNull())
        return;
    const QImage cover = frame.scaled(kCoverSide, kCoverSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A link there is replaced: the cover never goes into what it leads
    // to. Whole or not at all: a full disk keeps the old cover.
    QString reason;
    if (!SaveFileCommit::writeImage(coverPath, cover, "JPG", -1, &reason))
        qWarning().noquote() << "Cannot write the cover " + coverPath + ": " + reason;
}

void MainWindow::_releaseEngine()
{
    // The export draws from the composition, its image loader and the
    // project's segments: it ends before any of them goes.
    if (_exporter)
        _freeExporter();
    // Whatever was scheduled for the project goes with it, and so do the
    // history commands. Loading tasks schedule their reports from the pool,
    // under the reports' lock.
    QObject* scope = nullptr;
    {
        QMutexLocker locker(&_stateReportsMutex);
        scope = std::exchange(_projectScope, nullptr);
    }
    delete scope;
    _actionUndo->setEnabled(false);
    _actionRedo->setEnabled(false);
    // Loading tasks create engine segments and call back into the window:
    // they must be over before the engine and the project manager go.
    // The loader hands records to the project manager: stop it first.
    delete _projectLoader.data();
    AssetLoadingThreadPool* pool = AssetLoadingThreadPool::instance();
    for (int index = 0; index < _projectManager->segmentCount(); ++index)
        pool->cancelOrWaitForSegment(_projectManager->segmentAt(index), kSegmentTaskWaitMs);
    // The preview comes before the engine, which a window closed meanwhile never got.
    if (_engine) {
        _engine->pause();
        // A drawing pass may outlast the stop's wait (a movie's first frame
        // after a seek, another pass's drawing lock): deleting the driver
        // joins its threads, so the composition and the loader go only once
        // no pass uses them.
        _render->stop(true);
        _previewWidget->setRender(nullptr);
        _imageLoader->stop(true);
        avSetImageRequestCallback(nullptr, nullptr);
        if (_exportLeftRunning)
            _leaveEngineToTheExport();
        else
            _deleteEngine();
        AVEngine::setCurrentEngine(nullptr);
    }
    // The tiles show the segments and schedule work of their own for them:
    // they go with them.
    if (_timeline)
        _timeline->clearTrackWidgets();
    delete _projectManager;
    _projectManager = nullptr;
    if (_previewWidget) {
        _previewWidget->close();
        delete _previewWidget;
        _previewWidget = nullptr;
    }
}

void MainWindow::_deleteEngine()
{
    delete std::exchange(_render, nullptr);
    // Image segments of the composition keep a plain pointer to the loader.
    delete std::exchange(_composition, nullptr);
    delete std::exchange(_imageLoader, nullptr);
    delete std::exchange(_engine, nullptr);
}

// An export thread that did not end still draws from the composition, its
// loader and the drawing contexts: none of them is freed under it.
void MainWindow::_leaveEngineToTheExport()
{
    _render = nullptr;
    _composition = nullptr;
    _imageLoader = nullptr;
    _engine = nullptr;
}

// After the delay, or once the events queued now are handled (0): unless
// the project has been released by then.
void MainWindow::_runForProject(int delayMs, std::function<void()> step)
{
    if (_projectScope)
        QTimer::singleShot(delayMs, _projectScope, std::move(step));
}

void MainWindow::_copyFileChunked(const QString& source, const QString& destination, int outputDescriptor,
                                  std::atomic<int64_t>* copied, std::atomic<bool>* success,
                                  std::atomic<bool>* running)
{
    QFile input(source);
    // A named pipe would hold the copy until a writer came: it is no file to copy.
    if (avIsRegularFile(source) && input.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        QByteArray buffer;
        qint64 remaining = input.size();
        bool failed = false;
        while (remaining > 0 && !failed) {
            FileBlockCopyError error = FileBlockCopyError::None;
            const qint64 count =
                copyFileBlock(input.handle(), outputDescriptor, qMin(remaining, kCopyBlockBytes), &buffer, &error);
            // A file shorter than it announced, or a read error, ends the copy.
            if (count <= 0) {
                const QString reason = QString::fromLocal8Bit(std::strerror(errno));
                const bool writing = error == FileBlockCopyError::Write;
                qWarning("%s", qPrintable(QStringLiteral("failed to %1 %2 (error:%3)")
                                              .arg(writing ? QStringLiteral("write to") : QStringLiteral("read"),
                                                   QFileInfo(writing ? destination : source).fileName(),
                                                   count == 0 ? QStringLiteral("end of file") : reason)));
                failed = true;
            } else {
                *copied += count;
                remaining -= count;
            }
        }
        *success = !failed;
    }
    *running = false;
}
