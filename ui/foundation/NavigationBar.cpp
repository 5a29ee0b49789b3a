#include "NavigationBar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVariant>

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent), _layout(new QHBoxLayout(this))
{
    _layout->setContentsMargins(0, 0, 0, 0);
}

void NavigationBar::clear()
{
    // Deleted later: clear() may be called from a button's own click.
    while (QLayoutItem* item = _layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}

void NavigationBar::addButton(int cmdId, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setFlat(true);
    // Callers that walk the bar's buttons find each one's command by this property.
    button->setProperty("tag", cmdId);
    connect(button, &QPushButton::clicked, this, [this, cmdId]() { emit buttonClicked(cmdId); });
    _layout->addWidget(button);
}
