#pragma once

#include <QWidget>

// Seconds along the top of the timeline: a tick per second (every second
// one when zoomed far out), a longer tick with a "m:ss" label every five.
class RulerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit RulerWidget(QWidget* parent = nullptr);

    void setScale(float scale);
    float scale() const { return _scale; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float _scale = 1.0f;
    float _fontPixelSize = 9.0f;
    float _labelTop = 2.0f;
};
