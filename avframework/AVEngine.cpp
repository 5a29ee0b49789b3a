#include "AVEngine.h"

#include "AVAnimatableImageSegment.h"
#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVImageSegment.h"
#include "AVRegularFile.h"
#include "AVRender.h"
#include "AVTextSegment.h"
#include "AVVideoSegment.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace {

std::atomic<uint8_t> g_codecFlag{0};
std::atomic<AVEngine*> g_currentEngine{nullptr};

uint32_t canvasSide(int32_t side)
{
    return uint32_t(std::max(0, side));
}

// The path a segment loads its media from. A named pipe in a media file's
// place would hold the loading thread until a writer came, and the load
// would never report: what is no regular file loads as no file, and fails.
const char* loadablePath(const char* path)
{
    return path && avIsRegularFile(QString::fromUtf8(path)) ? path : "";
}

} // namespace

AVEngine::AVEngine(AVComposition* composition, AVImageLoader* imageLoader, AVRender* renderer)
    : _composition(composition), _imageLoader(imageLoader), _renderer(renderer)
{
}

void AVEngine::setEventCallback(EventCallback callback, void* context)
{
    _eventContext = context;
    _eventCallback = callback;
}

void AVEngine::setCurrentEngine(AVEngine* engine)
{
    g_currentEngine = engine;
}

AVEngine* AVEngine::currentEngine()
{
    return g_currentEngine.load();
}

uint8_t AVEngine::codecFlag()
{
    return g_codecFlag.load();
}

void AVEngine::setCodecFlag(uint8_t flag)
{
    g_codecFlag.store(flag);
}

// ---- segments ---------------------------------------------------------------------

AVSegmentHold AVEngine::_find(int32_t id) const
{
    return _composition->holdSegment(uint32_t(id));
}

int32_t AVEngine::_add(AVSegment* segment, int32_t id)
{
    _composition->addSegment(segment, uint32_t(id));
    return id;
}

int32_t AVEngine::createAudioSegment(int32_t id, const char* path, float start, float inPoint, float length)
{
    path = loadablePath(path);
    if (length == 0.0f)
        return _add(new AVAudioSegment(start, path, kSampleRate, kChannelCount), id);
    return _add(new AVAudioSegment(start, inPoint, length, path, kSampleRate, kChannelCount), id);
}

int32_t AVEngine::createVideoSegment(int32_t id, const char* path, float start, float inPoint, float length,
                                     int32_t thumbnailHeight, uint8_t softwareOnly)
{
    path = loadablePath(path);
    const uint32_t width = canvasSide(_composition->width());
    const uint32_t height = canvasSide(_composition->height());
    const uint32_t thumbnails = canvasSide(thumbnailHeight);
    auto* video = length == 0.0f ? new AVVideoSegment(start, path, width, height, thumbnails)
                                 : new AVVideoSegment(start, inPoint, length, path, width, height, thumbnails);
    // Both before the composition starts the loading.
    video->setThumbnailCallback(&AVEngine::onVideoSegmentLoaded, this);
    video->setSoftwareOnly(softwareOnly != 0);
    return _add(video, id);
}

int32_t AVEngine::createImageSegment(int32_t id, const char* path, bool animated, float start, float duration)
{
    path = loadablePath(path);
    const uint32_t width = canvasSide(_composition->width());
    const uint32_t height = canvasSide(_composition->height());
    if (animated)
        return _add(new AVAnimatableImageSegment(start, duration, path, width, height), id);
    return _add(new AVImageSegment(_imageLoader, start, duration, path, width, height), id);
}

int32_t AVEngine::createTextSegment(int32_t id, const char* text, float start, float duration)
{
    const uint32_t width = canvasSide(_composition->width());
    const uint32_t height = canvasSide(_composition->height());
    return _add(new AVTextSegment(start, duration, text, width, height / 2, width, height), id);
}

int AVEngine::onVideoSegmentLoaded(AVSegment* segment, intptr_t, void* engine)
{
    auto* self = static_cast<AVEngine*>(engine);
    if (EventCallback callback = self->_eventCallback.load())
        callback(int32_t(segment->id()), self->_eventContext.load());
    return 0;
}

int AVEngine::removeSegment(int32_t id)
{
    return _composition->removeSegment(uint32_t(id));
}

// ---- timing -----------------------------------------------------------------------

void AVEngine::setSegmentStartTime(int32_t id, float seconds)
{
    if (const AVSegmentHold segment = _find(id))
        segment->setStartTime(seconds);
}

void AVEngine::setSegmentDuration(int32_t id, float seconds)
{
    if (const AVSegmentHold segment = _find(id))
        segment->setDuration(seconds);
}

void AVEngine::setSegmentTrimDuration(int32_t id, float seconds)
{
    const AVSegmentHold segment = _find(id);
    if (auto* video = segment.as<AVVideoSegment>())
        video->setTrimDuration(seconds);
    else if (auto* audio = segment.as<AVAudioSegment>())
        audio->setTrimDuration(seconds);
}

void AVEngine::setSegmentTrimStart(int32_t id, float seconds)
{
    const AVSegmentHold segment = _find(id);
    if (auto* video = segment.as<AVVideoSegment>())
        video->setTrimStart(seconds);
    else if (auto* audio = segment.as<AVAudioSegment>())
        audio->setTrimStart(seconds);
}

void AVEngine::refreshDuration()
{
    _composition->refreshDuration();
}

// ---- animation groups --------------------------------------------------------------

int AVEngine::easingType(int32_t easingCode)
{
    // Indexed by code - 1. Code 4 has no curve of its own: like every code
    // not listed it takes the default.
    static const int kTypes[] = {AVEasingLinear,      AVEasingCubicIn,      AVEasingCubicOut,
                                 AVEasingSmoothstep,  AVEasingCircularIn,   AVEasingCircularOut,
                                 AVEasingCircularInOut, AVEasingBackIn,     AVEasingBackOut,
                                 AVEasingBackInOut,   AVEasingElasticIn,    AVEasingElasticOut,
                                 AVEasingElasticInOut, AVEasingBounceIn,    AVEasingBounceOut,
                                 AVEasingBounceInOut};
    if (easingCode < 1 || easingCode > int32_t(std::size(kTypes)))
        return AVEasingSmoothstep;
    return kTypes[easingCode - 1];
}

void AVEngine::addAnimation(int32_t id, int32_t animationId, float start, float duration, int32_t easingCode)
{
    const AVSegmentHold segment = _find(id);
    if (!segment)
        return;
    auto* animation = new AVAnimation(uint32_t(animationId), start, duration);
    animation->setEasing(easingType(easingCode));
    segment->addAnimation(animation);
}

void AVEngine::setAnimationStartTime(int32_t id, int32_t animationId, float start)
{
    _withAnimation(id, animationId, [start](AVAnimation* animation) { animation->setStartTime(start); });
}

void AVEngine::setAnimationDuration(int32_t id, int32_t animationId, float duration)
{
    _withAnimation(id, animationId, [duration](AVAnimation* animation) { animation->setDuration(duration); });
}

void AVEngine::setAnimationEasing(int32_t id, int32_t animationId, int32_t easingCode)
{
    _withAnimation(id, animationId,
                   [easingCode](AVAnimation* animation) { animation->setEasing(easingType(easingCode)); });
}

void AVEngine::changeAnimationId(int32_t id, int32_t oldAnimationId, int32_t newAnimationId)
{
    if (const AVSegmentHold segment = _find(id))
        segment->changeAnimationId(uint32_t(oldAnimationId), uint32_t(newAnimationId));
}

void AVEngine::removeAnimation(int32_t id, int32_t animationId)
{
    if (const AVSegmentHold segment = _find(id))
        segment->removeAnimation(uint32_t(animationId));
}

void AVEngine::clearAnimations(int32_t id)
{
    if (const AVSegmentHold segment = _find(id))
        segment->clearAnimations();
}

void AVEngine::setSegmentFlag2(int32_t id, uint8_t flag)
{
    if (const AVSegmentHold segment = _find(id))
        segment->setFlag2(flag);
}

// ---- text -------------------------------------------------------------------------

void AVEngine::setText(int32_t id, const char* text)
{
    const AVSegmentHold held = _find(id);
    if (auto* segment = held.as<AVTextSegment>())
        segment->setText(text);
}

void AVEngine::setTextFont(int32_t id, const char* family, const char* style)
{
    const AVSegmentHold held = _find(id);
    if (auto* segment = held.as<AVTextSegment>())
        segment->setFont(family, style);
}

// ---- playback ---------------------------------------------------------------------

void AVEngine::togglePlayback()
{
    if (!_renderer)
        return;
    if (_renderer->isPlaying())
        _renderer->pause();
    else
        _renderer->play();
}

bool AVEngine::pause()
{
    if (!_renderer || !_renderer->isPlaying())
        return false;
    _renderer->pause();
    return true;
}

void AVEngine::seek(float seconds, bool resetAudio)
{
    if (!_renderer)
        return;
    _renderer->pause();
    _renderer->seek(seconds, resetAudio);
}

void AVEngine::requestRedraw()
{
    if (_renderer)
        _renderer->addTickets(1);
}

bool AVEngine::showsNearCurrentTime(int32_t id) const
{
    const AVSegmentHold segment = _find(id);
    return segment && _renderer && AVComposition::layerShowsNear(segment.get(), _renderer->currentTime());
}

bool AVEngine::isRenderIdle() const
{
    return !_renderer || (_renderer->isVideoThreadWaiting() && _renderer->isAudioThreadWaiting());
}

float AVEngine::currentTime() const
{
    return _renderer ? float(_renderer->currentTime()) : 0.0f;
}

void AVEngine::setVisibleSegments(const int32_t* ids, int32_t count)
{
    std::vector<uint32_t> order;
    if (ids)
        order.assign(ids, ids + std::max(0, count));
    _composition->setVisibleSegments(order.data(), int32_t(order.size()));
}

void AVEngine::updateLayout(int32_t width, int32_t height)
{
    _composition->updateLayout(width, height, 0);
}

void AVEngine::setBackgroundColor(float red, float green, float blue, float alpha)
{
    _composition->setBackgroundColor(red, green, blue, alpha);
}

// ---- media questions ---------------------------------------------------------------

float AVEngine::mediaDuration(int32_t id)
{
    const AVSegmentHold held = _find(id);
    auto* audio = held.as<AVAudioSegment>();
    return audio ? float(audio->mediaDuration()) : 0.0f;
}

float AVEngine::videoMediaDuration(int32_t id)
{
    const AVSegmentHold held = _find(id);
    auto* video = held.as<AVVideoSegment>();
    return video ? float(video->mediaDuration()) : 0.0f;
}

int AVEngine::videoSize(int32_t id, int32_t* width, int32_t* height)
{
    // From the stream, not the picture shown: a segment away from the play
    // head has none, and the editor asks as soon as the movie has loaded.
    uint32_t shownWidth = 0, shownHeight = 0;
    const AVSegmentHold held = _find(id);
    if (auto* video = held.as<AVVideoSegment>())
        video->displaySize(&shownWidth, &shownHeight);
    if (shownWidth == 0 || shownHeight == 0)
        return 0;
    *width = int32_t(shownWidth);
    *height = int32_t(shownHeight);
    return 1;
}

int AVEngine::videoThumbnailCount(int32_t id)
{
    const AVSegmentHold held = _find(id);
    auto* video = held.as<AVVideoSegment>();
    return video ? video->thumbnailCount() : 0;
}

AVPixelBufferPtr AVEngine::videoThumbnail(int32_t id, int32_t index)
{
    // Copied while held: the segment's own buffer goes with it.
    const AVSegmentHold held = _find(id);
    auto* video = held.as<AVVideoSegment>();
    return video ? video->thumbnailCopy(index) : nullptr;
}

void AVEngine::flushVideoFrames(int32_t id)
{
    const AVSegmentHold held = _find(id);
    if (auto* video = held.as<AVVideoSegment>())
        video->flushFrames();
}

const char* AVEngine::audioTitle(int32_t id)
{
    const AVSegmentHold held = _find(id);
    auto* audio = held.as<AVAudioSegment>();
    return audio ? audio->title() : nullptr;
}

const char* AVEngine::audioArtist(int32_t id)
{
    const AVSegmentHold held = _find(id);
    auto* audio = held.as<AVAudioSegment>();
    return audio ? audio->artist() : nullptr;
}
