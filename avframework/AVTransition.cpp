#include "AVTransition.h"

#include "AVSegment.h"

AVTransition::AVTransition(float fromX, float fromY, float toX, float toY, double relativeStart,
                           double relativeDuration)
    : _fromX(fromX), _fromY(fromY), _toX(toX), _toY(toY), _relativeStart(relativeStart),
      _relativeDuration(relativeDuration), _easing(avEasingFunction(kAVDefaultEasing))
{
}

AVTransition::AVTransition(float from, float to, double relativeStart, double relativeDuration)
    : AVTransition(from, 0.0f, to, 0.0f, relativeStart, relativeDuration)
{
}

void AVTransition::setEasing(int type)
{
    _easingType = type;
    _easing = avEasingFunction(type);
}

double AVTransition::_windowEnd(double segmentDuration) const
{
    return relativeDuration(segmentDuration) + relativeStart(segmentDuration);
}

bool AVTransition::isActiveAt(const AVSegment* segment, double time, AVTransition** latest)
{
    const double d = segment->duration();
    const double s = relativeStart(d);
    const double e = _windowEnd(d);
    if (s <= time && time <= e)
        return true;
    if (latest && time > e && (!*latest || e > (*latest)->_windowEnd(d)))
        *latest = this;
    return false;
}

bool AVTransition::_acceptsSegment(const AVSegment* segment) const
{
    return segment->isVisual();
}

bool AVTransition::apply(AVSegment* segment, double time, AVTransition** latest)
{
    if (!isActiveAt(segment, time, latest) || !_acceptsSegment(segment))
        return false;
    AVAnimatedValues* values = segment->currentValues();
    if (!values)
        return false;

    const double d = segment->duration();
    const double s = relativeStart(d);
    const double length = _windowEnd(d) - s;
    // A window of zero length is active only at its start instant, where the
    // progress would be 0/0: it shows its end value there.
    if (!(length > 0.0)) {
        _writeFor(segment, *values, _toX, _toY);
        return true;
    }
    const double p = (time - s) / length;
    const double v = _isEased() ? _easing(p) : p;
    _writeFor(segment, *values, static_cast<float>(_fromX + v * (double(_toX) - _fromX)),
              static_cast<float>(_fromY + v * (double(_toY) - _fromY)));
    return true;
}

void AVTransition::applyEnd(AVSegment* segment)
{
    if (!_acceptsSegment(segment))
        return;
    if (AVAnimatedValues* values = segment->currentValues())
        _writeFor(segment, *values, _toX, _toY);
}
