#include "AVSoundSegment.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

AVSoundSegment::AVSoundSegment(double start) : AVSoundSegment(start, 0.0)
{
}

AVSoundSegment::AVSoundSegment(double start, double duration)
    : AVSegment(start, duration), _soundMutex(avMutexCreate())
{
    _guardAnimationsWith(_soundMutex.get());
}

AVSoundSegment::~AVSoundSegment() = default;

void AVSoundSegment::setVolume(float volume)
{
    QMutexLocker lock(_soundMutex.get());
    _volume = std::max(0.0f, volume);
}

float AVSoundSegment::volume() const
{
    QMutexLocker lock(_soundMutex.get());
    return _volume;
}

float AVSoundSegment::currentVolume() const
{
    QMutexLocker lock(_soundMutex.get());
    return _current.volume;
}

void AVSoundSegment::applyAnimationsAt(double time)
{
    QMutexLocker lock(_soundMutex.get());
    const double start = startTime();
    _current.volume = std::max(0.0f, _volume);
    _evaluateTransitions(std::max(start, time) - start);
}

void AVSoundSegment::setPitch(double)
{
}

int32_t AVSoundSegment::readSamples(uint8_t*, int32_t, double*, int64_t, int64_t, uint8_t* done)
{
    if (done)
        *done = 1;
    return 0;
}
