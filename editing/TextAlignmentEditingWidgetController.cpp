#include "TextAlignmentEditingWidgetController.h"

#include "TextAlignmentEditingWidget.h"
#include "TextSegment.h"

namespace {

bool isKnownAlignment(int alignment)
{
    return alignment >= 0 && alignment <= 2;
}

} // namespace

TextAlignmentEditingWidgetController::TextAlignmentEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new TextAlignmentEditingWidget(parent))
{
    _widget->setFixedHeight(60);
    connect(_widget, &TextAlignmentEditingWidget::alignmentIndexChanged, this,
            &TextAlignmentEditingWidgetController::onAlignmentIndexChanged);
}

bool TextAlignmentEditingWidgetController::appliesTo(const Segment* segment)
{
    return dynamic_cast<const TextSegment*>(segment) != nullptr;
}

QWidget* TextAlignmentEditingWidgetController::widget() const
{
    return _widget;
}

int TextAlignmentEditingWidgetController::displayOrder() const
{
    return 50;
}

void TextAlignmentEditingWidgetController::updateValues(const Segment* segment)
{
    const int alignment = static_cast<const TextSegment*>(segment)->alignment();
    if (isKnownAlignment(alignment))
        _widget->setAlignmentIndex(alignment);
    _alignment = alignment;
}

void TextAlignmentEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _widget->setControlEnabled(segmentUnderPointer);
}

void TextAlignmentEditingWidgetController::onAlignmentIndexChanged(int index)
{
    const int alignment = isKnownAlignment(index) ? index : 0;
    if (alignment == _alignment)
        return;
    _alignment = alignment;
    emit textAlignmentChanged(alignment);
}
