#include "LayerSegment.h"
#include "SegmentKeys.h"

#include <gtest/gtest.h>

namespace {

QString textOf(const SegmentAttributes* attributes, const QString& key)
{
    return Segment::stringAttribute(attributes, key, QStringLiteral("<absent>"));
}

TEST(LayerSegment, QuarterTurnsSnapToWholeDegreesInRadians)
{
    LayerSegment layer(nullptr);
    EXPECT_TRUE(layer.isVisualLayer());
    layer.rotateCounterClockwise();
    EXPECT_EQ(textOf(layer.attributes(), SegmentKey::UserRotation), "-1.570796326794897");
    layer.rotateClockwise();
    layer.rotateClockwise();
    EXPECT_EQ(textOf(layer.attributes(), SegmentKey::UserRotation), "1.570796326794897");

    layer.setUserRotation(3.1415926); // 179.999997 degrees
    layer.rotateClockwise();
    EXPECT_EQ(textOf(layer.attributes(), SegmentKey::UserRotation), "4.71238898038469");
    layer.rotateClockwise(); // 360 wraps to 0
    EXPECT_EQ(layer.userRotation(), 0);
}

TEST(LayerSegment, StateQuarterTurnsAddAQuarterWithoutWrapping)
{
    LayerSegment layer(nullptr);
    layer.setRangeDuration(4);
    ASSERT_EQ(layer.addTransitionAtTime(1, 0), 1);
    for (int turn = 0; turn < 3; ++turn)
        layer.rotateTransitionStateClockwise(1, false);
    // Each step is stored with six digits, so three turns read 4.7124.
    EXPECT_EQ(textOf(layer.transitionStateAt(1, false), SegmentKey::UserRotation), "4.7124");
    layer.rotateTransitionStateCounterClockwise(1, true);
    EXPECT_FLOAT_EQ(layer.transitionUserRotation(1, true), -1.5708f);
}

TEST(LayerSegment, FlipsAreHalfTurnsAboutAnAxis)
{
    LayerSegment layer(nullptr);
    layer.setFlippedHorizontally(true);
    EXPECT_EQ(textOf(layer.attributes(), SegmentKey::UserRotationY), "3.14159");
    EXPECT_EQ(textOf(layer.attributes(), SegmentKey::UserFlip), "<absent>");
    EXPECT_TRUE(layer.isFlippedHorizontally());
    EXPECT_FALSE(layer.isFlippedVertically());
    layer.setFlippedHorizontally(false);
    EXPECT_EQ(textOf(layer.attributes(), SegmentKey::UserRotationY), "0");
    layer.setFlippedVertically(true);
    EXPECT_TRUE(layer.isFlippedVertically());

    layer.setRangeDuration(4);
    ASSERT_EQ(layer.addTransitionAtTime(1, 0), 1);
    EXPECT_TRUE(layer.isTransitionStateFlippedVertically(1, true)); // taken from the layer
    layer.setTransitionStateFlippedHorizontally(1, false, true);
    layer.setTransitionStateFlippedVertically(1, false, false);
    EXPECT_TRUE(layer.isTransitionStateFlippedHorizontally(1, false));
    EXPECT_FALSE(layer.isTransitionStateFlippedVertically(1, false));
    EXPECT_EQ(layer.transitionUserFlip(1, false), 0);

}

TEST(LayerSegment, PlacementOnTheCanvas)
{
    const QSizeF canvas(1920, 1080);
    LayerSegment layer(nullptr);
    EXPECT_EQ(layer.layerTransform(canvas).center, QPointF(960, 540));
    layer.setUserTranslation(QPointF(0.25, -0.5));
    layer.setUserScale(QPointF(2, 0.5));
    layer.setUserRotation(0.5);
    layer.setUserTransparency(0.25f);
    layer.setUserAnchorPoint(QPointF(0, 1));
    layer.setUserPoint2Offset(QPointF(0.125, -0.25));
    const LayerTransform placed = layer.layerTransform(canvas);
    EXPECT_EQ(placed.center, QPointF(1440, 0));
    EXPECT_FLOAT_EQ(placed.scaleX, 2);
    EXPECT_FLOAT_EQ(placed.scaleY, 0.5f);
    EXPECT_FLOAT_EQ(placed.rotation, 0.5f);
    EXPECT_FLOAT_EQ(placed.transparency, 0.25f);
    EXPECT_EQ(placed.anchorPoint, QPointF(0, 1));
    EXPECT_EQ(placed.cornerOffsets[2], QPointF(0.125, -0.25));
    EXPECT_EQ(placed.cornerOffsets[3], QPointF(0, 0));

    layer.setRangeDuration(4);
    ASSERT_EQ(layer.addTransitionAtTime(1, 0), 1);
    layer.setTransitionUserScale(1, false, QPointF(-3, 4));
    layer.setTransitionUserTranslation(1, false, QPointF(0, 0));
    const LayerTransform end = layer.transitionLayerTransform(1, false, canvas);
    EXPECT_EQ(end.center, QPointF(960, 540));
    EXPECT_FLOAT_EQ(end.scaleX, 1);
    EXPECT_FLOAT_EQ(end.scaleY, 4);
    EXPECT_EQ(layer.transitionLayerTransform(1, true, canvas).center, QPointF(1440, 0));

    Segment sound(nullptr);
    sound.setUserTranslation(QPointF(0.25, 0));
    EXPECT_EQ(sound.layerTransform(canvas).center, QPointF(0, 0));
}

} // namespace
