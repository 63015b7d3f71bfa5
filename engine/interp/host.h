#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/values/error_code.h"

namespace zentrel {

class Context;
class EngineCanvas;
class TokenLine;
class Value;

// How a run ended: after a report from inside a function or file, which the
// caller aborts on too; finished, its final status reported; ended by `return`.
enum class RunResult : std::uint8_t { AbortedInside = 1, Finished = 2, Returned = 3 };

// One external function as the host lists it: its name and the first line of
// its description (empty when it has none).
struct FunctionListing {
    std::string name;
    std::string description;
};

// A statement as the stepper shows it before it runs.
struct StepView {
    Context& scope;
    const TokenLine& tokens;
    std::int32_t line;
    std::string_view comment;
    bool skipped;  // the statement will be passed over
};

// What a program that runs the language provides to it. The interpreter calls
// these synchronously from the thread that runs it; every engine of a run,
// nested ones included, talks to the same host. Each default is what a host
// that has no use for the operation wants: nothing shown, nothing read.
class Host {
  public:
    virtual ~Host() = default;

    // Reports and messages. reportStatus receives every run status and every
    // warning or error code, with the listed offending token where the code
    // names one; `fileName` is the file or function the line belongs to.
    virtual void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                              std::string_view tokenText);
    // A failed assert; true stops the run.
    virtual bool assertionFailed(std::int32_t line, std::string_view fileName);
    // The texts of :warn and :error.
    virtual void showUserWarning(std::string_view text);
    virtual void showUserError(std::string_view text);

    // Results: the final answer of a run, a single number as text or a list.
    virtual void showScalarResult(std::string_view text);
    virtual void showListResult(const std::vector<std::vector<std::string>>& rows);

    // Console output and input: the pieces of one :print, then a line end when
    // asked; one line of input for :scan, false at the end of input.
    virtual void consoleOutput(const std::vector<std::string>& pieces, bool lineEnd);
    virtual bool readInput(std::string_view prompt, std::string& line);

    // External functions: the search path one folder at a time (false past the
    // last), the file extension with its dot, and the list for :extfunc.
    virtual bool functionFolder(std::size_t index, std::string& folder) const;
    virtual std::string functionExtension() const;
    virtual void showFunctionList(const std::vector<FunctionListing>& list);

    // Graphics: the host's side of the graphics commands on the engine canvas.
    // createWorld is false when the host cannot make a raster of that size.
    virtual bool createWorld(EngineCanvas& canvas, std::int32_t width, std::int32_t height);
    virtual void refresh(EngineCanvas& canvas);
    virtual void refreshPixel(EngineCanvas& canvas, std::int32_t x, std::int32_t y);
    virtual void changeWindow(EngineCanvas& canvas, double left, double bottom, double right,
                              double top);
    virtual void plot(EngineCanvas& canvas, double min, double max, double pitch);
    virtual void replot(EngineCanvas& canvas, double min, double max, double pitch);

    // A command whose id lies beyond the language's command table.
    virtual ErrorCode runHostCommand(std::uint8_t commandId);

    // Stepping and tracing, while :debug is on: traceStatement sees every
    // statement when tracing; stopAtStatement answers whether to execute it.
    virtual void traceStatement(const StepView& step);
    virtual bool stopAtStatement(const StepView& step);
};

// A host that hands every operation to another one: the base of a host that
// changes only a few operations of the host it stands in for.
class HostRelay : public Host {
  public:
    explicit HostRelay(Host& target) : target_(target) {}

    void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                      std::string_view tokenText) override;
    bool assertionFailed(std::int32_t line, std::string_view fileName) override;
    void showUserWarning(std::string_view text) override;
    void showUserError(std::string_view text) override;
    void showScalarResult(std::string_view text) override;
    void showListResult(const std::vector<std::vector<std::string>>& rows) override;
    void consoleOutput(const std::vector<std::string>& pieces, bool lineEnd) override;
    bool readInput(std::string_view prompt, std::string& line) override;
    bool functionFolder(std::size_t index, std::string& folder) const override;
    std::string functionExtension() const override;
    void showFunctionList(const std::vector<FunctionListing>& list) override;
    bool createWorld(EngineCanvas& canvas, std::int32_t width, std::int32_t height) override;
    void refresh(EngineCanvas& canvas) override;
    void refreshPixel(EngineCanvas& canvas, std::int32_t x, std::int32_t y) override;
    void changeWindow(EngineCanvas& canvas, double left, double bottom, double right,
                      double top) override;
    void plot(EngineCanvas& canvas, double min, double max, double pitch) override;
    void replot(EngineCanvas& canvas, double min, double max, double pitch) override;
    ErrorCode runHostCommand(std::uint8_t commandId) override;
    void traceStatement(const StepView& step) override;
    bool stopAtStatement(const StepView& step) override;

  private:
    Host& target_;
};

}  // namespace zentrel
