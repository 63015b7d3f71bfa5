#include "graphics/line_clip.h"

namespace zentrel {

namespace {

// y = m * x + c through the segment's original end points, used only for a sloped
// segment. A horizontal segment keeps its y when moved onto a vertical edge, a
// vertical one its x when moved onto a horizontal edge; moved the other way such a
// segment lies wholly beyond that edge and is rejected whatever the other coordinate.
struct LineThrough {
    double m = 0.0;
    double c = 0.0;
    bool horizontal = false;
    bool vertical = false;
};

LineThrough lineThrough(const PixelSegment& s) {
    LineThrough line;
    line.horizontal = s.from.y == s.to.y;
    line.vertical = s.from.x == s.to.x;
    if (!line.horizontal && !line.vertical) {
        line.m = (double(s.from.y) - double(s.to.y)) / (double(s.from.x) - double(s.to.x));
        line.c = s.from.y - line.m * s.from.x;
    }
    return line;
}

bool isInside(PixelPoint p, std::int32_t width, std::int32_t height) {
    return p.x >= 0 && p.x <= width && p.y >= 0 && p.y <= height;
}

void moveOntoEdges(PixelPoint& p, const LineThrough& line, std::int32_t width,
                   std::int32_t height) {
    const bool sloped = !line.horizontal && !line.vertical;
    if (p.x < 0) {
        p.x = 0;
        if (sloped) p.y = truncToPixel(line.c);
    } else if (p.x > width) {
        p.x = width;
        if (sloped) p.y = truncToPixel(line.c + line.m * width);
    }
    if (p.y < 0) {
        if (sloped) p.x = truncToPixel(-line.c / line.m);
        p.y = 0;
    } else if (p.y > height) {
        if (sloped) p.x = truncToPixel((height - line.c) / line.m);
        p.y = height;
    }
}

bool bothBeyondOneEdge(const PixelSegment& s, std::int32_t width, std::int32_t height) {
    return (s.from.x <= 0 && s.to.x <= 0) || (s.from.y <= 0 && s.to.y <= 0) ||
           (s.from.x >= width && s.to.x >= width) || (s.from.y >= height && s.to.y >= height);
}

}  // namespace

ClipResult clipLine(PixelSegment& segment, std::int32_t width, std::int32_t height) {
    const bool fromInside = isInside(segment.from, width, height);
    const bool toInside = isInside(segment.to, width, height);
    if (fromInside && toInside) return ClipResult::Accepted;

    const LineThrough line = lineThrough(segment);
    if (!fromInside) moveOntoEdges(segment.from, line, width, height);
    if (!toInside) moveOntoEdges(segment.to, line, width, height);
    if (bothBeyondOneEdge(segment, width, height)) return ClipResult::Rejected;
    return fromInside || toInside ? ClipResult::Accepted : ClipResult::BothMoved;
}

}  // namespace zentrel
