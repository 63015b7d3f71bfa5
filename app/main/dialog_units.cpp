#include "app/main/dialog_units.h"

#include <algorithm>
#include <cstdint>

namespace zentrel {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
std::int32_t scaleRounded(std::int32_t a, std::int32_t b, std::int32_t c) {
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = c / 2;
    return static_cast<std::int32_t>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogUnits DialogUnits::fromFont(std::int32_t letterExtent, std::int32_t characterHeight) {
    // The average of the 52 letters, rounded: (extent / 26 + 1) / 2.
    const std::int32_t width = (std::max(letterExtent, 0) / 26 + 1) / 2;
    return DialogUnits(std::max(width, 1), std::max(characterHeight, 1));
}

std::int32_t DialogUnits::toPixelsX(std::int32_t units) const {
    return scaleRounded(units, baseWidth_, 4);
}

std::int32_t DialogUnits::toPixelsY(std::int32_t units) const {
    return scaleRounded(units, baseHeight_, 8);
}

// Each edge is converted on its own, so that neighbouring controls that share
// an edge in units share it in pixels too.
PixelRect DialogUnits::toPixels(const DialogRect& rect) const {
    const std::int32_t left = toPixelsX(rect.x);
    const std::int32_t top = toPixelsY(rect.y);
    return {left, top, toPixelsX(rect.x + rect.width) - left,
            toPixelsY(rect.y + rect.height) - top};
}

}  // namespace zentrel
