#pragma once

#include "PendingItemShape.h"

// The pending picture of the canvas state, fitted into the widget's frame,
// scaled by the state's picture scale, centred and moved by its offsets; drawn
// at the hardness as opacity. Until committed it carries a grey frame.
class PictureShape : public PendingItemShape
{
    Q_OBJECT

public:
    using PendingItemShape::PendingItemShape;

    void draw() override;
    // Where the pending picture goes, in widget units; invalid when none is pending.
    QRect pictureRect();

signals:
    void pictureShapeGetFrameRect(PictureShape* shape, QRect& rect);
    void pictureShapeRequestPicture(PictureShape* shape);

protected:
    bool _hasPendingItem() const override;
    QRect _frameRect() override;
    void _requestItem() override;
    void _clearOffsets() override;
};
