#include "PitchEditingWidgetController.h"

#include "PopupSliderWidget.h"
#include "Segment.h"

PitchEditingWidgetController::PitchEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _popup(new PopupSliderWidget(parent))
{
    _popup->configure(parent, tr("Pitch"), 1.0f, 0.5f, 2.0f, false, 0.01f);
    _popup->setFixedHeight(_popup->popupHeight());
}

bool PitchEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->hasAudio();
}

QWidget* PitchEditingWidgetController::widget() const
{
    return _popup;
}

// Directly under the volume.
int PitchEditingWidgetController::displayOrder() const
{
    return 81;
}

void PitchEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setValueSilently(segment->pitch());
}

void PitchEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
