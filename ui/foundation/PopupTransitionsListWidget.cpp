#include "PopupTransitionsListWidget.h"

#include "TitledPopupForm.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QLabel>
#include <QVariant>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kAllCorners = 4;
const QColor kCardColor(44, 46, 50, 244);

QString buttonStyle(bool flat)
{
    return QString("QPushButton { color: white; background-color: transparent; }"
                   "QPushButton:hover { background-color: %1; }"
                   "QPushButton:pressed { background-color: %2; }")
        .arg(flat ? "rgb(44,46,50)" : "rgb(31,32,35)", flat ? "rgb(31,32,35)" : "rgb(28,29,32)");
}

} // namespace

PopupTransitionsListWidget::PopupTransitionsListWidget(QWidget* parent) : CommonPopup(parent)
{
    setObjectName("PopupTransitionsListWidget");
    _buildForm();
}

void PopupTransitionsListWidget::_buildForm()
{
    TitledPopupForm form(this);
    form.mainWidget->setGeometry(90, 150, 281, 261);
    form.titleLabel->setText(tr("Title"));
    _scrollArea = form.addScrollArea();
    _scrollAreaWidget = _scrollArea->widget();
    _scrollAreaWidget->setGeometry(0, 0, 255, 209);
    setMainWidget(form.mainWidget);
    setTitleLabel(form.titleLabel);
}

void PopupTransitionsListWidget::showWithItems(QWidget* parent, const QPoint& anchor,
                                               const TransitionMenuItems& items, bool flat)
{
    if (items != _items)
        _items = items;
    _flat = flat;
    if (!flat) {
        setCornerMode(kAllCorners);
        setBackgroundColor(kCardColor);
    }
    showInWidget(parent, tr("Add Transition"), anchor);
    if (!flat)
        addShadow();
}

int PopupTransitionsListWidget::popupHeight()
{
    return UiMetrics::transitionsListPopupHeight();
}

void PopupTransitionsListWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    _scrollArea->setStyleSheet("background-color: transparent; border: none;");
    Util::setScrollBarStyleSheet(_scrollArea->verticalScrollBar());
    _scrollAreaWidget->setStyleSheet(buttonStyle(_flat));
    // A popup shown again lists its items once.
    if (!_buttonLayout)
        _buildButtons();
}

void PopupTransitionsListWidget::_buildButtons()
{
    _buttonLayout = new QVBoxLayout;
    _buttonLayout->setSpacing(0);
    _buttonLayout->setContentsMargins(0, 0, 0, 0);
    const int rowHeight = UiMetrics::metric45();
    for (const TransitionMenuItem& item : _items) {
        auto* button = new QPushButton(item.text, _scrollAreaWidget);
        button->setFlat(true);
        QFont font = button->font();
        if (item.bold)
            font.setWeight(QFont::Bold);
        button->setFont(font);
        button->setFixedHeight(rowHeight - 1);
        button->setProperty("tag", item.commandId);
        connect(button, &QPushButton::clicked, this, &PopupTransitionsListWidget::onTransitionItemButtonClicked);
        _buttonLayout->addWidget(button, 1);
        _buttons.append(button);
        // Every item, the last included, has its line below it.
        auto* separator = new QWidget(_scrollAreaWidget);
        separator->setFixedHeight(1);
        separator->setStyleSheet(_flat ? "background-color: rgb(44,46,50);" : "background-color: rgb(101,101,101);");
        _buttonLayout->addWidget(separator, 0);
    }
    _scrollAreaWidget->setLayout(_buttonLayout);
    _scrollAreaWidget->setFixedHeight(int(_items.size()) * rowHeight);
}

void PopupTransitionsListWidget::onTransitionItemButtonClicked()
{
    if (sender())
        emit transitionItemSelected(this, sender()->property("tag").toInt());
}
