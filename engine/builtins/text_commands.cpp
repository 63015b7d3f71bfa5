// The commands that write text into arrays: :strcpy, :strcat, :strlwr, :strupr,
// :sprint and :sprintf.
#include <string>
#include <vector>

#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/print_pieces.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/array_text.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

ErrorCode readTarget(Engine& engine, Context& ctx, const Token& command, ArrayArgument& array) {
    return readArrayArgument(engine, ctx, command, kErrCommandArgument, array);
}

// Stores the pieces one after another from `position`, the end of the text, on: each
// at the end of the text before it, so a \0 inside one piece cuts everything stored
// before the next. Each character stored is a step of the stop request.
ErrorCode storePieces(Engine& engine, Context& ctx, const Token& command,
                      const ArrayArgument& array, std::int64_t position,
                      const std::vector<std::string>& pieces) {
    VectorNode* root = writableVectorOf(ctx, array);
    if (!root) return engine.fail(kOutOfMemory, command);
    const bool fr = engine.fractionRepresentation();
    for (const std::string& piece : pieces) {
        if (engine.shared().stop.chargeWork(static_cast<std::int64_t>(piece.size()))) {
            return engine.fail(kErrInterrupted, command);
        }
        if (ErrorCode e = storeArrayText(*root, position, piece, fr, &position)) {
            return engine.fail(e, command);
        }
    }
    return kStatusDone;
}

// :strcpy dst src stores at 0; :strcat dst src at the end of dst's text.
template <bool append>
ErrorCode copyText(Engine& engine, Context& ctx, const Token& command, Value&) {
    ArrayArgument target;
    std::string text;
    if (ErrorCode e = readTarget(engine, ctx, command, target)) return e;
    if (ErrorCode e = readTextArgument(engine, ctx, command, kErrCommandArgument, text)) return e;
    const std::int64_t position =
        append ? static_cast<std::int64_t>(readArrayText(ctx.arrays.vector(target.slot)).size())
               : 0;
    return storePieces(engine, ctx, command, target, position, {text});
}

// :strlwr a and :strupr a change only the letters A-Z or a-z.
template <int first, int last, int shift>
ErrorCode changeCase(Engine& engine, Context& ctx, const Token& command, Value&) {
    ArrayArgument target;
    if (ErrorCode e = readTarget(engine, ctx, command, target)) return e;
    VectorNode* root = writableVectorOf(ctx, target);
    if (!root) return engine.fail(kOutOfMemory, command);
    shiftTextCodes(*root, first, last, shift, engine.fractionRepresentation());
    return kStatusDone;
}

// :sprint dst item... and :sprintf dst format arg...: the pieces replace dst's text.
template <bool formatted>
ErrorCode printIntoArray(Engine& engine, Context& ctx, const Token& command, Value&) {
    ArrayArgument target;
    if (ErrorCode e = readTarget(engine, ctx, command, target)) return e;
    std::vector<std::string> pieces{""};
    const ErrorCode e = formatted ? formatPieces(engine, ctx, command, pieces)
                                  : collectPieces(engine, ctx, command, pieces);
    if (e) return e;
    return storePieces(engine, ctx, command, target, 0, pieces);
}

constexpr HandlerRow kTextCommands[] = {
    {idByte(Cmd::Strcpy), copyText<false>},
    {idByte(Cmd::Strcat), copyText<true>},
    {idByte(Cmd::Strlwr), changeCase<'A', 'Z', 32>},
    {idByte(Cmd::Strupr), changeCase<'a', 'z', -32>},
    {idByte(Cmd::Sprint), printIntoArray<false>},
    {idByte(Cmd::Sprintf), printIntoArray<true>},
};
static_assert(distinctIds(kTextCommands));

}  // namespace

std::span<const HandlerRow> textCommandRows() {
    return kTextCommands;
}

}  // namespace zentrel
