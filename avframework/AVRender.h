#pragma once

#include "AVGLContext.h"
#include "AVGeometry.h"
#include "AVSoundOutputListener.h"
#include "AVSync.h"

#include <QPointer>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class AVComposition;
class AVSegment;
class AVSoundOutput;
class AVThread_QThread_Type;
class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFunctions_3_2_Core;
struct AVGLRenderer;

// The playback driver: a video thread that draws the composition at the
// current time on an offscreen context of its own, a mixing thread that
// lets the composition mix ahead, and the sound output that plays the mix.
// While playing, the clock is the tick count; otherwise each thread runs one
// pass per ticket, so that every edit, seek or resize costs one redraw.
// Play and pause are two-phase: the request fades the sound output, and the
// playing state changes when the output reports the matching device state.
//
// The GUI thread plays, pauses, seeks, resizes and receives the sound
// output's reports; asset threads add tickets. Every wait is bounded: a
// thread asleep for want of a ticket looks at its stop request every 100 ms,
// and a frame that nobody shows (a hidden preview) holds the video thread
// for at most kPresentWaitSeconds. Lock order: video mutex, audio mutex.
class AVRender : public AVSoundOutputListener {
public:
    // State callback codes; the time is the current time for a drawn frame, else 0.
    enum StateCode : int { StateStopped = 0, StateStarted = 1, StateFrameDrawn = 2, StateEnded = 3 };
    using StateCallback = void (*)(AVRender* render, int code, double time, void* context);

    // Tickets a play hands the mixing thread, so that it mixes ahead until the start takes effect.
    static constexpr int kPlayTickets = 10000;
    static constexpr double kPresentWaitSeconds = 0.1;
    static constexpr double kDeviceChangeWaitSeconds = 2.0;

    // The renderer is normally null: the video thread makes its own.
    AVRender(AVGLRenderer* renderer, int width, int height);
    // Call stop first; the destructor waits for threads that are still running.
    ~AVRender() override;
    AVRender(const AVRender&) = delete;
    AVRender& operator=(const AVRender&) = delete;

    // Sound output reports, on the thread that owns the output.
    void onAudioDeviceChanged(const QString& deviceName) override;
    void onAudioOutputStateChanged(int state) override;
    void onAudioOutputNotify(int64_t value) override;
    // Asks each thread for a pass (none for a count of 0) and wakes it; a
    // pass already waiting for its thread answers the request.
    void addTickets(int count) override;
    virtual void runVideoThread();

    void setOwner(void* owner) { _owner = owner; }
    void* owner() const { return _owner; }
    void setStateCallback(StateCallback callback, void* context);
    void setWaitForPresent(uint8_t wait) { _waitForPresent = wait != 0; }
    // The preview showed the latest frame.
    void setFramePresented(uint8_t presented) { _framePresented = presented != 0; }
    // The context the next video thread draws on; startThreads makes one when none is installed.
    void setVideoGLContext(QOffscreenSurface* surface, QOpenGLContext* context);
    QOpenGLContext* videoGLContext() const { return _videoSlot.context; }
    // The video thread's renderer while it runs; null otherwise.
    AVGLRenderer* renderer() const { return _renderer.load(); }
    // The contexts the composition's drawing passes choose from. An export
    // attaches its slot here; while it is attached the threads neither draw
    // nor mix (they still answer tickets and report frames).
    AVGLDrawingContexts* drawingContexts() { return &_drawingContexts; }

    void setComposition(AVComposition* composition);
    AVComposition* composition() const { return _composition.load(); }
    AVSoundOutput* soundOutput() const { return _soundOutput.get(); }

    double currentTime() const { return _currentTime.load(); }
    // The time a pass draws at: at the composition's end, just before it,
    // so that the last pictures are drawn rather than nothing.
    double drawTime() const;
    bool isPlaying() const { return _playing.load(); }
    // Waiting with no pass asked for. A thread woken for a ticket shows as
    // waiting until it runs again, and would start a pass right after the
    // question: a pending ticket counts as work.
    bool isVideoThreadWaiting() const;
    bool isAudioThreadWaiting() const;
    AVThread_QThread_Type* videoThread() const { return _videoThread; }
    // Video passes (each draws unless an export holds the composition) and
    // mixing passes run so far.
    int64_t videoPasses() const { return _videoPasses.load(); }
    int64_t mixingPasses() const { return _mixingPasses.load(); }

    void setViewportSize(int width, int height);
    AVSize viewportSize() const;
    // Keep the composition's front target in place while it is read.
    void lockComposition();
    void unlockComposition();
    // The last finished picture's texture, with the reader's context made
    // to wait for its drawing; 0 before the first. The lock is held.
    uint32_t compositionTexture(QOpenGLFunctions_3_2_Core* reader) const;
    // Whether that picture shows every layer of its time; the lock is held.
    bool isCompositionWhole() const;

    void startThreads();
    // 1 when a thread had to be given up (still running after about two seconds).
    int stop(bool wait);
    void play();
    void pause();
    void seek(double seconds, bool resetAudio);

    static int videoThreadEntry(AVThread_QThread_Type* thread, void* render);
    static int audioThreadEntry(AVThread_QThread_Type* thread, void* render);
    static void onCompositionEvent(AVComposition* composition, AVSegment* segment, void* render);

private:
    void _runAudioThread();
    // Takes a ticket or waits for one (not playing), or advances the clock (playing).
    void _takeVideoTurn();
    // The clock runs from here; the video mutex is held.
    void _restartClock();
    bool _isIdle(const std::atomic<bool>& waiting, const std::atomic<int32_t>& tickets) const;
    // The caller holds mutex; returns once a ticket came, playing began or stop was asked.
    void _waitForTicket(AVMutex* mutex, AVCondition* condition, const std::atomic<int32_t>& tickets,
                        std::atomic<bool>& waiting, const std::atomic<bool>& stop);
    // Clamps the current time into the composition; true at its end (or without one).
    bool _clampToEnd();
    // One drawing or mixing pass at the current time, unless an export is attached.
    void _renderPass(int32_t mode);
    void _awaitPresentation();
    void _reachEnd();
    void _setPlaying(bool playing, int code);
    void _report(int code, double time);

    void _setUpDrawing();
    void _tearDownDrawing();
    static void _releaseGLResources(void* render);

    void _createSoundOutput();
    // Retired first; later: deleted once control is back in the event loop.
    void _dropSoundOutput(bool later);
    // Those dropped for later that no event loop deleted yet.
    void _deleteDroppedSoundOutputs();
    // Makes a new thread object unless the old one runs on (false).
    bool _startThread(AVThread_QThread_Type** thread, std::atomic<bool>& stopRequest,
                      const std::atomic<bool>& running, int (*entry)(AVThread_QThread_Type*, void*));
    // Waits about two seconds for the thread to end, waking it; false when it runs on.
    bool _waitForThread(const std::atomic<bool>& running, AVMutex* mutex, AVCondition* condition);

    std::atomic<AVGLRenderer*> _renderer;
    void* _owner = nullptr;
    AVGLContextSlot _videoSlot;
    AVGLDrawingContexts _drawingContexts;
    int32_t _viewportWidth;
    int32_t _viewportHeight;
    std::unique_ptr<AVMutex> _renderMutex;
    std::atomic<AVComposition*> _composition{nullptr};
    std::atomic<double> _currentTime{0.0};

    AVThread_QThread_Type* _videoThread = nullptr;
    AVThread_QThread_Type* _audioThread = nullptr;
    std::atomic<bool> _videoStop{false};
    std::atomic<bool> _audioStop{false};
    std::atomic<bool> _videoRunning{false};
    std::atomic<bool> _audioRunning{false};
    std::atomic<bool> _playing{false};
    std::atomic<int32_t> _videoTickets{0};  // changed under the video mutex
    // While playing, the time is the start position plus the ticks since the start (video mutex).
    double _clockStartTick = 0.0;
    double _clockStartPosition = 0.0;
    std::atomic<int32_t> _audioTickets{0};  // changed under the audio mutex
    std::unique_ptr<AVMutex> _videoMutex;
    std::unique_ptr<AVMutex> _audioMutex;
    std::unique_ptr<AVCondition> _videoCondition;
    std::unique_ptr<AVCondition> _audioCondition;
    std::atomic<bool> _videoWaiting{false};
    std::atomic<bool> _audioWaiting{false};

    std::atomic<StateCallback> _stateCallback{nullptr};
    std::atomic<void*> _stateContext{nullptr};
    std::unique_ptr<AVSoundOutput> _soundOutput;
    // Dropped for later; each holds the composition, so none outlives stop.
    std::vector<QPointer<AVSoundOutput>> _droppedSoundOutputs;
    std::atomic<bool> _startPending{false};
    std::atomic<bool> _pausePending{false};
    std::atomic<bool> _waitForPresent{false};
    std::atomic<bool> _framePresented{false};
    int32_t _playRefusals = 0;
    std::atomic<int64_t> _videoPasses{0};
    std::atomic<int64_t> _mixingPasses{0};
};
