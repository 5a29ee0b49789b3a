#pragma once

#include "Shape.h"

// The pending picture of the canvas state, fitted into the widget's frame,
// scaled by the state's picture scale, centred and moved by its offsets; drawn
// at the hardness as opacity. Until committed it carries a grey frame.
class PictureShape : public Shape
{
    Q_OBJECT

public:
    using Shape::Shape;

    // A press on the frame while no picture is pending asks for a picture.
    void touchBegan(const QPoint& position) override;
    void touchMoved(const QPoint& position) override;
    void touchEnded(const QPoint& position) override;
    void draw() override;

    // Draws the pending picture without its frame and clears the offsets.
    void commit();
    void updateFrame();
    QRect frame() const { return _frame; }
    // Where the pending picture goes, in widget units; invalid when none is pending.
    QRect pictureRect();

signals:
    void pictureShapeGetFrameRect(PictureShape* shape, QRect& rect);
    void pictureShapeRequestPicture(PictureShape* shape);

private:
    QRect _frame;
    bool _committing = false;
};
