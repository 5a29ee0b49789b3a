#include "ScrollableToolBar.h"

#include "RoundTabWidget.h"
#include "TooltipButton.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QVBoxLayout>

namespace {

constexpr int kIndicatorSide = 10;
constexpr int kCommandPadding = 20;
constexpr int kIconPadding = 10;
constexpr int kOverflowMargin = 5;
const char* const kOverflowIcon = ":/images/toolbar/more";

const char* const kMenuStyle =
    "QMenu { background-color: rgba(25,26,28,230); color: white; padding: 10px; border-radius: 10px; }"
    "QMenu::icon { margin: 5px; }"
    "QMenu::item { padding: 8px 10px 8px 10px; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }";

QLabel* makeIndicator(const char* name, const char* picture)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setPixmap(QPixmap(picture));
    label->setScaledContents(true);
    label->setFixedSize(kIndicatorSide, kIndicatorSide);
    return label;
}

} // namespace

ScrollableToolBar::ScrollableToolBar(QWidget* parent)
    : ScrollableToolBar(0, parent)
{
}

ScrollableToolBar::ScrollableToolBar(int bottomGap, QWidget* parent)
    : QWidget(parent)
    , _bottomGap(bottomGap)
{
    _buildForm(bottomGap);
    setStyleSheet("QWidget {background-color: rgb(44,46,50); border:none;}");
    _scrollArea->setStyleSheet("QScrollArea {background-color: transparent;}");
    _scrollAreaWidget->setStyleSheet("background-color: transparent;");
    _scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _grabScrollGesture();
}

void ScrollableToolBar::_buildForm(int bottomGap)
{
    resize(599, 83);
    auto* verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName("verticalLayout");
    verticalLayout->setSpacing(0);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    auto* horizontalLayout = new QHBoxLayout;
    horizontalLayout->setObjectName("horizontalLayout");
    horizontalLayout->setSpacing(0);
    _leftIndicator = makeIndicator("leftIndicator", ":/images/toolbar/tb_left_indicator");
    _rightIndicator = makeIndicator("rightIndicator", ":/images/toolbar/tb_right_indicator");
    _scrollArea = new QScrollArea;
    _scrollArea->setObjectName("scrollArea");
    _scrollArea->setWidgetResizable(true);
    _scrollAreaWidget = new QWidget;
    _scrollAreaWidget->setObjectName("scrollAreaWidget");
    _scrollArea->setWidget(_scrollAreaWidget);
    horizontalLayout->addWidget(_leftIndicator);
    horizontalLayout->addWidget(_scrollArea);
    horizontalLayout->addWidget(_rightIndicator);
    verticalLayout->addLayout(horizontalLayout);
    _bottomPlaceholder = new QWidget;
    _bottomPlaceholder->setObjectName("bottomPlaceholderWidget");
    _bottomPlaceholder->setFixedHeight(bottomGap);
    verticalLayout->addWidget(_bottomPlaceholder);
}

void ScrollableToolBar::_grabScrollGesture()
{
    QWidget* viewport = _scrollArea->viewport();
    QScroller::grabGesture(viewport, QScroller::LeftMouseButtonGesture);
    QScrollerProperties properties = QScroller::scroller(viewport)->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::OvershootDragDistanceFactor, 0.05);
    properties.setScrollMetric(QScrollerProperties::OvershootScrollDistanceFactor, 0.05);
    QScroller::scroller(viewport)->setScrollerProperties(properties);
}

int ScrollableToolBar::_scaledIconWidth(const QPixmap& pixmap, int iconHeight, const QString& path)
{
    if (pixmap.height() <= 0) {
        qWarning() << "ScrollableToolBar: no picture at" << path;
        return 0;
    }
    return pixmap.width() * iconHeight / pixmap.height();
}

TooltipButton* ScrollableToolBar::_addButton(const QString& iconPath, const QString& highlightedIconPath,
                                             int iconHeight, int padding, bool show)
{
    const QPixmap pixmap(iconPath);
    const int iconWidth = _scaledIconWidth(pixmap, iconHeight, iconPath);
    auto* button = new TooltipButton(iconPath, highlightedIconPath, _scrollAreaWidget);
    button->setGeometry(_contentWidth, 0, iconWidth + padding, UiMetrics::toolBarButtonHeight());
    button->setIcon(QIcon(pixmap));
    button->setIconSize(QSize(iconWidth, iconHeight));
    button->setFlat(true);
    _buttons.append(button);
    _contentWidth += button->width();
    _scrollAreaWidget->setFixedWidth(_contentWidth);
    _layoutOverflow();
    button->setVisible(show && !_hiddenButtons.contains(button));
    return button;
}

TooltipButton* ScrollableToolBar::addButton(const QString& iconPath, const QString& highlightedIconPath,
                                            const QString& toolTip, int cmdId, int, bool show)
{
    TooltipButton* button =
        _addButton(iconPath, highlightedIconPath, UiMetrics::toolBarIconHeight(), kCommandPadding, show);
    button->commandId = cmdId;
    button->setToolTip(toolTip);
    _commandButtons.insert(cmdId, button);
    connect(button, &QPushButton::clicked, this, &ScrollableToolBar::onButtonClicked);
    return button;
}

TooltipButton* ScrollableToolBar::addIconButton(const QString& iconPath, bool show)
{
    return _addButton(iconPath, QString(), UiMetrics::metric20(), kIconPadding, show);
}

TooltipButton* ScrollableToolBar::buttonForCommand(int cmdId) const
{
    return _commandButtons.value(cmdId);
}

void ScrollableToolBar::setButtonToolTip(int cmdId, const QString& toolTip)
{
    if (TooltipButton* button = buttonForCommand(cmdId))
        button->setToolTip(toolTip);
}

void ScrollableToolBar::removeAllButtons()
{
    qDeleteAll(_buttons);
    delete _overflowButton;
    _overflowButton = nullptr;
    _buttons.clear();
    _commandButtons.clear();
    _hiddenButtons.clear();
    _overflowActive = false;
    _contentWidth = 0;
}

void ScrollableToolBar::setCommandSelected(int cmdId, bool on)
{
    TooltipButton* button = buttonForCommand(cmdId);
    if (!button || !on)
        delete _selectionTab;
    if (!button)
        return;
    button->setHighlighted(on);
    if (!on)
        return;
    if (!_selectionTab)
        _selectionTab = new RoundTabWidget(1, QColor(7, 8, 10, 243), _scrollAreaWidget);
    const int flare = int(RoundTabWidget::cornerRadius());
    const int shorter = (_bottomGap > 0 && _docked) ? 0 : 1;
    _selectionTab->setGeometry(button->geometry().adjusted(-flare, 0, flare, -shorter));
    _selectionTab->lower();
    Util::fadeInWidget(_selectionTab, 200, 1.0);
}

void ScrollableToolBar::setBackgroundColor(const QColor& color)
{
    _scrollArea->setStyleSheet(
        QString("QScrollArea {background-color: rgb(%1,%2,%3);}").arg(color.red()).arg(color.green()).arg(color.blue()));
}

QPoint ScrollableToolBar::scrollPosition() const
{
    return QPoint(_scrollArea->horizontalScrollBar()->value(), _scrollArea->verticalScrollBar()->value());
}

void ScrollableToolBar::setScrollPosition(const QPoint& position)
{
    _scrollArea->horizontalScrollBar()->setValue(position.x());
    _scrollArea->verticalScrollBar()->setValue(position.y());
}

void ScrollableToolBar::hideIndicators()
{
    _leftIndicator->hide();
    _rightIndicator->hide();
}

void ScrollableToolBar::setScrollingDisabled(bool disabled)
{
    _overflowMode = disabled;
    QWidget* viewport = _scrollArea->viewport();
    if (disabled) {
        _layoutOverflow();
        QScroller::scroller(viewport)->stop();
        QScroller::ungrabGesture(viewport);
    } else {
        if (_overflowButton)
            _overflowButton->hide();
        _overflowActive = false;
        _showAllButtons();
        _hiddenButtons.clear();
        _grabScrollGesture();
    }
    _scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ScrollableToolBar::_showAllButtons()
{
    for (TooltipButton* button : qAsConst(_buttons))
        button->show();
}

int ScrollableToolBar::_rightIndicatorWidth() const
{
    return _rightIndicator->isHidden() ? 0 : _rightIndicator->width();
}

void ScrollableToolBar::_layoutOverflow()
{
    if (!_overflowMode)
        return;
    const int leftWidth = _leftIndicator->isHidden() ? 0 : _leftIndicator->width();
    const int available = width() - leftWidth - _rightIndicatorWidth();
    if (_contentWidth <= available) {
        if (_overflowActive) {
            _overflowButton->hide();
            _overflowActive = false;
            _hiddenButtons.clear();
            _showAllButtons();
        }
        return;
    }
    if (_overflowActive)
        return;
    _createOverflowButton();
    _placeOverflowButton(kOverflowMargin + _rightIndicatorWidth());
    _overflowButton->show();
    _overflowActive = true;
    _hiddenButtons.clear();
    int used = 0;
    for (int index = 0; index < _buttons.size(); ++index) {
        TooltipButton* button = _buttons[index];
        if (used + button->width() <= available) {
            button->show();
            used += button->width();
            continue;
        }
        button->hide();
        _hiddenButtons.append(button);
        // A separator right before a hidden command goes with it.
        TooltipButton* before = index > 0 ? _buttons[index - 1] : nullptr;
        if (before && before->commandId == 0 && before->toolTip().isEmpty() && !_hiddenButtons.contains(before)) {
            before->hide();
            _hiddenButtons.append(before);
        }
    }
}

void ScrollableToolBar::_createOverflowButton()
{
    if (_overflowButton)
        return;
    _overflowButton = new TooltipButton(kOverflowIcon, kOverflowIcon, this);
    const QPixmap pixmap(kOverflowIcon);
    const int iconWidth = _scaledIconWidth(pixmap, UiMetrics::toolBarIconHeight(), kOverflowIcon);
    _overflowButton->setIcon(QIcon(pixmap));
    _overflowButton->setIconSize(QSize(iconWidth, UiMetrics::toolBarIconHeight()));
    _overflowButton->resize(iconWidth + kIconPadding, UiMetrics::toolBarButtonHeight());
    _overflowButton->setFlat(true);
    _overflowButton->setStyleSheet("QPushButton { background-color: transparent; border: none; }");
    connect(_overflowButton, &QPushButton::clicked, this, &ScrollableToolBar::onOverflowButtonClicked);
}

void ScrollableToolBar::_placeOverflowButton(int rightGap)
{
    const int buttonWidth = _overflowButton->width();
    _overflowButton->setGeometry(width() - rightGap - buttonWidth, 0, buttonWidth, UiMetrics::toolBarButtonHeight());
}

void ScrollableToolBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (_overflowButton && _overflowActive)
        _placeOverflowButton(_rightIndicatorWidth());
    _layoutOverflow();
}

void ScrollableToolBar::onButtonClicked()
{
    auto* button = qobject_cast<TooltipButton*>(sender());
    if (button)
        emit scrollableToolBarButtonClicked(this, button->commandId);
}

QList<TooltipButton*> ScrollableToolBar::_menuButtons() const
{
    QList<TooltipButton*> listed;
    for (TooltipButton* button : _hiddenButtons) {
        if (button->commandId != 0 || !button->toolTip().isEmpty())
            listed.append(button);
    }
    return listed;
}

void ScrollableToolBar::onOverflowButtonClicked()
{
    if (_hiddenButtons.isEmpty() || !_overflowButton)
        return;
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setStyleSheet(kMenuStyle);
    for (TooltipButton* button : _menuButtons())
        menu->addAction(button->icon(), button->toolTip())->setData(button->commandId);
    const QPoint at = _overflowButton->mapToGlobal(QPoint(0, 0)) - QPoint(0, menu->sizeHint().height());
    // The menu runs modally; whatever runs meanwhile may delete the bar and
    // with it the menu, its child.
    const QPointer<ScrollableToolBar> self(this);
    QAction* chosen = menu->exec(at);
    if (!self)
        return;
    const bool triggered = chosen != nullptr;
    const int cmdId = triggered ? chosen->data().toInt() : 0;
    delete menu;
    if (triggered)
        emit scrollableToolBarButtonClicked(this, cmdId);
}
