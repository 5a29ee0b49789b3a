#pragma once

// Shared by the tests that listen to what was played: the PulseAudio
// server the test command starts, and the strength of one frequency.

#include <QProcess>

#include <cmath>
#include <vector>

namespace SoundTest {

inline bool pulseServerReachable()
{
    QProcess info;
    info.start("pactl", {"info"});
    return info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
}

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
