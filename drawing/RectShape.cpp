#include "RectShape.h"

#include "CanvasDrawingState.h"

#include <QPainter>

std::optional<QRectF> RectShape::_paintFigure(QPainter& painter)
{
    if (!_useOutlineOrFill(painter))
        return std::nullopt;
    if (_state->paintMode == kPaintOutline) {
        QPen pen = painter.pen();
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    }
    const QRect box = _integerDragBox();
    painter.drawRect(box);
    return QRectF(box);
}
