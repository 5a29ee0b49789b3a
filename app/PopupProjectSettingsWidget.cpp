#include "PopupProjectSettingsWidget.h"

#include "ColorButton.h"
#include "MovieSizeGridButton.h"
#include "PopupColorMatrixWidget.h"
#include "PopupMainWidget.h"
#include "SegmentedControl.h"
#include "SwitchButton.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>

namespace {

constexpr int kSheetMode = 0;
constexpr int kLiveMode = 3;
constexpr int kFadeInMs = 200;
constexpr int kGridCount = 6;
constexpr int kGridMargin = 10;
constexpr int kCaptionRoom = 50;
constexpr int kArrowRoom = 16;
constexpr int kBottomMargin = 9;

struct AspectRatio
{
    const char* landscapeTitle;
    float landscapeRatio;
    const char* portraitTitle;
    float portraitRatio;
};

// In grid order; the titles are ratios, the same in every language.
const AspectRatio kAspectRatios[kGridCount] = {
    {"16:9", 16.0f / 9.0f, "9:16", 9.0f / 16.0f},       {"1:1", 1.0f, "1:1", 1.0f},
    {"4:3", 4.0f / 3.0f, "3:4", 0.75f},                  {"5:4", 1.25f, "4:5", 0.8f},
    {"19.5:9", 19.5f / 9.0f, "9:19.5", 9.0f / 19.5f},    {"21:9", 21.0f / 9.0f, "9:21", 9.0f / 21.0f},
};

// Grid positions 0, 1 and 2 hold the codes 1, 2 and 0.
const int kResolutionOfGrid[kGridCount] = {1, 2, 0, 3, 4, 5};

QString frameRateText(float rate)
{
    return QString::number(rate, 'g', 6);
}

const char* const kMenuStyle = "QMenu { background-color: rgba(7,8,10,230); color: white; padding: 10px; "
                               "border-radius: 10px; }"
                               "QMenu::icon { margin: 5px; }"
                               "QMenu::item { padding: 8px 60px 8px 60px; }"
                               "QMenu::item:selected { background-color: rgb(44,46,50); }";

} // namespace

PopupProjectSettingsWidget::PopupProjectSettingsWidget(QWidget* parent) : CommonPopup(parent)
{
    _buildForm();
    connect(_directionSegmentedWidget, &SegmentedControl::segmentIndexChanged, this,
            &PopupProjectSettingsWidget::directionSegmentedControlOnSegmentIndexChanged);
    connect(_colorButton, &QPushButton::clicked, this, &PopupProjectSettingsWidget::colorButtonOnClicked);
    connect(_colorRowButton, &QPushButton::clicked, this, &PopupProjectSettingsWidget::colorButtonOnClicked);
    connect(_noColorCheckBox, &QCheckBox::stateChanged, this,
            &PopupProjectSettingsWidget::noColorCheckBoxOnStateChanged);
    connect(_frameRateRowButton, &QPushButton::clicked, this, &PopupProjectSettingsWidget::frameRateButtonOnClicked);
    connect(_switchButton, &SwitchButton::valueChanged, this, &PopupProjectSettingsWidget::onSwitchValueChanged);
    connect(_doneButton, &QPushButton::clicked, this, &PopupProjectSettingsWidget::doneButtonOnClicked);
}

PopupProjectSettingsWidget::~PopupProjectSettingsWidget()
{
    // The colour popup lives on the parent: left open, it would choose for nobody.
    _closeColorPopup();
}

const QVector<float>& PopupProjectSettingsWidget::frameRates()
{
    static const QVector<float> rates{60.0f, 30.0f, 25.0f, 24.0f};
    return rates;
}

int PopupProjectSettingsWidget::resolutionForGridIndex(int gridIndex)
{
    return gridIndex >= 0 && gridIndex < kGridCount ? kResolutionOfGrid[gridIndex] : gridIndex;
}

int PopupProjectSettingsWidget::gridIndexForResolution(int resolution)
{
    const int* end = kResolutionOfGrid + kGridCount;
    const int* found = std::find(kResolutionOfGrid, end, resolution);
    return found == end ? -1 : static_cast<int>(found - kResolutionOfGrid);
}

void PopupProjectSettingsWidget::showWithSettings(QWidget* parent, QWidget* anchor, int presentationMode,
                                                  int resolution, bool direction, float frameRate,
                                                  bool fixCoverImage, const QColor& backgroundColor)
{
    _anchorWidget = anchor;
    _presentationMode = presentationMode;
    _resolution = resolution;
    _direction = direction;
    _frameRate = frameRate;
    _fixCoverImage = fixCoverImage;
    _backgroundColor = backgroundColor;
    _savedBackgroundColor = QColor(0, 0, 0, 255);
    showInWidget(parent, QString(), QPoint(0, 0));
}

bool PopupProjectSettingsWidget::acceptByReturnKey()
{
    // Also anchored, where the button is hidden.
    _doneButton->click();
    return true;
}

void PopupProjectSettingsWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    _directionSegmentedWidget->setSelectedIndex(_direction ? 0 : 1);
    _rebuildAspectButtons();
    const int gridIndex = gridIndexForResolution(_resolution);
    if (gridIndex >= 0)
        _selectedGridIndex = gridIndex;
    _markSelection();
    {
        // Showing the stored value is not the user's change.
        const QSignalBlocker blocker(_noColorCheckBox);
        _noColorCheckBox->setChecked(_backgroundColor.alpha() == 0);
    }
    _showBackgroundColor();
    _frameRateValueLabel->setText(frameRateText(_frameRate));
    _switchButton->setValue(_fixCoverImage);
    const bool anchored = _presentationMode != kSheetMode;
    _bottomPanel->setVisible(!anchored);
    // Anchored, the pointer arrow takes the right edge.
    _mainVerticalLayout->setContentsMargins(0, 0, anchored ? kArrowRoom : 0, 0);
}

void PopupProjectSettingsWidget::showInWidget(QWidget* parent, const QString& title, const QPoint& point)
{
    setupUi(parent, title);
    coverWithTitle(parent, title);
    Util::fadeInWidget(this, kFadeInMs, 1.0);
    layoutAtPoint(point);
    addShadow();
}

QSize PopupProjectSettingsWidget::_panelSize() const
{
    const QWidget* host = parentWidget() ? parentWidget() : this;
    const QSizeF size = UiMetrics::projectSettingsPopupSize(_presentationMode);
    if (_presentationMode > 1)
        return size.toSize();
    // The factors are single-precision values: 0.9 of 1000 pixels is 899.
    // Held in volatiles: the optimiser here drops the round trip through
    // float, which gives 900.
    const volatile float widthFactor = static_cast<float>(size.width());
    const volatile float heightFactor = static_cast<float>(size.height());
    return QSize(static_cast<int>(static_cast<double>(widthFactor) * host->width()),
                 static_cast<int>(static_cast<double>(heightFactor) * host->height()));
}

void PopupProjectSettingsWidget::layoutAtPoint(const QPoint&)
{
    const QWidget* host = parentWidget() ? parentWidget() : this;
    const int hostWidth = host->width();
    const int hostHeight = host->height();
    const QSize size = _panelSize();
    if (_presentationMode == kSheetMode) {
        _mainWidget->setGeometry((hostWidth - size.width()) / 2, (hostHeight - size.height()) / 2, size.width(),
                                 size.height());
        _mainWidget->setArrowPoint(QPoint());
    } else {
        // To the left of the anchor, the arrow at the middle of its left edge.
        QPoint tip;
        if (_anchorWidget)
            tip = mapFromGlobal(_anchorWidget->mapToGlobal(QPoint(0, _anchorWidget->height() / 2)));
        const int x = clampPanelX(tip.x() - size.width(), size.width(), hostWidth);
        int y = tip.y() - size.height() / 2;
        if (y + size.height() > hostHeight + 1)
            y = hostHeight - kBottomMargin - size.height();
        if (y < 0)
            y = (hostHeight - size.height()) / 2;
        _mainWidget->setGeometry(x, y, size.width(), size.height());
        _mainWidget->setArrowSide(PopupArrowRight);
        _mainWidget->setArrowPoint(tip - QPoint(x, y));
    }
    _mainVerticalLayout->activate();
    _updateScrollContent();
}

void PopupProjectSettingsWidget::_updateScrollContent()
{
    int height = 0;
    for (const QWidget* row : _rows)
        height += row->height();
    _scrollAreaWidget->setFixedHeight(height + _placeAspectButtons());
    for (QPushButton* button : {_colorRowButton, _frameRateRowButton})
        button->setGeometry(0, 0, button->parentWidget()->width(), button->parentWidget()->height());
}

bool PopupProjectSettingsWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == _movieSizesItemWidget)
            _placeAspectButtons();
        else if (watched == _backgroundColorItemWidget)
            _colorRowButton->resize(_backgroundColorItemWidget->size());
        else if (watched == _frameRateItemWidget)
            _frameRateRowButton->resize(_frameRateItemWidget->size());
    }
    return CommonPopup::eventFilter(watched, event);
}

void PopupProjectSettingsWidget::_rebuildAspectButtons()
{
    qDeleteAll(_aspectRatioButtons);
    _aspectRatioButtons.clear();
    const QSize cell = MovieSizeGridButton::sizeForWidth(UiMetrics::metric75());
    for (int index = 0; index < kGridCount; ++index) {
        const AspectRatio& ratio = kAspectRatios[index];
        auto* button = new MovieSizeGridButton(_direction ? ratio.landscapeTitle : ratio.portraitTitle,
                                               _direction ? ratio.landscapeRatio : ratio.portraitRatio,
                                               _movieSizesItemWidget);
        button->setRatioIndex(index);
        button->setFixedSize(cell);
        button->show();
        _aspectRatioButtons.append(button);
        connect(button, &QPushButton::clicked, this, &PopupProjectSettingsWidget::gridButtonOnClicked);
    }
}

int PopupProjectSettingsWidget::_placeAspectButtons()
{
    const int cellWidth = UiMetrics::metric75();
    const int cellHeight = MovieSizeGridButton::sizeForWidth(cellWidth).height();
    const int width = _movieSizesItemWidget->width();
    const int limit = width - kGridMargin;
    int x = kGridMargin;
    int y = kGridMargin;
    int widest = 0;
    for (int i = 0; i < kGridCount; ++i) {
        if (x + cellWidth > limit) {
            widest = std::max(widest, x);
            y += cellHeight;
            x = kGridMargin;
        } else {
            x += cellWidth;
        }
    }
    const int blockWidth = std::max(widest, x) - kGridMargin;
    const int left = (width - blockWidth) / 2;
    x = left;
    int top = kGridMargin;
    for (MovieSizeGridButton* button : _aspectRatioButtons) {
        button->move(x, top);
        x += button->width();
        if (x + button->width() > limit) {
            x = left;
            top += button->height();
        }
    }
    return static_cast<int>(cellHeight + kGridMargin + y + static_cast<double>(kCaptionRoom));
}

void PopupProjectSettingsWidget::_markSelection()
{
    for (MovieSizeGridButton* button : _aspectRatioButtons)
        button->setSelected(button->ratioIndex() == _selectedGridIndex);
}

void PopupProjectSettingsWidget::_showBackgroundColor()
{
    _colorButton->setColor(_backgroundColor);
    const bool hasColor = _backgroundColor.alpha() != 0;
    _colorButton->setEnabled(hasColor);
    _colorRowButton->setEnabled(hasColor);
}

void PopupProjectSettingsWidget::_notify()
{
    if (_presentationMode == kLiveMode)
        emit popupProjectSettingsWidgetParametersDidChange(this);
}

void PopupProjectSettingsWidget::_closeColorPopup()
{
    if (_colorPopup)
        _colorPopup->dismiss();
    _colorPopup = nullptr;
}

void PopupProjectSettingsWidget::gridButtonOnClicked()
{
    auto* button = qobject_cast<MovieSizeGridButton*>(sender());
    if (!button)
        return;
    _selectedGridIndex = button->ratioIndex();
    _resolution = resolutionForGridIndex(_selectedGridIndex);
    _markSelection();
    _notify();
}

void PopupProjectSettingsWidget::directionSegmentedControlOnSegmentIndexChanged(SegmentedControl*, int index)
{
    _direction = index == 0;
    _rebuildAspectButtons();
    _placeAspectButtons();
    _markSelection();
    _notify();
}

void PopupProjectSettingsWidget::colorButtonOnClicked()
{
    if (_colorPopup)
        return;
    QWidget* host = parentWidget();
    QPoint point = _mainWidget->geometry().center();
    auto* button = qobject_cast<QPushButton*>(sender());
    if (button && host)
        point = button->mapTo(host, QPoint(button->width() / 2, 0));
    _colorPopup = new PopupColorMatrixWidget(host);
    _colorPopup->showInWidgetWithPicker(host, point, false);
    connect(_colorPopup, &CommonPopup::dismissed, this,
            &PopupProjectSettingsWidget::onPopupColorMatrixWidgetDismissed);
    connect(_colorPopup, &PopupColorMatrixWidget::colorMatrixPopupColorSelected, this,
            &PopupProjectSettingsWidget::onPopupColorMatrixWidgetColorSelected);
    connect(_colorPopup, &PopupColorMatrixWidget::colorMatrixPopupMoreColorNeeded, this,
            &PopupProjectSettingsWidget::onPopupColorMatrixWidgetMoreColorNeeded);
}

void PopupProjectSettingsWidget::onPopupColorMatrixWidgetDismissed(CommonPopup*)
{
    _colorPopup = nullptr;
}

void PopupProjectSettingsWidget::onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget*, QColor color)
{
    _backgroundColor = color;
    _showBackgroundColor();
    _closeColorPopup();
    _notify();
}

void PopupProjectSettingsWidget::onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup)
{
    // The dialog runs its own event loop: this popup or the colour popup may
    // be gone when it returns, and then the answer is invalid.
    const QColor chosen = PopupColorMatrixWidget::askMoreColor(popup, _backgroundColor, this);
    if (!chosen.isValid())
        return;
    _backgroundColor = chosen;
    _showBackgroundColor();
    _closeColorPopup();
    _notify();
}

void PopupProjectSettingsWidget::frameRateButtonOnClicked()
{
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground, true);
    menu->setStyleSheet(kMenuStyle);
    auto* title = new QLabel(QString("<font color=\"#36c8ff\"><i>%1</i></font>").arg(tr("Frames Per Second")));
    title->setAlignment(Qt::AlignCenter);
    title->setFixedHeight(30);
    auto* titleAction = new QWidgetAction(menu);
    titleAction->setDefaultWidget(title);
    titleAction->setEnabled(false);
    menu->addAction(titleAction);
    for (float rate : frameRates())
        menu->addAction(frameRateText(rate))->setData(rate);

    const QPointer<PopupProjectSettingsWidget> alive(this);
    QAction* chosen = menu->exec(QCursor::pos());
    // The menu is the popup's child: it went with a popup deleted meanwhile.
    if (!alive)
        return;
    if (chosen && chosen != titleAction) {
        _frameRate = chosen->data().toFloat();
        _frameRateValueLabel->setText(frameRateText(_frameRate));
        _notify();
    }
    delete menu;
}

void PopupProjectSettingsWidget::doneButtonOnClicked()
{
    emit popupProjectSettingsWidgetDidFinish(this);
}

void PopupProjectSettingsWidget::onSwitchValueChanged(bool value)
{
    _fixCoverImage = value;
    _notify();
}

void PopupProjectSettingsWidget::noColorCheckBoxOnStateChanged(int state)
{
    if (state == Qt::Checked) {
        _savedBackgroundColor = _backgroundColor;
        _backgroundColor = QColor(0, 0, 0, 0);
    } else {
        _backgroundColor = _savedBackgroundColor;
    }
    _showBackgroundColor();
    _notify();
}
