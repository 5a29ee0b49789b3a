#include "ChromaKeyEditingWidgetController.h"

#include "PopupChromaKeyWidget.h"
#include "Segment.h"

ChromaKeyEditingWidgetController::ChromaKeyEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupChromaKeyWidget(parent))
{
    _popup->setValues(parent, false, 0, 0, QColor());
    _popup->setFixedHeight(_popup->popupHeight());
    _watchPopupWindow(_popup);
}

bool ChromaKeyEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->isVisualLayer();
}

QWidget* ChromaKeyEditingWidgetController::widget() const
{
    return _popup;
}

int ChromaKeyEditingWidgetController::displayOrder() const
{
    return 160;
}

void ChromaKeyEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setSwitchChecked(segment->keyEnabled());
    _popup->setValue2Silently(float(segment->keySensitivity()));
    _popup->setValue3Silently(float(segment->keySmoothing()));
    _popup->setColor(QColor::fromRgba(segment->keyColor()));
    _popup->updateOptionsState();
}

void ChromaKeyEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
