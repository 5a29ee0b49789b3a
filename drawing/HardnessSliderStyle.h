#pragma once

#include "DrawingSliderStyle.h"

#include <QBrush>

// Hardness as a band over a transparency checker, coloured up to the handle.
class HardnessSliderStyle : public DrawingSliderStyle
{
    Q_OBJECT

public:
    HardnessSliderStyle();
    ~HardnessSliderStyle() override;

protected:
    void drawBand(QPainter& painter, const QRectF& band, const QRectF& passed) const override;

private:
    QBrush _hollowBrush;
};
