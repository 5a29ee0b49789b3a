#include "AnimatedLabel.h"

#include <QTimer>

AnimatedLabel::AnimatedLabel(QWidget* parent) : QLabel(parent)
{
    _setUp();
}

AnimatedLabel::AnimatedLabel(QWidget* parent, const QString& fileName) : QLabel(parent)
{
    _movie.setFileName(fileName);
    _setUp();
}

AnimatedLabel::~AnimatedLabel()
{
    _movie.stop();
}

void AnimatedLabel::_setUp()
{
    // Named, the format is not guessed: guessing asks every image plugin
    // installed, some of which read a good part of the file to say no, and
    // a timeline shows a spinner on each tile that loads.
    _movie.setFormat(QByteArrayLiteral("gif"));
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
    connect(&_movie, &QMovie::frameChanged, this, &AnimatedLabel::onMovieFrameChanged);
}

void AnimatedLabel::start(int delay)
{
    if (delay == 0) {
        _movie.start();
        return;
    }
    QTimer::singleShot(delay, this, [this]() { _movie.start(); });
}

void AnimatedLabel::onMovieFrameChanged(int)
{
    setPixmap(_movie.currentPixmap());
}
