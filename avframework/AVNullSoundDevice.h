#pragma once

#include "AVSoundDevice.h"

#include <QByteArray>
#include <QMutex>

#include <chrono>
#include <vector>

// An audio device that plays into nothing: it takes bytes into a buffer of
// five 20 ms periods and lets them run out at the real-time pace of its
// format, going idle (with an underrun) when the buffer runs empty, so that
// playback paced by the device runs just as it would with sound. As the
// platform's device does, a resume returns to the state the device was
// suspended in: one that had nothing left to play waits idle for data,
// without an underrun.
class AVNullSoundDevice : public AVSoundDevice {
    Q_OBJECT
public:
    AVNullSoundDevice(int sampleRate, int channelCount, QObject* parent = nullptr);

    int state() override;
    int error() override;
    bool start() override;
    void stop() override;
    void suspend() override;
    void resume() override;
    int bytesFree() override;
    int periodSize() override { return _periodBytes; }
    int64_t write(const char* data, int64_t length) override;
    void setVolume(float) override {}

    int bufferedBytes() override;

    // From now on keeps what it is given, a piece for each start or resume
    // call: what would be heard after each, in the order it came.
    void keepWritten();
    std::vector<QByteArray> written();

private:
    using Clock = std::chrono::steady_clock;

    // Lets the bytes played since the last look run out; the mutex is held.
    // Returns true when the device went idle.
    bool _drain();
    // Begins a piece of what is kept, when keeping; the mutex is held.
    void _beginWrittenPiece();
    // Sets the state (the mutex is held); true when it changed.
    bool _setState(int state);
    int _freeBytes() const;
    // Runs change under the mutex and emits the state when change says it
    // changed.
    template <typename Change>
    void _apply(Change change);

    const int _frameBytes;
    const double _bytesPerSecond;
    const int _periodBytes;
    const int _bufferBytes;
    QMutex _mutex;
    int _state = Stopped;
    int _suspendedIn = Idle;
    int _error = NoError;
    double _buffered = 0.0;
    Clock::time_point _lastDrain;
    bool _keepingWritten = false;
    std::vector<QByteArray> _written;
};
