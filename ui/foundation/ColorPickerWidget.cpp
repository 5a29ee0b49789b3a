#include "ColorPickerWidget.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kCrossInner = 4;
constexpr int kCrossOuter = 12;

void drawCrosshair(QPainter& painter, const QPoint& c)
{
    painter.drawLine(c + QPoint(kCrossInner, 0), c + QPoint(kCrossOuter, 0));
    painter.drawLine(c - QPoint(kCrossInner, 0), c - QPoint(kCrossOuter, 0));
    painter.drawLine(c + QPoint(0, kCrossInner), c + QPoint(0, kCrossOuter));
    painter.drawLine(c - QPoint(0, kCrossInner), c - QPoint(0, kCrossOuter));
}

} // namespace

ColorPickerWidget::ColorPickerWidget(QWidget* parent) : QWidget(parent)
{
}

void ColorPickerWidget::setColor(const QColor& color)
{
    _color = color;
    update();
}

void ColorPickerWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect().adjusted(1, 1, -1, -1);
    const QPoint c = r.center();
    // A ring rather than a disc: the picture stays visible through the middle,
    // so the user sees what lies under the crosshair.
    const qreal outer = r.width() * 0.5 - 1.0;
    const qreal inner = r.width() * 0.5 * 3.0 * 0.25;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(QPointF(c), outer, outer);
    ring.addEllipse(QPointF(c), inner, inner);
    painter.setPen(QPen(Qt::red, 1));
    painter.setBrush(QBrush(_color, Qt::SolidPattern));
    painter.drawPath(ring);

    // A grey halo under the red line keeps the crosshair visible on red.
    painter.setPen(QPen(QColor(128, 128, 128), 2));
    drawCrosshair(painter, c);
    painter.setPen(QPen(Qt::red, 1));
    drawCrosshair(painter, c);
}
