#include "engine/interp/state_only_canvas.h"

#include <cmath>
#include <limits>

namespace zentrel {

void StateOnlyCanvas::movePen(std::int32_t x, std::int32_t y) {
    penX_ = x;
    penY_ = y;
    penWorldX_ = x;
    penWorldY_ = y;
}

bool StateOnlyCanvas::moveWorldPen(double x, double y) {
    const auto px = pixelX(x);
    const auto py = pixelY(y);
    if (!px || !py) return false;
    penX_ = *px;
    penY_ = *py;
    penWorldX_ = x;
    penWorldY_ = y;
    return true;
}

// Truncation toward zero; values beyond the 32-bit range saturate, as on a canvas
// with pixels.
std::optional<std::int32_t> StateOnlyCanvas::pixelX(double x) const {
    if (!std::isfinite(x)) return std::nullopt;
    constexpr double kLimit = 2147483647.0;
    if (x >= kLimit) return std::numeric_limits<std::int32_t>::max();
    if (x <= -kLimit - 1.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

}  // namespace zentrel
