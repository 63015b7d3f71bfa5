#include "engine/values/arithmetic.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace zentrel {

namespace {

struct ExtendedComplex {
    Extended re;
    Extended im;
};

template <typename Operand>
void fractionArithmetic(Fraction& target, const Operand& operand, ArithmeticOp op) {
    switch (op) {
        case ArithmeticOp::Add:
            target.add(operand);
            return;
        case ArithmeticOp::Subtract:
            target.subtract(operand);
            return;
        case ArithmeticOp::Multiply:
            target.multiply(operand);
            return;
        case ArithmeticOp::Divide:
            target.divide(operand);
            return;
        case ArithmeticOp::Remainder:
            target.remainder(operand);
            return;
    }
}

// A fraction operand acts on a complex target as the real v.
ExtendedComplex complexByReal(ExtendedComplex x, Extended v, ArithmeticOp op) {
    switch (op) {
        case ArithmeticOp::Add:
            return {x.re + v, x.im};
        case ArithmeticOp::Subtract:
            return {x.re - v, x.im};
        case ArithmeticOp::Multiply:
            return {x.re * v, x.im * v};
        case ArithmeticOp::Divide:
            return {x.re / v, x.im / v};
        case ArithmeticOp::Remainder:
            return {std::fmod(x.re, v), std::fmod(x.im, v)};
    }
    return x;
}

// Smith's method: dividing through by the larger part of the divisor keeps the
// intermediate c*c + d*d of the textbook formula from overflowing or underflowing.
ExtendedComplex smithQuotient(ExtendedComplex x, ExtendedComplex y) {
    const Extended a = x.re, b = x.im, c = y.re, d = y.im;
    if (std::fabs(d) > std::fabs(c)) {
        const Extended r = c / d;
        const Extended t = d + c * r;
        return {(a * r + b) / t, (b * r - a) / t};
    }
    const Extended r = d / c;
    const Extended t = c + d * r;
    return {(a + b * r) / t, (b - a * r) / t};
}

// Truncation of a quotient part to 32 bits. NaN and values outside the range give
// INT32_MIN, the integer indefinite value of the hardware conversion, instead of
// undefined behaviour.
std::int32_t truncateToInt32(Extended x) {
    if (!(x > -2147483649.0L && x < 2147483648.0L)) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(x);
}

// Remainder after subtracting the divisor times the quotient truncated part by part.
ExtendedComplex complexRemainder(ExtendedComplex x, ExtendedComplex y) {
    const ExtendedComplex q = smithQuotient(x, y);
    const Extended qr = truncateToInt32(q.re);
    const Extended qi = truncateToInt32(q.im);
    return {x.re - (y.re * qr - y.im * qi), x.im - (y.re * qi + y.im * qr)};
}

// A real divisor or factor (d == 0) is applied to each part on its own, so that an
// infinite part does not turn the other part into NaN through inf * 0.
ExtendedComplex complexByComplex(ExtendedComplex x, ExtendedComplex y, ArithmeticOp op) {
    const bool realOperand = y.im == 0;
    switch (op) {
        case ArithmeticOp::Add:
            return {x.re + y.re, x.im + y.im};
        case ArithmeticOp::Subtract:
            return {x.re - y.re, x.im - y.im};
        case ArithmeticOp::Multiply:
            if (realOperand) return {x.re * y.re, x.im * y.re};
            return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
        case ArithmeticOp::Divide:
            if (realOperand) return {x.re / y.re, x.im / y.re};
            return smithQuotient(x, y);
        case ArithmeticOp::Remainder:
            if (realOperand) return {std::fmod(x.re, y.re), std::fmod(x.im, y.re)};
            return complexRemainder(x, y);
    }
    return x;
}

Number realOne() {
    return Number::fromComplex({1.0, 0.0});
}

}  // namespace

void applyScalarArithmetic(Number& target, Number operand, ArithmeticOp op,
                           bool fractionRepresentation) {
    target.syncRepresentation(fractionRepresentation);
    if (target.isFraction) {
        if (operand.isFraction) {
            fractionArithmetic(target.fraction, operand.fraction, op);
        } else {
            fractionArithmetic(target.fraction, operand.complex.re, op);
        }
        return;
    }
    const ExtendedComplex x{target.complex.re, target.complex.im};
    const ExtendedComplex result =
        operand.isFraction ? complexByReal(x, operand.fraction.value(), op)
                           : complexByComplex(x, {operand.complex.re, operand.complex.im}, op);
    target.complex = {static_cast<double>(result.re), static_cast<double>(result.im)};
}

bool isDivisionByZero(Value& divisor, bool fractionRepresentation) {
    return divisor.isScalar() && isDivisionByZero(divisor.first(), fractionRepresentation);
}

bool isDivisionByZero(Number& n, bool fractionRepresentation) {
    n.syncRepresentation(fractionRepresentation);
    if (n.isFraction) return n.fraction.value() == 0;
    return n.complex.re == 0 && n.complex.im == 0;
}

void prefixIncrement(Number& number, bool fractionRepresentation) {
    number.syncRepresentation(fractionRepresentation);
    if (!number.isFraction) {
        applyScalarArithmetic(number, realOne(), ArithmeticOp::Add, fractionRepresentation);
    } else if (number.fraction.negative) {
        number.fraction.subtract(-1.0);
    } else {
        // Adding one whole denominator stays exact; only an overflow goes through clamping.
        const Extended denominator = number.fraction.denominator;
        number.fraction = Fraction::fromParts(number.fraction.numerator + denominator, denominator);
    }
}

void prefixDecrement(Number& number, bool fractionRepresentation) {
    applyScalarArithmetic(number, realOne(), ArithmeticOp::Subtract, fractionRepresentation);
}

void postfixIncrement(Number& number, ModeView modes) {
    normalizeToMode(number, modes.numberMode());
    applyScalarArithmetic(number, realOne(), ArithmeticOp::Add, modes.fractionRepresentation());
}

void postfixDecrement(Number& number, ModeView modes) {
    normalizeToMode(number, modes.numberMode());
    applyScalarArithmetic(number, realOne(), ArithmeticOp::Subtract,
                          modes.fractionRepresentation());
}

}  // namespace zentrel
