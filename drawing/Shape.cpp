#include "Shape.h"

#include "CanvasDrawingState.h"

#include <QPainter>

Shape::Shape(int commandId, CanvasDrawingState* state, QObject* parent)
    : QObject(parent), _state(state), _commandId(commandId)
{
}

QPainter* Shape::_beginPainting() const
{
    QPainter* painter = _state->painter;
    if (!painter)
        return nullptr;
    painter->save();
    painter->setCompositionMode(_state->eraser ? QPainter::CompositionMode_DestinationOut
                                               : QPainter::CompositionMode_SourceOver);
    return painter;
}

void Shape::_endPainting() const
{
    _state->painter->restore();
}

void Shape::_drawPendingFrame(const QRect& rect) const
{
    QPainter* painter = _state->painter;
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_Xor);
    painter->setPen(QPen(Qt::gray, 0.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect);
    painter->restore();
}
