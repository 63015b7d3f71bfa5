#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend/program.h"
#include "engine/frontend/token.h"
#include "engine/interp/array_literal.h"
#include "engine/interp/context.h"
#include "engine/interp/control_state.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/engine_canvas.h"
#include "engine/interp/engine_shared.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/line_source.h"
#include "engine/interp/switch_pair.h"
#include "engine/values/error_code.h"
#include "engine/values/limits.h"
#include "engine/values/value.h"

namespace zentrel {

// Room for element numbers after an array operand in the operator record.
inline constexpr int kMaxElementNumbers = 15;

// Where the value of the last operand came from: its token kind and, for a
// variable or array, the settled slot (a label or an indirect `@:` already
// resolved) with the element numbers read after an array. Storing operators
// find their target here. A variable or array named by a label has kind
// Variable or Array with `named` set.
struct OperatorRecord {
    TokenKind kind = TokenKind::NoOperator;
    std::uint8_t slot = 0;
    bool named = false;  // written through its label, not its letter
    int elementCount = 0;
    std::array<std::int32_t, kMaxElementNumbers> elements{};

    // Points the record at a new source. The element numbers past
    // elementCount are never read, so they are left as they are: every
    // operand sets the record.
    void set(TokenKind newKind, std::uint8_t newSlot = 0, bool newNamed = false) {
        kind = newKind;
        slot = newSlot;
        named = newNamed;
        elementCount = 0;
    }
};

struct CalledBody;
class Engine;
class PreparedLine;

// Resolves a word where an operand is read: a variable label makes it a
// NamedVariable, an array label a NamedArray, a number word a Constant (in
// place, so that the next execution does not parse again); any other word
// stays a Name, the call of a function.
void resolveName(Engine& engine, Context& ctx, Token& token);

// The number of a Constant token, in the current representation.
void readConstant(const Engine& engine, const Token& token, Number& out);

// A token that names nothing, for errors raised where no operator applies.
const Token& noOperator();

// One external function as the host lists it: its name and the first line of
// its description (empty when it has none).
struct FunctionListing {
    std::string name;
    std::string description;
};

// What the statement stepper does while the debug switch is on.
struct Stepper {
    std::uint8_t stepMode = 0;
    bool trace = false;
    std::int32_t targetLine = -1;
    std::vector<std::int32_t> breakpoints;
};

// The interpreter. A host derives from it and overrides the host hooks; every
// token is sent to its handler through fixed dispatch tables. A nested engine's
// default hooks forward to the engine that made it, so the host sees everything
// a called body reports or prints.
class Engine {
  public:
    // The top-level engine: owns the process-wide state.
    explicit Engine(NumberMode presetMode = NumberMode::GFloat);
    // A nested engine for one function call: shares the caller's process-wide
    // state, takes over its switches and starts in radians.
    explicit Engine(Engine& caller);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    virtual ~Engine();  // hook 0: restores the caller's angle unit

    // Compiles and executes the text; returns 1 (an error inside a function or
    // file), 2 (finished) or 3 (ended by return).
    ErrorCode run(Context& ctx, std::string_view source);
    // Executes a compiled body (a called function) on the scope; returns as run
    // does. With `lines`, each time the body runs out the next line of that text
    // is compiled onto its end and its statements run before another is read.
    ErrorCode runBody(Context& ctx, Program& body, LineSource* lines = nullptr);
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

    // On which run a line is decoded once for speed: 2 by default, 0 never,
    // 1 at once. Prepared or not, a line behaves alike.
    void setPrepareOnRun(std::uint8_t nth) noexcept { shared_->prepareOnRun = nth; }

    // Reads the next token and evaluates it as an operand into result. `applying`
    // names the operator, function or command in the error for a missing operand.
    ErrorCode evaluateOperand(Context& ctx, const Token& applying, Value& result);
    // Evaluates up to the matching `)` or the end of the statement; the
    // operator record then names the last operand read.
    ErrorCode evaluateGroup(Context& ctx, Value& result);

    // The single reporting operation; true when the caller must abort the enclosing run.
    bool report(ErrorCode code, std::int32_t lineNumber, Context& ctx, const Token* token);
    // Reports a warning about `token` on the current line at once.
    void warn(Context& ctx, ErrorCode code, const Token& token);
    // Records the offending token and returns the code, for `return fail(...)`.
    ErrorCode fail(ErrorCode code, const Token& token);

    // The statement being executed: handlers read their arguments from it.
    TokenLine& statement() { return *currentTokens_; }
    Token* peekToken() const { return currentTokens_->cursor(); }
    // True when the next token can start an operand.
    bool operandFollows() const;

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

    // Runs a command beyond the command table through the host (hook 24).
    ErrorCode callHostCommand(Context& ctx, std::uint8_t commandId) {
        return runHostCommand(ctx, commandId);
    }
    // Shows a user warning text through the host (hook 12).
    void showWarningText(std::string_view text) { showUserWarning(text); }

    // Asks the host whether a failed assert stops the run (hook 8).
    bool assertionFailed(const Context& ctx) {
        return onAssertFailed(currentLineNumber(), ctx.fileName);
    }
    // Runs a called body through the host (hook 6).
    ErrorCode callBody(CalledBody& call) { return runCalledBody(*this, call); }
    // Runs an external function from its file through the host (hook 7); the
    // call's body is an empty program the file's lines are compiled into.
    ErrorCode callFileBody(CalledBody& call) { return runExternalFile(*this, call); }

    // The external-function search path and file extension, from the host
    // (hooks 4 and 5); false when the path has fewer folders than `index` + 1.
    bool functionFolder(std::size_t index, std::string& folder) const {
        return searchFolder(index, folder);
    }
    std::string functionExtension() const { return fileExtension(); }
    // Shows the external functions through the host (hook 3).
    void showFunctionList(const std::vector<FunctionListing>& list) { showFunctions(list); }

    // The name every called scope sees as a constant 1; empty removes it.
    void registerHostSymbol(std::string_view name) { shared_->hostSymbol = name; }

    // The console and user-error hooks, for the commands that print, read and report.
    void writeConsole(const std::vector<std::string>& pieces, bool lineEnd) {
        consoleOutput(pieces, lineEnd);
    }
    bool readConsoleLine(std::string_view prompt, std::string& line) {
        return readInput(prompt, line);
    }
    void showErrorText(std::string_view text) { showUserError(text); }

    // The engine canvas of the top-level engine, shared by every nested engine.
    EngineCanvas& canvas() { return shared_->canvas(); }
    // The host gives the top-level engine its canvas; null returns to the
    // state-only one. The canvas must outlive its use by the engines.
    void attachCanvas(EngineCanvas* canvas) { shared_->hostCanvas = canvas; }
    // The graphics host operations (hooks 17-22), on the engine canvas. A refresh
    // reaches the host only while the auto-update switch is on. requestWorld is
    // false when the host cannot make a raster of that size.
    bool requestWorld(std::int32_t width, std::int32_t height) {
        return onWorld(canvas(), width, height);
    }
    void requestRefresh() {
        if (updateSwitch.isOn()) onRefresh(canvas());
    }
    void requestRefreshPixel(std::int32_t x, std::int32_t y) {
        if (updateSwitch.isOn()) onRefreshPixel(canvas(), x, y);
    }
    void requestWindow(double left, double bottom, double right, double top) {
        onWindow(canvas(), left, bottom, right, top);
    }
    void requestPlot(double min, double max, double pitch) { onPlot(canvas(), min, max, pitch); }
    void requestReplot(double min, double max, double pitch) {
        onReplot(canvas(), min, max, pitch);
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
    std::uint8_t recordMode = 0;  // 0 normal, 1 recording a block, 2 replaying
    Stepper stepper;

  protected:
    // Host hooks, in slot order (0 is the destructor).
    // 1, 2: the statement stepper; hook 2 answers whether to execute the statement.
    virtual void onStepTrace(Context& ctx, const TokenLine& tokens, std::int32_t line,
                             std::string_view comment, bool skipped);
    virtual bool onStepStop(Context& ctx, const TokenLine& tokens, std::int32_t line,
                            std::string_view comment, bool skipped);
    // 3: the external functions with their descriptions.
    virtual void showFunctions(const std::vector<FunctionListing>& list);
    // 4, 5: the external-function search path, one folder by index, and the
    // file extension (with its dot). A top-level engine has neither.
    virtual bool searchFolder(std::size_t index, std::string& folder) const;
    virtual std::string fileExtension() const;
    // 6: runs a called body for `calling` (this engine or one nested in it); the
    // default binds the arguments and runs the body in a nested engine. 0 on
    // success; 1 when the run failed after reporting; another error code (with
    // the token recorded in `calling`) when the call itself failed.
    virtual ErrorCode runCalledBody(Engine& calling, CalledBody& call);
    // 7: runs an external function that is not cached; the default finds its
    // file on the search path and runs it line by line in a nested engine.
    // Returns as hook 6 does, or 0x2160 (no token recorded) when no folder has
    // the file.
    virtual ErrorCode runExternalFile(Engine& calling, CalledBody& call);
    // 8: a failed assert; true stops the run.
    virtual bool onAssertFailed(std::int32_t line, std::string_view fileName);
    // 9: shows the message for a code, with the listed offending token.
    virtual void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                              std::string_view tokenText);
    // 10, 11: the final answer of a run, a scalar as text or a list.
    virtual void showScalarResult(std::string_view text);
    virtual void showListResult(const Value& list);
    // 12, 13: user warning and error texts.
    virtual void showUserWarning(std::string_view text);
    virtual void showUserError(std::string_view text);
    // 15: console output pieces, then a line end when asked.
    virtual void consoleOutput(const std::vector<std::string>& pieces, bool lineEnd);
    // 16: one line of input for :scan; false at the end of input.
    virtual bool readInput(std::string_view prompt, std::string& line);
    // 24: a run-time command with an id beyond the command table.
    virtual ErrorCode runHostCommand(Context& ctx, std::uint8_t commandId);
    // 17-22: the graphics host operations; a nested engine hands them to its
    // caller, the top-level engine without a host does nothing (onWorld: true).
    virtual bool onWorld(EngineCanvas& canvas, std::int32_t width, std::int32_t height);
    virtual void onRefresh(EngineCanvas& canvas);
    virtual void onRefreshPixel(EngineCanvas& canvas, std::int32_t x, std::int32_t y);
    virtual void onWindow(EngineCanvas& canvas, double left, double bottom, double right,
                          double top);
    virtual void onPlot(EngineCanvas& canvas, double min, double max, double pitch);
    virtual void onReplot(EngineCanvas& canvas, double min, double max, double pitch);

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
    ErrorCode executePrepared(Context& ctx, const PreparedLine& prepared);
    ErrorCode stepPreparedVariable(Context& ctx, const Token& op);
    ErrorCode finishPrepared(Context& ctx, Number& value);
    ErrorCode evaluatePreparedOperand(Context& ctx, const PreparedLine& prepared, Number& value);
    ErrorCode testPreparedLoop(Context& ctx, const PreparedLine& prepared);
    ErrorCode returnPrepared(Context& ctx, const PreparedLine& prepared);
    ErrorCode precheck(Context& ctx);
    bool consultStepper(Context& ctx, bool skipped);
    ErrorCode finishRun(Context& ctx, ErrorCode status);
    void applyPostfixUpdates(Context& ctx);
    void showAnswer(Context& ctx);
    bool pairOperandFollows() const;
    // After the first operand of a group, when pairOperandFollows().
    ErrorCode evaluateSecondOperands(Context& ctx, Value& result);
    ErrorCode applyOperators(Context& ctx, Value& result);

    const DispatchTables& tables_ = dispatchTables();
    std::unique_ptr<EngineShared> ownShared_;
    EngineShared* shared_;
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

}  // namespace zentrel
