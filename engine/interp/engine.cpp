#include "engine/interp/engine.h"

#include <algorithm>
#include <string>

#include "engine/frontend/listing.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"
#include "engine/values/number_text.h"

namespace zentrel {

Engine::Engine(NumberMode presetMode)
    : presetMode(presetMode),
      ownShared_(std::make_unique<EngineShared>()),
      shared_(ownShared_.get()) {
    shared_->modes.deriveFrom(NumberMode::GFloat);
}

Engine::Engine(Engine& caller)
    : presetMode(caller.presetMode),
      callerAngleUnit(caller.shared_->modes.angleUnit),
      assertSwitch(caller.assertSwitch),
      warnSwitch(caller.warnSwitch),
      updateSwitch(caller.updateSwitch),
      debugSwitch(caller.debugSwitch),
      shared_(caller.shared_) {
    shared_->selectAngleUnit(AngleUnit::Radian);
}

Engine::~Engine() {
    if (!ownShared_) shared_->selectAngleUnit(callerAngleUnit);
}

ErrorCode Engine::run(Context& ctx, std::string_view source) {
    program_ = std::make_unique<Program>();
    ErrorCode status = program_->addSource(modes(ctx), source, recordMode != 1);
    if (status == kSuccess) {
        returnRequested = false;
        while (step(ctx, status)) {
        }
    }
    return finishRun(ctx, status);
}

bool Engine::step(Context& ctx, ErrorCode& status) {
    ProgramLine* line = program_ ? program_->takeNext() : nullptr;
    if (!line) return false;
    currentLine_ = line;
    currentTokens_ = &line->tokens;
    status = executeStatement(ctx);
    applyPostfixUpdates(ctx);
    if (status == kStatusValue && !program_->current() && showResult && !ctx.assignmentMark) {
        showAnswer(ctx);
    }
    return (status == kStatusValue || status == kStatusDone) && !returnRequested;
}

ErrorCode Engine::executeStatement(Context& ctx) {
    currentTokens_->resetCursor();
    ErrorCode status = precheck(ctx);
    if (debugSwitch.isOn() && (status == kSuccess || status == kStatusDone) &&
        !consultStepper(ctx, status == kStatusDone)) {
        return kStatusAborted;
    }
    if (status != kSuccess) return status;
    if (ErrorCode e = resultValue_.assign(ctx.answer())) return e;
    ctx.assignmentMark = false;
    ctx.groupDepth = 0;
    nesting_ = 0;
    currentTokens_->resetCursor();
    if (ErrorCode e = evaluateGroup(ctx, resultValue_)) return e;
    if (ErrorCode e = ctx.answer().assign(resultValue_)) return e;
    Value& answer = ctx.answer();
    for (std::int32_t i = 0; i < answer.count(); ++i) {
        answer.element(i).syncRepresentation(fractionRepresentation());
    }
    return kStatusValue;
}

// Decides whether the statement runs: 0 run, 4 skip, or a refusal or error.
ErrorCode Engine::precheck(Context& ctx) {
    const Token* first = currentTokens_->head();
    if (!first) return kStatusDone;
    if (first->kind == TokenKind::Command && !ctx.commandsAllowed) return kRefusedCommand;
    if (first->kind == TokenKind::Control) {
        if (!ctx.controlAllowed) return kRefusedControl;
        errorToken_ = *first;
        Value unused;
        return dispatchTables().controlCheck[first->payload.asByte()](*this, ctx, *first, unused);
    }
    return kSuccess;
}

// The statement stepper: false ends the run without a further report.
bool Engine::consultStepper(Context& ctx, bool skipped) {
    const std::int32_t line = currentLine_->lineNumber;
    const std::string_view comment = currentLine_->comment ? *currentLine_->comment : "";
    if (stepper.trace) onStepTrace(ctx, *currentTokens_, line, comment, skipped);
    const auto& breaks = stepper.breakpoints;
    const bool atBreakpoint = std::find(breaks.begin(), breaks.end(), line) != breaks.end();
    if (stepper.stepMode == 1 && skipped && !atBreakpoint) return true;
    if (stepper.stepMode == 3 && !atBreakpoint && line != stepper.targetLine) return true;
    stepper.stepMode = 0;
    stepper.targetLine = -1;
    return onStepStop(ctx, *currentTokens_, line, comment, skipped);
}

ErrorCode Engine::finishRun(Context& ctx, ErrorCode status) {
    ErrorCode result = kStatusReported;
    if (status != kStatusAborted) {
        if (report(status, currentLineNumber(), ctx, &errorToken_)) result = kStatusAborted;
    } else {
        result = kStatusAborted;
    }
    if (returnRequested && result != kStatusAborted) result = kStatusValue;
    program_.reset();
    currentLine_ = nullptr;
    currentTokens_ = &placeholderTokens_;
    return result;
}

void Engine::showAnswer(Context& ctx) {
    const Value& answer = ctx.answer();
    if (answer.count() == 1) {
        showScalarResult(formatNumber(modes(ctx), answer.first()));
    } else {
        showListResult(answer);
    }
}

std::int32_t Engine::currentLineNumber() const {
    return currentLine_ ? currentLine_->lineNumber : 0;
}

bool Engine::report(ErrorCode code, std::int32_t lineNumber, Context& ctx, const Token* token) {
    const std::int32_t line = ctx.inFile ? lineNumber - ctx.lineBase + 1 : 0;
    std::string tokenText;
    if (isWarning(code)) {
        if (!warnSwitch.isOn()) return false;
        if (token) tokenText = listToken(ctx, modes(ctx), *token);
    } else if ((code & 0x2100) != 0 && token) {
        tokenText = listToken(ctx, modes(ctx), *token);
    }
    reportStatus(code, line, ctx.fileName, tokenText);
    return isError(code) && ctx.inFile;
}

void Engine::warn(Context& ctx, ErrorCode code, const Token& token) {
    report(code, currentLineNumber(), ctx, &token);
}

ErrorCode Engine::fail(ErrorCode code, const Token& token) {
    errorToken_ = token;
    return code;
}

void Engine::queuePostfix(const OperatorRecord& target, int delta) {
    pending_.push_back({target, delta});
}

void Engine::applyPostfixUpdates(Context& ctx) {
    for (const PendingUpdate& update : pending_) {
        applyPostfixUpdate(*this, ctx, update.target, update.delta);
    }
    pending_.clear();
}

// Default host hooks: a host overrides what it shows.
void Engine::onStepTrace(Context&, const TokenLine&, std::int32_t, std::string_view, bool) {}
bool Engine::onStepStop(Context&, const TokenLine&, std::int32_t, std::string_view, bool) {
    return true;
}
bool Engine::onAssertFailed(std::int32_t, std::string_view) {
    return false;
}
void Engine::reportStatus(ErrorCode, std::int32_t, std::string_view, std::string_view) {}
void Engine::showScalarResult(std::string_view) {}
void Engine::showListResult(const Value&) {}
void Engine::showUserWarning(std::string_view) {}
void Engine::showUserError(std::string_view) {}
void Engine::consoleOutput(const std::vector<std::string>&, bool) {}
bool Engine::readInput(std::string_view, std::string&) {
    return false;
}
ErrorCode Engine::runHostCommand(Context&, std::uint8_t) {
    return kErrCommand;
}

}  // namespace zentrel
