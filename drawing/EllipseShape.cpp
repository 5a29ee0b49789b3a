#include "EllipseShape.h"

#include <QPainter>

#include <algorithm>

EllipseShape::EllipseShape(int commandId, CanvasDrawingState* state, bool circle, QObject* parent)
    : DragShape(commandId, state, parent), _circle(circle)
{
}

std::optional<QRectF> EllipseShape::_paintFigure(QPainter& painter)
{
    if (!_useOutlineOrFill(painter))
        return std::nullopt;
    QRectF box = _dragBox();
    if (_circle) {
        const double side = std::min(box.width(), box.height());
        box.setSize(QSizeF(side, side));
    }
    painter.drawEllipse(QRect(int(box.x()), int(box.y()), int(box.width()), int(box.height())));
    return box;
}
