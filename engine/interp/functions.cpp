// func and return: defining a function from its recorded block, and ending a
// called body with a value.
#include "engine/interp/control_handlers.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {

// A word that reads as a number could never be called or used as a label.
bool isPlainWord(const Engine& engine, const Context& ctx, const Token* token) {
    if (!token || token->kind != TokenKind::Name) return false;
    Number unused;
    return !parseLiteral(engine.modes(ctx), token->payload.asText(), unused);
}

// Names (at most ten), each optionally preceded by [&] and followed by [].
ErrorCode readParameters(Engine& engine, const Context& ctx, FunctionEntry& entry) {
    int names = 0;
    while (const Token* token = engine.statement().readNext()) {
        const bool marker =
            token->kind == TokenKind::Reference || token->kind == TokenKind::EmptyBrackets;
        const bool name = isPlainWord(engine, ctx, token);
        if ((!marker && !name) || (name && ++names > kParameterCount)) {
            return engine.fail(kErrParameterLabel, *token);
        }
        if (ErrorCode e = entry.parameters.append(*token)) return engine.fail(e, *token);
    }
    return kSuccess;
}

}  // namespace

// Replaying the recorded `func` block: the statements up to `endfunc` become
// the body, and the block is left at its end instead of being executed.
ErrorCode runFunc(Engine& engine, Context& ctx, const Token& keyword, Value&) {
    const Token* nameToken = engine.statement().readNext();
    if (!isPlainWord(engine, ctx, nameToken)) {
        return engine.fail(kErrFunctionName, nameToken ? *nameToken : keyword);
    }
    const std::string_view name = nameToken->payload.asText();
    if (ctx.functions.find(name)) return engine.fail(kErrFunctionName, *nameToken);
    FunctionEntry* entry = ctx.functions.add(name);
    if (!entry) {
        // A table that takes functions at all refused this one for want of memory.
        const bool full = ctx.functions.capacity() == 0;
        return engine.fail(full ? kErrTooManyFunctions : kOutOfMemory, keyword);
    }
    ErrorCode e = readParameters(engine, ctx, *entry);
    if (e == kSuccess) {
        e = engine.control().recorder.takeFunctionBody(entry->body);
        if (e) engine.fail(e, keyword);
    }
    if (e) {
        ctx.functions.remove(entry);
        return e;
    }
    entry->definitionLine = engine.currentLineNumber() + 1;
    return kStatusDone;
}

// Ends the body after this statement; a value after it becomes the answer when
// the scope gives one back.
ErrorCode runReturn(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    engine.returnRequested = true;
    if (!engine.operandFollows()) return kStatusDone;
    if (ErrorCode e = engine.evaluateOperand(ctx, keyword, result)) return e;
    return deliverReturnValue(engine, ctx, keyword);
}

ErrorCode deliverReturnValue(Engine& engine, Context& ctx, const Token& keyword) {
    if (ctx.returnValueAllowed && ctx.ansSwitch.isOn()) return kSuccess;
    engine.warn(ctx, kWarnReturnValue, keyword);
    return kStatusDone;
}

}  // namespace zentrel
