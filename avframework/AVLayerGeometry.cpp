#include "AVLayerGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

int avRoundedRectPolygon(float* points, int n, float x, float y, float width, float height, float radius)
{
    if (n < 4)
        return 0;
    if (n == 4) {
        const float corners[8] = {x, y - height, x + width, y - height, x + width, y, x, y};
        std::copy(corners, corners + 8, points);
        return 4;
    }
    const int m = n / 4;
    const float r = std::min({height / 2.0f, width / 2.0f, radius});
    auto put = [points](int index, float px, float py) {
        points[2 * index] = px;
        points[2 * index + 1] = py;
    };
    for (int i = 0; i < m; ++i) {
        // With one point per arc there is no angle to step through.
        const double angle = m > 1 ? i * (M_PI / 2.0) / (m - 1) : 0.0;
        const float c = float(r * std::cos(angle));
        const float s = float(r * std::sin(angle));
        put(i, x + width - r + c, y - r + s);
        put(2 * m - 1 - i, x + r - c, y - r + s);
        put(2 * m + i, x + r - c, y - height + r - s);
        put(4 * m - 1 - i, x + width - r + c, y - height + r - s);
    }
    return 4 * m;
}

void avPerspectiveFromCorners(const float* source, const float* target, float* h)
{
    // Eight equations in h0..h7, each row the coefficients and the result.
    double rows[8][9];
    for (int k = 0; k < 4; ++k) {
        const double x = source[2 * k], y = source[2 * k + 1];
        const double X = target[2 * k], Y = target[2 * k + 1];
        const double first[9] = {x, y, 1, 0, 0, 0, -x * X, -y * X, X};
        const double second[9] = {0, 0, 0, x, y, 1, -x * Y, -y * Y, Y};
        std::copy(first, first + 9, rows[2 * k]);
        std::copy(second, second + 9, rows[2 * k + 1]);
    }
    bool usable[8];
    for (int column = 0; column < 8; ++column) {
        int pivot = column;
        for (int row = column + 1; row < 8; ++row)
            if (std::fabs(rows[row][column]) > std::fabs(rows[pivot][column]))
                pivot = row;
        std::swap(rows[column], rows[pivot]);
        usable[column] = std::fabs(rows[column][column]) >= 1e-10;
        if (!usable[column])
            continue;
        for (int row = column + 1; row < 8; ++row) {
            const double factor = rows[row][column] / rows[column][column];
            for (int c = column; c < 9; ++c)
                rows[row][c] -= factor * rows[column][c];
        }
    }
    double solution[8];
    for (int row = 7; row >= 0; --row) {
        if (!usable[row]) {
            solution[row] = 0.0;
            continue;
        }
        double sum = rows[row][8];
        for (int c = row + 1; c < 8; ++c)
            sum -= rows[row][c] * solution[c];
        solution[row] = sum / rows[row][row];
    }
    for (int i = 0; i < 8; ++i)
        h[i] = float(solution[i]);
    h[8] = 1.0f;
}
