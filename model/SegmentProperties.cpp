// The typed properties of a segment: placement on the timeline, transform,
// appearance and static effects.
#include "Segment.h"

#include "SegmentKeys.h"
#include "SegmentListener.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kMinimumSpeed = 0.25f;
constexpr float kMaximumSpeed = 4.0f;
constexpr int kRotationDigits = 16;

} // namespace

int Segment::trackId() const { return intAttribute(_attributes.get(), SegmentKey::TrackId, 0); }
void Segment::setTrackId(int trackId) { setIntAttribute(_attributes.get(), SegmentKey::TrackId, trackId); }

float Segment::rangeStart() const
{
    return rangeStartOf(_attributes.get());
}

void Segment::setRangeStart(float start)
{
    // A start pulled back by float noise (a ripple by a neighbour's length)
    // may come out a hair below zero; a start reads as no earlier than 0
    // and a project opens it as 0, so it is kept that way.
    setFloatAttribute(_attributes.get(), SegmentKey::RangeStart, std::max(0.0f, start));
    _reportRangeChanged();
}

float Segment::rangeStartOf(const SegmentAttributes* attributes)
{
    return std::max(0.0f, floatAttribute(attributes, SegmentKey::RangeStart, 0.0f));
}

float Segment::rangeDurationOf(const SegmentAttributes* attributes) const
{
    return floatAttribute(attributes, SegmentKey::RangeDuration, 0.0f) / speed();
}

void Segment::setRangeDuration(float duration)
{
    setFloatAttribute(_attributes.get(), SegmentKey::RangeDuration, duration * speed());
    _reportRangeChanged();
}

void Segment::_reportRangeChanged()
{
    if (_owner)
        _owner->segmentRangeChanged(this);
}

float Segment::speed() const
{
    const float speed = floatAttribute(_attributes.get(), SegmentKey::Speed, SegmentDefault::Speed);
    return speed >= kMinimumSpeed && speed <= kMaximumSpeed ? speed : SegmentDefault::Speed;
}

void Segment::setSpeed(float speed)
{
    setFloatAttribute(_attributes.get(), SegmentKey::Speed, std::clamp(speed, kMinimumSpeed, kMaximumSpeed));
}

float Segment::pitch() const { return floatAttribute(_attributes.get(), SegmentKey::Pitch, SegmentDefault::Pitch); }
void Segment::setPitch(float pitch) { setFloatAttribute(_attributes.get(), SegmentKey::Pitch, pitch); }

QPointF Segment::userTranslation() const { return pointAttribute(_attributes.get(), SegmentKey::UserTranslation, QPointF()); }
void Segment::setUserTranslation(const QPointF& translation) { setPointAttribute(_attributes.get(), SegmentKey::UserTranslation, translation); }
QPointF Segment::userScale() const { return scaleAttribute(_attributes.get(), SegmentKey::UserScale); }
void Segment::setUserScale(const QPointF& scale) { setPointAttribute(_attributes.get(), SegmentKey::UserScale, scale); }
double Segment::userRotation() const { return doubleAttribute(_attributes.get(), SegmentKey::UserRotation, 0.0); }

void Segment::setUserRotation(double radians)
{
    setStringAttribute(_attributes.get(), SegmentKey::UserRotation, _rotationText(radians));
}

QString Segment::_rotationText(double radians)
{
    return QString::number(radians, 'g', kRotationDigits);
}

float Segment::userRotationX() const { return floatAttribute(_attributes.get(), SegmentKey::UserRotationX, 0.0f); }
void Segment::setUserRotationX(float radians) { setFloatAttribute(_attributes.get(), SegmentKey::UserRotationX, radians); }
float Segment::userRotationY() const { return floatAttribute(_attributes.get(), SegmentKey::UserRotationY, 0.0f); }
void Segment::setUserRotationY(float radians) { setFloatAttribute(_attributes.get(), SegmentKey::UserRotationY, radians); }
QPointF Segment::userAnchorPoint() const { return pointAttribute(_attributes.get(), SegmentKey::UserAnchorPoint, SegmentDefault::UserAnchorPoint); }
void Segment::setUserAnchorPoint(const QPointF& anchor) { setPointAttribute(_attributes.get(), SegmentKey::UserAnchorPoint, anchor); }
QPointF Segment::userPoint0Offset() const { return pointAttribute(_attributes.get(), SegmentKey::UserPoint0Offset, QPointF()); }
void Segment::setUserPoint0Offset(const QPointF& offset) { setPointAttribute(_attributes.get(), SegmentKey::UserPoint0Offset, offset); }
QPointF Segment::userPoint1Offset() const { return pointAttribute(_attributes.get(), SegmentKey::UserPoint1Offset, QPointF()); }
void Segment::setUserPoint1Offset(const QPointF& offset) { setPointAttribute(_attributes.get(), SegmentKey::UserPoint1Offset, offset); }
QPointF Segment::userPoint2Offset() const { return pointAttribute(_attributes.get(), SegmentKey::UserPoint2Offset, QPointF()); }
void Segment::setUserPoint2Offset(const QPointF& offset) { setPointAttribute(_attributes.get(), SegmentKey::UserPoint2Offset, offset); }
QPointF Segment::userPoint3Offset() const { return pointAttribute(_attributes.get(), SegmentKey::UserPoint3Offset, QPointF()); }
void Segment::setUserPoint3Offset(const QPointF& offset) { setPointAttribute(_attributes.get(), SegmentKey::UserPoint3Offset, offset); }
int Segment::userFlip() const { return intAttribute(_attributes.get(), SegmentKey::UserFlip, 0); }
void Segment::setUserFlip(int flip) { setIntAttribute(_attributes.get(), SegmentKey::UserFlip, flip); }
float Segment::userTransparency() const { return floatAttribute(_attributes.get(), SegmentKey::UserTransparency, 0.0f); }
void Segment::setUserTransparency(float transparency) { setFloatAttribute(_attributes.get(), SegmentKey::UserTransparency, transparency); }
float Segment::userVolume() const { return floatAttribute(_attributes.get(), SegmentKey::UserVolume, SegmentDefault::UserVolume); }
void Segment::setUserVolume(float volume) { setFloatAttribute(_attributes.get(), SegmentKey::UserVolume, volume); }
QPointF Segment::cropTopLeft() const { return pointAttribute(_attributes.get(), SegmentKey::CropTopLeft, QPointF()); }
void Segment::setCropTopLeft(const QPointF& point) { setPointAttribute(_attributes.get(), SegmentKey::CropTopLeft, point); }
QPointF Segment::cropBottomRight() const { return pointAttribute(_attributes.get(), SegmentKey::CropBottomRight, SegmentDefault::CropBottomRight); }
void Segment::setCropBottomRight(const QPointF& point) { setPointAttribute(_attributes.get(), SegmentKey::CropBottomRight, point); }
float Segment::featheringX0() const { return floatAttribute(_attributes.get(), SegmentKey::FeatheringX0, 0.0f); }
void Segment::setFeatheringX0(float value) { setFloatAttribute(_attributes.get(), SegmentKey::FeatheringX0, value); }
float Segment::featheringX1() const { return floatAttribute(_attributes.get(), SegmentKey::FeatheringX1, 0.0f); }
void Segment::setFeatheringX1(float value) { setFloatAttribute(_attributes.get(), SegmentKey::FeatheringX1, value); }
float Segment::featheringY0() const { return floatAttribute(_attributes.get(), SegmentKey::FeatheringY0, 0.0f); }
void Segment::setFeatheringY0(float value) { setFloatAttribute(_attributes.get(), SegmentKey::FeatheringY0, value); }
float Segment::featheringY1() const { return floatAttribute(_attributes.get(), SegmentKey::FeatheringY1, 0.0f); }
void Segment::setFeatheringY1(float value) { setFloatAttribute(_attributes.get(), SegmentKey::FeatheringY1, value); }
int Segment::clrBrightness() const { return intAttribute(_attributes.get(), SegmentKey::ClrBrightness, 0); }
void Segment::setClrBrightness(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrBrightness, value); }
int Segment::clrContrast() const { return intAttribute(_attributes.get(), SegmentKey::ClrContrast, 0); }
void Segment::setClrContrast(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrContrast, value); }
int Segment::clrSaturation() const { return intAttribute(_attributes.get(), SegmentKey::ClrSaturation, 0); }
void Segment::setClrSaturation(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrSaturation, value); }
int Segment::clrExposure() const { return intAttribute(_attributes.get(), SegmentKey::ClrExposure, 0); }
void Segment::setClrExposure(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrExposure, value); }
int Segment::clrWhiteBalance() const { return intAttribute(_attributes.get(), SegmentKey::ClrWhiteBalance, 0); }
void Segment::setClrWhiteBalance(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrWhiteBalance, value); }
int Segment::clrHue() const { return intAttribute(_attributes.get(), SegmentKey::ClrHue, 0); }
void Segment::setClrHue(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrHue, value); }
int Segment::clrRed() const { return intAttribute(_attributes.get(), SegmentKey::ClrRed, 0); }
void Segment::setClrRed(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrRed, value); }
int Segment::clrGreen() const { return intAttribute(_attributes.get(), SegmentKey::ClrGreen, 0); }
void Segment::setClrGreen(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrGreen, value); }
int Segment::clrBlue() const { return intAttribute(_attributes.get(), SegmentKey::ClrBlue, 0); }
void Segment::setClrBlue(int value) { setIntAttribute(_attributes.get(), SegmentKey::ClrBlue, value); }

// Flags are stored as ints and only 1 counts as set.
bool Segment::perspective() const { return intAttribute(_attributes.get(), SegmentKey::Perspective, 0) == 1; }
void Segment::setPerspective(bool enabled) { setIntAttribute(_attributes.get(), SegmentKey::Perspective, enabled ? 1 : 0); }
float Segment::cornerRadius() const { return floatAttribute(_attributes.get(), SegmentKey::CornerRadius, 0.0f); }
void Segment::setCornerRadius(float radius) { setFloatAttribute(_attributes.get(), SegmentKey::CornerRadius, radius); }
float Segment::cornerRadiusFraction() const { return floatAttribute(_attributes.get(), SegmentKey::CornerRadiusFraction, 0.0f); }
void Segment::setCornerRadiusFraction(float fraction) { setFloatAttribute(_attributes.get(), SegmentKey::CornerRadiusFraction, fraction); }
QRgb Segment::borderColor() const { return colorAttribute(_attributes.get(), SegmentKey::BorderColor, SegmentDefault::BorderColor); }
void Segment::setBorderColor(QRgb color) { setColorAttribute(_attributes.get(), SegmentKey::BorderColor, color); }
float Segment::borderWidth() const { return floatAttribute(_attributes.get(), SegmentKey::BorderWidth, 0.0f); }
void Segment::setBorderWidth(float width) { setFloatAttribute(_attributes.get(), SegmentKey::BorderWidth, width); }
float Segment::borderWidthFraction() const { return floatAttribute(_attributes.get(), SegmentKey::BorderWidthFraction, 0.0f); }
void Segment::setBorderWidthFraction(float fraction) { setFloatAttribute(_attributes.get(), SegmentKey::BorderWidthFraction, fraction); }
bool Segment::borderStroke() const { return intAttribute(_attributes.get(), SegmentKey::BorderStroke, 0) == 1; }
void Segment::setBorderStroke(bool enabled) { setIntAttribute(_attributes.get(), SegmentKey::BorderStroke, enabled ? 1 : 0); }
int Segment::borderStrokeStrength() const { return intAttribute(_attributes.get(), SegmentKey::BorderStrokeStrength, SegmentDefault::BorderStrokeStrength); }
void Segment::setBorderStrokeStrength(int strength) { setIntAttribute(_attributes.get(), SegmentKey::BorderStrokeStrength, strength); }
int Segment::borderStrokeTolerance() const { return intAttribute(_attributes.get(), SegmentKey::BorderStrokeTolerance, SegmentDefault::BorderStrokeTolerance); }
void Segment::setBorderStrokeTolerance(int tolerance) { setIntAttribute(_attributes.get(), SegmentKey::BorderStrokeTolerance, tolerance); }
bool Segment::keyEnabled() const { return intAttribute(_attributes.get(), SegmentKey::KeyEnabled, 0) == 1; }
void Segment::setKeyEnabled(bool enabled) { setIntAttribute(_attributes.get(), SegmentKey::KeyEnabled, enabled ? 1 : 0); }
QRgb Segment::keyColor() const { return colorAttribute(_attributes.get(), SegmentKey::KeyColor, SegmentDefault::KeyColor); }
void Segment::setKeyColor(QRgb color) { setColorAttribute(_attributes.get(), SegmentKey::KeyColor, color); }
int Segment::keySensitivity() const { return intAttribute(_attributes.get(), SegmentKey::KeySensitivity, SegmentDefault::KeySensitivity); }
void Segment::setKeySensitivity(int sensitivity) { setIntAttribute(_attributes.get(), SegmentKey::KeySensitivity, sensitivity); }
int Segment::keySmoothing() const { return intAttribute(_attributes.get(), SegmentKey::KeySmoothing, SegmentDefault::KeySmoothing); }
void Segment::setKeySmoothing(int smoothing) { setIntAttribute(_attributes.get(), SegmentKey::KeySmoothing, smoothing); }
QRgb Segment::shadowColor() const { return colorAttribute(_attributes.get(), SegmentKey::ShadowColor, SegmentDefault::ShadowColor); }
void Segment::setShadowColor(QRgb color) { setColorAttribute(_attributes.get(), SegmentKey::ShadowColor, color); }
float Segment::shadowOpacity() const { return floatAttribute(_attributes.get(), SegmentKey::ShadowOpacity, 0.0f); }
void Segment::setShadowOpacity(float opacity) { setFloatAttribute(_attributes.get(), SegmentKey::ShadowOpacity, opacity); }
float Segment::shadowRadiusFraction() const { return floatAttribute(_attributes.get(), SegmentKey::ShadowRadiusFraction, SegmentDefault::ShadowRadiusFraction); }
void Segment::setShadowRadiusFraction(float fraction) { setFloatAttribute(_attributes.get(), SegmentKey::ShadowRadiusFraction, fraction); }

float Segment::shadowRadius(float reference) const
{
    return shadowRadiusFraction() * reference;
}

void Segment::setShadowRadius(float radius, float reference)
{
    // A zero reference (no canvas yet) must not store "inf" or "nan".
    const float fraction = radius / reference;
    setShadowRadiusFraction(std::isfinite(fraction) ? fraction : 0.0f);
}

QSizeF Segment::shadowOffset() const { return sizeAttribute(_attributes.get(), SegmentKey::ShadowOffset, QSizeF(0.0, 0.0)); }
QSizeF Segment::shadowOffsetFraction() const { return sizeAttribute(_attributes.get(), SegmentKey::ShadowOffsetFraction, QSizeF(-1.0, -1.0)); }
bool Segment::hasShadowOffsetFraction() const { return _attributes->findText(SegmentKey::ShadowOffsetFraction) != nullptr; }
void Segment::setShadowOffsetFraction(const QSizeF& fraction) { setSizeAttribute(_attributes.get(), SegmentKey::ShadowOffsetFraction, fraction); }
QSizeF Segment::shadowPixelOffset() const { return sizeAttribute(_attributes.get(), SegmentKey::ShadowPixelOffset, QSizeF(0.0, 0.0)); }
void Segment::setShadowPixelOffset(const QSizeF& offset) { setSizeAttribute(_attributes.get(), SegmentKey::ShadowPixelOffset, offset); }

// --- Operations built on the properties -------------------------------------------

bool Segment::setStartTime(const float& time)
{
    const float end = rangeStart() + duration();
    setRangeDuration(end - time);
    setRangeStart(time);
    return true;
}

bool Segment::setEndTime(const float& time)
{
    setRangeDuration(time - rangeStart());
    return true;
}

void Segment::rotateClockwise()
{
    setUserRotation(_quarterTurn(userRotation(), 90));
}

void Segment::rotateCounterClockwise()
{
    setUserRotation(_quarterTurn(userRotation(), -90));
}

double Segment::_quarterTurn(double radians, int degrees)
{
    // Snap to whole degrees (halves upwards) so that turns made after a free
    // rotation land on right angles again, then keep the sign of the result
    // (-90 stays -90, 450 becomes 90).
    const double snapped = std::floor(radians * 180.0 / kPi + 0.5);
    return std::fmod(snapped + degrees, 360.0) * kPi / 180.0;
}

int Segment::_withFlag(int flags, int flag, bool set)
{
    return set ? flags | flag : flags & ~flag;
}

void Segment::setFlippedHorizontally(bool flipped)
{
    setUserFlip(_withFlag(userFlip(), kFlipHorizontal, flipped));
}

bool Segment::isFlippedHorizontally() const
{
    return userFlip() & kFlipHorizontal;
}

void Segment::setFlippedVertically(bool flipped)
{
    setUserFlip(_withFlag(userFlip(), kFlipVertical, flipped));
}

bool Segment::isFlippedVertically() const
{
    return userFlip() & kFlipVertical;
}
