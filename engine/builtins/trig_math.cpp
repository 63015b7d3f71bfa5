// Trigonometric and hyperbolic functions with their inverses.
#include <cmath>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/scalar_math.h"

namespace zentrel {

namespace {

constexpr Complex kI{0.0, 1.0};

// i·w and -i·w.
Complex timesI(Complex w) {
    return {-w.im, w.re};
}
Complex timesMinusI(Complex w) {
    return {w.im, -w.re};
}

// Only the real modes read angles in the current unit; complex modes take radians.
double trigArgument(double x, const MathScope& scope) {
    return scope.realDomain ? scope.angleIn(x) : x;
}

// numerator / denominator for tan and tanh, whose denominator can vanish.
Complex flaggedQuotient(Complex numerator, double denominator, MathScope& scope) {
    if (denominator == 0.0) scope.invalidArgument = true;
    return {numerator.re / denominator, numerator.im / denominator};
}

// sqrt(1 - z²), shared by the inverse sine and cosine.
Complex rootOfOneMinusSquare(Complex z) {
    return squareRoot(subtract(realComplex(1.0), multiply(z, z)));
}

bool outsideUnitRange(double x) {
    return x < -1.0 || x > 1.0;
}

}  // namespace

bool takesRealBranch(Complex z, bool outsideDomain, MathScope& scope) {
    if (!isReal(z)) return false;
    if (!outsideDomain) return true;
    if (!scope.realDomain) return false;
    scope.invalidArgument = true;
    return true;
}

Complex sinOf(Complex z, MathScope& scope) {
    if (isReal(z)) return realComplex(std::sin(trigArgument(z.re, scope)));
    return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)};
}

Complex cosOf(Complex z, MathScope& scope) {
    if (isReal(z)) return realComplex(std::cos(trigArgument(z.re, scope)));
    return {std::cos(z.re) * std::cosh(z.im), -std::sin(z.re) * std::sinh(z.im)};
}

Complex tanOf(Complex z, MathScope& scope) {
    if (isReal(z)) return realComplex(std::tan(trigArgument(z.re, scope)));
    const double a = 2.0 * z.re;
    const double b = 2.0 * z.im;
    return flaggedQuotient({std::sin(a), std::sinh(b)}, std::cos(a) + std::cosh(b), scope);
}

// asin z = -i·ln(iz + sqrt(1 - z²))
Complex asinOf(Complex z, MathScope& scope) {
    if (takesRealBranch(z, outsideUnitRange(z.re), scope)) {
        return realComplex(scope.realAngleOut(std::asin(z.re)));
    }
    return timesMinusI(logarithm(add(timesI(z), rootOfOneMinusSquare(z))));
}

// acos z = -i·ln(z + i·sqrt(1 - z²))
Complex acosOf(Complex z, MathScope& scope) {
    if (takesRealBranch(z, outsideUnitRange(z.re), scope)) {
        return realComplex(scope.realAngleOut(std::acos(z.re)));
    }
    return timesMinusI(logarithm(add(z, timesI(rootOfOneMinusSquare(z)))));
}

// atan z = (i/2)·ln((i + z)/(i - z)), singular at z = ±i.
Complex atanOf(Complex z, MathScope& scope) {
    if (isReal(z)) return realComplex(scope.realAngleOut(std::atan(z.re)));
    if (z.re == 0.0 && std::fabs(z.im) == 1.0) scope.invalidArgument = true;
    return scale(timesI(logarithm(divide(add(kI, z), subtract(kI, z)))), 0.5);
}

double atan2Of(double y, double x, const MathScope& scope) {
    return scope.angleOut(std::atan2(y, x));
}

Complex sinhOf(Complex z, MathScope&) {
    if (isReal(z)) return realComplex(std::sinh(z.re));
    return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)};
}

Complex coshOf(Complex z, MathScope&) {
    if (isReal(z)) return realComplex(std::cosh(z.re));
    return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)};
}

Complex tanhOf(Complex z, MathScope& scope) {
    if (isReal(z)) return realComplex(std::tanh(z.re));
    const double a = 2.0 * z.re;
    const double b = 2.0 * z.im;
    return flaggedQuotient({std::sinh(a), std::sin(b)}, std::cosh(a) + std::cos(b), scope);
}

// Near 0 the logarithm form loses its digits to cancellation; the series
// x·(1 - x²/6) is exact to double precision there.
Complex asinhOf(Complex z, MathScope&) {
    if (isReal(z)) {
        const double x = z.re;
        if (std::fabs(x) <= 0.001) return realComplex(x * (1.0 - x * x / 6.0));
        const double root = std::sqrt(x * x + 1.0);
        return realComplex(x > 0.0 ? std::log(x + root) : -std::log(root - x));
    }
    return logarithm(add(z, squareRoot(add(multiply(z, z), realComplex(1.0)))));
}

Complex acoshOf(Complex z, MathScope& scope) {
    if (takesRealBranch(z, z.re < 1.0, scope)) {
        const double x = z.re;
        return realComplex(std::log(x + std::sqrt(x * x - 1.0)));
    }
    return logarithm(add(z, squareRoot(subtract(multiply(z, z), realComplex(1.0)))));
}

// The series x·(1 + x²/3) near 0, as for asinh.
Complex atanhOf(Complex z, MathScope& scope) {
    if (takesRealBranch(z, z.re <= -1.0 || z.re >= 1.0, scope)) {
        const double x = z.re;
        if (std::fabs(x) <= 0.001) return realComplex(x * (1.0 + x * x / 3.0));
        return realComplex(0.5 * std::log((1.0 + x) / (1.0 - x)));
    }
    if (z.re == 1.0 && z.im == 0.0) scope.invalidArgument = true;
    const Complex one = realComplex(1.0);
    return scale(logarithm(divide(add(one, z), subtract(one, z))), 0.5);
}

}  // namespace zentrel
