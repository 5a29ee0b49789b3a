#include "Util.h"

int Util::compareWithTolerance(float a, float b, float tolerance)
{
    const float difference = a - b;
    if (difference >= -tolerance && difference <= tolerance)
        return 0;
    return difference > 0 ? 1 : -1;
}
