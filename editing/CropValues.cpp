#include "CropValues.h"

#include "CropWidget.h"
#include "Segment.h"

CropValues CropValues::of(const CropWidget* widget)
{
    const QRectF rect = widget->cropRect();
    return {rect.topLeft(), rect.bottomRight(),
            {widget->featheringLeft(), widget->featheringTop(), widget->featheringRight(), widget->featheringBottom()}};
}

CropValues CropValues::of(const Segment* segment)
{
    return {segment->cropTopLeft(), segment->cropBottomRight(),
            {segment->featheringX0(), segment->featheringY0(), segment->featheringX1(), segment->featheringY1()}};
}

CropValues CropValues::of(const Segment* segment, int transitionId, bool begin)
{
    const int id = transitionId;
    return {segment->transitionCropTopLeft(id, begin), segment->transitionCropBottomRight(id, begin),
            {segment->transitionFeatheringX0(id, begin), segment->transitionFeatheringY0(id, begin),
             segment->transitionFeatheringX1(id, begin), segment->transitionFeatheringY1(id, begin)}};
}

void CropValues::storeIn(Segment* segment) const
{
    segment->setCropTopLeft(topLeft);
    segment->setCropBottomRight(bottomRight);
    segment->setFeatheringX0(feathering[0]);
    segment->setFeatheringY0(feathering[1]);
    segment->setFeatheringX1(feathering[2]);
    segment->setFeatheringY1(feathering[3]);
}

void CropValues::storeIn(Segment* segment, int transitionId, bool begin) const
{
    const int id = transitionId;
    segment->setTransitionCropTopLeft(id, begin, topLeft);
    segment->setTransitionCropBottomRight(id, begin, bottomRight);
    segment->setTransitionFeatheringX0(id, begin, feathering[0]);
    segment->setTransitionFeatheringY0(id, begin, feathering[1]);
    segment->setTransitionFeatheringX1(id, begin, feathering[2]);
    segment->setTransitionFeatheringY1(id, begin, feathering[3]);
}
