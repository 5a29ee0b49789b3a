#include "FullscreenControlWidget.h"

#include "Util.h"
#include "ui_FullscreenControlWidget.h"

#include <QIcon>

namespace {

constexpr int kTickMs = 500;
constexpr int kVisibleWhilePlayingMs = 3000;

const char* const kBarStyle =
    "FullscreenControlWidget{background-color:rgba(0,0,0,192); color:white; border-radius:10px;}"
    "QToolTip{background-color:rgb(54,200,255); color:white; padding:2px; border-radius:3px;}";
const char* const kTransparentStyle = "background-color:transparent;";
// A type selector reaches only the bar itself: the times need their own colour.
const char* const kTimeLabelStyle = "color:white; background-color:transparent;";
const char* const kButtonStyle =
    "QPushButton{color:white; background-color:transparent;}"
    "QPushButton:hover{background-color:rgb(44,46,50); border-radius:5px;}"
    "QPushButton:pressed{background-color:black; border-radius:5px;}";
const char* const kSliderStyle =
    "QSlider{background-color:transparent;}"
    "QSlider::groove:horizontal{background:transparent; height:4px; border-radius:2px;}"
    "QSlider::sub-page:horizontal{background:white; height:4px; border-radius:2px;}"
    "QSlider::add-page:horizontal{background:rgb(25,26,28); height:4px; border-radius:2px;}"
    "QSlider::handle:horizontal{background:white; width:18px; margin:-7px 0; border-radius:9px;}"
    "QSlider::sub-page:horizontal:disabled{background:rgb(44,105,133);}"
    "QSlider::handle:horizontal:disabled{background:rgb(128,128,128);}";

const QString kPlayIcon = QStringLiteral(":/images/navi_play");
const QString kPauseIcon = QStringLiteral(":/images/navi_pause");

} // namespace

FullscreenControlWidget::FullscreenControlWidget(QWidget* parent)
    : QWidget(parent)
    , _ui(new Ui::FullscreenControlWidget)
    , _autoHideTimer(new QTimer(this))
{
    _ui->setupUi(this);
    // A plain QWidget subclass paints its style sheet background only with this.
    setAttribute(Qt::WA_StyledBackground, true);
    _applyStyles();

    connect(_ui->playPauseButton, &QPushButton::clicked, this, &FullscreenControlWidget::playPauseButtonClicked);
    connect(_ui->nextPosButton, &QPushButton::clicked, this, &FullscreenControlWidget::nextPositionButtonClicked);
    connect(_ui->previousPosButton, &QPushButton::clicked, this,
            &FullscreenControlWidget::previousPositionButtonClicked);
    connect(_ui->fullscreenButton, &QPushButton::clicked, this, &FullscreenControlWidget::fullscreenButtonClicked);
    connect(_ui->horizontalSlider, &QSlider::sliderPressed, this, &FullscreenControlWidget::onSliderPressed);
    connect(_ui->horizontalSlider, &QSlider::sliderReleased, this, &FullscreenControlWidget::onSliderReleased);
    connect(_ui->horizontalSlider, &QSlider::valueChanged, this, &FullscreenControlWidget::onSliderValueChanged);
    connect(_autoHideTimer, &QTimer::timeout, this, &FullscreenControlWidget::autoHide);
    _autoHideTimer->start(kTickMs);
}

FullscreenControlWidget::~FullscreenControlWidget()
{
    _autoHideTimer->stop();
    delete _ui;
}

void FullscreenControlWidget::_applyStyles()
{
    setStyleSheet(QString::fromLatin1(kBarStyle));
    for (QWidget* panel : {_ui->topPanel, _ui->bottomPanel, _ui->placeholder})
        panel->setStyleSheet(QString::fromLatin1(kTransparentStyle));
    for (QPushButton* button : {_ui->previousPosButton, _ui->playPauseButton, _ui->nextPosButton, _ui->fullscreenButton})
        button->setStyleSheet(QString::fromLatin1(kButtonStyle));
    _ui->horizontalSlider->setStyleSheet(QString::fromLatin1(kSliderStyle));
    for (QLabel* label : {_ui->leftLabel, _ui->rightLabel}) {
        label->setStyleSheet(QString::fromLatin1(kTimeLabelStyle));
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() - 1.0);
        label->setFont(font);
    }
}

void FullscreenControlWidget::_restartCountdown()
{
    _countdownMs = _playing ? kVisibleWhilePlayingMs : kNever;
}

void FullscreenControlWidget::setPlaying(bool playing)
{
    _playing = playing;
    _restartCountdown();
    _ui->playPauseButton->setIcon(QIcon(playing ? kPauseIcon : kPlayIcon));
    if (!playing)
        show();
}

void FullscreenControlWidget::setPosition(float current, float duration)
{
    // An empty project has no length to divide by: the bar rests at the start.
    if (!_sliderPressed)
        _ui->horizontalSlider->setValue(duration > 0.0f ? int(current * 100.0f / duration) : 0);
    const float remaining = duration > 0.0f ? duration - current : 0.0f;
    const float elapsed = duration > 0.0f ? current : 0.0f;
    _ui->leftLabel->setText(Util::durationText(int(elapsed)));
    _ui->rightLabel->setText(QStringLiteral("-") + Util::durationText(int(remaining)));
}

void FullscreenControlWidget::showControls()
{
    _restartCountdown();
    show();
}

void FullscreenControlWidget::onSliderPressed()
{
    emit pauseIfPlaying(_wasPlaying);
    _sliderPressed = true;
    emit seekToPosition(_ui->horizontalSlider->value());
    _autoHideTimer->stop();
}

void FullscreenControlWidget::onSliderReleased()
{
    _sliderPressed = false;
    if (_wasPlaying)
        emit needToPlay();
    _restartCountdown();
    _autoHideTimer->start(kTickMs);
}

void FullscreenControlWidget::onSliderValueChanged(int value)
{
    if (_sliderPressed)
        emit seekToPosition(value);
}

void FullscreenControlWidget::autoHide()
{
    if (!isVisible())
        return;
    _countdownMs -= kTickMs;
    if (_countdownMs <= 0)
        hide();
}
