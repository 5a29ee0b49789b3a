#pragma once

#include "DrawingSliderStyle.h"

// Line width as a grey wedge that widens to the right, coloured up to the handle.
class LineWidthSliderStyle : public DrawingSliderStyle
{
    Q_OBJECT

public:
    LineWidthSliderStyle() = default;

protected:
    void drawBand(QPainter& painter, const QRectF& band, const QRectF& passed) const override;
};
