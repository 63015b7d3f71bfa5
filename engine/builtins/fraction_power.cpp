#include "engine/builtins/fraction_power.h"

#include <utility>

namespace zentrel {

Fraction fractionPower(const Fraction& base, std::int64_t exponent) {
    // Unsigned negation, so that the most negative exponent has a magnitude too.
    std::uint64_t bits = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                      : static_cast<std::uint64_t>(exponent);
    const bool oddPower = (bits & 1) != 0;
    Fraction square{0, base.numerator, base.denominator};
    Fraction result;
    result.numerator = 1;
    while (bits != 0) {
        if (bits & 1) result.multiply(square);
        bits >>= 1;
        if (bits != 0) {
            const Fraction factor = square;
            square.multiply(factor);
        }
    }
    if (exponent < 0) std::swap(result.numerator, result.denominator);
    result.negative = (base.negative != 0 && oddPower && result.numerator != 0) ? 1 : 0;
    return result;
}

}  // namespace zentrel
