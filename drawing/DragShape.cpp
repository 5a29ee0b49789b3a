#include "DragShape.h"

#include "CanvasDrawingState.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {

constexpr int kRedrawDelayMs = 10;

} // namespace

void DragShape::touchBegan(const QPoint& position)
{
    _start = position;
    _current = position;
    _dirty = QRect(0, 0, 0, 0);
    emit shapeRequestBackupRestoreCanvasImage(this, true);
}

void DragShape::touchMoved(const QPoint& position)
{
    _current = position;
    QTimer::singleShot(kRedrawDelayMs, this, [this] {
        emit shapeRequestBackupRestoreCanvasImage(this, false);
        draw();
    });
}

void DragShape::touchEnded(const QPoint&)
{
}

void DragShape::draw()
{
    QPainter* painter = _beginPainting();
    if (!painter)
        return;
    const std::optional<QRectF> figure = _paintFigure(*painter);
    _endPainting();
    _report(figure);
}

void DragShape::_report(const std::optional<QRectF>& figure)
{
    if (figure) {
        const double grow = _state->lineWidth + 1.0;
        const QRect touched(int(figure->left() - grow), int(figure->top() - grow),
                            int(figure->width() + 2 * grow), int(figure->height() + 2 * grow));
        _dirty = touched.united(_dirty);
    }
    emit shapeNeedDisplayInRect(this, _dirty);
}

QRectF DragShape::_dragBox() const
{
    const double x1 = std::min(_start.x(), _current.x());
    const double y1 = std::min(_start.y(), _current.y());
    const double x2 = std::max(_start.x(), _current.x());
    const double y2 = std::max(_start.y(), _current.y());
    return QRectF(QPointF(x1, y1), QPointF(x2, y2));
}

QRect DragShape::_integerDragBox() const
{
    const QRectF box = _dragBox();
    return QRect(int(box.x()), int(box.y()), int(box.width()), int(box.height()));
}

bool DragShape::_useOutlineOrFill(QPainter& painter) const
{
    if (_state->paintMode == kPaintOutline) {
        painter.setBrush(Qt::NoBrush);
        return true;
    }
    if (_state->paintMode == kPaintFilled) {
        painter.setPen(Qt::NoPen);
        return true;
    }
    return false;
}

void DragShape::_outlineOrFillPath(QPainter& painter, const QPainterPath& path) const
{
    if (_state->paintMode == kPaintOutline)
        painter.strokePath(path, painter.pen());
    else if (_state->paintMode == kPaintFilled)
        painter.fillPath(path, painter.brush());
}

bool DragShape::_dragDirection(double& distance, double& angle) const
{
    const double dx = _current.x() - _start.x();
    const double dy = _current.y() - _start.y();
    distance = std::sqrt(dx * dx + dy * dy);
    if (distance == 0.0)
        return false;
    angle = std::acos(dx / distance);
    if (_start.y() >= _current.y())
        angle = -angle;
    return true;
}

QPainterPath DragShape::_pathAroundStart(double angle, double step, int points, double evenRadius,
                                         double oddRadius) const
{
    QPainterPath path(_current);
    for (int k = 1; k <= points; ++k) {
        const double radius = k % 2 == 0 ? evenRadius : oddRadius;
        const double a = angle + k * step;
        path.lineTo(_start.x() + radius * std::cos(a), _start.y() + radius * std::sin(a));
    }
    path.closeSubpath();
    return path;
}

QRectF DragShape::_squareAroundStart(double radius) const
{
    return QRectF(_start.x() - radius, _start.y() - radius, 2 * radius, 2 * radius);
}
