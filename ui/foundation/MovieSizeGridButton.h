#pragma once

#include <QPushButton>

// One cell of the grid of picture shapes: a frame of the shape's aspect ratio
// with a caption below it, highlighted when selected.
class MovieSizeGridButton : public QPushButton
{
    Q_OBJECT

public:
    MovieSizeGridButton(const QString& caption, float ratio, QWidget* parent = nullptr);

    void setRatioIndex(int index) { _ratioIndex = index; }
    int ratioIndex() const { return _ratioIndex; }
    void setSelected(bool selected);
    bool isSelected() const { return _selected; }
    // The frame drawn for the button's shape, in widget coordinates.
    QRectF frameRect() const;

    static QSize sizeForWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int _ratioIndex = -1;
    float _ratio;
    bool _selected = false;
};
