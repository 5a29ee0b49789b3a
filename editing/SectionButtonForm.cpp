#include "SectionButtonForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QVBoxLayout* SectionButtonForm::addTitle(QWidget* section, QLabel*& titleLabel)
{
    section->resize(400, 100);
    auto* layout = new QVBoxLayout(section);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    titleLabel = new QLabel(section);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    titleLabel->setAlignment(Qt::AlignCenter);
    QFont font = titleLabel->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    titleLabel->setFont(font);
    titleLabel->setStyleSheet(QStringLiteral("color: rgb(54,200,255);"));
    layout->addWidget(titleLabel);
    return layout;
}

QPushButton* SectionButtonForm::addButton(QWidget* section, QVBoxLayout* layout, const char* objectName)
{
    auto* button = new QPushButton(section);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedHeight(30);
    button->setFlat(true);
    QFont font = button->font();
    font.setWeight(QFont::Bold);
    button->setFont(font);
    button->setStyleSheet(QStringLiteral("QPushButton { color: black; background-color: white; border-radius: 5px; }"
                                         "QPushButton:pressed { background-color: rgb(200,200,200); }"
                                         "QPushButton:disabled { background-color: rgb(128,128,128); }"));
    layout->addWidget(button);
    return button;
}
