#include "HeartShape.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

// Directions of the control points: the lobes bulge pi/3 off the axis at the
// tip and 2 pi/7 off it at the notch.
constexpr double kTipControlAngle = M_PI / 3;
constexpr double kNotchControlAngle = 2 * M_PI / 7;

QPointF offset(const QPoint& origin, double distance, double angle)
{
    return QPointF(float(origin.x() + distance * std::cos(angle)), float(origin.y() + distance * std::sin(angle)));
}

} // namespace

std::optional<QRectF> HeartShape::_paintFigure(QPainter& painter)
{
    double distance = 0.0;
    double angle = 0.0;
    if (!_dragDirection(distance, angle))
        return std::nullopt;
    const QPointF c1 = offset(_start, distance, angle - kTipControlAngle);
    const QPointF c2 = offset(_current, distance, angle - kNotchControlAngle);
    const QPointF c3 = offset(_start, distance, angle + kTipControlAngle);
    const QPointF c4 = offset(_current, distance, angle + kNotchControlAngle);
    QPainterPath path(_start);
    path.cubicTo(c1, c2, _current);
    path.cubicTo(c4, c3, _start);
    path.closeSubpath();
    _outlineOrFillPath(painter, path);
    return QPolygonF(QVector<QPointF>{_start, _current, c1, c2, c3, c4}).boundingRect();
}
