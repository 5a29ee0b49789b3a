#include "TransitionsEditingWidgetController.h"

#include "Segment.h"
#include "TransitionsEditingWidget.h"

#include <QPixmap>
#include <QPushButton>

TransitionsEditingWidgetController::TransitionsEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new TransitionsEditingWidget(parent))
{
    _widget->setEasingPanelHidden(true);
    connect(_widget, &TransitionsEditingWidget::transitionSelectionIndexChanged, this,
            &TransitionsEditingWidgetController::transitionSelectionIndexChanged);
    connect(_widget, &TransitionsEditingWidget::popupEasingFunctionsWidgetOnButton, this,
            &TransitionsEditingWidgetController::popupEasingFunctionsWidgetOnButton);
    connect(_widget, &TransitionsEditingWidget::addTransitionActionOnButton, this,
            &TransitionsEditingWidgetController::addTransitionActionOnButton);
    connect(_widget, &TransitionsEditingWidget::removeTransitionAtIndex, this,
            &TransitionsEditingWidgetController::removeTransitionAtIndex);
    connect(_widget, &TransitionsEditingWidget::duplicateTransitionAtIndex, this,
            &TransitionsEditingWidgetController::duplicateTransitionAtIndex);
    connect(_widget, &TransitionsEditingWidget::transitionSegmentedWidgetIndexChanged, this,
            &TransitionsEditingWidgetController::onTransitionSegmentedWidgetIndexChanged);
}

QWidget* TransitionsEditingWidgetController::widget() const
{
    return _widget;
}

int TransitionsEditingWidgetController::displayOrder() const
{
    return 180;
}

void TransitionsEditingWidgetController::setTransition(Segment* segment, int transitionId, int side)
{
    const bool selected = transitionId > 0;
    _widget->setRemoveEnabled(selected);
    _widget->setDuplicateEnabled(selected);
    _widget->setEasingPanelHidden(!selected);
    reloadTransitionList(segment);

    const int row = selected ? _rowOf(segment, transitionId) : -1;
    if (row >= 0)
        _widget->selectRow(row);
    else
        _widget->clearSelection();

    if (selected)
        _showEasing(segment, transitionId);
    else
        _widget->setEasing(QPixmap(), QString());

    if (side >= 0)
        _widget->setSegmentIndex(1 - side);
}

void TransitionsEditingWidgetController::reloadTransitionList(const Segment* segment)
{
    _widget->clearItems();
    const int count = segment->transitionCount();
    for (int position = 0; position < count; ++position) {
        const int id = segment->isValidTransitionIndex(position);
        _widget->addTransitionItem(id, segment->transitionStart(id), segment->transitionDuration(id));
    }
    _widget->setEmptyHintVisible(count == 0);
}

int TransitionsEditingWidgetController::_rowOf(const Segment* segment, int transitionId)
{
    const int count = segment->transitionCount();
    for (int position = 0; position < count; ++position) {
        if (segment->isValidTransitionIndex(position) == transitionId)
            return position;
    }
    return -1;
}

void TransitionsEditingWidgetController::_showEasing(Segment* segment, int transitionId)
{
    QPixmap icon;
    QString name;
    emit getEasingFunctionIconImage(segment, transitionId, icon);
    emit getEasingFunctionHintText(segment, transitionId, name);
    _widget->setEasing(icon, name);
}

void TransitionsEditingWidgetController::onTransitionSegmentedWidgetIndexChanged(int index)
{
    emit transitionBeginOrEndPositionChanged(1 - index);
}
