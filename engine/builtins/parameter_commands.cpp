// :param and :params: how the parameters of the function being called are
// passed (by value or by reference) and what they are called.
#include "engine/builtins/arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/name_commands.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// :param i f — parameter i is passed by reference when f (as a byte) is not 0.
ErrorCode setParam(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::int64_t index = 0;
    std::int64_t flag = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, command, index)) return e;
    if (ErrorCode e = readRequiredInteger(engine, ctx, command, flag)) return e;
    if (index < 0 || index >= kParameterCount) return engine.fail(kErrCommandArgument, command);
    ctx.byReference[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(flag) != 0;
    return kStatusDone;
}

// The list form of :params is chosen by its first token: a marker or a word
// that is no number.
bool startsNameList(Engine& engine, Context& ctx) {
    Token* first = engine.peekToken();
    if (!first) return false;
    if (first->kind == TokenKind::Name) resolveName(engine, ctx, *first);
    return first->kind == TokenKind::Reference || first->kind == TokenKind::Name ||
           first->kind == TokenKind::NamedVariable || first->kind == TokenKind::NamedArray;
}

// [&] name ...: parameter i gets the name as the label of variable '0' + i.
ErrorCode declareNames(Engine& engine, Context& ctx, const Token& command) {
    for (int count = 0; const Token* next = engine.peekToken(); ++count) {
        if (count == kParameterCount) return engine.fail(kErrTooManyParams, command);
        const bool reference = next->kind == TokenKind::Reference;
        if (reference) engine.statement().readNext();
        const Token* word = nullptr;
        if (ErrorCode e = readNewName(engine, ctx, command, word)) return e;
        const auto slot = static_cast<std::uint8_t>('0' + count);
        if (ErrorCode e = ctx.variables.attachLabel(slot, word->payload.asText())) {
            return engine.fail(e, *word);
        }
        ctx.byReference[count] = reference;
    }
    return kStatusDone;
}

// n ...: the by-reference flags of parameters 0, 1, ... in order.
ErrorCode declareFlags(Engine& engine, Context& ctx, const Token& command) {
    Value flag;
    for (int count = 0; engine.operandFollows(); ++count) {
        if (count == kParameterCount) return engine.fail(kErrTooManyParams, command);
        if (ErrorCode e = engine.evaluateOperand(ctx, command, flag)) return e;
        ctx.byReference[count] = static_cast<std::uint8_t>(flag.first().truncInt()) != 0;
    }
    return kStatusDone;
}

ErrorCode setParams(Engine& engine, Context& ctx, const Token& command, Value&) {
    return startsNameList(engine, ctx) ? declareNames(engine, ctx, command)
                                       : declareFlags(engine, ctx, command);
}

constexpr HandlerRow kParameterCommands[] = {
    {idByte(CommandId::Param), setParam},
    {idByte(CommandId::Params), setParams},
};
static_assert(distinctIds(kParameterCommands));

}  // namespace

std::span<const HandlerRow> parameterCommandRows() {
    return kParameterCommands;
}

}  // namespace zentrel
