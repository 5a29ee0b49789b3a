#pragma once

#include "AVSoundDevice.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>

class QAudioOutput;
class QIODevice;

// The platform's audio device through QAudioOutput in push mode: start
// hands out the device's write end, which the fill thread writes into.
class AVQtSoundDevice : public AVSoundDevice {
    Q_OBJECT
public:
    AVQtSoundDevice(const QAudioDeviceInfo& device, const QAudioFormat& format, QObject* parent = nullptr);
    ~AVQtSoundDevice() override;

    int state() override;
    int error() override;
    bool start() override;
    void stop() override;
    void suspend() override;
    void resume() override;
    int bytesFree() override;
    int periodSize() override;
    int bufferedBytes() override;
    int64_t write(const char* data, int64_t length) override;
    void setVolume(float volume) override;

private:
    QAudioOutput* _output;
    QIODevice* _writeEnd = nullptr;
};
