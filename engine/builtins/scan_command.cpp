#include "engine/builtins/scan_command.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/builtins/array_arguments.h"
#include "engine/interp/array_text.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

struct ScanEntry {
    std::string prompt;
    OperatorRecord target;  // a Variable or Array record
};

// A word that is a label becomes the named variable or array it stands for, as the
// evaluator would resolve it; variable labels win.
void resolveLabel(const Context& ctx, Token& token) {
    if (token.kind != TokenKind::Name) return;
    const std::string_view word = token.payload.asText();
    if (findVariableLabel(ctx, word) >= 0) {
        token.kind = TokenKind::NamedVariable;
    } else if (findArrayLabel(ctx, word) >= 0) {
        token.kind = TokenKind::NamedArray;
    }
}

bool isVariable(const Token& t) {
    return t.kind == TokenKind::Variable || t.kind == TokenKind::NamedVariable;
}
bool isArray(const Token& t) {
    return t.kind == TokenKind::Array || t.kind == TokenKind::NamedArray;
}

// Reads the whole argument list. A constant target is refused, but only after the list
// is complete.
ErrorCode collectEntries(Engine& engine, Context& ctx, const Token& command,
                         std::vector<ScanEntry>& entries) {
    std::string prompt;
    ErrorCode refused = kSuccess;
    while (Token* token = engine.statement().readNext()) {
        if (token->kind == TokenKind::String) {
            prompt = token->payload.asText();
            continue;
        }
        resolveLabel(ctx, *token);
        if (!isVariable(*token) && !isArray(*token)) continue;
        const bool named =
            token->kind == TokenKind::NamedVariable || token->kind == TokenKind::NamedArray;
        std::uint8_t slot = 0;
        if (ErrorCode e = settleSlot(engine, ctx, *token, slot)) return e;
        const OperatorRecord target{isVariable(*token) ? TokenKind::Variable : TokenKind::Array,
                                    slot, named};
        if (refused == kSuccess) {
            refused = checkStoreTarget(engine, ctx, target, command, kErrLeftNotVariable);
        }
        entries.push_back({std::exchange(prompt, {}), target});
    }
    return refused;
}

// The host of a typed line's run: its errors are kept for :scan to fail with,
// its warnings are reported at once as warnings of :scan, and everything else
// reaches the caller's host.
class InputReports final : public HostRelay {
  public:
    InputReports(Engine& caller, Context& ctx, const Token& command)
        : HostRelay(caller.host()), caller_(caller), ctx_(ctx), command_(command) {}

    void reportStatus(ErrorCode code, std::int32_t, std::string_view, std::string_view) override {
        if (isWarning(code)) {
            caller_.warn(ctx_, code, command_);
        } else if (isError(code) && failure == kSuccess) {
            failure = code;
        }
    }

    ErrorCode failure = kSuccess;

  private:
    Engine& caller_;
    Context& ctx_;
    const Token& command_;
};

// The value of a typed line: the answer its statements leave. The scope's own answer
// and statement flags are kept.
ErrorCode evaluateLine(Engine& engine, Context& ctx, const Token& command, std::string_view line,
                       Value& value) {
    Value savedAnswer;
    if (savedAnswer.assign(ctx.answer())) return engine.fail(kOutOfMemory, command);
    const bool savedMark = ctx.assignmentMark;
    const std::int32_t savedDepth = ctx.groupDepth;
    ErrorCode failure = kSuccess;
    Token failedToken;
    {
        InputReports reports(engine, ctx, command);
        Engine nested(engine, reports);
        // A nested engine starts in radians, as a function call does; typed
        // input is read in the caller's unit.
        nested.shared().selectAngleUnit(nested.callerAngleUnit);
        nested.showResult = false;
        nested.run(ctx, line);
        failure = reports.failure;
        failedToken = nested.errorToken();
    }
    const ErrorCode copied = value.assign(ctx.answer());
    ctx.answer() = std::move(savedAnswer);
    ctx.assignmentMark = savedMark;
    ctx.groupDepth = savedDepth;
    if (failure) return engine.fail(failure, failedToken);
    return copied ? engine.fail(copied, command) : kSuccess;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

ErrorCode storeLine(Engine& engine, Context& ctx, const Token& command, const ScanEntry& entry,
                    std::string_view line) {
    if (isBlank(line)) return kSuccess;
    if (entry.target.kind == TokenKind::Array) {
        VectorNode* root = writableVectorOf(ctx, {entry.target.slot, entry.target.named});
        const ErrorCode e =
            root ? storeArrayText(*root, 0, line, engine.fractionRepresentation()) : kOutOfMemory;
        return e ? engine.fail(e, command) : kSuccess;
    }
    Value value;
    if (ErrorCode e = evaluateLine(engine, ctx, command, line, value)) return e;
    normalizeToMode(value, ctx.modes.numberMode);
    return storeIntoTarget(engine, ctx, entry.target, command, value);
}

}  // namespace

ErrorCode scanInput(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::vector<ScanEntry> entries;
    if (ErrorCode e = collectEntries(engine, ctx, command, entries)) return e;
    for (const ScanEntry& entry : entries) {
        std::string line;
        if (!engine.host().readInput(entry.prompt, line)) break;
        if (ErrorCode e = storeLine(engine, ctx, command, entry, line)) return e;
    }
    return kStatusDone;
}

}  // namespace zentrel
