#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

// The push-mode audio device behind the sound output: the real platform
// device, or a null device that plays into nothing at the same pace. The
// sound output's fill thread writes, queries and suspends; the owning
// thread starts, stops, resumes and suspends. Implementations are safe to
// call from both.
class AVSoundDevice : public QObject {
    Q_OBJECT
public:
    // The values of the platform's audio states and errors.
    enum State { Active = 0, Suspended = 1, Stopped = 2, Idle = 3 };
    enum Error { NoError = 0, OpenError = 1, IOError = 2, UnderrunError = 3, FatalError = 4 };

    using QObject::QObject;

    virtual int state() = 0;
    virtual int error() = 0;
    // Opens the device for writing (state idle); false when it cannot.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual int bytesFree() = 0;
    virtual int periodSize() = 0;
    // Bytes written and not played yet.
    virtual int bufferedBytes() = 0;
    // Returns the bytes the device took (at most what it had free).
    virtual int64_t write(const char* data, int64_t length) = 0;
    // 0 silent to 1 full.
    virtual void setVolume(float volume) = 0;

signals:
    // Each state change; emitted on whichever thread caused it.
    void stateChanged(int state);
};
