#pragma once

#include "Shape.h"

// A shape that shows one pending item of the canvas state (the text or the
// picture) until the canvas commits it. A press on the widget's frame while
// nothing is pending asks the canvas for an item; drags and wheel steps are
// the canvas's to handle.
class PendingItemShape : public Shape
{
    Q_OBJECT

public:
    using Shape::Shape;

    void touchBegan(const QPoint& position) override;
    void touchMoved(const QPoint& position) override;
    void touchEnded(const QPoint& position) override;

    // Draws the pending item without its frame and clears its offsets.
    void commit();
    void updateFrame();
    QRect frame() const { return _frame; }

protected:
    virtual bool _hasPendingItem() const = 0;
    // The widget's frame, as the canvas answers it.
    virtual QRect _frameRect() = 0;
    virtual void _requestItem() = 0;
    virtual void _clearOffsets() = 0;
    // Reports the whole widget when nothing is pending; true then.
    bool _showNothingPending();

    QRect _frame;
    bool _committing = false;
};
