#include "AVMatrix.h"

#include <cmath>
#include <cstring>

void avMatrixIdentity(float* m)
{
    std::memset(m, 0, 16 * sizeof(float));
    m[0] = m[5] = m[10] = m[15] = 1.0f;
}

void avMatrixMultiply(float* m, const float* n)
{
    for (int r = 0; r < 4; ++r) {
        float row[4];
        std::memcpy(row, m + 4 * r, sizeof(row));
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += row[k] * n[4 * k + c];
            m[4 * r + c] = sum;
        }
    }
}

void avMatrixRotate(float* m, float angle, float x, float y, float z)
{
    const double c = std::cos(double(angle));
    const double s = std::sin(double(angle));
    const double t = 1.0 - c;
    const double X = x, Y = y, Z = z;

    float r[16] = {};
    r[0] = float(X * X * t + c);
    r[1] = float(X * Y * t + Z * s);
    r[2] = float(X * Z * t - Y * s);
    r[4] = float(X * Y * t - Z * s);
    r[5] = float(Y * Y * t + c);
    r[6] = float(Y * Z * t + X * s);
    r[8] = float(X * Z * t + Y * s);
    r[9] = float(Y * Z * t - X * s);
    r[10] = float(Z * Z * t + c);
    r[15] = 1.0f;
    avMatrixMultiply(m, r);
}

void avMatrixScale(float* m, float x, float y, float z)
{
    for (int r = 0; r < 4; ++r) {
        m[4 * r + 0] *= x;
        m[4 * r + 1] *= y;
        m[4 * r + 2] *= z;
    }
}

void avMatrixTranslate(float* m, float x, float y, float z)
{
    m[12] += x;
    m[13] += y;
    m[14] += z;
}
