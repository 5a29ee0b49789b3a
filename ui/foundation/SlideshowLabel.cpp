#include "SlideshowLabel.h"

#include <QTimer>

SlideshowLabel::SlideshowLabel(const QStringList& files, int totalMs, QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
    for (const QString& file : files) {
        const QPixmap frame(file);
        if (!frame.isNull())
            _frames.append(frame);
    }
    if (_frames.isEmpty())
        return;
    _timer = new QTimer(this);
    // Frames of a short animation: coarse timers would make them uneven.
    _timer->setTimerType(Qt::PreciseTimer);
    _timer->setInterval(totalMs / _frames.size());
    connect(_timer, &QTimer::timeout, this, &SlideshowLabel::onTimerTimeout);
    setPixmap(_frames.first());
}

void SlideshowLabel::start()
{
    if (_timer)
        _timer->start();
}

void SlideshowLabel::onTimerTimeout()
{
    ++_index;
    if (_index >= _frames.size()) {
        _timer->stop();
        emit slideshowCompleted(this);
        return;
    }
    setPixmap(_frames[_index]);
}
