#pragma once

#include <QPixmap>
#include <QWidget>

// A picture scaled into the widget and turned about the widget's centre, with
// a separate picture for the disabled state.
class RotatableImageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit RotatableImageWidget(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    void setDisabledPixmap(const QPixmap& pixmap);
    // Degrees, clockwise on screen.
    void setAngle(float degrees);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap _pixmap;
    QPixmap _disabledPixmap;
    float _angle = 0;
};
