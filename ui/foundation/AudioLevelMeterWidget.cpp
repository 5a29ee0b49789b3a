#include "AudioLevelMeterWidget.h"

#include <QPainter>

AudioLevelMeterWidget::AudioLevelMeterWidget(QWidget* parent)
    : QWidget(parent),
      _grayPicture(":/images/voice_audio_meter_gray"),
      _colorPicture(":/images/voice_audio_meter")
{
}

void AudioLevelMeterWidget::setLevel(float level)
{
    if (level == _level)
        return;
    _level = level;
    update();
}

void AudioLevelMeterWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bounds = rect();
    painter.drawPixmap(bounds, _grayPicture);
    painter.setClipRect(0, 0, int(width() * _level), height());
    painter.drawPixmap(bounds, _colorPicture);
}
