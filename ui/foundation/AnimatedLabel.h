#pragma once

#include <QLabel>
#include <QMovie>

// Plays an animated picture (a GIF) scaled into the label.
class AnimatedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AnimatedLabel(QWidget* parent = nullptr);
    AnimatedLabel(QWidget* parent, const QString& fileName);
    ~AnimatedLabel() override;

    void setFileName(const QString& fileName) { _movie.setFileName(fileName); }
    void setScaledSize(const QSize& size) { _movie.setScaledSize(size); }
    QMovie* movie() { return &_movie; }

public slots:
    // Starts the movie after delay milliseconds (at once for 0). A label
    // destroyed before then never starts it.
    void start(int delay);
    void start() { start(0); }
    void stop() { _movie.stop(); }
    void onMovieFrameChanged(int frameNumber);

private:
    void _setUp();

    QMovie _movie;
};
