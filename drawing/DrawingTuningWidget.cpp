#include "DrawingTuningWidget.h"

#include "HardnessSliderStyle.h"
#include "LineWidthSliderStyle.h"
#include "PopupSliderWidget.h"
#include "TextWrappingButtonProxyStyle.h"
#include "TooltipButton.h"
#include "UiMetrics.h"
#include "ui_DrawingTuningWidget.h"

#include <QApplication>
#include <QFontDialog>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const char* const kSettingsGroup = "DrawingTuningView";
constexpr int kUp = 1;
constexpr int kDown = 2;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;
constexpr int kCommitDelayMs = 350;
constexpr int kPopupDelayMs = 200;
// Slider units: value x 100. A button step is 1 pixel of width, 0.05 of hardness.
constexpr int kLineWidthStep = 100;
constexpr int kHardnessStep = 5;
constexpr int kAlignLeft = 1;
constexpr int kAlignRight = 2;
constexpr int kAlignCentre = 4;

const char* const kValueLabelStyle =
    "QLabel{color:white;} QLabel:disabled{color:rgb(128,128,128);}"
    "QToolTip{background-color:rgb(54,200,255); color:white; padding:2px; border-radius:3px;}";
const char* const kValueButtonStyle =
    "QPushButton:pressed{background-color:rgb(25,26,28); margin:10px; border:none; border-radius:10px;}";
const char* const kCompactValueButtonStyle =
    "QPushButton:pressed{background-color:rgb(25,26,28); margin:10px 0 10px 0; border:none; border-radius:10px;}";
const char* const kTextButtonStyle =
    "QPushButton{color:white; background-color:transparent;}"
    "QPushButton:pressed, QPushButton[highlighted=\"true\"]{color:rgb(54,200,255);}"
    "QPushButton:disabled{color:rgb(128,128,128);}"
    "QToolTip{background-color:rgb(54,200,255); color:white; padding:2px; border-radius:3px;}";

int sliderUnits(float value)
{
    return static_cast<int>(value * 100);
}

// Where a held button's step from v by s lands: the sum raised to the next
// multiple of the step, so that a value between steps snaps onto the grid.
int snappedStep(int v, int s)
{
    int m = 1;
    while (m * std::abs(s) < 1)
        m *= 10;
    int r = static_cast<int>(m * (v + s) + 0.5);
    const int k = m * std::abs(s);
    while (r % k != 0)
        ++r;
    return r / m;
}

} // namespace

DrawingTuningWidget::DrawingTuningWidget(QWidget* parent)
    : QWidget(parent)
    , _ui(new Ui_DrawingTuningWidget)
    , _fontName(QApplication::font().family())
    , _fontStyle(QApplication::font().styleName())
    , _repeatTimer(new QTimer(this))
    , _commitTimer(new QTimer(this))
    , _lineWidthStyle(new LineWidthSliderStyle)
    , _hardnessStyle(new HardnessSliderStyle)
{
    _ui->setupUi(this);
    loadSettings();
    _ui->lineWidthSlider->setRange(50, 32000);
    _ui->lineWidthSlider->setValue(sliderUnits(_value(LineWidthRow)));
    _ui->hardnessSlider->setRange(0, 100);
    _ui->hardnessSlider->setValue(sliderUnits(_value(HardnessRow)));
    _showValue(LineWidthRow);
    _showValue(HardnessRow);
    _showTextSize();
    _showFont();
    _showAlignmentIcon();
    _showPictureSize();
    _applyStyleSheets();
    _repeatTimer->setSingleShot(true);
    _repeatTimer->setTimerType(Qt::PreciseTimer);
    connect(_repeatTimer, &QTimer::timeout, this, &DrawingTuningWidget::_stepHeld);
    _commitTimer->setSingleShot(true);
    _commitTimer->setTimerType(Qt::PreciseTimer);
    _commitTimer->setInterval(kCommitDelayMs);
    connect(_commitTimer, &QTimer::timeout, this, &DrawingTuningWidget::_commitAwaitingRows);
    _connectControls();
    setMode(LineMode);
}

DrawingTuningWidget::~DrawingTuningWidget()
{
    // A final value still waiting for its 350 ms goes out now, or the canvas
    // would never get a width changed just before the panel went.
    _repeatTimer->stop();
    if (_commitTimer->isActive()) {
        _commitTimer->stop();
        _commitAwaitingRows();
    }
    dismissPopup();
    saveSettings();
    // The styles go with this object, before the sliders and button they paint.
    _ui->lineWidthSlider->setStyle(nullptr);
    _ui->hardnessSlider->setStyle(nullptr);
    _ui->textFontButton->setStyle(nullptr);
}

void DrawingTuningWidget::_applyStyleSheets()
{
    // A plain widget subclass paints its style-sheet background only when asked.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("QWidget#DrawingTuningWidget{background-color:rgba(7,8,10,244); border-radius:10px;}");
    _ui->lineWidthValueLabel->setStyleSheet(kValueLabelStyle);
    _ui->hardnessValueLabel->setStyleSheet(kValueLabelStyle);
    for (QPushButton* button : {_ui->lineWidthValueDownButton, _ui->lineWidthValueUpButton,
                                _ui->hardnessValueDownButton, _ui->hardnessValueUpButton})
        button->setStyleSheet(kValueButtonStyle);
    for (QPushButton* button : {_ui->textSizeButton, _ui->textFontButton, _ui->pictureSizeButton}) {
        button->setStyleSheet(kTextButtonStyle);
        QFont font = button->font();
        font.setUnderline(true);
        button->setFont(font);
    }
    _ui->textTuningPanel->setStyleSheet("background-color:transparent;");
    _ui->pictureTuningPanel->setStyleSheet("background-color:transparent;");
    _ui->editTextButton->setNormalIcon(":/images/toolbar/editText");
    _ui->editTextButton->setHighlightedIcon(":/images/toolbar/editText2");
    for (TooltipButton* button : {_ui->textDoneButton, _ui->pictureDoneButton}) {
        button->setNormalIcon(":/images/drawing/textOk");
        button->setHighlightedIcon(":/images/drawing/textOk_");
    }
    _ui->openPictureButton->setNormalIcon(":/images/drawing/openPicture");
    _ui->openPictureButton->setHighlightedIcon(":/images/drawing/openPicture_");
}

void DrawingTuningWidget::_connectControls()
{
    using Self = DrawingTuningWidget;
    connect(_ui->editTextButton, &QPushButton::clicked, this, &Self::onEditTextButtonPressed);
    connect(_ui->textAlignButton, &QPushButton::clicked, this, &Self::onTextAlignButtonPressed);
    connect(_ui->textSizeButton, &QPushButton::clicked, this, &Self::onTextSizeButtonPressed);
    connect(_ui->textFontButton, &QPushButton::clicked, this, &Self::onTextFontButtonPressed);
    connect(_ui->textDoneButton, &QPushButton::clicked, this, &Self::onTextDoneButtonPressed);
    connect(_ui->openPictureButton, &QPushButton::clicked, this, &Self::onOpenPictureButtonPressed);
    connect(_ui->pictureSizeButton, &QPushButton::clicked, this, &Self::onPictureSizeButtonPressed);
    connect(_ui->pictureDoneButton, &QPushButton::clicked, this, &Self::onPictureDoneButtonPressed);
    for (QPushButton* button : {_ui->lineWidthValueUpButton, _ui->hardnessValueUpButton}) {
        connect(button, &QPushButton::pressed, this, &Self::onValueUpButtonPressed);
        connect(button, &QPushButton::released, this, &Self::onValueUpButtonReleased);
    }
    for (QPushButton* button : {_ui->lineWidthValueDownButton, _ui->hardnessValueDownButton}) {
        connect(button, &QPushButton::pressed, this, &Self::onValueDownButtonPressed);
        connect(button, &QPushButton::released, this, &Self::onValueDownButtonReleased);
    }
    _ui->lineWidthSlider->setStyle(_lineWidthStyle.get());
    _ui->hardnessSlider->setStyle(_hardnessStyle.get());
    for (int row : {LineWidthRow, HardnessRow}) {
        connect(_slider(row), &QSlider::valueChanged, this, &Self::onSliderValueChanged);
        connect(_slider(row), &QSlider::sliderReleased, this, &Self::onSliderReleased);
        connect(_slider(row), &QSlider::actionTriggered, this, [this, row] { _sliderActionTriggered(row); });
    }
}

QSlider* DrawingTuningWidget::_slider(int row) const
{
    return row == LineWidthRow ? _ui->lineWidthSlider : _ui->hardnessSlider;
}

float& DrawingTuningWidget::_value(int row)
{
    if (row == LineWidthRow)
        return _isEraser ? _rubberLineWidth : _lineWidth;
    return _isEraser ? _rubberHardness : _hardness;
}

void DrawingTuningWidget::_showValue(int row)
{
    if (row == LineWidthRow)
        _ui->lineWidthValueLabel->setText(QString::asprintf("%.1f px", _value(row)));
    else
        _ui->hardnessValueLabel->setText(QString::asprintf("%.2f", _value(row)));
}

void DrawingTuningWidget::_emitChanging(int row)
{
    if (row == LineWidthRow)
        emit drawingTuningWidgetLineWidthChanging(this, _value(row));
    else
        emit drawingTuningWidgetHardnessChanging(this, _value(row));
}

void DrawingTuningWidget::_emitChanged(int row)
{
    if (row == LineWidthRow)
        emit drawingTuningWidgetLineWidthChanged(this, _value(row));
    else
        emit drawingTuningWidgetHardnessChanged(this, _value(row));
}

void DrawingTuningWidget::_applySliderValue(int row, int value)
{
    _value(row) = value / 100.0f;
    _showValue(row);
    _emitChanging(row);
}

void DrawingTuningWidget::onSliderValueChanged(int value)
{
    _applySliderValue(sender() == _ui->lineWidthSlider ? LineWidthRow : HardnessRow, value);
}

void DrawingTuningWidget::onSliderReleased()
{
    const int row = sender() == _ui->lineWidthSlider ? LineWidthRow : HardnessRow;
    // A click on the groove counted as a step; the release gives its final value.
    _rowsAwaitingCommit &= ~(1 << row);
    _emitChanged(row);
}

void DrawingTuningWidget::_sliderActionTriggered(int row)
{
    // A key or wheel step has no release of its own: it commits like a
    // button release, or its width would never reach the canvas.
    if (_slider(row)->isSliderDown())
        return;
    _rowsAwaitingCommit |= 1 << row;
    _commitTimer->start();
}

void DrawingTuningWidget::onValueUpButtonPressed()
{
    _pressValueButton(sender() == _ui->lineWidthValueUpButton ? LineWidthRow : HardnessRow, kUp);
}

void DrawingTuningWidget::onValueUpButtonReleased()
{
    _releaseValueButton(sender() == _ui->lineWidthValueUpButton ? LineWidthRow : HardnessRow);
}

void DrawingTuningWidget::onValueDownButtonPressed()
{
    _pressValueButton(sender() == _ui->lineWidthValueDownButton ? LineWidthRow : HardnessRow, kDown);
}

void DrawingTuningWidget::onValueDownButtonReleased()
{
    _releaseValueButton(sender() == _ui->lineWidthValueDownButton ? LineWidthRow : HardnessRow);
}

void DrawingTuningWidget::_pressValueButton(int row, int direction)
{
    _repeatTimer->stop();
    _repeatDirection = direction;
    _repeatInterval = 0;
    _heldRow = row;
    _stepHeld();
}

void DrawingTuningWidget::_stepHeld()
{
    if (_repeatDirection == 0)
        return;
    QSlider* slider = _slider(_heldRow);
    const int step = _heldRow == LineWidthRow ? kLineWidthStep : kHardnessStep;
    const int v = slider->value();
    const int target = std::clamp(snappedStep(v, _repeatDirection == kUp ? step : -step), slider->minimum(),
                                  slider->maximum());
    if (target == v)
        return;
    slider->setValue(target);
    _applySliderValue(_heldRow, slider->value());
    _repeatInterval = _repeatInterval == 0 ? kFirstRepeatMs : kRepeatMs;
    _repeatTimer->start(_repeatInterval);
}

void DrawingTuningWidget::_releaseValueButton(int row)
{
    _repeatDirection = 0;
    _repeatTimer->stop();
    _rowsAwaitingCommit |= 1 << row;
    _commitTimer->start();
}

void DrawingTuningWidget::_commitAwaitingRows()
{
    for (int row : {LineWidthRow, HardnessRow}) {
        if (_rowsAwaitingCommit & (1 << row))
            _emitChanged(row);
    }
    _rowsAwaitingCommit = 0;
}

void DrawingTuningWidget::setMode(int mode)
{
    _tuningMode = mode;
    _ui->textTuningPanel->setVisible(mode == TextMode);
    _ui->pictureTuningPanel->setVisible(mode == PictureMode);
    _ui->lineWidthPanel->setVisible(mode != TextMode && mode != PictureMode);
}

void DrawingTuningWidget::setEraserMode(bool eraser)
{
    _isEraser = eraser;
    // Read both before either slider moves: each move stores into the pair.
    const int width = sliderUnits(_value(LineWidthRow));
    const int hardness = sliderUnits(_value(HardnessRow));
    _ui->lineWidthSlider->setValue(width);
    _ui->hardnessSlider->setValue(hardness);
    _showValue(LineWidthRow);
    _showValue(HardnessRow);
}

void DrawingTuningWidget::setTextSize(float size)
{
    _textSize = size;
    _showTextSize();
}

void DrawingTuningWidget::setPictureSize(float size)
{
    _pictureSize = size;
    _showPictureSize();
}

void DrawingTuningWidget::setTextDoneEnabled(bool enabled)
{
    _ui->textDoneButton->setEnabled(enabled);
}

void DrawingTuningWidget::setPictureDoneEnabled(bool enabled)
{
    _ui->pictureDoneButton->setEnabled(enabled);
}

void DrawingTuningWidget::dismissPopup()
{
    if (_popup)
        _popup->dismiss();
}

void DrawingTuningWidget::_showTextSize()
{
    _ui->textSizeButton->setText(QString::asprintf("%d pt", static_cast<int>(_textSize)));
}

void DrawingTuningWidget::_showPictureSize()
{
    _ui->pictureSizeButton->setText(QString::asprintf("%d%%", static_cast<int>(std::lround(_pictureSize * 100))));
}

void DrawingTuningWidget::_showFont()
{
    _ui->textFontButton->setText(_fontStyle.isEmpty() ? _fontName : _fontName + "-" + _fontStyle);
}

void DrawingTuningWidget::_showAlignmentIcon()
{
    QString name;
    switch (_textAlign) {
    case kAlignLeft:
        name = "leftAlign";
        break;
    case kAlignRight:
        name = "rightAlign";
        break;
    case kAlignCentre:
        name = "centerAlign";
        break;
    default:
        return;
    }
    _ui->textAlignButton->setNormalIcon(":/images/toolbar/" + name);
    _ui->textAlignButton->setHighlightedIcon(":/images/toolbar/" + name + "2");
}

void DrawingTuningWidget::onEditTextButtonPressed()
{
    emit drawingTuningWidgetEditTextPressed(this);
}

void DrawingTuningWidget::onTextAlignButtonPressed()
{
    switch (_textAlign) {
    case kAlignLeft:
        _textAlign = kAlignRight;
        break;
    case kAlignRight:
        _textAlign = kAlignCentre;
        break;
    default:
        _textAlign = kAlignLeft;
        break;
    }
    _showAlignmentIcon();
    emit drawingTuningWidgetTextAlignChanged(this, _textAlign);
}

void DrawingTuningWidget::onTextFontButtonPressed()
{
    QFont initial;
    initial.setFamily(_fontName);
    initial.setStyleName(_fontStyle);
    bool accepted = false;
    const QFont chosen =
        QFontDialog::getFont(&accepted, initial, window(), QString(), QFontDialog::FontDialogOptions());
    if (!accepted || (chosen.family() == _fontName && chosen.styleName() == _fontStyle))
        return;
    _fontName = chosen.family();
    _fontStyle = chosen.styleName();
    _showFont();
    emit drawingTuningWidgetTextFontChanged(this, _fontName, _fontStyle);
}

void DrawingTuningWidget::onTextSizeButtonPressed()
{
    QTimer::singleShot(kPopupDelayMs, Qt::PreciseTimer, this, [this] { _openSizePopup(TextSizeTag); });
}

void DrawingTuningWidget::onTextDoneButtonPressed()
{
    emit drawingTuningWidgetTextDonePressed(this);
}

void DrawingTuningWidget::onOpenPictureButtonPressed()
{
    QWidget* button = _ui->openPictureButton;
    const QPoint topLeft = parentWidget() ? button->mapTo(parentWidget(), QPoint(0, 0)) : button->pos();
    emit drawingTuningWidgetOpenPicturePressed(this, QRect(topLeft, button->size()));
}

void DrawingTuningWidget::onPictureSizeButtonPressed()
{
    QTimer::singleShot(kPopupDelayMs, Qt::PreciseTimer, this, [this] { _openSizePopup(PictureSizeTag); });
}

void DrawingTuningWidget::onPictureDoneButtonPressed()
{
    emit drawingTuningWidgetPictureDonePressed(this);
}

QWidget* DrawingTuningWidget::_popupHost() const
{
    return _popupParent ? _popupParent.data() : parentWidget();
}

QPoint DrawingTuningWidget::_popupAnchor() const
{
    return _popupHost()->mapFromGlobal(mapToGlobal(QPoint(width() / 2, 0)));
}

void DrawingTuningWidget::_openSizePopup(int tag)
{
    QWidget* host = _popupHost();
    if (!host)
        return;
    // Two clicks within the delay open one popup, not two.
    dismissPopup();
    auto* popup = new PopupSliderWidget(host);
    popup->setCornerMode(4);
    popup->setAnchorOffset(10);
    popup->setPercentFormat(tag == PictureSizeTag);
    if (_compactLayout) {
        popup->setBackgroundColor(QColor(44, 46, 50, 244));
        popup->addShadow();
    }
    if (tag == TextSizeTag)
        popup->configure(host, tr("Text Size"), _popupAnchor(), _textSize, 1, 960, false, 1);
    else
        popup->configure(host, tr("Picture Size"), _popupAnchor(), _pictureSize, 0.01f, 4.0f, false, 0.01f);
    popup->setTag(tag);
    _popup = popup;
    _setSizeButtonHighlighted(tag == TextSizeTag ? _ui->textSizeButton : _ui->pictureSizeButton, true);
    connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged, this,
            &DrawingTuningWidget::sliderColorPopup_onValueChanged);
    connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanging, this,
            &DrawingTuningWidget::sliderColorPopup_onValueChanging);
    connect(popup, &CommonPopup::dismissed, this, &DrawingTuningWidget::popup_onDismissed);
}

void DrawingTuningWidget::_setSizeButtonHighlighted(QPushButton* button, bool on)
{
    button->setProperty("highlighted", on);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

void DrawingTuningWidget::popup_onDismissed(CommonPopup*)
{
    _setSizeButtonHighlighted(_ui->textSizeButton, false);
    _setSizeButtonHighlighted(_ui->pictureSizeButton, false);
    _popup = nullptr;
}

void DrawingTuningWidget::sliderColorPopup_onValueChanged(CommonSliderColorPopup* popup, float value)
{
    if (popup->tag() == TextSizeTag) {
        _textSize = value;
        _showTextSize();
        emit drawingTuningWidgetTextSizeChanged(this, static_cast<int>(_textSize));
    } else if (popup->tag() == PictureSizeTag) {
        _pictureSize = value;
        _showPictureSize();
        emit drawingTuningWidgetPictureSizeChanged(this, _pictureSize);
    }
}

void DrawingTuningWidget::sliderColorPopup_onValueChanging(CommonSliderColorPopup* popup, float value)
{
    sliderColorPopup_onValueChanged(popup, value);
}

void DrawingTuningWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (_popup && _popupHost())
        _popup->showAt(_popupAnchor());
}

void DrawingTuningWidget::setCompactLayout()
{
    auto* sizeAndFont = new QVBoxLayout;
    sizeAndFont->setContentsMargins(0, 0, 0, 0);
    _ui->textTuningPanelHorizontalLayout->removeWidget(_ui->textSizeButton);
    _ui->textTuningPanelHorizontalLayout->removeWidget(_ui->textFontButton);
    sizeAndFont->addWidget(_ui->textSizeButton);
    sizeAndFont->addWidget(_ui->textFontButton);
    _ui->textTuningPanelHorizontalLayout->insertLayout(2, sizeAndFont);
    _ui->textSizeButton->setMinimumHeight(25);
    _ui->textFontButton->setMinimumHeight(30);
    _ui->textFontButton->setMaximumWidth(120);
    _fontButtonStyle = std::make_unique<TextWrappingButtonProxyStyle>();
    _ui->textFontButton->setStyle(_fontButtonStyle.get());
    const int icon = UiMetrics::toolBarIconHeight();
    for (TooltipButton* button : {_ui->openPictureButton, _ui->pictureDoneButton, _ui->editTextButton,
                                  _ui->textAlignButton, _ui->textDoneButton})
        button->setIconSize(QSize(icon, icon));
    for (QLayout* layout : std::initializer_list<QLayout*>{_ui->textTuningPanelHorizontalLayout, _ui->verticalLayout,
                                                           _ui->lineWidthHorizontalLayout,
                                                           _ui->hardnessPanelHorizontalLayout})
        layout->setContentsMargins(0, 0, 0, 0);
    _ui->pictureTuningPanelHorizontalLayout->setContentsMargins(0, 12, 0, 12);
    for (QPushButton* button : {_ui->lineWidthValueDownButton, _ui->lineWidthValueUpButton,
                                _ui->hardnessValueDownButton, _ui->hardnessValueUpButton}) {
        button->setStyleSheet(kCompactValueButtonStyle);
        button->setFixedWidth(30);
    }
    _compactLayout = true;
}

void DrawingTuningWidget::loadSettings()
{
    QSettings settings;
    settings.beginGroup(kSettingsGroup);
    _lineWidth = settings.value("LineWidth", _lineWidth).toFloat();
    _hardness = settings.value("Hardness", _hardness).toFloat();
    _rubberLineWidth = settings.value("RubberLineWidth", _rubberLineWidth).toFloat();
    _rubberHardness = settings.value("RubberHardness", _rubberHardness).toFloat();
    _fontName = settings.value("FontName", _fontName).toString();
    _fontStyle = settings.value("FontStyle", _fontStyle).toString();
    _textSize = settings.value("TextSize", _textSize).toFloat();
    _textAlign = settings.value("TextAlign", _textAlign).toInt();
}

void DrawingTuningWidget::saveSettings() const
{
    QSettings settings;
    settings.beginGroup(kSettingsGroup);
    settings.setValue("LineWidth", _lineWidth);
    settings.setValue("Hardness", _hardness);
    settings.setValue("RubberLineWidth", _rubberLineWidth);
    settings.setValue("RubberHardness", _rubberHardness);
    settings.setValue("FontName", _fontName);
    settings.setValue("FontStyle", _fontStyle);
    settings.setValue("TextSize", _textSize);
    settings.setValue("TextAlign", _textAlign);
}
