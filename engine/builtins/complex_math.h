#pragma once

#include <cstdint>

#include "engine/values/number.h"

namespace zentrel {

// Complex arithmetic in double precision for the built-in functions. None of it
// consults a mode: angles are radians and branches are the principal ones.

constexpr Complex realComplex(double x) {
    return {x, 0.0};
}
constexpr bool isReal(Complex z) {
    return z.im == 0.0;
}

Complex add(Complex a, Complex b);
Complex subtract(Complex a, Complex b);
Complex multiply(Complex a, Complex b);
Complex scale(Complex a, double factor);
// a / b; a zero divisor gives infinite or NaN parts, never a trap.
Complex divide(Complex a, Complex b);
Complex reciprocal(Complex z);

// |z| without overflow or underflow in the squares: m·sqrt(1 + (s/m)²), where m
// is the larger and s the smaller of |re| and |im|.
double modulus(Complex z);
// The principal square root (real part >= 0).
Complex squareRoot(Complex z);
// ln|z| + i·arg z, with arg z in (-pi, pi].
Complex logarithm(Complex z);
// e^re · (cos im + i·sin im).
Complex exponential(Complex z);
// z^n by square-and-multiply over |n|, then the reciprocal for a negative n.
Complex integerPower(Complex z, std::int64_t n);

}  // namespace zentrel
