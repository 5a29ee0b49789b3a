#pragma once

#include "AVEasing.h"

class AVSegment;
struct AVAnimatedValues;

// Property type numbers index the per-type tables of one evaluation:
// 1 volume, 2 transparency, 3 position, 4 scale, 5..7 rotations, 8 anchor,
// 9 and 10 crop corners, 11 + index effect colours, 20 + corner point
// offsets, 25..28 feathering.
constexpr int kAVPropertyTypeCount = 32;

// One animated property of a segment: begin and end values, a window given
// as fractions of the owning segment's duration, and an easing curve.
// Each kind names its property type, the kind of segment it acts on and the
// current value it writes.
class AVTransition {
public:
    AVTransition(float fromX, float fromY, float toX, float toY, double relativeStart, double relativeDuration);
    AVTransition(float from, float to, double relativeStart, double relativeDuration);
    virtual ~AVTransition() = default;
    AVTransition(const AVTransition&) = delete;
    AVTransition& operator=(const AVTransition&) = delete;

    // Writes the value at the segment's local time when the window contains
    // it and the segment is of this kind's target; returns whether it wrote.
    virtual bool apply(AVSegment* segment, double time, AVTransition** latest);
    virtual int propertyType() const = 0;
    // Writes the end value when the segment is of this kind's target.
    virtual void applyEnd(AVSegment* segment);

    // True when start <= time <= end (both ends included). Otherwise, for a
    // window that ended before the time, records this transition in *latest
    // unless the one already there ends at the same time or later.
    bool isActiveAt(const AVSegment* segment, double time, AVTransition** latest);

    double relativeStart(double segmentDuration) const { return _relativeStart * segmentDuration; }
    double relativeDuration(double segmentDuration) const { return _relativeDuration * segmentDuration; }
    void setRelativeStart(double fraction) { _relativeStart = fraction; }
    void setRelativeDuration(double fraction) { _relativeDuration = fraction; }

    float fromX() const { return _fromX; }
    float fromY() const { return _fromY; }
    float toX() const { return _toX; }
    float toY() const { return _toY; }
    void setFrom(float x) { _fromX = x; }
    void setFrom(float x, float y) { _fromX = x; _fromY = y; }
    void setTo(float x) { _toX = x; }
    void setTo(float x, float y) { _toX = x; _toY = y; }

    int easingType() const { return _easingType; }
    void setEasing(int type);

protected:
    // Whether this kind acts on the segment (visual kinds on layers).
    virtual bool _acceptsSegment(const AVSegment* segment) const;
    // Transparency and volume progress linearly whatever their easing.
    virtual bool _isEased() const { return true; }
    // Stores a value (y unused by single-valued kinds) into the current values.
    virtual void _write(AVAnimatedValues& values, float x, float y) const = 0;
    // Stores a value for the segment: kinds whose value a segment converts
    // (scale and anchor on text layers) override it.
    virtual void _writeFor(AVSegment*, AVAnimatedValues& values, float x, float y) const { _write(values, x, y); }

private:
    double _windowEnd(double segmentDuration) const;

    float _fromX;
    float _fromY;
    float _toX;
    float _toY;
    double _relativeStart;
    double _relativeDuration;
    int _easingType = kAVDefaultEasing;
    AVEasingFunction _easing;
};
