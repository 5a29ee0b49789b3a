#include "StrokeBorderEditingWidgetController.h"

#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "Segment.h"
#include "SegmentLengths.h"

#include <QSize>

#include <algorithm>

namespace {
constexpr float kWidestBorder = 64.0f;
}

StrokeBorderEditingWidgetController::StrokeBorderEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupSliderColor1Switch2SlidersWidget(parent))
{
    _popup->configure(parent, tr("Border Size & Color"), 0.0f, QColor(), 0.0f, kWidestBorder, 0.5f,
                      tr("Tolerance"), 0.0f, 0.0f, 100.0f, 1.0f, tr("Intensity"), 0.0f, 0.0f, 100.0f, 1.0f,
                      tr("Stroke"), false);
    _popup->setFixedHeight(_popup->popupHeight());
    _watchPopupWindow(_popup);
}

bool StrokeBorderEditingWidgetController::appliesTo(const Segment* segment)
{
    const QString type = segment->type();
    return type == QLatin1String("MOVIE") || type == QLatin1String("IMAGE") || type == QLatin1String("DRAWING");
}

QWidget* StrokeBorderEditingWidgetController::widget() const
{
    return _popup;
}

int StrokeBorderEditingWidgetController::displayOrder() const
{
    return 110;
}

// A width beyond the slider's end would leave the slider where it was, so a
// wide border shows as the widest the slider offers.
void StrokeBorderEditingWidgetController::updateValues(const Segment* segment, const QSize& canvasSize)
{
    const float width = SegmentLengths::borderWidthFraction(segment) * float(canvasSize.width());
    _popup->setValueSilently(std::min(width, kWidestBorder));
    _popup->setValue2Silently(float(segment->borderStrokeTolerance()));
    _popup->setValue3Silently(float(segment->borderStrokeStrength()));
    _popup->setSwitchChecked(segment->borderStroke());
    _popup->setColor(QColor::fromRgba(segment->borderColor()));
    _popup->updateOptionsState();
}

void StrokeBorderEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
