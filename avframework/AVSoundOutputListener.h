#pragma once

#include <QString>

#include <cstdint>

// What the sound output reports to the one who plays through it (the
// playback driver). Calls arrive on the thread that owns the sound output.
class AVSoundOutputListener {
public:
    // The platform's default output device is now another one; the listener
    // replaces the sound output.
    virtual void onAudioDeviceChanged(const QString& deviceName) = 0;
    // The device's state: 0 active, 1 suspended, 2 stopped, 3 idle.
    virtual void onAudioOutputStateChanged(int state) = 0;
    // A progress value of the device; the driver keeps the last one.
    virtual void onAudioOutputNotify(int64_t value) = 0;
    virtual ~AVSoundOutputListener() = default;
    virtual void addTickets(int count) = 0;
};
