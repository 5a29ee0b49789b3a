#include "AVEasing.h"

#include <gtest/gtest.h>


namespace {

double ease(int type, double p)
{
    return avEasingFunction(type)(p);
}

TEST(Easing, EveryCurveStartsAtZeroAndEndsAtOne)
{
    for (int type = 1; type <= 30; ++type) {
        SCOPED_TRACE(type);
        EXPECT_NEAR(ease(type, 0.0), 0.0, 1e-9);
        EXPECT_NEAR(ease(type, 1.0), 1.0, 1e-9);
    }
}

TEST(Easing, WorkedValues)
{
    EXPECT_DOUBLE_EQ(ease(AVEasingSmoothstep, 0.25), 0.15625);
    EXPECT_DOUBLE_EQ(ease(AVEasingSmoothstep, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(ease(AVEasingBounceOut, 0.5), 0.71875);
    EXPECT_DOUBLE_EQ(ease(AVEasingBounceOut, 0.25), 0.47265625);
    EXPECT_NEAR(ease(AVEasingBackIn, 0.5), -0.125, 1e-15);
    EXPECT_NEAR(ease(AVEasingElasticIn, 0.5), -0.022097, 1e-6);
    EXPECT_EQ(ease(AVEasingExponentialOut, 1.0), 1.0); // exactly
    EXPECT_EQ(ease(AVEasingExponentialIn, 0.0), 0.0);
}

// Every curve a quarter and three quarters of the way, worked from its
// formula: a curve that takes another's shape (bounce in-out turned linear,
// a swapped branch) shows here.
TEST(Easing, WorkedValuesOfEveryCurve)
{
    struct Worked {
        int type;
        double quarter, threeQuarters;
    };
    const Worked worked[] = {
        {1, 0.0625, 0.5625},
        {2, 0.4375, 0.9375},
        {3, 0.125, 0.875},
        {4, 0.015625, 0.421875},
        {5, 0.578125, 0.984375},
        {6, 0.15625, 0.84375},
        {7, 0.00390625, 0.31640625},
        {8, 0.68359375, 0.99609375},
        {9, 0.03125, 0.96875},
        {10, 0.0009765625, 0.2373046875},
        {11, 0.7626953125, 0.9990234375},
        {12, 0.015625, 0.984375},
        {13, 0.076120467488713262, 0.61731656763491016},  // 1 - cos(pi/8), 1 - cos(3pi/8)
        {14, 0.38268343236508978, 0.92387953251128674},   // sin(pi/8), sin(3pi/8)
        {15, 0.14644660940672621, 0.85355339059327373},   // (1 -+ sqrt(2)/2) / 2
        {16, 0.031754163448145745, 0.33856217223385232},  // 1 - sqrt(15)/4, 1 - sqrt(7)/4
        {17, 0.66143782776614768, 0.96824583655185426},   // sqrt(7)/4, sqrt(15)/4
        {18, 0.066987298107780702, 0.9330127018922193},   // (1 -+ sqrt(3)/2) / 2
        {19, 0.0055242717280199029, 0.17677669529663689}, // 2^-7.5, 2^-2.5
        {20, 0.82322330470336313, 0.99447572827198005},
        {21, 0.015625, 0.984375},
        {22, -0.0051037615815483451, 0.067649512518274516},
        {23, 0.93235048748172522, 1.0051037615815483},
        {24, -0.011048543456039811, 1.0110485434560399},
        {25, -0.072763347648318433, 0.15670995705504465},
        {26, 0.84329004294495535, 1.0727633476483185},
        {27, -0.0625, 1.0625},
        {28, 0.041135734072021535, 0.52734375},
        {29, 0.47265625, 0.95886426592797847},
        {30, 0.140625, 0.859375},
    };
    for (const Worked& w : worked) {
        SCOPED_TRACE(w.type);
        EXPECT_NEAR(ease(w.type, 0.25), w.quarter, 1e-12);
        EXPECT_NEAR(ease(w.type, 0.75), w.threeQuarters, 1e-12);
    }
}

TEST(Easing, InOutCurvesAreSymmetricAboutTheMiddle)
{
    for (int type : {3, 6, 9, 12, 15, 18, 21, 27, 30}) {
        SCOPED_TRACE(type);
        for (double p : {0.1, 0.2, 0.35, 0.45}) {
            EXPECT_NEAR(ease(type, p) + ease(type, 1 - p), 1.0, 1e-9);
        }
    }
}

TEST(Easing, UnknownTypesAreTheIdentity)
{
    for (int type : {0, 31, -1, 1000}) {
        for (double p : {-0.5, 0.0, 0.3, 1.0, 2.0})
            EXPECT_EQ(ease(type, p), p);
    }
}

} // namespace
