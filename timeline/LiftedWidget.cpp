#include "LiftedWidget.h"

void LiftedWidget::lift(QWidget* widget, QWidget* mainWindow)
{
    _homeGeometry = widget->geometry();
    _homeParent = widget->parentWidget();
    _liftedRect = QRect(mainWindow->mapFromGlobal(widget->mapToGlobal(QPoint(0, 0))), widget->size());
    _lifted = true;
    widget->setParent(mainWindow);
    widget->setGeometry(_liftedRect);
    widget->show();
    widget->grabMouse();
}

QPoint LiftedWidget::followingPosition(const QPoint& globalPointer, const QPoint& globalPress) const
{
    return globalPointer + (_liftedRect.topLeft() - globalPress);
}

void LiftedWidget::returnHome(QWidget* widget)
{
    _lifted = false;
    if (!_homeParent) {
        widget->hide();
        widget->deleteLater();
        return;
    }
    widget->setParent(_homeParent);
    widget->setGeometry(_homeGeometry);
    widget->show();
}
