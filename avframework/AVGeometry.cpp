#include "AVGeometry.h"

AVSize avSizeMake(float width, float height)
{
    return AVSize{width, height};
}

AVVec4* avVec4Make(AVVec4* out, float x, float y, float z, float w)
{
    *out = AVVec4{x, y, z, w};
    return out;
}

AVVec4* avColorMake(AVVec4* out, float red, float green, float blue)
{
    return avVec4Make(out, red, green, blue, 1.0f);
}

namespace {

AVVec4* centred(AVVec4* out, double width, double height, const AVVec4& rect)
{
    out->x = static_cast<float>(rect.x + (rect.z - width) * 0.5);
    out->y = static_cast<float>(rect.y + (rect.w - height) * 0.5);
    out->z = static_cast<float>(width);
    out->w = static_cast<float>(height);
    return out;
}

} // namespace

AVVec4* avRectAspectFit(AVVec4* out, float w, float h, const AVVec4& rect)
{
    if (w / h > rect.z / rect.w)
        return centred(out, rect.z, double(rect.z) * h / w, rect);
    return centred(out, double(rect.w) * w / h, rect.w, rect);
}

AVVec4* avRectAspectFill(AVVec4* out, float w, float h, const AVVec4& rect)
{
    if (w / h > rect.z / rect.w)
        return centred(out, double(rect.w) * w / h, rect.w, rect);
    return centred(out, rect.z, double(rect.z) * h / w, rect);
}

int avCompareWithTolerance(double a, double b, double tolerance)
{
    const float d = static_cast<float>(a - b);
    if (d > tolerance)
        return 1;
    if (d < -tolerance)
        return -1;
    return 0;
}
