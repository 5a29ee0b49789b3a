#pragma once

#include <QPixmap>
#include <QWidget>

// An input level meter: the grey meter picture, with the coloured picture
// revealed from the left in proportion to the level.
class AudioLevelMeterWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AudioLevelMeterWidget(QWidget* parent = nullptr);

    // Level from 0 to 1; repaints only on a change.
    void setLevel(float level);
    float level() const { return _level; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float _level = 0.0f;
    QPixmap _grayPicture;
    QPixmap _colorPicture;
};
