#include "SpeedEditingWidgetController.h"

#include "PopupSliderWidget.h"
#include "Segment.h"

namespace {
// Slider position p stands for the speed p x 0.25 + 0.25.
constexpr float kSlowestSpeed = 0.25f;
constexpr float kPositionsPerSpeed = 4.0f;
}

SpeedEditingWidgetController::SpeedEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _popup(new PopupSliderWidget(parent))
{
    _popup->configure(parent, tr("Speed"), 0.0f, 0.0f, 15.0f, true, 1.0f);
    _popup->setFixedHeight(_popup->popupHeight());
}

bool SpeedEditingWidgetController::appliesTo(const Segment* segment)
{
    const QString type = segment->type();
    return type == QLatin1String("MOVIE") || type == QLatin1String("MUSIC") || type == QLatin1String("VOICE");
}

QWidget* SpeedEditingWidgetController::widget() const
{
    return _popup;
}

int SpeedEditingWidgetController::displayOrder() const
{
    return 90;
}

void SpeedEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setValueSilently((segment->speed() - kSlowestSpeed) * kPositionsPerSpeed);
}

void SpeedEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
