#pragma once

#include "PendingItemShape.h"

// The pending text of the canvas state, laid out in the widget's frame:
// centred, word-wrapped at the frame's width and moved by the state's offsets.
// Until committed it carries a grey frame, drawn into the canvas itself.
class TextShape : public PendingItemShape
{
    Q_OBJECT

public:
    using PendingItemShape::PendingItemShape;

    void draw() override;

signals:
    void textShapeGetFrameRect(TextShape* shape, QRect& rect);
    void textShapeRequestText(TextShape* shape);

protected:
    bool _hasPendingItem() const override;
    QRect _frameRect() override;
    void _requestItem() override;
    void _clearOffsets() override;
};
