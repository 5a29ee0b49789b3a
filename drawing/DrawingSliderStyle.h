#pragma once

#include <QProxyStyle>

// Base of the two painted sliders of the drawing tuning panel: a groove and a
// 20-pixel handle moved 2 pixels down, a 10-pixel band along the groove whose
// look the subclass paints, a round white knob that never leaves the band, and
// a left click that moves the handle straight to the clicked place. Works over
// the application style.
class DrawingSliderStyle : public QProxyStyle
{
    Q_OBJECT

public:
    DrawingSliderStyle() = default;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sc,
                         const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

protected:
    // Paints the band; passed is the band up to the handle's centre. Each
    // layer between a save and a restore of the painter.
    virtual void drawBand(QPainter& painter, const QRectF& band, const QRectF& passed) const = 0;

    // A clip of the rectangle with corners of radius 5.
    static QPainterPath roundedBand(const QRectF& rect);
    static const QColor& passedColor();

private:
    static void _drawKnob(QPainter& painter, const QRectF& band, const QRect& handle);
};
