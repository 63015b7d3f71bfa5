#pragma once

#include <limits>

namespace zentrel {

// All intermediate fraction arithmetic runs in this type; the clamped results of
// fraction operations depend on a mantissa of at least 64 bits.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits >= 64,
              "fraction arithmetic needs a floating type with a 64-bit mantissa");

}  // namespace zentrel
