#pragma once

#include <cstdint>

#include "engine/values/fraction.h"

namespace zentrel {

// base^exponent on fractions by square-and-multiply: exact while the parts fit in
// 32 bits, and past that approximated by the clamped construction of every product.
// A negative exponent gives the reciprocal (0 to a negative power is 1/0).
Fraction fractionPower(const Fraction& base, std::int64_t exponent);

}  // namespace zentrel
