#include "LineShape.h"

#include "CanvasDrawingState.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

// The arrow head is this many pen widths long.
constexpr double kArrowHeadPenWidths = 5.0;

} // namespace

void LineShape::setStyle(bool dashed, bool dotted, bool arrow)
{
    _dashed = dashed;
    _dotted = dotted;
    _arrow = arrow;
}

std::optional<QRectF> LineShape::_paintFigure(QPainter& painter)
{
    if (_dashed || _dotted) {
        QPen pen = painter.pen();
        pen.setStyle(_dashed ? Qt::DashLine : Qt::DotLine);
        painter.setPen(pen);
    }
    QPolygonF outline(QVector<QPointF>{_start, _current});
    QPainterPath path(_start);
    if (!_arrow) {
        path.lineTo(_current);
        painter.strokePath(path, painter.pen());
        return outline.boundingRect();
    }
    // The shaft stops at the head's base, head length short of the mouse.
    const double headLength = _state->penWidth * kArrowHeadPenWidths;
    const int dx = _current.x() - _start.x();
    const int dy = _current.y() - _start.y();
    const double angle = std::atan2(double(dx), double(dy));
    const double distance = std::sqrt(double(dx * dx + dy * dy));
    const QPointF base(_start.x() + (distance - headLength) * std::sin(angle),
                       _start.y() + (distance - headLength) * std::cos(angle));
    path.lineTo(base);
    painter.strokePath(path, painter.pen());

    const double halfWidth = headLength / 2;
    const QPointF p1(base.x() + halfWidth * std::cos(angle), base.y() - halfWidth * std::sin(angle));
    const QPointF p2(base.x() - halfWidth * std::cos(angle), base.y() + halfWidth * std::sin(angle));
    QPainterPath head(_current);
    head.lineTo(p1);
    head.lineTo(p2);
    head.closeSubpath();
    painter.fillPath(head, painter.brush());
    outline << p1 << p2;
    return outline.boundingRect();
}
