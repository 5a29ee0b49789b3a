#pragma once

#include <QSize>

// The pixel size of a movie for a size level (0 to 5) and a picture aspect
// (width and height as an aspect pair such as 16 x 9, already swapped for
// portrait). Aspects of 17:9 and wider take the long side from the level
// (640 ... 3840) and an even short side; narrower ones take the short side
// (360 ... 2160). A level outside 0 to 5 gives 0 x 0.
QSize movieSizeForLevel(float width, float height, int level);
