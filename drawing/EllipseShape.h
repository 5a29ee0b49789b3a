#pragma once

#include "DragShape.h"

// An ellipse inscribed in the drag box, or a circle kept at the box's top-left corner.
class EllipseShape : public DragShape
{
    Q_OBJECT

public:
    EllipseShape(int commandId, CanvasDrawingState* state, bool circle, QObject* parent);

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;

private:
    bool _circle;
};
