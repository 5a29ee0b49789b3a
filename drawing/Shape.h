#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

struct CanvasDrawingState;
class QPainter;

// One drawing tool of the canvas: it receives the left button's press, moves
// and release in widget coordinates, paints into the canvas through the
// painter of the shared state and reports the widget area it touched.
class Shape : public QObject
{
    Q_OBJECT

public:
    Shape(int commandId, CanvasDrawingState* state, QObject* parent);

    int commandId() const { return _commandId; }

    virtual void touchBegan(const QPoint& position) = 0;
    virtual void touchMoved(const QPoint& position) = 0;
    virtual void touchEnded(const QPoint& position) = 0;
    // Paints the current figure into the canvas and reports the touched area.
    virtual void draw() = 0;

signals:
    void shapeNeedDisplayInRect(Shape* shape, QRect rect);
    void shapeNeedDisplay(Shape* shape);
    // backup true: the stroke begins (the canvas has made its backup);
    // false: put the canvas back to the backup before the next redraw.
    void shapeRequestBackupRestoreCanvasImage(Shape* shape, bool backup);
    void shapeRequestDiscardBackupCanvasImage(Shape* shape);

protected:
    // Saves the canvas painter and sets the composition the eraser asks for;
    // null when the canvas has no painter. Pair with _endPainting.
    QPainter* _beginPainting() const;
    void _endPainting() const;
    // The grey outline that marks pending text or a pending picture; drawn
    // with Xor so it shows over any colour, and left out when committing.
    void _drawPendingFrame(const QRect& rect) const;

    CanvasDrawingState* _state;

private:
    int _commandId;
};
