#include "PopupColorsScrollWidgetOneSliderItemWidget.h"

#include "RotatableImageWidget.h"
#include "UiMetrics.h"
#include "WheelEventBlocker.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineF>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kSnapDistance = 5;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;
constexpr int kCommitDelayMs = 350;
constexpr double kClickSlop = 5.0;
constexpr int kButtonSide = 50;

const char* const kLabelStyle = "QLabel { color: white; } QLabel:disabled { color: rgb(128,128,128); }";
const char* const kSliderStyle =
    "QSlider::groove:horizontal { height: 4px; border-radius: 2px; }"
    "QSlider::sub-page:horizontal, QSlider::add-page:horizontal { background: white; border-radius: 2px; }"
    "QSlider::handle:horizontal { background: rgb(54,200,255); width: 18px; margin-top: -7px;"
    " margin-bottom: -7px; border-radius: 9px; }"
    "QSlider::sub-page:horizontal:disabled, QSlider::add-page:horizontal:disabled { background: rgb(44,105,133); }"
    "QSlider::handle:horizontal:disabled { background: rgb(128,128,128); }";
const char* const kStepButtonStyle =
    "QPushButton:pressed { background-color: rgb(25,26,28); margin: 10px; border-radius: 10px; }";

QPushButton* newStepButton(const QString& name, const QString& icon, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(kButtonSide, kButtonSide);
    button->setIcon(QIcon(icon));
    button->setFlat(true);
    button->setStyleSheet(kStepButtonStyle);
    return button;
}

} // namespace

PopupColorsScrollWidgetOneSliderItemWidget::PopupColorsScrollWidgetOneSliderItemWidget(
    const QPixmap& expandPixmap, const QPixmap& disabledExpandPixmap, QWidget* parent)
    : QWidget(parent), _repeatTimer(new QTimer(this)), _commitTimer(new QTimer(this))
{
    setObjectName("PopupColorsScrollWidgetOneSliderItemWidget");
    _buildForm(expandPixmap, disabledExpandPixmap);
    _repeatTimer->setSingleShot(true);
    _repeatTimer->setTimerType(Qt::PreciseTimer);
    connect(_repeatTimer, &QTimer::timeout, this, &PopupColorsScrollWidgetOneSliderItemWidget::_step);
    _commitTimer->setSingleShot(true);
    _commitTimer->setTimerType(Qt::PreciseTimer);
    _commitTimer->setInterval(kCommitDelayMs);
    connect(_commitTimer, &QTimer::timeout, this, &PopupColorsScrollWidgetOneSliderItemWidget::commitPendingChange);

    using Self = PopupColorsScrollWidgetOneSliderItemWidget;
    connect(_slider, &QSlider::valueChanged, this, &Self::onSliderValueChanged);
    connect(_slider, &QSlider::sliderReleased, this, &Self::onSliderReleased);
    // Keys and clicks on the groove move the slider without a release: they
    // commit like a step button does.
    connect(_slider, &QSlider::actionTriggered, this, [this] {
        if (!_slider->isSliderDown())
            _commitTimer->start();
    });
    connect(_valueUpButton, &QPushButton::pressed, this, &Self::onValueUpButtonPressed);
    connect(_valueUpButton, &QPushButton::released, this, &Self::onValueUpButtonReleased);
    connect(_valueDownButton, &QPushButton::pressed, this, &Self::onValueDownButtonPressed);
    connect(_valueDownButton, &QPushButton::released, this, &Self::onValueDownButtonReleased);
}

void PopupColorsScrollWidgetOneSliderItemWidget::_buildForm(const QPixmap& expandPixmap,
                                                            const QPixmap& disabledExpandPixmap)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* header = new QHBoxLayout;
    header->setObjectName("horizontalLayout");
    header->setSpacing(8);
    header->setContentsMargins(3, 0, 12, 0);
    _expandIcon = new RotatableImageWidget(this);
    _expandIcon->setObjectName("expandIcon");
    _expandIcon->setFixedSize(20, 20);
    _expandIcon->setPixmap(expandPixmap);
    _expandIcon->setDisabledPixmap(disabledExpandPixmap);
    header->addWidget(_expandIcon);
    _titleLabel = new QLabel(this);
    _titleLabel->setObjectName("titleLabel");
    _titleLabel->setFixedHeight(UiMetrics::metric38());
    header->addWidget(_titleLabel, 1);
    _valueLabelSmall = new QLabel(this);
    _valueLabelSmall->setObjectName("valueLabelSmall");
    _valueLabelSmall->setFixedWidth(42);
    _valueLabelSmall->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->addWidget(_valueLabelSmall);
    layout->addLayout(header);

    _sliderAreaWidget = new QWidget(this);
    _sliderAreaWidget->setObjectName("sliderAreaWidget");
    auto* sliderRow = new QHBoxLayout(_sliderAreaWidget);
    sliderRow->setObjectName("horizontalLayout_2");
    sliderRow->setSpacing(0);
    sliderRow->setContentsMargins(5, 0, 5, 0);
    _slider = new QSlider(Qt::Horizontal, _sliderAreaWidget);
    _slider->setObjectName("slider");
    _slider->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    _slider->setStyleSheet(kSliderStyle);
    _slider->installEventFilter(new WheelEventBlocker(_slider));
    sliderRow->addWidget(_slider, 1);
    _valueDownButton = newStepButton("valueDownButton", ":/images/value_decrease", _sliderAreaWidget);
    sliderRow->addWidget(_valueDownButton);
    _valueLabel = new QLabel(_sliderAreaWidget);
    _valueLabel->setObjectName("valueLabel");
    _valueLabel->setMinimumWidth(36);
    _valueLabel->setAlignment(Qt::AlignCenter);
    sliderRow->addWidget(_valueLabel);
    _valueUpButton = newStepButton("valueUpButton", ":/images/value_increase", _sliderAreaWidget);
    sliderRow->addWidget(_valueUpButton);
    layout->addWidget(_sliderAreaWidget);

    _separator = new QWidget(this);
    _separator->setObjectName("separator");
    _separator->setFixedHeight(1);
    _separator->setStyleSheet("background-color: rgb(44,46,50);");
    layout->addWidget(_separator);

    for (QLabel* label : {_titleLabel, _valueLabelSmall, _valueLabel})
        label->setStyleSheet(kLabelStyle);
}

void PopupColorsScrollWidgetOneSliderItemWidget::setTitle(const QString& title)
{
    _titleLabel->setText(title);
}

void PopupColorsScrollWidgetOneSliderItemWidget::setValueRange(int value, int minimum, int maximum)
{
    _quiet = true;
    _slider->setRange(minimum, maximum);
    _slider->setValue(value);
    _quiet = false;
    _lastCommittedValue = _slider->value();
    _showValue(_slider->value());
}

void PopupColorsScrollWidgetOneSliderItemWidget::setValue(int value)
{
    _quiet = true;
    _slider->setValue(value);
    _quiet = false;
    _lastCommittedValue = _slider->value();
    _showValue(_slider->value());
}

int PopupColorsScrollWidgetOneSliderItemWidget::value() const
{
    return _slider->value();
}

void PopupColorsScrollWidgetOneSliderItemWidget::_showValue(int value)
{
    _valueLabel->setText(QString::number(value));
    _valueLabelSmall->setText(QString::number(value));
}

void PopupColorsScrollWidgetOneSliderItemWidget::setExpanded(bool expanded)
{
    _valueLabelSmall->setHidden(expanded);
    _sliderAreaWidget->setHidden(!expanded);
    _expandIcon->setAngle(expanded ? 90 : 0);
}

void PopupColorsScrollWidgetOneSliderItemWidget::hideSeparator()
{
    _separator->hide();
}

void PopupColorsScrollWidgetOneSliderItemWidget::onSliderValueChanged(int value)
{
    if (_quiet)
        return;
    // Snapping sets the slider again, which re-enters here with 0 and
    // reports it; this pass then has nothing more to say.
    if (!_stepping && value != 0 && value >= -kSnapDistance && value <= kSnapDistance) {
        _slider->setValue(0);
        return;
    }
    _showValue(value);
    emit valueChanging(this, value);
}

void PopupColorsScrollWidgetOneSliderItemWidget::onSliderReleased()
{
    commitPendingChange();
}

void PopupColorsScrollWidgetOneSliderItemWidget::commitPendingChange()
{
    _commitTimer->stop();
    const int value = _slider->value();
    if (value == _lastCommittedValue)
        return;
    _lastCommittedValue = value;
    emit valueDidChange(this, value);
}

void PopupColorsScrollWidgetOneSliderItemWidget::onValueUpButtonPressed()
{
    _startStepping(kUp);
}

void PopupColorsScrollWidgetOneSliderItemWidget::onValueDownButtonPressed()
{
    _startStepping(kDown);
}

void PopupColorsScrollWidgetOneSliderItemWidget::_startStepping(int direction)
{
    _stepDirection = direction;
    _repeatInterval = 0;
    _commitTimer->stop();
    _step();
}

void PopupColorsScrollWidgetOneSliderItemWidget::_step()
{
    if (_stepDirection == 0 || QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    const int delta = _stepDirection == kUp ? 1 : -1;
    const int target = std::clamp(_slider->value() + delta, _slider->minimum(), _slider->maximum());
    // At a limit the repetition ends.
    if (target == _slider->value())
        return;
    _stepping = true;
    _slider->setValue(target);
    _stepping = false;
    _repeatInterval = _repeatInterval == 0 ? kFirstRepeatMs : kRepeatMs;
    _repeatTimer->start(_repeatInterval);
}

void PopupColorsScrollWidgetOneSliderItemWidget::onValueUpButtonReleased()
{
    _stepButtonReleased();
}

void PopupColorsScrollWidgetOneSliderItemWidget::onValueDownButtonReleased()
{
    _stepButtonReleased();
}

void PopupColorsScrollWidgetOneSliderItemWidget::_stepButtonReleased()
{
    _stepDirection = 0;
    _repeatTimer->stop();
    _commitTimer->start();
}

void PopupColorsScrollWidgetOneSliderItemWidget::mousePressEvent(QMouseEvent* event)
{
    _pressPoint = event->globalPos();
    _pressed = true;
    _moved = false;
    QWidget::mousePressEvent(event);
}

void PopupColorsScrollWidgetOneSliderItemWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (_pressed && QLineF(_pressPoint, event->globalPos()).length() >= kClickSlop)
        _moved = true;
    QWidget::mouseMoveEvent(event);
}

void PopupColorsScrollWidgetOneSliderItemWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = _pressed && !_moved;
    _pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit itemPressed(this);
}
