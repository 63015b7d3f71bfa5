#include "engine/interp/variables.h"

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/values/arithmetic.h"

namespace zentrel {

namespace {

template <typename Slots>
int findLabel(const Slots& slots, std::string_view name) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (!slots[i].label.empty() && slots[i].label == name) return i;
    }
    return -1;
}

// The slot a variable or array token addresses: its letter, its label, or for
// `@:` / `@@:` the value of the operand that follows. -1 for an unknown label.
ErrorCode settleSlot(Engine& engine, Context& ctx, const Token& token, int& slot) {
    switch (token.kind) {
        case TokenKind::Variable:
        case TokenKind::Array:
            slot = token.payload.asByte();
            if (slot != ':') return kSuccess;
            break;
        case TokenKind::NamedVariable:
            slot = findVariableLabel(ctx, token.payload.asText());
            return slot < 0 ? engine.fail(kErrConstantSyntax, token) : kSuccess;
        default:
            slot = findArrayLabel(ctx, token.payload.asText());
            return slot < 0 ? engine.fail(kErrConstantSyntax, token) : kSuccess;
    }
    Value index;
    if (ErrorCode e = engine.evaluateOperand(ctx, token, index)) return e;
    slot = static_cast<std::uint8_t>(index.first().truncInt());
    return kSuccess;
}

// The record now names the slot directly, whatever form the operand was written in.
void recordSlot(Engine& engine, TokenKind kind, int slot) {
    OperatorRecord& record = engine.operatorRecord();
    record.kind = kind;
    record.slot = static_cast<std::uint8_t>(slot);
    record.elementCount = 0;
}

bool isVariableRecord(const OperatorRecord& r) {
    return r.kind == TokenKind::Variable;
}
bool isArrayRecord(const OperatorRecord& r) {
    return r.kind == TokenKind::Array;
}

}  // namespace

int findVariableLabel(const Context& ctx, std::string_view name) {
    return findLabel(ctx.variables, name);
}

int findArrayLabel(const Context& ctx, std::string_view name) {
    return findLabel(ctx.arrays, name);
}

ErrorCode readVariableOperand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    int slot = 0;
    if (ErrorCode e = settleSlot(engine, ctx, token, slot)) return e;
    recordSlot(engine, TokenKind::Variable, slot);
    // Variable 0 has no storage of its own: it is the first element of the answer.
    const Number& source = slot == 0 ? ctx.answer().first() : ctx.variables[slot].value;
    result.setScalar(source);
    result.first().syncRepresentation(engine.fractionRepresentation());
    return kSuccess;
}

ErrorCode readArrayOperand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    int slot = 0;
    if (ErrorCode e = settleSlot(engine, ctx, token, slot)) return e;
    recordSlot(engine, TokenKind::Array, slot);
    return result.assign(ctx.arrays[slot].matrix);
}

ErrorCode checkStoreTarget(Engine& engine, const Context& ctx, const OperatorRecord& target,
                           const Token& op, ErrorCode notVariable) {
    if (target.kind == TokenKind::Constant) return engine.fail(kErrAssignToConstant, op);
    if (isVariableRecord(target)) {
        if (ctx.variables[target.slot].constant) {
            return engine.fail(kErrAssignToConstant, op);
        }
        return kSuccess;
    }
    return isArrayRecord(target) ? kSuccess : engine.fail(notVariable, op);
}

ErrorCode storeIntoTarget(Engine& engine, Context& ctx, const OperatorRecord& target,
                          const Token& op, const Value& value) {
    if (ErrorCode e = checkStoreTarget(engine, ctx, target, op, kErrLeftNotVariable)) return e;
    const std::uint8_t slot = target.slot;
    if (isArrayRecord(target)) {
        ArraySlot& array = ctx.arrays[slot];
        if (array.labelState == LabelState::Free) array.labelState = LabelState::InUse;
        return array.matrix.assign(value);
    }
    VariableSlot& variable = ctx.variables[slot];
    if (variable.labelState == LabelState::Free) variable.labelState = LabelState::InUse;
    variable.value = value.first();
    return kSuccess;
}

void applyPostfixUpdate(Engine& engine, Context& ctx, const OperatorRecord& target, int delta) {
    const std::uint8_t slot = target.slot;
    Number* number = nullptr;
    if (isVariableRecord(target)) {
        number = &ctx.variables[slot].value;
    } else if (isArrayRecord(target)) {
        number = &ctx.arrays[slot].matrix.first();
    }
    if (!number) return;
    if (delta > 0) {
        postfixIncrement(*number, engine.modes(ctx));
    } else {
        postfixDecrement(*number, engine.modes(ctx));
    }
}

}  // namespace zentrel
