#include "engine/builtins/array_arguments.h"

#include "engine/interp/array_text.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

bool claimForWrite(Context& ctx, const ArrayArgument& array) {
    return array.named || ctx.arrays.claimForLetter(array.slot) == kSuccess;
}

}  // namespace

bool arrayArgumentFollows(Engine& engine, Context& ctx) {
    Token* token = engine.peekToken();
    if (!token) return false;
    if (token->kind == TokenKind::Name) {
        const std::string_view word = token->payload.asText();
        if (findVariableLabel(ctx, word) >= 0 || findArrayLabel(ctx, word) < 0) return false;
        token->kind = TokenKind::NamedArray;
    }
    return token->kind == TokenKind::Array || token->kind == TokenKind::NamedArray;
}

ErrorCode readArrayArgument(Engine& engine, Context& ctx, const Token& applying,
                            ErrorCode wrongKind, ArrayArgument& array) {
    if (!arrayArgumentFollows(engine, ctx)) return engine.fail(wrongKind, applying);
    const Token& token = *engine.takeToken();
    array.named = token.kind == TokenKind::NamedArray;
    return settleSlot(engine, ctx, token, array.slot);
}

ErrorCode readMatrixArgument(Engine& engine, Context& ctx, const Token& function, Value& scratch,
                             const Value*& matrix) {
    if (arrayArgumentFollows(engine, ctx)) {
        ArrayArgument array;
        if (ErrorCode e = readArrayArgument(engine, ctx, function, kErrFunctionArgument, array)) {
            return e;
        }
        matrix = &ctx.arrays.matrix(array.slot);
        return kSuccess;
    }
    if (!engine.operandFollows()) return engine.fail(kErrFunctionArgument, function);
    if (ErrorCode e = engine.evaluateOperand(ctx, function, scratch)) return e;
    matrix = &scratch;
    return kSuccess;
}

ErrorCode readTextArgument(Engine& engine, Context& ctx, const Token& applying, ErrorCode wrongKind,
                           std::string& text) {
    const Token* next = engine.peekToken();
    if (next && next->kind == TokenKind::String) {
        text = engine.takeToken()->payload.asText();
        return kSuccess;
    }
    ArrayArgument array;
    if (ErrorCode e = readArrayArgument(engine, ctx, applying, wrongKind, array)) return e;
    text = readArrayText(ctx.arrays.vector(array.slot));
    return kSuccess;
}

VectorNode* writableVectorOf(Context& ctx, const ArrayArgument& array) {
    return claimForWrite(ctx, array) ? ctx.arrays.writableVector(array.slot) : nullptr;
}

Value* writableMatrixOf(Context& ctx, const ArrayArgument& array) {
    return claimForWrite(ctx, array) ? ctx.arrays.writableMatrix(array.slot) : nullptr;
}

}  // namespace zentrel
