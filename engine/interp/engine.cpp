#include "engine/interp/engine.h"

#include <algorithm>
#include <new>
#include <string>

#include "engine/frontend/listing.h"
#include "engine/interp/called_body.h"
#include "engine/interp/compiled_line.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"
#include "engine/values/number_text.h"

namespace zentrel {

Engine::Engine(Host& host, const DispatchTables& tables, NumberMode presetMode)
    : presetMode(presetMode),
      tables_(tables),
      ownShared_(std::make_unique<EngineShared>()),
      shared_(ownShared_.get()),
      host_(&host) {
    shared_->modes.deriveFrom(NumberMode::GFloat);
}

Engine::Engine(Engine& caller) : Engine(caller, *caller.host_) {}

Engine::Engine(Engine& caller, Host& host)
    : presetMode(caller.presetMode),
      callerAngleUnit(caller.shared_->modes.angleUnit),
      showResult(false),
      assertSwitch(caller.assertSwitch),
      warnSwitch(caller.warnSwitch),
      updateSwitch(caller.updateSwitch),
      debugSwitch(caller.debugSwitch),
      tables_(caller.tables_),
      shared_(caller.shared_),
      host_(&host),
      caller_(&caller),
      nestingBase_(caller.nesting_) {
    shared_->selectAngleUnit(AngleUnit::Radian);
}

Engine::~Engine() {
    if (!ownShared_) shared_->selectAngleUnit(callerAngleUnit);
}

namespace {

// Most handlers turn a failed allocation into 0x2000 where it happens; one that
// escapes from a container or a string ends the run here with the same code.
template <typename Work>
ErrorCode withAllocationGuard(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

}  // namespace

RunResult Engine::run(Context& ctx, std::string_view source) {
    if (!caller_) shared_->stop.reset();
    const ErrorCode status = withAllocationGuard([&] {
        program_ = std::make_unique<Program>();
        // Statements recorded for later keep their number words until they run,
        // so that they are read in the mode in force then.
        ErrorCode e = program_->addSource(modes(ctx), source, recordMode != RecordMode::Recording);
        return e == kSuccess ? runStatements(ctx, program_->head()) : e;
    });
    return finishRun(ctx, status);
}

RunResult Engine::runBody(Context& ctx, Program& body, LineSource* lines) {
    lineSource_ = lines;
    sourceProgram_ = &body;
    const RunResult status =
        finishRun(ctx, withAllocationGuard([&] { return runStatements(ctx, body.head()); }));
    lineSource_ = nullptr;
    sourceProgram_ = nullptr;
    return status;
}

ErrorCode Engine::runStatements(Context& ctx, ProgramLine* first) {
    nextLine_ = first;
    returnRequested = false;
    ErrorCode status = kStatusDone;
    while (step(ctx, status)) {
    }
    return status;
}

bool Engine::step(Context& ctx, ErrorCode& status) {
    using NextStatement = bool (Engine::*)(Context&, ErrorCode&);
    static constexpr std::array<NextStatement, 3> kFromProgram{
        &Engine::stepNormal, &Engine::stepRecording, &Engine::stepReplaying};
    static constexpr std::array<NextStatement, 3> kFromLines{
        &Engine::stepFileNormal, &Engine::stepFileRecording, &Engine::stepReplaying};
    const auto& table = lineSource_ ? kFromLines : kFromProgram;
    return (this->*table[static_cast<std::size_t>(recordMode)])(ctx, status);
}

ProgramLine* Engine::takeSourceLine() {
    ProgramLine* line = nextLine_;
    if (line) nextLine_ = line->next;
    return line;
}

bool Engine::stepNormal(Context& ctx, ErrorCode& status) {
    ProgramLine* line = takeSourceLine();
    return line && runStatement(ctx, *line, status);
}

// Lines read one at a time are compiled with number words kept as words:
// they are read in the mode in force when they run, as in a cached program.
// Every line before has run or been copied into the loop recorder, so only the
// last, which a report may still name, is kept: a long file costs no more than
// its loops. A line that adds no statement (a blank one) is passed over.
ProgramLine* Engine::takeFileLine(Context& ctx, ErrorCode& status) {
    if (nextLine_) return takeSourceLine();
    sourceProgram_->dropAllButTail();
    std::string text;
    while (lineSource_->nextLine(text)) {
        ProgramLine* last = sourceProgram_->tail();
        if (ErrorCode e = sourceProgram_->addSource(modes(ctx), text, false)) {
            status = e;
            return nullptr;
        }
        nextLine_ = last ? last->next : sourceProgram_->head();
        if (nextLine_) return takeSourceLine();
    }
    return nullptr;
}

bool Engine::stepFileNormal(Context& ctx, ErrorCode& status) {
    ProgramLine* line = takeFileLine(ctx, status);
    return line && runStatement(ctx, *line, status);
}

bool Engine::stepRecording(Context&, ErrorCode& status) {
    ProgramLine* line = takeSourceLine();
    return line && recordStatement(*line, status);
}

bool Engine::stepFileRecording(Context& ctx, ErrorCode& status) {
    ProgramLine* line = takeFileLine(ctx, status);
    return line && recordStatement(*line, status);
}

// While a recording is open the statements are only recorded, not executed.
bool Engine::recordStatement(ProgramLine& line, ErrorCode& status) {
    currentLine_ = &line;
    currentTokens_ = &line.tokens;
    LoopRecorder& recorder = control_.recorder;
    const ErrorCode recorded = recorder.record(line);
    if (recorded == kRecordGoOn || recorded == kRecordComplete) {
        if (recorded == kRecordComplete) recordMode = RecordMode::Replaying;
        status = kStatusDone;
        return true;
    }
    status = fail(recorded, recorder.openerToken());
    recorder.clear();
    recordMode = RecordMode::Normal;
    return false;
}

// Replayed statements run one after another here for as long as the replay
// goes on, rather than one per step: a loop pass is only a few statements.
bool Engine::stepReplaying(Context& ctx, ErrorCode& status) {
    LoopRecorder& recorder = control_.recorder;
    while (ProgramLine* line = recorder.next()) {
        // The `endwhile` or `next` of a pass that runs on does nothing but let
        // the next pass start, which the ring has already done.
        if (recorder.lastRole() == EntryRole::Closer && recorder.activeBlock().passesOn() &&
            !debugSwitch.isOn() && !arrayLiteral_.collecting() && control_.ifs.executes() &&
            control_.switches.executes()) {
            continue;
        }
        if (!runStatement(ctx, *line, status)) return false;
        if (recordMode != RecordMode::Replaying) return true;
    }
    // The recording has been replayed to its end: the program goes on.
    currentLine_ = nullptr;
    currentTokens_ = &placeholderTokens_;
    control_.recorder.clear();
    recordMode = RecordMode::Normal;
    status = kStatusDone;
    return true;
}

bool Engine::runStatement(Context& ctx, ProgramLine& line, ErrorCode& status) {
    if (shared_->stop.refuseStatement()) {
        status = kErrInterrupted;
        return false;
    }
    currentLine_ = &line;
    currentTokens_ = &line.tokens;
    if (line.tokens.countRun(shared_->compileOnRun)) {
        line.tokens.setCompiled(CompiledLine::compile(line.tokens, tables_, ctx, modes(ctx)));
    }
    status = executeStatement(ctx);
    if (!pending_.empty()) applyPostfixUpdates(ctx);
    const bool lastStatement = !nextLine_ && recordMode == RecordMode::Normal;
    if (status == kStatusValue && lastStatement && showResult && !ctx.assignmentMark) {
        showAnswer(ctx);
    }
    return (status == kStatusValue || status == kStatusDone) && !returnRequested;
}

ErrorCode Engine::executeStatement(Context& ctx) {
    if (const CompiledLine* compiled = compiledStatement(ctx)) return runCompiled(ctx, *compiled);
    if (arrayLiteral_.collecting()) {
        // The statement belongs to an open array literal; once its braces
        // balance, the whole literal runs in place of the statement.
        if (ErrorCode e = arrayLiteral_.collect(*currentTokens_)) return e;
        currentTokens_ = &arrayLiteral_.completed();
    }
    currentTokens_->resetCursor();
    ErrorCode status = precheck(ctx);
    if (debugSwitch.isOn() && (status == kSuccess || status == kStatusDone) &&
        !consultStepper(ctx, status == kStatusDone)) {
        return kStatusAborted;
    }
    if (status != kSuccess) return status;
    // A control statement never continues from the answer.
    if (currentTokens_->head()->kind != TokenKind::Control) {
        if (ErrorCode e = resultValue_.assign(ctx.answer())) return e;
    }
    ctx.assignmentMark = false;
    ctx.groupDepth = 0;
    nesting_ = nestingBase_;
    currentTokens_->resetCursor();
    if (ErrorCode e = evaluateGroup(ctx, resultValue_)) return e;
    return finishStatement(ctx);
}

// The value of the statement becomes the answer.
ErrorCode Engine::finishStatement(Context& ctx) {
    Value& answer = ctx.answer();
    if (resultValue_.isScalar() && answer.isScalar()) {
        answer.first() = resultValue_.first();
        answer.first().syncRepresentation(fractionRepresentation());
        return kStatusValue;
    }
    if (ErrorCode e = answer.assign(resultValue_)) return e;
    for (std::int32_t i = 0; i < answer.count(); ++i) {
        answer.element(i).syncRepresentation(fractionRepresentation());
    }
    return kStatusValue;
}

// A statement compiled whole runs compiled, unless the stepper or an open
// array literal takes it, a word in it means something else now, or it nests
// too deep for the levels left (the walk then reports where it runs out).
const CompiledLine* Engine::compiledStatement(Context& ctx) const {
    const CompiledLine* compiled = CompiledLine::of(*currentTokens_);
    if (!compiled || compiled->form() != CompiledLine::StatementForm::Whole ||
        arrayLiteral_.collecting() || debugSwitch.isOn()) {
        return nullptr;
    }
    if (nestingBase_ + compiled->statementGroup().depth > kMaxNestingDepth) return nullptr;
    return compiled->stillValid(ctx, modes(ctx)) ? compiled : nullptr;
}

// As the walk runs a statement: it runs unless the conditionals around it pass
// over it (a keyword's check handler decides for its statement), and its value
// becomes the answer.
ErrorCode Engine::runCompiled(Context& ctx, const CompiledLine& line) {
    if (ErrorCode checked = precheck(ctx)) return checked;
    ctx.assignmentMark = false;
    ctx.groupDepth = 0;
    nesting_ = nestingBase_;
    const ErrorCode e = line.run(*this, ctx, line.statementGroup(), resultValue_);
    currentTokens_->setCursor(nullptr);
    return e ? e : finishStatement(ctx);
}

// Decides whether the statement runs: 0 run, 4 skip, or a refusal or error.
ErrorCode Engine::precheck(Context& ctx) {
    const Token* first = currentTokens_->head();
    if (!first) return kStatusDone;
    if (first->kind == TokenKind::Command && !ctx.commandsAllowed) return kRefusedCommand;
    if (first->kind == TokenKind::Control) {
        if (!ctx.controlAllowed) return kRefusedControl;
        // Check handlers that refuse the statement record the keyword themselves.
        return tables_.controlCheck[first->payload.asByte()](*this, ctx, *first, resultValue_);
    }
    return statementsExecute() ? kSuccess : kStatusDone;
}

bool Engine::statementsExecute() const {
    if (!control_.ifs.executes() || !control_.switches.executes()) return false;
    return recordMode != RecordMode::Replaying || !control_.recorder.activeBlock().skipping();
}

// The statement stepper: false ends the run without a further report.
bool Engine::consultStepper(Context& ctx, bool skipped) {
    const std::int32_t line = currentLine_->lineNumber;
    // Both arms are views: a std::string arm would make the view dangle.
    const std::string_view comment =
        currentLine_->comment ? std::string_view(*currentLine_->comment) : std::string_view();
    const StepView step{ctx, *currentTokens_, line, comment, skipped};
    if (stepper.trace) host_->traceStatement(step);
    const auto& breaks = stepper.breakpoints;
    const bool atBreakpoint = std::find(breaks.begin(), breaks.end(), line) != breaks.end();
    if (stepper.stepMode == StepMode::OverSkipped && skipped && !atBreakpoint) return true;
    if (stepper.stepMode == StepMode::ToLine && !atBreakpoint && line != stepper.targetLine) {
        return true;
    }
    stepper.stepMode = StepMode::EveryStatement;
    stepper.targetLine = -1;
    return host_->stopAtStatement(step);
}

RunResult Engine::finishRun(Context& ctx, ErrorCode status) {
    // However an interrupted run unwound (as a failed call, say), the top-level
    // run reports the interruption once and the nested runs stay silent.
    if ((isError(status) || status == kStatusAborted) && shared_->stop.pending()) {
        status = caller_ ? kStatusAborted : kErrInterrupted;
    }
    // Updates queued by a statement that did not finish are dropped with it.
    pending_.clear();
    lastRunStatus_ = status;
    RunResult result = RunResult::Finished;
    if (status != kStatusAborted) {
        if (report(status, currentLineNumber(), ctx, &errorToken_)) {
            result = RunResult::AbortedInside;
        }
    } else {
        result = RunResult::AbortedInside;
    }
    if (returnRequested && result != RunResult::AbortedInside) result = RunResult::Returned;
    currentLine_ = nullptr;
    currentTokens_ = &placeholderTokens_;
    // A replay cut short cannot resume in a later run, and the conditionals it
    // opened can no longer close; a recording still open goes on with the
    // statements of the next run.
    if (recordMode == RecordMode::Replaying) {
        control_.recorder.clear();
        control_.ifs.popTo(control_.recordingIfDepth);
        control_.switches.popTo(control_.recordingSwitchDepth);
        recordMode = RecordMode::Normal;
    }
    program_.reset();
    nextLine_ = nullptr;
    return result;
}

void Engine::showAnswer(Context& ctx) {
    const Value& answer = ctx.answer();
    const ModeView view = modes(ctx);
    if (answer.count() == 1) {
        host_->showScalarResult(formatNumber(view, answer.first()));
        return;
    }
    host_->showListResult(formatNumberRows(view, answer));
}

std::int32_t Engine::currentLineNumber() const {
    return currentLine_ ? currentLine_->lineNumber : 0;
}

bool Engine::report(ErrorCode code, std::int32_t lineNumber, Context& ctx, const Token* token) {
    const std::int32_t line = ctx.inFile ? lineNumber - ctx.lineBase + 1 : 0;
    if (isWarning(code) && !warnSwitch.isOn()) return false;
    std::string tokenText;
    if (token && (isWarning(code) || (code & 0x2100) != 0)) {
        // Without memory for the listing the message goes out without its token.
        try {
            tokenText = listToken(ctx, modes(ctx), *token);
        } catch (const std::bad_alloc&) {
            tokenText.clear();
        }
    }
    host_->reportStatus(code, line, ctx.fileName, tokenText);
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

ErrorCode Engine::callBody(CalledBody& call) {
    const auto& runner = shared_->callRunner;
    return runner ? runner(*this, call) : runCalledBodyInNestedEngine(*this, call);
}

}  // namespace zentrel
