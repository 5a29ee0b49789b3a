#pragma once

#include "TransitionFlavourEditingWidgetController.h"

class PopupColorsScrollWidget;
class Segment;

// The nine colour adjustments of a picture or of one of its transition
// states. The panel grows and shrinks as rows open, and so does the section.
class ColorsEditingWidgetController : public TransitionFlavourEditingWidgetController
{
    Q_OBJECT

public:
    ColorsEditingWidgetController(bool transition, QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupColorsScrollWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);
    void setTransitionState(const Segment* segment, int transitionId, int state);

public slots:
    void onColorsWidgetFitHeightChanged(PopupColorsScrollWidget* colorsWidget);

private:
    PopupColorsScrollWidget* _popup;
};
