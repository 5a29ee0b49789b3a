#pragma once

#include "DragShape.h"

// A heart from its tip (the press point) to the notch between its lobes (the mouse).
class HeartShape : public DragShape
{
    Q_OBJECT

public:
    using DragShape::DragShape;

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;
};
