// Rounding, the parts of a complex number, and the tests for infinities and NaN.
#include <cmath>
#include <cstdint>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/scalar_math.h"

namespace zentrel {

namespace {

Complex truthValue(bool condition) {
    return realComplex(condition ? 1.0 : 0.0);
}

}  // namespace

double wrapToInt32(double x) {
    // Values beyond 64 bits and NaN give the integer-indefinite pattern, whose
    // low 32 bits are 0, as the hardware conversion does.
    constexpr double limit = 9223372036854775808.0;  // 2^63
    if (!(x >= -limit && x < limit)) return 0.0;
    const auto low = static_cast<std::uint32_t>(static_cast<std::int64_t>(x));
    return static_cast<double>(static_cast<std::int32_t>(low));
}

Complex ceilOf(Complex z, MathScope&) {
    return {std::ceil(z.re), std::ceil(z.im)};
}

Complex floorOf(Complex z, MathScope&) {
    return {std::floor(z.re), std::floor(z.im)};
}

Complex absOf(Complex z, MathScope&) {
    return realComplex(isReal(z) ? std::fabs(z.re) : modulus(z));
}

Complex intOf(Complex z, MathScope&) {
    return {wrapToInt32(z.re), wrapToInt32(z.im)};
}

Complex realOf(Complex z, MathScope&) {
    return realComplex(z.re);
}

Complex imagOf(Complex z, MathScope&) {
    return realComplex(z.im);
}

Complex argOf(Complex z, MathScope& scope) {
    return realComplex(scope.angleOut(std::atan2(z.im, z.re)));
}

Complex normOf(Complex z, MathScope&) {
    return realComplex(z.re * z.re + z.im * z.im);
}

Complex conjgOf(Complex z, MathScope&) {
    // A real stays as it is rather than gaining a negative zero imaginary part.
    return isReal(z) ? z : Complex{z.re, -z.im};
}

Complex isinfOf(Complex z, MathScope&) {
    return truthValue(std::isinf(z.re));
}

Complex isnanOf(Complex z, MathScope&) {
    return truthValue(std::isnan(z.re));
}

Complex polarOf(double rho, double theta, const MathScope& scope) {
    const double radians = scope.angleIn(theta);
    return {rho * std::cos(radians), rho * std::sin(radians)};
}

}  // namespace zentrel
