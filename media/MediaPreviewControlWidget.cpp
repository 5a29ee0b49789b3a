#include "MediaPreviewControlWidget.h"

#include "SeekableSliderStyle.h"
#include "Util.h"
#include "ui_MediaPreviewControlWidget.h"

#include <QIcon>

namespace {

const char* const kPauseIcon = ":/images/media-explorer/videoPreviewPause";
const char* const kPlayIcon = ":/images/media-explorer/videoPreviewPlay";
const char* const kPlayDisabledIcon = ":/images/media-explorer/videoPreviewPlay_dis";

const char* const kBarStyle =
    "QWidget#MediaPreviewControlWidget { background-color: transparent; color: white; }"
    "QLabel { color: white; }"
    "QLabel:disabled { color: rgb(128,128,128); }"
    "QPushButton#closeButton { color: white; background-color: transparent; border: none; }"
    "QPushButton#closeButton:hover { background-color: rgb(44,46,50); border-radius: 5px; }"
    "QPushButton#closeButton:pressed { background-color: black; border-radius: 5px; }"
    "QPushButton#closeButton:disabled { color: rgb(128,128,128); }";

const char* const kSliderStyle =
    "QSlider::groove:horizontal { background: transparent; height: 4px; border-radius: 2px; }"
    "QSlider::sub-page:horizontal { background: white; height: 4px; border-radius: 2px; }"
    "QSlider::add-page:horizontal { background: rgb(25,26,28); height: 4px; border-radius: 2px; }"
    "QSlider::handle:horizontal { background: white; width: 18px; margin: -7px 0; border-radius: 9px; }"
    "QSlider::sub-page:horizontal:disabled { background: rgb(44,105,133); }"
    "QSlider::handle:horizontal:disabled { background: rgb(128,128,128); }";

void useSmallerFont(QWidget* label)
{
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    label->setFont(font);
}

} // namespace

MediaPreviewControlWidget::MediaPreviewControlWidget(QWidget* parent)
    : QWidget(parent), ui(new Ui::MediaPreviewControlWidget)
{
    ui->setupUi(this);
    _applyLooks();
    connect(ui->playPauseButton, &QPushButton::clicked, this, &MediaPreviewControlWidget::playPauseButtonClicked);
    connect(ui->closeButton, &QPushButton::clicked, this, &MediaPreviewControlWidget::closeButtonClicked);
    connect(ui->horizontalSlider, &QSlider::sliderPressed, this, &MediaPreviewControlWidget::onSliderPressed);
    connect(ui->horizontalSlider, &QSlider::sliderReleased, this, &MediaPreviewControlWidget::onSliderReleased);
    connect(ui->horizontalSlider, &QSlider::valueChanged, this, &MediaPreviewControlWidget::onSliderValueChanged);
}

MediaPreviewControlWidget::~MediaPreviewControlWidget()
{
    delete ui;
}

void MediaPreviewControlWidget::_applyLooks()
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(kBarStyle);
    useSmallerFont(ui->leftLabel);
    useSmallerFont(ui->rightLabel);
    auto* sliderStyle = new SeekableSliderStyle;
    sliderStyle->setParent(ui->horizontalSlider);
    ui->horizontalSlider->setStyle(sliderStyle);
    ui->horizontalSlider->setStyleSheet(kSliderStyle);
}

void MediaPreviewControlWidget::setControlsEnabled(bool enabled)
{
    ui->playPauseButton->setEnabled(enabled);
    ui->leftLabel->setEnabled(enabled);
    ui->rightLabel->setEnabled(enabled);
    ui->horizontalSlider->setEnabled(enabled);
}

void MediaPreviewControlWidget::setPlaying(bool playing)
{
    const char* icon = kPlayIcon;
    if (playing)
        icon = kPauseIcon;
    else if (!ui->playPauseButton->isEnabled())
        icon = kPlayDisabledIcon;
    ui->playPauseButton->setIcon(QIcon(icon));
}

void MediaPreviewControlWidget::setTime(float position, float duration)
{
    // A zero (unknown) duration has no proportion: the slider stays at its start.
    if (!seeking)
        ui->horizontalSlider->setValue(duration > 0 ? int(position * 100.0f / duration) : 0);
    ui->leftLabel->setText(Util::durationText(int(position)));
    ui->rightLabel->setText("-" + Util::durationText(int(duration - position)));
}

void MediaPreviewControlWidget::onSliderPressed()
{
    // Seeking before the pause: pausing reports the player's position at
    // once, which must not move the slider away from where it was clicked.
    seeking = true;
    emit pauseIfPlaying(wasPlaying);
    emit seekToPosition(ui->horizontalSlider->value());
}

void MediaPreviewControlWidget::onSliderReleased()
{
    seeking = false;
    if (wasPlaying)
        emit needToPlay();
}

void MediaPreviewControlWidget::onSliderValueChanged(int value)
{
    if (ui->horizontalSlider->isSliderDown())
        emit seekToPosition(value);
}
