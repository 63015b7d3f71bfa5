#include "engine/builtins/print_pieces.h"

#include "engine/builtins/array_arguments.h"
#include "engine/builtins/print_format.h"
#include "engine/interp/array_text.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {

// The arguments of a format, read from the statement as the formatter asks for them.
class StatementArguments final : public FormatArguments {
  public:
    StatementArguments(Engine& engine, Context& ctx, const Token& command)
        : engine_(engine), ctx_(ctx), command_(command) {}

    ErrorCode nextNumber(Number& out) override {
        if (!engine_.operandFollows()) return engine_.fail(kErrCommandArgument, command_);
        Value value;
        if (ErrorCode e = engine_.evaluateOperand(ctx_, command_, value)) return e;
        out = value.first();
        return kSuccess;
    }

    ErrorCode nextText(std::string& out) override {
        return readTextArgument(engine_, ctx_, command_, kErrCommandArgument, out);
    }

  private:
    Engine& engine_;
    Context& ctx_;
    const Token& command_;
};

}  // namespace

ErrorCode collectPieces(Engine& engine, Context& ctx, const Token& command,
                        std::vector<std::string>& pieces) {
    while (const Token* next = engine.peekToken()) {
        if (next->kind == TokenKind::String || arrayArgumentFollows(engine, ctx)) {
            std::string text;
            if (ErrorCode e = readTextArgument(engine, ctx, command, kErrCommandArgument, text)) {
                return e;
            }
            pieces.push_back(std::move(text));
            continue;
        }
        Value value;
        if (ErrorCode e = engine.evaluateOperand(ctx, command, value)) return e;
        pieces.push_back(formatNumber(engine.modes(ctx), value.first()));
    }
    return kSuccess;
}

ErrorCode formatPieces(Engine& engine, Context& ctx, const Token& command,
                       std::vector<std::string>& pieces) {
    std::string format;
    if (ErrorCode e = readTextArgument(engine, ctx, command, kErrCommandArgument, format)) {
        return e;
    }
    StatementArguments arguments(engine, ctx, command);
    const ErrorCode e = formatPrintf(format, arguments, pieces);
    // A third * in a specification is reported by the formatter without a token.
    return e == kErrCommandArgument ? engine.fail(e, command) : e;
}

}  // namespace zentrel
