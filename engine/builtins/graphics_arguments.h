#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"

namespace zentrel {

class Engine;
class Context;

// The numbers of a graphics command, each read as a double (a fraction as its
// numerator divided by its denominator).
struct CommandNumbers {
    static constexpr std::size_t kCapacity = 5;
    std::array<double, kCapacity> values{};
    std::size_t count = 0;

    double operator[](std::size_t i) const { return values[i]; }
};

// Reads the operands that follow, at most `limit` (up to kCapacity); an operand
// beyond them is left for the engine, which reports it.
ErrorCode readCommandNumbers(Engine& engine, Context& ctx, const Token& command, std::size_t limit,
                             CommandNumbers& numbers);

// A number where an integer is needed: truncated toward zero to 64 bits (NaN and
// values beyond the range give the integer indefinite pattern, as the number
// conversion does) and used as 32 bits, saturating, so that a huge coordinate
// stays far outside the raster instead of wrapping into it.
std::int32_t pixelArgument(double v);
// A colour keeps the low 8 bits of the truncated number.
std::uint8_t colourArgument(double v);

}  // namespace zentrel
