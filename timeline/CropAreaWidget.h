#pragma once

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;

// The inside of the crop rectangle: its frame, a grid of thirds and four
// knobs that set how far each edge fades out. A feathering value is the
// fraction of the area's width (left, right) or height (top, bottom) over
// which that edge fades, from 0 to 0.5.
class CropAreaWidget : public QWidget
{
    Q_OBJECT

public:
    CropAreaWidget(const QColor& frameColor, float featheringLeft, float featheringTop, float featheringRight,
                   float featheringBottom, bool normalAppearance, QWidget* parent);
    ~CropAreaWidget() override;

    float featheringLeft() const { return _feathering[Left]; }
    float featheringTop() const { return _feathering[Top]; }
    float featheringRight() const { return _feathering[Right]; }
    float featheringBottom() const { return _feathering[Bottom]; }

signals:
    void featheringLeftChanged(float value);
    void featheringTopChanged(float value);
    void featheringRightChanged(float value);
    void featheringBottomChanged(float value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Side { Left, Top, Right, Bottom, NoSide };

    // A knob's position at feathering 0 and at feathering 0.5.
    struct Travel
    {
        int start = 0;
        int end = 0;
    };

    void _placeHandles();
    void _emitChanged(int side, float value);
    void _showValueLabel();
    void _paintFeathering(QPainter& painter) const;

    QColor _frameColor;
    std::array<float, 4> _feathering{};
    std::array<QLabel*, 4> _handles{};
    std::array<Travel, 4> _travel{};
    int _handleSize;
    int _currentSide = NoSide;
    QPoint _pressPosition;
    // A child of the top-level window, so that it may reach over the crop's
    // edges; owned here all the same.
    QPointer<QLabel> _valueLabel;
};
