#pragma once

#include "DragShape.h"

// A rectangle spanning the drag box, outlined with mitred corners or filled.
class RectShape : public DragShape
{
    Q_OBJECT

public:
    using DragShape::DragShape;

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;
};
