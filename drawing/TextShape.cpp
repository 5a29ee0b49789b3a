#include "TextShape.h"

#include "CanvasDrawingState.h"

#include <QPainter>

namespace {

// Lays the text out at the frame's width with no practical height limit.
constexpr double kUnboundedHeight = 99999.0;
// The pending frame lies this far outside the text.
constexpr int kFrameMargin = 2;

} // namespace

void TextShape::draw()
{
    if (_showNothingPending() || !_state->painter)
        return;
    const QRect frame = _frameRect();
    QPainter* painter = _beginPainting();
    QFont font;
    font.setFamily(_state->fontName);
    font.setStyleName(_state->fontStyle);
    font.setPixelSize(std::max(1, int(_state->canvasTextSize)));
    painter->setFont(font);
    const int flags = _state->textAlignment | Qt::TextWordWrap;
    const QRectF bounds =
        painter->boundingRect(QRectF(0, 0, frame.width(), kUnboundedHeight), flags, _state->text);
    const double x = frame.width() * _state->textOffsetX + (frame.width() - bounds.width()) * 0.5;
    const double y = frame.height() * _state->textOffsetY + (frame.height() - bounds.height()) * 0.5;
    const QRectF textRect(x, y, bounds.width(), kUnboundedHeight);
    painter->drawText(textRect, flags, _state->text);
    _endPainting();

    QRectF reported = textRect;
    if (!_committing) {
        _drawPendingFrame(QRect(int(x), int(y), int(bounds.width() + 2.0), int(bounds.height())));
        reported.adjust(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
    }
    emit shapeNeedDisplay(this);
    _frame = QRect(int(reported.x()), int(reported.y()), int(reported.width()), int(reported.height()));
}

bool TextShape::_hasPendingItem() const
{
    return !_state->text.isEmpty();
}

QRect TextShape::_frameRect()
{
    QRect frame;
    emit textShapeGetFrameRect(this, frame);
    return frame;
}

void TextShape::_requestItem()
{
    emit textShapeRequestText(this);
}

void TextShape::_clearOffsets()
{
    _state->textOffsetX = 0.0;
    _state->textOffsetY = 0.0;
}
