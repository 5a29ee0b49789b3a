#include "ColorsEditingWidgetController.h"

#include "PopupColorsScrollWidget.h"
#include "Segment.h"

ColorsEditingWidgetController::ColorsEditingWidgetController(bool transition, QWidget* parent)
    : TransitionFlavourEditingWidgetController(transition, parent)
    , _popup(new PopupColorsScrollWidget(parent))
{
    connect(_popup, &PopupColorsScrollWidget::widgetFitHeightChanged, this,
            &ColorsEditingWidgetController::onColorsWidgetFitHeightChanged);
    _popup->showFullscreenWithValues(parent, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    _popup->setFixedHeight(_popup->popupHeight());
}

bool ColorsEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->isVisualLayer();
}

QWidget* ColorsEditingWidgetController::widget() const
{
    return _popup;
}

int ColorsEditingWidgetController::displayOrder() const
{
    return isTransition() ? 220 : 150;
}

void ColorsEditingWidgetController::updateValues(const Segment* segment)
{
    _popup->setValues(segment->clrSaturation(), segment->clrBrightness(), segment->clrContrast(),
                      segment->clrWhiteBalance(), segment->clrExposure(), segment->clrHue(), segment->clrRed(),
                      segment->clrGreen(), segment->clrBlue());
}

void ColorsEditingWidgetController::setEditable(QWidget* overlay, bool)
{
    _popup->updateControls(overlay != nullptr);
}

void ColorsEditingWidgetController::setTransitionState(const Segment* segment, int id, int state)
{
    const bool read = _storeTransitionState(id, state);
    _popup->updateControls(_hasTransitionState());
    if (!read)
        return;
    const bool begin = _readsBeginState();
    _popup->setValues(segment->transitionClrSaturation(id, begin), segment->transitionClrBrightness(id, begin),
                      segment->transitionClrContrast(id, begin), segment->transitionClrWhiteBalance(id, begin),
                      segment->transitionClrExposure(id, begin), segment->transitionClrHue(id, begin),
                      segment->transitionClrRed(id, begin), segment->transitionClrGreen(id, begin),
                      segment->transitionClrBlue(id, begin));
    if (_popup->height() != _popup->fitHeight())
        _popup->setFixedHeight(_popup->fitHeight());
}

void ColorsEditingWidgetController::onColorsWidgetFitHeightChanged(PopupColorsScrollWidget*)
{
    _popup->setFixedHeight(_popup->fitHeight());
    emit editingWidgetControllerSizeChanged(this);
}
