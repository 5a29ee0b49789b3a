#include "EditButtonEditingWidgetController.h"

#include "EditButtonEditingWidget.h"
#include "Segment.h"

EditButtonEditingWidgetController::EditButtonEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new EditButtonEditingWidget(parent))
{
    _widget->setFixedHeight(100);
    connect(_widget, &EditButtonEditingWidget::editButtonClicked, this,
            &EditButtonEditingWidgetController::onEditButtonClicked);
}

bool EditButtonEditingWidgetController::appliesTo(const Segment* segment)
{
    const QString type = segment->type();
    return type == QLatin1String("TEXT") || type == QLatin1String("DRAWING") || type == QLatin1String("IMAGE");
}

QWidget* EditButtonEditingWidgetController::widget() const
{
    return _widget;
}

int EditButtonEditingWidgetController::displayOrder() const
{
    return 20;
}

void EditButtonEditingWidgetController::updateValues(const Segment* segment)
{
    const QString type = segment->type();
    if (type == QLatin1String("TEXT")) {
        _widget->setTitle(tr("Text"));
        _widget->setButtonText(tr("Edit Text"));
        _editType = EditText;
    } else if (type == QLatin1String("DRAWING")) {
        _widget->setTitle(tr("Self-Draw"));
        _widget->setButtonText(tr("Edit Drawing"));
        _editType = EditDrawing;
    } else if (type == QLatin1String("IMAGE")) {
        _widget->setTitle(tr("Photo"));
        _widget->setButtonText(tr("Change Photo"));
        _editType = ChangePicture;
    }
}

void EditButtonEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _widget->setButtonEnabled(segmentUnderPointer);
}

void EditButtonEditingWidgetController::onEditButtonClicked(QWidget* button)
{
    emit editButtonClicked(_editType, button);
}
