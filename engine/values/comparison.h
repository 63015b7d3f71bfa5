#pragma once

#include <cstdint>

#include "engine/values/number.h"
#include "engine/values/value.h"

namespace zentrel {

// The comparison operators. Both give a truth the caller turns into the scalar 1 or 0;
// their results are not normalised.

enum class OrderOp : std::uint8_t { Less, LessEqual, Greater, GreaterEqual };

// [<] [<=] [>] [>=] on the realValue of two numbers (a fraction by its value, a
// complex by re; nothing is converted). With a NaN on either side Less and LessEqual
// are false while Greater and GreaterEqual are true: the latter are computed as the
// negation of LessEqual and Less.
inline bool compareOrdered(const Number& left, const Number& right, OrderOp op) {
    const Extended a = left.realValue();
    const Extended b = right.realValue();
    switch (op) {
        case OrderOp::Less:
            return a < b;
        case OrderOp::LessEqual:
            return a <= b;
        case OrderOp::Greater:
            return !(a <= b);
        case OrderOp::GreaterEqual:
            return !(a < b);
    }
    return false;
}

// One element of [==]: the accumulator's element is read in the current
// representation, the operand's in its own. Fraction against complex compares the
// values and ignores the operand's im; complex against fraction also needs im == 0;
// two fractions compare signs and cross products exactly. Two reals are equal when
// neither is less or greater than the other, so NaN equals anything.
bool numbersEqual(const Number& accumulatorElement, const Number& operandElement,
                  bool fractionRepresentation);

// [==]: same rows, same cols and numbersEqual for every element ([!=] is the negation).
bool valuesEqual(const Value& accumulator, const Value& operand, bool fractionRepresentation);

}  // namespace zentrel
