#pragma once

#include <array>
#include <cstdint>

namespace zentrel {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr std::size_t kPaletteSize = 256;

// The one fixed palette that every raster's colour indices refer to.
const std::array<Rgb, kPaletteSize>& standardPalette();

// The colours the user interface offers; settings store them as these numbers.
enum class ColourChoice : std::int32_t {
    Black,
    Maroon,
    Red,
    Green,
    Lime,
    Olive,
    Yellow,
    Navy,
    Blue,
    Purple,
    Magenta,
    Teal,
    Cyan,
    Grey,
    Silver,
    White,
};
inline constexpr std::size_t kColourChoiceCount = 16;

// The palette index shown for a choice; any value outside the 16 choices gives 0.
std::uint8_t paletteIndex(ColourChoice choice);

}  // namespace zentrel
