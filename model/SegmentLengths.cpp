#include "SegmentLengths.h"

#include "Segment.h"

float SegmentLengths::fractionOrPixels(float fraction, float pixels)
{
    if (fraction > 0.0f)
        return fraction;
    return pixels > 0.0f ? pixels / kReferenceWidth : 0.0f;
}

float SegmentLengths::borderWidthFraction(const Segment* segment)
{
    return fractionOrPixels(segment->borderWidthFraction(), segment->borderWidth());
}

float SegmentLengths::cornerRadiusFraction(const Segment* segment)
{
    return fractionOrPixels(segment->cornerRadiusFraction(), segment->cornerRadius());
}

QSizeF SegmentLengths::shadowOffsetFraction(const Segment* segment)
{
    if (segment->hasShadowOffsetFraction())
        return segment->shadowOffsetFraction();
    const QSizeF pixels = segment->shadowPixelOffset();
    if (!pixels.isNull())
        return pixels / double(kReferenceWidth);
    return segment->shadowOffset();
}
