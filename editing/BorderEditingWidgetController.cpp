#include "BorderEditingWidgetController.h"

#include "PopupSliderColorWidget.h"
#include "Segment.h"

BorderEditingWidgetController::BorderEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupSliderColorWidget(parent))
{
    _popup->configure(parent, tr("Border Size & Color"), 0.0f, QColor(), 0.0f, 32.0f, 0.5f);
    _popup->setFixedHeight(_popup->popupHeight());
    _watchPopupWindow(_popup);
}

bool BorderEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->type() == QLatin1String("TEXT");
}

QWidget* BorderEditingWidgetController::widget() const
{
    return _popup;
}

int BorderEditingWidgetController::displayOrder() const
{
    return 100;
}

void BorderEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setValueSilently(segment->borderWidth());
    _popup->setColor(QColor::fromRgba(segment->borderColor()));
}

void BorderEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
