#pragma once

#include "CommonEditingWidgetController.h"

class QPixmap;
class QPushButton;
class Segment;
class TransitionsEditingWidget;

// The inspector's list of a segment's transitions. It shows and reports;
// the main window makes every change. The easing of the selected transition
// is asked of the main window through the two questions below, which must be
// connected directly: the receiver fills the reference before the emit
// returns.
class TransitionsEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit TransitionsEditingWidgetController(QWidget* parent);

    QWidget* widget() const override;
    int displayOrder() const override;
    TransitionsEditingWidget* transitionsWidget() const { return _widget; }

    // Refills the section for the selected transition (id from 1, 0 none)
    // and the side the play pointer stands on (1 its start, 0 its end, -1
    // neither, which leaves the switch as it is).
    void setTransition(Segment* segment, int transitionId, int side);
    // Refills the table alone.
    void reloadTransitionList(const Segment* segment);

signals:
    void getEasingFunctionHintText(Segment* segment, int tId, QString& text);
    void getEasingFunctionIconImage(Segment* segment, int tId, QPixmap& pixmap);
    void transitionSelectionIndexChanged(int index);
    // 1 the start state, 0 the end state.
    void transitionBeginOrEndPositionChanged(int beginOrEnd);
    void popupEasingFunctionsWidgetOnButton(QPushButton* button);
    void addTransitionActionOnButton(QPushButton* button);
    void removeTransitionAtIndex(int index);
    void duplicateTransitionAtIndex(int index);

private slots:
    void onTransitionSegmentedWidgetIndexChanged(int index);

private:
    static int _rowOf(const Segment* segment, int transitionId);
    void _showEasing(Segment* segment, int transitionId);

    TransitionsEditingWidget* _widget;
};
