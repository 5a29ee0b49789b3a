#pragma once

#include <QLineEdit>
#include <QPixmap>

// A line edit with a picture painted inside it, such as a search field's
// magnifier.
class IconLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit IconLineEdit(QWidget* parent = nullptr);

    void setIcon(const QPixmap& icon);
    // In device-independent pixels.
    void setIconSize(const QSize& size);
    // The icon's x inside the edit; takes effect at the next repaint.
    void setIconLeft(int x) { _iconLeft = x; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap _icon;
    // The icon scaled for the last painted pixel ratio: an edit repaints at
    // every cursor blink and keystroke, so the smooth scaling is kept.
    QPixmap _scaledIcon;
    qreal _scaledRatio = 0;
    QSize _iconSize;
    int _iconLeft = 0;
};
