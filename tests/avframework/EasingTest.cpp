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
