#pragma once

#include "DragShape.h"

// A straight line from the press point to the mouse: plain, dashed, dotted or
// ending in an arrow head as long as its base is wide.
class LineShape : public DragShape
{
    Q_OBJECT

public:
    using DragShape::DragShape;

    void setStyle(bool dashed, bool dotted, bool arrow);

protected:
    std::optional<QRectF> _paintFigure(QPainter& painter) override;

private:
    bool _dashed = false;
    bool _dotted = false;
    bool _arrow = false;
};
