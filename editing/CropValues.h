#pragma once

#include <QPointF>
#include <QRectF>

#include <array>

class CropWidget;
class Segment;

// Corners and feathering (left, top, right, bottom) of one crop: the
// segment's own, one side of a transition, or what the crop editor holds.
struct CropValues
{
    QPointF topLeft;
    QPointF bottomRight;
    std::array<float, 4> feathering{};

    static CropValues of(const CropWidget* widget);
    static CropValues of(const Segment* segment);
    // begin picks the transition's begin state, else its end state.
    static CropValues of(const Segment* segment, int transitionId, bool begin);

    void storeIn(Segment* segment) const;
    void storeIn(Segment* segment, int transitionId, bool begin) const;
    // (left, top, right - left, bottom - top), as the crop editor takes it.
    QRectF rect() const { return QRectF(topLeft, bottomRight); }

    bool operator==(const CropValues& other) const
    {
        // QPointF's equality is fuzzy; the feathering values compare exactly.
        return topLeft == other.topLeft && bottomRight == other.bottomRight && feathering == other.feathering;
    }
};
