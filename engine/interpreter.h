#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/interp/engine_canvas.h"
#include "engine/interp/host.h"
#include "engine/values/angle_units.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"
#include "engine/values/value.h"

namespace zentrel {

class Context;
class Engine;

// The language as a host program uses it: one top-level engine with its scope,
// run on the host given. Everything the language shows or asks for goes to the
// host; everything the host sets goes through here. Not thread-safe, except
// requestStop.
class Interpreter {
  public:
    explicit Interpreter(Host& host, NumberMode startMode = NumberMode::GFloat);
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Compiles and runs the text on the top-level scope, line by line as typed.
    RunResult run(std::string_view text);
    // True when the last run completed its statements (no error, no stop).
    bool lastRunSucceeded() const;
    // True while a construct (a loop, function, conditional or array literal) is
    // open from one run to the next, as at the prompt.
    bool constructOpen();
    // Ends an input (a script, a set of lines): a construct it left open is
    // reported as an error naming its keyword and dropped. False when there was one.
    bool closeInput();
    // Runs the text quietly (no answer shown) and gives its answer; the error
    // code of a run that failed (it was reported to the host), else 0.
    ErrorCode evaluate(std::string_view text, Value& value);
    // The value as the language writes numbers in the current mode: one number,
    // or the rows of a list with the numbers of a row separated by blanks.
    std::string formatValue(const Value& value) const;
    std::vector<std::vector<std::string>> formatRows(const Value& value) const;

    // The numeric mode of the scope (and the mode :ptype returns to).
    void setNumberMode(NumberMode mode);
    NumberMode numberMode() const;
    void setAngleUnit(AngleUnit unit);
    AngleUnit angleUnit() const;
    void seedRandom(std::uint32_t seed);
    // Statements one run may execute before it stops as if asked to; 0 for no limit.
    void setStepBudget(std::int64_t steps);
    // The run of a line on which it is compiled: 2 by default, 1 at once, 0
    // never (the reference walk of the tokens, for tests).
    void setCompileOnRun(std::uint8_t nth);
    // The bytes the values (matrices, element lists, texts in arrays) may hold in
    // all; 0 for no limit (the default). A store that would pass it is refused
    // with kErrMemoryLimit.
    void setMemoryLimit(std::int64_t bytes);
    std::int64_t memoryInUse() const;
    // External functions kept compiled: negative for no limit, 0 for none.
    void setCacheSize(std::int32_t size);
    // Drops a compiled function, so that its next call reads its file again.
    void forgetFunction(std::string_view name);
    // The host's raster for the graphics commands and plotting; null for none.
    // It must outlive its use.
    void attachCanvas(EngineCanvas* canvas);
    EngineCanvas& canvas();
    // The name every called function sees as a constant 1 (how a function tells
    // its host); empty for none.
    void registerHostSymbol(std::string_view name);
    // The variable slot labelled `word`; when no variable has that label, the
    // slot of `letter` is given it. Nothing when the label cannot be made.
    std::optional<std::uint8_t> defineVariableLabel(std::string_view word, char letter);
    // Sets a variable slot of the top-level scope to a real.
    void setVariable(std::uint8_t slot, double value);

    // The external functions on the host's search path with their descriptions,
    // and one function's description lines.
    std::vector<FunctionListing> listFunctions();
    std::vector<std::string> describeFunction(std::string_view name);

    // Ends the current run before its next statement; the run reports 0x2003.
    // Async-signal-safe and callable from any thread.
    void requestStop() noexcept;
    // Forgets a stop asked for earlier and refills the step budget, as every
    // run does when it starts: for a host that evaluates outside a run (a plot
    // of its own canvas), before it starts.
    void clearStopRequest() noexcept;

  private:
    friend class ExpressionSampler;

    std::unique_ptr<Context> context_;
    std::unique_ptr<Engine> engine_;
};

// The numeric mode a mode command selects, by the command's name (`gfloat`,
// `fract`, `uchar`, ...); nothing for any other word.
std::optional<NumberMode> numberModeNamed(std::string_view commandName);

}  // namespace zentrel
