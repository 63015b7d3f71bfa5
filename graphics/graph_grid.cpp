// The grid, the axes and the scale numbers under a graph.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "graphics/graph_canvas.h"

namespace zentrel {

namespace {

// The wanted unit, multiplied by 10 while it would put grid lines under 2 pixels
// apart. Only a positive unit gives a grid (and zero would never grow).
double gridSpacing(double unit, double absScale) {
    double m = unit;
    while (m > 0.0 && std::isfinite(m * absScale) && std::trunc(m * absScale) <= 1.0)
        m *= 10.0;
    return m;
}

// Calls visit(k * spacing) for k from trunc(from / spacing) stepping toward `to`,
// until k * spacing passes it. At most `limit` values: the spacing keeps the
// values pixels apart, and the bound keeps a range where k + 1 == k finite.
template <typename Visit>
void forEachMultiple(double from, double to, double spacing, std::int32_t limit, Visit visit) {
    if (!(spacing > 0.0) || !std::isfinite(spacing) || !std::isfinite(from) || !std::isfinite(to)) {
        return;
    }
    const double direction = to >= from ? 1.0 : -1.0;
    const double first = std::trunc(from / spacing);
    for (std::int32_t i = 0; i < limit; ++i) {
        const double v = (first + direction * i) * spacing + 0.0;  // + 0.0: no "-0" label
        if (direction > 0.0 ? v > to : v < to) return;
        visit(v);
    }
}

}  // namespace

void GraphCanvas::drawGridLines(const GridStyle& style, double spacingX, double spacingY) {
    const std::int32_t w = width(), h = height();
    setColour(style.gridColour);
    forEachMultiple(worldX(0), worldX(w - 1), spacingX, w + 2, [&](double v) {
        if (const auto column = pixelX(v)) fillRect(*column, 0, 1, h);
    });
    forEachMultiple(worldY(0), worldY(h - 1), spacingY, h + 2, [&](double v) {
        if (const auto row = pixelY(v)) fillRect(0, *row, w, 1);
    });
    setColour(style.axisColour);
    if (const auto axisRow = pixelY(0.0)) fillRect(0, *axisRow, w, 1);
    if (const auto axisColumn = pixelX(0.0)) fillRect(*axisColumn, 0, 1, h);
}

// x numbers stand right of their grid line, below the x axis while it is on the
// canvas, else at the top or bottom edge; y numbers end at the y axis, or start
// at column 1 when the axis leaves them no room.
void GraphCanvas::drawScaleNumbers(const GridStyle& style, double spacingX, double spacingY) {
    const std::int32_t w = width(), h = height();
    const std::int32_t axisRow = pixelY(0.0).value_or(-1);
    const std::int32_t axisColumn = pixelX(0.0).value_or(-1);
    char text[32];
    const auto format = [&text](double v) {
        std::snprintf(text, sizeof text, "%g", v);
        return std::string_view(text);
    };
    if (style.textEveryX > 0) {
        forEachMultiple(
            worldX(0), worldX(w - 1), spacingX * style.textEveryX, w + 2, [&](double v) {
                const auto column = pixelX(v);
                if (!column) return;
                const TextExtent extent = measureText(format(v));
                std::int64_t baseline = std::int64_t{h} - extent.descent;
                if (axisRow < 0) {
                    baseline = extent.ascent + 1;
                } else if (std::int64_t{axisRow} + extent.ascent + extent.descent + 1 < h) {
                    baseline = std::int64_t{axisRow} + extent.ascent + 2;
                }
                movePen(saturate32(std::int64_t{*column} + 2), saturate32(baseline));
                drawText(text, style.textColour);
            });
    }
    if (style.textEveryY > 0) {
        forEachMultiple(
            worldY(0), worldY(h - 1), spacingY * style.textEveryY, h + 2, [&](double v) {
                const auto row = pixelY(v);
                if (!row) return;
                const TextExtent extent = measureText(format(v));
                const std::int32_t start =
                    extent.width < axisColumn ? std::min(axisColumn, w) - extent.width : 1;
                movePen(start, saturate32(std::int64_t{*row} - extent.descent));
                drawText(text, style.textColour);
            });
    }
}

// The pen and colour are the caller's again afterwards.
void GraphCanvas::drawGrid(const GridStyle& style) {
    const std::int32_t penX = Canvas::penX(), penY = Canvas::penY();
    const std::uint8_t colour = Canvas::colour();
    const double spacingX = gridSpacing(style.unitX, absScaleX());
    const double spacingY = gridSpacing(style.unitY, absScaleY());
    clear(style.background);
    drawGridLines(style, spacingX, spacingY);
    drawScaleNumbers(style, spacingX, spacingY);
    movePen(penX, penY);
    setColour(colour);
}

}  // namespace zentrel
