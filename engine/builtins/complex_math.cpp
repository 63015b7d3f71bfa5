#include "engine/builtins/complex_math.h"

#include <cmath>

namespace zentrel {

namespace {

// 1/sqrt(2), the factor that halves the square inside both parts of a root.
constexpr double kHalfRoot = 0.7071067811865476;

}  // namespace

Complex add(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}

Complex subtract(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}

Complex multiply(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

Complex scale(Complex a, double factor) {
    return {a.re * factor, a.im * factor};
}

Complex divide(Complex a, Complex b) {
    const double d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

Complex reciprocal(Complex z) {
    return divide(realComplex(1.0), z);
}

double modulus(Complex z) {
    const double a = std::fabs(z.re);
    const double b = std::fabs(z.im);
    const double larger = a > b ? a : b;
    const double smaller = a > b ? b : a;
    // 0/0 would make the modulus of zero NaN.
    if (larger == 0.0) return smaller;
    const double ratio = smaller / larger;
    return larger * std::sqrt(1.0 + ratio * ratio);
}

Complex squareRoot(Complex z) {
    const double w = modulus(z);
    // The formulas divide by the root of w ± re, which is 0 only for z = 0.
    if (w == 0.0) return {0.0, 0.0};
    if (z.re >= 0.0) {
        const double root = std::sqrt(w + z.re);
        return {root * kHalfRoot, z.im * kHalfRoot / root};
    }
    const double root = std::sqrt(w - z.re);
    const Complex upper{z.im * kHalfRoot / root, root * kHalfRoot};
    // Below the negative real axis the root lies in the fourth quadrant.
    return z.im >= 0.0 ? upper : Complex{-upper.re, -upper.im};
}

Complex logarithm(Complex z) {
    // +0.0 turns a negative zero into +0, so that a negative real gets +pi
    // rather than -pi, which lies outside the principal range.
    return {std::log(modulus(z)), std::atan2(z.im + 0.0, z.re)};
}

Complex exponential(Complex z) {
    const double magnitude = std::exp(z.re);
    return {magnitude * std::cos(z.im), magnitude * std::sin(z.im)};
}

Complex integerPower(Complex z, std::int64_t n) {
    // Unsigned negation, so that the most negative exponent has a magnitude too.
    std::uint64_t bits = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    Complex result = realComplex(1.0);
    Complex square = z;
    while (bits != 0) {
        if (bits & 1) result = multiply(result, square);
        bits >>= 1;
        if (bits != 0) square = multiply(square, square);
    }
    return n < 0 ? reciprocal(result) : result;
}

}  // namespace zentrel
