#include "AVEasing.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kElasticFrequency = 20.420352248333657; // 13 x pi / 2

double identity(double p) { return p; }

double quadraticIn(double p) { return p * p; }
double quadraticOut(double p) { return -(p * (p - 2)); }
double quadraticInOut(double p) { return p < 0.5 ? 2 * p * p : -2 * p * p + 4 * p - 1; }

double cubicIn(double p) { return p * p * p; }
double cubicOut(double p) { const double f = p - 1; return f * f * f + 1; }
double smoothstep(double p) { return (3 - 2 * p) * p * p; }

double quarticIn(double p) { return p * p * p * p; }
double quarticOut(double p) { const double f = p - 1; return f * f * f * (1 - p) + 1; }
double quarticInOut(double p)
{
    if (p < 0.5)
        return 8 * p * p * p * p;
    const double f = p - 1;
    return 1 - 8 * f * f * f * f;
}

double quinticIn(double p) { return p * p * p * p * p; }
double quinticOut(double p) { const double f = p - 1; return f * f * f * f * f + 1; }
double quinticInOut(double p)
{
    if (p < 0.5)
        return 16 * p * p * p * p * p;
    const double f = 2 * p - 2;
    return 0.5 * f * f * f * f * f + 1;
}

double sineIn(double p) { return std::sin((p - 1) * kHalfPi) + 1; }
double sineOut(double p) { return std::sin(p * kHalfPi); }
double sineInOut(double p) { return 0.5 * (1 - std::cos(p * kPi)); }

double circularIn(double p) { return 1 - std::sqrt(1 - p * p); }
double circularOut(double p) { return std::sqrt((2 - p) * p); }
double circularInOut(double p)
{
    if (p < 0.5)
        return 0.5 * (1 - std::sqrt(1 - 4 * p * p));
    return 0.5 * (std::sqrt(-(2 * p - 3) * (2 * p - 1)) + 1);
}

double exponentialIn(double p) { return p == 0.0 ? p : std::pow(2, 10 * (p - 1)); }
double exponentialOut(double p) { return p == 1.0 ? p : 1 - std::pow(2, -10 * p); }
double exponentialInOut(double p)
{
    if (p == 0.0 || p == 1.0)
        return p;
    if (p < 0.5)
        return 0.5 * std::pow(2, 20 * p - 10);
    return 1 - 0.5 * std::pow(2, -20 * p + 10);
}

double elasticIn(double p) { return std::sin(kElasticFrequency * p) * std::pow(2, 10 * (p - 1)); }
double elasticOut(double p) { return std::sin(-kElasticFrequency * (p + 1)) * std::pow(2, -10 * p) + 1; }
double elasticInOut(double p)
{
    if (p < 0.5)
        return 0.5 * std::sin(kElasticFrequency * (2 * p)) * std::pow(2, 10 * (2 * p - 1));
    return 0.5 * (std::sin(-kElasticFrequency * ((2 * p - 1) + 1)) * std::pow(2, -10 * (2 * p - 1)) + 2);
}

// The back curves use half the usual overshoot term.
double backShape(double f) { return f * f * f - 0.5 * f * std::sin(f * kPi); }
double backIn(double p) { return backShape(p); }
double backOut(double p) { return 1 - backShape(1 - p); }
double backInOut(double p)
{
    if (p < 0.5)
        return 0.5 * backShape(2 * p);
    return 0.5 * (1 - backShape(1 - (2 * p - 1))) + 0.5;
}

double bounceOut(double p)
{
    if (p < 4 / 11.0)
        return p * 121 * p * 0.0625;
    if (p < 8 / 11.0)
        return 9.075 * p * p - 9.9 * p + 3.4;
    if (p < 0.9)
        return 12.066481994459833 * p * p - 19.63545706371191 * p + 8.898060941828255;
    return 10.8 * p * p - 20.52 * p + 10.72;
}
double bounceIn(double p) { return 1 - bounceOut(1 - p); }
double bounceInOut(double p)
{
    if (p < 0.5)
        return 0.5 * (1 - bounceOut(1 - 2 * p));
    return 0.5 * bounceOut(2 * p - 1) + 0.5;
}

const AVEasingFunction kCurves[31] = {
    identity,
    quadraticIn, quadraticOut, quadraticInOut,
    cubicIn, cubicOut, smoothstep,
    quarticIn, quarticOut, quarticInOut,
    quinticIn, quinticOut, quinticInOut,
    sineIn, sineOut, sineInOut,
    circularIn, circularOut, circularInOut,
    exponentialIn, exponentialOut, exponentialInOut,
    elasticIn, elasticOut, elasticInOut,
    backIn, backOut, backInOut,
    bounceIn, bounceOut, bounceInOut,
};

} // namespace

AVEasingFunction avEasingFunction(int type)
{
    if (type < AVEasingQuadraticIn || type > AVEasingBounceInOut)
        return identity;
    return kCurves[type];
}
