#include "AVQtSoundDevice.h"

#include <QAudioOutput>

#include <algorithm>

AVQtSoundDevice::AVQtSoundDevice(const QAudioDeviceInfo& device, const QAudioFormat& format, QObject* parent)
    : AVSoundDevice(parent)
    , _output(new QAudioOutput(device, format, this))
{
    _output->setVolume(1.0);
    // The backend may report from the thread that wrote; the relay runs on
    // this object's thread.
    connect(_output, &QAudioOutput::stateChanged, this, [this](QAudio::State state) { emit stateChanged(int(state)); });
}

AVQtSoundDevice::~AVQtSoundDevice()
{
    _output->disconnect(this);
    _output->stop();
}

int AVQtSoundDevice::state()
{
    return int(_output->state());
}

int AVQtSoundDevice::error()
{
    return int(_output->error());
}

bool AVQtSoundDevice::start()
{
    _writeEnd = _output->start();
    return _writeEnd && _output->error() != QAudio::OpenError;
}

void AVQtSoundDevice::stop()
{
    _output->stop();
    _writeEnd = nullptr;
}

void AVQtSoundDevice::suspend()
{
    _output->suspend();
}

void AVQtSoundDevice::resume()
{
    _output->resume();
}

int AVQtSoundDevice::bytesFree()
{
    return _output->bytesFree();
}

int AVQtSoundDevice::bufferedBytes()
{
    return std::max(0, _output->bufferSize() - _output->bytesFree());
}

int AVQtSoundDevice::periodSize()
{
    return _output->periodSize();
}

int64_t AVQtSoundDevice::write(const char* data, int64_t length)
{
    if (!_writeEnd)
        return 0;
    return std::max<int64_t>(0, _writeEnd->write(data, length));
}

void AVQtSoundDevice::setVolume(float volume)
{
    _output->setVolume(qreal(volume));
}
