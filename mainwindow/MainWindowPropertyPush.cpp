// Every property a model segment holds, pushed to the engine segments that
// mirror it, with the unit conversions between the two, followed by the
// rebuild of its animation groups. Runs on the loading pool thread that
// reports the segment loaded, or on the GUI thread after undo or a decoder
// fallback.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentKeys.h"
#include "SegmentLengths.h"
#include "TextSegment.h"

#include <cmath>

namespace {

const QString kMovie = QStringLiteral("MOVIE");
const QString kText = QStringLiteral("TEXT");
const QString kMusic = QStringLiteral("MUSIC");
const QString kVoice = QStringLiteral("VOICE");

// The frame in which transforms of old projects were stored.
const QSizeF kOldFrame(640.0, 360.0);
constexpr double kPi = 3.141592653589793;

enum Property : int32_t {
    kTransparency = 1,
    kTranslation = 2,
    kScale = 3,
    kRotation = 4,
    kRotationX = 5,
    kRotationY = 6,
    kAnchor = 7,
    kCropTopLeft = 8,
    kCropBottomRight = 9,
    kBorderWidth = 10,
    kBorderColor = 11,
    kCornerRadius = 12,
    kShadowOpacity = 13,
    kShadowOffset = 14,
    kVolume = 15,
    kFontScale = 16,
    kTextColor = 17,
    kAlignment = 19,
    kSaturation = 20,
    kBackColor = 30,
    kBackInset = 31,
    kBackCorner = 32,
    kBorderStroke = 40,
    kBorderStrokeTolerance = 41,
    kBorderStrokeStrength = 42,
    kKeyEnabled = 50,
    kKeySensitivity = 51,
    kKeySmoothing = 52,
    kKeyColor = 53,
    kShadowRadius = 60,
    kShadowColor = 61,
    kPitch = 65,
    kPoint0Offset = 66,
    kPerspective = 70,
    kFeatheringX0 = 71,
};

float onOff(bool on)
{
    return on ? 1.0f : 0.0f;
}

// The rectangle's centre in the old frame, as a translation from its middle.
QPointF translationOfRect(const QRectF& rect)
{
    const QPointF centre = rect.center();
    const double halfWidth = kOldFrame.width() / 2.0;
    const double halfHeight = kOldFrame.height() / 2.0;
    return QPointF((centre.x() - halfWidth) / kOldFrame.width(), (centre.y() - halfHeight) / kOldFrame.height());
}

// The calls under one engine id, with the canvas the lengths refer to.
class EngineTarget
{
public:
    EngineTarget(AVEngine* engine, int32_t id, int width, int height)
        : _engine(engine), _id(id), _width(width), _height(height)
    {
    }

    void value(int32_t propertyId, float a) const { _engine->setSegmentProperty(_id, propertyId, a, 0.0f, 0.0f, 0.0f); }
    void point(int32_t propertyId, const QPointF& point) const
    {
        _engine->setSegmentProperty(_id, propertyId, float(point.x()), float(point.y()), 0.0f, 0.0f);
    }
    void colour(int32_t propertyId, QRgb colour) const
    {
        _engine->setSegmentProperty(_id, propertyId, qRed(colour) / 255.0f, qGreen(colour) / 255.0f,
                                    qBlue(colour) / 255.0f, 1.0f);
    }
    // A fraction of the canvas width as the engine receives it: the length in
    // pixels at this width, rounded to float, as a fraction again.
    float widthFraction(double fraction) const
    {
        return _width > 0 ? float(_width * fraction) / float(_width) : float(fraction);
    }
    AVEngine* engine() const { return _engine; }
    int32_t id() const { return _id; }
    int width() const { return _width; }
    int height() const { return _height; }

private:
    AVEngine* _engine;
    int32_t _id;
    int _width;
    int _height;
};

void pushTransform(const EngineTarget& target, const Segment* segment)
{
    target.point(kTranslation, segment->userTranslation());
    target.point(kScale, segment->userScale());
    target.value(kRotation, float(segment->userRotation()));
    target.value(kRotationX, segment->userRotationX());
    target.value(kRotationY, segment->userRotationY());
    target.point(kAnchor, segment->userAnchorPoint());
    const QPointF corners[] = {segment->userPoint0Offset(), segment->userPoint1Offset(),
                               segment->userPoint2Offset(), segment->userPoint3Offset()};
    for (int corner = 0; corner < 4; ++corner)
        target.point(kPoint0Offset + corner, corners[corner]);
    target.value(kPerspective, onOff(segment->perspective()));
    target.point(kCropTopLeft, segment->cropTopLeft());
    target.point(kCropBottomRight, segment->cropBottomRight());
    const float feathering[] = {segment->featheringX0(), segment->featheringY0(), segment->featheringX1(),
                                segment->featheringY1()};
    for (int side = 0; side < 4; ++side)
        target.value(kFeatheringX0 + side, feathering[side]);
}

void pushColours(const EngineTarget& target, const Segment* segment)
{
    const int colours[] = {segment->clrSaturation(), segment->clrBrightness(), segment->clrContrast(),
                           segment->clrWhiteBalance(), segment->clrExposure(), segment->clrHue(),
                           segment->clrRed(), segment->clrGreen(), segment->clrBlue()};
    for (int index = 0; index < int(std::size(colours)); ++index)
        target.value(kSaturation + index, float(colours[index]));
}

void pushColourAndKey(const EngineTarget& target, const Segment* segment)
{
    pushColours(target, segment);
    target.value(kKeyEnabled, onOff(segment->keyEnabled()));
    target.value(kKeySensitivity, float(segment->keySensitivity()));
    target.value(kKeySmoothing, float(segment->keySmoothing()));
    target.colour(kKeyColor, segment->keyColor());
}

// Border, outline and corners of a picture or a movie.
void pushFrameStyle(const EngineTarget& target, const Segment* segment)
{
    const float border = target.widthFraction(SegmentLengths::borderWidthFraction(segment));
    target.value(kBorderWidth, border);
    if (border > 0.0f)
        target.colour(kBorderColor, segment->borderColor());
    target.value(kBorderStroke, onOff(segment->borderStroke()));
    target.value(kBorderStrokeTolerance, float(segment->borderStrokeTolerance()));
    target.value(kBorderStrokeStrength, float(segment->borderStrokeStrength()));
    target.value(kCornerRadius, target.widthFraction(SegmentLengths::cornerRadiusFraction(segment)));
}

void pushTextStyle(const EngineTarget& target, const TextSegment* text)
{
    // A text's border is its outline, measured in its own terms.
    const float border = text->borderWidth();
    target.value(kBorderWidth, border);
    if (border > 0.0f)
        target.colour(kBorderColor, text->borderColor());
    const int width = target.width();
    const float size = text->fontSize(QSizeF(width, target.height()));
    target.value(kFontScale, width > 0 ? size / float(width) : 0.0f);
    target.colour(kTextColor, text->color());
    target.engine()->setTextFont(target.id(), text->fontName().toUtf8().constData(),
                                 text->fontStyle().toUtf8().constData());
    target.value(kAlignment, float(text->alignment()));
    const QRgb back = text->backColor();
    target.engine()->setSegmentProperty(target.id(), kBackColor, qRed(back) / 255.0f, qGreen(back) / 255.0f,
                                        qBlue(back) / 255.0f, qAlpha(back) / 255.0f);
    target.value(kBackInset, text->backInset());
    target.value(kBackCorner, text->backCorner());
}

void pushShadow(const EngineTarget& target, const Segment* segment)
{
    const QSizeF offset = SegmentLengths::shadowOffsetFraction(segment);
    target.value(kShadowOpacity, segment->shadowOpacity());
    target.engine()->setSegmentProperty(target.id(), kShadowOffset, target.widthFraction(offset.width()),
                                        target.widthFraction(offset.height()), 0.0f, 0.0f);
    target.value(kShadowRadius, segment->shadowRadiusFraction());
    target.colour(kShadowColor, segment->shadowColor());
}

// Everything of a visual segment but where it stands and its crop.
void pushAppearance(const EngineTarget& target, const Segment* segment)
{
    target.value(kTransparency, segment->userTransparency());
    pushColourAndKey(target, segment);
    if (segment->type() == kText)
        pushTextStyle(target, static_cast<const TextSegment*>(segment));
    else
        pushFrameStyle(target, segment);
    pushShadow(target, segment);
}

void pushSound(AVEngine* engine, const Segment* segment)
{
    const QString type = segment->type();
    const bool movie = type == kMovie;
    if (!movie && type != kMusic && type != kVoice)
        return;
    const EngineTarget sound(engine, movie ? segment->secondEngineId() : segment->serialNumber(), 0, 0);
    sound.value(kVolume, segment->userVolume());
    sound.value(kPitch, segment->pitch());
}

// A part of a segment as a fraction of its playing time; a movie whose
// length is not known yet plays for 0 seconds, and then the part is 0.
float fractionOfPlayingTime(float seconds, float duration)
{
    const float fraction = seconds / duration;
    return std::isfinite(fraction) ? fraction : 0.0f;
}

void flipFromBits(Segment* segment, int flip)
{
    if (flip & 1)
        segment->setFlippedHorizontally(true);
    if (flip & 2)
        segment->setFlippedVertically(true);
}

void flipStateFromBits(Segment* segment, int tId, bool begin, int flip)
{
    if (flip & 1)
        segment->setTransitionStateFlippedHorizontally(tId, begin, true);
    if (flip & 2)
        segment->setTransitionStateFlippedVertically(tId, begin, true);
}

void convertStateTransform(AVEngine* engine, Segment* segment, int tId, bool begin)
{
    QRectF rect;
    segment->transitionPlacedTransform(tId, begin, kOldFrame, &rect);
    if (!rect.isEmpty())
        segment->setTransitionUserTranslation(tId, begin, translationOfRect(rect));
    const QPointF translation = segment->transitionUserTranslation(tId, begin);
    const float rotation = segment->transitionUserRotation(tId, begin) * float(kPi) / 180.0f;
    segment->setTransitionUserRotation(tId, begin, rotation);
    flipStateFromBits(segment, tId, begin, segment->transitionUserFlip(tId, begin));
    if (!engine)
        return;
    const int32_t id = segment->serialNumber();
    engine->setAnimationState(id, tId, begin, kTranslation, float(translation.x()), float(translation.y()));
    engine->setAnimationState(id, tId, begin, kRotation, rotation, 0.0f);
    engine->setAnimationState(id, tId, begin, kRotationY, segment->transitionUserRotationY(tId, begin), 0.0f);
    engine->setAnimationState(id, tId, begin, kRotationX, segment->transitionUserRotationX(tId, begin), 0.0f);
}

} // namespace

void MainWindow::_pushSegmentProperties(Segment* segment)
{
    if (!_engine)
        return;
    if (segment->isVisualLayer()) {
        pushTransform(EngineTarget(_engine, segment->serialNumber(), 0, 0), segment);
        _pushSegmentAppearance(segment);
    }
    pushSound(_engine, segment);

    const int32_t ids[] = {segment->serialNumber(), segment->secondEngineId()};
    // Both ids receive every group below, so both are cleared: a sound left
    // with its old groups would stack another copy at every push.
    for (int32_t id : ids)
        if (id != 0)
            _engine->clearAnimations(id);
    for (int index = 0; index < segment->transitionCount(); ++index)
        _pushTransitionAnimation(segment, segment->isValidTransitionIndex(index));
}

void MainWindow::_pushSegmentAppearance(Segment* segment)
{
    if (!_engine || !segment->isVisualLayer())
        return;
    const int width = _composition ? _composition->width() : 0;
    const int height = _composition ? _composition->height() : 0;
    pushAppearance(EngineTarget(_engine, segment->serialNumber(), width, height), segment);
}

void MainWindow::_pushSegmentSound(Segment* segment)
{
    if (_engine)
        pushSound(_engine, segment);
}

void MainWindow::_pushTransitionAnimation(Segment* segment, int tId)
{
    if (!_engine)
        return;
    const float duration = segment->duration();
    const float start = fractionOfPlayingTime(segment->transitionStart(tId), duration);
    const float length = fractionOfPlayingTime(segment->transitionDuration(tId), duration);
    const int easing = segment->transitionEasingFunction(tId);
    for (int32_t id : {segment->serialNumber(), segment->secondEngineId()})
        if (id != 0)
            _engine->addAnimation(id, tId, start, length, easing);
    _syncTransitionToEngine(segment, tId);
}

void MainWindow::_pushSegmentBaseProperties(Segment* segment)
{
    if (!_engine)
        return;
    if (segment->isVisualLayer()) {
        const EngineTarget target(_engine, segment->serialNumber(), 0, 0);
        target.value(kTransparency, segment->userTransparency());
        pushTransform(target, segment);
        pushColours(target, segment);
    }
    pushSound(_engine, segment);
}

void MainWindow::_syncSegmentTransform(Segment* segment)
{
    QRectF rect;
    segment->placedTransform(kOldFrame, &rect);
    // Without the video's size there is no rectangle to place: the stored
    // translation stays rather than becoming the frame's corner.
    if (!rect.isEmpty())
        segment->setUserTranslation(translationOfRect(rect));
    segment->setUserRotation(double(float(segment->userRotation())) * kPi / 180.0);
    flipFromBits(segment, segment->userFlip());
    if (_engine) {
        const EngineTarget target(_engine, segment->serialNumber(), 0, 0);
        target.point(kTranslation, segment->userTranslation());
        target.value(kRotation, float(segment->userRotation()));
        target.value(kRotationY, segment->userRotationY());
        target.value(kRotationX, segment->userRotationX());
    }
    for (int index = 0; index < segment->transitionCount(); ++index) {
        const int tId = segment->isValidTransitionIndex(index);
        for (bool begin : {true, false})
            convertStateTransform(_engine, segment, tId, begin);
    }
    if (_projectManager)
        _projectManager->setModified(true);
}
