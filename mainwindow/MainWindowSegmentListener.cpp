// The window's answers to its segments: project facts, engine media facts,
// cached thumbnails and the constants of the timeline drawing. State and
// media calls come from the asset pool's threads, so they reach widgets only
// through the window's queued signals.
#include "MainWindow.h"

#include "AVEngine.h"
#include "AVPixelBuffer.h"
#include "EditScrollArea.h"
#include "ProgressHUD.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "VideoThumbnailsCache.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMutexLocker>

#include <utility>

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kMusic = QStringLiteral("MUSIC");
const QString kVoice = QStringLiteral("VOICE");
// The waveform is drawn for this zoom whatever the timeline's scale.
constexpr float kWaveformZoom = 4.0f;
// Movies of projects written before this format version store their
// transform the old way.
constexpr float kCurrentTransformVersion = 3.0f;
// A newly loaded segment is shown from just inside its start.
constexpr float kLoadedSeekOffset = 0.01f;
constexpr int kMessageMs = 2000;

bool isMovie(const Segment* segment)
{
    return segment->type() == kMovie;
}

QImage imageFromPixelBuffer(const AVPixelBuffer* buffer)
{
    if (!buffer || !buffer->data || buffer->format != AVPixelFormatBGRA32)
        return QImage();
    return QImage(buffer->data, int(buffer->width), int(buffer->height), int(buffer->width) * 4,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

} // namespace

void MainWindow::segmentStateChanged(Segment* segment, int state)
{
    const bool onWindowThread = QThread::currentThreadId() == _guiThreadId;
    if (state == 1 && onWindowThread) {
        _rebuildEngineSegment(segment);
        _orderNewLayer(segment);
    }
    // A loading task reports from the pool while this thread may be placing,
    // moving or replacing the segment's dictionary: the engine side is read
    // from it on this thread, once the code that made the segment has
    // returned, even when the segment has not entered the project list yet.
    QMutexLocker locker(&_stateReportsMutex);
    _stateReports.push_back({segment, segment->serialNumber(), state, state == 1 && !onWindowThread});
    if (_stateReports.size() == 1)
        _runForProject(0, [this] { _relayStateReports(); });
}

// The reports are relayed in the order they came, as many as a slice of
// time allows, and the drawing order sent once for the layers they made or
// loaded: a project of thousands of captions reports thousands at once, and
// one event each would keep the window from its own events (every event
// posted meanwhile is compared with all those waiting).
void MainWindow::_relayStateReports(qint64 sliceMs)
{
    QElapsedTimer clock;
    clock.start();
    StateReport report;
    while (clock.elapsed() < sliceMs && _takeStateReport(&report)) {
        emit segmentListener_segmentStateChanged(report.segment, report.state);
        if (report.rebuild && Segment::exists(report.segment, report.serial)) {
            _rebuildEngineSegment(report.segment);
            _drawingOrderDue = _drawingOrderDue || _isLayerInProject(report.segment);
        }
    }
    _sendDueDrawingOrder();
    QMutexLocker locker(&_stateReportsMutex);
    if (!_stateReports.empty())
        _runForProject(0, [this] { _relayStateReports(); });
}

bool MainWindow::_takeStateReport(StateReport* report)
{
    QMutexLocker locker(&_stateReportsMutex);
    if (_stateReports.empty())
        return false;
    *report = _stateReports.front();
    _stateReports.pop_front();
    return true;
}

// Replaces whatever engine side the segment had by one made from its
// dictionary as it stands.
void MainWindow::_rebuildEngineSegment(Segment* segment)
{
    if (_engine) {
        _engine->removeSegment(segment->serialNumber());
        if (segment->secondEngineId() != 0)
            _engine->removeSegment(segment->secondEngineId());
    }
    _createEngineSegment(segment);
    _pushSegmentProperties(segment);
}

void MainWindow::_orderNewLayer(const Segment* segment)
{
    // Waiting for the segment to load would leave a split's or a copy's
    // piece drawn over the later tracks while it loads. A segment not yet in
    // the project is placed once it has loaded.
    if (_isLayerInProject(segment))
        _sendDrawingOrder();
}

bool MainWindow::_isLayerInProject(const Segment* segment) const
{
    return segment->isVisualLayer() && _isInProject(segment);
}

// Only reports: the project duration is the GUI thread's, set in
// onSegmentRangeChanged, as loading tasks call this from the pool.
void MainWindow::segmentRangeChanged(Segment* segment)
{
    const float end = segment->rangeStart() + segment->duration();
    if (end > _projectManager->duration())
        emit segmentListener_segmentRangeChanged(segment, end);
}

void MainWindow::onSegmentRangeChanged(Segment*, float newDuration)
{
    if (!_projectManager || !(newDuration > _projectManager->duration()))
        return;
    _projectManager->setDuration(newDuration);
    if (_ruler)
        _ruler->setScale(_timelineScale, newDuration);
    if (_timeline)
        _timeline->relayoutTracks(_timelineScale, newDuration);
}

void MainWindow::onSegmentAudioPlotDataDidReady(Segment* segment)
{
    if (!_projectManager)
        return;
    if (auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment)))
        widget->setScale(_timelineScale, true);
}

void MainWindow::onSegmentStateChanged(Segment* segment, int newState)
{
    // The segment may have gone between the report and now.
    if (!_projectManager || !_isInProject(segment))
        return;
    if (auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment))) {
        widget->setScale(_timelineScale, true);
        // A report relayed after the segment moved on shows where it is now:
        // a text reports that it loads and that it has loaded at once.
        const int current = segment->state();
        if (current == 1 || current == 2)
            widget->showLoading();
        else
            widget->hideLoading();
    }
    if (newState != 4)
        return;
    if (_projectManager->version() < kCurrentTransformVersion && isMovie(segment))
        _syncSegmentTransform(segment);
    if (!segment->isNewlyCreated()) {
        // A segment opened or rebuilt by undo or redo got its engine layer
        // on top of all others when it loaded: it takes its place in the
        // order that the relay of this report sends once its slice is done.
        // Only near the shown time does that change the picture; while a
        // project opens most segments lie far from it.
        _drawingOrderDue = true;
        _redrawAfterOrder = _redrawAfterOrder || (_engine && _showsNearCurrentTime(segment));
        return;
    }
    // The engine side was made from the start and length the segment had
    // when its loading began; a cut or shift since then must reach it too.
    _pushSegmentTiming(segment);
    _sendDrawingOrder();
    if (_loadingCueSerials.remove(segment->serialNumber())) {
        if (_engine && _showsNearCurrentTime(segment))
            _engine->requestRedraw();
        return;
    }
    if (segment->serialNumber() == _keepPositionSerial) {
        _keepPositionSerial = 0;
        return;
    }
    _seekPreview(segment->rangeStart() + kLoadedSeekOffset, true);
    QCoreApplication::processEvents();
    _checkInsertedAudio(segment);
}

// A file inserted as music that holds no sound leaves nothing to hear: its
// insertion is undone. The check waits for the inserted music, whatever
// other segments finish loading first.
void MainWindow::_checkInsertedAudio(const Segment* segment)
{
    // The pending events may have removed the segment.
    if (!_checkAudio || !_isInProject(segment) || segment->type() != kMusic)
        return;
    _checkAudio = false;
    if (segment->duration() > 0.0f)
        return;
    ProgressHUD::showMessage(tr("No audio contained"), this, kMessageMs);
    applyHistory(true);
}

void MainWindow::_sendDueDrawingOrder()
{
    if (!std::exchange(_drawingOrderDue, false))
        return;
    _sendDrawingOrder();
    if (std::exchange(_redrawAfterOrder, false) && _engine)
        _engine->requestRedraw();
}

void MainWindow::_sendDrawingOrder()
{
    if (!_engine)
        return;
    const QVector<int> layers = _projectManager->layerSegmentIds();
    _engine->setVisibleSegments(layers.constData(), int32_t(layers.size()));
}

bool MainWindow::_showsNearCurrentTime(const Segment* segment) const
{
    const int sound = segment->secondEngineId();
    return _engine->showsNearCurrentTime(segment->serialNumber())
        || (sound != 0 && _engine->showsNearCurrentTime(sound));
}

bool MainWindow::_isInProject(const Segment* segment) const
{
    return _projectManager->contains(segment);
}

ProjectManager* MainWindow::segmentProjectManager(Segment*)
{
    return _projectManager;
}

int MainWindow::segmentProjectResolution(Segment*)
{
    return _projectManager->resolution();
}

bool MainWindow::segmentProjectIsLandscape(Segment*)
{
    return _projectManager->direction();
}

QString MainWindow::segmentProjectDirectory(Segment*)
{
    return ProjectManager::projectDirectory(_projectManager->projectName(), _projectManager->projectFolder());
}

QString MainWindow::segmentLoadErrorText(Segment*)
{
    return tr("Load Error");
}

QString MainWindow::segmentFileNotFoundText(Segment*)
{
    return tr("File Not Found");
}

float MainWindow::segmentMessageMargin(Segment*)
{
    return 5.0f;
}

QRgb MainWindow::segmentMessageBackgroundColor(Segment*)
{
    return 0xFFFFFF00;
}

QRgb MainWindow::segmentMessageTextColor(Segment*)
{
    return 0xFF000000;
}

float MainWindow::segmentMessageFontPixelSize(Segment*)
{
    return 12.0f;
}

float MainWindow::segmentLabelMargin(Segment*)
{
    return 5.0f;
}

QRgb MainWindow::segmentLabelBackgroundColor(Segment*)
{
    return 0xFFE6E6E6;
}

QRgb MainWindow::segmentLabelTextColor(Segment*)
{
    return 0xFF000000;
}

float MainWindow::segmentLabelTextOffset(Segment*)
{
    return 0.5f;
}

float MainWindow::segmentLabelFontPixelSize(Segment*)
{
    return 12.0f;
}

// The placeholders read the same in every language.
QString MainWindow::segmentMusicPlaceholderText(Segment*)
{
    return QStringLiteral("<Music>");
}

QString MainWindow::segmentEmptyTextPlaceholder(Segment*)
{
    return QStringLiteral("<No text>");
}

QRgb MainWindow::segmentAccentColor(Segment*)
{
    return 0xFF0000FF;
}

int MainWindow::segmentEngineVideoThumbnailCount(Segment* segment)
{
    return _engine && isMovie(segment) ? _engine->videoThumbnailCount(segment->serialNumber()) : 0;
}

QImage MainWindow::segmentEngineVideoThumbnail(Segment* segment, int index)
{
    if (!_engine || !isMovie(segment))
        return QImage();
    return imageFromPixelBuffer(_engine->videoThumbnail(segment->serialNumber(), index).get());
}

void MainWindow::segmentFlushVideoFrames(Segment* segment)
{
    if (_engine)
        _engine->flushVideoFrames(segment->serialNumber());
}

float MainWindow::segmentVideoMediaDuration(Segment* segment)
{
    return _engine && isMovie(segment) ? _engine->videoMediaDuration(segment->serialNumber()) : 0.0f;
}

float MainWindow::segmentMediaDuration(Segment* segment)
{
    const QString type = segment->type();
    if (!_engine || (type != kMovie && type != kMusic && type != kVoice))
        return 0.0f;
    // A movie's sound is an engine segment of its own, under its second id.
    return _engine->mediaDuration(type == kMovie ? segment->secondEngineId() : segment->serialNumber());
}

QSizeF MainWindow::segmentVideoSize(Segment* segment)
{
    int32_t width = 0;
    int32_t height = 0;
    if (!_engine || !isMovie(segment) || !_engine->videoSize(segment->serialNumber(), &width, &height))
        return QSizeF();
    return QSizeF(width, height);
}

QString MainWindow::segmentAudioTitle(Segment* segment)
{
    if (!_engine || segment->type() != kMusic)
        return QString();
    return QString::fromUtf8(_engine->audioTitle(segment->serialNumber()));
}

QString MainWindow::segmentAudioArtist(Segment* segment)
{
    if (!_engine || segment->type() != kMusic)
        return QString();
    return QString::fromUtf8(_engine->audioArtist(segment->serialNumber()));
}

void MainWindow::segmentSetVideoThumbnail(Segment* segment, int index, const QImage& picture)
{
    if (isMovie(segment))
        _thumbnailsCache->setThumbnail(segment->absoluteFilePath(), picture, index);
}

QPixmap MainWindow::segmentVideoThumbnail(Segment* segment, int index)
{
    if (!isMovie(segment))
        return QPixmap();
    return QPixmap::fromImage(_thumbnailsCache->thumbnail(segment->absoluteFilePath(), index));
}

VideoThumbnails* MainWindow::segmentVideoThumbnails(Segment* segment)
{
    return isMovie(segment) ? _thumbnailsCache->thumbnails(segment->absoluteFilePath()) : nullptr;
}

int MainWindow::segmentVideoThumbnailCount(Segment* segment)
{
    return isMovie(segment) ? _thumbnailsCache->thumbnailCount(segment->absoluteFilePath()) : 0;
}

float MainWindow::segmentDevicePixelRatio(Segment*)
{
    return _devicePixelRatio.load();
}

float MainWindow::segmentTimeToPixels(Segment*, float time)
{
    return TimelineMetrics::timeToPixels(time, kWaveformZoom);
}

void MainWindow::segmentAudioPlotDataDidReady(Segment* segment)
{
    emit segmentListener_segmentAudioPlotDataDidReady(segment);
}

// The files the saved project names, those the project in the window
// names (the files on disk may have been replaced meanwhile), and those the
// segments resolve to, so that two segments sharing one file are found
// whatever name each stored. None when what the project names cannot be
// told, also when the files on disk were replaced by ones this version
// refuses: what those name is not read.
std::optional<QSet<QString>> MainWindow::_usedFilePaths() const
{
    if (ProjectLoader::refusal(_projectName, _folderName) != 0)
        return std::nullopt;
    // A record of a type this version does not build still names its file.
    QByteArray saved;
    std::optional<QSet<QString>> paths =
        ProjectManager::recordedFilePaths(_projectName, _folderName, _projectManager->holdsRecords(), &saved);
    const std::optional<QSet<QString>> held = _projectManager->heldFilePaths(_projectName, _folderName, saved);
    if (!paths || !held)
        return std::nullopt;
    paths->unite(*held);
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        const QString file = _projectManager->segmentAt(index)->absoluteFilePath();
        if (!file.isEmpty())
            paths->insert(QDir::cleanPath(file));
    }
    return paths;
}
