#pragma once

#include <QSizeF>

class Segment;

// Border, corner and shadow lengths of a segment as fractions of the video
// width. Older projects stored them in pixels of a 1280-wide canvas (and the
// shadow before that as a bare "ShadowOffset"); a stored fraction wins.
class SegmentLengths
{
public:
    static constexpr float kReferenceWidth = 1280.0f;

    static float borderWidthFraction(const Segment* segment);
    static float cornerRadiusFraction(const Segment* segment);
    static QSizeF shadowOffsetFraction(const Segment* segment);

private:
    // The stored fraction when above 0, else the old pixel length over the
    // reference width when above 0, else 0.
    static float fractionOrPixels(float fraction, float pixels);
};
