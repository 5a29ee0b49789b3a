#include "PencilShape.h"

#include "CanvasDrawingState.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kRedrawDelayMs = 10;

QPoint midpoint(const QPoint& a, const QPoint& b)
{
    return QPoint(int((a.x() + b.x()) * 0.5), int((a.y() + b.y()) * 0.5));
}

} // namespace

void PencilShape::touchBegan(const QPoint& position)
{
    _p0 = _p1 = _p2 = position;
    _path = QPainterPath();
    emit shapeRequestBackupRestoreCanvasImage(this, true);
}

void PencilShape::touchMoved(const QPoint& position)
{
    _addSegment(position);
    const qint64 counter = ++_moveCounter;
    QTimer::singleShot(kRedrawDelayMs, this, [this, counter] {
        if (counter == _moveCounter)
            _redraw();
    });
}

void PencilShape::touchEnded(const QPoint& position)
{
    _addSegment(position);
    _redraw();
}

void PencilShape::draw()
{
    QPainter* painter = _beginPainting();
    if (!painter)
        return;
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(_path);
    _endPainting();
    emit shapeNeedDisplayInRect(this, _dirty);
    _dirty = QRect();
}

void PencilShape::_addSegment(const QPoint& position)
{
    _p0 = _p1;
    _p1 = _p2;
    _p2 = position;
    // Each curve starts where the last ended: one continuous subpath strokes
    // with joins instead of a cap pair per segment, much faster to rasterise.
    const QPoint from = midpoint(_p0, _p1);
    if (_path.isEmpty() || _path.currentPosition() != QPointF(from))
        _path.moveTo(from);
    _path.quadTo(_p1, midpoint(_p1, _p2));
    const double grow = _state->lineWidth + 1.0;
    const int left = std::min({_p0.x(), _p1.x(), _p2.x()});
    const int top = std::min({_p0.y(), _p1.y(), _p2.y()});
    const int right = std::max({_p0.x(), _p1.x(), _p2.x(), 0});
    const int bottom = std::max({_p0.y(), _p1.y(), _p2.y(), 0});
    const QRect segment(QPoint(int(left - grow), int(top - grow)), QPoint(int(right + grow), int(bottom + grow)));
    _dirty = _dirty.united(segment);
}

void PencilShape::_redraw()
{
    emit shapeRequestBackupRestoreCanvasImage(this, false);
    draw();
}
