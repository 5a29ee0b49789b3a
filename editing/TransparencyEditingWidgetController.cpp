#include "TransparencyEditingWidgetController.h"

#include "PopupSliderWidget.h"
#include "Segment.h"

TransparencyEditingWidgetController::TransparencyEditingWidgetController(bool transition, QWidget* parent)
    : TransitionFlavourEditingWidgetController(transition, parent)
    , _popup(new PopupSliderWidget(parent))
{
    _popup->configure(parent, tr("Transparency"), 0.0f, 0.0f, 1.0f, false, 0.05f);
    _popup->setFixedHeight(_popup->popupHeight());
}

bool TransparencyEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->isVisualLayer();
}

QWidget* TransparencyEditingWidgetController::widget() const
{
    return _popup;
}

int TransparencyEditingWidgetController::displayOrder() const
{
    return isTransition() ? 200 : 70;
}

void TransparencyEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setValueSilently(segment->userTransparency());
}

// The overlay exists exactly while the segment's picture can be edited.
void TransparencyEditingWidgetController::setEditable(QWidget* overlay, bool)
{
    _popup->updateControls(overlay != nullptr);
}

void TransparencyEditingWidgetController::setTransitionState(const Segment* segment, int transitionId, int state)
{
    const bool read = _storeTransitionState(transitionId, state);
    _popup->updateControls(_hasTransitionState());
    if (read)
        _popup->setValueSilently(segment->transitionUserTransparency(transitionId, _readsBeginState()));
}
