#include "DoneButtonEditingWidgetController.h"

#include "DoneButtonEditingWidget.h"

DoneButtonEditingWidgetController::DoneButtonEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new DoneButtonEditingWidget(parent))
{
    _widget->setFixedHeight(100);
    connect(_widget, &DoneButtonEditingWidget::doneButtonClicked, this,
            &DoneButtonEditingWidgetController::onDoneButtonClicked);
}

QWidget* DoneButtonEditingWidgetController::widget() const
{
    return _widget;
}

int DoneButtonEditingWidgetController::displayOrder() const
{
    return 10;
}

void DoneButtonEditingWidgetController::setTitle(const QString& title)
{
    _widget->setTitle(title);
}

void DoneButtonEditingWidgetController::onDoneButtonClicked()
{
    emit doneButtonClicked();
}
