#include "DrawingSliderStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

namespace {

constexpr int kHandleWidth = 20;
constexpr int kBandHeight = 10;
constexpr qreal kBandRadius = 5;
constexpr qreal kKnobSide = 20;

} // namespace

QRect DrawingSliderStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sc,
                                         const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, sc, widget);
    if (control != CC_Slider || (sc != SC_SliderGroove && sc != SC_SliderHandle))
        return rect;
    rect.translate(0, 2);
    if (sc == SC_SliderGroove)
        return rect;
    QRect handle(rect.center().x() - kHandleWidth / 2, rect.top(), kHandleWidth, rect.height());
    const QRect groove = QProxyStyle::subControlRect(control, option, SC_SliderGroove, widget);
    if (handle.left() < groove.left())
        handle.moveLeft(groove.left());
    if (handle.right() > groove.right())
        handle.moveRight(groove.left() + groove.width());
    return handle;
}

int DrawingSliderStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const
{
    if (hint == SH_Slider_AbsoluteSetButtons)
        return Qt::LeftButton;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void DrawingSliderStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const
{
    if (control != CC_Slider) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (!option || option->version < 1 || option->type != QStyleOption::SO_Slider)
        return;
    const QRect groove = subControlRect(control, option, SC_SliderGroove, widget);
    const QRect handle = subControlRect(control, option, SC_SliderHandle, widget);
    const QRectF band(groove.left(), groove.center().y() - kBandHeight / 2, groove.width(), kBandHeight);
    QRectF passed = band;
    passed.setWidth(handle.center().x() - band.left());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    drawBand(*painter, band, passed);
    _drawKnob(*painter, band, handle);
    painter->restore();
}

QPainterPath DrawingSliderStyle::roundedBand(const QRectF& rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, kBandRadius, kBandRadius);
    return path;
}

const QColor& DrawingSliderStyle::passedColor()
{
    static const QColor color(54, 200, 255);
    return color;
}

void DrawingSliderStyle::_drawKnob(QPainter& painter, const QRectF& band, const QRect& handle)
{
    QRectF knob(0, 0, kKnobSide, kKnobSide);
    knob.moveCenter(QRectF(handle).center());
    if (knob.left() < band.left())
        knob.moveLeft(band.left());
    if (knob.right() > band.right())
        knob.moveRight(band.right());
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);
    painter.restore();
}
