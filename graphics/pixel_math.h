#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zentrel {

// A point or a segment in pixel coordinates.
struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSegment {
    PixelPoint from;
    PixelPoint to;
    friend bool operator==(const PixelSegment&, const PixelSegment&) = default;
};

// World coordinates that convert beyond this distance from the origin (in pixels) are
// brought back along their segment before truncation. Any raster is far smaller, and
// the clipping arithmetic stays well inside the range of a double's exact integers.
inline constexpr double kFarPixel = 1073741824.0;  // 2^30

// Clamps a 64-bit value into the 32-bit range: coordinates beyond it are far outside
// any raster, and wrapping them around could bring them back inside.
inline constexpr std::int32_t saturate32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// Truncation toward zero into 32 bits, defined for every double: values beyond the
// 32-bit range saturate and NaN gives 0. Callers that can meet a non-finite value
// reject it first; here it only keeps the conversion well defined.
inline std::int32_t truncToPixel(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);  // in range: the conversion truncates toward zero
}

}  // namespace zentrel
