#include "TextBackEditingWidgetController.h"

#include "PopupSliderColor2SlidersWidget.h"
#include "TextSegment.h"

#include <algorithm>

namespace {

// The spacing slider's end; a wider inset is shown at the end.
constexpr float kMaxSpacing = 80.0f;

} // namespace

TextBackEditingWidgetController::TextBackEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupSliderColor2SlidersWidget(parent))
{
    _popup->configure(parent, tr("Text Background"), 0.0f, QColor(), 0.0f, 1.0f, 0.05f, tr("Spacing"), 0.0f, 0.0f,
                      kMaxSpacing, 0.5f, tr("Round Corner"), 0.0f, 0.0f, 100.0f, 0.5f);
    _popup->setFixedHeight(_popup->popupHeight());
    _watchPopupWindow(_popup);
}

bool TextBackEditingWidgetController::appliesTo(const Segment* segment)
{
    return dynamic_cast<const TextSegment*>(segment) != nullptr;
}

QWidget* TextBackEditingWidgetController::widget() const
{
    return _popup;
}

int TextBackEditingWidgetController::displayOrder() const
{
    return 120;
}

void TextBackEditingWidgetController::updateValues(const Segment* segment, const QSize& frameSize)
{
    const auto* text = static_cast<const TextSegment*>(segment);
    _popup->setValueSilently(text->backOpacity());
    _popup->setValue2Silently(std::min(text->backInset() * float(frameSize.width()), kMaxSpacing));
    _popup->setValue3Silently(text->backCorner() * 100.0f);
    _popup->setColor(QColor::fromRgba(text->backColorRgba()));
    _popup->updateOptionsState();
}

void TextBackEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
