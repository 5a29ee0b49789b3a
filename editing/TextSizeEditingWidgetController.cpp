#include "TextSizeEditingWidgetController.h"

#include "PopupSliderColorWidget.h"
#include "TextSegment.h"

TextSizeEditingWidgetController::TextSizeEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupSliderColorWidget(parent))
{
    _popup->configure(parent, tr("Text Size & Color"), 0.0f, QColor(), 1.0f, 960.0f, 1.0f);
    _popup->setFixedHeight(_popup->popupHeight());
    _watchPopupWindow(_popup);
}

bool TextSizeEditingWidgetController::appliesTo(const Segment* segment)
{
    return dynamic_cast<const TextSegment*>(segment) != nullptr;
}

QWidget* TextSizeEditingWidgetController::widget() const
{
    return _popup;
}

int TextSizeEditingWidgetController::displayOrder() const
{
    return 30;
}

void TextSizeEditingWidgetController::updateValues(const Segment* segment, const QSize& frameSize)
{
    const auto* text = static_cast<const TextSegment*>(segment);
    _popup->setValueSilently(text->fontSize(QSizeF(frameSize)));
    _popup->setColor(QColor::fromRgba(text->color()));
}

void TextSizeEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
