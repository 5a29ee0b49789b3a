// Turning a media file into a new segment on the timeline: the add-media
// file dialog, the placement of one picture, movie or music file, the copy
// of an added file into the project folder and the camera's captures.
#include "MainWindow.h"

#include "AVRegularFile.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "NativeOpenFileDialog.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ProjectXml.h"
#include "ReplacingFile.h"
#include "SegmentStyleDefaults.h"
#include "SegmentWidget.h"
#include "TrackWidget.h"
#include "UserSettings.h"
#include "Util.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QSettings>

#include <fcntl.h>

#include <cerrno>
#include <functional>

namespace {

constexpr int kMessageMs = 2000;
constexpr unsigned long kCopyPollMs = 50;
constexpr int kCopyPollsPerProgress = 10;
constexpr unsigned long kThreadExitMs = 5000;
// Past the start, so that the preview shows the new segment's first frame.
constexpr float kStartNudge = 0.01f;
// From this many tiles on, a movie added to the empty track goes to the end of the movie.
constexpr int kMovieAppendTileCount = 4;
const QString kChooseMediaDirKey = QStringLiteral("ChooseMediaDir");
// Names taken by others, one after the other, before a move gives up.
constexpr int kMoveNameTries = 100;

// Moves source to the first free name nextFreePath gives, whole, on any
// file system: renamed where both lie on one, elsewhere copied whole and
// only then removed. Whatever takes a name meanwhile (a file the user saved
// there) stays: the move passes to the next name. The name taken, or empty.
QString moveAsNew(const QString& source, const std::function<QString()>& nextFreePath)
{
    const QByteArray from = QFile::encodeName(source);
    for (int tries = 0; tries < kMoveNameTries; ++tries) {
        const QString target = nextFreePath();
        const int error = avMoveWithoutReplacing(AT_FDCWD, from.constData(), AT_FDCWD, QFile::encodeName(target).constData());
        if (error == 0)
            return target;
        if (error == EXDEV)
            break;
        if (error != EEXIST)
            return QString();
    }
    const QString copied = Util::copyFileAsNew(source, nextFreePath(), nextFreePath);
    if (!copied.isEmpty() && !QFile::remove(source))
        qWarning() << "The moved capture stays in" << source;
    return copied;
}

// The project folder's name for a copy of source: its own file name, then
// "<base> Copy <n>.<suffix>" for the numbers from 1 (base before the first dot).
QString copyPath(const QString& source, const QString& folder, int number)
{
    const QString fileName = QFileInfo(source).fileName();
    if (number == 0)
        return folder + QDir::separator() + fileName;
    const int dot = fileName.indexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? fileName : fileName.left(dot);
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1);
    return folder + QStringLiteral("/%1 Copy %2.%3").arg(base).arg(number).arg(suffix);
}

float startPastZero(float start)
{
    return start > 0.0f ? start + kStartNudge : start;
}

} // namespace

void MainWindow::_addMediaFiles(int kind)
{
    QSettings store;
    const QString folder = store.value(kChooseMediaDirKey, QDir::homePath()).toString();
    QString word = tr("media");
    QString filter = tr("All media files (*.*)");
    if (kind == MediaInsertVideo) {
        word = tr("video");
        filter = Util::videoFileFilter();
    } else if (kind == MediaInsertPicture) {
        word = tr("picture");
        filter = Util::pictureFileFilter();
    } else if (kind == MediaInsertMusic) {
        word = tr("music");
        filter = Util::musicFileFilter();
    }
    const QString caption = tr("Choose %1 file to added into the current movie").arg(word);
    bool extractAudio = false;
    const QString path = (kind == MediaInsertVideo || kind == MediaInsertAny)
        ? showNativeOpenFileDialog(caption, tr("Extract Audio"), &extractAudio, folder, filter)
        : QFileDialog::getOpenFileName(nullptr, caption, folder, filter);
    if (path.isEmpty())
        return;
    store.setValue(kChooseMediaDirKey, QFileInfo(path).absolutePath());
    // Without an insertion track the dialog chose a picture for the edited segment.
    if (!_insertionTrack) {
        _replaceEditingSegmentPicture(path, kind);
        return;
    }
    QHash<QString, QVariant> options;
    const bool audioOnly = extractAudio || QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
    options.insert(QStringLiteral("audioOnly"), audioOnly);
    if (audioOnly && QMimeDatabase().mimeTypeForFile(path).name().startsWith(QLatin1String("video/")))
        options.insert(QStringLiteral("title"), tr("Audio from %1").arg(QFileInfo(path).fileName()));
    _insertMediaFile(path, kind, options, _currentScrollTime(), true, true);
}

bool MainWindow::_insertMediaFile(const QString& path, int kind, QHash<QString, QVariant> options, float time,
                                  bool appendToTrack, bool recordUndo)
{
    // The kind is known before anything is copied or recorded, so that a
    // file of no media kind leaves neither a copy nor an empty undo step.
    int mediaKind = _resolvedMediaKind(path, kind);
    // A named pipe or a device has no kind to tell and is never opened; the
    // user learns why nothing was added.
    QString irregular;
    if (mediaKind == 0 && ProjectXml::isIrregularFile(path, &irregular))
        ProgressHUD::showMessage(irregular, this, kMessageMs);
    if (mediaKind == 0 || _copyingMedia || !_newestTrack || !_insertionTrack)
        return false;
    const QString file = _mediaPathForProject(path);
    // The copy processed events: the tracks may have gone meanwhile.
    if (file.isNull() || !_newestTrack || !_insertionTrack)
        return false;
    if (recordUndo)
        _recordOperation();
    TrackWidget* track = _insertionTrack;
    _checkAudio = false;
    if (mediaKind == MediaInsertVideo && options.value(QStringLiteral("audioOnly")).toBool()) {
        mediaKind = MediaInsertMusic;
        track = _newestTrack;
        _checkAudio = true;
    }
    float start = time;
    if (appendToTrack)
        start = _appendStart(mediaKind, &track, time);
    else if (mediaKind != MediaInsertMusic)
        _dropTime = startPastZero(start);
    Segment* segment = _createMediaSegment(mediaKind, file, start, options);
    const bool onEmptyTrack = track == _newestTrack;
    _placeNewSegment(segment, track, segment->type());
    SegmentWidget* widget = track->segmentWidgetForSegment(segment);
    if (onEmptyTrack) {
        _addTrack();
        if (widget)
            _timeline->ensureVisible(widget);
    }
    _showSegmentOperationTipsSoon(widget);
    return true;
}

int MainWindow::_resolvedMediaKind(const QString& path, int kind)
{
    if (kind == MediaInsertVideo || kind == MediaInsertPicture || kind == MediaInsertMusic)
        return kind;
    if (kind != MediaInsertAny)
        return 0;
    const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
    qDebug() << "Insert media file mime type: " << mime;
    if (mime.startsWith(QLatin1String("image/")))
        return MediaInsertPicture;
    if (mime.startsWith(QLatin1String("video/")))
        return MediaInsertVideo;
    if (mime.startsWith(QLatin1String("audio/")))
        return MediaInsertMusic;
    return 0;
}

// Append mode: after the content of a track that has some, at the time on
// the empty track, or at the end of the movie once the timeline holds a few
// tiles. The timeline scrolls to a start it chose itself.
float MainWindow::_appendStart(int kind, TrackWidget** track, float time)
{
    const float pointer = _currentScrollTime();
    if (*track != _newestTrack) {
        const float start = std::max(pointer, (*track)->contentEndTime());
        _scrollToTime(kind == MediaInsertMusic ? start : startPastZero(start), true);
        return start;
    }
    if (kind != MediaInsertVideo || _timeline->segmentWidgetTotal() < kMovieAppendTileCount)
        return time;
    // Without a movie track the empty track keeps the movie, at the time.
    TrackWidget* movieTrack = _timeline->movieTrackWidget();
    if (!movieTrack)
        return time;
    *track = movieTrack;
    const float start = _projectManager->movieDuration();
    _scrollToTime(startPastZero(start), true);
    return start;
}

SegmentStyleDefaults* MainWindow::habitStyleDefaults()
{
    return UserSettings::instance()->applyUserHabits() ? SegmentStyleDefaults::instance() : nullptr;
}

Segment* MainWindow::_createMediaSegment(int kind, const QString& path, float start,
                                         const QHash<QString, QVariant>& options)
{
    UserSettings* settings = UserSettings::instance();
    SegmentStyleDefaults* defaults = habitStyleDefaults();
    if (kind == MediaInsertPicture) {
        const float duration = settings->photoDuration();
        auto* image = new ImageSegment(path, start, duration, this, defaults);
        const auto scale = options.constFind(QStringLiteral("scale"));
        if (scale != options.constEnd() && scale->toFloat() != 1.0f)
            image->setUserScale(QPointF(scale->toFloat(), scale->toFloat()));
        // An animated GIF lasts as long as its animation instead.
        image->markDirty();
        return image;
    }
    if (kind == MediaInsertVideo)
        return new MovieSegment(path, start, this, defaults);
    const bool titled = options.contains(QStringLiteral("title"));
    const QString title = titled ? options.value(QStringLiteral("title")).toString() : QFileInfo(path).baseName();
    auto* music = new MusicSegment(path, start, title, options.value(QStringLiteral("artist")).toString(), this);
    if (!titled)
        music->setReadTagsOnLoad(true);
    return music;
}

// The tile, the track's type and gutter icon (an empty type keeps the
// track's), and the segment in the project's sorted list.
void MainWindow::_placeNewSegment(Segment* segment, TrackWidget* track, const QString& type)
{
    SegmentWidget* widget = _placeOnTrack(segment, track, true);
    if (!type.isEmpty()) {
        track->setTrackType(type);
        _gutterArea->setTrackButtonType(track->trackId(), type);
    }
    _projectManager->addSegmentSorted(segment, widget);
}

QString MainWindow::_projectDirectory() const
{
    return ProjectManager::projectDirectory(_projectName, _folderName);
}

bool MainWindow::_isInsideProjectFolder(const QString& path) const
{
    const QString folder = QDir::cleanPath(_projectDirectory());
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    // Whole folder names only: ".../Trip2/x.mp4" is not inside ".../Trip".
    return !folder.isEmpty() && file.startsWith(folder + QLatin1Char('/'));
}

QString MainWindow::_mediaPathForProject(const QString& path)
{
    if (!UserSettings::instance()->autoCopyAssets() || _isInsideProjectFolder(path))
        return path;
    return _copyMediaIntoProject(path, _projectDirectory());
}

QString MainWindow::_copyMediaIntoProject(const QString& sourcePath, const QString& projectFolder)
{
    if (_copyingMedia || _closing || projectFolder.isEmpty()) {
        qWarning("%s", qPrintable(QStringLiteral("%1 not copied: another copy runs, the window is closing or there "
                                                 "is no project folder")
                                      .arg(QFileInfo(sourcePath).fileName())));
        return QString();
    }
    // Written under a name of its own, the copy takes the first free one of
    // its names only once whole: a copy cut short by a kill never stands
    // under a name the user may pick, and the close's tidy takes it.
    int number = 0;
    const auto nextFreePath = [&] {
        QString path;
        do {
            path = copyPath(sourcePath, projectFolder, number++);
        } while (avIsNameTaken(path));
        return path;
    };
    ReplacingFile output(nextFreePath());
    QString reason;
    if (!output.open(&reason)) {
        qWarning("%s", qPrintable(QStringLiteral("failed to create %1 (error:%2)").arg(output.fileName(), reason)));
    } else if (_copyOnThread(sourcePath, output.fileName(), output.device().handle())
               && output.commitAsNew(nextFreePath, &reason)) {
        return output.fileName();
    }
    ProgressHUD::showMessage(tr("Copy file failed"), this, kMessageMs);
    return QString();
}

bool MainWindow::_copyOnThread(const QString& sourcePath, const QString& destination, int output)
{
    const qint64 total = QFileInfo(sourcePath).size();
    std::atomic<int64_t> copied{0};
    std::atomic<bool> success{false};
    std::atomic<bool> running{true};
    QThread* thread = QThread::create(&MainWindow::_copyFileChunked, sourcePath, destination, output, &copied,
                                      &success, &running);
    _copyingMedia = true;
    thread->start(QThread::InheritPriority);
    // Timers and queued work go on meanwhile; the user's clicks and keys
    // wait, and closing is refused, until the copy has ended. The poll ends
    // early when the thread does.
    for (int pass = 1; running; ++pass) {
        thread->wait(kCopyPollMs);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (pass % kCopyPollsPerProgress == 0)
            showProgressHUD(tr("Copying file..."), total > 0 ? float(double(copied) / double(total)) : 1.0f);
    }
    _copyingMedia = false;
    // Clearing the flag is the copy's last step: only the thread's exit remains.
    if (thread->wait(kThreadExitMs))
        delete thread;
    else
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    hideWaitingHUD();
    return success;
}

QString MainWindow::_freeNumberedPath(const QString& folder, const QString& pattern)
{
    QString path;
    int number = 1;
    do {
        path = folder + QDir::separator() + pattern.arg(number++);
    } while (avIsNameTaken(path));
    return path;
}

void MainWindow::_insertCapturedPhoto(const QString& capturedPath)
{
    _insertCapture(capturedPath, QStringLiteral("cameraPhoto-%1.jpg"), MediaInsertPicture,
                   tr("Cannot move the captured photo file"));
}

void MainWindow::_insertCapturedMovie(const QString& capturedPath)
{
    _insertCapture(capturedPath, QStringLiteral("cameraMovie-%1.mp4"), MediaInsertVideo,
                   tr("Cannot move the captured video file"));
}

void MainWindow::_insertCapture(const QString& capturedPath, const QString& namePattern, int kind,
                                const QString& failureText)
{
    const QString target = _moveCaptureIntoProject(capturedPath, namePattern, failureText);
    if (!target.isEmpty())
        _insertMediaFile(target, kind, QHash<QString, QVariant>(), _currentScrollTime(), true, true);
}

QString MainWindow::_moveCaptureIntoProject(const QString& capturedPath, const QString& namePattern,
                                            const QString& failureText)
{
    // The capture waits in a temporary folder, often on another file system.
    const QString target =
        moveAsNew(capturedPath, [this, &namePattern] { return _freeNumberedPath(_projectDirectory(), namePattern); });
    if (!target.isEmpty())
        return target;
    Util::showMessageBox(this, tr("Error Occurs"), failureText, QMessageBox::Warning);
    return QString();
}
