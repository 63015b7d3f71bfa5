#include "graphics/canvas.h"

#include <algorithm>
#include <utility>

namespace zentrel {

bool Canvas::defineGlyph(unsigned char code, Glyph glyph) {
    if (!glyph.empty() && glyph.rowWidth < 1) return false;
    glyphs_[code] = std::move(glyph);
    return true;
}

// Sums in 64 bits so that long texts with large advances saturate instead of wrapping.
TextExtent Canvas::measureText(std::string_view text) const {
    std::int64_t width = 0;
    TextExtent extent;
    for (const char c : text) {
        const Glyph& g = glyphs_[static_cast<unsigned char>(c)];
        if (g.empty()) continue;
        width += g.advance;
        extent.ascent = std::max(extent.ascent, g.ascent);
        extent.descent = std::max(extent.descent, g.descent);
    }
    extent.width = saturate32(width);
    return extent;
}

void Canvas::drawText(std::string_view text, std::uint8_t colour) {
    for (const char c : text) {
        const Glyph& g = glyphs_[static_cast<unsigned char>(c)];
        if (g.empty()) continue;
        drawGlyph(g, colour);
        penX_ = saturate32(std::int64_t{penX_} + g.advance);
    }
    penWorldX_ = transform_.worldX(penX_);
}

void Canvas::drawGlyph(const Glyph& glyph, std::uint8_t colour) {
    const std::int64_t firstRow = std::int64_t{penY_} - glyph.top;
    for (std::size_t i = 0; i < glyph.bits.size(); ++i) {
        if (glyph.bits[i] != '1') continue;
        const auto column = static_cast<std::int64_t>(i) % glyph.rowWidth;
        const auto rowIndex = static_cast<std::int64_t>(i) / glyph.rowWidth;
        const std::int64_t x = std::int64_t{penX_} + column;
        const std::int64_t y = firstRow + rowIndex;
        if (contains(x, y)) row(static_cast<std::int32_t>(y))[x] = colour;
    }
}

}  // namespace zentrel
