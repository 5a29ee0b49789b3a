#pragma once

#include <QColor>
#include <QWidget>

// The eyedropper: a ring filled with the colour under its centre and a
// crosshair marking the exact point it reads.
class ColorPickerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ColorPickerWidget(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return _color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor _color;
};
