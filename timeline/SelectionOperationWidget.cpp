#include "SelectionOperationWidget.h"

#include "UiMetrics.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace {

constexpr int kBottomGap = 30;

void addSpacer(QHBoxLayout* layout)
{
    layout->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
}

} // namespace

SelectionOperationWidget::SelectionOperationWidget(QWidget* parent)
    : QWidget(parent)
{
    resize(396, 73);
    auto* layout = new QHBoxLayout(this);
    layout->setObjectName("horizontalLayout");
    addSpacer(layout);
    _cancelSelectionButton = _addButton("cancelSelectionButton", tr("Cancel selection"));
    addSpacer(layout);
    _addSeparator("sepWidget");
    addSpacer(layout);
    _insertBlankButton = _addButton("insertBlankButton", tr("Insert blank"));
    addSpacer(layout);
    _addSeparator("sepWidget2");
    addSpacer(layout);
    _deleteButton = _addButton("deleteButton", tr("Delete"));
    addSpacer(layout);
    setStyleSheet("QWidget { background-color: rgba(44,46,50,200); border-radius: 10px; }"
                  "QPushButton { color: white; background: none; }"
                  "QPushButton:pressed { color: gray; }"
                  "QWidget#sepWidget, QWidget#sepWidget2 { background-color: white; }");
    setFixedSize(UiMetrics::selectionOperationSize());
}

QPushButton* SelectionOperationWidget::_addButton(const char* name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setFlat(true);
    layout()->addWidget(button);
    connect(button, &QPushButton::clicked, this, &SelectionOperationWidget::buttonOnClicked);
    return button;
}

void SelectionOperationWidget::_addSeparator(const char* name)
{
    auto* separator = new QWidget(this);
    separator->setObjectName(name);
    separator->setMinimumSize(1, 0);
    separator->setMaximumSize(1, 30);
    layout()->addWidget(separator);
}

void SelectionOperationWidget::buttonOnClicked()
{
    const QObject* button = sender();
    if (button == _cancelSelectionButton)
        emit selectionOperationWidgetCommandClicked(this, CancelSelection);
    else if (button == _insertBlankButton)
        emit selectionOperationWidgetCommandClicked(this, InsertBlank);
    else if (button == _deleteButton)
        emit selectionOperationWidgetCommandClicked(this, DeleteRange);
}

void SelectionOperationWidget::updatePosition(QWidget* area)
{
    const QSize areaSize = area->geometry().size();
    setGeometry((areaSize.width() - width()) / 2, areaSize.height() - kBottomGap - height(), width(), height());
}
