#include "SegmentStyleDefaults.h"

#include "Segment.h"
#include "TextSegment.h"

#include <QSettings>
#include <QVariant>

#include <variant>

namespace {

using V = SegmentStyleValues;
using Member = std::variant<float V::*, QSizeF V::*, QString V::*, QRgb V::*, bool V::*, int V::*>;

struct StoredField
{
    const char* key;
    Member member;
};

// Every remembered value under its key in the group "User", in store order.
const StoredField kStoredFields[] = {
    {"TextSize", &V::textSize},
    {"TextVideoSize", &V::textVideoSize},
    {"TextFont", &V::textFont},
    {"TextStyle", &V::textStyle},
    {"TextColor", &V::textColor},
    {"TextBorderSize", &V::textBorderSize},
    {"TextBorderColor", &V::textBorderColor},
    {"TextShadowOpacity", &V::textShadowOpacity},
    {"TextShadowOffset", &V::textShadowOffset},
    {"TextShadowOffsetFraction", &V::textShadowOffsetFraction},
    {"TextShadowRadiusFraction", &V::textShadowRadiusFraction},
    {"TextShadowColor", &V::textShadowColor},
    {"TextAlignment", &V::textAlignment},
    {"TextBackColor", &V::textBackColor},
    {"TextBackColorAlpha", &V::textBackColorAlpha},
    {"TextBackInset", &V::textBackInset},
    {"TextBackCornerRadius", &V::textBackCornerRadius},
    {"ImageBorderSize", &V::imageBorderSize},
    {"ImageBorderSizeFraction", &V::imageBorderSizeFraction},
    {"ImageBorderColor", &V::imageBorderColor},
    {"ImageBorderStroke", &V::imageBorderStroke},
    {"ImageShadowOpacity", &V::imageShadowOpacity},
    {"ImageShadowOffset", &V::imageShadowOffset},
    {"ImageShadowOffsetFraction", &V::imageShadowOffsetFraction},
    {"ImageShadowRadiusFraction", &V::imageShadowRadiusFraction},
    {"ImageShadowColor", &V::imageShadowColor},
    {"ImageCornerRadius", &V::imageCornerRadius},
    {"ImageCornerRadiusFraction", &V::imageCornerRadiusFraction},
    {"DrawingBorderSize", &V::drawingBorderSize},
    {"DrawingBorderSizeFraction", &V::drawingBorderSizeFraction},
    {"DrawingBorderColor", &V::drawingBorderColor},
    {"DrawingBorderStroke", &V::drawingBorderStroke},
    {"DrawingShadowOpacity", &V::drawingShadowOpacity},
    {"DrawingShadowOffset", &V::drawingShadowOffset},
    {"DrawingShadowOffsetFraction", &V::drawingShadowOffsetFraction},
    {"DrawingShadowRadiusFraction", &V::drawingShadowRadiusFraction},
    {"DrawingShadowColor", &V::drawingShadowColor},
    {"DrawingCornerRadius", &V::drawingCornerRadius},
    {"DrawingCornerRadiusFraction", &V::drawingCornerRadiusFraction},
    {"MovieBorderSizeFraction", &V::movieBorderSizeFraction},
    {"MovieBorderColor", &V::movieBorderColor},
    {"MovieBorderStroke", &V::movieBorderStroke},
    {"MovieShadowOpacity", &V::movieShadowOpacity},
    {"MovieShadowOffsetFraction", &V::movieShadowOffsetFraction},
    {"MovieShadowRadiusFraction", &V::movieShadowRadiusFraction},
    {"MovieShadowColor", &V::movieShadowColor},
    {"MovieCornerRadiusFraction", &V::movieCornerRadiusFraction},
    {"ChromaKeySensitivity", &V::chromaKeySensitivity},
    {"ChromaKeySmoothing", &V::chromaKeySmoothing},
    {"ChromaKeyColor", &V::chromaKeyColor},
    {"BorderStrokeTolerance", &V::borderStrokeTolerance},
    {"BorderStrokeStrength", &V::borderStrokeStrength},
};

const QString kGroup = QStringLiteral("User");

// Floats go to the store as doubles, which it keeps as readable numbers.
QVariant storedValue(float value) { return double(value); }
QVariant storedValue(const QSizeF& value) { return value; }
QVariant storedValue(const QString& value) { return value; }
QVariant storedValue(QRgb value) { return value; }
QVariant storedValue(bool value) { return value; }
QVariant storedValue(int value) { return value; }

void readValue(const QVariant& stored, float* value) { *value = stored.toFloat(); }
void readValue(const QVariant& stored, QSizeF* value) { *value = stored.toSizeF(); }
void readValue(const QVariant& stored, QString* value) { *value = stored.toString(); }
// A colour may have been written as a signed 32-bit number (opaque colours
// are then negative), which an unsigned read would turn into 0.
void readValue(const QVariant& stored, QRgb* value) { *value = QRgb(quint32(stored.toLongLong())); }
void readValue(const QVariant& stored, bool* value) { *value = stored.toBool(); }
void readValue(const QVariant& stored, int* value) { *value = stored.toInt(); }

bool isZero(const QSizeF& size)
{
    return size.width() == 0 && size.height() == 0;
}

SegmentStyleDefaults* s_instance = nullptr;

} // namespace

struct SegmentStyleDefaults::LayerStyle
{
    float borderSizeFraction;
    const float* borderSize;
    QRgb borderColor;
    bool borderStroke;
    float shadowOpacity;
    QSizeF shadowOffsetFraction;
    const QSizeF* shadowOffset;
    float shadowRadiusFraction;
    QRgb shadowColor;
    float cornerRadiusFraction;
    const float* cornerRadius;
};

SegmentStyleDefaults* SegmentStyleDefaults::instance()
{
    if (!s_instance) {
        s_instance = new SegmentStyleDefaults;
        s_instance->load();
        s_instance->_dirty = false;
    }
    return s_instance;
}

void SegmentStyleDefaults::reset()
{
    if (s_instance) {
        static_cast<SegmentStyleValues&>(*s_instance) = SegmentStyleValues();
        s_instance->_dirty = false;
    }
    QSettings store;
    store.remove(kGroup);
    store.sync();
}

void SegmentStyleDefaults::load()
{
    static const SegmentStyleValues defaults;
    QSettings store;
    store.beginGroup(kGroup);
    for (const StoredField& field : kStoredFields) {
        std::visit(
            [&](auto member) {
                readValue(store.value(QLatin1String(field.key), storedValue(defaults.*member)), &(this->*member));
            },
            field.member);
    }
    store.endGroup();
}

void SegmentStyleDefaults::save()
{
    if (!_dirty)
        return;
    QSettings store;
    store.beginGroup(kGroup);
    for (const StoredField& field : kStoredFields)
        std::visit([&](auto member) { store.setValue(QLatin1String(field.key), storedValue(this->*member)); },
                   field.member);
    store.endGroup();
    store.sync();
    _dirty = false;
}

void SegmentStyleDefaults::setTextSize(float size, const QSizeF& videoSize)
{
    _store(textSize, size);
    _store(textVideoSize, videoSize);
}

void SegmentStyleDefaults::setTextFont(const QString& family, const QString& style)
{
    _store(textFont, family);
    _store(textStyle, style);
}

void SegmentStyleDefaults::applyToImageSegment(Segment* segment) const
{
    _applyLayerStyle(segment, {imageBorderSizeFraction, &imageBorderSize, imageBorderColor, imageBorderStroke,
                               imageShadowOpacity, imageShadowOffsetFraction, &imageShadowOffset,
                               imageShadowRadiusFraction, imageShadowColor, imageCornerRadiusFraction,
                               &imageCornerRadius});
}

void SegmentStyleDefaults::applyToDrawingSegment(Segment* segment) const
{
    _applyLayerStyle(segment, {drawingBorderSizeFraction, &drawingBorderSize, drawingBorderColor,
                               drawingBorderStroke, drawingShadowOpacity, drawingShadowOffsetFraction,
                               &drawingShadowOffset, drawingShadowRadiusFraction, drawingShadowColor,
                               drawingCornerRadiusFraction, &drawingCornerRadius});
}

void SegmentStyleDefaults::applyToMovieSegment(Segment* segment) const
{
    _applyLayerStyle(segment, {movieBorderSizeFraction, nullptr, movieBorderColor, movieBorderStroke,
                               movieShadowOpacity, movieShadowOffsetFraction, nullptr, movieShadowRadiusFraction,
                               movieShadowColor, movieCornerRadiusFraction, nullptr});
}

void SegmentStyleDefaults::_applyLayerStyle(Segment* segment, const LayerStyle& style) const
{
    // A fraction of 0 means the style was made in absolute pixels (older
    // settings): the absolute value stands in where the kind has one.
    segment->setBorderWidthFraction(style.borderSizeFraction);
    if (style.borderSizeFraction == 0 && style.borderSize)
        segment->setBorderWidth(*style.borderSize);
    segment->setBorderColor(style.borderColor);
    segment->setBorderStroke(style.borderStroke);
    segment->setShadowOpacity(style.shadowOpacity);
    segment->setShadowOffsetFraction(style.shadowOffsetFraction);
    if (isZero(style.shadowOffsetFraction) && style.shadowOffset)
        segment->setShadowPixelOffset(*style.shadowOffset);
    segment->setShadowRadiusFraction(style.shadowRadiusFraction);
    segment->setShadowColor(style.shadowColor);
    segment->setCornerRadiusFraction(style.cornerRadiusFraction);
    if (style.cornerRadiusFraction == 0 && style.cornerRadius)
        segment->setCornerRadius(*style.cornerRadius);
    _applyChromaKey(segment);
    segment->setBorderStrokeTolerance(borderStrokeTolerance);
    segment->setBorderStrokeStrength(borderStrokeStrength);
}

void SegmentStyleDefaults::_applyChromaKey(Segment* segment) const
{
    segment->setKeySensitivity(chromaKeySensitivity);
    segment->setKeySmoothing(chromaKeySmoothing);
    segment->setKeyColor(chromaKeyColor);
}

void SegmentStyleDefaults::applyToTextSegment(TextSegment* segment) const
{
    if (textVideoSize.isEmpty())
        segment->setFontSize(textSize);
    else
        segment->setFontSizeForVideoSize(textSize, textVideoSize);
    segment->setFontName(textFont);
    segment->setFontStyle(textStyle);
    segment->setColor(textColor);
    segment->setBorderWidth(textBorderSize);
    segment->setBorderColor(textBorderColor);
    segment->setShadowOpacity(textShadowOpacity);
    segment->setShadowOffsetFraction(textShadowOffsetFraction);
    if (isZero(textShadowOffsetFraction))
        segment->setShadowPixelOffset(textShadowOffset);
    segment->setShadowRadiusFraction(textShadowRadiusFraction);
    segment->setShadowColor(textShadowColor);
    segment->setAlignment(textAlignment);
    segment->setBackColor(textBackColor);
    segment->setBackOpacity(textBackColorAlpha);
    segment->setBackInset(textBackInset);
    segment->setBackCorner(textBackCornerRadius);
    // Stroke values belong to pictures; text has no stroke.
    _applyChromaKey(segment);
}
