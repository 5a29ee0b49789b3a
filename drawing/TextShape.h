#pragma once

#include "Shape.h"

// The pending text of the canvas state, laid out in the widget's frame:
// centred, word-wrapped at the frame's width and moved by the state's offsets.
// Until committed it carries a grey frame, drawn into the canvas itself.
class TextShape : public Shape
{
    Q_OBJECT

public:
    using Shape::Shape;

    // A press on the frame while no text is pending asks for text.
    void touchBegan(const QPoint& position) override;
    void touchMoved(const QPoint& position) override;
    void touchEnded(const QPoint& position) override;
    void draw() override;

    // Draws the pending text without its frame and clears the offsets.
    void commit();
    void updateFrame();
    QRect frame() const { return _frame; }

signals:
    void textShapeGetFrameRect(TextShape* shape, QRect& rect);
    void textShapeRequestText(TextShape* shape);

private:
    QRect _frame;
    bool _committing = false;
};
