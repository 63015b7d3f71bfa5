#pragma once

#include <cstdint>

namespace zentrel {

// The language's own pseudo-random sequence, a 32-bit linear congruence, so that
// a given seed yields the same numbers on every platform.
struct RandomGenerator {
    std::uint32_t seed = 1;

    // The next value, from 0 to 32767; the seed wraps modulo 2^32.
    std::int32_t next() {
        seed = seed * 214013u + 2531011u;
        return static_cast<std::int32_t>((seed >> 16) & 0x7FFF);
    }
};

}  // namespace zentrel
