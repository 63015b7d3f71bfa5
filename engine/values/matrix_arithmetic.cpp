// The matrix rules of + - * / %, all built on the scalar core.
#include "engine/values/arithmetic.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace zentrel {

namespace {

// Each element operation is a step of the stop request's count: a statement
// on a large matrix ends as soon as a stop is asked for.
ErrorCode applyToEveryElement(Value& accumulator, const Number& operand, ArithmeticOp op,
                              bool fractionRepresentation, StopRequest& stop) {
    const Number copy = operand;  // may be an element of the accumulator itself
    for (std::int32_t i = 0; i < accumulator.count(); ++i) {
        if (stop.chargeWork(1)) return kErrInterrupted;
        applyScalarArithmetic(accumulator.element(i), copy, op, fractionRepresentation);
    }
    return kSuccess;
}

// + and -: a scalar operand reduces the accumulator to a scalar; a matrix operand
// widens it to the common shape, the operand reading as zero outside its own.
ErrorCode addOrSubtract(Value& accumulator, const Value& operand, ArithmeticOp op,
                        bool fractionRepresentation, StopRequest& stop) {
    if (operand.isScalar()) {
        accumulator.shrinkToScalar();
        applyScalarArithmetic(accumulator.first(), operand.first(), op, fractionRepresentation);
        return kSuccess;
    }
    const std::int32_t rows = std::max(accumulator.rows(), operand.rows());
    const std::int32_t cols = std::max(accumulator.cols(), operand.cols());
    accumulator.shareAccount(operand.account());
    if (ErrorCode e = accumulator.resize(rows, cols, fractionRepresentation)) return e;
    for (std::int32_t r = 0; r < rows; ++r) {
        for (std::int32_t c = 0; c < cols; ++c) {
            if (stop.chargeWork(1)) return kErrInterrupted;
            applyScalarArithmetic(accumulator.element(r * cols + c), operand.elementAt(r, c), op,
                                  fractionRepresentation);
        }
    }
    return kSuccess;
}

// Scalar accumulator times matrix operand: the result takes the operand's shape.
ErrorCode scaleOperandMatrix(Value& accumulator, const Value& operand, bool fractionRepresentation,
                             StopRequest& stop) {
    Value product;
    product.shareAccount(operand.account());
    if (ErrorCode e = product.resize(operand.rows(), operand.cols(), fractionRepresentation)) {
        return e;
    }
    for (std::int32_t i = 0; i < operand.count(); ++i) {
        if (stop.chargeWork(1)) return kErrInterrupted;
        Number element = accumulator.first();
        applyScalarArithmetic(element, operand.element(i), ArithmeticOp::Multiply,
                              fractionRepresentation);
        product.element(i) = element;
    }
    accumulator = std::move(product);
    return kSuccess;
}

// The matrix product. Mismatched inner sizes are padded with zeros rather than
// refused, so k runs over the larger of the two inner sizes.
ErrorCode matrixProduct(Value& accumulator, const Value& operand, bool fractionRepresentation,
                        StopRequest& stop) {
    const std::int32_t rows = accumulator.rows();
    const std::int32_t cols = operand.cols();
    const std::int32_t inner = std::max(accumulator.cols(), operand.rows());
    Value product;
    product.shareAccount(accumulator.account());
    product.shareAccount(operand.account());
    if (ErrorCode e = product.resize(rows, cols, fractionRepresentation)) return e;
    for (std::int32_t i = 0; i < rows; ++i) {
        for (std::int32_t j = 0; j < cols; ++j) {
            Number sum = Number::zero(fractionRepresentation);
            for (std::int32_t k = 0; k < inner; ++k) {
                if (stop.chargeWork(1)) return kErrInterrupted;
                Number term = accumulator.elementAt(i, k);
                applyScalarArithmetic(term, operand.elementAt(k, j), ArithmeticOp::Multiply,
                                      fractionRepresentation);
                applyScalarArithmetic(sum, term, ArithmeticOp::Add, fractionRepresentation);
            }
            product.element(i * cols + j) = sum;
        }
    }
    accumulator = std::move(product);
    return kSuccess;
}

ErrorCode multiply(Value& accumulator, const Value& operand, bool fractionRepresentation,
                   StopRequest& stop) {
    if (operand.isScalar()) {
        return applyToEveryElement(accumulator, operand.first(), ArithmeticOp::Multiply,
                                   fractionRepresentation, stop);
    }
    if (accumulator.isScalar()) {
        return scaleOperandMatrix(accumulator, operand, fractionRepresentation, stop);
    }
    return matrixProduct(accumulator, operand, fractionRepresentation, stop);
}

}  // namespace

ErrorCode applyArithmetic(Value& accumulator, const Value& operand, ArithmeticOp op,
                          bool fractionRepresentation, StopRequest& stop) {
    switch (op) {
        case ArithmeticOp::Add:
        case ArithmeticOp::Subtract:
            return addOrSubtract(accumulator, operand, op, fractionRepresentation, stop);
        case ArithmeticOp::Multiply:
            return multiply(accumulator, operand, fractionRepresentation, stop);
        case ArithmeticOp::Divide:
            return applyToEveryElement(accumulator, operand.first(), op, fractionRepresentation,
                                       stop);
        case ArithmeticOp::Remainder:
            accumulator.shrinkToScalar();
            applyScalarArithmetic(accumulator.first(), operand.first(), op, fractionRepresentation);
            return kSuccess;
    }
    return kSuccess;
}

ErrorCode negateElements(Value& value, bool fractionRepresentation, StopRequest& stop) {
    for (std::int32_t i = 0; i < value.count(); ++i) {
        if (stop.chargeWork(1)) return kErrInterrupted;
        value.element(i) = value.element(i).negate(fractionRepresentation);
    }
    return kSuccess;
}

}  // namespace zentrel
