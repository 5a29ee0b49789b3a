#include "AVNullSoundDevice.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kPeriodMs = 20;
constexpr int kPeriodsBuffered = 5;
} // namespace

AVNullSoundDevice::AVNullSoundDevice(int sampleRate, int channelCount, QObject* parent)
    : AVSoundDevice(parent)
    , _frameBytes(std::max(1, channelCount) * 2)
    , _bytesPerSecond(double(std::max(1, sampleRate)) * _frameBytes)
    , _periodBytes(std::max(1, sampleRate * kPeriodMs / 1000) * _frameBytes)
    , _bufferBytes(_periodBytes * kPeriodsBuffered)
{
}

bool AVNullSoundDevice::_drain()
{
    const Clock::time_point now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - _lastDrain).count();
    _lastDrain = now;
    if (_state != Active)
        return false;
    _buffered = std::max(0.0, _buffered - elapsed * _bytesPerSecond);
    if (_buffered > 0.0)
        return false;
    _error = UnderrunError;
    return _setState(Idle);
}

bool AVNullSoundDevice::_setState(int state)
{
    const bool changed = _state != state;
    _state = state;
    return changed;
}

void AVNullSoundDevice::_report(bool changed, int state)
{
    if (changed)
        emit stateChanged(state);
}

int AVNullSoundDevice::state()
{
    bool wentIdle = false;
    int current = 0;
    {
        QMutexLocker lock(&_mutex);
        wentIdle = _drain();
        current = _state;
    }
    _report(wentIdle, current);
    return current;
}

int AVNullSoundDevice::error()
{
    QMutexLocker lock(&_mutex);
    return _error;
}

bool AVNullSoundDevice::start()
{
    bool changed = false;
    {
        QMutexLocker lock(&_mutex);
        _buffered = 0.0;
        _error = NoError;
        _lastDrain = Clock::now();
        changed = _setState(Idle);
    }
    _report(changed, _stateNow());
    return true;
}

void AVNullSoundDevice::stop()
{
    bool changed = false;
    {
        QMutexLocker lock(&_mutex);
        _buffered = 0.0;
        _error = NoError;
        changed = _setState(Stopped);
    }
    _report(changed, _stateNow());
}

void AVNullSoundDevice::suspend()
{
    bool changed = false;
    {
        QMutexLocker lock(&_mutex);
        _drain();
        if (_state == Active || _state == Idle)
            changed = _setState(Suspended);
    }
    _report(changed, _stateNow());
}

void AVNullSoundDevice::resume()
{
    bool changed = false;
    {
        QMutexLocker lock(&_mutex);
        if (_state == Suspended) {
            _lastDrain = Clock::now();
            _error = NoError;
            changed = _setState(Active);
        }
    }
    _report(changed, _stateNow());
}

int AVNullSoundDevice::bytesFree()
{
    bool wentIdle = false;
    int free = 0;
    int current = 0;
    {
        QMutexLocker lock(&_mutex);
        wentIdle = _drain();
        current = _state;
        if (_state == Active || _state == Idle) {
            const int buffered = int(std::ceil(_buffered));
            free = (_bufferBytes - buffered) / _frameBytes * _frameBytes;
        }
    }
    _report(wentIdle, current);
    return free;
}

int AVNullSoundDevice::bufferedBytes()
{
    QMutexLocker lock(&_mutex);
    _drain();
    return int(std::ceil(_buffered));
}

int64_t AVNullSoundDevice::write(const char*, int64_t length)
{
    const int64_t taken = std::min<int64_t>(std::max<int64_t>(length, 0), bytesFree());
    if (taken <= 0)
        return 0;
    bool changed = false;
    {
        QMutexLocker lock(&_mutex);
        _buffered += double(taken);
        _error = NoError;
        changed = _setState(Active);
    }
    _report(changed, _stateNow());
    return taken;
}

int AVNullSoundDevice::_stateNow()
{
    QMutexLocker lock(&_mutex);
    return _state;
}
