#pragma once

#include "TransitionFlavourEditingWidgetController.h"

class PopupSliderWidget;
class Segment;

// The volume slider of a segment with sound, or of one of its transition
// states.
class VolumeEditingWidgetController : public TransitionFlavourEditingWidgetController
{
    Q_OBJECT

public:
    VolumeEditingWidgetController(bool transition, QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment);
    // A movie's volume is edited with its picture; a sound's only where no
    // transition changes it, at the pointer time.
    void setEditable(const Segment* segment, QWidget* overlay, float pointerTime);
    void setTransitionState(const Segment* segment, int transitionId, int state);

private:
    PopupSliderWidget* _popup;
};
