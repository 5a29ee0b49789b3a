#include "ShadowEditingWidgetController.h"

#include "PopupSliderColorShadowWidget.h"
#include "Segment.h"
#include "SegmentLengths.h"

#include <QSize>

ShadowEditingWidgetController::ShadowEditingWidgetController(QWidget* parent)
    : ColorButtonEditingWidgetController(parent)
    , _popup(new PopupSliderColorShadowWidget(parent))
{
    _popup->showFullscreenWithValues(parent, tr("Shadow"), 0.0f, QColor(), QSizeF(), 0.0f, 1.0f, 0.05f,
                                     tr("Radius"), 0.0f, 0.0f, 32.0f, 1.0f);
    _popup->setFixedHeight(_popup->popupHeight());
    _watchPopupWindow(_popup);
}

bool ShadowEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->isVisualLayer();
}

QWidget* ShadowEditingWidgetController::widget() const
{
    return _popup;
}

int ShadowEditingWidgetController::displayOrder() const
{
    return 140;
}

// The offset is shown the way the engine draws it: the shared conversion
// gives it as a fraction of the movie's width, whatever form it was stored in.
void ShadowEditingWidgetController::updateValues(const Segment* segment, const QSize& canvasSize)
{
    const double width = canvasSize.width();
    _popup->setShadowOffset(SegmentLengths::shadowOffsetFraction(segment) * width);
    _popup->setValueSilently(segment->shadowOpacity());
    _popup->setValue2Silently(segment->shadowRadius(float(width)));
    _popup->setColor(QColor::fromRgba(segment->shadowColor()));
    _popup->updateOptionsState();
}

void ShadowEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _popup->updateControls(segmentUnderPointer);
}
