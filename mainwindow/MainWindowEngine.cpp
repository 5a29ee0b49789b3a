// Engine call-backs turned into relay signals, and the engine side of the
// model's segments.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVExporter.h"
#include "AVPixelBuffer.h"
#include "AVRender.h"
#include "AVSegment.h"
#include "AVSegmentHold.h"
#include "AVVideoSegment.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "ProjectManager.h"
#include "SegmentKeys.h"
#include "SoundSegment.h"
#include "TransformWidget.h"
#include "UserSettings.h"
#include "Util.h"
#include "VideoThumbnailsCache.h"

#include <QDebug>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

// The renderer answers a snapshot with its next frame; a paused or stalled
// one must not hold the interface longer than this.
constexpr int kGrabTimeoutMs = 3000;
// A load the engine gave up on its own, not a failed decoder.
constexpr int kStatusCancelled = -2;

// The engine plays media seconds: the stored trims, not the timeline
// seconds the trim accessors give at a speed other than 1.
float storedTrimStart(const Segment* segment)
{
    return Segment::floatAttribute(segment->attributes(), SegmentKey::TrimStart, 0.0f);
}

float storedTrimDuration(const Segment* segment)
{
    return Segment::floatAttribute(segment->attributes(), SegmentKey::TrimDuration, 0.0f);
}

// What a load report may change of a record once the media's length is known.
std::pair<float, float> storedTiming(const Segment* segment)
{
    return {Segment::floatAttribute(segment->attributes(), SegmentKey::RangeDuration, 0.0f),
            storedTrimDuration(segment)};
}

} // namespace

void MainWindow::AVSegmentLoadStatusCallback(AVComposition*, AVSegment* segment, void* context)
{
    const int status = segment->status();
    if (status != 0)
        qDebug().noquote() << QStringLiteral("Segment (id=%1) load error = %2").arg(segment->id()).arg(status);
    emit static_cast<MainWindow*>(context)->avsegmentLoadStatusUpdated(int(segment->id()), status, 0,
                                                                        segment->decodesInHardware() ? 1 : 0);
}

void MainWindow::AVSegmentThumbnailStatusCallback(int32_t segmentId, void* context)
{
    emit static_cast<MainWindow*>(context)->avsegmentLoadStatusUpdated(segmentId, 0, 1, 0);
}

void MainWindow::AVRenderCallback(AVRender* render, int kind, double value, void* context)
{
    auto* window = static_cast<MainWindow*>(context);
    switch (kind) {
    case AVRender::StateStopped:
    case AVRender::StateStarted:
        emit window->avrenderStatusChanged(kind);
        break;
    case AVRender::StateFrameDrawn: {
        AVComposition* composition = render->composition();
        const double total = composition ? composition->duration() : -1.0;
        if (total >= 0.0) {
            emit window->avrenderProgressChanged(value, total);
            emit window->offscreenReady();
        }
        break;
    }
    case AVRender::StateEnded:
        qDebug() << "reach end";
        emit window->avrenderStatusChanged(AVRender::StateEnded);
        break;
    default:
        break;
    }
}

void MainWindow::AVExporterCallback(AVExporter*, int32_t kind, double value, void* context)
{
    auto* window = static_cast<MainWindow*>(context);
    switch (kind) {
    case AVExporter_Msg_Progress:
        emit window->avexporterProgressChanged(float(value));
        break;
    case AVExporter_Msg_Finished:
        qDebug().noquote().nospace() << "AVExporter_Msg_Finished: " << value;
        emit window->avexporterFinished(int(value));
        break;
    case AVExporter_Msg_RemainingTime:
        emit window->avexporterRemainingTimeChanged(value);
        break;
    default:
        break;
    }
}

void MainWindow::AVSegmentGrabImageCallback(AVComposition*, AVSegment* segment, uint8_t* pixels, int32_t stride,
                                            int32_t height, void* context)
{
    emit static_cast<MainWindow*>(context)->avcompositionSegmentGrabImageCompleted(
        segment ? int(segment->id()) : 0, pixels, stride, height);
}

void MainWindow::_createEngineSegment(Segment* segment)
{
    if (!_engine)
        return;
    const int32_t id = segment->serialNumber();
    const QByteArray path = segment->absoluteFilePath().toUtf8();
    const float start = segment->rangeStart();
    const float duration = segment->duration();
    const QString type = segment->type();
    if (type == QLatin1String("MOVIE")) {
        auto* movie = static_cast<MovieSegment*>(segment);
        _createEngineVideo(movie, !UserSettings::instance()->hardwareCodec());
        const int32_t soundId = movie->secondEngineId();
        _engine->createAudioSegment(soundId, path.constData(), start, storedTrimStart(movie), storedTrimDuration(movie));
        _engine->setSegmentDuration(soundId, duration);
    } else if (type == QLatin1String("IMAGE")) {
        const bool animated = static_cast<ImageSegment*>(segment)->loadGifFrames();
        _engine->createImageSegment(id, path.constData(), animated, start, duration);
    } else if (type == QLatin1String("DRAWING")) {
        _engine->createImageSegment(id, path.constData(), false, start, duration);
    } else if (type == QLatin1String("MUSIC") || type == QLatin1String("VOICE")) {
        auto* sound = static_cast<SoundSegment*>(segment);
        _engine->createAudioSegment(id, path.constData(), start, sound->storedTrimStart(), sound->storedTrimDuration());
        _engine->setSegmentDuration(id, duration);
    } else if (type == QLatin1String("TEXT")) {
        _engine->createTextSegment(id, segment->text().toUtf8().constData(), start, duration);
    }
}

// The picture stream of a movie; its sound under the second id is apart.
void MainWindow::_createEngineVideo(MovieSegment* movie, bool softwareOnly)
{
    const QString path = movie->absoluteFilePath();
    const bool cached = _thumbnailsCache->hasThumbnails(path);
    const int thumbnailHeight = cached ? 0 : int(Segment::trackHeight() * segmentDevicePixelRatio(movie));
    const int32_t id = movie->serialNumber();
    _engine->createVideoSegment(id, path.toUtf8().constData(), movie->rangeStart(), storedTrimStart(movie),
                                storedTrimDuration(movie), thumbnailHeight, softwareOnly ? 1 : 0);
    _engine->setSegmentDuration(id, movie->duration());
}

void MainWindow::_rebuildVideoInSoftware(MovieSegment* movie)
{
    _engine->removeSegment(movie->serialNumber());
    qDebug().noquote() << "Hardware codec opening error (" + movie->absoluteFilePath() + ")";
    _createEngineVideo(movie, true);
    _pushSegmentProperties(movie);
    _orderNewLayer(movie);
}

void MainWindow::onAVRenderProgressChanged(double time, double total)
{
    // A picture drawn at the end, as the settle there draws one, leaves the end reached.
    if (time < total)
        _reachedEnd = false;
    if (!_playing)
        return;
    _showPlayTime(float(time));
    // The handles would stand still over the moving picture.
    if (_transformWidget) {
        _fadeWidget();
        _updateEditingWidgetsAtPointer();
    }
}

void MainWindow::_showPlayTime(float time)
{
    _scrollToTime(time, false);
    _updateFullscreenPosition(time);
}

void MainWindow::onAVRenderStatusChanged(int status)
{
    if (status == AVRender::StateEnded) {
        _reachedEnd = true;
        return;
    }
    if (status != AVRender::StateStopped && status != AVRender::StateStarted)
        return;
    const bool playing = status == AVRender::StateStarted;
    _reachedEnd = false;
    if (playing == _playing)
        return;
    if (!playing)
        _showWherePlaybackStopped();
    _playing = playing;
    _updatePlayPauseButton();
    if (playing)
        _hideMediaPreview();
    else
        _settlePreviewAtPlayHead();
}

void MainWindow::_showWherePlaybackStopped()
{
    // The report of the last pass played can come after the stop, which
    // drops it: the play-head would stay where the pass before left it,
    // behind the picture and behind the time the next play starts from.
    // Called while still playing, so that the scroll seeks nothing. A scroll
    // under way (a jump's) goes where the render was sought anyway. The
    // play-head takes the render's very time, not the next whole pixel: a
    // zoom, which seeks the preview to the play-head's time, keeps the picture.
    if (!_render || _scrollAnimating)
        return;
    const float time = float(_render->currentTime());
    _placePlayHeadAt(time);
    _updateFullscreenPosition(time);
}

void MainWindow::_settlePreviewAtPlayHead()
{
    // A decoder that fell behind while playing leaves an older picture on
    // the preview, and a paused preview draws nothing further: a seek to the
    // play-head's time brings its picture, as a click there would. A picture
    // that kept up stays as it is. A seek made while the pause took effect
    // has its picture on the way. An export holds the composition (the
    // driver is detached from it meanwhile); playing again by now, the
    // picture follows the clock anyway. At the end the pictures are those
    // drawn just before it, and the seek stays at the end.
    AVComposition* composition = _render ? _render->composition() : nullptr;
    if (!composition || _exporter || !_projectManager || _render->isPlaying())
        return;
    if (_moviePictureLagsAt(composition, _render->drawTime()))
        _render->seek(_render->currentTime(), true);
}

bool MainWindow::_moviePictureLagsAt(AVComposition* composition, double time) const
{
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        const uint32_t id = uint32_t(_projectManager->segmentAt(index)->serialNumber());
        // Held: the drawing pass may free a removed segment meanwhile.
        const AVSegmentHold held = composition->holdSegment(id);
        const auto* video = held.as<AVVideoSegment>();
        if (video && video->showsOlderFrameThan(time))
            return true;
    }
    return false;
}

void MainWindow::onAVSegmentLoadStatusUpdated(int segId, int status, int loadingThumbnailStatus, int hardOrSoftVideo)
{
    if (!_projectManager || !_engine)
        return;
    Segment* segment = _projectManager->segmentAt(_projectManager->indexOfSegmentId(segId));
    if (!segment)
        return;
    auto* movie = dynamic_cast<MovieSegment*>(segment);
    if (movie && status != 0 && status != kStatusCancelled && hardOrSoftVideo == 1 && segId == movie->serialNumber()) {
        _rebuildVideoInSoftware(movie);
        return;
    }
    if (segment->state() != 1 && segment->state() != 2)
        return;
    const std::pair<float, float> timing = storedTiming(segment);
    segment->onEngineLoadStatus(segId, status != 0, loadingThumbnailStatus);
    // An opened record fitted to its media now plays, and the project lasts,
    // what its tile shows; a new segment gets its timing once it has loaded.
    if (!segment->isNewlyCreated() && storedTiming(segment) != timing) {
        _pushSegmentTiming(segment);
        _updateProjectDuration();
    }
}

AVPixelBuffer* MainWindow::_grabSegmentImage(Segment* segment)
{
    if (!_composition || !_engine || _grabLoop)
        return nullptr;
    QEventLoop loop;
    QPointer<MainWindow> window(this);
    _grabLoop = &loop;
    _grabSegmentId = segment->serialNumber();
    _grabResult = nullptr;
    QTimer::singleShot(kGrabTimeoutMs, &loop, &QEventLoop::quit);
    _composition->requestSegmentSnapshot(uint32_t(_grabSegmentId), &MainWindow::AVSegmentGrabImageCallback, this);
    _engine->requestRedraw();
    loop.exec();
    // The window may have been closed and deleted while the loop ran.
    if (!window)
        return nullptr;
    _grabLoop = nullptr;
    _grabSegmentId = 0;
    return std::exchange(_grabResult, nullptr);
}

void MainWindow::_onSegmentGrabImageCompleted(int segId, unsigned char* imgData, int stride, int height)
{
    // A refusal for an unknown segment carries no id.
    const bool awaited = _grabLoop && !_grabResult && (segId == _grabSegmentId || (!imgData && segId == 0));
    if (!awaited) {
        std::free(imgData);
        return;
    }
    _grabResult = imgData ? avPixelBufferWrap(imgData, uint32_t(stride / 4), uint32_t(height), AVPixelFormatBGRA32)
                          : nullptr;
    _grabLoop->quit();
}

QThread* MainWindow::_probeDraggedGifDuration(const QString& path)
{
    return _startDurationProbe([path] {
        const auto duration = float(Util::animatedImageDuration(path));
        qDebug().nospace() << "Dragging GIF file duration " << duration;
        return duration;
    });
}

QThread* MainWindow::_probeDraggedMediaDuration(const QString& path)
{
    return _startDurationProbe([path] {
        QString videoText;
        QString audioText;
        double seconds = 0.0;
        Util::mediaStreamDescription(path, videoText, audioText, seconds);
        qDebug().nospace() << "Dragging media file duration " << seconds;
        return float(seconds);
    });
}

QThread* MainWindow::_startDurationProbe(std::function<float()> probe)
{
    // The probe only writes its own result; the window reads it when the
    // thread's end reaches the GUI thread, and with the window as the
    // connection's context a probe outliving the window delivers nothing.
    // A probe of an earlier drag ends into a later one: its result is dropped.
    auto result = std::make_shared<float>(0.0f);
    QThread* thread = QThread::create([probe = std::move(probe), result] { *result = probe(); });
    const int generation = _dragGeneration;
    connect(
        thread, &QThread::finished, this,
        [this, result, generation] {
            if (generation == _dragGeneration)
                _draggedMediaDuration = *result;
        },
        Qt::QueuedConnection);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return thread;
}
