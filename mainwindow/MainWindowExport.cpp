// Exporting the movie: the options popup, the cached export inside the
// project folder, the exporter run and its reports, and the copy the user
// gets in the chosen folder.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVExporter.h"
#include "AVGLWidget.h"
#include "AVRegularFile.h"
#include "AVRender.h"
#include "AssetLoadingThreadPool.h"
#include "PopupMovieExportingWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "UserSettings.h"
#include "Util.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

constexpr int kMessageMs = 2000;
constexpr int kRetryMs = 100;
// A renderer that stays busy this many steps (about 5 s) fails the request.
constexpr int kMaxRetries = 50;
constexpr int kCopyDelayMs = 200;
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
// The last hundredth of the bar is left for the copy after the export.
constexpr float kExportShare = 0.99f;

QString levelName(int level)
{
    static const char* const names[] = {"360p", "540p", "720p", "1080p", "2k", "4k"};
    return level >= 0 && level <= 5 ? QLatin1String(names[level]) : QStringLiteral("Unknown_Resolution");
}

QString suffixForCodec(const QString& codec)
{
    if (codec == QLatin1String("vp9"))
        return QStringLiteral("webm");
    if (codec == QLatin1String("prores"))
        return QStringLiteral("mov");
    return QStringLiteral("mp4");
}

QString sanitisedName(QString name)
{
    name.replace(QLatin1Char('/'), QLatin1Char(' ')).replace(QLatin1Char('\\'), QLatin1Char(' '));
    return name.replace(QLatin1Char(':'), QLatin1Char(' '));
}

QString moviesLocation()
{
    const QString location = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    const QFileInfo info(location);
    return info.isSymLink() ? info.symLinkTarget() : location;
}

// The first of "name.suffix", "name 1.suffix", "name 2.suffix" ... that is free in the folder.
// A link that leads nowhere holds its name too: the movie is never written where it leads.
QString freeTarget(const QString& folder, const QString& name, const QString& suffix)
{
    const QDir dir(folder);
    QString target = dir.filePath(name + QLatin1Char('.') + suffix);
    for (int number = 1; avIsNameTaken(target); ++number)
        target = dir.filePath(QStringLiteral("%1 %2.%3").arg(name, QString::number(number), suffix));
    return target;
}

// Whether a new file can be made in the folder. Tried for real: permissions
// alone do not tell for root, read-only mounts or immutable folders.
bool takesNewFiles(const QString& folder)
{
    return QTemporaryFile(QDir(folder).filePath(QStringLiteral("XXXXXX.probe"))).open();
}

} // namespace

void MainWindow::exportMovie()
{
    if (_currentPopup)
        return;
    if (AssetLoadingThreadPool::instance()->activeThreadCount() > 0) {
        ProgressHUD::showMessage(tr("Please wait a moment"), this, kMessageMs);
        return;
    }
    if (_projectManager->duration() <= 0.0f) {
        ProgressHUD::showMessage(tr("No content to export"), this, kMessageMs);
        return;
    }
    _saveProject();
    const QSizeF aspect = _projectManager->aspectSize();
    if (_exportName.isEmpty())
        _exportName = _projectName;
    if (_exportFolder.isEmpty())
        _exportFolder = moviesLocation();
    if (_exportFrameRate == 0.0f)
        _exportFrameRate = _projectManager->frameRate();
    const bool transparent = qAlpha(_projectManager->backgroundColor()) == 0;
    const QString codec = transparent ? QStringLiteral("vp9") : _exportCodec;
    auto* popup = new PopupMovieExportingWidget(centralWidget());
    connect(popup, &PopupMovieExportingWidget::popupMovieExportingWidgetShareAction, this,
            [this](PopupMovieExportingWidget* widget, MovieExportingAction action) {
                movieExportingPopup_onShareAction(widget, int(action));
            });
    connect(popup, &PopupMovieExportingWidget::popupMovieExportingWidgetExportCancelAction, this,
            &MainWindow::movieExportingPopup_onExportCancelAction);
    connect(popup, &CommonPopup::dismissed, this, &MainWindow::popup_onDismissed);
    _currentPopup = popup;
    popup->setExportOptions(centralWidget(), _exportSizeLevel, float(aspect.width()), float(aspect.height()),
                            _exportName, _exportFolder, codec, _exportFrameRate, 0);
}

PopupMovieExportingWidget* MainWindow::_exportPopup() const
{
    return qobject_cast<PopupMovieExportingWidget*>(_currentPopup.data());
}

void MainWindow::movieExportingPopup_onShareAction(PopupMovieExportingWidget* exportingWidget, int action)
{
    _exportRetries = 0;
    _exportCacheLacksRoom = false;
    _exportMovie(action, exportingWidget->resolutionLevel(), exportingWidget->frameRate(),
                 exportingWidget->videoCodec(), exportingWidget->fileName(), exportingWidget->location());
}

void MainWindow::movieExportingPopup_onExportCancelAction(PopupMovieExportingWidget*)
{
    if (_exporter)
        _exporter->cancel();
}

QString MainWindow::_exportFilePath(int level, float frameRate, const QString& codec) const
{
    const QString codecName = codec.isEmpty() ? QStringLiteral("Unknown_Video_Codec") : codec;
    // One arg call: a "%" in the project name must not be taken for a marker.
    const QString name = QStringLiteral("%1_%2_%3_%4fps.%5")
                             .arg(_projectName, levelName(level), codecName, QString::number(int(frameRate)),
                                  suffixForCodec(codec));
    return QDir(_projectDirectory()).filePath(name);
}

void MainWindow::_exportMovie(int action, int level, float frameRate, const QString& codec, const QString& name,
                              const QString& folder)
{
    // The running export's options and cached path must stay as they are;
    // once the window is closing, no export starts. Either way the request
    // is over, a waiting one too.
    if (_exporter || _closing) {
        _exportRetries = 0;
        return;
    }
    if (_engine)
        _engine->pause();
    if (_engine && !_engine->isRenderIdle()) {
        if (++_exportRetries > kMaxRetries) {
            _exportRetries = 0;
            _showExportError(tr("The preview did not stop in time. Please try again."));
            return;
        }
        _runForProject(kRetryMs, [=] {
            // Unless the request was dropped meanwhile.
            if (_exportRetries > 0)
                _exportMovie(action, level, frameRate, codec, name, folder);
        });
        return;
    }
    _exportRetries = 0;
    _storeExportOptions(action, level, frameRate, codec, name, folder);
    // Told now rather than after the whole movie was rendered for nothing.
    QDir().mkpath(_exportFolder);
    if (!takesNewFiles(_exportFolder)) {
        _showExportError(tr("The movie cannot be saved in \"%1\" because that folder cannot be written to. "
                            "Please choose another location.")
                             .arg(QDir::toNativeSeparators(_exportFolder)));
        return;
    }
    if (_isCachedExportMadeHere()) {
        _handOverCachedExport();
        return;
    }
    // Whatever else holds the cached name (a file someone touched, copied
    // or linked there, a pipe, a folder) is left as it is and never opened;
    // a project folder that cannot be written (a save failed there) or whose
    // disk had no room for the movie must not keep the user from rescuing
    // the film either. Either way the movie goes straight into the chosen folder.
    if (const char* const passedOver = _whyNotCached()) {
        _exportDirectPath = freeTarget(_exportFolder, _exportName, QFileInfo(_exportCachePath).suffix());
        qWarning().noquote() << passedOver << "the movie is exported straight to" << _exportDirectPath;
    }
    _exportStartExporter(_exportDirectPath.isEmpty() ? _exportCachePath : _exportDirectPath);
}

const char* MainWindow::_whyNotCached() const
{
    if (avIsNameTaken(_exportCachePath))
        return "Something else holds the cached movie's name:";
    if (_exportCacheLacksRoom)
        return "The project folder's disk has no room for the movie:";
    if (!takesNewFiles(_projectDirectory()))
        return "The project folder cannot be written:";
    return nullptr;
}

void MainWindow::_storeExportOptions(int action, int level, float frameRate, const QString& codec,
                                     const QString& name, const QString& folder)
{
    _exportAction = action;
    _exportSizeLevel = level;
    _exportFrameRate = frameRate;
    _exportCodec = codec;
    _exportName = sanitisedName(name);
    _exportFolder = QFileInfo(folder).isDir() ? folder : moviesLocation();
    _exportCachePath = _exportFilePath(level, frameRate, codec);
    _exportDirectPath.clear();
}

// The options match an earlier export since the last save: its movie is copied again.
void MainWindow::_handOverCachedExport()
{
    if (_exportAction != MovieExportingActionSaveToComputer) {
        if (_currentPopup)
            _currentPopup->dismiss();
        return;
    }
    if (PopupMovieExportingWidget* popup = _exportPopup())
        popup->setProgress(kExportShare);
    _runForProject(kCopyDelayMs, [this] { _finishExportedFile(_exportPopup()); });
}

bool MainWindow::_isCachedExportMadeHere() const
{
    const auto made = _exportsMade.constFind(_exportCachePath);
    return made != _exportsMade.cend()
        && *made == AVFileIdentity::ofRegularFile(QFile::encodeName(_exportCachePath).toStdString());
}

// Opened without following a link, and kept only when the descriptor's file
// is the one this window made: whatever takes the name later is not read.
bool MainWindow::_openCachedExportMadeHere(QFile& movie) const
{
    const auto made = _exportsMade.constFind(_exportCachePath);
    if (made == _exportsMade.cend())
        return false;
    const int fd = ::open(QFile::encodeName(_exportCachePath).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    if (fstat(fd, &status) == 0 && AVFileIdentity::ofStatus(status) == *made
        && movie.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

void MainWindow::_exportStartExporter(const QString& path)
{
    if (!_composition || !_render || _exporter)
        return;
    const QSizeF size = _projectManager->movieSizeF(_exportSizeLevel);
    const auto frameRate = uint32_t(_exportFrameRate);
    const bool alpha = qAlpha(_projectManager->backgroundColor()) == 0;
    _exporter = new AVExporter(uint32_t(size.width()), uint32_t(size.height()),
                               AVExporter::videoBitRateForLevel(_exportSizeLevel, frameRate), frameRate,
                               AVExporter::codecForName(_exportCodec.toStdString()), alpha, kSampleRate, kChannels,
                               AVExporter::audioBitRateForLevel(_exportSizeLevel), path.toUtf8().toStdString(),
                               nullptr, !UserSettings::instance()->hardwareCodec());
    if (!_exportDirectPath.isEmpty()) {
        // A file that takes the movie's name while it renders is the user's:
        // the movie takes the next free name instead.
        const QString suffix = QFileInfo(path).suffix();
        _exporter->setFreeNameChooser([folder = _exportFolder, name = _exportName, suffix] {
            return freeTarget(folder, name, suffix).toUtf8().toStdString();
        });
    }
    _exporter->setProgressCallback(&MainWindow::AVExporterCallback, this);
    _exporter->setOwner(this);
    if (_previewWidget)
        _previewWidget->setExporter(_exporter);
    if (_engine)
        _engine->pause();
    _render->stop(true);
    _render->setComposition(nullptr);
    // Drawing passes the composition starts off the export thread use the export context.
    _render->drawingContexts()->exporter = _exporter->contextSlot();
    _composition->updateLayout(int32_t(size.width()), int32_t(size.height()), 1);
    _exporter->attachToComposition(_composition);
    _exporter->setImageLoader(_imageLoader);
    _exporter->start();
    if (PopupMovieExportingWidget* popup = _exportPopup())
        popup->setProgress(0.0f);
    createTaskbarProgress();
}

void MainWindow::_finishExportedFile(PopupMovieExportingWidget* popup)
{
    if (!_exportDirectPath.isEmpty()) {
        if (popup)
            popup->showExportSucceeded(QString(), _exportDirectPath);
        return;
    }
    QFile movie;
    if (!_openCachedExportMadeHere(movie)) {
        // Something else took the cached name since the movie was made: it is
        // left as it is, and the movie is made anew straight into the chosen
        // folder, unless the user cancelled the export to close the window.
        if (!_closeAfterCancel)
            _exportMovie(_exportAction, _exportSizeLevel, _exportFrameRate, _exportCodec, _exportName, _exportFolder);
        return;
    }
    // The folder may have gone since it was chosen, the movies folder may never have existed.
    QDir().mkpath(_exportFolder);
    const auto nextFreeTarget = [this] {
        return freeTarget(_exportFolder, _exportName, QFileInfo(_exportCachePath).suffix());
    };
    // Read through the descriptor: the very file that was looked at. The
    // copy takes the next free name when something took the chosen one.
    const QString target =
        Util::copyFileAsNew(QStringLiteral("/proc/self/fd/%1").arg(movie.handle()), nextFreeTarget(), nextFreeTarget);
    if (!popup)
        return;
    if (!target.isEmpty())
        popup->showExportSucceeded(QString(), target);
    else
        popup->showExportSucceeded(_copyErrorText(), QString());
}

// The cached movie stays where it is: another try only copies it again.
QString MainWindow::_copyErrorText() const
{
    const QString folder = QDir::toNativeSeparators(_exportFolder);
    if (!takesNewFiles(_exportFolder))
        return tr("The movie could not be copied into \"%1\" because that folder cannot be written to. Please "
                  "choose another location and export again.")
            .arg(folder);
    if (QStorageInfo(_exportFolder).bytesAvailable() < QFileInfo(_exportCachePath).size())
        return tr("The movie could not be copied into \"%1\" because the disk is full. Please free some space on "
                  "that disk or choose another location, and export again.")
            .arg(folder);
    return tr("Create video failed");
}

void MainWindow::_showExportError(const QString& text)
{
    if (PopupMovieExportingWidget* popup = _exportPopup())
        popup->showExportSucceeded(text, QString());
}

void MainWindow::onAVExporterUpdateProgressValue(float percent)
{
    const float shown = percent * kExportShare;
    if (PopupMovieExportingWidget* popup = _exportPopup())
        popup->setProgress(shown);
    setTaskbarProgressValue(shown);
}

void MainWindow::onAVExporterUpdateRemainingTime(float time)
{
    if (PopupMovieExportingWidget* popup = _exportPopup())
        popup->setEstimatedTimeRemaining(time);
}

QString MainWindow::_exportErrorText(int err, bool ranOutOfDisk, bool refusedWriting) const
{
    const QString written = _exportDirectPath.isEmpty() ? _exportCachePath : _exportDirectPath;
    const QString folder = QDir::toNativeSeparators(QFileInfo(written).absolutePath());
    if (err == AVExporterResultFileNotCreated)
        return tr("The movie file could not be created in \"%1\". Please make sure that this folder can be "
                  "written to and that the disk has free space.")
            .arg(folder);
    if (err == AVExporterResultUnfinishedFileReplaced)
        return tr("The movie could not be finished in \"%1\" because its unfinished file was moved or replaced "
                  "while it was written. Please export it again.")
            .arg(folder);
    if (err == AVExporterResultMovieNameTaken)
        return tr("The movie could not be saved as \"%1\" because another file took that name while the movie "
                  "was written. That file was left as it is: please move it away and export again.")
            .arg(QDir::toNativeSeparators(written));
    // Whichever step it stopped: the header, the sound, the pictures or the
    // end of the file. The chosen folder is on the same disk, or was written
    // straight to.
    if (ranOutOfDisk)
        return tr("The movie could not be written in \"%1\" because the disk is full. Please free some space "
                  "on that disk and export again.")
            .arg(folder);
    if (refusedWriting)
        return tr("The movie could not be written in \"%1\" because that folder can no longer be written to. "
                  "Please make sure that it can be written to and export again.")
            .arg(folder);
    return QStringLiteral("An error occurs when exporting the movie. (error code = %1)").arg(err);
}

// The cached movie found the project folder's disk full: the chosen folder
// on another disk may have room, unless the user cancelled the export to
// close the window.
bool MainWindow::_isRoomElsewhere(bool ranOutOfDisk) const
{
    return ranOutOfDisk && _exportDirectPath.isEmpty() && !_closeAfterCancel
        && QStorageInfo(_exportFolder) != QStorageInfo(_projectDirectory());
}

void MainWindow::_restorePreviewAfterExport()
{
    if (!_composition || !_render)
        return;
    const QSize size = _projectManager->movieSize(_previewSizeLevel);
    _composition->updateLayout(size.width(), size.height(), 0);
    _render->setComposition(_composition);
    if (_closing)
        return;
    _render->startThreads();
    _render->seek(_currentScrollTime(), true);
}

void MainWindow::_freeExporter()
{
    AVExporter* exporter = std::exchange(_exporter, nullptr);
    if (!exporter->stop(kExportEndWaitMs)) {
        qWarning().noquote() << QStringLiteral("The export did not end within %1 ms of its cancel; it is left "
                                               "running with what it draws from.")
                                    .arg(kExportEndWaitMs);
        // Its last reports would reach a window that may be gone.
        exporter->setProgressCallback(nullptr, nullptr);
        _exportLeftRunning = true;
        return;
    }
    // Detaching is refused while the thread still draws from the composition.
    exporter->detachFromComposition();
    delete exporter;
    if (_render)
        _render->drawingContexts()->exporter = nullptr;
    if (_previewWidget)
        _previewWidget->setExporter(nullptr);
}

void MainWindow::onAVExporterFinished(int err)
{
    bool ranOutOfDisk = false;
    bool refusedWriting = false;
    AVFileIdentity made;
    if (_exporter) {
        if (err == 0 && !_exportDirectPath.isEmpty())
            _exportDirectPath = QString::fromStdString(_exporter->moviePath());
        else if (err == 0)
            made = _exporter->movieIdentity();
        ranOutOfDisk = _exporter->ranOutOfDisk();
        refusedWriting = _exporter->wasRefusedWriting();
        _freeExporter();
    }
    _restorePreviewAfterExport();
    // Before what follows, which may start the movie anew.
    hideTaskbarProgress();
    // Only a movie this export named under the cached name is handed over
    // again. One made straight into the chosen folder leaves what is known
    // of the cached name as it was.
    if (made.isFile())
        _exportsMade.insert(_exportCachePath, made);
    else if (_exportDirectPath.isEmpty())
        _exportsMade.remove(_exportCachePath);
    if (err == 0) {
        if (_exportAction == MovieExportingActionSaveToComputer)
            _finishExportedFile(_exportPopup());
    } else if (err == -1) {
        if (_currentPopup)
            _currentPopup->dismiss();
        // The exporter wrote to a name of its own and removed it: nothing is left at the cached path.
        ProgressHUD::showMessage(tr("Export canceled"), this, kMessageMs);
    } else if (_isRoomElsewhere(ranOutOfDisk)) {
        _exportCacheLacksRoom = true;
        _exportMovie(_exportAction, _exportSizeLevel, _exportFrameRate, _exportCodec, _exportName, _exportFolder);
    } else {
        // The exporter removed what it wrote itself; whatever else holds an
        // export's name here was made by another export, or is someone's.
        _showExportError(_exportErrorText(err, ranOutOfDisk, refusedWriting));
    }
}
