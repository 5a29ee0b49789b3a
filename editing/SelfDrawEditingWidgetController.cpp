#include "SelfDrawEditingWidgetController.h"

#include "SelfDrawEditingWidget.h"

SelfDrawEditingWidgetController::SelfDrawEditingWidgetController(const QSize& canvasSize, QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new SelfDrawEditingWidget(canvasSize, parent))
{
    _widget->setFixedHeight(500);
    connect(_widget, &SelfDrawEditingWidget::widgetSizeChanged, this,
            &SelfDrawEditingWidgetController::onSelfDrawWidgetSizeChanged);
}

QWidget* SelfDrawEditingWidgetController::widget() const
{
    return _widget;
}

int SelfDrawEditingWidgetController::displayOrder() const
{
    return 230;
}

void SelfDrawEditingWidgetController::setVisible(bool visible)
{
    CommonEditingWidgetController::setVisible(visible);
    if (!visible)
        _widget->dismissPopups();
}

DrawingColorWidget* SelfDrawEditingWidgetController::colorWidget() const
{
    return _widget->colorWidget();
}

DrawingTuningWidget* SelfDrawEditingWidgetController::tuningWidget() const
{
    return _widget->tuningWidget();
}

DrawingToolsWidget* SelfDrawEditingWidgetController::toolsWidget() const
{
    return _widget->toolsWidget();
}

void SelfDrawEditingWidgetController::onSelfDrawWidgetSizeChanged()
{
    emit editingWidgetControllerSizeChanged(this);
}
