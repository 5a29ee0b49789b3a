#pragma once

#include "AVGLFence.h"
#include "AVLayerDrawState.h"
#include "AVSegment.h"
#include "AVSegmentList.h"
#include "AVSoundOutputSource.h"
#include "AVSync.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

struct AVGLDrawingContexts;
struct AVGLFramebuffer;
struct AVGLRenderer;
class AVLayerSegment;
class AVSegmentHold;
class AVSoundSegment;
class AVVideoSegment;
class QOpenGLFunctions_3_2_Core;

// The engine's scene: every engine segment of the open project, the canvas
// size, background colour, audio format and total duration. Asked for
// video, it draws the visible layers of a time into an offscreen
// framebuffer on the calling thread's engine context; asked for audio, it
// mixes the sound segments into a half-second window of 16-bit interleaved
// PCM that readers take out from the front.
//
// Lock order: layer-list mutex, sound-list mutex, pending-deletion mutex,
// hold mutex; the sound-list mutex before the mix mutex. A drawing pass
// holds the primary offscreen mutex throughout and the layer list only
// while copying it; a mixing pass holds the sound list and the mix mutex
// throughout.
class AVComposition : public AVSoundOutputSource {
public:
    // Told when a segment finished loading or asks for a redraw.
    using ObserverCallback = void (*)(AVComposition* composition, AVSegment* segment, void* context);
    // The picture of one layer, 4-byte BGRA rows, top row first; the callee
    // owns pixels (malloc'ed). Null pixels (and zero sizes) when the segment
    // gave no picture or another request was pending.
    using SnapshotCallback = void (*)(AVComposition* composition, AVSegment* segment, uint8_t* pixels,
                                      int32_t bytesPerRow, int32_t height, void* context);

    // renderAt modes.
    static constexpr int32_t kRenderAudio = 1;
    static constexpr int32_t kRenderVideo = 2;

    static constexpr int32_t kMaxSoundSegments = 1024;
    static constexpr int32_t kScratchBytes = 49152;

    AVComposition(int32_t width, int32_t height, int32_t sampleRate, int32_t channelCount, AVGLRenderer* renderer);
    ~AVComposition() override;
    AVComposition(const AVComposition&) = delete;
    AVComposition& operator=(const AVComposition&) = delete;

    // The renderer of the thread that draws now (null: neither draw nor mix).
    void setRenderer(AVGLRenderer* renderer);
    AVGLRenderer* renderer() const { return _renderer.load(); }
    // The contexts a drawing pass makes current when its thread holds no
    // engine context yet; a thread that already draws is drawn on as it is.
    void setDrawingContexts(const AVGLDrawingContexts* contexts);

    // Takes ownership. Inserted before the first segment with a greater id,
    // so equal ids keep their insertion order. Starts the segment's loading.
    void addSegment(AVSegment* segment, uint32_t id);
    // Borrowed: the first layer with the id, else the first sound segment;
    // for the thread that removes segments.
    AVSegment* findSegment(uint32_t id);
    // The same segment, held: not destroyed until the hold is released,
    // whichever thread removes it meanwhile.
    AVSegmentHold holdSegment(uint32_t id);
    // 1 when a segment was found. A layer is destroyed by the first drawing
    // pass after its last hold went (it owns GL textures), a sound segment
    // at once, once no hold is left on it.
    int removeSegment(uint32_t id);
    // The layers in drawing order (bottom first); layers the array leaves
    // out keep their relative order after the named ones.
    void setVisibleSegments(const uint32_t* ids, int32_t count);
    // The ids of the layers in drawing order, bottom first.
    std::vector<uint32_t> visibleSegmentIds() const;
    // The canvas size from the next drawing pass on; the layers get it now.
    void updateLayout(int32_t width, int32_t height, int32_t flag);
    int32_t width() const { return _appliedWidth.load(); }
    int32_t height() const { return _appliedHeight.load(); }

    void setBackgroundColor(float red, float green, float blue, float alpha);
    void backgroundColor(float* red, float* green, float* blue, float* alpha) const;

    void setDoubleBuffered(uint8_t doubleBuffered);
    // Held by readers of the front target.
    void lockOffscreen();
    void unlockOffscreen();
    // Double-buffered, the last finished picture: null until a pass has
    // finished one, never a target still being drawn.
    AVGLFramebuffer* frontFramebuffer() const;
    uint32_t frontTexture() const;
    // Whether the front picture shows every layer shown at its time: none
    // was missing for still loading (as right after opening, or after an
    // export put the layers to sleep). The lock is held.
    bool isFrontWhole() const;
    // The reader's context (another one of the share group) waits for the
    // drawing of the front target before it reads it; the lock is held.
    void waitForFront(QOpenGLFunctions_3_2_Core* reader) const;

    double duration() const { return _duration.load(); }
    // Recomputes the duration from both lists (the caller holds them) and
    // re-places the mix window.
    void updateDuration();
    // The same, taking the list mutexes.
    void refreshDuration();

    void addObserver(ObserverCallback callback, void* context);
    // Returns once no call to an observer is under way on another thread
    // (waiting a few seconds at most), so that the caller may free its context.
    void removeObserver(ObserverCallback callback);
    // Whether a preview pass at the time wakes and draws the layer (or
    // mixes the sound segment): what one outside that reach loads or
    // changes is not on screen.
    static bool layerShowsNear(const AVSegment* layer, double time);
    // Segment callbacks (the context is the composition).
    static int notifyObservers(AVSegment* segment, intptr_t argument, void* composition);
    static int onSegmentLoaded(AVSegment* segment, intptr_t result, void* composition);

    // Answered at the end of the next drawing pass (a second request while
    // one is pending is answered with null at once).
    void requestSegmentSnapshot(uint32_t id, SnapshotCallback callback, void* context);

    // Mode bit 0 mixes, bit 1 draws; audio first when both are set.
    void renderAt(double time, uint8_t drawFlag, uint8_t playing, int32_t mode, uint8_t exporting);
    void compositeVideo(double time, uint8_t drawFlag, uint8_t playing, uint8_t exporting);
    void mixAudio(double time, uint8_t drawFlag, uint8_t playing, uint8_t exporting);
    // Copies the complete bytes at the front of the window (at most
    // capacity) and slides the window on; *position gets the sample frame
    // index of the first byte. 0 when nothing is complete.
    int32_t readAudio(uint8_t* destination, int32_t capacity, double* position) override;
    // With resetAudio the mix window restarts at the time; every segment
    // seeks, outside the list mutexes: never while a segment is removed.
    void seek(double time, bool resetAudio);
    // Every sound segment that took part in the last pass is done with the window.
    uint8_t isMixComplete() const override { return _mixComplete.load(); }
    // The window has reached the end of the composition.
    bool isAudioAtEnd() const override;
    // Adds byteCount bytes of 16-bit little-endian samples of source into
    // destination at volume / 128, clipping, and above full volume squeezing
    // what passes 29490.
    static void mixSamples(uint8_t* destination, const uint8_t* source, int32_t byteCount, int32_t volume);

    bool areLayersReadyAt(double time);
    bool hasSegmentWithStatusZero();
    void setMinimumFrameRate(int32_t rate);
    // Puts every segment to sleep and frees the framebuffers; on the
    // drawing thread with its context current.
    void releaseGLResources();

    int32_t sampleRate() const { return _sampleRate; }
    int32_t channelCount() const { return _channelCount; }
    int32_t mixBufferSize() const { return _mixBufferSize; }

    // A layer's drawing parameters from its current values on a canvas of
    // the applied width.
    AVLayerDrawState layerTransform(AVLayerSegment* layer) const;
    // Draws a video layer through the renderer entry its texture format needs.
    void drawLayer(AVVideoSegment* layer, const AVLayerDrawState& state);

private:
    struct Observer {
        ObserverCallback callback;
        void* context;
    };
    struct SnapshotRequest {
        AVSegment* segment = nullptr;
        SnapshotCallback callback = nullptr;
        void* context = nullptr;
        uint64_t serial = 0;  // which request this is; 0 when none is pending
    };

    // Mixing; the caller holds the mix mutex for these.
    void _placeWindow();
    int32_t _windowBytes() const;
    void _mixSegment(AVSoundSegment* segment, int32_t index, double time, bool drawFlag, bool playing,
                     bool exporting, int32_t* low, int32_t* finished, int32_t* takingPart);
    void _addDelivery(AVSoundSegment* segment, int32_t index, double firstFrame, int32_t bytes, int32_t* low);

    // Drawing.
    bool _beginPass(bool* ownsPass);
    // The pass itself; the primary offscreen mutex is held, a context current.
    // False when there was nothing to draw into; whole tells whether every
    // layer shown at the time was drawn.
    bool _drawPass(double time, bool drawFlag, bool playing, bool exporting, bool* whole);
    // Sends the finished picture off: double-buffered, it becomes the front
    // target with a fence for its readers; still on the pass's context.
    void _handOver(bool exporting, bool whole);
    void _destroyPendingLayers();
    void _prepareFramebuffers();
    // False when the layer is shown at the time but left out, still loading.
    bool _drawLayerAt(AVLayerSegment* layer, double time, bool drawFlag, bool playing, bool exporting);
    void _takeSnapshot(AVVideoSegment* layer);
    // Answers the request of that serial when it is still pending.
    void _answerSnapshot(uint64_t serial, uint8_t* pixels, int32_t bytesPerRow, int32_t height);
    uint64_t _pendingSnapshotSerial() const;
    void _freeFramebuffers();

    // Awake from lead seconds before its start to a little after its end
    // (while shown), asleep otherwise.
    static bool _wakesAt(const AVSegment* segment, double time, double lead);
    void _wakeOrSleep(AVSegment* segment, double time, double lead, bool exporting);
    AVSegment* _findUnlocked(uint32_t id) const;
    friend class AVSegmentHold;
    void _releaseHold(const AVSegment* segment);
    bool _isHeld(const AVSegment* segment) const;  // hold mutex held
    void _waitUntilReleased(const AVSegment* segment);
    void _notify(AVSegment* segment);
    void _eraseObserver(ObserverCallback callback);  // observer mutex held

    std::atomic<AVGLRenderer*> _renderer;
    std::atomic<const AVGLDrawingContexts*> _drawingContexts{nullptr};
    float _background[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    AVSegmentList<AVLayerSegment> _visibleSegments;
    AVSegmentList<AVSoundSegment> _soundSegments;
    std::vector<AVLayerSegment*> _pendingDeletion;
    std::unique_ptr<AVMutex> _layerMutex;
    std::unique_ptr<AVMutex> _soundMutex;
    std::unique_ptr<AVMutex> _pendingMutex;
    // One entry per hold taken and not yet released.
    std::vector<const AVSegment*> _held;
    std::unique_ptr<AVMutex> _holdMutex;
    std::unique_ptr<AVCondition> _holdReleased;
    std::atomic<int32_t> _appliedWidth;
    std::atomic<int32_t> _appliedHeight;
    std::atomic<int32_t> _requestedWidth;
    std::atomic<int32_t> _requestedHeight;
    const int32_t _sampleRate;
    const int32_t _channelCount;
    std::atomic<double> _duration{0.0};

    AVGLFramebuffer* _drawTarget = nullptr;
    AVGLFramebuffer* _multisampleTarget = nullptr;
    AVGLFramebuffer* _frontTarget = nullptr;
    // Whether the front target holds a finished picture, and the fence its
    // readers wait for (both under the front target's mutex).
    bool _frontDrawn = false;
    bool _frontWhole = false;
    AVGLFence _frontFence;
    std::unique_ptr<AVMutex> _offscreenMutex;
    std::atomic<uint8_t> _doubleBuffered{0};
    std::unique_ptr<AVMutex> _offscreenMutex2;

    std::unique_ptr<AVMutex> _observerMutex;
    std::vector<Observer> _observers;
    int32_t _notifying = 0;  // observer calls under way, under the observer mutex
    std::unique_ptr<AVCondition> _notifyingEnded;
    std::unique_ptr<AVMutex> _snapshotMutex;
    SnapshotRequest _snapshot;
    uint64_t _lastSnapshotSerial = 0;
    std::unique_ptr<AVMutex> _backgroundMutex;

    // Mixing state, guarded by the mix mutex.
    std::unique_ptr<uint8_t[]> _mixBuffer;
    const int32_t _mixBufferSize;
    int32_t _audioBufferLen = 0;
    int64_t _mixStart = 0;
    int64_t _mixEnd = 0;
    std::atomic<uint8_t> _mixComplete{0};
    int32_t _fillMarks[kMaxSoundSegments] = {};
    int32_t _reportedSegmentCount = 0;  // the sound segment count last seen by a pass
    const int32_t _halfSecondFrames;
    std::unique_ptr<uint8_t[]> _scratch;
    std::unique_ptr<AVMutex> _mixMutex;
};
