#pragma once

// The extremes of a 32-bit coordinate, which the graphics code must take
// without overflowing.
#include <cstdint>
#include <limits>

namespace zentrel::test {

inline constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

}  // namespace zentrel::test
