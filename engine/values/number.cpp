#include "engine/values/number.h"

#include <cmath>
#include <limits>

namespace zentrel {

Number Number::zero(bool fractionRepresentation) {
    Number n;
    n.isFraction = fractionRepresentation;
    return n;
}

void Number::convertRepresentation() {
    if (isFraction) {
        complex = {static_cast<double>(fraction.value()), 0.0};
    } else {
        fraction = Fraction::fromReal(complex.re);
    }
    isFraction = !isFraction;
}

// Numerator and denominator are exact as doubles, so one division gives the
// correctly rounded quotient.
Complex Number::asComplex() const {
    if (!isFraction) return complex;
    const double numerator = static_cast<double>(fraction.numerator);
    return {
        (fraction.negative ? -numerator : numerator) / static_cast<double>(fraction.denominator),
        0.0};
}

Fraction Number::asFraction() const {
    return isFraction ? fraction : Fraction::fromReal(complex.re);
}

std::int64_t Number::truncInt() const {
    // Out-of-range values and NaN give the integer indefinite pattern, as the
    // hardware conversion does, instead of undefined behaviour.
    constexpr Extended limit = 9223372036854775808.0L;  // 2^63
    const Extended v = realValue();
    if (!(v >= -limit && v < limit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

Number Number::negate(bool fractionRepresentation) const {
    Number n(*this);
    n.syncRepresentation(fractionRepresentation);
    if (n.isFraction) {
        n.fraction.negative = (!n.fraction.negative && n.fraction.numerator != 0) ? 1 : 0;
    } else {
        n.complex = {-n.complex.re, -n.complex.im};
    }
    return n;
}

bool Number::isTrue(bool fractionRepresentation) const {
    // Ordered comparisons, so that NaN counts as zero.
    const auto nonZero = [](Extended x) { return x < 0 || x > 0; };
    Number n(*this);
    n.syncRepresentation(fractionRepresentation);
    if (n.isFraction) return nonZero(n.fraction.value());
    return nonZero(n.complex.re) || nonZero(n.complex.im);
}

}  // namespace zentrel
