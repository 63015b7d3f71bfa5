#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend/program.h"
#include "engine/frontend/token.h"
#include "engine/interp/argument_source.h"
#include "engine/interp/array_literal.h"
#include "engine/interp/context.h"
#include "engine/interp/control_state.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/engine_canvas.h"
#include "engine/interp/engine_shared.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/host.h"
#include "engine/interp/line_source.h"
#include "engine/interp/operator_record.h"
#include "engine/interp/switch_pair.h"
#include "engine/values/error_code.h"
#include "engine/values/limits.h"
#include "engine/values/value.h"

namespace zentrel {

class ArgumentSource;
struct CalledBody;
class CompiledLine;
class Engine;

// Resolves a word where an operand is read: a variable label makes it a
// NamedVariable, an array label a NamedArray, a number word a Constant (in
// place, so that the next execution does not parse again); any other word
// stays a Name, the call of a function.
void resolveName(Engine& engine, Context& ctx, Token& token);

// The number of a Constant token, in the current representation.
void readConstant(const Engine& engine, const Token& token, Number& out);

// A token that names nothing, for errors raised where no operator applies.
const Token& noOperator();

// True when the token can start an operand: an operand kind that is neither a
// command, a control keyword nor a binary operator.
bool startsOperand(const Token* token);

// Runs the command of the token (a built-in one or the host's), its handler
// reading its operands from the engine; an operand it leaves over fails it.
ErrorCode callCommand(Engine& engine, Context& ctx, const Token& token, Value& result);

// Calls the built-in function of the token, its handler reading its operands
// from the engine; the result is normalised to the scope's mode.
ErrorCode callBuiltinFunction(Engine& engine, Context& ctx, const Token& token, Value& result);

// Where the statements of a run come from: the program, the program into the
// loop recorder (a block is open), or the recorder's replay of a complete block.
enum class RecordMode : std::uint8_t { Normal = 0, Recording = 1, Replaying = 2 };

// Where the stepper stops next: at every statement; at the next statement that
// is not passed over; at `targetLine`. A breakpoint always stops it.
enum class StepMode : std::uint8_t { EveryStatement = 0, OverSkipped = 1, ToLine = 3 };

// What the statement stepper does while the debug switch is on.
struct Stepper {
    StepMode stepMode = StepMode::EveryStatement;
    bool trace = false;
    std::int32_t targetLine = -1;
    std::vector<std::int32_t> breakpoints;
};

// The interpreter, as its handlers see it: every token is sent to its handler
// through the dispatch tables, and everything the language shows or asks for
// goes to the host. A nested engine (one function call, one plot) works on the
// state of the top-level engine and talks to the same host. Hosts use the
// public face (Interpreter) rather than this class.
class Engine {
  public:
    // The top-level engine: owns the state its nested engines share.
    Engine(Host& host, const DispatchTables& tables, NumberMode presetMode = NumberMode::GFloat);
    // A nested engine for one function call: shares the caller's state and host,
    // takes over its switches and starts in radians.
    explicit Engine(Engine& caller);
    // The same, with a host that stands in for the caller's (one that keeps the
    // reports of the nested run, say).
    Engine(Engine& caller, Host& host);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    ~Engine();  // restores the caller's angle unit

    // Compiles and executes the text.
    RunResult run(Context& ctx, std::string_view source);
    // Executes a compiled body (a called function) on the scope; returns as run
    // does. With `lines`, each time the body runs out the next line of that text
    // is compiled onto its end and its statements run before another is read.
    RunResult runBody(Context& ctx, Program& body, LineSource* lines = nullptr);
    // Executes the next statement of the current program; false when there is
    // none or the run must stop.
    bool step(Context& ctx, ErrorCode& status);

    // Makes the current run end before its next statement; the top-level run
    // reports 0x2003 once. Async-signal-safe and callable from any thread. A
    // request is forgotten when the next top-level run starts.
    void requestStop() noexcept { shared_->stop.request(); }
    // True once a stop was requested or the step budget is spent: a loop that
    // runs statements on its own behalf (a plot's sampler) checks it before each
    // round and ends with kErrInterrupted.
    bool stopRequested() const noexcept { return shared_->stop.pending(); }
    // Statements one top-level run may execute before it is stopped as if
    // requested; 0 for no limit (the default).
    void setStepBudget(std::int64_t steps) noexcept { shared_->stop.setStepBudget(steps); }

    // On which run a line is compiled: 2 by default, 0 never (every statement
    // is run by walking its tokens), 1 at once. Compiled or not, a line
    // behaves alike.
    void setCompileOnRun(std::uint8_t nth) noexcept { shared_->compileOnRun = nth; }

    // Reads the next token and evaluates it as an operand into result. `applying`
    // names the operator, function or command in the error for a missing operand.
    ErrorCode evaluateOperand(Context& ctx, const Token& applying, Value& result);
    // Evaluates up to the matching `)` or the end of the statement; the
    // operator record then names the last operand read.
    ErrorCode evaluateGroup(Context& ctx, Value& result);
    // The same by reading the tokens from the cursor, whatever is compiled.
    ErrorCode walkGroup(Context& ctx, Value& result);

    // The single reporting operation; true when the caller must abort the enclosing run.
    bool report(ErrorCode code, std::int32_t lineNumber, Context& ctx, const Token* token);
    // Reports a warning about `token` on the current line at once.
    void warn(Context& ctx, ErrorCode code, const Token& token);
    // Records the offending token and returns the code, for `return fail(...)`.
    ErrorCode fail(ErrorCode code, const Token& token);

    // The statement being executed: handlers read their arguments from it.
    TokenLine& statement() { return *currentTokens_; }
    // The token the next operand starts with.
    Token* peekToken() const { return arguments_ ? arguments_->peek() : currentTokens_->cursor(); }
    // Takes the token the next operand starts with, unevaluated: a handler
    // reads a text or an array by its token.
    Token* takeToken() { return arguments_ ? arguments_->take() : currentTokens_->readNext(); }
    // True when the next token can start an operand.
    bool operandFollows() const;
    // Where operands are read while a compiled call runs its handler (see
    // ArgumentScope); null reads them off the statement's tokens. Returns the
    // source it replaces.
    ArgumentSource* exchangeArguments(ArgumentSource* source) {
        ArgumentSource* previous = arguments_;
        arguments_ = source;
        return previous;
    }
    // Operand levels being evaluated, which a compiled call sets where the
    // walk would have them: they bound the nesting of the calls it makes.
    int nesting() const { return nesting_; }
    void setNesting(int levels) { nesting_ = levels; }

    ModeView modes(const Context& ctx) const { return ModeView(ctx.modes, shared_->modes); }
    bool fractionRepresentation() const { return shared_->modes.fractionRepresentation; }
    EngineShared& shared() { return *shared_; }
    const EngineShared& shared() const { return *shared_; }

    // The dispatch tables, kept at hand: every operand and operator goes through them.
    const DispatchTables& tables() const { return tables_; }
    OperatorRecord& operatorRecord() { return record_; }
    ArrayLiteralCollector& arrayLiteral() { return arrayLiteral_; }
    const Token& errorToken() const { return errorToken_; }
    std::int32_t currentLineNumber() const;
    const ProgramLine* currentLine() const { return currentLine_; }

    ControlState& control() { return control_; }
    const ControlState& control() const { return control_; }
    // Ordinary statements run: the innermost if and switch levels execute and,
    // while a recording is replayed, its current block is not passing over the
    // rest of its pass.
    bool statementsExecute() const;

    // The host every engine of this run talks to.
    Host& host() { return *host_; }
    const Host& host() const { return *host_; }

    // Asks the host whether a failed assert stops the run.
    bool assertionFailed(const Context& ctx) {
        return host_->assertionFailed(currentLineNumber(), ctx.fileName);
    }
    // Runs a called body: binds the arguments and runs it in a nested engine,
    // or as the call runner of the shared state says. 0 on success; 1 when the
    // run failed after reporting; another error code (with the token recorded
    // in `call`) when the call itself failed.
    ErrorCode callBody(CalledBody& call);

    // The name every called scope sees as a constant 1; empty removes it.
    void registerHostSymbol(std::string_view name) { shared_->hostSymbol = name; }

    // The engine canvas of the top-level engine, shared by every nested engine.
    EngineCanvas& canvas() { return shared_->canvas(); }
    // The host gives the top-level engine its canvas; null returns to the
    // state-only one. The canvas must outlive its use by the engines.
    void attachCanvas(EngineCanvas* canvas) { shared_->hostCanvas = canvas; }
    // A refresh of the engine canvas reaches the host only while the
    // auto-update switch is on.
    void requestRefresh() {
        if (updateSwitch.isOn()) host_->refresh(canvas());
    }
    void requestRefreshPixel(std::int32_t x, std::int32_t y) {
        if (updateSwitch.isOn()) host_->refreshPixel(canvas(), x, y);
    }

    // The status the last run ended with, before it was reported: 3 or 4 when
    // its statements completed normally.
    ErrorCode lastRunStatus() const { return lastRunStatus_; }

    // Queues the postfix update of the record's target, applied after the statement.
    void queuePostfix(const OperatorRecord& target, int delta);

    // Settings given by the host or changed by commands.
    NumberMode presetMode;
    AngleUnit callerAngleUnit = AngleUnit::Radian;
    bool angleResult = false;
    bool returnRequested = false;
    bool invalidArgument = false;  // raised by a built-in function for an invalid argument
    bool showResult = true;
    SwitchPair assertSwitch = SwitchPair::on();
    SwitchPair warnSwitch = SwitchPair::on();
    SwitchPair updateSwitch = SwitchPair::on();
    SwitchPair debugSwitch = SwitchPair::off();
    RecordMode recordMode = RecordMode::Normal;
    Stepper stepper;

  private:
    // How a run obtains its next statement, by recordMode: from the program,
    // into the recorder, or from the replay; a run from a text read line by line
    // has its own first two.
    bool stepNormal(Context& ctx, ErrorCode& status);
    bool stepRecording(Context& ctx, ErrorCode& status);
    bool stepReplaying(Context& ctx, ErrorCode& status);
    bool stepFileNormal(Context& ctx, ErrorCode& status);
    bool stepFileRecording(Context& ctx, ErrorCode& status);
    bool recordStatement(ProgramLine& line, ErrorCode& status);
    // The next statement, compiling the next line of the text when the program
    // has none left; null at the end of the text or when compiling failed.
    ProgramLine* takeFileLine(Context& ctx, ErrorCode& status);
    bool runStatement(Context& ctx, ProgramLine& line, ErrorCode& status);
    ProgramLine* takeSourceLine();
    ErrorCode runStatements(Context& ctx, ProgramLine* first);
    ErrorCode executeStatement(Context& ctx);
    // The compiled statement whose form is not Parts, when it may run compiled.
    const CompiledLine* compiledStatement(Context& ctx) const;
    ErrorCode runCompiled(Context& ctx, const CompiledLine& line);
    ErrorCode finishStatement(Context& ctx);
    ErrorCode precheck(Context& ctx);
    bool consultStepper(Context& ctx, bool skipped);
    RunResult finishRun(Context& ctx, ErrorCode status);
    void applyPostfixUpdates(Context& ctx);
    void showAnswer(Context& ctx);
    bool pairOperandFollows() const;
    // After the first operand of a group, when pairOperandFollows().
    ErrorCode evaluateSecondOperands(Context& ctx, Value& result);
    ErrorCode applyOperators(Context& ctx, Value& result);

    const DispatchTables& tables_;
    std::unique_ptr<EngineShared> ownShared_;
    EngineShared* shared_;
    Host* host_;
    Engine* caller_ = nullptr;  // the engine this one was made for, if nested

    Value resultValue_;
    std::unique_ptr<Program> program_;
    ProgramLine* nextLine_ = nullptr;  // next statement of the program being run
    // While a text runs line by line: where its lines come from and the program
    // they are compiled into.
    LineSource* lineSource_ = nullptr;
    Program* sourceProgram_ = nullptr;
    ProgramLine* currentLine_ = nullptr;
    TokenLine placeholderTokens_;
    TokenLine* currentTokens_ = &placeholderTokens_;
    ArgumentSource* arguments_ = nullptr;
    OperatorRecord record_;
    ArrayLiteralCollector arrayLiteral_;
    Token errorToken_{TokenKind::NoOperator, {}};
    ErrorCode lastRunStatus_ = kStatusDone;
    int nesting_ = 0;
    int nestingBase_ = 0;  // the caller's nesting: calls share one recursion budget
    ControlState control_;

    struct PendingUpdate {
        OperatorRecord target;
        int delta;
    };
    std::vector<PendingUpdate> pending_;
};

// Sets where the engine's operands come from for as long as it lives, however
// the handler that reads them ends (a failed allocation unwinds through it).
class ArgumentScope {
  public:
    // A null source reads them off the statement's tokens.
    ArgumentScope(Engine& engine, ArgumentSource* source)
        : engine_(engine), previous_(engine.exchangeArguments(source)) {}
    ~ArgumentScope() { engine_.exchangeArguments(previous_); }
    ArgumentScope(const ArgumentScope&) = delete;
    ArgumentScope& operator=(const ArgumentScope&) = delete;

  private:
    Engine& engine_;
    ArgumentSource* previous_;
};

}  // namespace zentrel
