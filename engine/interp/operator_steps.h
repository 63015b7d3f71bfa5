#pragma once

// What the operators do once their operand is read. The operator handlers read
// it from the statement's tokens through the steps below; a compiled line has
// read it already and calls the same combineWith and applyUnary.
#include <optional>
#include <type_traits>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/token.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"
#include "engine/values/arithmetic.h"
#include "engine/values/comparison.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

// Outside parentheses, storing operators mark the statement as an assignment
// (its answer is not shown) and the other binary operators clear the mark.
inline void markAssignment(Context& ctx, bool isAssignment) {
    if (ctx.groupDepth == 0) ctx.assignmentMark = isAssignment;
}

constexpr bool isComparison(OperatorId id) {
    return id >= OperatorId::Less && id <= OperatorId::NotEqual;
}

// The binary operator behind a compound assignment.
OperatorId compoundBase(OperatorId id);

constexpr std::optional<ArithmeticOp> arithmeticOf(OperatorId id) {
    switch (id) {
        case OperatorId::Multiply:
            return ArithmeticOp::Multiply;
        case OperatorId::Divide:
            return ArithmeticOp::Divide;
        case OperatorId::Remainder:
            return ArithmeticOp::Remainder;
        case OperatorId::Add:
            return ArithmeticOp::Add;
        case OperatorId::Subtract:
            return ArithmeticOp::Subtract;
        default:
            return std::nullopt;
    }
}

constexpr std::optional<OrderOp> orderOf(OperatorId id) {
    switch (id) {
        case OperatorId::Less:
            return OrderOp::Less;
        case OperatorId::LessEqual:
            return OrderOp::LessEqual;
        case OperatorId::Greater:
            return OrderOp::Greater;
        case OperatorId::GreaterEqual:
            return OrderOp::GreaterEqual;
        default:
            return std::nullopt;
    }
}

// The scalar 1 or 0 a comparison gives.
inline Number truth(bool value, bool fractionRepresentation) {
    return Number::fromReal(value ? 1.0 : 0.0, fractionRepresentation);
}

// combineWith between two scalars for the bit operators and [==] [!=].
ErrorCode combineBitsOrEquality(Engine& engine, OperatorId base, Number& acc, Number& operand);

// acc = acc (base) operand, for every binary operator that has a plain value
// result. Bit operators and comparisons keep only the first elements. The
// scalar form is the core every other form reduces to between two scalars;
// its arithmetic and orderings are inline because loops run them on every pass.
[[gnu::always_inline]] inline ErrorCode combineWith(Engine& engine, Context& ctx, const Token& op,
                                                    OperatorId base, Number& acc,
                                                    Number& operand) {
    const bool fr = engine.fractionRepresentation();
    const auto arith = arithmeticOf(base);
    if (!arith) {
        const auto order = orderOf(base);
        if (!order) return combineBitsOrEquality(engine, base, acc, operand);
        acc = truth(compareOrdered(acc, operand, *order), fr);
        return kSuccess;
    }
    if ((arith == ArithmeticOp::Divide || arith == ArithmeticOp::Remainder) &&
        isDivisionByZero(operand, fr)) {
        engine.warn(ctx, kWarnDivisionByZero, op);
    }
    applyScalarArithmetic(acc, operand, *arith, fr);
    return kSuccess;
}

// The same where either side is a matrix.
ErrorCode combineMatrices(Engine& engine, Context& ctx, const Token& op, OperatorId base,
                          Value& acc, Value& operand);
inline ErrorCode combineWith(Engine& engine, Context& ctx, const Token& op, OperatorId base,
                             Value& acc, Value& operand) {
    if (acc.isScalar() && operand.isScalar()) {
        return combineWith(engine, ctx, op, base, acc.first(), operand.first());
    }
    return combineMatrices(engine, ctx, op, base, acc, operand);
}

// [~] [!] [-] [+] and `,` applied to the operand already in acc.
void applyUnary(Context& ctx, OperatorId id, Number& acc, bool fractionRepresentation);
// On a matrix each negated element is a step of the stop request.
ErrorCode applyUnary(Context& ctx, OperatorId id, Value& acc, bool fractionRepresentation,
                     StopRequest& stop);

// [++] or [--] (`id`) on the operand read into acc from `target`: checked as a
// store target, stepped by one unnormalised and stored back; `marks` the
// statement as an assignment when it stands outside any group.
ErrorCode stepAndStore(Engine& engine, Context& ctx, const Token& op, OperatorId id,
                       OperatorRecord target, Value& acc, bool marks);

// `++` or `--` after an operand: the record's target is made now and updated
// when the statement is done.
ErrorCode postfixUpdate(Engine& engine, Context& ctx, const Token& op, OperatorId id);

// The steps below take a Value accumulator, or a Number where every operand is
// known to be a scalar. `read(operand)` reads the operator's operand.

// A binary operator with a plain value result.
template <typename Acc, typename ReadOperand>
ErrorCode binaryStep(Engine& engine, Context& ctx, const Token& op, OperatorId id, Acc& acc,
                     ReadOperand&& read) {
    markAssignment(ctx, false);
    Acc operand;
    if (ErrorCode e = read(operand)) return e;
    if (ErrorCode e = combineWith(engine, ctx, op, id, acc, operand)) return e;
    if (!isComparison(id)) normalizeToMode(acc, ctx.modes.numberMode);
    return kSuccess;
}

// `=` and the compound forms: the result is normalised, stored into the target
// of the left operand and kept as the value of the expression.
template <typename Acc, typename ReadOperand>
ErrorCode assignmentStep(Engine& engine, Context& ctx, const Token& op, OperatorId id, Acc& acc,
                         ReadOperand&& read) {
    const OperatorRecord target = engine.operatorRecord();
    if (ErrorCode e = checkStoreTarget(engine, ctx, target, op, kErrLeftNotVariable)) return e;
    if (id == OperatorId::Assign) {
        if (ErrorCode e = read(acc)) return e;
    } else {
        Acc operand;
        if (ErrorCode e = read(operand)) return e;
        if (ErrorCode e = combineWith(engine, ctx, op, compoundBase(id), acc, operand)) return e;
    }
    normalizeToMode(acc, ctx.modes.numberMode);
    markAssignment(ctx, true);
    return storeIntoTarget(engine, ctx, target, op, acc);
}

// [~] [!] [-] [+] and `,`: the operand becomes the accumulator, then changes.
template <typename Acc, typename ReadOperand>
ErrorCode unaryStep(Engine& engine, Context& ctx, OperatorId id, Acc& acc, ReadOperand&& read) {
    if (ErrorCode e = read(acc)) return e;
    if constexpr (std::is_same_v<Acc, Value>) {
        return applyUnary(ctx, id, acc, engine.fractionRepresentation(), engine.shared().stop);
    } else {
        applyUnary(ctx, id, acc, engine.fractionRepresentation());
        return kSuccess;
    }
}

}  // namespace zentrel
