#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

// A tile or a track dragged out of its row: reparented into the main window
// at the same place on screen, so it floats above everything while it
// follows the pointer, and put back into its row afterwards.
class LiftedWidget
{
public:
    // Reparents widget into mainWindow where it is now and grabs the mouse.
    void lift(QWidget* widget, QWidget* mainWindow);
    bool isLifted() const { return _lifted; }
    void forget() { _lifted = false; }
    // The top-left in the main window that keeps the widget's offset from
    // the press as the pointer moves.
    QPoint followingPosition(const QPoint& globalPointer, const QPoint& globalPress) const;
    QRect homeGeometry() const { return _homeGeometry; }
    QRect liftedRect() const { return _liftedRect; }
    QWidget* homeParent() const { return _homeParent; }
    // Back into its row at its old geometry. When the row went away during
    // the drag there is nothing to return to: the widget is let go.
    void returnHome(QWidget* widget);

private:
    QRect _homeGeometry;
    QPointer<QWidget> _homeParent;
    QRect _liftedRect;
    bool _lifted = false;
};
