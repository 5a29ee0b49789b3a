#include "CommonSliderColorPopup.h"

#include "ColorButton.h"
#include "PopupColorMatrixWidget.h"
#include "SeekableSliderStyle.h"
#include "SliderPopupForm.h"
#include "SwitchButton.h"
#include "WheelEventBlocker.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <cmath>

namespace {

constexpr float kPositionsPerUnit = 1000.0f;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;
constexpr int kCommitDelayMs = 350;
constexpr int kPopupHeight = 100;
constexpr int kUp = 1;
constexpr int kDown = 2;
// "%.1f" needs a slider reaching 3.0 that moves in whole units.
constexpr int kOneDecimalMinimumMax = 3000;
constexpr int kOneDecimalMinimumStep = 1000;
constexpr int kMarkerWidth = 3;
constexpr int kMarkerHeight = 50;

const char* const kSliderStyle =
    "QSlider::groove:horizontal { background: transparent; height: 4px; border-radius: 2px; }"
    "QSlider::sub-page:horizontal { background: rgb(54,200,255); height: 4px; border-radius: 2px; }"
    "QSlider::add-page:horizontal { background: rgb(25,26,28); height: 4px; border-radius: 2px; }"
    "QSlider::handle:horizontal { background: white; width: 18px; margin: -7px 0; border-radius: 9px; }"
    "QSlider::sub-page:horizontal:disabled { background: rgb(44,105,133); }"
    "QSlider::handle:horizontal:disabled { background: rgb(128,128,128); }";

const char* const kValueButtonStyle =
    "QPushButton:pressed { background-color: rgb(25,26,28); margin: 10px; border: none; border-radius: 10px; }";

// Single precision, truncated toward zero, as every position is computed.
int toPosition(float value)
{
    return static_cast<int>(value * kPositionsPerUnit);
}

float toValue(int position)
{
    return static_cast<float>(position) / kPositionsPerUnit;
}

} // namespace

CommonSliderColorPopup::CommonSliderColorPopup(QWidget* parent)
    : CommonPopup(parent), _repeatTimer(new QTimer(this)), _commitTimer(new QTimer(this))
{
    _repeatTimer->setSingleShot(true);
    // A coarse timer may fire up to 5% early: the second step would come
    // before the half second a user holds the button to mean "repeat".
    _repeatTimer->setTimerType(Qt::PreciseTimer);
    connect(_repeatTimer, &QTimer::timeout, this, [this] { stepWhileHeld(_heldRow, _heldStep); });
    _commitTimer->setSingleShot(true);
    // Never before the 350 ms a user may take between two clicks of a run.
    _commitTimer->setTimerType(Qt::PreciseTimer);
    _commitTimer->setInterval(kCommitDelayMs);
    connect(_commitTimer, &QTimer::timeout, this, &CommonSliderColorPopup::_commitAwaitingRows);
}

CommonSliderColorPopup::~CommonSliderColorPopup()
{
    // An owner replacing an embedded popup deletes it: the last change still
    // reaches the owner. Not virtually: a subclass's part is gone by now, and
    // each subclass with changes of its own commits them in its destructor.
    CommonSliderColorPopup::commitPendingChanges();
    // The colour popup lives on another widget: an owner that deletes this
    // popup without dismissing it would leave it choosing for nobody.
    _closeColorPopup();
}

void CommonSliderColorPopup::adoptForm(const SliderPopupForm& form)
{
    setMainWidget(form.mainWidget);
    setTitleLabel(form.titleLabel);
    for (int row = 0; row < 3; ++row) {
        const SliderPopupForm::Row& widgets = form.rows[row];
        _rows[row].slider = widgets.slider;
        _rows[row].valueLabel = widgets.valueLabel;
        _rows[row].downButton = widgets.downButton;
        _rows[row].upButton = widgets.upButton;
        _rows[row].title = widgets.title;
    }
    _colorButton = form.colorButton;
    _switchLabel = form.switchLabel;
    _switchButton = form.switchButton;

    using Self = CommonSliderColorPopup;
    using Handler = void (Self::*)();
    using ValueHandler = void (Self::*)(int);
    const ValueHandler moved[] = {&Self::onSliderValueChanged, &Self::onSlider2ValueChanged,
                                  &Self::onSlider3ValueChanged};
    const Handler released[] = {&Self::onSliderReleased, &Self::onSlider2Released, &Self::onSlider3Released};
    const Handler upPressed[] = {&Self::onValueUpButtonPressed, &Self::onValueUpButton2Pressed,
                                 &Self::onValueUpButton3Pressed};
    const Handler upReleased[] = {&Self::onValueUpButtonReleased, &Self::onValueUpButton2Released,
                                  &Self::onValueUpButton3Released};
    const Handler downPressed[] = {&Self::onValueDownButtonPressed, &Self::onValueDownButton2Pressed,
                                   &Self::onValueDownButton3Pressed};
    const Handler downReleased[] = {&Self::onValueDownButtonReleased, &Self::onValueDownButton2Released,
                                    &Self::onValueDownButton3Released};
    for (int row = 0; row < 3; ++row) {
        const Row& r = _rows[row];
        if (r.slider) {
            connect(r.slider, &QSlider::valueChanged, this, moved[row]);
            connect(r.slider, &QSlider::sliderReleased, this, released[row]);
            // Keys, the wheel and clicks on the groove: every user action on
            // the slider, where a programmatic value change is none.
            connect(r.slider, &QSlider::actionTriggered, this, [this, row] { _rowActionTriggered(row); });
        }
        // The first row's buttons work only as a pair.
        const bool pairOnly = row == 0 && !(r.upButton && r.downButton);
        if (r.upButton && !pairOnly) {
            connect(r.upButton, &QPushButton::pressed, this, upPressed[row]);
            connect(r.upButton, &QPushButton::released, this, upReleased[row]);
        }
        if (r.downButton && !pairOnly) {
            connect(r.downButton, &QPushButton::pressed, this, downPressed[row]);
            connect(r.downButton, &QPushButton::released, this, downReleased[row]);
        }
    }
    if (_colorButton)
        connect(_colorButton, &QPushButton::clicked, this, &Self::onColorButtonClicked);
    if (_switchButton)
        connect(_switchButton, &SwitchButton::valueChanged, this, &Self::onSwitchValueChanged);
}

void CommonSliderColorPopup::configureThreeRows(const RowSetup& first, const QColor& color, const QString& title2,
                                                const RowSetup& second, const QString& title3,
                                                const RowSetup& third)
{
    setSliderTitle(title2);
    setSlider2Title(title3);
    _configureRowsAndColor(first, color, second, third);
    setFirstOption(first.value > 0);
    setSecondOption(true);
}

void CommonSliderColorPopup::configureThreeRowsWithSwitch(const RowSetup& first, const QColor& color,
                                                          const QString& title2, const RowSetup& second,
                                                          const QString& title3, const RowSetup& third,
                                                          const QString& switchTitle, bool switchChecked)
{
    setSliderTitle(title2);
    setSlider2Title(title3);
    setSwitchTitle(switchTitle);
    _configureRowsAndColor(first, color, second, third);
    setSwitchChecked(switchChecked);
    setFirstOption(first.value > 0);
    setSecondOption(switchChecked);
}

void CommonSliderColorPopup::_configureRowsAndColor(const RowSetup& first, const QColor& color,
                                                    const RowSetup& second, const RowSetup& third)
{
    // Ranges first, so that a value inside the new range is accepted.
    setSliderRange(first.min, first.max, first.step);
    setSlider2Range(second.min, second.max, second.step);
    setSlider3Range(third.min, third.max, third.step);
    setValue(first.value);
    setValue2(second.value);
    setValue3(third.value);
    setColor(color);
}

void CommonSliderColorPopup::setColor(const QColor& color)
{
    if (_colorButton)
        _colorButton->setColor(color);
}

QColor CommonSliderColorPopup::color() const
{
    return _colorButton ? _colorButton->color() : QColor();
}

void CommonSliderColorPopup::setSliderTitle(const QString& title)
{
    if (_rows[1].title)
        _rows[1].title->setText(title);
}

void CommonSliderColorPopup::setSlider2Title(const QString& title)
{
    if (_rows[2].title)
        _rows[2].title->setText(title);
}

void CommonSliderColorPopup::setSwitchTitle(const QString& title)
{
    if (_switchLabel)
        _switchLabel->setText(title);
}

void CommonSliderColorPopup::setSwitchChecked(bool checked)
{
    if (_switchButton)
        _switchButton->setValue(checked);
}

void CommonSliderColorPopup::setSliderRange(float min, float max, float step)
{
    _setRowRange(0, min, max, step);
}

void CommonSliderColorPopup::setSlider2Range(float min, float max, float step)
{
    _setRowRange(1, min, max, step);
}

void CommonSliderColorPopup::setSlider3Range(float min, float max, float step)
{
    _setRowRange(2, min, max, step);
}

void CommonSliderColorPopup::_setRowRange(int row, float min, float max, float step)
{
    Row& r = _rows[row];
    if (!r.slider)
        return;
    r.slider->setRange(toPosition(min), toPosition(max));
    r.step = toPosition(step);
}

void CommonSliderColorPopup::setValue(float value)
{
    _setRowValue(0, value);
}

void CommonSliderColorPopup::setValue2(float value)
{
    _setRowValue(1, value);
}

void CommonSliderColorPopup::setValue3(float value)
{
    _setRowValue(2, value);
}

void CommonSliderColorPopup::_setRowValue(int row, float value)
{
    Row& r = _rows[row];
    const int position = toPosition(value);
    if (!r.slider || position < r.slider->minimum() || position > r.slider->maximum())
        return;
    r.storedValue = position;
    r.slider->setValue(position);
    // The label shows the value given, not the truncated position.
    r.valueLabel->setText(_rowText(row, value));
}

void CommonSliderColorPopup::setValueSilently(float value)
{
    _updating = true;
    setValue(value);
    _updating = false;
}

void CommonSliderColorPopup::setValue2Silently(float value)
{
    _updating = true;
    setValue2(value);
    _updating = false;
}

void CommonSliderColorPopup::setValue3Silently(float value)
{
    _updating = true;
    setValue3(value);
    _updating = false;
}

float CommonSliderColorPopup::value() const
{
    return _rowValue(0, 1.0f);
}

float CommonSliderColorPopup::value2() const
{
    return _rowValue(1, 0.0f);
}

float CommonSliderColorPopup::value3() const
{
    return _rowValue(2, 0.0f);
}

float CommonSliderColorPopup::_rowValue(int row, float absent) const
{
    return _rows[row].slider ? toValue(_rows[row].slider->value()) : absent;
}

void CommonSliderColorPopup::setFirstOption(bool option)
{
    _firstOption = option;
    updateControls(isValueEnabled());
}

void CommonSliderColorPopup::setSecondOption(bool option)
{
    _secondOption = option;
    updateControls(isValueEnabled());
}

void CommonSliderColorPopup::updateOptionsState()
{
    _firstOption = value() > 0;
    updateControls(isValueEnabled());
    _secondOption = _switchButton ? _switchButton->value() : true;
    updateControls(isValueEnabled());
}

QString CommonSliderColorPopup::_rowText(int row, float value) const
{
    // The formats belong to the first row; the titled rows show one decimal.
    if (row != 0)
        return QString::asprintf("%.1f", value);
    if (_multiplierFormat)
        return QString::asprintf("%.2fX", 0.25 * value + 0.25);
    if (_percentFormat)
        return QString::asprintf("%d%%", static_cast<int>(value * 100.0f));
    const QSlider* slider = _rows[0].slider;
    const bool wholeUnits = slider->maximum() >= kOneDecimalMinimumMax && _rows[0].step >= kOneDecimalMinimumStep;
    return QString::asprintf(wholeUnits ? "%.1f" : "%.2f", value);
}

void CommonSliderColorPopup::onSliderValueChanged(int)
{
    _rowPositionChanged(0);
}

void CommonSliderColorPopup::onSlider2ValueChanged(int)
{
    _rowPositionChanged(1);
}

void CommonSliderColorPopup::onSlider3ValueChanged(int)
{
    _rowPositionChanged(2);
}

void CommonSliderColorPopup::_rowPositionChanged(int row)
{
    QSlider* slider = _rows[row].slider;
    if (row == 0) {
        // Snapping moves the slider again, which re-enters here once with the
        // snapped position before this pass reports it too.
        if (_multiplierFormat)
            slider->setValue(static_cast<int>(toValue(slider->value()) + 0.25f) * 1000);
        if (_hasDefaultMarker && !_steppingByButton) {
            const float distance = static_cast<float>(slider->value()) - _defaultValue;
            if (distance >= -_snapDistance && distance <= _snapDistance)
                slider->setValue(static_cast<int>(_defaultValue));
        }
    }
    const float value = toValue(slider->value());
    _rows[row].valueLabel->setText(_rowText(row, value));
    _emitChanging(row, value);
}

void CommonSliderColorPopup::_emitChanging(int row, float value)
{
    using Self = CommonSliderColorPopup;
    static constexpr void (Self::*changing[])(Self*, float) = {
        &Self::sliderColorPopupValueChanging, &Self::sliderColorPopupValue2Changing,
        &Self::sliderColorPopupValue3Changing};
    if (!_updating)
        emit(this->*changing[row])(this, value);
}

void CommonSliderColorPopup::onSliderReleased()
{
    _commitRow(0);
}

void CommonSliderColorPopup::onSlider2Released()
{
    _commitRow(1);
}

void CommonSliderColorPopup::onSlider3Released()
{
    _commitRow(2);
}

void CommonSliderColorPopup::_rowActionTriggered(int row)
{
    _rowsAwaitingCommit |= 1 << row;
    // A drag commits at its release; a key or wheel step like a click.
    if (!_rows[row].slider->isSliderDown())
        _commitTimer->start();
}

void CommonSliderColorPopup::_commitRow(int row)
{
    _rowsAwaitingCommit &= ~(1 << row);
    _rowReleased(row);
}

void CommonSliderColorPopup::_rowReleased(int row)
{
    Row& r = _rows[row];
    if (!r.slider || r.slider->value() == r.storedValue)
        return;
    const float value = toValue(r.slider->value());
    if (row == 0) {
        _firstOption = value > 0;
        updateControls(isValueEnabled());
    }
    using Self = CommonSliderColorPopup;
    static constexpr void (Self::*changed[])(Self*, float) = {
        &Self::sliderColorPopupValueChanged, &Self::sliderColorPopupValue2Changed,
        &Self::sliderColorPopupValue3Changed};
    if (!_updating)
        emit(this->*changed[row])(this, value);
    r.storedValue = r.slider->value();
}

void CommonSliderColorPopup::onValueUpButtonPressed()
{
    _valueButtonPressed(0, kUp);
}

void CommonSliderColorPopup::onValueUpButton2Pressed()
{
    _valueButtonPressed(1, kUp);
}

void CommonSliderColorPopup::onValueUpButton3Pressed()
{
    _valueButtonPressed(2, kUp);
}

void CommonSliderColorPopup::onValueDownButtonPressed()
{
    _valueButtonPressed(0, kDown);
}

void CommonSliderColorPopup::onValueDownButton2Pressed()
{
    _valueButtonPressed(1, kDown);
}

void CommonSliderColorPopup::onValueDownButton3Pressed()
{
    _valueButtonPressed(2, kDown);
}

void CommonSliderColorPopup::onValueUpButtonReleased()
{
    _valueButtonReleased(0);
}

void CommonSliderColorPopup::onValueUpButton2Released()
{
    _valueButtonReleased(1);
}

void CommonSliderColorPopup::onValueUpButton3Released()
{
    _valueButtonReleased(2);
}

void CommonSliderColorPopup::onValueDownButtonReleased()
{
    _valueButtonReleased(0);
}

void CommonSliderColorPopup::onValueDownButton2Released()
{
    _valueButtonReleased(1);
}

void CommonSliderColorPopup::onValueDownButton3Released()
{
    _valueButtonReleased(2);
}

void CommonSliderColorPopup::_valueButtonPressed(int row, int direction)
{
    _repeatTimer->stop();
    _rowsAwaitingCommit |= 1 << row;
    _heldDirection = direction;
    _repeatInterval = 0;
    if (row == 0)
        _steppingByButton = true;
    // A step below one position would never move (and could not be rounded
    // to a multiple of itself): it counts as one position.
    const int step = std::max(_rows[row].step, 1);
    stepWhileHeld(row, direction == kUp ? step : -step);
}

void CommonSliderColorPopup::stepWhileHeld(int row, int s)
{
    QSlider* slider = _rows[row].slider;
    if (!slider || _heldDirection == 0 || QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    const int a = std::max(std::abs(s), 1);
    const int current = slider->value();
    int t = static_cast<int>(static_cast<double>(current) + s + 0.5);
    // Land on a multiple of the step, moving upward from the sum.
    while (t % a != 0)
        ++t;
    t = std::clamp(t, slider->minimum(), slider->maximum());
    if (t == current)
        return;
    slider->setValue(t);
    _repeatInterval = _repeatInterval == 0 ? kFirstRepeatMs : kRepeatMs;
    _heldRow = row;
    _heldStep = s;
    _repeatTimer->start(_repeatInterval);
}

void CommonSliderColorPopup::_valueButtonReleased(int row)
{
    _heldDirection = 0;
    _repeatTimer->stop();
    if (row == 0)
        _steppingByButton = false;
    _rowsAwaitingCommit |= 1 << row;
    _commitTimer->start();
}

void CommonSliderColorPopup::_commitAwaitingRows()
{
    // A held button's release restarts the timer; a slider held down
    // commits at its own release. Every other row stepped meanwhile commits
    // now, so that a click on another row does not swallow this row's change.
    if (_heldDirection != 0)
        return;
    for (int row = 0; row < 3; ++row) {
        const bool held = _rows[row].slider && _rows[row].slider->isSliderDown();
        if ((_rowsAwaitingCommit & (1 << row)) && !held)
            _commitRow(row);
    }
}

void CommonSliderColorPopup::commitPendingChanges()
{
    _commitTimer->stop();
    _repeatTimer->stop();
    _heldDirection = 0;
    _steppingByButton = false;
    for (int row = 0; row < 3; ++row) {
        if (_rowsAwaitingCommit & (1 << row))
            _commitRow(row);
    }
}

void CommonSliderColorPopup::updateControls(bool enabled)
{
    if (_rows[0].slider)
        _rows[0].slider->setEnabled(enabled);
    if (_rows[0].valueLabel)
        _rows[0].valueLabel->setEnabled(enabled);
    const bool optionsEnabled = enabled && _firstOption && _secondOption;
    _enableRow(1, optionsEnabled);
    _enableRow(2, optionsEnabled);
    if (_colorButton)
        _colorButton->setEnabled(enabled);
    if (_rows[0].upButton)
        _rows[0].upButton->setEnabled(enabled);
    if (_rows[0].downButton)
        _rows[0].downButton->setEnabled(enabled);
    if (_switchLabel && _switchButton) {
        _switchLabel->setEnabled(enabled && _firstOption);
        _switchButton->setEnabled(enabled && _firstOption);
    }
}

void CommonSliderColorPopup::_enableRow(int row, bool enabled)
{
    Row& r = _rows[row];
    if (!r.title || !r.valueLabel || !r.slider)
        return;
    for (QWidget* widget : {static_cast<QWidget*>(r.title), static_cast<QWidget*>(r.valueLabel),
                            static_cast<QWidget*>(r.slider), static_cast<QWidget*>(r.upButton),
                            static_cast<QWidget*>(r.downButton)}) {
        if (widget)
            widget->setEnabled(enabled);
    }
}

bool CommonSliderColorPopup::isValueEnabled()
{
    return _rows[0].slider && _rows[0].slider->isEnabled();
}

void CommonSliderColorPopup::onSwitchValueChanged(bool value)
{
    _secondOption = value;
    updateControls(isValueEnabled());
    emit sliderColorPopupSwitchValueChanged(this, value);
}

void CommonSliderColorPopup::setDefaultValueMarker(float value, float distance)
{
    QSlider* slider = _rows[0].slider;
    if (!slider)
        return;
    _defaultValue = value * kPositionsPerUnit;
    _snapDistance = std::abs(distance) * kPositionsPerUnit;
    _hasDefaultMarker = true;
    if (!_defaultValueMarker) {
        _defaultValueMarker = new QWidget(slider->parentWidget());
        _defaultValueMarker->setObjectName("defaultValueMarker");
        _defaultValueMarker->setStyleSheet("background-color: rgba(255,255,255,32);");
        _defaultValueMarker->lower();
        _defaultValueMarker->show();
        // Set before the popup is shown, the slider is not laid out yet, and
        // an embedded popup gets no later resize of its own: the marker
        // follows the slider's geometry instead.
        slider->installEventFilter(this);
    }
    _placeDefaultMarker();
}

bool CommonSliderColorPopup::eventFilter(QObject* watched, QEvent* event)
{
    const bool sliderMoved = event->type() == QEvent::Resize || event->type() == QEvent::Move;
    if (sliderMoved && watched == _rows[0].slider)
        _placeDefaultMarker();
    return CommonPopup::eventFilter(watched, event);
}

void CommonSliderColorPopup::_placeDefaultMarker()
{
    const QSlider* slider = _rows[0].slider;
    if (!_defaultValueMarker || !slider)
        return;
    const QRect geometry = slider->geometry();
    // The minimum does not enter: markers sit on sliders that start at 0.
    const float maximum = static_cast<float>(std::max(slider->maximum(), 1));
    const int x = static_cast<int>(static_cast<float>(geometry.x() - 3)
                                   + static_cast<float>(geometry.width()) * _defaultValue / maximum + 9.0f);
    _defaultValueMarker->setGeometry(x, geometry.center().y() - kMarkerHeight / 2, kMarkerWidth, kMarkerHeight);
}

void CommonSliderColorPopup::dismiss()
{
    commitPendingChanges();
    _closeColorPopup();
    CommonPopup::dismiss();
}

void CommonSliderColorPopup::hideEvent(QHideEvent* event)
{
    // Closed, or hidden with its host: what the user changed is final.
    commitPendingChanges();
    CommonPopup::hideEvent(event);
}

void CommonSliderColorPopup::dismissChildPopups()
{
    _closeColorPopup();
}

int CommonSliderColorPopup::popupHeight()
{
    return kPopupHeight;
}

void CommonSliderColorPopup::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    if (_styled)
        return;
    _styled = true;
    for (const Row& r : _rows) {
        if (r.valueLabel)
            applyLabelStyle(r.valueLabel);
        if (r.title)
            applyLabelStyle(r.title);
    }
    if (_switchLabel)
        applyLabelStyle(_switchLabel);
    _styleSliders();
    _styleValueButtons();
    if (_switchButton)
        _switchButton->useEditorColors();
}

void CommonSliderColorPopup::_styleSliders()
{
    // Widgets do not own their style. The popup does: it was created after
    // the form, so the popup's destructor deletes the sliders before it.
    auto* style = new SeekableSliderStyle;
    style->setParent(this);
    for (const Row& r : _rows) {
        if (!r.slider)
            continue;
        r.slider->setStyle(style);
        r.slider->setStyleSheet(kSliderStyle);
        // Embedded in a scrolling panel, the wheel scrolls the panel.
        if (isFullscreen())
            r.slider->installEventFilter(new WheelEventBlocker(r.slider));
    }
}

void CommonSliderColorPopup::_styleValueButtons()
{
    for (const Row& r : _rows) {
        for (QPushButton* button : {r.upButton, r.downButton}) {
            if (button)
                button->setStyleSheet(kValueButtonStyle);
        }
    }
}

void CommonSliderColorPopup::showAt(const QPoint& point)
{
    CommonPopup::showAt(point);
    if (_colorMatrixPopup && mainWidget())
        _colorMatrixPopup->showAt(mainWidget()->geometry().center());
}

void CommonSliderColorPopup::resizeEvent(QResizeEvent* event)
{
    CommonPopup::resizeEvent(event);
    if (isFullscreen() && _colorMatrixPopup && _colorButton)
        _colorMatrixPopup->showAt(_colorButtonTopInWindow());
}

QPoint CommonSliderColorPopup::_colorButtonTopInWindow() const
{
    return _colorButton->mapTo(window(), QPoint(_colorButton->width() / 2, 0));
}

void CommonSliderColorPopup::onColorButtonClicked()
{
    if (_colorMatrixPopup || !_colorButton)
        return;
    QWidget* host = isFullscreen() ? window() : parentWidget();
    const QPoint point = isFullscreen() ? _colorButtonTopInWindow()
                                        : (mainWidget() ? mainWidget()->geometry().center() : QPoint());
    _colorMatrixPopup = new PopupColorMatrixWidget(host);
    _colorMatrixPopup->showInWidgetWithPicker(host, point, true);
    connect(_colorMatrixPopup, &CommonPopup::dismissed, this, &CommonSliderColorPopup::onPopupColorMatrixWidgetDismissed);
    connect(_colorMatrixPopup, &PopupColorMatrixWidget::colorMatrixPopupColorSelected, this,
            &CommonSliderColorPopup::onPopupColorMatrixWidgetColorSelected);
    connect(_colorMatrixPopup, &PopupColorMatrixWidget::colorMatrixPopupMoreColorNeeded, this,
            &CommonSliderColorPopup::onPopupColorMatrixWidgetMoreColorNeeded);
    // The receivers fill the out-parameters before the signal returns.
    connect(_colorMatrixPopup, &PopupColorMatrixWidget::colorMatrixPopupColorPickingImageNeeded, this,
            &CommonSliderColorPopup::onPopupColorMatrixWidgetColorPickingImageNeeded, Qt::DirectConnection);
    connect(_colorMatrixPopup, &PopupColorMatrixWidget::colorMatrixPopupGetPlaybackAreaFrame, this,
            &CommonSliderColorPopup::onPopupColorMatrixWidgetGetPlaybackAreaFrame, Qt::DirectConnection);
}

void CommonSliderColorPopup::onPopupColorMatrixWidgetDismissed(CommonPopup*)
{
    _colorMatrixPopup = nullptr;
}

void CommonSliderColorPopup::_closeColorPopup()
{
    if (_colorMatrixPopup)
        _colorMatrixPopup->dismiss();
    _colorMatrixPopup = nullptr;
}

void CommonSliderColorPopup::onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget*, QColor color)
{
    setColor(color);
    _closeColorPopup();
    emit sliderColorPopupColorChanged(this, color);
}

void CommonSliderColorPopup::onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup)
{
    const QColor chosen = PopupColorMatrixWidget::askMoreColor(popup, color(), this);
    if (!chosen.isValid())
        return;
    setColor(chosen);
    _closeColorPopup();
    emit sliderColorPopupColorChanged(this, chosen);
}

void CommonSliderColorPopup::onPopupColorMatrixWidgetColorPickingImageNeeded(PopupColorMatrixWidget*, QImage* image)
{
    emit sliderColorPopupNeedColorPickingImage(this, image);
}

void CommonSliderColorPopup::onPopupColorMatrixWidgetGetPlaybackAreaFrame(PopupColorMatrixWidget* popup, QRect* rect)
{
    emit sliderColorPopupGetPlaybackAreaFrame(this, rect, popup);
}
