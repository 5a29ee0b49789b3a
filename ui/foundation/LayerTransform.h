#pragma once

#include <QPointF>

// Placement of a visual layer on a canvas, used for drawing on the preview and
// by the transform overlay. A default-constructed record is the identity.
struct LayerTransform
{
    QPointF center{0.0, 0.0};          // canvas pixels
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float rotationX = 0.0f;            // radians
    float rotationY = 0.0f;            // radians
    float rotation = 0.0f;             // radians
    float transparency = 0.0f;         // 0 is opaque
    QPointF anchorPoint{0.5, 0.5};     // fractions of the layer's size
    QPointF cornerOffsets[4];          // corners 0 to 3, (0, 0) each
};
