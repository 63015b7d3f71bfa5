// The 39 operator handlers. Binary operators read their right operand with
// evaluateOperand and combine it with the accumulator through the value
// arithmetic; storing operators write into the target the operator record names.
#include <optional>

#include "engine/frontend/name_tables.h"
#include "engine/interp/core_rows.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/operator_steps.h"
#include "engine/interp/variables.h"
#include "engine/values/arithmetic.h"
#include "engine/values/comparison.h"
#include "engine/values/integer_ops.h"

namespace zentrel {

namespace {

using Op = OperatorId;

ErrorCode combineArithmetic(Engine& engine, Context& ctx, const Token& op, ArithmeticOp arith,
                            Value& acc, Value& operand) {
    const bool fr = engine.fractionRepresentation();
    if ((arith == ArithmeticOp::Divide || arith == ArithmeticOp::Remainder) &&
        isDivisionByZero(operand, fr)) {
        engine.warn(ctx, kWarnDivisionByZero, op);
    }
    const ErrorCode e = applyArithmetic(acc, operand, arith, fr, engine.shared().stop);
    return e ? engine.fail(e, op) : kSuccess;
}

constexpr std::optional<BitOp> bitOf(Op id) {
    switch (id) {
        case Op::ShiftLeft:
            return BitOp::ShiftLeft;
        case Op::ShiftRight:
            return BitOp::ShiftRight;
        case Op::BitAnd:
            return BitOp::And;
        case Op::BitXor:
            return BitOp::Xor;
        case Op::BitOr:
            return BitOp::Or;
        default:
            return std::nullopt;
    }
}

// The operand of `op` read from the statement's tokens.
auto operandFromTokens(Engine& engine, Context& ctx, const Token& op) {
    return [&](Value& operand) { return engine.evaluateOperand(ctx, op, operand); };
}

template <Op id>
ErrorCode binaryOperator(Engine& engine, Context& ctx, const Token& op, Value& acc) {
    return binaryStep(engine, ctx, op, id, acc, operandFromTokens(engine, ctx, op));
}

template <Op id>
ErrorCode assignment(Engine& engine, Context& ctx, const Token& op, Value& acc) {
    return assignmentStep(engine, ctx, op, id, acc, operandFromTokens(engine, ctx, op));
}

// [++] and [--]: the operand must be storable; value ± 1 is stored unnormalised.
template <Op id>
ErrorCode prefixStep(Engine& engine, Context& ctx, const Token& op, Value& acc) {
    if (ErrorCode e = engine.evaluateOperand(ctx, op, acc)) return e;
    return stepAndStore(engine, ctx, op, id, engine.operatorRecord(), acc, ctx.groupDepth == 0);
}

// `++` and `--` after an operand: the update waits until the statement is done.
template <Op id>
ErrorCode postfixStep(Engine& engine, Context& ctx, const Token& op, Value&) {
    return postfixUpdate(engine, ctx, op, id);
}

template <Op id>
ErrorCode unaryOperator(Engine& engine, Context& ctx, const Token& op, Value& acc) {
    return unaryStep(engine, ctx, id, acc, operandFromTokens(engine, ctx, op));
}

// Passes over the next operand without evaluating it: for [&&] and [||] every
// token up to the next operator outside parentheses, for `?` one token or one
// parenthesised group. A `)` that closes the enclosing group ends the skip and
// stays for the group evaluator.
bool skipOperand(TokenLine& line, bool toNextOperator) {
    int depth = 0;
    bool skipped = false;
    while (Token* token = line.cursor()) {
        if (token->kind == TokenKind::CloseParen && depth == 0) break;
        if (toNextOperator && depth == 0 && token->kind == TokenKind::Operator) break;
        if (token->kind == TokenKind::OpenParen) ++depth;
        if (token->kind == TokenKind::CloseParen) --depth;
        line.readNext();
        skipped = true;
        if (!toNextOperator && depth == 0) break;
    }
    return skipped;
}

template <Op id>
ErrorCode shortCircuit(Engine& engine, Context& ctx, const Token& op, Value& acc) {
    markAssignment(ctx, false);
    const bool fr = engine.fractionRepresentation();
    const bool accTrue = !acc.isScalar() || acc.first().isTrue(fr);
    // [&&] decides on a false scalar, [||] on anything but a false scalar.
    const bool decided = id == Op::LogicalAnd ? !accTrue : accTrue;
    if (decided) {
        skipOperand(engine.statement(), true);
        acc.setScalar(truth(id == Op::LogicalOr, fr));
        return kSuccess;
    }
    Value operand;
    if (ErrorCode e = engine.evaluateOperand(ctx, op, operand)) return e;
    acc.setScalar(truth(!operand.isScalar() || operand.first().isTrue(fr), fr));
    return kSuccess;
}

ErrorCode conditional(Engine& engine, Context& ctx, const Token& op, Value& acc) {
    markAssignment(ctx, false);
    const bool takeFirst = !acc.isScalar() || acc.first().isTrue(engine.fractionRepresentation());
    TokenLine& line = engine.statement();
    if (!takeFirst && !skipOperand(line, false)) return engine.fail(kErrConditional, op);
    if (engine.evaluateOperand(ctx, op, acc) != kSuccess) return engine.fail(kErrConditional, op);
    if (takeFirst && !skipOperand(line, false)) return engine.fail(kErrConditional, op);
    normalizeToMode(acc, ctx.modes.numberMode);
    return kSuccess;
}

}  // namespace

OperatorId compoundBase(OperatorId id) {
    switch (id) {
        case Op::MultiplyAssign:
            return Op::Multiply;
        case Op::DivideAssign:
            return Op::Divide;
        case Op::RemainderAssign:
            return Op::Remainder;
        case Op::AddAssign:
            return Op::Add;
        case Op::SubtractAssign:
            return Op::Subtract;
        case Op::ShiftLeftAssign:
            return Op::ShiftLeft;
        case Op::ShiftRightAssign:
            return Op::ShiftRight;
        case Op::AndAssign:
            return Op::BitAnd;
        case Op::OrAssign:
            return Op::BitOr;
        default:
            return Op::BitXor;
    }
}

ErrorCode combineBitsOrEquality(Engine& engine, Op base, Number& acc, Number& operand) {
    const bool fr = engine.fractionRepresentation();
    if (const auto bit = bitOf(base)) {
        acc = applyBitOp(acc, operand, *bit, fr);
    } else {
        acc = truth(numbersEqual(acc, operand, fr) == (base == Op::Equal), fr);
    }
    return kSuccess;
}

// A matrix on either side: arithmetic and equality take the whole values.
ErrorCode combineMatrices(Engine& engine, Context& ctx, const Token& op, Op base, Value& acc,
                          Value& operand) {
    if (const auto arith = arithmeticOf(base)) {
        return combineArithmetic(engine, ctx, op, *arith, acc, operand);
    }
    if (base == Op::Equal || base == Op::NotEqual) {
        const bool fr = engine.fractionRepresentation();
        const bool equal = valuesEqual(acc, operand, fr);
        acc.setScalar(truth(base == Op::Equal ? equal : !equal, fr));
        return kSuccess;
    }
    // Bit operators and orderings read the first elements only.
    acc.shrinkToScalar();
    return combineWith(engine, ctx, op, base, acc.first(), operand.first());
}

void applyUnary(Context& ctx, Op id, Number& acc, bool fr) {
    if (id == Op::BitNot) acc = bitComplement(acc, fr);
    if (id == Op::LogicalNot) acc = logicalNot(acc, fr);
    if (id == Op::Negate) acc = acc.negate(fr);
    if (id == Op::ListSeparator) markAssignment(ctx, false);
    normalizeToMode(acc, ctx.modes.numberMode);
}

ErrorCode applyUnary(Context& ctx, Op id, Value& acc, bool fr, StopRequest& stop) {
    // [~] and [!] keep only the first element of a matrix.
    if (acc.isScalar() || id == Op::BitNot || id == Op::LogicalNot) {
        acc.shrinkToScalar();
        applyUnary(ctx, id, acc.first(), fr);
        return kSuccess;
    }
    if (id == Op::Negate) {
        if (ErrorCode e = negateElements(acc, fr, stop)) return e;
    }
    if (id == Op::ListSeparator) markAssignment(ctx, false);
    normalizeToMode(acc, ctx.modes.numberMode);
    return kSuccess;
}

ErrorCode stepAndStore(Engine& engine, Context& ctx, const Token& op, Op id,
                       const OperatorRecord target, Value& acc, bool marks) {
    if (ErrorCode e = checkStoreTarget(engine, ctx, target, op, kErrRightNotVariable)) return e;
    acc.shrinkToScalar();
    if (id == Op::PreIncrement) {
        prefixIncrement(acc.first(), engine.fractionRepresentation());
    } else {
        prefixDecrement(acc.first(), engine.fractionRepresentation());
    }
    if (marks) ctx.assignmentMark = true;
    return storeIntoTarget(engine, ctx, target, op, acc);
}

ErrorCode postfixUpdate(Engine& engine, Context& ctx, const Token& op, Op id) {
    const OperatorRecord& target = engine.operatorRecord();
    // The target is made now, so that a store too large to hold fails here.
    Number* located = nullptr;
    if (ErrorCode e = prepareStoreTarget(engine, ctx, target, op, located)) return e;
    engine.queuePostfix(target, id == Op::PostIncrement ? 1 : -1);
    return kSuccess;
}

namespace {

constexpr HandlerRow kOperators[] = {
    row<Op::PreIncrement>(prefixStep<Op::PreIncrement>),
    row<Op::PreDecrement>(prefixStep<Op::PreDecrement>),
    row<Op::BitNot>(unaryOperator<Op::BitNot>),
    row<Op::LogicalNot>(unaryOperator<Op::LogicalNot>),
    row<Op::Negate>(unaryOperator<Op::Negate>),
    row<Op::UnaryPlus>(unaryOperator<Op::UnaryPlus>),
    row<Op::PostIncrement>(postfixStep<Op::PostIncrement>),
    row<Op::PostDecrement>(postfixStep<Op::PostDecrement>),
    row<Op::Multiply>(binaryOperator<Op::Multiply>),
    row<Op::Divide>(binaryOperator<Op::Divide>),
    row<Op::Remainder>(binaryOperator<Op::Remainder>),
    row<Op::Add>(binaryOperator<Op::Add>),
    row<Op::Subtract>(binaryOperator<Op::Subtract>),
    row<Op::ShiftLeft>(binaryOperator<Op::ShiftLeft>),
    row<Op::ShiftRight>(binaryOperator<Op::ShiftRight>),
    row<Op::Less>(binaryOperator<Op::Less>),
    row<Op::LessEqual>(binaryOperator<Op::LessEqual>),
    row<Op::Greater>(binaryOperator<Op::Greater>),
    row<Op::GreaterEqual>(binaryOperator<Op::GreaterEqual>),
    row<Op::Equal>(binaryOperator<Op::Equal>),
    row<Op::NotEqual>(binaryOperator<Op::NotEqual>),
    row<Op::BitAnd>(binaryOperator<Op::BitAnd>),
    row<Op::BitXor>(binaryOperator<Op::BitXor>),
    row<Op::BitOr>(binaryOperator<Op::BitOr>),
    row<Op::LogicalAnd>(shortCircuit<Op::LogicalAnd>),
    row<Op::LogicalOr>(shortCircuit<Op::LogicalOr>),
    row<Op::Conditional>(conditional),
    row<Op::Assign>(assignment<Op::Assign>),
    row<Op::MultiplyAssign>(assignment<Op::MultiplyAssign>),
    row<Op::DivideAssign>(assignment<Op::DivideAssign>),
    row<Op::RemainderAssign>(assignment<Op::RemainderAssign>),
    row<Op::AddAssign>(assignment<Op::AddAssign>),
    row<Op::SubtractAssign>(assignment<Op::SubtractAssign>),
    row<Op::ShiftLeftAssign>(assignment<Op::ShiftLeftAssign>),
    row<Op::ShiftRightAssign>(assignment<Op::ShiftRightAssign>),
    row<Op::AndAssign>(assignment<Op::AndAssign>),
    row<Op::OrAssign>(assignment<Op::OrAssign>),
    row<Op::XorAssign>(assignment<Op::XorAssign>),
    row<Op::ListSeparator>(unaryOperator<Op::ListSeparator>),
};
static_assert(distinctIds(kOperators));
static_assert(std::size(kOperators) == kOperatorCount);

}  // namespace

std::span<const HandlerRow> operatorRows() {
    return kOperators;
}

}  // namespace zentrel
