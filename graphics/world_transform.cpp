#include "graphics/world_transform.h"

#include <algorithm>
#include <cmath>

namespace zentrel {

namespace {

// Liang-Barsky clipping of p1-p2 to the square [-limit, limit]^2. Works on copies
// scaled into [-1, 1] so that the differences cannot overflow; an end already inside
// keeps its exact value.
bool pullInside(double& x1, double& y1, double& x2, double& y2, double limit) {
    const double scale = std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)});
    const double box = limit / scale;
    const double sx1 = x1 / scale, sy1 = y1 / scale;
    const double dx = x2 / scale - sx1, dy = y2 / scale - sy1;
    double enter = 0.0, leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {sx1 + box, box - sx1, sy1 + box, box - sy1};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0) return false;  // parallel to this edge and beyond it
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave) return false;
    if (leave < 1.0) {
        x2 = (sx1 + leave * dx) * scale;
        y2 = (sy1 + leave * dy) * scale;
    }
    if (enter > 0.0) {
        x1 = (sx1 + enter * dx) * scale;
        y1 = (sy1 + enter * dy) * scale;
    }
    return true;
}

bool isFar(double v) {
    return std::fabs(v) > kFarPixel;
}

}  // namespace

std::optional<std::int32_t> WorldTransform::toPixelCoordinate(double scaled) {
    if (!std::isfinite(scaled)) return std::nullopt;
    return truncToPixel(scaled);
}

std::optional<PixelPoint> WorldTransform::toPixel(double x, double y) const {
    const auto px = pixelX(x);
    const auto py = pixelY(y);
    if (!px || !py) return std::nullopt;
    return PixelPoint{*px, *py};
}

std::optional<PixelSegment> WorldTransform::segmentToPixels(double x1, double y1, double x2,
                                                            double y2) const {
    double px1 = x1 * scaleX + offsetX, py1 = y1 * scaleY + offsetY;
    double px2 = x2 * scaleX + offsetX, py2 = y2 * scaleY + offsetY;
    if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2)) {
        return std::nullopt;
    }
    if ((isFar(px1) || isFar(py1) || isFar(px2) || isFar(py2)) &&
        !pullInside(px1, py1, px2, py2, kFarPixel)) {
        return std::nullopt;
    }
    return PixelSegment{{truncToPixel(px1), truncToPixel(py1)},
                        {truncToPixel(px2), truncToPixel(py2)}};
}

}  // namespace zentrel
