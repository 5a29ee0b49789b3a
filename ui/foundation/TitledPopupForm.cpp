#include "TitledPopupForm.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

TitledPopupForm::TitledPopupForm(QWidget* popup)
    : mainWidget(new QWidget(popup)), layout(new QVBoxLayout(mainWidget)), titleLabel(new QLabel(mainWidget))
{
    mainWidget->setObjectName("mainWidget");
    layout->setObjectName("verticalLayout");
    layout->setSpacing(10);
    titleLabel->setObjectName("titleLabel");
    titleLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(titleLabel);
}

QScrollArea* TitledPopupForm::addScrollArea()
{
    auto* area = new QScrollArea(mainWidget);
    area->setObjectName("scrollArea");
    area->setWidgetResizable(true);
    auto* contents = new QWidget;
    contents->setObjectName("scrollAreaWidget");
    area->setWidget(contents);
    layout->addWidget(area);
    return area;
}
