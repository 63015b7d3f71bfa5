#pragma once

#include <string_view>
#include <utility>

#include "engine/frontend/token.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
// Label lookup: a linear search, exact and case-sensitive; -1 when absent.
int findVariableLabel(const Context& ctx, std::string_view name);
int findArrayLabel(const Context& ctx, std::string_view name);

// A Name that is a number word (compiled without number parsing) becomes a
// Constant in place, so the next execution does not parse it again; true when
// it did.
bool convertNumberWord(const ModeView& modes, Token& token);

// The slot a variable or array token addresses: its letter, its label, or for
// `@:` / `@@:` the value of the operand that follows (0x210A for a label that
// no longer exists).
ErrorCode settleSlot(Engine& engine, Context& ctx, const Token& token, std::uint8_t& slot);

// The number variable `slot` holds, in the current representation, with the
// record naming the variable; `named` when it was reached through its label.
// Inline, as every loop pass reads variables.
// Variable 0 has no storage of its own: it is the first element of the answer.
inline const Number& variableValue(const Context& ctx, std::uint8_t slot) {
    return slot == 0 ? ctx.answer().first() : ctx.variables.value(slot);
}
inline void readVariable(Engine& engine, Context& ctx, std::uint8_t slot, bool named, Number& out) {
    engine.operatorRecord().set(TokenKind::Variable, slot, named);
    out = variableValue(ctx, slot);
    out.syncRepresentation(engine.fractionRepresentation());
}

// Operand handlers for Variable / NamedVariable and Array / NamedArray tokens.
// They settle the slot (evaluating the operand after `@:` or `@@:`), read an
// array's element numbers or literal, and write the target into the operator
// record, so that a storing operator finds it.
ErrorCode readVariableOperand(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode readArrayOperand(Engine& engine, Context& ctx, const Token& token, Value& result);

// Adds an element number read after an array to the record: truncated, a
// negative one warned about and taken as 0. The record has room for it.
void appendElementNumber(Engine& engine, Context& ctx, const Token& array, const Number& number,
                         OperatorRecord& into);
// With the element numbers read: the record becomes the operator record and
// the result the element, or the whole array without element numbers.
ErrorCode readArrayElements(Engine& engine, Context& ctx, const Token& token,
                            const OperatorRecord& record, Value& result);

// Checks that the record names something a storing operator may write: 0x2104
// (`notVariable`) when it is not a variable or array, 0x210E when it is a constant.
inline ErrorCode checkVariableStore(Engine& engine, const Context& ctx, std::uint8_t slot,
                                    bool named, const Token& op) {
    // A constant belongs to its name: written through the slot's letter, it
    // moves to a fresh slot and the write goes to the old one.
    const bool movesAway = !named && ctx.variables.state(slot) == LabelState::Allocated;
    if (ctx.variables.isConstant(slot) && !movesAway) return engine.fail(kErrAssignToConstant, op);
    return kSuccess;
}
inline ErrorCode checkStoreTarget(Engine& engine, const Context& ctx, const OperatorRecord& target,
                                  const Token& op, ErrorCode notVariable) {
    if (target.kind == TokenKind::Variable) {
        return checkVariableStore(engine, ctx, target.slot, target.named, op);
    }
    if (target.kind == TokenKind::Array) return kSuccess;
    return engine.fail(target.kind == TokenKind::Constant ? kErrAssignToConstant : notVariable, op);
}

// The Number the record's target writes, after claiming the slot: a write
// through the letter first moves a name's contents out of the slot, and an
// array's store grows to hold the element. `fr` is the representation a grown
// store starts in.
ErrorCode locateArrayTarget(Context& ctx, const OperatorRecord& target, bool fr, Number*& out);
inline ErrorCode locateTarget(Context& ctx, const OperatorRecord& target, bool fr, Number*& out) {
    if (target.kind != TokenKind::Variable) return locateArrayTarget(ctx, target, fr, out);
    if (!target.named) {
        if (ErrorCode e = ctx.variables.claimForLetter(target.slot)) return e;
    }
    out = &ctx.variables.value(target.slot);
    return kSuccess;
}

// checkStoreTarget, then makes the target exist (a named slot written through
// its letter moves its contents away, a store grows to hold the element) and
// points `located` at it; 0x2000 naming `op` when it cannot.
inline ErrorCode prepareStoreTarget(Engine& engine, Context& ctx, const OperatorRecord& target,
                                    const Token& op, Number*& located) {
    if (ErrorCode e = checkStoreTarget(engine, ctx, target, op, kErrLeftNotVariable)) return e;
    const ErrorCode e = locateTarget(ctx, target, engine.fractionRepresentation(), located);
    return e ? engine.fail(e, op) : kSuccess;
}

// Stores the value into the record's target: a variable or element takes its
// first element, a whole array the value itself. A variable keeps the number
// as it is; an array element takes the current representation, as matrix
// elements do.
// The stores into arrays (and the refusal of any other target) are out of line.
ErrorCode storeIntoElement(Engine& engine, Context& ctx, const OperatorRecord& target,
                           const Token& op, const Value& value);
ErrorCode storeIntoElement(Engine& engine, Context& ctx, const OperatorRecord& target,
                           const Token& op, const Number& number);
// The variable a storing operator writes, by its letter or (`named`) its
// label, after checking and claiming it as prepareStoreTarget does.
inline ErrorCode claimVariable(Engine& engine, Context& ctx, std::uint8_t slot, bool named,
                               const Token& op, Number*& out) {
    if (ErrorCode e = checkVariableStore(engine, ctx, slot, named, op)) return e;
    if (!named) {
        if (ErrorCode e = ctx.variables.claimForLetter(slot)) return engine.fail(e, op);
    }
    out = &ctx.variables.value(slot);
    return kSuccess;
}
inline ErrorCode storeIntoVariable(Engine& engine, Context& ctx, std::uint8_t slot, bool named,
                                   const Token& op, const Number& number) {
    Number* stored = nullptr;
    if (ErrorCode e = claimVariable(engine, ctx, slot, named, op, stored)) return e;
    *stored = number;
    return kSuccess;
}
inline ErrorCode storeIntoTarget(Engine& engine, Context& ctx, const OperatorRecord& target,
                                 const Token& op, const Number& number) {
    if (target.kind != TokenKind::Variable)
        return storeIntoElement(engine, ctx, target, op, number);
    return storeIntoVariable(engine, ctx, target.slot, target.named, op, number);
}
inline ErrorCode storeIntoTarget(Engine& engine, Context& ctx, const OperatorRecord& target,
                                 const Token& op, const Value& value) {
    if (target.kind != TokenKind::Variable) return storeIntoElement(engine, ctx, target, op, value);
    return storeIntoTarget(engine, ctx, target, op, value.first());
}

// The deferred update of a postfix ++ (delta 1) or -- (delta -1), on a target
// prepared when it was queued.
void applyPostfixUpdate(Engine& engine, Context& ctx, const OperatorRecord& target, int delta);
// The postfix update itself: the number ± 1 in the current mode.
void stepByOne(Engine& engine, Context& ctx, Number& number, int delta);

}  // namespace zentrel
