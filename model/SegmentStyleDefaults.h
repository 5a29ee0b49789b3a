#pragma once

#include <QRgb>
#include <QSizeF>
#include <QString>

class Segment;
class TextSegment;

// The remembered styles, as plain values with their defaults for an empty
// store. Colours are ARGB; "Fraction" values are shares of the canvas.
struct SegmentStyleValues
{
    float textSize = 80.0f;
    QSizeF textVideoSize{0.0, 0.0};
    QString textFont = QStringLiteral("Arial");
    QString textStyle;
    QRgb textColor = 0xFFFFFFFF;
    float textBorderSize = 0.0f;
    QRgb textBorderColor = 0xFFFFFF00;
    float textShadowOpacity = 0.0f;
    QSizeF textShadowOffset{0.0, 0.0};
    QSizeF textShadowOffsetFraction{0.0, 0.0};
    float textShadowRadiusFraction = 0.003125f;
    QRgb textShadowColor = 0xFF000000;
    int textAlignment = 1;
    QRgb textBackColor = 0x00FF00FF;
    float textBackColorAlpha = 0.0f;
    float textBackInset = 0.0f;
    float textBackCornerRadius = 0.0f;
    float imageBorderSize = 0.0f;
    float imageBorderSizeFraction = 0.0f;
    QRgb imageBorderColor = 0xFFFFFFFF;
    bool imageBorderStroke = false;
    float imageShadowOpacity = 0.0f;
    QSizeF imageShadowOffset{0.0, 0.0};
    QSizeF imageShadowOffsetFraction{0.0, 0.0};
    float imageShadowRadiusFraction = 0.003125f;
    QRgb imageShadowColor = 0xFF000000;
    float imageCornerRadius = 0.0f;
    float imageCornerRadiusFraction = 0.0f;
    float drawingBorderSize = 0.0f;
    float drawingBorderSizeFraction = 0.0f;
    QRgb drawingBorderColor = 0xFFFFFFFF;
    bool drawingBorderStroke = false;
    float drawingShadowOpacity = 0.0f;
    QSizeF drawingShadowOffset{0.0, 0.0};
    QSizeF drawingShadowOffsetFraction{0.0, 0.0};
    float drawingShadowRadiusFraction = 0.003125f;
    QRgb drawingShadowColor = 0xFF000000;
    float drawingCornerRadius = 0.0f;
    float drawingCornerRadiusFraction = 0.0f;
    float movieBorderSizeFraction = 0.0f;
    QRgb movieBorderColor = 0xFFFFFFFF;
    bool movieBorderStroke = false;
    float movieShadowOpacity = 0.0f;
    QSizeF movieShadowOffsetFraction{0.0, 0.0};
    float movieShadowRadiusFraction = 0.003125f;
    QRgb movieShadowColor = 0xFF000000;
    float movieCornerRadiusFraction = 0.0f;
    int chromaKeySensitivity = 40;
    int chromaKeySmoothing = 10;
    QRgb chromaKeyColor = 0xFF00FF00;
    int borderStrokeTolerance = 100;
    int borderStrokeStrength = 100;
};

// The look the user last gave each kind of segment, given to every new
// segment of that kind. One object for the process, loaded from the group
// "User" of the settings store on first use; the editing code changes it
// through the setters and reads the fields, and an editor window writes it
// back when it closes. Used on the GUI thread only.
class SegmentStyleDefaults : public SegmentStyleValues
{
public:
    static SegmentStyleDefaults* instance();
    // Back to the defaults, and the group "User" erased from the store. The
    // object stays where it is: open windows may hold it.
    static void reset();

    void load();
    // Writes every value when one changed since the last load or save.
    void save();
    bool isDirty() const { return _dirty; }

    void applyToImageSegment(Segment* segment) const;
    void applyToDrawingSegment(Segment* segment) const;
    void applyToMovieSegment(Segment* segment) const;
    void applyToTextSegment(TextSegment* segment) const;

    void setTextSize(float size, const QSizeF& videoSize);
    void setTextFont(const QString& family, const QString& style);
    void setTextColor(QRgb color) { _store(textColor, color); }
    void setTextBorderSize(float size) { _store(textBorderSize, size); }
    void setTextBorderColor(QRgb color) { _store(textBorderColor, color); }
    void setTextShadowOpacity(float opacity) { _store(textShadowOpacity, opacity); }
    void setTextShadowOffsetFraction(const QSizeF& fraction) { _store(textShadowOffsetFraction, fraction); }
    void setTextShadowRadiusFraction(float fraction) { _store(textShadowRadiusFraction, fraction); }
    void setTextShadowColor(QRgb color) { _store(textShadowColor, color); }
    void setTextAlignment(int alignment) { _store(textAlignment, alignment); }
    void setTextBackColor(QRgb color) { _store(textBackColor, color); }
    void setTextBackColorAlpha(float alpha) { _store(textBackColorAlpha, alpha); }
    void setTextBackInset(float inset) { _store(textBackInset, inset); }
    void setTextBackCornerRadius(float radius) { _store(textBackCornerRadius, radius); }

    // A fraction of exactly 0 also clears the absolute value that stands in for it.
    void setImageBorderSizeFraction(float fraction) { _storeFraction(imageBorderSizeFraction, imageBorderSize, fraction); }
    void setImageCornerRadiusFraction(float fraction) { _storeFraction(imageCornerRadiusFraction, imageCornerRadius, fraction); }
    void setDrawingBorderSizeFraction(float fraction) { _storeFraction(drawingBorderSizeFraction, drawingBorderSize, fraction); }
    void setDrawingCornerRadiusFraction(float fraction) { _storeFraction(drawingCornerRadiusFraction, drawingCornerRadius, fraction); }

    void setImageBorderColor(QRgb color) { _store(imageBorderColor, color); }
    void setImageBorderStroke(bool stroke) { _store(imageBorderStroke, stroke); }
    void setImageShadowOpacity(float opacity) { _store(imageShadowOpacity, opacity); }
    void setImageShadowOffsetFraction(const QSizeF& fraction) { _store(imageShadowOffsetFraction, fraction); }
    void setImageShadowRadiusFraction(float fraction) { _store(imageShadowRadiusFraction, fraction); }
    void setImageShadowColor(QRgb color) { _store(imageShadowColor, color); }
    void setDrawingBorderColor(QRgb color) { _store(drawingBorderColor, color); }
    void setDrawingBorderStroke(bool stroke) { _store(drawingBorderStroke, stroke); }
    void setDrawingShadowOpacity(float opacity) { _store(drawingShadowOpacity, opacity); }
    void setDrawingShadowOffsetFraction(const QSizeF& fraction) { _store(drawingShadowOffsetFraction, fraction); }
    void setDrawingShadowRadiusFraction(float fraction) { _store(drawingShadowRadiusFraction, fraction); }
    void setDrawingShadowColor(QRgb color) { _store(drawingShadowColor, color); }
    void setMovieBorderSizeFraction(float fraction) { _store(movieBorderSizeFraction, fraction); }
    void setMovieCornerRadiusFraction(float fraction) { _store(movieCornerRadiusFraction, fraction); }
    void setMovieBorderColor(QRgb color) { _store(movieBorderColor, color); }
    void setMovieBorderStroke(bool stroke) { _store(movieBorderStroke, stroke); }
    void setMovieShadowOpacity(float opacity) { _store(movieShadowOpacity, opacity); }
    void setMovieShadowOffsetFraction(const QSizeF& fraction) { _store(movieShadowOffsetFraction, fraction); }
    void setMovieShadowRadiusFraction(float fraction) { _store(movieShadowRadiusFraction, fraction); }
    void setMovieShadowColor(QRgb color) { _store(movieShadowColor, color); }

    void setChromaKeySensitivity(int sensitivity) { _store(chromaKeySensitivity, sensitivity); }
    void setChromaKeySmoothing(int smoothing) { _store(chromaKeySmoothing, smoothing); }
    void setChromaKeyColor(QRgb color) { _store(chromaKeyColor, color); }
    void setBorderStrokeTolerance(int tolerance) { _store(borderStrokeTolerance, tolerance); }
    void setBorderStrokeStrength(int strength) { _store(borderStrokeStrength, strength); }

private:
    // One kind's layer style; null absolute values where the kind has none.
    struct LayerStyle;

    SegmentStyleDefaults() = default;
    void _applyLayerStyle(Segment* segment, const LayerStyle& style) const;
    void _applyChromaKey(Segment* segment) const;

    template <typename T>
    void _store(T& field, const T& value)
    {
        field = value;
        _dirty = true;
    }
    void _storeFraction(float& fraction, float& absolute, float value)
    {
        _store(fraction, value);
        if (value == 0.0f)
            absolute = 0.0f;
    }

    bool _dirty = false;
};
