#include "PopupSliderColor2SlidersWidget.h"

#include "SliderPopupForm.h"

PopupSliderColor2SlidersWidget::PopupSliderColor2SlidersWidget(QWidget* parent)
    : CommonSliderColorPopup(parent)
{
    SliderPopupForm form(this);
    form.addSliderRow(0, true);
    form.addSliderRow(1, false);
    form.addSliderRow(2, false);
    form.stretchFirstRow();
    adoptForm(form);
}

void PopupSliderColor2SlidersWidget::configure(QWidget* parent, const QString& title, float value,
                                               const QColor& color, float min, float max, float step,
                                               const QString& title2, float value2, float min2, float max2,
                                               float step2, const QString& title3, float value3, float min3,
                                               float max3, float step3)
{
    configureThreeRows({value, min, max, step}, color, title2, {value2, min2, max2, step2}, title3,
                       {value3, min3, max3, step3});
    showFullscreenInWidget(parent, title);
}

void PopupSliderColor2SlidersWidget::configure(QWidget* parent, const QString& title, const QPoint& point,
                                               float value, const QColor& color, float min, float max, float step,
                                               const QString& title2, float value2, float min2, float max2,
                                               float step2, const QString& title3, float value3, float min3,
                                               float max3, float step3)
{
    configureThreeRows({value, min, max, step}, color, title2, {value2, min2, max2, step2}, title3,
                       {value3, min3, max3, step3});
    showInWidget(parent, title, point);
}

int PopupSliderColor2SlidersWidget::popupHeight()
{
    return 254;
}
