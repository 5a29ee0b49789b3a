#include "PolygonShape.h"

#include <QPainter>

#include <cmath>

PolygonShape::PolygonShape(int commandId, CanvasDrawingState* state, int corners, int inscribed, QObject* parent)
    : DragShape(commandId, state, parent), _corners(corners), _inscribed(inscribed)
{
}

std::optional<QRectF> PolygonShape::_paintFigure(QPainter& painter)
{
    if (_inscribed == 1) {
        _outlineOrFillPath(painter, _inscribedPath());
        return _dragBox();
    }
    double radius = 0.0;
    double angle = 0.0;
    if (!_dragDirection(radius, angle))
        return std::nullopt;
    // corners + 1 points: the last retraces the first edge so the outline closes with a join.
    _outlineOrFillPath(painter, _pathAroundStart(angle, 2 * M_PI / _corners, _corners + 1, radius, radius));
    return _squareAroundStart(radius);
}

QPainterPath PolygonShape::_inscribedPath() const
{
    const QRectF box = _dragBox();
    const double rx = box.width() / 2;
    const double ry = box.height() / 2;
    const QPointF centre = box.center();
    const double step = 2 * M_PI / _corners;
    QPainterPath path(QPointF(centre.x(), box.top()));
    for (double a = step - M_PI / 2; a <= 2 * M_PI + 1 / (M_PI * _corners); a += step)
        path.lineTo(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
    path.closeSubpath();
    return path;
}
