#pragma once

#include "Shape.h"

#include <QPainterPath>
#include <QRectF>

#include <optional>

// The shapes drawn from the press point to the mouse (the box shapes and the
// line): each move schedules one redraw over the restored backup 10 ms later,
// so a burst of moves costs one redraw with the newest position.
class DragShape : public Shape
{
    Q_OBJECT

public:
    using Shape::Shape;

    void touchBegan(const QPoint& position) override;
    void touchMoved(const QPoint& position) override;
    void touchEnded(const QPoint& position) override;
    void draw() override;

protected:
    // Paints the figure from _start to _current with the prepared painter and
    // returns its bounding box in widget units, or nothing when it paints nothing.
    virtual std::optional<QRectF> _paintFigure(QPainter& painter) = 0;

    // The drag's box (x1, y1)-(x2, y2), normalised.
    QRectF _dragBox() const;
    // The drag's box truncated to whole widget units, as the box shapes draw it.
    QRect _integerDragBox() const;
    // Sets the painter up for the paint mode: outline (no brush) or filled (no
    // pen); false for any other mode, which paints nothing.
    bool _useOutlineOrFill(QPainter& painter) const;
    // Strokes the closed path with the pen (outline) or fills it with the brush (filled).
    void _outlineOrFillPath(QPainter& painter, const QPainterPath& path) const;
    // Distance and direction (radians, clockwise on screen) from _start to
    // _current; false when they coincide and the direction is undefined.
    bool _dragDirection(double& distance, double& angle) const;
    // The closed path from _current through `points` points around _start at
    // angle + k * step (k = 1, 2, ...), at evenRadius for even k and oddRadius
    // for odd k. The last points retrace the first edge so the outline closes
    // with a proper join.
    QPainterPath _pathAroundStart(double angle, double step, int points, double evenRadius,
                                  double oddRadius) const;
    // The square of half-side radius around _start.
    QRectF _squareAroundStart(double radius) const;

    QPoint _start;
    QPoint _current;

private:
    void _report(const std::optional<QRectF>& figure);

    QRect _dirty;
};
