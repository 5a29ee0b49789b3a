#include "PopupSliderWidget.h"

#include "SliderPopupForm.h"

PopupSliderWidget::PopupSliderWidget(QWidget* parent)
    : CommonSliderColorPopup(parent), _form(std::make_unique<SliderPopupForm>(this))
{
    _form->addSliderRow(0, false);
    adoptForm(*_form);
}

PopupSliderWidget::~PopupSliderWidget() = default;

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
    _form->rows[0].panel->setStyleSheet("QWidget { background-color: transparent; }");
}
