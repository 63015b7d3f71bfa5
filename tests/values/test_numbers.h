#pragma once

// Numbers and modes the value tests share.
#include <limits>

#include "engine/values/modes.h"
#include "engine/values/number.h"

namespace zentrel::test {

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline constexpr NumberMode kG = NumberMode::GFloat;
inline constexpr NumberMode kC = NumberMode::Complex;
inline constexpr NumberMode kFr = NumberMode::Fract;

// A real in the complex representation.
inline Number real(double x) {
    return Number::fromComplex({x, 0.0});
}

}  // namespace zentrel::test
