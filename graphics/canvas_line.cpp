#include "graphics/canvas.h"

#include <cstdlib>
#include <utility>

#include "graphics/line_clip.h"

namespace zentrel {

bool Canvas::line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    PixelSegment segment{{x1, y1}, {x2, y2}};
    if (clipLine(segment, width_, height_) == ClipResult::Rejected) return false;
    drawSegment(segment);
    movePen(segment.to.x, segment.to.y);
    return true;
}

bool Canvas::worldLine(double x1, double y1, double x2, double y2) {
    auto segment = transform_.segmentToPixels(x1, y1, x2, y2);
    const auto end = transform_.toPixel(x2, y2);  // unclipped; may lie far outside
    if (!segment || !end || clipLine(*segment, width_, height_) == ClipResult::Rejected) {
        return false;
    }
    drawSegment(*segment);
    penX_ = end->x;
    penY_ = end->y;
    penWorldX_ = x2;
    penWorldY_ = y2;
    return true;
}

// The walk always starts at the end with the smaller major coordinate, so a segment
// and its reverse set the same pixels. When the distances tie the line is y-major.
void Canvas::drawSegment(const PixelSegment& segment) {
    const std::int64_t dx = std::llabs(std::int64_t{segment.to.x} - segment.from.x);
    const std::int64_t dy = std::llabs(std::int64_t{segment.to.y} - segment.from.y);
    const bool xMajor = dy < dx;
    PixelPoint start = segment.from;
    PixelPoint end = segment.to;
    if (xMajor ? start.x > end.x : start.y > end.y) std::swap(start, end);

    const std::int64_t majorLength = xMajor ? dx : dy;
    const std::int64_t minorLength = xMajor ? dy : dx;
    const std::int64_t majorStart = xMajor ? start.x : start.y;
    std::int64_t minor = xMajor ? start.y : start.x;
    const std::int64_t minorEnd = xMajor ? end.y : end.x;
    const std::int64_t minorStep = minorEnd < minor ? -1 : 1;

    auto plot = [&](std::int64_t major) {
        const std::int64_t x = xMajor ? major : minor;
        const std::int64_t y = xMajor ? minor : major;
        if (contains(x, y)) row(static_cast<std::int32_t>(y))[x] = colour_;
    };
    plot(majorStart);
    std::int64_t error = majorLength / 2;
    for (std::int64_t step = 1; step <= majorLength; ++step) {
        error -= minorLength;
        if (error < 0) {
            minor += minorStep;
            error += majorLength;
        }
        plot(majorStart + step);
    }
}

}  // namespace zentrel
