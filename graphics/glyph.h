#pragma once

#include <cstdint>
#include <string>

namespace zentrel {

// One character of the small bitmap font. The bitmap is a string of '0' and '1',
// rowWidth characters per row, first row first; the last row may be shorter. Its
// first row lies `top` rows above the pen row. A glyph without bits is empty: text
// drawing and measuring skip it.
struct Glyph {
    std::int32_t advance = 0;  // pixels the pen moves right after the glyph
    std::int32_t ascent = 0;   // height above the baseline, for measuring only
    std::int32_t descent = 0;  // depth below the baseline, for measuring only
    std::int32_t rowWidth = 0;
    std::int32_t top = 0;
    std::string bits;

    bool empty() const { return bits.empty(); }
};

// Size of a text in the glyph font: the sum of the advances, the largest ascent and
// the largest descent of its non-empty glyphs.
struct TextExtent {
    std::int32_t width = 0;
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
    friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

}  // namespace zentrel
