#pragma once

#include "AVPixelBuffer.h"
#include "AVSegment.h"
#include "AVSegmentHold.h"

#include <atomic>
#include <cstdint>

class AVComposition;
class AVImageLoader;
class AVRender;

// The one door through which the editor reaches the engine's segments: it
// creates and removes them by id (the model segment's serial number; a movie
// has a second id for its sound), pushes properties and animation states by
// property id, changes timing, toggles playback and answers media questions.
// It only looks the segment up, checks its kind and forwards; an unknown id
// or a segment of the wrong kind does nothing and answers 0, 0.0 or null.
//
// Called from the GUI thread and the asset pool threads; it takes no lock
// of its own (the composition's lists and the segments' setters do). Every
// call holds the segment it found until it returns, so a removal on another
// thread meanwhile does not free it under the call; nothing it answers
// points into a segment, save the audio texts (asked on the thread that
// removes segments).
class AVEngine {
public:
    // A video segment collected its timeline thumbnails (on a stream thread).
    using EventCallback = void (*)(int32_t segmentId, void* context);

    // The audio format of every sound segment and of the composition.
    static constexpr int32_t kSampleRate = 44100;
    static constexpr int32_t kChannelCount = 2;

    // None owned; the renderer may be null (playback then does nothing).
    AVEngine(AVComposition* composition, AVImageLoader* imageLoader, AVRender* renderer);
    AVEngine(const AVEngine&) = delete;
    AVEngine& operator=(const AVEngine&) = delete;

    void setOwner(void* owner) { _owner = owner; }
    void* owner() const { return _owner; }
    void setEventCallback(EventCallback callback, void* context);
    AVComposition* composition() const { return _composition; }
    AVImageLoader* imageLoader() const { return _imageLoader; }
    AVRender* renderer() const { return _renderer; }

    // The process-wide engine, for code without the handle at hand.
    static void setCurrentEngine(AVEngine* engine);
    static AVEngine* currentEngine();

    // While set, a stream put to sleep closes its decoder and releases its
    // hardware device (the main window sets it).
    static uint8_t codecFlag();
    static void setCodecFlag(uint8_t flag);

    // Creation returns the id. A length of exactly 0 plays the whole media.
    int32_t createAudioSegment(int32_t id, const char* path, float start, float inPoint, float length);
    int32_t createVideoSegment(int32_t id, const char* path, float start, float inPoint, float length,
                               int32_t thumbnailHeight, uint8_t softwareOnly);
    int32_t createImageSegment(int32_t id, const char* path, bool animated, float start, float duration);
    int32_t createTextSegment(int32_t id, const char* text, float start, float duration);
    // A video segment's thumbnail callback; the context is the engine.
    static int onVideoSegmentLoaded(AVSegment* segment, intptr_t argument, void* engine);
    // 1 when a segment was removed.
    int removeSegment(int32_t id);

    void setSegmentStartTime(int32_t id, float seconds);
    void setSegmentDuration(int32_t id, float seconds);
    // Video and audio segments only.
    void setSegmentTrimDuration(int32_t id, float seconds);
    void setSegmentTrimStart(int32_t id, float seconds);
    void refreshDuration();

    // Properties by id, 1 to 74 (AVEngineProperties.cpp).
    void setSegmentProperty(int32_t id, int32_t propertyId, float a, float b, float c, float d);
    void addAnimation(int32_t id, int32_t animationId, float start, float duration, int32_t easingCode);
    void setAnimationState(int32_t id, int32_t animationId, bool isBegin, int32_t propertyId, float a, float b);
    void setAnimationStartTime(int32_t id, int32_t animationId, float start);
    void setAnimationDuration(int32_t id, int32_t animationId, float duration);
    void setAnimationEasing(int32_t id, int32_t animationId, int32_t easingCode);
    void changeAnimationId(int32_t id, int32_t oldAnimationId, int32_t newAnimationId);
    void removeAnimation(int32_t id, int32_t animationId);
    void clearAnimations(int32_t id);
    // The composition composes and mixes only segments whose flag is set.
    void setSegmentFlag2(int32_t id, uint8_t flag);
    // The editor's easing code (1 to 16) as the engine's curve; 6 for any other.
    static int easingType(int32_t easingCode);

    void setText(int32_t id, const char* text);
    void setTextFont(int32_t id, const char* family, const char* style);

    // Playback; nothing without a renderer.
    void togglePlayback();
    // Whether it was playing (and is now pausing).
    bool pause();
    void seek(float seconds, bool resetAudio);
    void requestRedraw();
    // Whether a preview pass at the current time draws, wakes or mixes the
    // segment: a change to one that does not is not seen or heard there.
    // False for an unknown id or without a renderer.
    bool showsNearCurrentTime(int32_t id) const;
    // True when both playback threads wait for tickets (or without a renderer).
    bool isRenderIdle() const;
    float currentTime() const;
    void setVisibleSegments(const int32_t* ids, int32_t count);
    void updateLayout(int32_t width, int32_t height);
    void setBackgroundColor(float red, float green, float blue, float alpha);

    // Media questions.
    float mediaDuration(int32_t id);
    float videoMediaDuration(int32_t id);
    // 1 and the size as shown (rotation and pixel aspect applied) once the video is open; else 0, size untouched.
    int videoSize(int32_t id, int32_t* width, int32_t* height);
    int videoThumbnailCount(int32_t id);
    // A copy of the thumbnail, the caller's; null out of range.
    AVPixelBufferPtr videoThumbnail(int32_t id, int32_t index);
    void flushVideoFrames(int32_t id);
    // Borrowed from the segment: for the thread that removes segments.
    const char* audioTitle(int32_t id);
    const char* audioArtist(int32_t id);

private:
    AVSegmentHold _find(int32_t id) const;
    // Runs change on the animation group (locked while held); a missing group is ignored.
    template <typename Change>
    void _withAnimation(int32_t id, int32_t animationId, Change change);
    int32_t _add(AVSegment* segment, int32_t id);

    AVComposition* const _composition;
    AVImageLoader* const _imageLoader;
    AVRender* const _renderer;
    void* _owner = nullptr;
    // Set on the GUI thread, read on stream threads: the context is stored first.
    std::atomic<EventCallback> _eventCallback{nullptr};
    std::atomic<void*> _eventContext{nullptr};
};

template <typename Change>
void AVEngine::_withAnimation(int32_t id, int32_t animationId, Change change)
{
    const AVSegmentHold segment = _find(id);
    if (!segment)
        return;
    AVAnimation* animation = segment->findAnimation(uint32_t(animationId));
    if (!animation)
        return;
    change(animation);
    segment->releaseAnimation(uint32_t(animationId));
}
