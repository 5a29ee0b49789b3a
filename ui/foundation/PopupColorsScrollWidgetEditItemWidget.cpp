#include "PopupColorsScrollWidgetEditItemWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

PopupColorsScrollWidgetEditItemWidget::PopupColorsScrollWidgetEditItemWidget(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName("PopupColorsScrollWidgetEditItemWidget");
    auto* layout = new QHBoxLayout(this);
    layout->setObjectName("horizontalLayout");
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), 8, margins.right(), 8);
    auto* label = new QLabel(name, this);
    label->setObjectName("label");
    label->setStyleSheet("color: white;");
    layout->addWidget(label, 1);
    auto* deleteButton = new QPushButton(tr("Remove"), this);
    deleteButton->setObjectName("deleteButton");
    deleteButton->setFlat(true);
    deleteButton->setStyleSheet("QPushButton { background-color: red; color: white; border: none;"
                                " border-radius: 5px; padding: 0px 10px 0px 10px; }");
    layout->addWidget(deleteButton);
    connect(deleteButton, &QPushButton::clicked, this, &PopupColorsScrollWidgetEditItemWidget::onDeleteButtonClicked);
}

void PopupColorsScrollWidgetEditItemWidget::onDeleteButtonClicked()
{
    emit deleteTriggered(this);
}
