#include "RoundCornerEditingWidgetController.h"

#include "PopupSliderWidget.h"
#include "Segment.h"
#include "SegmentLengths.h"
#include "UiMetrics.h"

#include <QSize>

RoundCornerEditingWidgetController::RoundCornerEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _popup(new PopupSliderWidget(parent))
{
    const float maximum = float(UiMetrics::portraitScreenSize().width());
    _popup->configure(parent, tr("Round Corner"), 0.0f, 0.0f, maximum, false, 1.0f);
    _popup->setFixedHeight(_popup->popupHeight());
}

bool RoundCornerEditingWidgetController::appliesTo(const Segment* segment)
{
    const QString type = segment->type();
    return type == QLatin1String("MOVIE") || type == QLatin1String("IMAGE") || type == QLatin1String("DRAWING");
}

QWidget* RoundCornerEditingWidgetController::widget() const
{
    return _popup;
}

int RoundCornerEditingWidgetController::displayOrder() const
{
    return 130;
}

void RoundCornerEditingWidgetController::updateValues(const Segment* segment, const QSize& canvasSize)
{
    _popup->setValueSilently(SegmentLengths::cornerRadiusFraction(segment) * float(canvasSize.width()));
}

void RoundCornerEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
