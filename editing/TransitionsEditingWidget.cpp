#include "TransitionsEditingWidget.h"

#include "DropDownButtonStyle.h"
#include "SegmentedControl.h"
#include "TransitionItemDelegate.h"
#include "Util.h"

#include "ui_TransitionsEditingWidget.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

namespace {

constexpr int kRowHeight = 25;
constexpr int kCompactHeight = 256;
constexpr int kFullHeight = 345;
constexpr int kEmptyHintHeight = 20;

} // namespace

TransitionsEditingWidget::TransitionsEditingWidget(QWidget* parent)
    : QWidget(parent)
    , _ui(std::make_unique<Ui::TransitionsEditingWidget>())
{
    _ui->setupUi(this);
    QTreeWidget* tree = _ui->treeWidget;
    tree->setColumnWidth(0, 50);
    tree->setColumnWidth(1, 80);
    tree->header()->setFixedHeight(kRowHeight);
    auto* delegate = new TransitionItemDelegate(tree);
    delegate->setRowHeight(kRowHeight);
    tree->setItemDelegate(delegate);
    _ui->transitionSegmentedWidget->setSegments({tr("Start"), tr("End")});
    // The easing row asks for no width of its own: where its caption and
    // drop-down do not fit side by side it stacks them instead of widening
    // the inspector past its panel.
    _ui->easingTypePanel->setSizePolicy(QSizePolicy::Ignored, _ui->easingTypePanel->sizePolicy().verticalPolicy());
    _applyStyles();

    connect(tree, &QTreeWidget::itemClicked, this, &TransitionsEditingWidget::onTransitionItemClicked);
    for (QPushButton* button : {_ui->easingTypeIconButton, _ui->easingTypeButton, _ui->easingTypeTriangleButton})
        connect(button, &QPushButton::clicked, this, &TransitionsEditingWidget::onEasingTypeButtonClicked);
    connect(_ui->addTransitionButton, &QPushButton::clicked, this,
            &TransitionsEditingWidget::onAddTransitionButtonClicked);
    connect(_ui->removeTransitionButton, &QPushButton::clicked, this,
            &TransitionsEditingWidget::onRemoveTransitionButtonClicked);
    connect(_ui->duplicateTransitionButton, &QPushButton::clicked, this,
            &TransitionsEditingWidget::onDuplicateTransitionButtonClicked);
    connect(_ui->transitionSegmentedWidget, &SegmentedControl::segmentIndexChanged, this,
            &TransitionsEditingWidget::transitionSegmentedControlOnSegmentIndexChanged);
}

TransitionsEditingWidget::~TransitionsEditingWidget() = default;

void TransitionsEditingWidget::_applyStyles()
{
    QFont titleFont = _ui->titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + 1.0);
    _ui->titleLabel->setFont(titleFont);
    _ui->titleLabel->setStyleSheet(QStringLiteral("color: rgb(54,200,255);"));

    _ui->treeWidget->setStyleSheet(
        QStringLiteral("QTreeWidget { color: white; background-color: rgb(44,46,50); border: none; }"
                       "QTreeWidget::item { border-bottom: 1px solid rgb(56,56,56); }"
                       "QTreeWidget::item:selected { background-color: rgb(54,200,255); }"));
    _ui->treeWidget->header()->setStyleSheet(
        QStringLiteral("QHeaderView { background-color: rgb(20,20,20); }"
                       "QHeaderView::section { color: rgb(162,162,162); background-color: rgb(20,20,20);"
                       " border: none; }"));
    QScrollBar* bar = _ui->treeWidget->verticalScrollBar();
    Util::setScrollBarStyleSheet(bar);
    bar->setStyleSheet(bar->styleSheet() + QStringLiteral("QScrollBar:vertical { background: #2A2929; }"));

    _ui->oprButtonsPanel->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(24,24,24); border: none; }"
                       "QPushButton:pressed { background-color: rgb(44,46,50); }"
                       "QToolTip { color: white; background-color: rgb(54,200,255); }"));

    _ui->easingTypeLabel->setStyleSheet(
        QStringLiteral("QLabel { color: rgb(162,162,162); } QLabel:disabled { color: rgb(128,128,128); }"));
    DropDownButtonStyle::apply(_ui->easingTypeButtonContainer, _ui->easingTypeButton);

    SegmentedControl* control = _ui->transitionSegmentedWidget;
    control->setBackgroundColor(QColor(7, 8, 10));
    control->setBorderColor(QColor(54, 200, 255));
    control->setUnselectedTextColor(Qt::white);
    control->setSelectedTextColor(Qt::white);
}

void TransitionsEditingWidget::addTransitionItem(int id, float start, float duration)
{
    auto* item = new QTreeWidgetItem(_ui->treeWidget);
    item->setText(0, QString::number(id));
    item->setText(1, QString::number(double(start), 'f', 2));
    item->setText(2, QString::number(double(duration), 'f', 2));
}

void TransitionsEditingWidget::clearItems()
{
    _ui->treeWidget->clear();
}

void TransitionsEditingWidget::selectRow(int row)
{
    QTreeWidgetItem* item = _ui->treeWidget->topLevelItem(row);
    if (!item)
        return;
    _silentSelection = true;
    _ui->treeWidget->setCurrentItem(item);
    _silentSelection = false;
}

void TransitionsEditingWidget::clearSelection()
{
    _silentSelection = true;
    _ui->treeWidget->setCurrentItem(nullptr);
    _ui->treeWidget->clearSelection();
    _silentSelection = false;
}

void TransitionsEditingWidget::setRemoveEnabled(bool enabled)
{
    _ui->removeTransitionButton->setEnabled(enabled);
}

void TransitionsEditingWidget::setDuplicateEnabled(bool enabled)
{
    _ui->duplicateTransitionButton->setEnabled(enabled);
}

void TransitionsEditingWidget::setSegmentIndex(int index)
{
    if (_ui->transitionSegmentedWidget->selectedIndex() != index)
        _ui->transitionSegmentedWidget->setSelectedIndex(index);
}

void TransitionsEditingWidget::setEasing(const QPixmap& pixmap, const QString& text)
{
    _ui->easingTypeIconButton->setIcon(QIcon(pixmap));
    _ui->easingTypeButton->setText(text);
    _fitEasingRow();
}

void TransitionsEditingWidget::setEasingPanelHidden(bool hidden)
{
    _ui->easingTypePanel->setHidden(hidden);
    _ui->transitionSegmentedWidget->setHidden(hidden);
    setFixedHeight(hidden ? kCompactHeight : kFullHeight);
}

void TransitionsEditingWidget::setEmptyHintVisible(bool visible)
{
    if (!visible) {
        if (_emptyHint)
            _emptyHint->hide();
        return;
    }
    if (!_emptyHint) {
        _emptyHint = new QLabel(tr("Press \"+\" to add a transition"), this);
        _emptyHint->setStyleSheet(QStringLiteral("color: rgb(154,154,154); background-color: transparent;"));
        _emptyHint->setAlignment(Qt::AlignCenter);
    }
    _layoutEmptyHint();
    _emptyHint->show();
    _emptyHint->raise();
}

void TransitionsEditingWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    SegmentedControl* control = _ui->transitionSegmentedWidget;
    control->setCornerRadius(control->height() / 2.0f);
    if (_emptyHint)
        _layoutEmptyHint();
    _fitEasingRow();
}

void TransitionsEditingWidget::_fitEasingRow()
{
    const QMargins margins = layout()->contentsMargins();
    const int room = width() - margins.left() - margins.right();
    const int sideBySide =
        _ui->easingTypeLabel->sizeHint().width() + _ui->easingTypeButtonContainer->sizeHint().width();
    const bool stacked = sideBySide > room;
    const auto direction = stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (_ui->horizontalLayout_2->direction() == direction)
        return;
    // The gap that pushes the drop-down to the right would only add height.
    _ui->horizontalSpacer_2->changeSize(stacked ? 0 : 40, stacked ? 0 : 20, QSizePolicy::Expanding,
                                        QSizePolicy::Minimum);
    _ui->horizontalLayout_2->setDirection(direction);
}

void TransitionsEditingWidget::_layoutEmptyHint()
{
    const QWidget* viewport = _ui->treeWidget->viewport();
    const QPoint topLeft = viewport->mapTo(this, QPoint(0, (viewport->height() - kEmptyHintHeight) / 2));
    _emptyHint->setGeometry(topLeft.x(), topLeft.y(), viewport->width(), kEmptyHintHeight);
}

int TransitionsEditingWidget::_currentRow() const
{
    return _ui->treeWidget->currentIndex().row();
}

void TransitionsEditingWidget::onTransitionItemClicked(QTreeWidgetItem*, int)
{
    if (!_silentSelection)
        emit transitionSelectionIndexChanged(_currentRow());
}

void TransitionsEditingWidget::onAddTransitionButtonClicked()
{
    emit addTransitionActionOnButton(_ui->addTransitionButton);
}

void TransitionsEditingWidget::onRemoveTransitionButtonClicked()
{
    emit removeTransitionAtIndex(_currentRow());
}

void TransitionsEditingWidget::onDuplicateTransitionButtonClicked()
{
    emit duplicateTransitionAtIndex(_currentRow());
}

void TransitionsEditingWidget::onEasingTypeButtonClicked()
{
    emit popupEasingFunctionsWidgetOnButton(qobject_cast<QPushButton*>(sender()));
}

void TransitionsEditingWidget::transitionSegmentedControlOnSegmentIndexChanged(SegmentedControl*, int index)
{
    emit transitionSegmentedWidgetIndexChanged(index);
}
