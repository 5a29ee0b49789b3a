#pragma once

// Shared by the tests that listen to what was played: the strength of one
// frequency.

#include <cmath>
#include <vector>

namespace SoundTest {

// Goertzel power of one frequency over mono samples at the rate.
inline double tonePower(const std::vector<double>& samples, double frequency, double rate = 44100.0)
{
    const double coefficient = 2.0 * std::cos(2.0 * M_PI * frequency / rate);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (double sample : samples) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
}

} // namespace SoundTest
