#pragma once

#include "TransformWidget.h"

#include <QColor>

// A transform overlay made the way the window makes one for a segment, without
// the segment's geometry: for test windows that only count or fade overlays.
inline TransformWidget* makePlainTransformOverlay(QWidget* parent, Segment* segment)
{
    auto* overlay = new TransformWidget(":/images/transform_dot_normal", ":/images/transform_square_normal",
                                        ":/images/transform_central_point_normal", QColor(236, 236, 236, 128), 5.0f,
                                        parent);
    overlay->segment = segment;
    return overlay;
}
