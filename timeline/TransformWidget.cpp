#include "TransformWidget.h"

#include "UiMetrics.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {

constexpr double kFlipTolerance = 0.0001;

// The base corners of the four perspective points, in index order.
const QPointF kBaseCorners[4] = {{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}};

bool isFlip(float angle)
{
    return std::abs(angle - M_PI) < kFlipTolerance;
}

} // namespace

// Turns clockwise on screen (y grows downwards).
QPointF TransformWidget::_turned(const QPointF& vector, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {vector.x() * c - vector.y() * s, vector.x() * s + vector.y() * c};
}

TransformWidget::TransformWidget(const QString& cornerImagePath, const QString& edgeImagePath,
                                 const QString& anchorImagePath, const QColor& frameColor, float snapDistance,
                                 QWidget* parent)
    : QWidget(parent)
    , _frameColor(frameColor)
    , _snapDistance(snapDistance)
    , _handleSize(UiMetrics::metric30())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    _cornerImage = _scaledHandleImage(cornerImagePath);
    _edgeImage = _scaledHandleImage(edgeImagePath);
    _anchorImage = _scaledHandleImage(anchorImagePath);
}

QPixmap TransformWidget::_scaledHandleImage(const QString& path) const
{
    const QPixmap image(path);
    if (image.isNull())
        return image;
    return image.scaledToWidth(int(std::lround(_handleSize * devicePixelRatioF())), Qt::SmoothTransformation);
}

void TransformWidget::setContentGeometry(const QPointF& position, const QSizeF& size, float verticalFlipAngle,
                                         float horizontalFlipAngle, float rotation, const QPointF& anchor,
                                         const QPointF& offset0, const QPointF& offset1, const QPointF& offset2,
                                         const QPointF& offset3, const QSizeF& referenceSize)
{
    _size = size;
    _referenceSize = referenceSize;
    _anchor = anchor;
    _cornerOffsets[0] = offset0;
    _cornerOffsets[1] = offset1;
    _cornerOffsets[2] = offset2;
    _cornerOffsets[3] = offset3;
    _verticalFlipAngle = verticalFlipAngle;
    _horizontalFlipAngle = horizontalFlipAngle;
    _flippedVertically = isFlip(verticalFlipAngle);
    _flippedHorizontally = isFlip(horizontalFlipAngle);
    _rotation = rotation;
    _rotationDegrees = rotation * kDegreesPerRadian;
    _anchorOffset = QPointF(referenceSize.width() * (anchor.x() - 0.5), referenceSize.height() * (anchor.y() - 0.5));
    _rotatedAnchorOffset = _rotatedAnchorOffsetFor(size);
    _center = position - (_rotatedAnchorOffset - _anchorOffset);
    _updateAnchorPoint();
    _updateAxisLines();
    update();
}

void TransformWidget::geometry(QPointF* position, QSizeF* size, float* verticalFlipAngle,
                               float* horizontalFlipAngle, float* rotation, QPointF* anchor, QPointF* offset0,
                               QPointF* offset1, QPointF* offset2, QPointF* offset3) const
{
    if (position)
        *position = _center + (_rotatedAnchorOffset - _anchorOffset);
    if (size)
        *size = _size;
    if (verticalFlipAngle)
        *verticalFlipAngle = _verticalFlipAngle;
    if (horizontalFlipAngle)
        *horizontalFlipAngle = _horizontalFlipAngle;
    if (rotation)
        *rotation = _rotation;
    if (anchor)
        *anchor = _anchor;
    QPointF* offsets[4] = {offset0, offset1, offset2, offset3};
    for (int i = 0; i < 4; ++i) {
        if (offsets[i])
            *offsets[i] = _cornerOffsets[i];
    }
}

QRect TransformWidget::contentRect() const
{
    return QRect(int(_center.x() - _size.width() / 2), int(_center.y() - _size.height() / 2), int(_size.width()),
                 int(_size.height()));
}

void TransformWidget::setCenterRect(const QRectF& rect)
{
    _canvasRect = rect;
    _canvasCenter = rect.center();
}

void TransformWidget::setPerspectiveEnabled(bool enabled)
{
    _perspectiveEnabled = enabled;
    update();
}

// Only the four corners can be active; any other index changes nothing.
void TransformWidget::setActivePointIndex(int index)
{
    if (!_perspectiveEnabled || index < 0 || index > 3 || index == _activePointIndex)
        return;
    _activePointIndex = index;
    update();
    emit transformWidgetActivePointIndexChanged(this, index);
}

QPointF TransformWidget::_rotatedAnchorOffsetFor(const QSizeF& size) const
{
    return _turned(QPointF(size.width() * (_anchor.x() - 0.5), size.height() * (_anchor.y() - 0.5)), _rotation);
}

void TransformWidget::_updateAnchorPoint()
{
    _anchorPoint = _center + _rotatedAnchorOffset;
    _anchorHandleVisible = _handleSize < _size.width() && _handleSize < _size.height();
}

QTransform TransformWidget::_rotationAbout(const QPointF& centre, float degrees)
{
    return QTransform().translate(centre.x(), centre.y()).rotate(degrees).translate(-centre.x(), -centre.y());
}

QTransform TransformWidget::_contentTransform() const
{
    return _rotationAbout(_center, _rotationDegrees);
}

QRectF TransformWidget::_contentRectF() const
{
    return QRectF(_center.x() - _size.width() / 2, _center.y() - _size.height() / 2, _size.width(), _size.height());
}

void TransformWidget::_updateAxisLines()
{
    const QTransform transform = _contentTransform();
    const QRectF content = _contentRectF();
    for (AxisLine* axis : {&_horizontalAxis, &_verticalAxis}) {
        const QPointF local = axis == &_horizontalAxis ? QPointF(content.right(), _center.y())
                                                       : QPointF(_center.x(), content.bottom());
        axis->end = transform.map(local);
        const double dx = axis->end.x() - _center.x();
        const double dy = axis->end.y() - _center.y();
        if (dx != 0.0 && dy != 0.0) {
            axis->a = float(1.0 / dx);
            axis->b = float(-1.0 / dy);
            axis->c = float(_center.y() / dy - _center.x() / dx);
        }
    }
}

QPointF TransformWidget::_pointOffset(int index, const QPointF& offset, const QSizeF& size) const
{
    const double fx = _flippedHorizontally ? -1.0 : 1.0;
    const double fy = _flippedVertically ? -1.0 : 1.0;
    const QPointF base = kBaseCorners[index];
    return QPointF(base.x() * fx * size.width() / 2 + size.width() * offset.x() * fx,
                   base.y() * fy * size.height() / 2 + size.height() * offset.y() * fy);
}

QPointF TransformWidget::_drawnPointPosition(int index) const
{
    return _contentTransform().map(_center + _pointOffset(index, _cornerOffsets[index], _size));
}

QPolygonF TransformWidget::_pointPolygon() const
{
    QPolygonF polygon;
    for (int i = 0; i < 4; ++i)
        polygon << _drawnPointPosition(i);
    return polygon;
}

QRectF TransformWidget::_handleSquare(const QPointF& centre) const
{
    const int half = _handleSize / 2;
    return QRectF(centre.x() - half, centre.y() - half, _handleSize, _handleSize);
}

bool TransformWidget::_contentContains(const QPointF& pos) const
{
    if (_perspectiveEnabled)
        return _pointPolygon().containsPoint(pos, Qt::OddEvenFill);
    return _contentTransform().map(QRegion(contentRect())).contains(pos.toPoint());
}

TransformWidget::TransformHandle TransformWidget::_handleAt(const QPointF& pos) const
{
    if (_anchorHandleVisible && _handleSquare(_anchorPoint).contains(pos))
        return Anchor;
    if (_perspectiveEnabled) {
        for (int i = 0; i < 4; ++i) {
            if (_handleSquare(_drawnPointPosition(i)).contains(pos))
                return TransformHandle(i * 2);
        }
    } else {
        const QTransform transform = _contentTransform();
        const QRectF content = _contentRectF();
        const QPointF frameHandles[8] = {content.topLeft(),     {_center.x(), content.top()},
                                         content.topRight(),    {content.right(), _center.y()},
                                         content.bottomRight(), {_center.x(), content.bottom()},
                                         content.bottomLeft(),  {content.left(), _center.y()}};
        for (int i = 0; i < 8; ++i) {
            if (transform.mapRect(_handleSquare(frameHandles[i])).contains(pos))
                return TransformHandle(i);
        }
    }
    return _contentContains(pos) ? Body : NoHandle;
}

QPointF TransformWidget::_edgeMidpoint(TransformHandle handle) const
{
    const QRectF content = _contentRectF();
    switch (handle) {
    case Top:
        return {_center.x(), content.top()};
    case Right:
        return {content.right(), _center.y()};
    case Bottom:
        return {_center.x(), content.bottom()};
    default:
        return {content.left(), _center.y()};
    }
}

void TransformWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setTransform(_contentTransform());
    QPen framePen(_frameColor, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(framePen);
    painter.setBrush(Qt::NoBrush);
    if (_perspectiveEnabled)
        _paintPoints(&painter);
    else
        _paintFrame(&painter);
    painter.resetTransform();
    if (_anchorHandleVisible) {
        painter.setOpacity(0.8);
        painter.drawPixmap(_handleSquare(_anchorPoint), _anchorImage, QRectF(_anchorImage.rect()));
        painter.setOpacity(1.0);
    }
    _paintGuides(&painter);
}

void TransformWidget::_paintFrame(QPainter* painter) const
{
    const QRectF content = _contentRectF();
    painter->drawRect(content);
    const QRectF cornerSource(_cornerImage.rect());
    const QRectF edgeSource(_edgeImage.rect());
    const QPointF corners[4] = {content.topLeft(), content.topRight(), content.bottomRight(), content.bottomLeft()};
    const TransformHandle edges[4] = {Top, Right, Bottom, Left};
    for (int i = 0; i < 4; ++i) {
        painter->drawPixmap(_handleSquare(corners[i]), _cornerImage, cornerSource);
        painter->drawPixmap(_handleSquare(_edgeMidpoint(edges[i])), _edgeImage, edgeSource);
    }
}

void TransformWidget::_paintPoints(QPainter* painter) const
{
    // Drawn before the content transform, which the painter applies.
    QPointF points[4];
    for (int i = 0; i < 4; ++i)
        points[i] = _center + _pointOffset(i, _cornerOffsets[i], _size);
    painter->drawPolygon(points, 4);
    const QRectF edgeSource(_edgeImage.rect());
    const QColor highlight(255, 255, 0, 128);
    for (int i = 0; i < 4; ++i) {
        const QRectF square = _handleSquare(points[i]);
        painter->drawPixmap(square, _edgeImage, edgeSource);
        if (i != _activePointIndex)
            continue;
        painter->save();
        painter->setPen(QPen(highlight, 2.0));
        painter->setBrush(highlight);
        painter->drawRoundedRect(square.adjusted(9, 9, -9, -9), 2, 2);
        painter->restore();
    }
}

void TransformWidget::_paintGuides(QPainter* painter) const
{
    if (!_anyGuideShown())
        return;
    QColor colour = _frameColor;
    colour.setAlpha(255);
    QPen pen(colour, 0.5, Qt::CustomDashLine);
    const qreal ratio = devicePixelRatioF();
    pen.setDashPattern({ratio, ratio});
    painter->setPen(pen);
    if (_anchorOnHorizontalAxis)
        _paintGuideLine(painter, _center, _horizontalAxis.end);
    if (_anchorOnVerticalAxis)
        _paintGuideLine(painter, _center, _verticalAxis.end);
    if (_rotationSnapped)
        _paintGuideLine(painter, _center, _contentTransform().map(_edgeMidpoint(Right)));
    if (_onVerticalCenterLine)
        _paintGuideLine(painter, _canvasCenter, _canvasCenter + QPointF(0, 1));
    if (_onHorizontalCenterLine)
        _paintGuideLine(painter, _canvasCenter, _canvasCenter + QPointF(1, 0));
    if (_verticalEdge != 0) {
        const double x = _verticalEdge == 1 ? _canvasRect.left() : _canvasRect.right();
        _paintGuideLine(painter, QPointF(x, 0), QPointF(x, 1));
    }
    if (_horizontalEdge != 0) {
        const double y = _horizontalEdge == 1 ? _canvasRect.top() : _canvasRect.bottom();
        _paintGuideLine(painter, QPointF(0, y), QPointF(1, y));
    }
}

// The line through two points, across the whole overlay.
void TransformWidget::_paintGuideLine(QPainter* painter, const QPointF& from, const QPointF& to) const
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    if (dx == 0.0 && dy == 0.0)
        return;
    if (std::abs(dy) > std::abs(dx)) {
        const auto xAt = [&](double y) { return from.x() + (y - from.y()) * dx / dy; };
        painter->drawLine(QPointF(xAt(0), 0), QPointF(xAt(height()), height()));
    } else {
        const auto yAt = [&](double x) { return from.y() + (x - from.x()) * dy / dx; };
        painter->drawLine(QPointF(0, yAt(0)), QPointF(width(), yAt(width())));
    }
}
