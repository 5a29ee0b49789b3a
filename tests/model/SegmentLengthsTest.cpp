#include "ImageSegment.h"
#include "SegmentKeys.h"
#include "SegmentLengths.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<ImageSegment> picture()
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("IMAGE"));
    return std::make_unique<ImageSegment>(std::move(attributes), nullptr, false);
}

// Stored as text of floats: equal to float precision.
void expectOffset(const QSizeF& offset, double x, double y)
{
    EXPECT_FLOAT_EQ(float(offset.width()), float(x));
    EXPECT_FLOAT_EQ(float(offset.height()), float(y));
}

} // namespace

// Fractions win; pixel lengths of the 1280-wide canvas come next; nothing gives 0.
TEST(SegmentLengths, BorderAndCornerPreferTheFractionThenThePixelLength)
{
    auto segment = picture();
    EXPECT_FLOAT_EQ(SegmentLengths::borderWidthFraction(segment.get()), 0.0f);
    EXPECT_FLOAT_EQ(SegmentLengths::cornerRadiusFraction(segment.get()), 0.0f);

    segment->setBorderWidthFraction(0.0f);
    segment->setBorderWidth(12.0f);
    segment->setCornerRadius(64.0f);
    EXPECT_FLOAT_EQ(SegmentLengths::borderWidthFraction(segment.get()), 0.009375f);
    EXPECT_FLOAT_EQ(SegmentLengths::cornerRadiusFraction(segment.get()), 0.05f);

    segment->setBorderWidthFraction(0.02f);
    segment->setCornerRadiusFraction(0.1f);
    EXPECT_FLOAT_EQ(SegmentLengths::borderWidthFraction(segment.get()), 0.02f);
    EXPECT_FLOAT_EQ(SegmentLengths::cornerRadiusFraction(segment.get()), 0.1f);
}

TEST(SegmentLengths, ShadowOffsetFallsBackToPixelsThenToTheOldestOffset)
{
    auto segment = picture();
    Segment::setStringAttribute(segment->attributes(), SegmentKey::ShadowOffset, QStringLiteral("{0.01, -0.02}"));
    expectOffset(SegmentLengths::shadowOffsetFraction(segment.get()), 0.01, -0.02);

    segment->setShadowPixelOffset(QSizeF(128.0, 64.0));
    expectOffset(SegmentLengths::shadowOffsetFraction(segment.get()), 0.1, 0.05);

    segment->setShadowOffsetFraction(QSizeF(0.03, 0.0));
    expectOffset(SegmentLengths::shadowOffsetFraction(segment.get()), 0.03, 0.0);
}
