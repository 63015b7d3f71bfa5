// Exponentials, logarithms, powers and roots.
#include <cmath>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/scalar_math.h"

namespace zentrel {

namespace {

constexpr double kLn10 = 2.302585092994046;

// The complex logarithm as the language shows it: the angle in the current unit.
Complex logarithmInUnit(Complex z, const MathScope& scope) {
    const Complex ln = logarithm(z);
    return {ln.re, scope.angleOut(ln.im)};
}

// Integral exponents beyond this are left to exp(y·ln x): the result is 0, an
// infinity or NaN anyway, and the bit loop needs the exponent as an integer.
constexpr double kLargestSquaringExponent = 9007199254740992.0;  // 2^53

bool isIntegral(double y) {
    return std::fabs(y) <= kLargestSquaringExponent && y == std::trunc(y);
}

}  // namespace

Complex expOf(Complex z, MathScope&) {
    if (isReal(z)) return realComplex(std::exp(z.re));
    return exponential(z);
}

Complex exp10Of(Complex z, MathScope&) {
    if (isReal(z)) return realComplex(std::pow(10.0, z.re));
    return exponential(scale(z, kLn10));
}

Complex logOf(Complex z, MathScope& scope) {
    if (takesRealBranch(z, z.re <= 0.0, scope)) return realComplex(std::log(z.re));
    return logarithmInUnit(z, scope);
}

Complex log10Of(Complex z, MathScope& scope) {
    if (takesRealBranch(z, z.re <= 0.0, scope)) return realComplex(std::log10(z.re));
    return scale(logarithmInUnit(z, scope), 1.0 / kLn10);
}

Complex sqrOf(Complex z, MathScope&) {
    if (isReal(z)) return realComplex(z.re * z.re);
    return {z.re * z.re - z.im * z.im, 2.0 * z.re * z.im};
}

Complex sqrtOf(Complex z, MathScope& scope) {
    if (takesRealBranch(z, z.re < 0.0, scope)) return realComplex(std::sqrt(z.re));
    return squareRoot(z);
}

// Two reals use the C library's pow, which gives NaN for a negative base with
// a non-integral exponent (in complex modes too). A complex base with an
// integral exponent is raised by squaring, which keeps Gaussian integers exact.
Complex powerOf(Complex x, Complex y) {
    if (isReal(x) && isReal(y)) return realComplex(std::pow(x.re, y.re));
    if (isReal(y) && isIntegral(y.re)) {
        return integerPower(x, static_cast<std::int64_t>(y.re));
    }
    const Complex lnX = isReal(x) ? realComplex(std::log(x.re)) : logarithm(x);
    return exponential(multiply(y, lnX));
}

}  // namespace zentrel
