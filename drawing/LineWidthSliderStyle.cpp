#include "LineWidthSliderStyle.h"

#include <QPainter>
#include <QPainterPath>

void LineWidthSliderStyle::drawBand(QPainter& painter, const QRectF& band, const QRectF& passed) const
{
    QPainterPath wedge;
    wedge.moveTo(band.left(), band.center().y());
    wedge.lineTo(band.left() + band.width(), band.top());
    wedge.lineTo(band.left() + band.width(), band.top() + band.height());
    wedge.closeSubpath();
    painter.save();
    painter.setClipPath(roundedBand(band));
    painter.fillPath(wedge, QColor(192, 192, 192));
    painter.restore();
    painter.save();
    painter.setClipPath(roundedBand(passed));
    painter.fillPath(wedge, passedColor());
    painter.restore();
}
