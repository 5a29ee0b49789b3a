#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QHBoxLayout;
class TooltipButton;

// The dark panel with a "Duplicate" and a "Remove" button that slides up at
// the bottom right of the timeline while a tile or a track is dragged;
// dropping on a button duplicates or removes the dragged item.
class SegmentDraggingOperationWidget : public QWidget
{
    Q_OBJECT

public:
    // What hitTest answers.
    enum Hit { NoButton = -1, DuplicateButton = 0, RemoveButton = 1 };

    explicit SegmentDraggingOperationWidget(QWidget* parent);

    // Shows the panel over area (the visible timeline, in the parent's
    // coordinates); removeOnly hides the duplicate button.
    void showAtRect(QWidget* parent, const QRect& area, bool removeOnly);
    // Which button a point (panel coordinates) is over, highlighting it.
    int hitTest(const QPoint& point);
    // Where a removed item flies to, in global coordinates.
    QPoint trashButtonCenter() const;
    TooltipButton* duplicateButton() const { return _duplicateButton; }
    TooltipButton* trashButton() const { return _trashButton; }

private:
    void _applyStyle();
    static bool _buttonHit(const TooltipButton* button, const QPoint& point);

    QHBoxLayout* _layout;
    TooltipButton* _duplicateButton;
    TooltipButton* _trashButton;
};
