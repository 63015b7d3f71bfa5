#include "engine/interp/variables.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "engine/interp/array_literal.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/values/arithmetic.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {

bool isNamed(const Token& token) {
    return token.kind == TokenKind::NamedVariable || token.kind == TokenKind::NamedArray;
}

bool isArrayRecord(const OperatorRecord& r) {
    return r.kind == TokenKind::Array;
}
// A whole array takes a value's shape; every other target takes one number.
bool isWholeArray(const OperatorRecord& r) {
    return isArrayRecord(r) && r.elementCount == 0;
}

std::span<const std::int32_t> elementNumbers(const OperatorRecord& r) {
    return {r.elements.data(), static_cast<std::size_t>(r.elementCount)};
}

// An element number truncated toward zero. Large ones are kept at the largest
// 32-bit number, which no store reaches: truncInt alone would turn a value
// beyond 64 bits into a negative number, and so into element 0.
std::int64_t elementNumber(const Number& number) {
    if (number.realValue() >= INT32_MAX) return INT32_MAX;
    return number.truncInt();
}

// Element numbers follow an array as operands, up to the first token that
// cannot start one. A negative number is warned about and counts as 0.
ErrorCode readElementNumbers(Engine& engine, Context& ctx, const Token& array,
                             OperatorRecord& into) {
    while (engine.operandFollows()) {
        if (into.elementCount == kMaxElementNumbers) return engine.fail(kErrArray, array);
        Value number;
        if (ErrorCode e = engine.evaluateOperand(ctx, array, number)) return e;
        appendElementNumber(engine, ctx, array, number.first(), into);
    }
    return kSuccess;
}

// The element the record addresses, or the spare zero of its store.
const Number& readElement(const Context& ctx, const OperatorRecord& r) {
    const auto numbers = elementNumbers(r);
    if (numbers.size() == 2) return ctx.arrays.matrix(r.slot).elementAt(numbers[0], numbers[1]);
    return readVectorPath(ctx.arrays.vector(r.slot), numbers);
}

// Element (r, c) of the matrix for writing, growing the matrix to hold it.
ErrorCode growMatrixTo(Value& matrix, std::int32_t r, std::int32_t c, bool fr, Number*& out) {
    if (r >= matrix.rows() || c >= matrix.cols()) {
        const std::int64_t rows = std::max<std::int64_t>(matrix.rows(), std::int64_t{r} + 1);
        const std::int64_t cols = std::max<std::int64_t>(matrix.cols(), std::int64_t{c} + 1);
        if (rows > INT32_MAX || cols > INT32_MAX) return kOutOfMemory;
        if (ErrorCode e = matrix.resize(static_cast<std::int32_t>(rows),
                                        static_cast<std::int32_t>(cols), fr)) {
            return e;
        }
    }
    out = &matrix.element(r * matrix.cols() + c);
    return kSuccess;
}

// The Number an array record writes: the first element of the matrix for the
// whole array, else the element, its store grown to hold it.
ErrorCode locateArrayElement(Context& ctx, const OperatorRecord& r, bool fr, Number*& out) {
    const auto numbers = elementNumbers(r);
    if (numbers.size() == 0 || numbers.size() == 2) {
        Value* matrix = ctx.arrays.writableMatrix(r.slot);
        if (!matrix) return kOutOfMemory;
        if (numbers.empty()) {
            out = &matrix->first();
            return kSuccess;
        }
        return growMatrixTo(*matrix, numbers[0], numbers[1], fr, out);
    }
    VectorNode* root = ctx.arrays.writableVector(r.slot);
    if (!root) return kOutOfMemory;
    return locateVectorPath(*root, numbers, PathFit::Grow, out);
}

// A write through an array's letter first moves a name's contents out of the slot.
ErrorCode claimArray(Context& ctx, const OperatorRecord& r) {
    return r.named ? kSuccess : ctx.arrays.claimForLetter(r.slot);
}

// A whole array takes the value's shape.
ErrorCode storeWholeArray(Context& ctx, const OperatorRecord& target, const Value& value) {
    if (ErrorCode e = claimArray(ctx, target)) return e;
    Value* matrix = ctx.arrays.writableMatrix(target.slot);
    return matrix ? matrix->assign(value) : kOutOfMemory;
}

}  // namespace

bool convertNumberWord(const ModeView& modes, Token& token) {
    Number number;
    if (token.kind != TokenKind::Name || !parseLiteral(modes, token.payload.asText(), number)) {
        return false;
    }
    token.payload = TokenPayload::number(number);
    token.kind = TokenKind::Constant;
    return true;
}

ErrorCode settleSlot(Engine& engine, Context& ctx, const Token& token, std::uint8_t& slot) {
    if (isNamed(token)) {
        const std::string_view name = token.payload.asText();
        const int found = token.kind == TokenKind::NamedVariable ? findVariableLabel(ctx, name)
                                                                 : findArrayLabel(ctx, name);
        // The label may have been removed since the word was resolved.
        if (found < 0) return engine.fail(kErrConstantSyntax, token);
        slot = static_cast<std::uint8_t>(found);
        return kSuccess;
    }
    slot = token.payload.asByte();
    if (slot != ':') return kSuccess;
    Value index;
    if (ErrorCode e = engine.evaluateOperand(ctx, token, index)) return e;
    slot = static_cast<std::uint8_t>(index.first().truncInt());
    return kSuccess;
}

int findVariableLabel(const Context& ctx, std::string_view name) {
    return ctx.variables.find(name);
}

int findArrayLabel(const Context& ctx, std::string_view name) {
    return ctx.arrays.find(name);
}

ErrorCode readVariableOperand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    std::uint8_t slot = 0;
    if (ErrorCode e = settleSlot(engine, ctx, token, slot)) return e;
    result.shrinkToScalar();
    readVariable(engine, ctx, slot, isNamed(token), result.first());
    return kSuccess;
}

ErrorCode readArrayOperand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    std::uint8_t slot = 0;
    if (ErrorCode e = settleSlot(engine, ctx, token, slot)) return e;
    OperatorRecord record{TokenKind::Array, slot, isNamed(token)};
    const Token* next = engine.peekToken();
    if (next && next->kind == TokenKind::OpenBrace) {
        if (ErrorCode e = readArrayLiteral(engine, ctx, token, slot, record.named, result)) {
            return e;
        }
        engine.operatorRecord() = record;
        return kSuccess;
    }
    if (ErrorCode e = readElementNumbers(engine, ctx, token, record)) return e;
    return readArrayElements(engine, ctx, token, record, result);
}

void appendElementNumber(Engine& engine, Context& ctx, const Token& array, const Number& number,
                         OperatorRecord& into) {
    std::int64_t n = elementNumber(number);
    if (n < 0) {
        engine.warn(ctx, kWarnNegativeElement, array);
        n = 0;
    }
    into.elements[into.elementCount++] = static_cast<std::int32_t>(n);
}

ErrorCode readArrayElements(Engine& engine, Context& ctx, const Token& token,
                            const OperatorRecord& record, Value& result) {
    engine.operatorRecord() = record;
    if (record.elementCount == 0) {
        const ErrorCode e = result.assign(ctx.arrays.matrix(record.slot));
        return e ? engine.fail(e, token) : kSuccess;
    }
    result.setScalar(readElement(ctx, record));
    result.first().syncRepresentation(engine.fractionRepresentation());
    return kSuccess;
}

ErrorCode locateArrayTarget(Context& ctx, const OperatorRecord& target, bool fr, Number*& out) {
    if (ErrorCode e = claimArray(ctx, target)) return e;
    return locateArrayElement(ctx, target, fr, out);
}

ErrorCode storeIntoElement(Engine& engine, Context& ctx, const OperatorRecord& target,
                           const Token& op, const Value& value) {
    if (!isWholeArray(target)) return storeIntoElement(engine, ctx, target, op, value.first());
    if (ErrorCode e = checkStoreTarget(engine, ctx, target, op, kErrLeftNotVariable)) return e;
    const ErrorCode e = storeWholeArray(ctx, target, value);
    return e ? engine.fail(e, op) : kSuccess;
}

ErrorCode storeIntoElement(Engine& engine, Context& ctx, const OperatorRecord& target,
                           const Token& op, const Number& number) {
    if (isWholeArray(target)) return storeIntoElement(engine, ctx, target, op, Value(number));
    if (ErrorCode e = checkStoreTarget(engine, ctx, target, op, kErrLeftNotVariable)) return e;
    const bool fr = engine.fractionRepresentation();
    Number* element = nullptr;
    if (ErrorCode e = locateArrayTarget(ctx, target, fr, element)) return engine.fail(e, op);
    *element = number;
    element->syncRepresentation(fr);
    return kSuccess;
}

void applyPostfixUpdate(Engine& engine, Context& ctx, const OperatorRecord& target, int delta) {
    // prepareStoreTarget made the target when the update was queued; locating it
    // again only fails if a literal cut it away in between and it cannot regrow.
    Number* number = nullptr;
    if (locateTarget(ctx, target, engine.fractionRepresentation(), number)) return;
    stepByOne(engine, ctx, *number, delta);
}

void stepByOne(Engine& engine, Context& ctx, Number& number, int delta) {
    if (delta > 0) {
        postfixIncrement(number, engine.modes(ctx));
    } else {
        postfixDecrement(number, engine.modes(ctx));
    }
}

}  // namespace zentrel
