#pragma once

#include "DragShape.h"

// A five-pointed star centred on the press point with an outer point at the mouse.
class PentagramShape : public DragShape
{
    Q_OBJECT

public:
    using DragShape::DragShape;

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;
};
