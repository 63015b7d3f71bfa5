#include "graphics/standard_glyphs.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "graphics/canvas.h"

namespace zentrel {

namespace {

struct GlyphRow {
    char code;
    std::int32_t advance;
    std::int32_t ascent;
    std::int32_t descent;
    std::int32_t rowWidth;
    std::int32_t top;
    std::string_view bits;
};

constexpr std::array<GlyphRow, 14> kStandardGlyphs{{
    {'0', 5, 7, 1, 4, 7, "011010011001100110011001011"},
    {'1', 4, 7, 1, 2, 7, "01110101010101"},
    {'2', 5, 7, 1, 4, 7, "0110100100010010010010001111"},
    {'3', 5, 7, 1, 4, 7, "011010010001001000011001011"},
    {'4', 5, 7, 1, 4, 7, "001001101010101011110010001"},
    {'5', 5, 7, 1, 4, 7, "111110001110100100011001011"},
    {'6', 5, 7, 1, 4, 7, "011010011000111010011001011"},
    {'7', 5, 7, 1, 4, 7, "11110001000100100010010001"},
    {'8', 5, 7, 1, 4, 7, "011010011001011010011001011"},
    {'9', 5, 7, 1, 4, 7, "011010011001011100011001011"},
    {'.', 2, 7, 1, 1, 1, "1"},
    {'e', 5, 7, 1, 4, 5, "01101001111110000111"},
    {'+', 4, 7, 1, 3, 6, "01001011101001"},
    {'-', 4, 7, 1, 3, 4, "111"},
}};

}  // namespace

void defineStandardGlyphs(Canvas& canvas) {
    for (const GlyphRow& row : kStandardGlyphs) {
        canvas.defineGlyph(static_cast<unsigned char>(row.code),
                           Glyph{row.advance, row.ascent, row.descent, row.rowWidth, row.top,
                                 std::string(row.bits)});
    }
}

}  // namespace zentrel
