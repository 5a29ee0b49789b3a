#include "TextShape.h"

#include "CanvasDrawingState.h"

#include <QPainter>

namespace {

// Lays the text out at the frame's width with no practical height limit.
constexpr double kUnboundedHeight = 99999.0;
// The pending frame lies this far outside the text.
constexpr int kFrameMargin = 2;

} // namespace

void TextShape::touchBegan(const QPoint& position)
{
    if (!_state->text.isEmpty())
        return;
    QRect frame;
    emit textShapeGetFrameRect(this, frame);
    if (frame.contains(position))
        emit textShapeRequestText(this);
}

void TextShape::touchMoved(const QPoint&)
{
}

void TextShape::touchEnded(const QPoint&)
{
}

void TextShape::draw()
{
    if (_state->text.isEmpty() || !_state->painter) {
        emit shapeNeedDisplay(this);
        _frame = QRect(0, 0, 0, 0);
        return;
    }
    QRect frame;
    emit textShapeGetFrameRect(this, frame);
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

void TextShape::commit()
{
    if (!_state->text.isEmpty()) {
        _committing = true;
        draw();
        _committing = false;
    }
    _frame = QRect(0, 0, 0, 0);
    _state->textOffsetX = 0.0;
    _state->textOffsetY = 0.0;
}

void TextShape::updateFrame()
{
    if (!_state->text.isEmpty())
        emit textShapeGetFrameRect(this, _frame);
}
