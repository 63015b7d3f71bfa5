#pragma once

#include "engine/builtins/math_scope.h"
#include "engine/values/number.h"

namespace zentrel {

// The scalar functions of the language on one complex argument. A real argument
// (imaginary part exactly 0) takes the real formula; the scope says whether the
// mode is a real one and how angles are given, and collects the invalid-argument
// flag. Functions whose real domain is limited flag an argument outside it only
// in a real mode; a complex mode gives the complex value instead.
using ScalarFunction = Complex (*)(Complex z, MathScope& scope);

// True when a real formula applies: a real argument inside the domain, or, in a
// real mode, any real argument (flagged when outside).
bool takesRealBranch(Complex z, bool outsideDomain, MathScope& scope);

// Trigonometric and hyperbolic functions (trig_math.cpp).
Complex sinOf(Complex z, MathScope& scope);
Complex cosOf(Complex z, MathScope& scope);
Complex tanOf(Complex z, MathScope& scope);
Complex asinOf(Complex z, MathScope& scope);
Complex acosOf(Complex z, MathScope& scope);
Complex atanOf(Complex z, MathScope& scope);
Complex sinhOf(Complex z, MathScope& scope);
Complex coshOf(Complex z, MathScope& scope);
Complex tanhOf(Complex z, MathScope& scope);
Complex asinhOf(Complex z, MathScope& scope);
Complex acoshOf(Complex z, MathScope& scope);
Complex atanhOf(Complex z, MathScope& scope);
// atan2 of two real parts, in the current unit in every mode.
double atan2Of(double y, double x, const MathScope& scope);

// Exponentials, logarithms and roots (exp_log_math.cpp).
Complex expOf(Complex z, MathScope& scope);
Complex exp10Of(Complex z, MathScope& scope);
Complex logOf(Complex z, MathScope& scope);
Complex log10Of(Complex z, MathScope& scope);
Complex sqrOf(Complex z, MathScope& scope);
Complex sqrtOf(Complex z, MathScope& scope);
// x^y outside the fraction modes.
Complex powerOf(Complex x, Complex y);

// Rounding, parts and tests (part_math.cpp).
Complex ceilOf(Complex z, MathScope& scope);
Complex floorOf(Complex z, MathScope& scope);
Complex absOf(Complex z, MathScope& scope);
Complex intOf(Complex z, MathScope& scope);
Complex realOf(Complex z, MathScope& scope);
Complex imagOf(Complex z, MathScope& scope);
Complex argOf(Complex z, MathScope& scope);
Complex normOf(Complex z, MathScope& scope);
Complex conjgOf(Complex z, MathScope& scope);
Complex isinfOf(Complex z, MathScope& scope);
Complex isnanOf(Complex z, MathScope& scope);
// rho·(cos theta + i·sin theta), theta given in the current unit.
Complex polarOf(double rho, double theta, const MathScope& scope);
// Truncation toward zero kept to the low 32 bits, as a signed integer.
double wrapToInt32(double x);

}  // namespace zentrel
