#pragma once

#include <QBrush>
#include <QPushButton>

// A push button whose face is a colour swatch: rounded, darker when pressed
// or disabled, outlined when nearly black, a checkerboard when transparent.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return _color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor _color;
    QBrush _transparencyBrush;
};
