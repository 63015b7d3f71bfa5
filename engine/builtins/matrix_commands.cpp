// The matrix commands :mat and :trans, which reshape and transpose an array in place.
#include <cstdint>

#include "engine/builtins/arguments.h"
#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/matrix_algorithms.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

// The array of :mat: an array, an array label, or a new word, which becomes the label
// of a fresh array.
ErrorCode readOrDefineArray(Engine& engine, Context& ctx, const Token& command,
                            ArrayArgument& array) {
    Token* next = engine.peekToken();
    const bool newWord = next && next->kind == TokenKind::Name &&
                         findVariableLabel(ctx, next->payload.asText()) < 0 &&
                         findArrayLabel(ctx, next->payload.asText()) < 0 &&
                         !convertNumberWord(engine.modes(ctx), *next);
    if (!newWord) return readArrayArgument(engine, ctx, command, kErrCommandArgument, array);
    const Token& word = *engine.statement().readNext();
    int slot = 0;
    if (ErrorCode e = ctx.arrays.allocate(word.payload.asText(), slot)) {
        return engine.fail(e, word);
    }
    array = {static_cast<std::uint8_t>(slot), true};
    return kSuccess;
}

// :mat r c a: the top-left block that fits is kept, the rest is 0. Shapes without
// elements (a count of 0 or below in either direction) change nothing.
ErrorCode reshape(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::int64_t rows = 0;
    std::int64_t cols = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, command, rows)) return e;
    if (ErrorCode e = readRequiredInteger(engine, ctx, command, cols)) return e;
    ArrayArgument array;
    if (ErrorCode e = readOrDefineArray(engine, ctx, command, array)) return e;
    if (rows < 1 || cols < 1) return kStatusDone;
    if (rows > INT32_MAX || cols > INT32_MAX) return engine.fail(kOutOfMemory, command);
    // Making the new array stores every one of its elements.
    if (engine.shared().stop.chargeWork(rows * cols)) {
        return engine.fail(kErrInterrupted, command);
    }
    Value* matrix = writableMatrixOf(ctx, array);
    if (!matrix) return engine.fail(kOutOfMemory, command);
    const ErrorCode e =
        matrix->resize(static_cast<std::int32_t>(rows), static_cast<std::int32_t>(cols),
                       engine.fractionRepresentation());
    return e ? engine.fail(e, command) : kStatusDone;
}

// :trans a
ErrorCode transposeInPlace(Engine& engine, Context& ctx, const Token& command, Value&) {
    ArrayArgument array;
    if (ErrorCode e = readArrayArgument(engine, ctx, command, kErrCommandArgument, array)) {
        return e;
    }
    Value* matrix = writableMatrixOf(ctx, array);
    if (!matrix) return engine.fail(kOutOfMemory, command);
    const ErrorCode e =
        transpose(*matrix, engine.fractionRepresentation(), engine.shared().stop, *matrix);
    return e ? engine.fail(e, command) : kStatusDone;
}

constexpr HandlerRow kMatrixCommands[] = {
    {idByte(Cmd::Mat), reshape},
    {idByte(Cmd::Trans), transposeInPlace},
};
static_assert(distinctIds(kMatrixCommands));

}  // namespace

std::span<const HandlerRow> matrixCommandRows() {
    return kMatrixCommands;
}

}  // namespace zentrel
