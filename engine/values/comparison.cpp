#include "engine/values/comparison.h"

namespace zentrel {

namespace {

bool realsEqual(Extended x, Extended y) {
    return !(x < y) && !(x > y);
}

}  // namespace

bool numbersEqual(const Number& accumulatorElement, const Number& operandElement,
                  bool fractionRepresentation) {
    Number a = accumulatorElement;
    a.syncRepresentation(fractionRepresentation);
    const Number& b = operandElement;
    if (a.isFraction) {
        if (b.isFraction) return a.fraction.equals(b.fraction);
        return realsEqual(a.fraction.value(), b.complex.re);
    }
    if (b.isFraction) {
        return realsEqual(a.complex.re, b.fraction.value()) && realsEqual(a.complex.im, 0);
    }
    return realsEqual(a.complex.re, b.complex.re) && realsEqual(a.complex.im, b.complex.im);
}

bool valuesEqual(const Value& accumulator, const Value& operand, bool fractionRepresentation) {
    if (accumulator.rows() != operand.rows() || accumulator.cols() != operand.cols()) {
        return false;
    }
    for (std::int32_t i = 0; i < accumulator.count(); ++i) {
        if (!numbersEqual(accumulator.element(i), operand.element(i), fractionRepresentation)) {
            return false;
        }
    }
    return true;
}

}  // namespace zentrel
