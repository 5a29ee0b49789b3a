#include "CommonEditingWidgetController.h"

#include <QWidget>

CommonEditingWidgetController::CommonEditingWidgetController(QWidget* parent)
    : QObject(parent)
    , _separator(new QWidget(parent))
{
    _separator->setFixedHeight(1);
    _separator->setAttribute(Qt::WA_StyledBackground);
    _separator->setStyleSheet(
        QStringLiteral("QWidget { background-color: rgba(101,101,101,128); margin: 0 10px 0 10px; }"));
}

void CommonEditingWidgetController::setVisible(bool visible)
{
    _separator->setVisible(visible);
    widget()->setVisible(visible);
}

bool CommonEditingWidgetController::isVisible() const
{
    // Asked of the parent, so a section counts as shown while the inspector
    // itself is off screen.
    return _separator->isVisibleTo(_separator->parentWidget());
}

void CommonEditingWidgetController::dismissPopups() {}

int CommonEditingWidgetController::displayOrder() const
{
    return 0;
}

int CommonEditingWidgetController::sectionHeight() const
{
    return widget()->height() + 1;
}
