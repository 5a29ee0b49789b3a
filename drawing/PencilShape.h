#pragma once

#include "Shape.h"

#include <QPainterPath>

// A freehand stroke smoothed by quadratic curves through the midpoints of
// successive mouse positions. Every redraw paints the whole stroke over the
// restored backup, so a translucent stroke stays evenly translucent where its
// segments overlap.
class PencilShape : public Shape
{
    Q_OBJECT

public:
    using Shape::Shape;

    void touchBegan(const QPoint& position) override;
    void touchMoved(const QPoint& position) override;
    void touchEnded(const QPoint& position) override;
    void draw() override;

private:
    void _addSegment(const QPoint& position);
    void _redraw();

    // The point before the last, the last and the newest.
    QPoint _p0;
    QPoint _p1;
    QPoint _p2;
    QPainterPath _path;
    // Tells a pending redraw whether a later move has superseded it.
    qint64 _moveCounter = 0;
    QRect _dirty;
};
