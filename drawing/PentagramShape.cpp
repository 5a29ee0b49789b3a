#include "PentagramShape.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double kPointStep = M_PI / 5;
// Ten points alternating outer and inner, and one more that retraces the first edge.
constexpr int kPathPoints = 11;

} // namespace

std::optional<QRectF> PentagramShape::_paintFigure(QPainter& painter)
{
    double outerRadius = 0.0;
    double angle = 0.0;
    if (!_dragDirection(outerRadius, angle))
        return std::nullopt;
    // The inner points lie where the star's edges cross.
    const double innerRadius = outerRadius * std::cos(2 * M_PI / 5) / std::cos(M_PI / 5);
    _outlineOrFillPath(painter, _pathAroundStart(angle, kPointStep, kPathPoints, outerRadius, innerRadius));
    return _squareAroundStart(outerRadius);
}
