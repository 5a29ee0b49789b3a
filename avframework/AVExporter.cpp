// The exporter's record and its thread: set-up of the drawing context, the
// loop that interleaves video and audio, the reports and the tear-down.
// Encoder set-up, the video path and the audio path have files of their own.

#include "AVExporter.h"

#include "AVClock.h"
#include "AVComposition.h"
#include "AVGLRenderer.h"
#include "AVImageLoader.h"
#include "AVThread_QThread_Type.h"

#include <QMutex>
#include <QWaitCondition>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr uint32_t kVideoBitRates[] = {1000000, 5000000, 10000000, 15000000, 20000000, 30000000};
constexpr double kRemainingTimeDelay = 3.0;
constexpr double kRemainingTimeInterval = 1.0;
constexpr int32_t kMaxPlainFrameRate = 30;
constexpr double kFirstFrameSettle = 0.1;
constexpr double kReadyPoll = 0.01;
// A layer that never becomes ready must not hold the export for ever:
// after this long it is drawn with what it has.
constexpr double kReadyTimeout = 10.0;

// The export context could not be made or gave no renderer.
constexpr int kNoDrawingContext = -20;
// Draining the audio encoder, the trailer, closing or renaming the file failed.
constexpr int kFinishFailed = -19;

// A chooser that names one taken name after another cannot hold the export for ever.
constexpr int kMaxNameAttempts = 1000;

// A cancelled export ends within a frame; one still drawing after this long
// at its destruction has hung.
constexpr unsigned long kDestroyWaitMs = 60000;

void noNotification(AVComposition*, AVSegment*, void*) {}

// Whether a write or a rename failed because the folder or the file takes
// no more writes: read-only, locked, or no longer the user's to change.
bool refusesWrites(int error)
{
    return error == EPERM || error == EACCES || error == EROFS;
}

} // namespace

uint32_t AVExporter::videoBitRateForLevel(int level, uint32_t frameRate)
{
    const uint32_t rate = kVideoBitRates[std::clamp(level, 0, 5)];
    return frameRate > uint32_t(kMaxPlainFrameRate) ? (rate * 3) >> 1 : rate;
}

uint32_t AVExporter::audioBitRateForLevel(int level)
{
    return level <= 0 ? 64000 : level == 1 ? 128000 : 256000;
}

AVExportCodec AVExporter::codecForName(const std::string& name)
{
    if (name == "hevc")
        return AVExportCodecHEVC;
    if (name == "prores")
        return AVExportCodecProRes;
    if (name == "vp9")
        return AVExportCodecVP9;
    return AVExportCodecH264;
}

AVExporter::AVExporter(uint32_t width, uint32_t height, uint32_t videoBitRate, uint32_t frameRate,
                       AVExportCodec codec, bool alpha, uint32_t sampleRate, uint32_t channels,
                       uint32_t audioBitRate, std::string path, AVGLRenderer* renderer, bool softwareOnly)
    : _width(width),
      _height(height),
      _videoBitRate(videoBitRate),
      _frameRate(std::max<uint32_t>(1, frameRate)),
      _codec(codec),
      _sampleRate(sampleRate),
      _channels(channels),
      _audioBitRate(audioBitRate),
      _path(std::move(path)),
      _alpha(alpha),
      _softwareOnly(softwareOnly),
      _renderer(renderer),
      _callbackMutex(avMutexCreate()),
      _muxerMutex(avMutexCreate()),
      _encodingMutex(avMutexCreate()),
      _encodingChanged(avConditionCreate())
{
    _drawingContexts.exporter = &_glSlot;
}

AVExporter::~AVExporter()
{
    if (!stop(kDestroyWaitMs)) {
        std::fprintf(stderr, "The export thread did not end within %lu ms of its cancel\n", kDestroyWaitMs);
        std::abort();
    }
    // Ended: deleting a thread that still ran would stop the program.
    delete _thread;
    avGLContextRelease(&_glSlot);
}

bool AVExporter::stop(unsigned long timeoutMs)
{
    cancel();
    return !_thread || _thread->wait(timeoutMs);
}

void AVExporter::attachToComposition(AVComposition* composition)
{
    if (_running)
        return;
    if (_composition)
        _composition->removeObserver(&noNotification);
    _composition = composition;
    // The exporter pulls every frame itself: it needs no notification, only
    // its place among the observers.
    if (_composition)
        _composition->addObserver(&noNotification, this);
}

void AVExporter::detachFromComposition()
{
    attachToComposition(nullptr);
}

void AVExporter::setProgressCallback(AVExporterCallback callback, void* context)
{
    QMutexLocker lock(_callbackMutex.get());
    _callback = callback;
    _callbackContext = context;
}

void AVExporter::start()
{
    if (!_composition || _thread)
        return;
    // A cancel that came before is kept: the thread then ends at once.
    _thread = avThreadCreate(&AVExporter::_threadMain, this);
    // Without a context the body reports the failure from the thread, as
    // every other end of an export is reported.
    avGLCreateOffscreenContext(&_glSlot, _thread);
    // Set here rather than by the thread, so that the composition cannot be
    // changed between this call and the thread's first step.
    _running = true;
    avThreadStart(_thread);
}

int AVExporter::_threadMain(AVThread_QThread_Type*, void* exporter)
{
    auto* self = static_cast<AVExporter*>(exporter);
    const int result = self->_run();
    self->_report(AVExporter_Msg_Finished, std::min(result, 0));
    return 0;
}

int AVExporter::_run()
{
    const double startTime = avCurrentTimeSeconds();
    _readyWaitExpired = false;
    _drawnAhead = false;
    _ranOutOfDisk = false;
    _refusedWriting = false;
    _movieIdentity = AVFileIdentity();
    int result = kNoDrawingContext;
    if (_setUpDrawing()) {
        if (_imageLoader)
            _imageLoader->setPaused(true);
        if (_frameRate > uint32_t(kMaxPlainFrameRate))
            _composition->setMinimumFrameRate(int32_t(_frameRate));
        _composition->seek(0.0, true);
        if (avGLBeginDrawing(&_drawingContexts)) {
            _composition->renderAt(0.0, 0, 0, AVComposition::kRenderAudio | AVComposition::kRenderVideo, 1);
            avGLEndDrawing();
        }
        avThreadSleep(kFirstFrameSettle);
        _waitUntilReady(0.0);
        {
            Output output;
            result = _cancelled ? -1 : _openOutput(&output);
            if (result == 0)
                result = _encodeAll(&output, startTime);
            if (result == 0)
                result = _finishFile(&output);
        }
        if (_frameRate > uint32_t(kMaxPlainFrameRate))
            _composition->setMinimumFrameRate(kMaxPlainFrameRate);
        if (_imageLoader)
            _imageLoader->setPaused(false);
    }
    _tearDownDrawing();
    // Over, and done with the composition: a caller that sees it may detach
    // or free it; cancel() has nothing left to stop.
    _cancelled = true;
    _running = false;
    return result;
}

bool AVExporter::_setUpDrawing()
{
    _renderer = avGLSetUpDrawing(&_glSlot, nullptr);
    if (!_renderer) {
        std::fprintf(stderr, "Could not set up the export drawing context\n");
        return false;
    }
    _composition->setRenderer(_renderer);
    return true;
}

void AVExporter::_tearDownDrawing()
{
    auto release = [](void* exporter) {
        auto* self = static_cast<AVExporter*>(exporter);
        self->_readback.free();
        self->_composition->releaseGLResources();
    };
    if (_renderer)
        avGLTearDownDrawing(&_glSlot, &_renderer, release, this);
    _composition->setRenderer(nullptr);
    avGLContextRelease(&_glSlot);
}

void AVExporter::_waitUntilReady(double time)
{
    const double deadline = avCurrentTimeSeconds() + kReadyTimeout;
    while (!_cancelled && !_composition->areLayersReadyAt(time)) {
        // Once a layer has kept the export waiting that long, it is not
        // waited for again until the layers have been ready once more:
        // otherwise every frame would wait the full time.
        if (_readyWaitExpired)
            return;
        if (avCurrentTimeSeconds() > deadline) {
            std::fprintf(stderr, "Layers not ready at %.3f s after %.0f s; drawing what they hold\n", time,
                         kReadyTimeout);
            _readyWaitExpired = true;
            return;
        }
        avThreadSleep(kReadyPoll);
    }
    _readyWaitExpired = false;
}

int AVExporter::_encodeAll(Output* output, double startTime)
{
    bool encodeVideo = output->hasVideo;
    bool encodeAudio = output->hasAudio;
    double lastReportTime = startTime;
    double lastProgress = 0.0;
    // Ends the encoding thread on every way out of the loop.
    VideoEncoding encoding(this, output);
    while (encodeVideo || encodeAudio) {
        if (_cancelled)
            return -1;
        const bool videoNext = encodeVideo
            && (!encodeAudio
                || av_compare_ts(output->video.nextPts, output->video.encoder->time_base, output->audio.nextPts,
                                 output->audio.encoder->time_base) <= 0);
        const int result = videoNext ? _writeVideoFrame(&encoding) : _writeAudioFrames(output);
        if (result < 0)
            return result;
        (videoNext ? encodeVideo : encodeAudio) = result == 0;
        double time = 0.0;
        if (_callback) {
            time = _exportedTime(*output);
            _reportProgress(time, startTime, &lastReportTime, &lastProgress);
        }
        _waitUntilReady(time);
    }
    return 0;
}

double AVExporter::_exportedTime(const Output& output) const
{
    double video = output.hasVideo ? output.video.nextPts * av_q2d(output.video.encoder->time_base) : 0.0;
    const double audio = output.hasAudio ? output.audio.nextPts * av_q2d(output.audio.encoder->time_base) : video;
    if (video == 0.0)
        video = audio;
    return (audio + video) * 0.5;
}

void AVExporter::_reportProgress(double time, double startTime, double* lastReportTime, double* lastProgress)
{
    // An empty composition is done as soon as it starts.
    const double duration = _composition->duration();
    const double progress = duration > 0.0 ? std::min(1.0, time / duration) : 1.0;
    _report(AVExporter_Msg_Progress, progress);
    const double now = avCurrentTimeSeconds();
    const double elapsed = now - startTime;
    if (elapsed > kRemainingTimeDelay && now - *lastReportTime >= kRemainingTimeInterval
        && progress > *lastProgress) {
        _report(AVExporter_Msg_RemainingTime, std::max(0.0, elapsed / progress - elapsed));
        *lastReportTime = now;
        *lastProgress = progress;
    }
}

void AVExporter::_report(int32_t message, double value)
{
    QMutexLocker lock(_callbackMutex.get());
    if (_callback)
        _callback(this, message, value, _callbackContext);
}

int AVExporter::_finishFile(Output* output)
{
    int result = output->hasAudio ? _drainAudio(output) : 0;
    int error = av_write_trailer(output->context);
    if (error < 0) {
        std::fprintf(stderr, "Error writing the trailer: %s\n", avErrorText(error).c_str());
        _noteWriteError(error, output->context);
        result = kFinishFailed;
    }
    if (!output->file.writer())
        return result;
    error = output->file.close();
    if (error < 0) {
        _noteWriteError(error, nullptr);
        std::fprintf(stderr, "Error closing '%s': %s\n", output->file.path().c_str(), avErrorText(error).c_str());
        result = kFinishFailed;
    }
    if (result != 0)
        return result;
    // Whatever now holds the unfinished name was not written here: it is
    // neither named as the movie nor removed.
    if (!output->file.isStillOwn()) {
        std::fprintf(stderr, "The unfinished movie '%s' was moved or replaced while it was written\n",
                     output->file.path().c_str());
        return AVExporterResultUnfinishedFileReplaced;
    }
    return _nameMovie(&output->file);
}

void AVExporter::_noteWriteError(int error, const AVFormatContext* context)
{
    // The muxer may hand on the error of another step than the write the
    // disk refused; the file's own record keeps that one.
    const int written = context && context->pb && context->pb->error < 0 ? context->pb->error : error;
    for (const int code : {error, written}) {
        if (code == AVERROR(ENOSPC) || code == AVERROR(EDQUOT))
            _ranOutOfDisk = true;
        if (refusesWrites(AVUNERROR(code)))
            _refusedWriting = true;
    }
}

int AVExporter::_nameMovie(AVPartialFile* file)
{
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const int error = file->moveTo(_path);
        if (error == 0) {
            _movieIdentity = file->movieIdentity();
            return 0;
        }
        std::fprintf(stderr, "Could not name the movie '%s': %s\n", _path.c_str(), std::strerror(error));
        if (refusesWrites(error))
            _refusedWriting = true;
        if (error != EEXIST)
            return kFinishFailed;
        const std::string next = _freeNameChooser ? _freeNameChooser() : std::string();
        if (next.empty())
            return AVExporterResultMovieNameTaken;
        _path = next;
    }
    return AVExporterResultMovieNameTaken;
}
