#pragma once

#include "LayerSegment.h"

#include <QFont>

class SegmentStyleDefaults;

// A caption on the composition (Type "TEXT"); the engine draws it. Text and
// style are keys of the dictionary. The font size is stored for a video
// size ("VideoSize", or the project's reference size when absent) and
// scales with the width the movie is rendered at.
class TextSegment : public LayerSegment
{
public:
    static const QString kDefaultFontName;

    TextSegment(const Segment* source, float start, SegmentListener* owner);
    TextSegment(const QString& text, float start, float duration, SegmentListener* owner,
                SegmentStyleDefaults* defaults);
    TextSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated);
    ~TextSegment() override;

    QString text() const override;
    void setText(const QString& text);
    QString fontName() const;
    void setFontName(const QString& family);
    QString fontStyle() const;
    void setFontStyle(const QString& style);
    // The stored family and style, whether installed here or not.
    QFont font() const;
    // The font size for a movie rendered at videoSize.
    float fontSize(const QSizeF& videoSize) const;
    // The video size the stored font size refers to: the stored one, else
    // that of a new project of this aspect. The inspector shows and edits
    // the size in it, so the number shown is the number stored.
    QSizeF referenceSize() const;
    void setFontSize(float size);
    // The size for a video size: both are stored, so the size keeps its
    // share of the width whatever the project's aspect.
    void setFontSizeForVideoSize(float size, const QSizeF& videoSize);
    // Whether a video size is stored; without one the stored font size
    // refers to the project's reference size.
    bool hasVideoSize() const;
    // The video size the stored font size refers to from now on.
    void setVideoSize(const QSizeF& videoSize);
    QRgb color() const;
    void setColor(QRgb color);
    QRgb backColor() const;
    // Takes red, green and blue; the opacity stays.
    void setBackColor(QRgb color);
    float backOpacity() const;
    // Opacity from 0 to 1; the colour stays.
    void setBackOpacity(float opacity);
    // The back colour, opaque.
    QRgb backColorRgba() const;
    float backCorner() const;
    void setBackCorner(float radius);
    float backInset() const;
    void setBackInset(float inset);
    int alignment() const;
    void setAlignment(int alignment);

    bool isLoaded() const override;
    bool hasContent() const override;
    QRgb borderColor() const override;
    void paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond) override;
    LayerTransform mediaLayerTransform(const QSizeF& canvas) const override;
    // The box the text is laid out in on a canvas of that size before the
    // segment's own placement: centred, the full width and half the height.
    virtual QRectF baseBox(const QSizeF& canvas) const;

private:
    void _startLoading();
};
