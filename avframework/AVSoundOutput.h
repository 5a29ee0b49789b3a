#pragma once

#include "AVSync.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <cstdint>
#include <memory>

class AVSoundDevice;
class AVSoundOutputListener;
class AVSoundOutputSource;
class AVThread_QThread_Type;
class QTimer;

// Plays a composition's mixed sound on the default output device in push
// mode. A fill thread moves one device period at a time from the
// composition into the device, waking every 10 ms. Play and pause are soft:
// pause fades the volume out over ten steps and then suspends the device;
// play resumes (or relaunches) it and fades the volume in. A suspended device
// is resumed only once the mix of the start is complete (a second at most):
// the playback clock starts with it. A resumed device gets what is mixed
// already from the play itself: it starts at once, and would run dry (an
// underrun) if it waited for the fill thread. The device's
// states go to the listener, which turns them into the playing state; a
// one-second poll reports a change of the default device.
//
// Without a usable device (none present, or opening fails) the output
// plays into a null device that consumes the sound at real-time pace and
// reports the same states, so that playback still runs. Setting the
// environment variable VIDORNA_SOUND_OUTPUT to "null" chooses it always.
//
// The slots run on the owning thread. The request mutex serialises them,
// the destructor, each pass of the fill thread over the device and each read
// of the mix, so that the device gets the mix in its order whatever the pace
// of the requests; the fill thread waits for the mix and sleeps outside it,
// on its own mutex and condition.
class AVSoundOutput : public QObject {
    Q_OBJECT
public:
    static constexpr int kFadeStepCount = 10;

    // The source is usually the composition; not owned, it outlives the output.
    AVSoundOutput(AVSoundOutputSource* source, int sampleRate, int channelCount, QObject* parent = nullptr);
    ~AVSoundOutput() override;

    // Not owned; null detaches.
    void setListener(AVSoundOutputListener* listener);
    // Done with for good, though deleted only later: detaches the listener,
    // cancels the requests still queued and drops what it holds, so that it
    // reads nothing more from the composition.
    void retire();
    // Queue the request on the owning thread and return at once.
    void play();
    void pause();

    // The default device's name when this output was made.
    QString deviceName() const;
    // Whether sound goes into the null device.
    bool isNullOutput() const;
    // Composition time (seconds) of the sound the device plays now, as of
    // the latest write; -1 before any.
    double playingPosition() const { return _playingPosition.load(); }

    static int fillLoop(AVThread_QThread_Type* thread, void* output);

signals:
    // Each volume a fade step sets, from the fill thread.
    void volumeApplied(float volume);

public slots:
    void _doPlay();
    void _doPause();
    // Drops what the output holds: nothing more is read until the next play.
    void _doStop();
    void _doRestart();
    // Suspends the device for the fill thread, unless a play came first.
    void _doSuspend();
    void _checkAudioDevices();
    void onStateChanged(int state);

private:
    enum class Next { Continue, Sleep, Park };

    void _createOutput();
    void _useNullOutput();
    void _connectDevice();
    void _dropDevice();
    // Starts the device in push mode; falls back to the null device when
    // the platform's cannot open. The request mutex is held.
    void _startDevice();
    void _reportState(int state);
    // True while a play waits for the mix of its start: the suspended device
    // is resumed only once the mix is complete (or a second has passed).
    bool _awaitMixBeforeResume();
    // Stops the waiting; true when a play was waiting.
    bool _cancelAwaitedResume();
    // Resumes (or relaunches) the device and begins the fade-in.
    void _startPlaying();
    void _wakeFillThread();
    // Sleeps on the condition for at most milliseconds or until woken.
    void _sleep(unsigned long milliseconds);

    void _runFillLoop();
    Next _fillPass(int& suspendWaits);
    // One step of a running fade; the request mutex is held.
    void _advanceFade(int& suspendWaits);
    void _setVolume(float volume);
    // Reads from the composition when less than a period is pending and
    // writes what came; the lock is released while waiting for the mix.
    Next _feed(QMutexLocker& lock, int period, int& suspendWaits);
    // Adds what is mixed already to the pending bytes and returns the frame
    // index the read began at. The request mutex is held: every read joins
    // the pending bytes in the mix's order, before any request can intervene.
    double _readPending();
    // A device resumed empty starts at once and runs dry before the fill
    // thread is back: it gets what is mixed already, up to a full buffer, a
    // period and a fade step at a time as the fill thread gives them. The
    // request mutex is held.
    void _fillResumedDevice();
    void _writeFront(int length);

    AVSoundOutputSource* _source;
    const int _sampleRate;
    const int _channelCount;
    AVSoundDevice* _device = nullptr;
    bool _nullOutput = false;

    AVMutex _sleepMutex;
    AVCondition _wakeCondition;
    bool _wakeRequested = false;  // under _sleepMutex
    AVThread_QThread_Type* _fillThread = nullptr;
    std::atomic<bool> _exitRequest{false};
    std::atomic<bool> _threadRunning{false};

    std::atomic<double> _playingPosition{-1.0};
    // Mixed bytes not yet written, and the composition time at their end (request mutex).
    QByteArray _pending;
    double _pendingEnd = 0.0;
    std::unique_ptr<uint8_t[]> _readBuffer;
    const int _readBufferSize;

    // Requests and fades, under the request mutex.
    mutable QMutex _requestMutex;
    bool _stopRequest = false;
    bool _suspendPending = false;
    bool _suspendQueued = false;  // the fill thread asked the owning thread to suspend
    bool _discard = false;
    bool _relaunching = false;
    bool _fadingOut = false;
    bool _fadingIn = false;
    int _fadeStep = 0;
    float _targetVolume = 1.0f;

    QString _deviceName;
    QTimer* _devicePollTimer = nullptr;
    // Retries a play that waits for the mix; the clock says since when it waits.
    QTimer* _resumeRetryTimer = nullptr;
    QElapsedTimer _resumeAwaited;
    AVSoundOutputListener* _listener = nullptr;
};
