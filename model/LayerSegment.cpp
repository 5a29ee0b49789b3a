#include "LayerSegment.h"

#include "SegmentKeys.h"

#include <algorithm>

namespace {

// A half turn about an axis shows the layer mirrored.
constexpr float kHalfTurn = 3.1415927f;

} // namespace

LayerSegment::LayerSegment(const Segment* source, float start, SegmentListener* owner)
    : Segment(source, start, owner)
{
}

LayerSegment::LayerSegment(SegmentListener* owner)
    : Segment(owner)
{
}

LayerSegment::LayerSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner)
    : Segment(std::move(attributes), owner)
{
}

bool LayerSegment::isVisualLayer() const
{
    return true;
}

void LayerSegment::setFlippedHorizontally(bool flipped)
{
    setUserRotationY(flipped ? kHalfTurn : 0.0f);
}

bool LayerSegment::isFlippedHorizontally() const
{
    return userRotationY() != 0.0f;
}

void LayerSegment::setFlippedVertically(bool flipped)
{
    setUserRotationX(flipped ? kHalfTurn : 0.0f);
}

bool LayerSegment::isFlippedVertically() const
{
    return userRotationX() != 0.0f;
}

void LayerSegment::setTransitionStateFlippedHorizontally(int id, bool begin, bool flipped)
{
    setTransitionUserRotationY(id, begin, flipped ? kHalfTurn : 0.0f);
}

bool LayerSegment::isTransitionStateFlippedHorizontally(int id, bool begin) const
{
    return transitionUserRotationY(id, begin) != 0.0f;
}

void LayerSegment::setTransitionStateFlippedVertically(int id, bool begin, bool flipped)
{
    setTransitionUserRotationX(id, begin, flipped ? kHalfTurn : 0.0f);
}

bool LayerSegment::isTransitionStateFlippedVertically(int id, bool begin) const
{
    return transitionUserRotationX(id, begin) != 0.0f;
}

LayerTransform LayerSegment::layerTransform(const QSizeF& canvas) const
{
    return _transformOf(attributes(), canvas);
}

LayerTransform LayerSegment::transitionLayerTransform(int id, bool begin, const QSizeF& canvas) const
{
    return _transformOf(transitionStateAt(id, begin), canvas);
}

LayerTransform LayerSegment::_transformOf(const SegmentAttributes* attributes, const QSizeF& canvas)
{
    // "UserTranslation" is a fraction of the canvas, measured from its centre.
    const QPointF translation = pointAttribute(attributes, SegmentKey::UserTranslation, QPointF());
    const QPointF scale = scaleAttribute(attributes, SegmentKey::UserScale);
    LayerTransform transform;
    transform.center = QPointF(canvas.width() * (0.5 + translation.x()), canvas.height() * (0.5 + translation.y()));
    transform.scaleX = float(scale.x());
    transform.scaleY = float(scale.y());
    transform.rotationX = floatAttribute(attributes, SegmentKey::UserRotationX, 0.0f);
    transform.rotationY = floatAttribute(attributes, SegmentKey::UserRotationY, 0.0f);
    transform.rotation = float(doubleAttribute(attributes, SegmentKey::UserRotation, 0.0));
    transform.transparency = floatAttribute(attributes, SegmentKey::UserTransparency, 0.0f);
    transform.anchorPoint = pointAttribute(attributes, SegmentKey::UserAnchorPoint, SegmentDefault::UserAnchorPoint);
    const QString* offsetKeys[] = {&SegmentKey::UserPoint0Offset, &SegmentKey::UserPoint1Offset,
                                   &SegmentKey::UserPoint2Offset, &SegmentKey::UserPoint3Offset};
    for (int corner = 0; corner < 4; ++corner)
        transform.cornerOffsets[corner] = pointAttribute(attributes, *offsetKeys[corner], QPointF());
    return transform;
}

LayerTransform LayerSegment::_fittedLayerTransform(const QSizeF& media, const QSizeF& canvas)
{
    if (!media.isValid() || media.isEmpty())
        return LayerTransform();
    LayerTransform transform;
    const float scale = float(std::min(canvas.width() / media.width(), canvas.height() / media.height()));
    transform.scaleX = scale;
    transform.scaleY = scale;
    transform.center = QPointF(canvas.width() / 2.0, canvas.height() / 2.0);
    return transform;
}
