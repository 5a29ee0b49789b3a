#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>

class QTimer;

// Shows a fixed list of pictures one after the other, once, over a total
// time; the last picture stays for one interval before the slideshow reports
// its end.
class SlideshowLabel : public QLabel
{
    Q_OBJECT

public:
    // Pictures that cannot be read are left out; without any, the slideshow
    // shows nothing and never ends.
    SlideshowLabel(const QStringList& files, int totalMs, QWidget* parent = nullptr);

    void start();
    int frameCount() const { return _frames.size(); }
    int currentIndex() const { return _index; }

signals:
    void slideshowCompleted(SlideshowLabel* label);

private slots:
    void onTimerTimeout();

private:
    QList<QPixmap> _frames;
    QTimer* _timer = nullptr;
    int _index = 0;
};
