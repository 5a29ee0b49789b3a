// Media dropped on the window from the file manager or the media library:
// what a drag carries, where it would land on the timeline, auto-scroll at
// the timeline's edges, and the drop, which copies library items into the
// project folder, makes room on the track and hands the file to insertion.
#include "MainWindow.h"

#include "CommonPopup.h"
#include "EditScrollArea.h"
#include "MediaExplorer.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TipManager.h"
#include "TrackWidget.h"
#include "UserSettings.h"
#include "Util.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kMessageMs = 2000;
constexpr int kAutoScrollStartMs = 500;
// A subtitle file shows as this long while it is dragged.
constexpr float kSubtitleDragSeconds = 3.0f;
// The play pointer goes just inside the new item, so that the preview shows it.
constexpr float kSeekInset = 0.01f;
const QString kSubtitleKey = QStringLiteral("srt");
const QString kMediaExplorerTip = QStringLiteral("MediaExplorerHelpTip");

QString dragText(const QMimeData* data, const char* format)
{
    return QString::fromUtf8(data->data(QLatin1String(format)));
}

float dragNumber(const QMimeData* data, const char* format)
{
    return data->data(QLatin1String(format)).toFloat();
}

// A library item without a usable scale shows at its own size.
float dragScale(const QMimeData* data, const char* format)
{
    const float scale = dragNumber(data, format);
    return scale > 0.0f ? scale : 1.0f;
}

QString inParentheses(const QStringList& items)
{
    return QLatin1Char('(') + items.join(QLatin1String(", ")) + QLatin1Char(')');
}

QString segmentTypeOfMime(const QString& mime)
{
    if (mime.startsWith(QLatin1String("image/")))
        return QStringLiteral("IMAGE");
    if (mime.startsWith(QLatin1String("video/")))
        return QStringLiteral("MOVIE");
    if (mime.startsWith(QLatin1String("audio/")))
        return QStringLiteral("MUSIC");
    return QString();
}

// The key of a drag from the GIF service: neither empty nor the subtitle mark.
bool isGifServiceKey(const QString& key)
{
    return !key.isEmpty() && key != kSubtitleKey;
}

bool isWebAddress(const QString& path)
{
    return path.startsWith(QLatin1String("http://")) || path.startsWith(QLatin1String("https://"));
}

} // namespace

// ---- Drag entry -------------------------------------------------------------

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    // A list of files may be offered and turn out empty.
    const QList<QUrl> files = data->urls();
    QStringList urls;
    for (const QUrl& url : files)
        urls << url.toString();
    qDebug().noquote() << "MainWindow dropEnterEvent" << inParentheses(data->formats()) << inParentheses(urls);
    // A new drag: probes still running belong to the last one, and where it
    // would have landed means nothing now.
    ++_dragGeneration;
    _dropSegmentType.clear();
    _dropTrack = nullptr;
    _dropTime = 0.0f;
    bool acceptable = false;
    if (!files.isEmpty() && files.first().isLocalFile())
        acceptable = _readDraggedFile(files.first().toLocalFile());
    else if (data->hasFormat(QStringLiteral("media/resource-asset-path")))
        acceptable = _readDraggedAsset(data);
    else if (data->hasFormat(QStringLiteral("media/giphy-gif-id")))
        acceptable = _readDraggedGif(data);
    if (!acceptable) {
        _dropSegmentType.clear();
        event->ignore();
        return;
    }
    _prepareForDrop();
    event->setDropAction(event->proposedAction());
    event->accept();
    if (TipManager::hasInstance())
        TipManager::instance()->closeTipAndMarkShown(kMediaExplorerTip);
}

bool MainWindow::_readDraggedFile(const QString& path)
{
    _dropPath = path;
    _dropScale = 1.0f;
    const QFileInfo file(_dropPath);
    if (file.suffix().compare(kSubtitleKey, Qt::CaseInsensitive) == 0) {
        _dropSegmentType = QStringLiteral("TEXT");
        _dropItemKey = kSubtitleKey;
        _draggedMediaDuration = kSubtitleDragSeconds;
        return true;
    }
    const QString mime = QMimeDatabase().mimeTypeForFile(_dropPath).name();
    qDebug().noquote() << "Dragging media file mime type: " << mime;
    _dropSegmentType = segmentTypeOfMime(mime);
    _dropItemKey.clear();
    if (_dropSegmentType.isEmpty())
        return false;
    if (_dropSegmentType == QLatin1String("IMAGE")) {
        _draggedMediaDuration = UserSettings::instance()->photoDuration();
        if (file.suffix().compare(QLatin1String("GIF"), Qt::CaseInsensitive) == 0)
            _probeDraggedGifDuration(_dropPath);
    } else {
        // Moves wait for the probe: the item has no length until it ends.
        _draggedMediaDuration = 0.0f;
        _probeDraggedMediaDuration(_dropPath);
    }
    return true;
}

bool MainWindow::_readDraggedAsset(const QMimeData* data)
{
    float length = dragNumber(data, "media/resource-asset-length");
    switch (data->data("media/resource-asset-type").toInt()) {
    case 1:
        _dropSegmentType = QStringLiteral("MOVIE");
        break;
    case 2:
        _dropSegmentType = QStringLiteral("IMAGE");
        if (length <= 0.0f)
            length = UserSettings::instance()->photoDuration();
        break;
    case 3:
        _dropSegmentType = QStringLiteral("MUSIC");
        break;
    default:
        return false;
    }
    _dropPath = dragText(data, "media/resource-asset-path");
    _draggedMediaDuration = length;
    _dropScale = dragScale(data, "media/resource-asset-scale");
    _dropItemKey.clear();
    return true;
}

bool MainWindow::_readDraggedGif(const QMimeData* data)
{
    const float length = dragNumber(data, "media/giphy-gif-length");
    if (!(length > 0.0f))
        return false;
    _dropSegmentType = QStringLiteral("IMAGE");
    _dropItemKey = dragText(data, "media/giphy-gif-id");
    _dropPath = dragText(data, "media/giphy-gif-path");
    if (_dropPath.isEmpty())
        _dropPath = dragText(data, "media/giphy-gif-url");
    _draggedMediaDuration = length;
    _dropScale = dragScale(data, "media/giphy-gif-scale");
    return true;
}

void MainWindow::_prepareForDrop()
{
    if (_currentPopup)
        _currentPopup->dismiss();
    if (_timeline && _timeline->editingSegmentWidget())
        _timeline->editingSegmentWidget()->setEditing(false, true);
    _exitRangeSelectionMode();
    _pausePlayback();
    if (_timeline)
        _timeline->setSegmentFlag(false, nullptr);
}

// ---- Drag moves and auto-scroll -------------------------------------------

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    qDebug() << "MainWindow dragMoveEvent";
    if (!_timeline) {
        event->ignore();
        return;
    }
    const bool measured = !_dropPath.isEmpty() && !_dropSegmentType.isEmpty() && _draggedMediaDuration > 0.0f;
    TrackWidget* target = measured ? _showDropTarget(event->pos()) : nullptr;
    _armDropAutoScroll(event->pos());
    if (target)
        event->accept();
    else
        event->ignore();
}

TrackWidget* MainWindow::_showDropTarget(const QPoint& windowPos)
{
    const QPoint p = _timeline->widget()->mapFrom(this, windowPos);
    const float time = std::max(0.0f, TimelineMetrics::contentXToTime(float(p.x()), _timelineScale));
    _dropTrack = nullptr;
    _dropTime = 0.0f;
    _dropX = 0.0f;
    const TrackWidget::SnapFunction snap = [this](float t, Segment* segment, TrackWidget* track) {
        return _timeline->snapTime(t, segment, track);
    };
    for (int index = 0; index < _timeline->trackWidgetCount(); ++index) {
        TrackWidget* track = _timeline->trackWidgetAt(index);
        const bool fits = track->trackType() == _dropSegmentType || track->segmentWidgets().isEmpty();
        if (!_dropTrack && track->geometry().contains(p) && fits
            && _timeline->canDropSegment(_dropSegmentType, track)) {
            float snapped = time;
            track->showDropIndicator(nullptr, &snapped, _draggedMediaDuration, snap);
            _dropTrack = track;
            _dropTime = snapped;
            _dropX = float(p.x());
        } else {
            track->removeDropIndicator();
        }
    }
    return _dropTrack;
}

void MainWindow::_armDropAutoScroll(const QPoint& windowPos)
{
    QWidget* frame = _timeline->parentWidget();
    if (!frame)
        return;
    const QPoint p = frame->mapFrom(this, windowPos);
    if (!_dropInsideTimeline)
        _dropInsideTimeline = frame->rect().contains(p);
    if (!_dropInsideTimeline) {
        _clearDropEdges();
        return;
    }
    const QRect area = _timeline->geometry();
    const int margin = TimelineMetrics::leftMargin();
    const TrackWidget* first = _timeline->firstTrackWidget();
    const int row = first ? first->height() : int(TimelineMetrics::trackHeight());
    _setDropEdge(&_autoScrollSegmentLeft, p.x() - margin - area.x() < 0,
                 &MainWindow::_autoScrollWhileDraggingSegment);
    _setDropEdge(&_autoScrollSegmentRight, p.x() > area.width() + area.x() - margin,
                 &MainWindow::_autoScrollWhileDraggingSegment);
    _setDropEdge(&_autoScrollTrackUp, area.y() + row > p.y(), &MainWindow::_autoScrollWhileDraggingTrack);
    _setDropEdge(&_autoScrollTrackDown, p.y() > area.y() + area.height() - row,
                 &MainWindow::_autoScrollWhileDraggingTrack);
}

void MainWindow::_setDropEdge(bool* flag, bool holds, void (MainWindow::*scrollStep)())
{
    // Each step schedules the next while its flag stays set.
    if (holds && !*flag)
        _runForProject(kAutoScrollStartMs, [this, scrollStep] { (this->*scrollStep)(); });
    *flag = holds;
}

void MainWindow::_clearDropEdges()
{
    _autoScrollSegmentLeft = false;
    _autoScrollSegmentRight = false;
    _autoScrollTrackUp = false;
    _autoScrollTrackDown = false;
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent*)
{
    qDebug() << "MainWindow dragLeaveEvent";
    // The drop state stays for the next entry; but a drag that left must not
    // keep the timeline scrolling or a frame showing where nothing will land.
    _endDragFeedback();
}

void MainWindow::_endDragFeedback()
{
    _clearDropEdges();
    if (!_timeline)
        return;
    for (int index = 0; index < _timeline->trackWidgetCount(); ++index)
        _timeline->trackWidgetAt(index)->removeDropIndicator();
    _timeline->setSegmentFlag(false, nullptr);
}

// ---- The drop -------------------------------------------------------------

void MainWindow::dropEvent(QDropEvent* event)
{
    qDebug() << "MainWindow dropEvent";
    if (_timeline && _timeline->editingSegmentWidget())
        _timeline->editingSegmentWidget()->setEditing(false, true);
    _pausePlayback();
    _endDragFeedback();
    // The track may have gone while a GIF downloaded (an undo rebuilds every track).
    if (!_dropTrack) {
        _abandonDrop(event);
        return;
    }
    if (isGifServiceKey(_dropItemKey) && isWebAddress(_dropPath)) {
        // The rest runs again once the GIF is on disk; the state waits for it.
        if (_mediaExplorer)
            _mediaExplorer->downloadGiphyGif(_dropItemKey, _dropPath);
        if (event)
            event->acceptProposedAction();
        return;
    }
    // A copy runs the event loop: the track may go meanwhile too.
    if (!_copyDroppedItemIntoProject() || !_dropTrack) {
        _abandonDrop(event);
        return;
    }
    _recordOperation();
    if (_dropItemKey == kSubtitleKey) {
        if (!_insertSRTSubtitles(_dropPath, _dropTrack, _dropTime))
            _projectManager->dropLastSnapshot();
    } else {
        _insertDroppedMedia();
    }
    _resetDropState();
    if (event)
        event->acceptProposedAction();
}

bool MainWindow::_copyDroppedItemIntoProject()
{
    QString pattern;
    if (_dropPath.startsWith(QLatin1Char(':')) && _dropSegmentType == QLatin1String("IMAGE"))
        pattern = QStringLiteral("libraryImage-%1.png");
    else if (_dropPath.startsWith(QLatin1Char(':')) && _dropSegmentType == QLatin1String("MUSIC"))
        pattern = QStringLiteral("librarySound-%1.mp3");
    else if (isGifServiceKey(_dropItemKey))
        pattern = QStringLiteral("libraryWebItem-%1.gif");
    if (!pattern.isEmpty()) {
        const auto nextFreePath = [this, &pattern] { return _freeNumberedPath(_projectDirectory(), pattern); };
        const QString copy = Util::copyFileAsNew(_dropPath, nextFreePath(), nextFreePath);
        if (copy.isEmpty()) {
            ProgressHUD::showMessage(tr("Copy file failed"), this, kMessageMs);
            return false;
        }
        _dropPath = copy;
    }
    // Subtitles are read, not kept: they stay where they lie.
    if (_dropItemKey == kSubtitleKey)
        return true;
    // The copy the preferences may ask for comes before room is made on the
    // track, so that a failed copy leaves the track as it was.
    const QString file = _mediaPathForProject(_dropPath);
    if (file.isNull())
        return false;
    _dropPath = file;
    return true;
}

void MainWindow::_insertDroppedMedia()
{
    // Insertion writes its own drop position.
    const float time = _dropTime;
    if (_projectManager->segmentMode() == 0)
        _openGapOnTrack(time, _draggedMediaDuration, _dropTrack->trackId(), true);
    else
        _placeSegmentOnTrack(time, _draggedMediaDuration, _dropTrack, nullptr);
    QHash<QString, QVariant> options;
    int kind = MediaInsertAny;
    if (_dropSegmentType == QLatin1String("MOVIE")) {
        kind = MediaInsertVideo;
        // Only the empty bottom track takes a movie's sound on its own.
        const bool audioOnly = _dropTrack == _newestTrack
                               && QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
        options.insert(QStringLiteral("audioOnly"), audioOnly);
        if (audioOnly)
            options.insert(QStringLiteral("title"), tr("Audio from %1").arg(QFileInfo(_dropPath).fileName()));
    } else if (_dropSegmentType == QLatin1String("IMAGE")) {
        kind = MediaInsertPicture;
        if (_dropScale != 1.0f)
            options.insert(QStringLiteral("scale"), _dropScale);
    } else if (_dropSegmentType == QLatin1String("MUSIC")) {
        kind = MediaInsertMusic;
    }
    _insertionTrack = _dropTrack;
    _insertMediaFile(_dropPath, kind, options, time, false, false);
    _seekToTime(time > 0.0f ? time + kSeekInset : time, true);
}

void MainWindow::_abandonDrop(QDropEvent* event)
{
    if (event)
        event->ignore();
    _resetDropState();
}

void MainWindow::_resetDropState()
{
    _dropTrack = nullptr;
    _dropTime = 0.0f;
    _draggedMediaDuration = 0.0f;
    _dropX = 0.0f;
    _dropItemKey.clear();
    _dropInsideTimeline = false;
}

void MainWindow::mediaExplorer_onDownloadFinished(int error, QString id, QString filePath)
{
    if (id.isEmpty() || id != _dropItemKey)
        return;
    if (error != 0) {
        _resetDropState();
        return;
    }
    _dropPath = filePath;
    dropEvent(nullptr);
}
