#include "TransformWidget.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QTimer>
#include <QVarLengthArray>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kHoldMs = 200;
constexpr int kGestureSettleMs = 200;
// Rotation snaps to multiples of 45 degrees, counted in tenths of a degree.
constexpr int kSnapStepTenths = 450;
// Below this, a resized edge hardly moves along the axis it is compared on:
// snapping it to a canvas edge would need an absurd change of size (at 90
// degrees the cosine is about -4e-8 and the width would collapse or explode).
constexpr double kMinEdgeSnapCosine = 0.01;

double length(const QPointF& vector)
{
    return std::hypot(vector.x(), vector.y());
}

// The angle at a between the directions to p and to c; 0 when undefined.
double angleAt(const QPointF& a, const QPointF& p, const QPointF& c)
{
    const double ap = length(p - a);
    const double ac = length(c - a);
    const double pc = length(c - p);
    const double angle = std::acos((ap * ap + ac * ac - pc * pc) / (2 * ap * ac));
    return std::isnan(angle) ? 0.0 : angle;
}

// Whole pixels, halves rounded upwards (also for negative values).
QPointF roundedToPixels(const QPointF& point)
{
    return {std::floor(point.x() + 0.5), std::floor(point.y() + 0.5)};
}

bool sameValue(double a, double b)
{
    if (a == 0.0 || b == 0.0)
        return std::abs(a - b) <= 1e-12;
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

bool samePoint(const QPointF& a, const QPointF& b)
{
    return sameValue(a.x(), b.x()) && sameValue(a.y(), b.y());
}

bool sameSize(const QSizeF& a, const QSizeF& b)
{
    return sameValue(a.width(), b.width()) && sameValue(a.height(), b.height());
}

bool isResizeHandle(int handle)
{
    return handle == TransformWidget::Top || handle == TransformWidget::Right || handle == TransformWidget::Bottom ||
           handle == TransformWidget::Left;
}

bool isCornerHandle(int handle)
{
    return handle < TransformWidget::Anchor && handle % 2 == 0;
}

// The direction in which a resize handle's edge moves outwards.
QPointF resizeDirection(int handle, double rotation)
{
    const double c = std::cos(rotation);
    const double s = std::sin(rotation);
    switch (handle) {
    case TransformWidget::Right:
        return {c, s};
    case TransformWidget::Left:
        return {-c, -s};
    case TransformWidget::Bottom:
        return {-s, c};
    default:
        return {s, -c};
    }
}

} // namespace

bool TransformWidget::handleMousePress(QMouseEvent* event)
{
    const QPoint pos = mapFromGlobal(event->globalPos());
    _currentHandle = _handleAt(pos);
    if (_currentHandle == NoHandle)
        return false;
    _savePressState(pos);
    _startPress();
    return true;
}

void TransformWidget::_savePressState(const QPoint& pos)
{
    _savedCenter = _center;
    _savedSize = _size;
    _savedRotation = _rotation;
    _savedAnchorPoint = _anchorPoint;
    _savedRotatedAnchorOffset = _rotatedAnchorOffset;
    std::copy(std::begin(_cornerOffsets), std::end(_cornerOffsets), std::begin(_savedCornerOffsets));
    _pressPosition = pos;
    _moved = false;
    ++_pressCount;
}

void TransformWidget::_startPress()
{
    if (_currentHandle == Anchor) {
        QPointF anchor = _anchorPoint;
        _anchorOnHorizontalAxis = _snapToAxis(&anchor, _horizontalAxis);
        _anchorOnVerticalAxis = _snapToAxis(&anchor, _verticalAxis);
        if (_anchorOnHorizontalAxis || _anchorOnVerticalAxis)
            update();
        return;
    }
    if (isCornerHandle(_currentHandle) && !_perspectiveEnabled) {
        _snappedRotation(_rotation, &_rotationSnapped);
        if (_rotationSnapped)
            update();
        return;
    }
    if (isCornerHandle(_currentHandle))
        setActivePointIndex(_currentHandle / 2);
    // Held still, the handle shows the guides the layer already touches.
    const int press = _pressCount;
    const TransformHandle handle = _currentHandle;
    QTimer::singleShot(kHoldMs, this, [this, press, handle] {
        if (press == _pressCount && !_moved && handle == _currentHandle)
            _showHoldGuides(handle);
    });
}

void TransformWidget::_showHoldGuides(TransformHandle handle)
{
    if (handle == Body) {
        _snappedMoveCentre(QPoint());
    } else {
        const QPointF point = isCornerHandle(handle) ? _drawnPointPosition(handle / 2)
                                                     : _contentTransform().map(_edgeMidpoint(handle));
        double shift = 0.0;
        if (handle != Top && handle != Bottom)
            _verticalEdge = _edgeGuide(point.x(), _canvasRect.left(), _canvasRect.right(), &shift);
        if (handle != Left && handle != Right)
            _horizontalEdge = _edgeGuide(point.y(), _canvasRect.top(), _canvasRect.bottom(), &shift);
        _onVerticalCenterLine = false;
    }
    if (_anyGuideShown())
        update();
}

bool TransformWidget::handleMouseMove(QMouseEvent* event)
{
    if (_currentHandle == NoHandle)
        return false;
    _moved = true;
    const QPoint pos = mapFromGlobal(event->globalPos());
    const QPoint delta = pos - _pressPosition;
    if (isCornerHandle(_currentHandle)) {
        if (_perspectiveEnabled)
            _moveCornerPoint(delta);
        else
            _rotateTo(pos);
    } else if (isResizeHandle(_currentHandle)) {
        _resizeTo(pos);
    } else if (_currentHandle == Anchor) {
        _moveAnchorBy(delta);
    } else {
        _moveBy(delta);
    }
    update();
    return true;
}

float TransformWidget::_snappedRotation(float angle, bool* snapped) const
{
    const int tenths = int(double(angle) * 1800 / M_PI);
    const int multiple = tenths / kSnapStepTenths * kSnapStepTenths;
    const int tolerance = _snapDistance > 1.0f ? 10 : 1;
    const int off = tenths - multiple;
    int target = multiple;
    if (std::abs(off) > tolerance) {
        const int far = kSnapStepTenths - tolerance;
        if (off > -far && off < far) {
            *snapped = false;
            return angle;
        }
        target = off < far ? multiple - kSnapStepTenths : multiple + kSnapStepTenths;
    }
    *snapped = true;
    return float(target * M_PI / 1800);
}

void TransformWidget::_rotateTo(const QPoint& pos)
{
    const QPointF anchor = _anchorPoint;
    const QPointF press(_pressPosition);
    const QPointF current(pos);
    const double angle = angleAt(anchor, press, current);
    const double turn = (press.x() - anchor.x()) * (current.y() - anchor.y()) -
                        (press.y() - anchor.y()) * (current.x() - anchor.x());
    const float rotation = float(turn > 0 ? _savedRotation + angle : _savedRotation - angle);
    _rotation = _snappedRotation(rotation, &_rotationSnapped);
    _rotationDegrees = _rotation * kDegreesPerRadian;
    // The layer turns about its anchor: the position it reports stays put.
    const QPointF position = roundedToPixels(_savedCenter + _savedRotatedAnchorOffset - _anchorOffset);
    _rotatedAnchorOffset = _rotatedAnchorOffsetFor(_size);
    _center = position - (_rotatedAnchorOffset - _anchorOffset);
    _updateAnchorPoint();
}

void TransformWidget::_resizeTo(const QPoint& pos)
{
    const QPointF press(_pressPosition);
    const QPointF current(pos);
    const double change = length(current - _savedCenter) * std::cos(angleAt(_savedCenter, press, current)) -
                          length(press - _savedCenter);
    const bool horizontal = _currentHandle == Left || _currentHandle == Right;
    double dimension = (horizontal ? _savedSize.width() : _savedSize.height()) + change;
    if (std::isnan(dimension))
        return;
    const QPointF direction = resizeDirection(_currentHandle, _rotation);
    QPointF centre = _savedCenter + direction * change / 2;
    dimension = std::max(dimension, double(_handleSize));

    const QPointF edge = centre + direction * dimension / 2;
    const double along = horizontal ? direction.x() : direction.y();
    double shift = 0.0;
    int guide = 0;
    if (std::abs(along) >= kMinEdgeSnapCosine) {
        guide = horizontal ? _edgeGuide(edge.x(), _canvasRect.left(), _canvasRect.right(), &shift)
                           : _edgeGuide(edge.y(), _canvasRect.top(), _canvasRect.bottom(), &shift);
    }
    if (guide != 0) {
        const double growth = shift / along;
        if (dimension + growth < _handleSize) {
            dimension = _handleSize;
        } else {
            dimension += growth;
            centre += direction * growth / 2;
        }
    }
    _verticalEdge = horizontal ? guide : 0;
    _horizontalEdge = horizontal ? 0 : guide;
    _onVerticalCenterLine = false;
    _onHorizontalCenterLine = false;
    _size = horizontal ? QSizeF(dimension, _savedSize.height()) : QSizeF(_savedSize.width(), dimension);
    _center = centre;
    _rotatedAnchorOffset = _rotatedAnchorOffsetFor(_size);
    _updateAnchorPoint();
}

void TransformWidget::_moveAnchorBy(const QPoint& delta)
{
    QPointF candidate = _savedAnchorPoint + delta;
    _anchorOnHorizontalAxis = _snapToAxis(&candidate, _horizontalAxis);
    _anchorOnVerticalAxis = _snapToAxis(&candidate, _verticalAxis);
    const QPointF unrotated = _turned(candidate - _savedCenter, -_savedRotation);
    _anchor = QPointF(unrotated.x() / _savedSize.width() + 0.5, unrotated.y() / _savedSize.height() + 0.5);
    _anchorOffset = QPointF(_referenceSize.width() * (_anchor.x() - 0.5),
                            _referenceSize.height() * (_anchor.y() - 0.5));
    _rotatedAnchorOffset = _rotatedAnchorOffsetFor(_size);
    _anchorPoint = candidate;
}

bool TransformWidget::_snapToAxis(QPointF* point, const AxisLine& axis) const
{
    const QPointF centre = _center;
    if (axis.end.x() == centre.x()) {
        if (std::abs(point->x() - centre.x()) > _snapDistance)
            return false;
        point->setX(centre.x());
        return true;
    }
    if (axis.end.y() == centre.y()) {
        if (std::abs(point->y() - centre.y()) > _snapDistance)
            return false;
        point->setY(centre.y());
        return true;
    }
    const double a = axis.a;
    const double b = axis.b;
    const double k = axis.c;
    const double norm = a * a + b * b;
    if (std::abs(a * point->x() + b * point->y() + k) / std::sqrt(norm) > _snapDistance)
        return false;
    const QPointF q = *point;
    *point = QPointF((b * b * q.x() - a * b * q.y() - a * k) / norm, (a * a * q.y() - a * b * q.x() - b * k) / norm);
    return true;
}

// 1 when the coordinate lies within snap of the low edge, else 2 when within
// snap of the high one, else 0; the shift brings it onto that edge.
int TransformWidget::_edgeGuide(double coordinate, double low, double high, double* shift) const
{
    const EdgeCandidate candidates[2] = {{coordinate, low, 1}, {coordinate, high, 2}};
    return _firstEdgeMatch(candidates, 2, shift);
}

int TransformWidget::_firstEdgeMatch(const EdgeCandidate* candidates, int count, double* shift) const
{
    for (int i = 0; i < count; ++i) {
        if (std::abs(candidates[i].edge - candidates[i].coordinate) <= _snapDistance) {
            *shift = candidates[i].edge - candidates[i].coordinate;
            return candidates[i].guide;
        }
    }
    return 0;
}

int TransformWidget::_closestEdgeMatch(const EdgeCandidate* candidates, int count, double* shift) const
{
    int guide = 0;
    for (int i = 0; i < count; ++i) {
        const double candidateShift = candidates[i].edge - candidates[i].coordinate;
        if (std::abs(candidateShift) > _snapDistance)
            continue;
        if (guide == 0 || std::abs(candidateShift) < std::abs(*shift)) {
            *shift = candidateShift;
            guide = candidates[i].guide;
        }
    }
    return guide;
}

// The centre a body drag by delta lands on, with the guides it shows.
QPointF TransformWidget::_snappedMoveCentre(const QPoint& delta)
{
    QPointF centre = _savedCenter + delta;
    const QPointF anchor = _savedAnchorPoint + delta;
    _onVerticalCenterLine = std::abs(anchor.x() - _canvasCenter.x()) <= _snapDistance;
    if (_onVerticalCenterLine)
        centre.rx() += _canvasCenter.x() - anchor.x();
    _onHorizontalCenterLine = std::abs(anchor.y() - _canvasCenter.y()) <= _snapDistance;
    if (_onHorizontalCenterLine)
        centre.ry() += _canvasCenter.y() - anchor.y();
    _verticalEdge = 0;
    _horizontalEdge = 0;
    if (!_onVerticalCenterLine)
        centre.rx() += _moveEdgeShift(true, delta, centre, anchor, &_verticalEdge);
    if (!_onHorizontalCenterLine)
        centre.ry() += _moveEdgeShift(false, delta, centre, anchor, &_horizontalEdge);
    return centre;
}

// The shift on one axis (x when horizontal) that brings the moved layer onto
// a canvas edge, and the guide of that edge.
double TransformWidget::_moveEdgeShift(bool horizontal, const QPoint& delta, const QPointF& centre,
                                       const QPointF& anchor, int* guide) const
{
    const double low = horizontal ? _canvasRect.left() : _canvasRect.top();
    const double high = horizontal ? _canvasRect.right() : _canvasRect.bottom();
    const auto along = [horizontal](const QPointF& point) { return horizontal ? point.x() : point.y(); };
    QVarLengthArray<EdgeCandidate, 8> candidates;
    double shift = 0.0;
    if (_perspectiveEnabled) {
        const QTransform saved = _rotationAbout(_savedCenter, _savedRotation * kDegreesPerRadian);
        for (int i = 0; i < 4; ++i) {
            const QPointF point =
                saved.map(_savedCenter + _pointOffset(i, _cornerOffsets[i], _savedSize)) + QPointF(delta);
            candidates.append({along(point), low, 1});
            candidates.append({along(point), high, 2});
        }
        *guide = _closestEdgeMatch(candidates.data(), candidates.size(), &shift);
        return shift;
    }
    const int degrees = int(_savedRotation * kDegreesPerRadian);
    if (degrees % 90 == 0) {
        // The layer's outline on screen: at 90 or 270 degrees its sides swap.
        const QRectF outline =
            QTransform()
                .rotate(degrees)
                .mapRect(QRectF(QPointF(), _savedSize).translated(-_savedSize.width() / 2, -_savedSize.height() / 2))
                .translated(centre);
        const double first = horizontal ? outline.left() : outline.top();
        const double second = horizontal ? outline.right() : outline.bottom();
        candidates.append({first, low, 1});
        candidates.append({along(anchor), low, 1});
        candidates.append({second, low, 1});
        candidates.append({second, high, 2});
        candidates.append({along(anchor), high, 2});
        candidates.append({first, high, 2});
    } else {
        candidates.append({along(anchor), low, 1});
        candidates.append({along(anchor), high, 2});
    }
    *guide = _firstEdgeMatch(candidates.data(), candidates.size(), &shift);
    return shift;
}

void TransformWidget::_moveBy(const QPoint& delta)
{
    _center = roundedToPixels(_snappedMoveCentre(delta));
    _anchorPoint = _center + _rotatedAnchorOffset;
}

void TransformWidget::_moveCornerPoint(const QPoint& delta)
{
    const int index = _currentHandle / 2;
    const double fx = _flippedHorizontally ? -1.0 : 1.0;
    const double fy = _flippedVertically ? -1.0 : 1.0;
    QPointF turned = _turned(QPointF(delta), -_rotation);
    const auto offsetFor = [&](const QPointF& move) {
        return _savedCornerOffsets[index] +
               QPointF(move.x() / _size.width() * fx, move.y() / _size.height() * fy);
    };
    QPointF offsets[4];
    std::copy(std::begin(_cornerOffsets), std::end(_cornerOffsets), std::begin(offsets));
    offsets[index] = offsetFor(turned);

    const QPointF drawn = _contentTransform().map(_center + _pointOffset(index, offsets[index], _size));
    QPointF shift;
    _verticalEdge = _edgeGuide(drawn.x(), _canvasRect.left(), _canvasRect.right(), &shift.rx());
    _horizontalEdge = _edgeGuide(drawn.y(), _canvasRect.top(), _canvasRect.bottom(), &shift.ry());
    _onVerticalCenterLine = false;
    _onHorizontalCenterLine = false;
    if (_verticalEdge != 0 || _horizontalEdge != 0) {
        turned += _turned(shift, -_rotation);
        offsets[index] = offsetFor(turned);
    }
    // A folded outline (concave or crossed) cannot be rendered as a layer.
    if (_isConvex(offsets))
        std::copy(std::begin(offsets), std::end(offsets), std::begin(_cornerOffsets));
}

bool TransformWidget::_isConvex(const QPointF* offsets) const
{
    QPointF points[4];
    for (int i = 0; i < 4; ++i)
        points[i] = _pointOffset(i, offsets[i], _size);
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 4; ++i) {
        const QPointF first = points[(i + 1) % 4] - points[i];
        const QPointF second = points[(i + 2) % 4] - points[(i + 1) % 4];
        const double cross = first.x() * second.y() - first.y() * second.x();
        positive += cross > 0;
        negative += cross < 0;
    }
    return positive == 4 || negative == 4;
}

bool TransformWidget::handleMouseRelease()
{
    if (_currentHandle == NoHandle)
        return false;
    if (_dragChangedGeometry()) {
        emit transformWidgetContentLayerGeometryDidChange(this);
        if (_currentHandle != Anchor)
            _updateAxisLines();
    }
    _clearDragGuides();
    _currentHandle = NoHandle;
    return true;
}

bool TransformWidget::_dragChangedGeometry() const
{
    if (isResizeHandle(_currentHandle))
        return !sameSize(_size, _savedSize);
    if (_currentHandle == Anchor)
        return _rotatedAnchorOffset != _savedRotatedAnchorOffset;
    if (_currentHandle == Body)
        return !samePoint(_center, _savedCenter);
    if (_rotation != _savedRotation)
        return true;
    if (!_perspectiveEnabled)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!samePoint(_cornerOffsets[i], _savedCornerOffsets[i]))
            return true;
    }
    return false;
}

void TransformWidget::_clearDragGuides()
{
    const bool shown = _anyGuideShown();
    if (_currentHandle == Anchor) {
        _anchorOnHorizontalAxis = false;
        _anchorOnVerticalAxis = false;
    } else if (isCornerHandle(_currentHandle) && !_perspectiveEnabled) {
        _rotationSnapped = false;
    } else {
        _onVerticalCenterLine = false;
        _onHorizontalCenterLine = false;
        _verticalEdge = 0;
        _horizontalEdge = 0;
    }
    if (shown)
        update();
}

bool TransformWidget::_anyGuideShown() const
{
    return _anchorOnHorizontalAxis || _anchorOnVerticalAxis || _rotationSnapped || _onVerticalCenterLine ||
           _onHorizontalCenterLine || _verticalEdge != 0 || _horizontalEdge != 0;
}

bool TransformWidget::handleScaleEvent(QWheelEvent* event)
{
    if (!_contentContains(mapFromGlobal(event->globalPosition().toPoint())))
        return false;
    // Pixel steps where the device gives them, else whole degrees of the wheel.
    const int step = event->pixelDelta().isNull() ? qRound(event->angleDelta().y() / 8.0) : event->pixelDelta().y();
    _scaleBy(1.0 + step / ((_size.width() + _size.height()) / 2));
    return true;
}

bool TransformWidget::handleNativeGesture(QNativeGestureEvent* event)
{
    if (!_contentContains(mapFromGlobal(event->globalPos())))
        return false;
    if (event->gestureType() == Qt::ZoomNativeGesture)
        _scaleBy(1.0 + event->value());
    return true;
}

// Scales the layer about its anchor point; a burst of steps reports once,
// when it has settled.
void TransformWidget::_scaleBy(double factor)
{
    const QSizeF old = _size;
    QSizeF scaled = old * factor;
    if (scaled.width() < _handleSize)
        scaled = QSizeF(_handleSize, old.height() * _handleSize / old.width());
    else if (scaled.height() < _handleSize)
        scaled = QSizeF(old.width() * _handleSize / old.height(), _handleSize);
    const QPointF oldAnchorPoint = _anchorPoint;
    _size = scaled;
    _rotatedAnchorOffset = _rotatedAnchorOffsetFor(_size);
    _updateAnchorPoint();
    _center += oldAnchorPoint - _anchorPoint;
    _updateAnchorPoint();
    update();
    const int gesture = ++_gestureCount;
    QTimer::singleShot(kGestureSettleMs, this, [this, gesture] {
        if (gesture != _gestureCount)
            return;
        emit transformWidgetContentLayerGeometryDidChange(this);
        _updateAxisLines();
    });
}

bool TransformWidget::handleContextMenu(QContextMenuEvent* event)
{
    if (!_contentContains(mapFromGlobal(event->globalPos())))
        return false;
    emit transformWidgetRequestContextMenu(this, event->globalPos());
    return true;
}

bool TransformWidget::handleDoubleClick(QMouseEvent* event)
{
    if (!_contentContains(mapFromGlobal(event->globalPos())))
        return false;
    emit transformWidgetRequestContextMenu(this, event->globalPos());
    return true;
}
