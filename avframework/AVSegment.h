#pragma once

#include "AVSync.h"

#include <atomic>
#include <cstdint>
#include <vector>

class AVAnimation;
class AVTransition;
struct AVAnimatedValues;

// Status of an engine segment.
enum AVSegmentStatus : int32_t {
    AVSegmentReady = 0,
    AVSegmentNotLoaded = -101,
    AVSegmentPictureReadFailed = -103,
    AVSegmentPictureDecodeFailed = -104,
    AVSegmentTextRasterFailed = -113,
};

// The engine-side base of every timeline item: its place on the composition's
// time line, its animation groups (kept ordered by group id), its load status
// and two callbacks. The composition wakes, puts to sleep, prepares and seeks
// its items through the virtual operations.
//
// Layer and sound segments guard their animation list with a mutex of their
// own, handed to the base with _guardAnimationsWith(): every animation-list
// operation then runs under it, and findAnimation() leaves it locked when it
// found a group; the caller must then call releaseAnimation() with the same
// id. Without such a mutex (the plain base) nothing locks.
class AVSegment {
public:
    using Callback = int (*)(AVSegment* segment, intptr_t argument, void* context);

    explicit AVSegment(double start);
    AVSegment(double start, double duration);
    virtual ~AVSegment();
    AVSegment(const AVSegment&) = delete;
    AVSegment& operator=(const AVSegment&) = delete;

    virtual void setStartTime(double start);
    virtual void setDuration(double duration);
    virtual void setCallback(Callback callback, void* context);
    virtual bool isReady() const;
    virtual bool isLoading() const;
    virtual void sleep(bool exporting);
    virtual void wake();
    virtual void prepareAt(double time, bool drawFlag, bool playing) = 0;
    virtual bool isVisual() const = 0;
    virtual int seekTo(double time, bool force) = 0;

    virtual void addChild(AVTransition* transition);
    virtual void addAnimation(AVAnimation* animation);
    virtual void removeAnimation(uint32_t id);
    virtual void clearAnimations();
    virtual void changeAnimationId(uint32_t oldId, uint32_t newId);
    virtual AVAnimation* findAnimation(uint32_t id);
    virtual void releaseAnimation(uint32_t id);

    virtual bool isText() const;
    virtual bool isVideo() const;
    // Whether pictures may come from a hardware decoder (no by default).
    virtual bool decodesInHardware() const;

    // The current values that transitions write; null for a segment without any.
    virtual AVAnimatedValues* currentValues();

    double startTime() const { return _start.load(); }
    double duration() const { return _duration.load(); }
    uint32_t id() const { return _id; }
    void setId(uint32_t id) { _id = id; }
    int32_t status() const { return _status.load(); }
    void setStatus(int32_t status) { _status.store(status); }
    uint8_t flag2() const { return _flag2.load(); }
    void setFlag2(uint8_t flag) { _flag2.store(flag); }
    uint8_t isAsleep() const { return _asleep.load(); }
    void setRedrawCallback(Callback callback, void* context);

    // Call the status or redraw callback with (this, argument, context);
    // return its result, or 0 when none is set.
    int fireCallback(intptr_t argument);
    int fireRedrawCallback(intptr_t argument);

    // Whether start <= time < start + duration, each comparison with a
    // tolerance of 1e-6 (a time just below the end already counts as past it).
    bool coversTime(double time) const;

    // Ids of the animation groups in list order (for inspection).
    std::vector<uint32_t> animationIds();

protected:
    // The mutex that guards the animation list from now on (owned by the subclass).
    void _guardAnimationsWith(AVMutex* mutex) { _animationMutex = mutex; }

    // Applies the loose transitions, then the groups in ascending id order, at
    // the local time, then lets the latest finished transition of every type
    // that nothing wrote hold its end value. The caller has reset the current
    // values from the static ones and holds the segment's lock.
    void _evaluateTransitions(double localTime);

private:
    AVAnimation* _findUnlocked(uint32_t id) const;
    void _lockAnimations();
    void _unlockAnimations();

    // A callback read across threads. The context is stored before the
    // function and read after it, so a reader that sees a function also sees
    // the context it was set with.
    struct CallbackSlot {
        std::atomic<Callback> function{nullptr};
        std::atomic<void*> context{nullptr};
        void set(Callback callback, void* ctx);
        int fire(AVSegment* segment, intptr_t argument) const;
    };

    uint32_t _id = 0;
    std::atomic<double> _start;
    std::atomic<double> _duration;
    std::vector<AVTransition*> _looseTransitions;
    std::vector<AVAnimation*> _animations;
    AVMutex* _animationMutex = nullptr;
    CallbackSlot _callback;
    CallbackSlot _redrawCallback;
    std::atomic<int32_t> _status{AVSegmentNotLoaded};
    std::atomic<uint8_t> _asleep{1};
    std::atomic<uint8_t> _flag2{1};
};
