#include "TextSizeEditingWidgetController.h"

#include "PopupSliderColorWidget.h"
#include "TextSegment.h"

#include <algorithm>

namespace {

constexpr float kMinSize = 1.0f;
constexpr float kMaxSize = 960.0f;

} // namespace

TextSizeEditingWidgetController::TextSizeEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupSliderColorWidget(parent))
{
    _popup->configure(parent, tr("Text Size & Color"), 0.0f, QColor(), kMinSize, kMaxSize, 1.0f);
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

void TextSizeEditingWidgetController::updateValues(const Segment* segment, const QSize&)
{
    const auto* text = static_cast<const TextSegment*>(segment);
    // The size in the text's own reference frame: the number stored, which
    // a preview of another quality must not change.
    const float size = text->fontSize(text->referenceSize());
    // The popup ignores a value off its slider, which would leave the last
    // text's size on show: a size beyond the ends shows at the nearer one.
    _popup->setValueSilently(std::clamp(size, kMinSize, kMaxSize));
    _popup->setColor(QColor::fromRgba(text->color()));
}

void TextSizeEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
