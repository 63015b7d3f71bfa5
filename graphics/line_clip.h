#pragma once

#include <cstdint>

#include "graphics/pixel_math.h"

namespace zentrel {

// Outcome of clipping a segment to a raster. The numeric values are part of the
// plotter's contract: it draws a segment only when exactly 1 comes back.
enum class ClipResult : std::uint8_t {
    Rejected = 0,   // wholly outside: draw nothing
    Accepted = 1,   // inside already, or one end point was moved
    BothMoved = 2,  // both end points were moved onto the edges
};

// Clips a segment to the rectangle [0, width] x [0, height] (both bounds inclusive)
// by moving each outside end point along the segment's line, first onto a vertical
// edge and then, if still outside, onto a horizontal one. New coordinates are
// truncated toward zero. On Rejected the segment holds the moved points.
ClipResult clipLine(PixelSegment& segment, std::int32_t width, std::int32_t height);

}  // namespace zentrel
