#include "MovieSizeForLevel.h"

#include <array>

namespace {

constexpr std::array<int, 6> kWideLongSides = {640, 960, 1280, 1920, 2560, 3840};
constexpr std::array<int, 6> kNormalShortSides = {360, 540, 720, 1080, 1440, 2160};
// 17/9 in double precision. The ratio is computed in single precision, so an
// aspect of exactly 17 x 9 falls just below it, into the normal table.
constexpr double kWideThreshold = 1.8888888888888888;

// other x side / reference in single precision, multiplication first, truncated.
int scaledSide(float other, int side, float reference)
{
    return int(other * float(side) / reference);
}

int loweredToEven(int value)
{
    return value % 2 != 0 ? value - 1 : value;
}

} // namespace

QSize movieSizeForLevel(float width, float height, int level)
{
    if (level < 0 || level >= int(kWideLongSides.size()) || !(width > 0.0f) || !(height > 0.0f))
        return QSize(0, 0);
    const bool portrait = height > width;
    const float ratio = portrait ? height / width : width / height;
    if (double(ratio) >= kWideThreshold) {
        const int longSide = kWideLongSides[size_t(level)];
        if (portrait)
            return QSize(loweredToEven(scaledSide(width, longSide, height)), longSide);
        return QSize(longSide, loweredToEven(scaledSide(height, longSide, width)));
    }
    const int shortSide = kNormalShortSides[size_t(level)];
    if (portrait)
        return QSize(shortSide, scaledSide(height, shortSide, width));
    return QSize(scaledSide(width, shortSide, height), shortSide);
}
