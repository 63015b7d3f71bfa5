#pragma once

#include <cstdint>
#include <optional>

#include "graphics/pixel_math.h"

namespace zentrel {

// The linear map from world coordinates to pixels: pixel = trunc(world * scale + offset),
// truncating toward zero. Row 0 is the top of the picture, so a usual transform has a
// negative scaleY.
//
// Non-finite rule: a coordinate that is NaN or infinite, in the world or after scaling,
// has no pixel. The conversions answer nullopt for it and nothing is drawn from it;
// finite pixel values beyond the 32-bit range saturate.
struct WorldTransform {
    double offsetX = 0.0;
    double offsetY = 0.0;
    double scaleX = 1.0;
    double scaleY = 1.0;

    std::optional<std::int32_t> pixelX(double x) const {
        return toPixelCoordinate(x * scaleX + offsetX);
    }
    std::optional<std::int32_t> pixelY(double y) const {
        return toPixelCoordinate(y * scaleY + offsetY);
    }
    std::optional<PixelPoint> toPixel(double x, double y) const;

    double worldX(std::int32_t px) const { return (px - offsetX) / scaleX; }
    double worldY(std::int32_t py) const { return (py - offsetY) / scaleY; }

    // Converts a world segment for drawing. An end that lands farther than kFarPixel
    // from the origin is moved along the segment first, so that truncation keeps the
    // segment's direction; nullopt when an end is not finite or the segment passes
    // wholly outside that far square (and so outside any raster).
    std::optional<PixelSegment> segmentToPixels(double x1, double y1, double x2, double y2) const;

  private:
    static std::optional<std::int32_t> toPixelCoordinate(double scaled);
};

}  // namespace zentrel
