#include "VolumeEditingWidgetController.h"

#include "PopupSliderWidget.h"
#include "Segment.h"

namespace {
constexpr float kUnchangedVolume = 1.0f;
constexpr float kSnapDistance = 0.1f;
}

VolumeEditingWidgetController::VolumeEditingWidgetController(bool transition, QWidget* parent)
    : TransitionFlavourEditingWidgetController(transition, parent)
    , _popup(new PopupSliderWidget(parent))
{
    _popup->configure(parent, tr("Volume"), 0.0f, 0.0f, 10.0f, false, 0.05f);
    _popup->setFixedHeight(_popup->popupHeight());
    _popup->setDefaultValueMarker(kUnchangedVolume, kSnapDistance);
}

bool VolumeEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->hasAudio();
}

QWidget* VolumeEditingWidgetController::widget() const
{
    return _popup;
}

int VolumeEditingWidgetController::displayOrder() const
{
    return isTransition() ? 210 : 80;
}

void VolumeEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setValueSilently(segment->userVolume());
}

void VolumeEditingWidgetController::setEditable(const Segment* segment, QWidget* overlay, float pointerTime)
{
    const bool movie = segment->type() == QLatin1String("MOVIE") && segment->hasAudio();
    _popup->updateControls(movie ? overlay != nullptr : segment->isStaticAt(pointerTime));
}

void VolumeEditingWidgetController::setTransitionState(const Segment* segment, int transitionId, int state)
{
    const bool read = _storeTransitionState(transitionId, state);
    _popup->updateControls(_hasTransitionState());
    if (read)
        _popup->setValueSilently(segment->transitionUserVolume(transitionId, _readsBeginState()));
}
