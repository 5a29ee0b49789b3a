#include "AVMatrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Matrix, RotatingTheIdentityAboutZ)
{
    float m[16];
    avMatrixIdentity(m);
    avMatrixRotate(m, float(M_PI / 2), 0, 0, 1);
    EXPECT_NEAR(m[0], 0.0f, 1e-6);
    EXPECT_NEAR(m[1], 1.0f, 1e-6);
    EXPECT_NEAR(m[4], -1.0f, 1e-6);
    EXPECT_NEAR(m[5], 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(m[10], 1.0f);
    EXPECT_FLOAT_EQ(m[15], 1.0f);
}

TEST(Matrix, TranslationIsAddedUnscaled)
{
    float m[16];
    avMatrixIdentity(m);
    avMatrixScale(m, 2, 3, 4);
    avMatrixTranslate(m, 5, 6, 7);
    EXPECT_FLOAT_EQ(m[0], 2);
    EXPECT_FLOAT_EQ(m[5], 3);
    EXPECT_FLOAT_EQ(m[10], 4);
    EXPECT_FLOAT_EQ(m[12], 5);
    EXPECT_FLOAT_EQ(m[13], 6);
    EXPECT_FLOAT_EQ(m[14], 7);
}

TEST(Matrix, ScaleMultipliesColumnsOnTheRight)
{
    float m[16];
    avMatrixIdentity(m);
    avMatrixTranslate(m, 1, 1, 1);
    avMatrixScale(m, 2, 3, 4); // m . diag: the translation row scales too
    EXPECT_FLOAT_EQ(m[12], 2);
    EXPECT_FLOAT_EQ(m[13], 3);
    EXPECT_FLOAT_EQ(m[14], 4);
}

TEST(Matrix, MultiplyIsExactInPlace)
{
    float m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = float(i + 1);
    float copy[16];
    std::copy(m, m + 16, copy);

    float identity[16];
    avMatrixIdentity(identity);
    avMatrixMultiply(m, identity);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m[i], copy[i]);

    // m . m computed in place must equal the product of two copies.
    avMatrixMultiply(m, copy);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float expected = 0;
            for (int k = 0; k < 4; ++k)
                expected += copy[4 * r + k] * copy[4 * k + c];
            EXPECT_FLOAT_EQ(m[4 * r + c], expected);
        }
    }
}

} // namespace
