// Commands that give names to variables, arrays and constants: :var, :array,
// :label, :define, :enum and :undef.
#include "engine/builtins/name_commands.h"

#include "engine/builtins/builtin_rows.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

bool isWordToken(const Token& token) {
    return token.kind == TokenKind::Name || token.kind == TokenKind::NamedVariable ||
           token.kind == TokenKind::NamedArray;
}

// A word that can name something; a number word recorded without number
// parsing is a value, not a name.
bool isPlainWord(Engine& engine, Context& ctx, Token& token) {
    return isWordToken(token) && !convertNumberWord(engine.modes(ctx), token);
}

bool isLabel(const Context& ctx, std::string_view word) {
    return findVariableLabel(ctx, word) >= 0 || findArrayLabel(ctx, word) >= 0;
}

// Defines one constant: `:define` and `:enum` share the checks and the slot.
ErrorCode defineConstant(Engine& engine, Context& ctx, const Token& word, const Number& value) {
    int slot = 0;
    const ErrorCode e = ctx.variables.define(word.payload.asText(), value, true, slot);
    return e ? engine.fail(e, word) : kSuccess;
}

// :var and :array: each name, if any, gets a fresh slot.
template <Cmd id>
ErrorCode defineNames(Engine& engine, Context& ctx, const Token& command, Value&) {
    const Number zero = Number::zero(engine.fractionRepresentation());
    while (engine.peekToken()) {
        const Token* word = nullptr;
        if (ErrorCode e = readNewName(engine, ctx, command, word)) return e;
        const std::string_view name = word->payload.asText();
        int slot = 0;
        const ErrorCode e = id == Cmd::Var ? ctx.variables.define(name, zero, false, slot)
                                           : ctx.arrays.allocate(name, slot);
        if (e) return engine.fail(e, *word);
    }
    return kStatusDone;
}

// :define name [value]: a value that cannot be evaluated leaves the constant 1.
ErrorCode defineValue(Engine& engine, Context& ctx, const Token& command, Value&) {
    const Token* word = nullptr;
    if (ErrorCode e = readNewName(engine, ctx, command, word)) return e;
    Number value = Number::fromReal(1.0, engine.fractionRepresentation());
    Value operand;
    if (engine.operandFollows() && engine.evaluateOperand(ctx, command, operand) == kSuccess) {
        value = operand.first();
    }
    if (ErrorCode e = defineConstant(engine, ctx, *word, value)) return e;
    return kStatusDone;
}

// :enum A B 10 C: constants counted from 0; a value after a name restarts the count.
ErrorCode defineEnumeration(Engine& engine, Context& ctx, const Token& command, Value&) {
    const bool fr = engine.fractionRepresentation();
    std::int64_t counter = 0;
    while (engine.peekToken()) {
        const Token* word = nullptr;
        if (ErrorCode e = readNewName(engine, ctx, command, word)) return e;
        Token* next = engine.peekToken();
        if (engine.operandFollows() && !isPlainWord(engine, ctx, *next)) {
            Value operand;
            if (ErrorCode e = engine.evaluateOperand(ctx, command, operand)) return e;
            counter = operand.first().truncInt();
        }
        const Number value = Number::fromReal(static_cast<double>(counter), fr);
        if (ErrorCode e = defineConstant(engine, ctx, *word, value)) return e;
        ++counter;
    }
    return kStatusDone;
}

// :undef @x or :undef name: the variable loses its label and constant mark.
ErrorCode undefine(Engine& engine, Context& ctx, const Token& command, Value&) {
    Token* token = engine.statement().readNext();
    if (!token) return engine.fail(kErrCommandArgument, command);
    std::uint8_t slot = 0;
    if (token->kind == TokenKind::Variable) {
        if (ErrorCode e = settleSlot(engine, ctx, *token, slot)) return e;
    } else if (isPlainWord(engine, ctx, *token)) {
        const std::string_view word = token->payload.asText();
        const int found = findVariableLabel(ctx, word);
        if (found < 0) {
            const bool isArray = findArrayLabel(ctx, word) >= 0;
            return engine.fail(isArray ? kErrCommandArgument : kErrNotDefined,
                               isArray ? command : *token);
        }
        slot = static_cast<std::uint8_t>(found);
    } else {
        return engine.fail(kErrCommandArgument, command);
    }
    ctx.variables.release(slot);
    return kStatusDone;
}

// :label name @x or :label name @@x.
ErrorCode attachLabel(Engine& engine, Context& ctx, const Token& command, Value&) {
    const Token* word = nullptr;
    if (ErrorCode e = readNewName(engine, ctx, command, word)) return e;
    Token* target = engine.statement().readNext();
    if (!target || (target->kind != TokenKind::Variable && target->kind != TokenKind::Array)) {
        return engine.fail(kErrCommandArgument, command);
    }
    std::uint8_t slot = 0;
    if (ErrorCode e = settleSlot(engine, ctx, *target, slot)) return e;
    const std::string_view name = word->payload.asText();
    const ErrorCode e = target->kind == TokenKind::Variable ? ctx.variables.attachLabel(slot, name)
                                                            : ctx.arrays.attachLabel(slot, name);
    return e ? engine.fail(e, *word) : kStatusDone;
}

constexpr HandlerRow kNameCommands[] = {
    row<Cmd::Define>(defineValue),
    row<Cmd::Enum>(defineEnumeration),
    row<Cmd::Undef>(undefine),
    row<Cmd::Var>(defineNames<Cmd::Var>),
    row<Cmd::Array>(defineNames<Cmd::Array>),
    row<Cmd::Label>(attachLabel),
};
static_assert(distinctIds(kNameCommands));

}  // namespace

ErrorCode readNewName(Engine& engine, Context& ctx, const Token& command, const Token*& word) {
    Token* token = engine.statement().readNext();
    if (!token) return engine.fail(kErrCommandArgument, command);
    if (token->kind == TokenKind::Variable || token->kind == TokenKind::Array) {
        return engine.fail(kErrAlreadyDefined, *token);
    }
    if (!isPlainWord(engine, ctx, *token)) return engine.fail(kErrCommandArgument, command);
    if (isLabel(ctx, token->payload.asText())) return engine.fail(kErrAlreadyDefined, *token);
    word = token;
    return kSuccess;
}

std::span<const HandlerRow> nameCommandRows() {
    return kNameCommands;
}

}  // namespace zentrel
