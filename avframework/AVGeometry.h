#pragma once

// Small value types of the engine and the geometric rules shared with the
// interface (aspect fitting, tolerant comparison).

struct AVSize {
    float width;
    float height;
};

// A vector (x, y, z, w), a rectangle (x, y, width, height; origin top left)
// or a colour (red, green, blue, alpha in 0..1), depending on use.
struct AVVec4 {
    float x;
    float y;
    float z;
    float w;
};

// A two-component property value (position, scale, anchor, crop corner...).
struct AVFloatPair {
    float x;
    float y;
};

AVSize avSizeMake(float width, float height);
AVVec4* avVec4Make(AVVec4* out, float x, float y, float z, float w);
AVVec4* avColorMake(AVVec4* out, float red, float green, float blue);

// The largest rectangle of aspect w:h centred inside rect (letterbox).
AVVec4* avRectAspectFit(AVVec4* out, float w, float h, const AVVec4& rect);
// The smallest rectangle of aspect w:h centred over rect, covering it.
AVVec4* avRectAspectFill(AVVec4* out, float w, float h, const AVVec4& rect);

// 0 when a and b lie within the tolerance, 1 when a is above, -1 when below.
// The difference is taken in single precision.
int avCompareWithTolerance(double a, double b, double tolerance);
