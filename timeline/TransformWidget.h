#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QTransform>
#include <QWidget>

class QContextMenuEvent;
class QMouseEvent;
class QNativeGestureEvent;
class QPainter;
class QWheelEvent;
class Segment;

// The frame with handles laid over the preview while a visual segment is
// edited. It holds the layer's geometry in overlay pixels, lets the user move,
// resize, rotate and re-anchor it (or drag its four corner points in
// perspective mode) and reports a finished change by a signal; the owner reads
// the result back with geometry(). The overlay takes no mouse input itself:
// the owner forwards its events to the handle entry points, which say whether
// they consumed them.
class TransformWidget : public QWidget
{
    Q_OBJECT

public:
    // The handle under a point; the corner values double as perspective
    // points (point index = value / 2).
    enum TransformHandle {
        TopLeft = 0,
        Top = 1,
        TopRight = 2,
        Right = 3,
        BottomRight = 4,
        Bottom = 5,
        BottomLeft = 6,
        Left = 7,
        Anchor = 8,
        Body = 9,
        NoHandle = 10,
    };

    TransformWidget(const QString& cornerImagePath, const QString& edgeImagePath, const QString& anchorImagePath,
                    const QColor& frameColor, float snapDistance, QWidget* parent = nullptr);

    // Angles are radians; the position is the layer's anchor-relative position
    // as the segment stores it, offsets are fractions of the size.
    void setContentGeometry(const QPointF& position, const QSizeF& size, float verticalFlipAngle,
                            float horizontalFlipAngle, float rotation, const QPointF& anchor,
                            const QPointF& offset0, const QPointF& offset1, const QPointF& offset2,
                            const QPointF& offset3, const QSizeF& referenceSize);
    // Fills whichever out-arguments are given, in the terms setContentGeometry takes.
    void geometry(QPointF* position = nullptr, QSizeF* size = nullptr, float* verticalFlipAngle = nullptr,
                  float* horizontalFlipAngle = nullptr, float* rotation = nullptr, QPointF* anchor = nullptr,
                  QPointF* offset0 = nullptr, QPointF* offset1 = nullptr, QPointF* offset2 = nullptr,
                  QPointF* offset3 = nullptr) const;
    // The unrotated content rectangle, truncated to whole pixels.
    QRect contentRect() const;
    // The preview's picture area: what moves and resizes snap to.
    void setCenterRect(const QRectF& rect);
    void setPerspectiveEnabled(bool enabled);
    void setActivePointIndex(int index);
    int activePointIndex() const { return _activePointIndex; }

    bool handleMousePress(QMouseEvent* event);
    bool handleMouseMove(QMouseEvent* event);
    bool handleMouseRelease();
    bool handleScaleEvent(QWheelEvent* event);
    bool handleNativeGesture(QNativeGestureEvent* event);
    bool handleContextMenu(QContextMenuEvent* event);
    bool handleDoubleClick(QMouseEvent* event);

    // The edited segment, kept here for the owner; the overlay never reads it.
    Segment* segment = nullptr;

signals:
    void transformWidgetContentLayerGeometryDidChange(TransformWidget* transformWidget);
    void transformWidgetRequestContextMenu(TransformWidget* transformWidget, QPoint pos);
    void transformWidgetActivePointIndexChanged(TransformWidget* transformWidget, int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr float kDegreesPerRadian = 57.29578f;

    // A content axis through the centre and a point on it, with the line's
    // coefficients (a x + b y + c = 0) kept from its last slanted position.
    struct AxisLine {
        QPointF end;
        float a = 0.0f;
        float b = 0.0f;
        float c = 0.0f;
    };

    // A candidate coordinate for snapping to a canvas edge, and the guide
    // that shows when it snaps (1 left or top, 2 right or bottom).
    struct EdgeCandidate {
        double coordinate;
        double edge;
        int guide;
    };

    static QPointF _turned(const QPointF& vector, double angle);
    static QTransform _rotationAbout(const QPointF& centre, float degrees);
    QPixmap _scaledHandleImage(const QString& path) const;
    QTransform _contentTransform() const;
    QRectF _contentRectF() const;
    QRectF _handleSquare(const QPointF& centre) const;
    QPointF _rotatedAnchorOffsetFor(const QSizeF& size) const;
    void _updateAnchorPoint();
    void _updateAxisLines();
    QPointF _pointOffset(int index, const QPointF& offset, const QSizeF& size) const;
    QPointF _drawnPointPosition(int index) const;
    QPolygonF _pointPolygon() const;
    bool _contentContains(const QPointF& pos) const;
    TransformHandle _handleAt(const QPointF& pos) const;
    QPointF _edgeMidpoint(TransformHandle handle) const;
    void _paintFrame(QPainter* painter) const;
    void _paintPoints(QPainter* painter) const;
    void _paintGuides(QPainter* painter) const;
    void _paintGuideLine(QPainter* painter, const QPointF& from, const QPointF& to) const;

    // Dragging, snapping and gestures.
    float _snappedRotation(float angle, bool* snapped) const;
    bool _snapToAxis(QPointF* point, const AxisLine& axis) const;
    int _edgeGuide(double coordinate, double low, double high, double* shift) const;
    int _firstEdgeMatch(const EdgeCandidate* candidates, int count, double* shift) const;
    int _closestEdgeMatch(const EdgeCandidate* candidates, int count, double* shift) const;
    void _savePressState(const QPoint& pos);
    void _startPress();
    void _showHoldGuides(TransformHandle handle);
    void _rotateTo(const QPoint& pos);
    void _resizeTo(const QPoint& pos);
    void _moveAnchorBy(const QPoint& delta);
    QPointF _snappedMoveCentre(const QPoint& delta);
    double _moveEdgeShift(bool horizontal, const QPoint& delta, const QPointF& centre, const QPointF& anchor,
                          int* guide) const;
    void _moveBy(const QPoint& delta);
    void _moveCornerPoint(const QPoint& delta);
    bool _isConvex(const QPointF* offsets) const;
    bool _dragChangedGeometry() const;
    void _clearDragGuides();
    bool _anyGuideShown() const;
    void _scaleBy(double factor);

    QPixmap _cornerImage;
    QPixmap _edgeImage;
    QPixmap _anchorImage;
    QColor _frameColor;
    float _snapDistance;
    int _handleSize;

    QPointF _center;
    QSizeF _size;
    QSizeF _referenceSize;
    float _rotation = 0.0f;
    float _rotationDegrees = 0.0f;
    QPointF _anchor{0.5, 0.5};
    QPointF _anchorOffset;
    QPointF _rotatedAnchorOffset;
    QPointF _anchorPoint;
    bool _anchorHandleVisible = true;
    float _verticalFlipAngle = 0.0f;
    float _horizontalFlipAngle = 0.0f;
    bool _flippedHorizontally = false;
    bool _flippedVertically = false;
    QPointF _cornerOffsets[4];
    bool _perspectiveEnabled = false;
    int _activePointIndex = -1;
    QRectF _canvasRect;
    QPointF _canvasCenter;
    AxisLine _horizontalAxis;
    AxisLine _verticalAxis;

    TransformHandle _currentHandle = NoHandle;
    bool _moved = false;
    int _pressCount = 0;
    QPoint _pressPosition;
    QPointF _savedCenter;
    QSizeF _savedSize;
    float _savedRotation = 0.0f;
    QPointF _savedAnchorPoint;
    QPointF _savedRotatedAnchorOffset;
    QPointF _savedCornerOffsets[4];

    bool _anchorOnHorizontalAxis = false;
    bool _anchorOnVerticalAxis = false;
    bool _rotationSnapped = false;
    bool _onVerticalCenterLine = false;
    bool _onHorizontalCenterLine = false;
    int _verticalEdge = 0;
    int _horizontalEdge = 0;
    int _gestureCount = 0;
};
