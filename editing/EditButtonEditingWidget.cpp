#include "EditButtonEditingWidget.h"

#include "SectionButtonForm.h"

#include <QLabel>
#include <QPushButton>

EditButtonEditingWidget::EditButtonEditingWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("EditButtonEditingWidget"));
    QVBoxLayout* layout = SectionButtonForm::addTitle(this, _titleLabel);
    _editButton = SectionButtonForm::addButton(this, layout, "editButton");
    _editButton->setText(tr("Edit"));
    connect(_editButton, &QPushButton::clicked, this, &EditButtonEditingWidget::onEditButtonClicked);
}

void EditButtonEditingWidget::setTitle(const QString& title)
{
    _titleLabel->setText(title);
}

QString EditButtonEditingWidget::title() const
{
    return _titleLabel->text();
}

void EditButtonEditingWidget::setButtonText(const QString& text)
{
    _editButton->setText(text);
}

void EditButtonEditingWidget::setButtonEnabled(bool enabled)
{
    _editButton->setEnabled(enabled);
}

void EditButtonEditingWidget::onEditButtonClicked()
{
    emit editButtonClicked(_editButton);
}
