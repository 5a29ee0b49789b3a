#pragma once

#include "Segment.h"

// The base of every segment that shows a picture on the composition. It gives
// the geometric properties their visual meaning: it turns them, or those of a
// transition state, into a LayerTransform for a canvas, and flips by half
// turns about the vertical and horizontal axes ("UserRotationY",
// "UserRotationX") instead of the "UserFlip" bits of sound segments.
class LayerSegment : public Segment
{
public:
    LayerSegment(const Segment* source, float start, SegmentListener* owner);
    explicit LayerSegment(SegmentListener* owner);
    LayerSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner);

    bool isVisualLayer() const override;
    void setFlippedHorizontally(bool flipped) override;
    bool isFlippedHorizontally() const override;
    void setFlippedVertically(bool flipped) override;
    bool isFlippedVertically() const override;
    void setTransitionStateFlippedHorizontally(int id, bool begin, bool flipped) override;
    bool isTransitionStateFlippedHorizontally(int id, bool begin) const override;
    void setTransitionStateFlippedVertically(int id, bool begin, bool flipped) override;
    bool isTransitionStateFlippedVertically(int id, bool begin) const override;
    LayerTransform layerTransform(const QSizeF& canvas) const override;
    LayerTransform transitionLayerTransform(int id, bool begin, const QSizeF& canvas) const override;

protected:
    // Media of the given size fitted into the canvas, centred; the identity
    // without a size.
    static LayerTransform _fittedLayerTransform(const QSizeF& media, const QSizeF& canvas);

private:
    // The placement that the properties of a dictionary (the segment's own or
    // a state) give on a canvas.
    static LayerTransform _transformOf(const SegmentAttributes* attributes, const QSizeF& canvas);
};
