#include "TextFontEditingWidgetController.h"

#include "TextFontEditingWidget.h"
#include "TextSegment.h"

TextFontEditingWidgetController::TextFontEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new TextFontEditingWidget(parent))
{
    _widget->setFixedHeight(65);
    connect(_widget, &TextFontEditingWidget::fontButtonClicked, this,
            &TextFontEditingWidgetController::fontButtonClicked);
}

bool TextFontEditingWidgetController::appliesTo(const Segment* segment)
{
    return dynamic_cast<const TextSegment*>(segment) != nullptr;
}

QWidget* TextFontEditingWidgetController::widget() const
{
    return _widget;
}

int TextFontEditingWidgetController::displayOrder() const
{
    return 40;
}

void TextFontEditingWidgetController::updateValues(const Segment* segment)
{
    _widget->setTextFont(static_cast<const TextSegment*>(segment)->font());
}

void TextFontEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _widget->setControlEnabled(segmentUnderPointer);
}
