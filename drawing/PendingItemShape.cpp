#include "PendingItemShape.h"

void PendingItemShape::touchBegan(const QPoint& position)
{
    if (!_hasPendingItem() && _frameRect().contains(position))
        _requestItem();
}

void PendingItemShape::touchMoved(const QPoint&)
{
}

void PendingItemShape::touchEnded(const QPoint&)
{
}

void PendingItemShape::commit()
{
    if (_hasPendingItem()) {
        _committing = true;
        draw();
        _committing = false;
    }
    _frame = QRect(0, 0, 0, 0);
    _clearOffsets();
}

void PendingItemShape::updateFrame()
{
    if (_hasPendingItem())
        _frame = _frameRect();
}

bool PendingItemShape::_showNothingPending()
{
    if (_hasPendingItem())
        return false;
    emit shapeNeedDisplay(this);
    _frame = QRect(0, 0, 0, 0);
    return true;
}
