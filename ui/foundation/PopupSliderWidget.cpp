#include "PopupSliderWidget.h"

#include "SliderPopupForm.h"

PopupSliderWidget::PopupSliderWidget(QWidget* parent)
    : CommonSliderColorPopup(parent)
{
    SliderPopupForm form(this);
    form.addSliderRow(0, false);
    adoptForm(form);
    _rowPanel = form.rows[0].panel;
}

void PopupSliderWidget::configure(QWidget* parent, const QString& title, float value, float min, float max,
                                  bool multiplierFormat, float step)
{
    _apply(value, min, max, multiplierFormat, step);
    showFullscreenInWidget(parent, title);
}

void PopupSliderWidget::configure(QWidget* parent, const QString& title, const QPoint& point, float value, float min,
                                  float max, bool multiplierFormat, float step)
{
    _apply(value, min, max, multiplierFormat, step);
    showInWidget(parent, title, point);
}

void PopupSliderWidget::_apply(float value, float min, float max, bool multiplierFormat, float step)
{
    setSliderRange(min, max, step);
    setMultiplierFormat(multiplierFormat);
    setValue(value);
}

void PopupSliderWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonSliderColorPopup::setupUi(parent, title);
    _rowPanel->setStyleSheet("QWidget { background-color: transparent; }");
}
