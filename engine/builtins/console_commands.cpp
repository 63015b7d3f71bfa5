// The console commands :print, :println, :printf, :error and :clear. The engine only
// builds the text; the host shows it.
#include <string>
#include <vector>

#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/print_pieces.h"
#include "engine/builtins/scan_command.h"
#include "engine/builtins/user_text.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/text_escapes.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

// :print item... and :println item...
template <bool lineEnd>
ErrorCode print(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::vector<std::string> pieces;
    if (ErrorCode e = collectPieces(engine, ctx, command, pieces)) return e;
    engine.host().consoleOutput(pieces, lineEnd);
    return kStatusDone;
}

// An operand left over after a complete command fails the statement; a command
// that shows something checks before it shows, so that a failed statement shows
// nothing of its own.
ErrorCode requireStatementEnd(Engine& engine, const Token& command) {
    return engine.peekToken() ? engine.fail(kErrCommandArgument, command) : kSuccess;
}

// :printf format arg...: the format may take fewer arguments than are given.
ErrorCode printFormatted(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::vector<std::string> pieces;
    if (ErrorCode e = formatPieces(engine, ctx, command, pieces)) return e;
    if (ErrorCode e = requireStatementEnd(engine, command)) return e;
    engine.host().consoleOutput(pieces, false);
    return kStatusDone;
}

// :error text shows a user error; the run goes on.
ErrorCode showError(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::string text;
    if (ErrorCode e = readTextArgument(engine, ctx, command, kErrCommandArgument, text)) return e;
    if (ErrorCode e = requireStatementEnd(engine, command)) return e;
    engine.host().showUserError(prepareUserText(text, ctx));
    return kStatusDone;
}

ErrorCode clear(Engine&, Context&, const Token&, Value&) {
    return kStatusDone;
}

constexpr HandlerRow kConsoleCommands[] = {
    {idByte(Cmd::Print), print<false>, kOperandList},
    {idByte(Cmd::Println), print<true>, kOperandList},
    {idByte(Cmd::Printf), printFormatted},
    {idByte(Cmd::Scan), scanInput},
    {idByte(Cmd::Error), showError},
    {idByte(Cmd::Clear), clear},
};
static_assert(distinctIds(kConsoleCommands));

}  // namespace

std::span<const HandlerRow> consoleCommandRows() {
    return kConsoleCommands;
}

}  // namespace zentrel
