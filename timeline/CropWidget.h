#pragma once

#include <QRectF>
#include <QWidget>

// The crop and feathering editor laid over the preview. The rectangle is in
// the picture's unit square (top-left and bottom-right corners); the four
// feathering values are fractions of the picture's sides.
class CropWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CropWidget(QWidget* parent = nullptr);

    void setCropRect(const QRectF& rect) { _cropRect = rect; }
    QRectF cropRect() const { return _cropRect; }
    void setFeathering(float left, float top, float right, float bottom);
    float featheringLeft() const { return _featheringLeft; }
    float featheringTop() const { return _featheringTop; }
    float featheringRight() const { return _featheringRight; }
    float featheringBottom() const { return _featheringBottom; }

private:
    QRectF _cropRect{0.0, 0.0, 1.0, 1.0};
    float _featheringLeft = 0.0f;
    float _featheringTop = 0.0f;
    float _featheringRight = 0.0f;
    float _featheringBottom = 0.0f;
};
