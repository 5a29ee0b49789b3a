#include "HardnessSliderStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

HardnessSliderStyle::HardnessSliderStyle()
    : _hollowBrush(QPixmap(":/images/drawing/hollow_back"))
{
    _hollowBrush.setTransform(QTransform::fromScale(0.5, 0.5));
}

HardnessSliderStyle::~HardnessSliderStyle() = default;

void HardnessSliderStyle::drawBand(QPainter& painter, const QRectF& band, const QRectF& passed) const
{
    painter.save();
    painter.setClipPath(roundedBand(band));
    painter.fillRect(band, _hollowBrush);
    painter.restore();
    painter.save();
    painter.setClipPath(roundedBand(passed));
    painter.fillRect(passed, passedColor());
    painter.restore();
}
