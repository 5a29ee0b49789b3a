#include "DoneButtonEditingWidget.h"

#include "SectionButtonForm.h"

#include <QLabel>
#include <QPushButton>

DoneButtonEditingWidget::DoneButtonEditingWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DoneButtonEditingWidget"));
    QVBoxLayout* layout = SectionButtonForm::addTitle(this, _titleLabel);
    _doneButton = SectionButtonForm::addButton(this, layout, "doneButton");
    _doneButton->setText(tr("Done"));
    connect(_doneButton, &QPushButton::clicked, this, &DoneButtonEditingWidget::onDoneButtonClicked);
}

void DoneButtonEditingWidget::setTitle(const QString& title)
{
    _titleLabel->setText(title);
}

QString DoneButtonEditingWidget::title() const
{
    return _titleLabel->text();
}

void DoneButtonEditingWidget::onDoneButtonClicked()
{
    emit doneButtonClicked();
}
