#pragma once

#include <QPointF>
#include <QRgb>
#include <QString>

// The keys of a segment's attribute dictionary as they appear in project files.
namespace SegmentKey {

// Identity and structure
inline const QString UId = QStringLiteral("UId");
inline const QString TimeStamp = QStringLiteral("TimeStamp");
inline const QString Type = QStringLiteral("Type");
inline const QString Transition = QStringLiteral("Transition");
inline const QString TBegin = QStringLiteral("TBegin");
inline const QString TEnd = QStringLiteral("TEnd");
inline const QString TStart = QStringLiteral("TStart");
inline const QString TDuration = QStringLiteral("TDuration");
inline const QString TEasingFunction = QStringLiteral("TEasingFunction");

// Media files: the file's path (relative to the project folder when inside
// it), the played part of the media in media seconds, a drawing's canvas.
inline const QString File = QStringLiteral("File");
inline const QString TrimStart = QStringLiteral("TrimStart");
inline const QString TrimDuration = QStringLiteral("TrimDuration");
inline const QString DrawSize = QStringLiteral("DrawSize");

// Placement on the timeline
inline const QString TrackId = QStringLiteral("TrackId");
inline const QString RangeStart = QStringLiteral("RangeStart");
inline const QString RangeDuration = QStringLiteral("RangeDuration");
inline const QString Speed = QStringLiteral("Speed");
inline const QString Pitch = QStringLiteral("Pitch");

// Transform and appearance, also the keys of a transition state
inline const QString UserVolume = QStringLiteral("UserVolume");
inline const QString UserScale = QStringLiteral("UserScale");
inline const QString UserTranslation = QStringLiteral("UserTranslation");
inline const QString UserTransparency = QStringLiteral("UserTransparency");
inline const QString UserRotation = QStringLiteral("UserRotation");
inline const QString UserFlip = QStringLiteral("UserFlip");
inline const QString UserRotationX = QStringLiteral("UserRotationX");
inline const QString UserRotationY = QStringLiteral("UserRotationY");
inline const QString UserAnchorPoint = QStringLiteral("UserAnchorPoint");
inline const QString CropTopLeft = QStringLiteral("CropTopLeft");
inline const QString CropBottomRight = QStringLiteral("CropBottomRight");
inline const QString ClrSaturation = QStringLiteral("ClrSaturation");
inline const QString ClrBrightness = QStringLiteral("ClrBrightness");
inline const QString ClrContrast = QStringLiteral("ClrContrast");
inline const QString ClrWhiteBalance = QStringLiteral("ClrWhiteBalance");
inline const QString ClrExposure = QStringLiteral("ClrExposure");
inline const QString ClrHue = QStringLiteral("ClrHue");
inline const QString ClrRed = QStringLiteral("ClrRed");
inline const QString ClrGreen = QStringLiteral("ClrGreen");
inline const QString ClrBlue = QStringLiteral("ClrBlue");
inline const QString UserPoint0Offset = QStringLiteral("UserPoint0Offset");
inline const QString UserPoint1Offset = QStringLiteral("UserPoint1Offset");
inline const QString UserPoint2Offset = QStringLiteral("UserPoint2Offset");
inline const QString UserPoint3Offset = QStringLiteral("UserPoint3Offset");
inline const QString FeatheringX0 = QStringLiteral("FeatheringX0");
inline const QString FeatheringY0 = QStringLiteral("FeatheringY0");
inline const QString FeatheringX1 = QStringLiteral("FeatheringX1");
inline const QString FeatheringY1 = QStringLiteral("FeatheringY1");

// Static effects
inline const QString Perspective = QStringLiteral("Perspective");
inline const QString CornerRadius = QStringLiteral("CornerRadius");
inline const QString CornerRadiusFraction = QStringLiteral("CornerRadiusFraction");
inline const QString BorderColor = QStringLiteral("BorderColor");
inline const QString BorderWidth = QStringLiteral("BorderWidth");
inline const QString BorderWidthFraction = QStringLiteral("BorderWidthFraction");
inline const QString BorderStroke = QStringLiteral("BorderStroke");
inline const QString BorderStrokeStrength = QStringLiteral("BorderStrokeStrength");
inline const QString BorderStrokeTolerance = QStringLiteral("BorderStrokeTolerance");
inline const QString KeyEnabled = QStringLiteral("KeyEnabled");
inline const QString KeyColor = QStringLiteral("KeyColor");
inline const QString KeySensitivity = QStringLiteral("KeySensitivity");
inline const QString KeySmoothing = QStringLiteral("KeySmoothing");
inline const QString ShadowColor = QStringLiteral("ShadowColor");
inline const QString ShadowOpacity = QStringLiteral("ShadowOpacity");
inline const QString ShadowRadiusFraction = QStringLiteral("ShadowRadiusFraction");
inline const QString ShadowOffset = QStringLiteral("ShadowOffset");
inline const QString ShadowOffsetFraction = QStringLiteral("ShadowOffsetFraction");
inline const QString ShadowPixelOffset = QStringLiteral("ShadowPixelOffset");

} // namespace SegmentKey

// What a getter returns for an absent key, where that is not zero. Segment
// properties and transition states share them.
namespace SegmentDefault {

constexpr float Speed = 1.0f;
constexpr float Pitch = 1.0f;
constexpr float UserVolume = 1.0f;
constexpr QPointF UserScale{1.0, 1.0};
constexpr QPointF UserAnchorPoint{0.5, 0.5};
constexpr QPointF CropBottomRight{1.0, 1.0};
constexpr int TEasingFunction = 4; // smooth in and out
constexpr QRgb BorderColor = 0xFFFFFFFF;
constexpr int BorderStrokeStrength = 100;
constexpr int BorderStrokeTolerance = 100;
constexpr QRgb KeyColor = 0xFF00FF00;
constexpr int KeySensitivity = 40;
constexpr int KeySmoothing = 10;
constexpr QRgb ShadowColor = 0xFF000000;
constexpr float ShadowRadiusFraction = 0.003125f;

} // namespace SegmentDefault

// Keys of the segments with media, text or recorded levels.
namespace SegmentKey {

inline const QString URL = QStringLiteral("URL");
inline const QString Title = QStringLiteral("Title");
inline const QString Artist = QStringLiteral("Artist");
inline const QString MeterValues = QStringLiteral("MeterValues");
inline const QString Text = QStringLiteral("Text");
inline const QString FontName = QStringLiteral("FontName");
inline const QString FontStyle = QStringLiteral("FontStyle");
inline const QString FontSize = QStringLiteral("FontSize");
inline const QString VideoSize = QStringLiteral("VideoSize");
inline const QString Color = QStringLiteral("Color");
inline const QString BackColor = QStringLiteral("BackColor");
inline const QString BackCorner = QStringLiteral("BackCorner");
inline const QString BackInset = QStringLiteral("BackInset");
inline const QString Alignment = QStringLiteral("Alignment");

} // namespace SegmentKey
