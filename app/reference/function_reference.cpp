// What each built-in function does, in the order of the function table.
#include "app/reference/reference_rows.h"
#include "engine/frontend/name_tables.h"

namespace zentrel {
namespace {

using F = FunctionId;

constexpr std::array<ReferenceRow, kFunctionCount> kFunctionRows{{
    referenceRow(F::Defined, "<name>",
                 "1 when the word is a variable, array, label, constant or number of the mode; "
                 "0 for an unknown word (also for the name of a user function)",
                 kEveryMode),
    referenceRow(F::Isinf, "<x>", "1 when the real part of x is infinite (either sign), else 0",
                 kAllButInteger),
    referenceRow(F::Isnan, "<x>", "1 when the real part of x is not a number (NaN), else 0",
                 kAllButInteger),
    referenceRow(F::Rand, "", "the next pseudo-random whole number from 0 to 32767 (`RAND_MAX`)",
                 kEveryMode, 3027),
    referenceRow(F::Time, "",
                 "the seconds since 1970-01-01 00:00 UTC, with the milliseconds as fraction",
                 kRealComplex, 3028),
    referenceRow(F::A2d, "<x>", "the angle x converted from the current angle unit to degrees",
                 kRealComplex),
    referenceRow(F::A2g, "<x>", "the angle x converted from the current angle unit to grads",
                 kRealComplex),
    referenceRow(F::A2r, "<x>", "the angle x converted from the current angle unit to radians",
                 kRealComplex),
    referenceRow(F::D2a, "<x>", "the angle x converted from degrees to the current angle unit",
                 kRealComplex),
    referenceRow(F::D2g, "<x>", "the angle x converted from degrees to grads", kRealComplex),
    referenceRow(F::D2r, "<x>", "the angle x converted from degrees to radians", kRealComplex),
    referenceRow(F::G2a, "<x>", "the angle x converted from grads to the current angle unit",
                 kRealComplex),
    referenceRow(F::G2d, "<x>", "the angle x converted from grads to degrees", kRealComplex),
    referenceRow(F::G2r, "<x>", "the angle x converted from grads to radians", kRealComplex),
    referenceRow(F::R2a, "<x>", "the angle x converted from radians to the current angle unit",
                 kRealComplex),
    referenceRow(F::R2d, "<x>", "the angle x converted from radians to degrees", kRealComplex),
    referenceRow(F::R2g, "<x>", "the angle x converted from radians to grads", kRealComplex),
    referenceRow(F::Sin, "<x>",
                 "sine; x is in the current angle unit, in the complex modes always in radians",
                 kRealComplex, 3001),
    referenceRow(F::Cos, "<x>",
                 "cosine; x is in the current angle unit, in the complex modes always in radians",
                 kRealComplex, 3002),
    referenceRow(F::Tan, "<x>",
                 "tangent; x is in the current angle unit, in the complex modes always in radians",
                 kRealComplex, 3003),
    referenceRow(F::Asin, "<x>",
                 "inverse sine in the current angle unit; outside -1..1 a warning and NaN, in the "
                 "complex modes the complex value in radians",
                 kRealComplex, 3004),
    referenceRow(F::Acos, "<x>",
                 "inverse cosine in the current angle unit; outside -1..1 a warning and NaN, in "
                 "the complex modes the complex value in radians",
                 kRealComplex, 3005),
    referenceRow(F::Atan, "<x>", "inverse tangent in the current angle unit", kRealComplex, 3006),
    referenceRow(F::Atan2, "<y> <x>",
                 "the angle of the point (x, y) in the current angle unit, between minus and plus "
                 "a half turn",
                 kRealComplex, 3007),
    referenceRow(F::Sinh, "<x>", "hyperbolic sine", kRealComplex, 3008),
    referenceRow(F::Cosh, "<x>", "hyperbolic cosine", kRealComplex, 3009),
    referenceRow(F::Tanh, "<x>", "hyperbolic tangent", kRealComplex, 3010),
    referenceRow(F::Asinh, "<x>", "inverse hyperbolic sine", kRealComplex, 3011),
    referenceRow(F::Acosh, "<x>",
                 "inverse hyperbolic cosine; below 1 a warning and NaN, in the complex modes the "
                 "complex value",
                 kRealComplex, 3012),
    referenceRow(F::Atanh, "<x>",
                 "inverse hyperbolic tangent; at or beyond -1 or 1 a warning, in the complex modes "
                 "the complex value",
                 kRealComplex, 3013),
    referenceRow(F::Exp, "<x>", "e to the power x", kRealComplex, 3019),
    referenceRow(F::Exp10, "<x>", "10 to the power x", kRealComplex, 3020),
    referenceRow(F::Log, "<x>",
                 "natural logarithm; for 0 or less a warning in the real modes, the complex "
                 "logarithm in the complex modes",
                 kRealComplex, 3021),
    referenceRow(F::Log10, "<x>",
                 "logarithm to base 10; for 0 or less a warning in the real modes, the complex "
                 "value in the complex modes",
                 kRealComplex, 3022),
    referenceRow(F::Pow, "<x> <y>",
                 "x to the power y (the language has no power operator: `^` is exclusive or); "
                 "exact in the fraction modes when y is whole",
                 kEveryMode, 3026),
    referenceRow(F::Sqr, "<x>", "x squared (x times x)", kEveryMode, 3017),
    referenceRow(F::Sqrt, "<x>",
                 "square root; below 0 a warning and NaN in the real modes, the principal complex "
                 "root in the complex modes",
                 kRealComplex, 3018),
    referenceRow(F::Ceil, "<x>",
                 "the smallest whole number not below x (each part of a complex number)",
                 kAllButInteger, 3015),
    referenceRow(F::Floor, "<x>",
                 "the largest whole number not above x (each part of a complex number)",
                 kAllButInteger, 3016),
    referenceRow(F::Abs, "<x>", "absolute value; the modulus of a complex number", kEveryMode,
                 3014),
    referenceRow(F::Ldexp, "<x> <n>", "x times 2 to the power n (n cut to a whole number)",
                 kRealModes | kFractionModes | kIntegerModes),
    referenceRow(F::Frexp, "<x> <var>",
                 "the mantissa of x, at least 0.5 and below 1 in size (0 for 0); stores the power "
                 "of 2 into the variable",
                 kRealModes | kFractionModes),
    referenceRow(F::Modf, "<x> <var>",
                 "the fractional part of x (with the sign of x); stores the whole part into the "
                 "variable",
                 kRealModes | kFractionModes),
    referenceRow(F::Int, "<x>",
                 "x cut toward zero to a whole number of 32 bits (each part of a complex number)",
                 kEveryMode, 3029),
    referenceRow(F::Real, "<x>", "the real part of a complex number", kComplexModes, 3030),
    referenceRow(F::Imag, "<x>", "the imaginary part of a complex number", kComplexModes, 3031),
    referenceRow(F::Arg, "<x>", "the phase angle of a complex number, in the current angle unit",
                 kComplexModes, 3032),
    referenceRow(F::Norm, "<x>", "the absolute value squared, `re*re + im*im`", kRealComplex, 3033),
    referenceRow(F::Conjg, "<x>", "the complex conjugate (the imaginary part negated)",
                 kComplexModes, 3034),
    referenceRow(F::Polar, "<rho> <theta>",
                 "the complex number of absolute value rho and phase angle theta (theta in the "
                 "current angle unit)",
                 kComplexModes, 3035),
    referenceRow(F::Num, "<x>", "the numerator of x as a fraction, with its sign",
                 kRealModes | kFractionModes),
    referenceRow(F::Denom, "<x>", "the denominator of x as a fraction",
                 kRealModes | kFractionModes),
    referenceRow(F::Row, "<matrix>", "the number of rows of the matrix", kEveryMode),
    referenceRow(F::Col, "<matrix>", "the number of columns of the matrix", kEveryMode),
    referenceRow(F::Det, "<matrix>",
                 "the determinant (exact in the fraction modes); 0 and a warning when the matrix "
                 "is not square",
                 kAllButInteger),
    referenceRow(F::Inv, "<matrix>", "the inverse matrix; a warning when there is none",
                 kAllButInteger),
    referenceRow(F::Trans, "<matrix>", "the transposed matrix (rows and columns exchanged)",
                 kEveryMode),
    referenceRow(F::Eigen, "<matrix> <D> <V>",
                 "eigenvalues of a symmetric matrix by Householder reduction and QR iteration: "
                 "gives their count, stores them into the array D largest first and their "
                 "eigenvectors as the rows of the array V",
                 kRealModes),
    referenceRow(F::Jacobi, "<matrix> <D> <V>",
                 "eigenvalues of a symmetric matrix by Jacobi rotations: gives their count, stores "
                 "them into the array D largest first and their eigenvectors as the rows of V",
                 kRealModes),
    referenceRow(F::Power, "<matrix> <k> <D> <V>",
                 "the k eigenvalues of largest size by the power method with deflation: gives how "
                 "many converged, stores them into D and their eigenvectors as the rows of V",
                 kRealModes),
    referenceRow(F::Strcmp, "<text> <text>",
                 "-1, 0 or 1: how the first text compares with the second, byte by byte",
                 kEveryMode),
    referenceRow(F::Strlen, "<text>", "the number of characters of a text (a string or an array)",
                 kEveryMode),
    referenceRow(F::Gwidth, "", "the width of the canvas in pixels", kEveryMode),
    referenceRow(F::Gheight, "", "the height of the canvas in pixels", kEveryMode),
    referenceRow(F::Gcolor, "", "the current drawing colour (a palette index)", kEveryMode),
    referenceRow(F::Gcx, "", "the pen's pixel column", kEveryMode),
    referenceRow(F::Gcy, "", "the pen's pixel row", kEveryMode),
    referenceRow(F::Wcx, "", "the pen's world x", kAllButInteger),
    referenceRow(F::Wcy, "", "the pen's world y", kAllButInteger),
    referenceRow(F::Gget, "<x> <y>", "the colour of the pixel at column x, row y (0 outside)",
                 kEveryMode),
    referenceRow(F::Wget, "<x> <y>", "the colour of the pixel at the world point (x, y)",
                 kEveryMode),
    referenceRow(F::Gx, "<x>", "the pixel column of the world x", kEveryMode),
    referenceRow(F::Gy, "<y>", "the pixel row of the world y", kEveryMode),
    referenceRow(F::Wx, "<column>", "the world x of a pixel column", kAllButInteger),
    referenceRow(F::Wy, "<row>", "the world y of a pixel row", kAllButInteger),
}};
static_assert(rowsFollowIds(kFunctionRows));

}  // namespace

std::span<const ReferenceRow> functionReference() {
    return kFunctionRows;
}

}  // namespace zentrel
