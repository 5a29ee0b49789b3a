#include "AVSoundOutput.h"

#include "AVNullSoundDevice.h"
#include "AVQtSoundDevice.h"
#include "AVSoundOutputListener.h"
#include "AVSoundOutputSource.h"
#include "AVThread_QThread_Type.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QMutexLocker>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned long kPassSleepMs = 10;
// A parked fill thread looks again after this even when nobody wakes it.
constexpr unsigned long kParkedWaitMs = 100;
constexpr int kMixWaitTries = 5;
constexpr int kSuspendWaitLimit = 20;
constexpr int kDevicePollMs = 1000;
// How long a play waits for the mix of its start, and how often it looks.
constexpr qint64 kResumeMixWaitMs = 1000;
constexpr int kResumeRetryMs = 10;
// How long destruction lets the fill thread finish its pass before saying so.
constexpr qint64 kExitWaitMs = 3000;
constexpr double kPi = 3.14159265358979323846;

bool nullOutputChosen()
{
    return qgetenv("VIDORNA_SOUND_OUTPUT") == "null";
}

QAudioFormat pcmFormat(int sampleRate, int channelCount)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setSampleSize(16);
    format.setChannelCount(channelCount);
    format.setCodec("audio/pcm");
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

} // namespace

AVSoundOutput::AVSoundOutput(AVSoundOutputSource* source, int sampleRate, int channelCount, QObject* parent)
    : QObject(parent)
    , _source(source)
    , _sampleRate(sampleRate)
    , _channelCount(channelCount)
    , _readBufferSize(std::max(1, sampleRate) * std::max(1, channelCount) * 2)
{
    _readBuffer.reset(new uint8_t[size_t(_readBufferSize)]);
    {
        QMutexLocker lock(&_requestMutex);
        _createOutput();
        _startDevice();
        _device->suspend();
    }
    // The device's reports of its own start-up are no news to a listener.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    _fillThread = avThreadCreate(&AVSoundOutput::fillLoop, this);
    avThreadStart(_fillThread);
    _devicePollTimer = new QTimer(this);
    _devicePollTimer->setInterval(kDevicePollMs);
    connect(_devicePollTimer, &QTimer::timeout, this, &AVSoundOutput::_checkAudioDevices);
    _devicePollTimer->start();
    _resumeRetryTimer = new QTimer(this);
    _resumeRetryTimer->setSingleShot(true);
    _resumeRetryTimer->setInterval(kResumeRetryMs);
    connect(_resumeRetryTimer, &QTimer::timeout, this, &AVSoundOutput::_doPlay);
}

AVSoundOutput::~AVSoundOutput()
{
    delete _devicePollTimer;
    // Closing the device below runs the event loop: no play may come then.
    delete _resumeRetryTimer;
    {
        QMutexLocker lock(&_requestMutex);
        _stopRequest = true;
        const int state = _device->state();
        if (state == AVSoundDevice::Active || state == AVSoundDevice::Idle)
            _discard = true;
    }
    _exitRequest = true;
    _wakeFillThread();
    QElapsedTimer waited;
    waited.start();
    while (_threadRunning && waited.elapsed() < kExitWaitMs)
        avThreadSleep(0.01);
    if (_threadRunning)
        qDebug() << "Sound output fill thread still busy, waiting for it";
    // Freeing waits for the thread: it never outlives this object.
    avThreadFree(_fillThread);
    // Closing the platform device runs the event loop: a play or pause still
    // queued for this object must not run on it half destroyed.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    _dropDevice();
}

void AVSoundOutput::setListener(AVSoundOutputListener* listener)
{
    _listener = listener;
}

void AVSoundOutput::retire()
{
    _listener = nullptr;
    // A play queued before would resume the device and read on.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    _cancelAwaitedResume();
    _doStop();
}

void AVSoundOutput::play()
{
    QMetaObject::invokeMethod(this, &AVSoundOutput::_doPlay, Qt::QueuedConnection);
}

void AVSoundOutput::pause()
{
    QMetaObject::invokeMethod(this, &AVSoundOutput::_doPause, Qt::QueuedConnection);
}

QString AVSoundOutput::deviceName() const
{
    QMutexLocker lock(&_requestMutex);
    return _deviceName;
}

bool AVSoundOutput::isNullOutput() const
{
    QMutexLocker lock(&_requestMutex);
    return _nullOutput;
}

void AVSoundOutput::_createOutput()
{
    _dropDevice();
    // The name is the default device's even when sound goes into the null
    // device, so that the poll reports only a real change of the default.
    const QAudioDeviceInfo info = QAudioDeviceInfo::defaultOutputDevice();
    _deviceName = info.deviceName();
    qDebug() << "Audio device set to:" << _deviceName;
    if (info.isNull() || nullOutputChosen()) {
        _useNullOutput();
        return;
    }
    QAudioFormat format = pcmFormat(_sampleRate, _channelCount);
    if (!info.isFormatSupported(format))
        format = info.nearestFormat(format);
    _device = new AVQtSoundDevice(info, format, this);
    _nullOutput = false;
    _connectDevice();
}

void AVSoundOutput::_useNullOutput()
{
    _dropDevice();
    qDebug() << "No usable audio device: sound goes into the null output";
    _device = new AVNullSoundDevice(_sampleRate, _channelCount, this);
    _nullOutput = true;
    _connectDevice();
}

void AVSoundOutput::_connectDevice()
{
    // Queued even from this thread: the listener is never called while the
    // request mutex is held, and reports keep their order.
    connect(_device, &AVSoundDevice::stateChanged, this, &AVSoundOutput::onStateChanged, Qt::QueuedConnection);
}

void AVSoundOutput::_dropDevice()
{
    if (!_device)
        return;
    AVSoundDevice* device = _device;
    _device = nullptr;
    device->disconnect(this);
    delete device;
}

void AVSoundOutput::_startDevice()
{
    if (_device->start())
        return;
    qDebug() << "Audio device" << _deviceName << "cannot open";
    _useNullOutput();
    _device->start();
}

bool AVSoundOutput::_awaitMixBeforeResume()
{
    {
        QMutexLocker lock(&_requestMutex);
        if (_device->state() != AVSoundDevice::Suspended)
            return false;
    }
    if (!_resumeAwaited.isValid())
        _resumeAwaited.start();
    if (_source->isMixComplete() || _resumeAwaited.hasExpired(kResumeMixWaitMs)) {
        _resumeAwaited.invalidate();
        return false;
    }
    _resumeRetryTimer->start();
    return true;
}

bool AVSoundOutput::_cancelAwaitedResume()
{
    const bool awaited = _resumeRetryTimer->isActive();
    _resumeRetryTimer->stop();
    _resumeAwaited.invalidate();
    return awaited;
}

void AVSoundOutput::_doPlay()
{
    // A resumed device plays at once and the playback clock starts with it.
    // Until every sound segment has filled the mix of the start, its window
    // holds silence where their sound belongs: played, the start would be
    // silent and the sound would come in late.
    if (!_awaitMixBeforeResume())
        _startPlaying();
}

void AVSoundOutput::_startPlaying()
{
    QMutexLocker lock(&_requestMutex);
    // What a stop left behind is not played: the fill thread drops it only once it parks.
    if (_stopRequest || _discard) {
        _pending.clear();
        _stopRequest = false;
    }
    const int state = _device->state();
    if (state == AVSoundDevice::Suspended || state == AVSoundDevice::Idle) {
        _device->resume();
    } else {
        qDebug() << "Relaunch sound output" << state;
        // A device stopped already reports no stop that could be skipped.
        _relaunching = state != AVSoundDevice::Stopped;
        _device->stop();
        _startDevice();
    }
    _suspendQueued = false;
    _fadingOut = false;
    _fadingIn = true;
    _fadeStep = 0;
    _device->setVolume(0.0f);
    if (state == AVSoundDevice::Suspended)
        _fillResumedDevice();
    _discard = false;
    qDebug() << "Start fade in for resume, target volume:" << _targetVolume;
    lock.unlock();
    _wakeFillThread();
    // Resuming an idle device changes nothing it would report; the listener
    // waits for the state to start playing, so tell it.
    if (state == AVSoundDevice::Idle)
        _reportState(state);
}

void AVSoundOutput::_doPause()
{
    // A play still waiting for the mix starts now, so that every play the
    // pause follows has begun what the pause fades out.
    if (_cancelAwaitedResume())
        _startPlaying();
    QMutexLocker lock(&_requestMutex);
    _fadingIn = false;
    _fadingOut = true;
    _fadeStep = 0;
    _targetVolume = 1.0f;
    qDebug() << "Start fade out for pause, original volume:" << _targetVolume;
    const int state = _device->state();
    lock.unlock();
    // A device that is quiet already has nothing to fade; the listener waits
    // for its state to end playing.
    if (state == AVSoundDevice::Suspended || state == AVSoundDevice::Stopped)
        _reportState(state);
}

void AVSoundOutput::_doStop()
{
    QMutexLocker lock(&_requestMutex);
    _stopRequest = true;
    const int state = _device->state();
    if (state == AVSoundDevice::Active || state == AVSoundDevice::Idle)
        _discard = true;
}

void AVSoundOutput::_doSuspend()
{
    QMutexLocker lock(&_requestMutex);
    // A play that came first has cancelled it.
    if (!_suspendQueued)
        return;
    _suspendQueued = false;
    _device->suspend();
}

void AVSoundOutput::_doRestart()
{
    QMutexLocker lock(&_requestMutex);
}

void AVSoundOutput::_checkAudioDevices()
{
    const QString name = QAudioDeviceInfo::defaultOutputDevice().deviceName();
    {
        QMutexLocker lock(&_requestMutex);
        if (name == _deviceName)
            return;
        _deviceName = name;
    }
    qDebug() << "Default audio device changed to:" << name;
    // The listener replaces (deletes) this object here.
    if (_listener)
        _listener->onAudioDeviceChanged(name);
}

void AVSoundOutput::onStateChanged(int state)
{
    if (state == AVSoundDevice::Stopped && _relaunching) {
        qDebug() << "Skip this StoppedState";
        _relaunching = false;
        return;
    }
    _reportState(state);
}

void AVSoundOutput::_reportState(int state)
{
    if (_listener)
        _listener->onAudioOutputStateChanged(state);
}

void AVSoundOutput::_wakeFillThread()
{
    QMutexLocker lock(&_sleepMutex);
    _wakeRequested = true;
    _wakeCondition.wakeAll();
}

void AVSoundOutput::_sleep(unsigned long milliseconds)
{
    QMutexLocker lock(&_sleepMutex);
    if (!_wakeRequested && !_exitRequest)
        _wakeCondition.wait(&_sleepMutex, milliseconds);
    _wakeRequested = false;
}

int AVSoundOutput::fillLoop(AVThread_QThread_Type*, void* output)
{
    static_cast<AVSoundOutput*>(output)->_runFillLoop();
    return 0;
}

void AVSoundOutput::_runFillLoop()
{
    _threadRunning = true;
    int suspendWaits = 0;
    while (!_exitRequest) {
        switch (_fillPass(suspendWaits)) {
        case Next::Continue:
            break;
        case Next::Sleep:
            _sleep(kPassSleepMs);
            break;
        case Next::Park: {
            _sleep(kParkedWaitMs);
            QMutexLocker lock(&_requestMutex);
            if (_stopRequest) {
                _pending.clear();
                _stopRequest = false;
            }
            break;
        }
        }
    }
    _threadRunning = false;
    qDebug() << "Sound output stream end";
}

AVSoundOutput::Next AVSoundOutput::_fillPass(int& suspendWaits)
{
    QMutexLocker lock(&_requestMutex);
    const int error = _device->error();
    if (error != AVSoundDevice::NoError && error != AVSoundDevice::UnderrunError) {
        _pending.clear();
        return Next::Park;
    }
    const int state = _device->state();
    if (state == AVSoundDevice::Suspended || state == AVSoundDevice::Stopped) {
        if (state == AVSoundDevice::Stopped || _discard)
            _pending.clear();
        _suspendPending = false;
        _discard = false;
        return Next::Park;
    }
    if (_suspendQueued)
        return Next::Sleep;
    _advanceFade(suspendWaits);
    if (_suspendPending) {
        if (state == AVSoundDevice::Idle || suspendWaits > kSuspendWaitLimit) {
            // The platform device's suspend stops its timers, which only its
            // own thread may do: the owning thread suspends it.
            _suspendPending = false;
            _suspendQueued = true;
            QMetaObject::invokeMethod(this, &AVSoundOutput::_doSuspend, Qt::QueuedConnection);
            return Next::Sleep;
        }
        ++suspendWaits;
        return Next::Sleep;
    }
    const int period = _device->periodSize();
    if (period <= 0 || _device->bytesFree() < period)
        return Next::Sleep;
    if (_pending.size() >= period) {
        _writeFront(period);
        return Next::Continue;
    }
    if (_discard)
        return Next::Sleep;
    return _feed(lock, period, suspendWaits);
}

void AVSoundOutput::_advanceFade(int& suspendWaits)
{
    if (_fadingOut) {
        ++_fadeStep;
        if (_fadeStep < kFadeStepCount) {
            _setVolume(float(_targetVolume * (1.0 + std::cos(kPi * _fadeStep / kFadeStepCount)) / 2.0));
        } else {
            _setVolume(0.0f);
            _fadingOut = false;
            _suspendPending = true;
            suspendWaits = 0;
            qDebug() << "Fade out completed, start suspending";
        }
    }
    if (_fadingIn) {
        ++_fadeStep;
        if (_fadeStep < kFadeStepCount) {
            _setVolume(float(_targetVolume * (1.0 - std::cos(kPi * _fadeStep / kFadeStepCount)) / 2.0));
        } else {
            _setVolume(_targetVolume);
            _fadingIn = false;
            qDebug() << "Fade in completed, volume restored to:" << _targetVolume;
        }
    }
}

void AVSoundOutput::_setVolume(float volume)
{
    _device->setVolume(volume);
    emit volumeApplied(volume);
}

AVSoundOutput::Next AVSoundOutput::_feed(QMutexLocker& lock, int period, int& suspendWaits)
{
    // Mixing may take a while: requests must not wait for it.
    lock.unlock();
    for (int i = 0; i < kMixWaitTries && !_source->isMixComplete() && !_exitRequest; ++i)
        avThreadSleep(0.01);
    lock.relock();
    // A stop that came meanwhile wants nothing more read. The read itself holds the
    // request mutex: a pause and play between a read and its bytes joining the pending
    // ones would put what the play wrote before them, a stop and play would have the
    // play go on with what came before the stop.
    if (_exitRequest || _discard)
        return Next::Continue;
    const double position = _readPending();
    int n = std::min(_pending.size(), period);
    if (n < 1) {
        qDebug() << "No audio data, loop=" << suspendWaits << _fadingOut;
        if (!_fadingOut) {
            // Suspended once the device has played what it holds.
            _suspendPending = true;
            suspendWaits = 0;
        }
        return Next::Sleep;
    }
    if (n < period) {
        if (_source->isAudioAtEnd()) {
            qDebug() << "Add mute data to tail";
            _pending.append(QByteArray(period - n, '\0'));
            n = _pending.size();
            _fadingIn = false;
            _fadingOut = true;
            _fadeStep = 0;
        }
        qDebug() << "Not enough buf len " << n << position / _sampleRate;
    }
    _writeFront(n);
    return Next::Continue;
}

double AVSoundOutput::_readPending()
{
    double position = 0.0;
    const int32_t length = _source->readAudio(_readBuffer.get(), _readBufferSize, &position);
    if (length <= 0)
        return position;
    _pending.append(reinterpret_cast<const char*>(_readBuffer.get()), length);
    _pendingEnd = (position + double(length) / (_channelCount * 2)) / _sampleRate;
    return position;
}

void AVSoundOutput::_fillResumedDevice()
{
    const int period = _device->periodSize();
    if (period <= 0)
        return;
    // The platform's device begins to play only once its buffer is full: the
    // part of a period that fills it up goes in too, or the sound would wait
    // for the fill thread while the playback clock runs.
    const int frameBytes = _channelCount * 2;
    int room = _device->bytesFree() / frameBytes * frameBytes;
    // Only what is mixed already: the owning thread does not wait for the mix.
    if (_pending.size() < room)
        _readPending();
    int suspendWaits = 0;
    while (room > 0 && _pending.size() >= std::min(period, room)) {
        const int length = std::min(period, room);
        _advanceFade(suspendWaits);
        _writeFront(length);
        room -= length;
    }
}

void AVSoundOutput::_writeFront(int length)
{
    // The device may take less than asked; what it left stays in front.
    const int64_t written = _device->write(_pending.constData(), std::min(length, int(_pending.size())));
    if (written <= 0)
        return;
    _pending.remove(0, int(written));
    const double bytesPerSecond = double(_sampleRate) * _channelCount * 2;
    _playingPosition = _pendingEnd - (_pending.size() + _device->bufferedBytes()) / bytesPerSecond;
}
