#include "MovieSizeForLevel.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
    float width;
    float height;
    int level;
    QSize expected;
};

TEST(MovieSizeForLevel, AspectsAndLevelsGiveTheTableSizes)
{
    const SizeCase cases[] = {
        // 16:9 in both orientations, every level.
        {16, 9, 0, {640, 360}}, {16, 9, 1, {960, 540}}, {16, 9, 2, {1280, 720}},
        {16, 9, 3, {1920, 1080}}, {16, 9, 4, {2560, 1440}}, {16, 9, 5, {3840, 2160}},
        {9, 16, 0, {360, 640}}, {9, 16, 3, {1080, 1920}}, {9, 16, 5, {2160, 3840}},
        // Narrow aspects keep the short side; a square counts as landscape.
        {1, 1, 2, {720, 720}}, {4, 3, 2, {960, 720}}, {3, 4, 2, {720, 960}},
        // The normal table keeps an odd side.
        {5, 4, 1, {675, 540}},
        // Wide aspects keep the long side and an even short side.
        {21, 9, 0, {640, 274}}, {21, 9, 1, {960, 410}}, {21, 9, 2, {1280, 548}},
        {21, 9, 3, {1920, 822}}, {21, 9, 4, {2560, 1096}}, {21, 9, 5, {3840, 1644}},
        {9, 21, 1, {410, 960}},
        {19.5f, 9, 0, {640, 294}}, {19.5f, 9, 1, {960, 442}}, {19.5f, 9, 2, {1280, 590}},
        {19.5f, 9, 3, {1920, 886}}, {19.5f, 9, 4, {2560, 1180}}, {19.5f, 9, 5, {3840, 1772}},
        // 17/9 in single precision lies just below the double threshold.
        {17, 9, 2, {1360, 720}},
        // Levels outside the table and aspects without area.
        {16, 9, 6, {0, 0}}, {16, 9, -1, {0, 0}}, {0, 9, 2, {0, 0}}, {16, -9, 2, {0, 0}},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(movieSizeForLevel(c.width, c.height, c.level), c.expected)
            << c.width << " x " << c.height << " level " << c.level;
    }
}

} // namespace
