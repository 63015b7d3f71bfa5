#include "engine/builtins/arguments.h"

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

ErrorCode readOptionalInteger(Engine& engine, Context& ctx, const Token& command,
                              std::optional<std::int64_t>& value) {
    value.reset();
    if (!engine.operandFollows()) return kSuccess;
    Value argument;
    if (ErrorCode e = engine.evaluateOperand(ctx, command, argument)) return e;
    value = argument.first().truncInt();
    return kSuccess;
}

ErrorCode readRequiredInteger(Engine& engine, Context& ctx, const Token& command,
                              std::int64_t& value) {
    std::optional<std::int64_t> argument;
    if (ErrorCode e = readOptionalInteger(engine, ctx, command, argument)) return e;
    if (!argument) return engine.fail(kErrCommandArgument, command);
    value = *argument;
    return kSuccess;
}

ErrorCode readVariableTarget(Engine& engine, Context& ctx, const Token& applying,
                             ErrorCode wrongArgument, OperatorRecord& target, Number& current) {
    Token* next = engine.peekToken();
    if (!next) return engine.fail(wrongArgument, applying);
    if (next->kind == TokenKind::Name) resolveName(engine, ctx, *next);
    if (next->kind != TokenKind::Variable && next->kind != TokenKind::NamedVariable) {
        return engine.fail(wrongArgument, applying);
    }
    Value value;
    if (ErrorCode e = engine.evaluateOperand(ctx, applying, value)) return e;
    target = engine.operatorRecord();
    current = value.first();
    return kSuccess;
}

}  // namespace zentrel
