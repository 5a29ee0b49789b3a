#pragma once

#include "DragShape.h"

// A regular polygon centred on the press point with a vertex at the mouse, or,
// inscribed, one whose vertices lie on the sides of the drag box (the rhombus).
class PolygonShape : public DragShape
{
    Q_OBJECT

public:
    PolygonShape(int commandId, CanvasDrawingState* state, int corners, int inscribed, QObject* parent);

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;

private:
    QPainterPath _inscribedPath() const;

    int _corners;
    int _inscribed;
};
