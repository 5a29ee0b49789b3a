// The begin and end states of a segment's transitions: the values of the
// animated properties where a transition starts and where it ends.
#include "Segment.h"

#include "SegmentKeys.h"

namespace {

constexpr double kQuarterTurn = 1.5707963267948966; // radians

enum class ValueKind { Float, Int, Point, Scale, Rotation };

struct AnimatedProperty {
    const QString& key;
    ValueKind kind;
    float defaultNumber;
    QPointF defaultPoint;
};

// Every property a state holds, in the order states are written.
const AnimatedProperty kAnimatedProperties[] = {
    {SegmentKey::UserVolume, ValueKind::Float, SegmentDefault::UserVolume, {}},
    {SegmentKey::UserScale, ValueKind::Scale, 0.0f, SegmentDefault::UserScale},
    {SegmentKey::UserTranslation, ValueKind::Point, 0.0f, {}},
    {SegmentKey::UserTransparency, ValueKind::Float, 0.0f, {}},
    {SegmentKey::UserRotation, ValueKind::Rotation, 0.0f, {}},
    {SegmentKey::UserFlip, ValueKind::Int, 0.0f, {}},
    {SegmentKey::UserRotationX, ValueKind::Float, 0.0f, {}},
    {SegmentKey::UserRotationY, ValueKind::Float, 0.0f, {}},
    {SegmentKey::UserAnchorPoint, ValueKind::Point, 0.0f, SegmentDefault::UserAnchorPoint},
    {SegmentKey::CropTopLeft, ValueKind::Point, 0.0f, {}},
    {SegmentKey::CropBottomRight, ValueKind::Point, 0.0f, SegmentDefault::CropBottomRight},
    {SegmentKey::ClrSaturation, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrBrightness, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrContrast, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrWhiteBalance, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrExposure, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrHue, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrRed, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrGreen, ValueKind::Int, 0.0f, {}},
    {SegmentKey::ClrBlue, ValueKind::Int, 0.0f, {}},
    {SegmentKey::UserPoint0Offset, ValueKind::Point, 0.0f, {}},
    {SegmentKey::UserPoint1Offset, ValueKind::Point, 0.0f, {}},
    {SegmentKey::UserPoint2Offset, ValueKind::Point, 0.0f, {}},
    {SegmentKey::UserPoint3Offset, ValueKind::Point, 0.0f, {}},
    {SegmentKey::FeatheringX0, ValueKind::Float, 0.0f, {}},
    {SegmentKey::FeatheringY0, ValueKind::Float, 0.0f, {}},
    {SegmentKey::FeatheringX1, ValueKind::Float, 0.0f, {}},
    {SegmentKey::FeatheringY1, ValueKind::Float, 0.0f, {}},
};

} // namespace

void Segment::_copyAnimatedProperties(const SegmentAttributes* from, SegmentAttributes* to, bool fullRotation)
{
    for (const AnimatedProperty& property : kAnimatedProperties) {
        const QString& key = property.key;
        switch (property.kind) {
        case ValueKind::Float:
            setFloatAttribute(to, key, floatAttribute(from, key, property.defaultNumber));
            break;
        case ValueKind::Int:
            setIntAttribute(to, key, intAttribute(from, key, 0));
            break;
        case ValueKind::Point:
            setPointAttribute(to, key, pointAttribute(from, key, property.defaultPoint));
            break;
        case ValueKind::Scale:
            setPointAttribute(to, key, scaleAttribute(from, key));
            break;
        case ValueKind::Rotation:
            // A segment keeps its own rotation with all digits; states keep six.
            if (fullRotation)
                setStringAttribute(to, key, _rotationText(doubleAttribute(from, key, 0.0)));
            else
                setDoubleAttribute(to, key, doubleAttribute(from, key, 0.0));
            break;
        }
    }
}

void Segment::applyTransitionState(int id, bool begin)
{
    SegmentAttributes* state = transitionStateAt(id, begin);
    if (!state)
        return;
    const SegmentAttributes* from = nullptr;
    if (!begin)
        from = transitionStateAt(id, true);
    else if (transitionAt(id - 1))
        from = transitionStateAt(id - 1, false);
    else
        from = _attributes.get();
    _copyAnimatedProperties(from, state, false);
}

void Segment::copyTransitionStateFrom(int id, const Segment* source, bool begin)
{
    const SegmentAttributes* state = source ? source->transitionStateAt(id, begin) : nullptr;
    if (state)
        _copyAnimatedProperties(state, _attributes.get(), true);
}

float Segment::transitionUserVolume(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::UserVolume, SegmentDefault::UserVolume); }
void Segment::setTransitionUserVolume(int id, bool begin, float volume) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::UserVolume, volume); }
QPointF Segment::transitionUserScale(int id, bool begin) const { return scaleAttribute(transitionStateAt(id, begin), SegmentKey::UserScale); }
void Segment::setTransitionUserScale(int id, bool begin, const QPointF& scale) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserScale, scale); }
QPointF Segment::transitionUserTranslation(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::UserTranslation, QPointF()); }
void Segment::setTransitionUserTranslation(int id, bool begin, const QPointF& translation) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserTranslation, translation); }
float Segment::transitionUserTransparency(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::UserTransparency, 0.0f); }
void Segment::setTransitionUserTransparency(int id, bool begin, float transparency) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::UserTransparency, transparency); }
float Segment::transitionUserRotation(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::UserRotation, 0.0f); }
void Segment::setTransitionUserRotation(int id, bool begin, float rotation) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::UserRotation, rotation); }
int Segment::transitionUserFlip(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::UserFlip, 0); }
void Segment::setTransitionUserFlip(int id, bool begin, int flip) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::UserFlip, flip); }
float Segment::transitionUserRotationX(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::UserRotationX, 0.0f); }
void Segment::setTransitionUserRotationX(int id, bool begin, float rotation) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::UserRotationX, rotation); }
float Segment::transitionUserRotationY(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::UserRotationY, 0.0f); }
void Segment::setTransitionUserRotationY(int id, bool begin, float rotation) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::UserRotationY, rotation); }
QPointF Segment::transitionUserAnchorPoint(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::UserAnchorPoint, SegmentDefault::UserAnchorPoint); }
void Segment::setTransitionUserAnchorPoint(int id, bool begin, const QPointF& anchor) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserAnchorPoint, anchor); }
QPointF Segment::transitionCropTopLeft(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::CropTopLeft, QPointF()); }
void Segment::setTransitionCropTopLeft(int id, bool begin, const QPointF& point) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::CropTopLeft, point); }
QPointF Segment::transitionCropBottomRight(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::CropBottomRight, SegmentDefault::CropBottomRight); }
void Segment::setTransitionCropBottomRight(int id, bool begin, const QPointF& point) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::CropBottomRight, point); }
int Segment::transitionClrSaturation(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrSaturation, 0); }
void Segment::setTransitionClrSaturation(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrSaturation, value); }
int Segment::transitionClrBrightness(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrBrightness, 0); }
void Segment::setTransitionClrBrightness(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrBrightness, value); }
int Segment::transitionClrContrast(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrContrast, 0); }
void Segment::setTransitionClrContrast(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrContrast, value); }
int Segment::transitionClrWhiteBalance(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrWhiteBalance, 0); }
void Segment::setTransitionClrWhiteBalance(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrWhiteBalance, value); }
int Segment::transitionClrExposure(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrExposure, 0); }
void Segment::setTransitionClrExposure(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrExposure, value); }
int Segment::transitionClrHue(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrHue, 0); }
void Segment::setTransitionClrHue(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrHue, value); }
int Segment::transitionClrRed(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrRed, 0); }
void Segment::setTransitionClrRed(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrRed, value); }
int Segment::transitionClrGreen(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrGreen, 0); }
void Segment::setTransitionClrGreen(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrGreen, value); }
int Segment::transitionClrBlue(int id, bool begin) const { return intAttribute(transitionStateAt(id, begin), SegmentKey::ClrBlue, 0); }
void Segment::setTransitionClrBlue(int id, bool begin, int value) { setIntAttribute(transitionStateAt(id, begin), SegmentKey::ClrBlue, value); }
QPointF Segment::transitionUserPoint0Offset(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint0Offset, QPointF()); }
void Segment::setTransitionUserPoint0Offset(int id, bool begin, const QPointF& offset) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint0Offset, offset); }
QPointF Segment::transitionUserPoint1Offset(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint1Offset, QPointF()); }
void Segment::setTransitionUserPoint1Offset(int id, bool begin, const QPointF& offset) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint1Offset, offset); }
QPointF Segment::transitionUserPoint2Offset(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint2Offset, QPointF()); }
void Segment::setTransitionUserPoint2Offset(int id, bool begin, const QPointF& offset) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint2Offset, offset); }
QPointF Segment::transitionUserPoint3Offset(int id, bool begin) const { return pointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint3Offset, QPointF()); }
void Segment::setTransitionUserPoint3Offset(int id, bool begin, const QPointF& offset) { setPointAttribute(transitionStateAt(id, begin), SegmentKey::UserPoint3Offset, offset); }
float Segment::transitionFeatheringX0(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringX0, 0.0f); }
void Segment::setTransitionFeatheringX0(int id, bool begin, float value) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringX0, value); }
float Segment::transitionFeatheringY0(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringY0, 0.0f); }
void Segment::setTransitionFeatheringY0(int id, bool begin, float value) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringY0, value); }
float Segment::transitionFeatheringX1(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringX1, 0.0f); }
void Segment::setTransitionFeatheringX1(int id, bool begin, float value) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringX1, value); }
float Segment::transitionFeatheringY1(int id, bool begin) const { return floatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringY1, 0.0f); }
void Segment::setTransitionFeatheringY1(int id, bool begin, float value) { setFloatAttribute(transitionStateAt(id, begin), SegmentKey::FeatheringY1, value); }

// --- Quarter turns and flips of a state ------------------------------------------

void Segment::rotateTransitionStateClockwise(int id, bool begin)
{
    setTransitionUserRotation(id, begin, float(double(transitionUserRotation(id, begin)) + kQuarterTurn));
}

void Segment::rotateTransitionStateCounterClockwise(int id, bool begin)
{
    setTransitionUserRotation(id, begin, float(double(transitionUserRotation(id, begin)) - kQuarterTurn));
}

void Segment::setTransitionStateFlippedHorizontally(int id, bool begin, bool flipped)
{
    setTransitionUserFlip(id, begin, _withFlag(transitionUserFlip(id, begin), kFlipHorizontal, flipped));
}

bool Segment::isTransitionStateFlippedHorizontally(int id, bool begin) const
{
    return transitionUserFlip(id, begin) & kFlipHorizontal;
}

void Segment::setTransitionStateFlippedVertically(int id, bool begin, bool flipped)
{
    setTransitionUserFlip(id, begin, _withFlag(transitionUserFlip(id, begin), kFlipVertical, flipped));
}

bool Segment::isTransitionStateFlippedVertically(int id, bool begin) const
{
    return transitionUserFlip(id, begin) & kFlipVertical;
}
