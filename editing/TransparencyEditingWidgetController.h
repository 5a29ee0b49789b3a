#pragma once

#include "TransitionFlavourEditingWidgetController.h"

class PopupSliderWidget;
class Segment;

// The transparency slider of a picture-like segment or of one of its
// transition states.
class TransparencyEditingWidgetController : public TransitionFlavourEditingWidgetController
{
    Q_OBJECT

public:
    TransparencyEditingWidgetController(bool transition, QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);
    void setTransitionState(const Segment* segment, int transitionId, int state);

private:
    PopupSliderWidget* _popup;
};
