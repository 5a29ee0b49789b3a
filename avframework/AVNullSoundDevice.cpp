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

void AVNullSoundDevice::_beginWrittenPiece()
{
    if (_keepingWritten)
        _written.emplace_back();
}

bool AVNullSoundDevice::_setState(int state)
{
    const bool changed = _state != state;
    _state = state;
    return changed;
}

int AVNullSoundDevice::_freeBytes() const
{
    if (_state != Active && _state != Idle)
        return 0;
    const int buffered = int(std::ceil(_buffered));
    return (_bufferBytes - buffered) / _frameBytes * _frameBytes;
}

template <typename Change>
void AVNullSoundDevice::_apply(Change change)
{
    bool changed = false;
    int state = 0;
    {
        QMutexLocker lock(&_mutex);
        changed = change();
        state = _state;
    }
    // Outside the mutex: a receiver on this thread may call back in.
    if (changed)
        emit stateChanged(state);
}

int AVNullSoundDevice::state()
{
    _apply([this] { return _drain(); });
    QMutexLocker lock(&_mutex);
    return _state;
}

int AVNullSoundDevice::error()
{
    QMutexLocker lock(&_mutex);
    return _error;
}

bool AVNullSoundDevice::start()
{
    _apply([this] {
        _buffered = 0.0;
        _error = NoError;
        _lastDrain = Clock::now();
        _beginWrittenPiece();
        return _setState(Idle);
    });
    return true;
}

void AVNullSoundDevice::stop()
{
    _apply([this] {
        _buffered = 0.0;
        _error = NoError;
        return _setState(Stopped);
    });
}

void AVNullSoundDevice::suspend()
{
    _apply([this] {
        const bool wentIdle = _drain();
        if (_state != Active && _state != Idle)
            return wentIdle;
        _suspendedIn = _state;
        return _setState(Suspended) || wentIdle;
    });
}

void AVNullSoundDevice::resume()
{
    _apply([this] {
        _beginWrittenPiece();
        if (_state != Suspended)
            return false;
        _lastDrain = Clock::now();
        _error = NoError;
        return _setState(_suspendedIn);
    });
}

int AVNullSoundDevice::bytesFree()
{
    int free = 0;
    _apply([&] {
        const bool wentIdle = _drain();
        free = _freeBytes();
        return wentIdle;
    });
    return free;
}

int AVNullSoundDevice::bufferedBytes()
{
    int buffered = 0;
    _apply([&] {
        const bool wentIdle = _drain();
        buffered = int(std::ceil(_buffered));
        return wentIdle;
    });
    return buffered;
}

int64_t AVNullSoundDevice::write(const char* data, int64_t length)
{
    int64_t taken = 0;
    _apply([&] {
        _drain();
        taken = std::min<int64_t>(std::max<int64_t>(length, 0), _freeBytes());
        if (taken <= 0)
            return false;
        _buffered += double(taken);
        if (_keepingWritten)
            _written.back().append(data, int(taken));
        _error = NoError;
        return _setState(Active);
    });
    return taken;
}

void AVNullSoundDevice::keepWritten()
{
    QMutexLocker lock(&_mutex);
    _keepingWritten = true;
    _written.assign(1, QByteArray());
}

std::vector<QByteArray> AVNullSoundDevice::written()
{
    QMutexLocker lock(&_mutex);
    return _written;
}
