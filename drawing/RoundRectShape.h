#pragma once

#include "DragShape.h"

// A rectangle with rounded corners spanning the drag box, outlined or filled.
class RoundRectShape : public DragShape
{
    Q_OBJECT

public:
    using DragShape::DragShape;

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;
};
