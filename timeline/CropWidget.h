#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include <array>

class CropAreaWidget;
class QLabel;

// The crop and feathering editor laid over the preview: a still of the
// layer, the crop rectangle with eight resize handles and the picture
// outside it dimmed. The rectangle is kept as fractions of the picture
// (x, y, width, height), so that it survives a resized preview; the four
// feathering values are the crop area's.
class CropWidget : public QWidget
{
    Q_OBJECT

public:
    // pictureRect is where the picture lies in the parent; the widget grows
    // by half a handle around it so that the handles on its edges stay whole.
    CropWidget(const QRect& pictureRect, const QPixmap& picture, const QRectF& cropRect, float featheringLeft,
               float featheringTop, float featheringRight, float featheringBottom, bool normalAppearance,
               QWidget* parent);

    // Lays everything out again for a moved or resized picture.
    void updateGeometryFor(const QRect& pictureRect);
    QRectF cropRect() const { return _cropRect; }
    float featheringLeft() const;
    float featheringTop() const;
    float featheringRight() const;
    float featheringBottom() const;
    CropAreaWidget* cropArea() const { return _area; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // In the order of the handles around the rectangle, clockwise from the top-left.
    enum Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, NoHandle };

    void _createHandles(bool normalAppearance);
    void _placeArea();
    void _layoutHandlesAndPanels();
    void _raiseReachableHandle(const QRect& area, const QRect& picture);
    int _handleAt(const QPoint& pos) const;
    QRect _resizedArea(const QPoint& delta) const;
    QRect _movedArea(const QPoint& delta) const;
    void _storeCropRect();

    int _handleSize;
    QRectF _cropRect;
    QSize _minimumCropSize{0, 0};
    QLabel* _pictureLabel = nullptr;
    CropAreaWidget* _area = nullptr;
    std::array<QWidget*, 4> _panels{};
    std::array<QLabel*, 8> _handles{};
    int _currentHandle = NoHandle;
    bool _moving = false;
    QPoint _pressGlobal;
    QRect _pressArea;
    QPointF _pressCenter;
};
