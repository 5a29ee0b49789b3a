#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

// The play head: a handle picture with a vertical line, laid over the
// timeline and moved by the window. It takes no mouse input.
class PointerWidget : public QWidget
{
    Q_OBJECT

public:
    PointerWidget(int style, int pointerHeight, QWidget* parent);

    // 0 normal, 1 dashed (a segment is edited), 2 yellow, 3 yellow dashed;
    // any other value keeps the pictures and draws no line.
    void setStyle(int style);
    int style() const { return _style; }
    float centerX() const;
    void moveToX(float x, bool animated);
    QRect pointerRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool _isTiled() const { return _style == 1 || _style == 3; }

    QPixmap _buttonPicture;
    QPixmap _linePicture;
    int _pointerHeight;
    int _style = -1;
};
