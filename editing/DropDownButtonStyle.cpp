#include "DropDownButtonStyle.h"

#include <QPushButton>

void DropDownButtonStyle::apply(QWidget* container, QPushButton* nameButton)
{
    container->setAttribute(Qt::WA_StyledBackground);
    container->setStyleSheet(QStringLiteral("#%1 { color: white; background-color: rgb(44,46,50); border-radius: 5px; }")
                                 .arg(container->objectName()));
    nameButton->setStyleSheet(QStringLiteral("QPushButton { color: white; background-color: transparent; border: none;"
                                             " padding: 5px 10px 5px 10px; }"
                                             "QPushButton:pressed { color: gray; }"
                                             "QPushButton:disabled { color: rgb(128,128,128); }"));
}
