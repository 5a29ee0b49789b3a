#include "RoundRectShape.h"

#include <QPainter>

namespace {

// In widget units, so the corners look the same at any canvas size.
constexpr double kCornerRadius = 20.0;

} // namespace

std::optional<QRectF> RoundRectShape::_paintFigure(QPainter& painter)
{
    if (!_useOutlineOrFill(painter))
        return std::nullopt;
    const QRect box = _integerDragBox();
    painter.drawRoundedRect(box, kCornerRadius, kCornerRadius, Qt::AbsoluteSize);
    return QRectF(box);
}
