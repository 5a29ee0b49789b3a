#include "PopupSliderColorWidget.h"

#include "SliderPopupForm.h"

PopupSliderColorWidget::PopupSliderColorWidget(QWidget* parent)
    : CommonSliderColorPopup(parent)
{
    SliderPopupForm form(this);
    form.addSliderRow(0, true);
    adoptForm(form);
}

void PopupSliderColorWidget::configure(QWidget* parent, const QString& title, float value, const QColor& color,
                                       float min, float max, float step)
{
    _apply(value, color, min, max, step);
    showFullscreenInWidget(parent, title);
}

void PopupSliderColorWidget::configure(QWidget* parent, const QString& title, const QPoint& point, float value,
                                       const QColor& color, float min, float max, float step)
{
    _apply(value, color, min, max, step);
    showInWidget(parent, title, point);
}

void PopupSliderColorWidget::_apply(float value, const QColor& color, float min, float max, float step)
{
    setSliderRange(min, max, step);
    setValue(value);
    setColor(color);
}
