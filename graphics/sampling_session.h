#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/frontend/program.h"
#include "engine/interp/engine.h"
#include "engine/interp/engine_canvas.h"

namespace zentrel {

struct Sample;

// An expression run once per sample. It is compiled once and the compiled
// statements are run again, which gives what running the text would: number
// words are read in the numeric mode in force when compiled, so a change of the
// scope's mode or radix since (the expression itself may switch it) compiles it
// afresh. Without compileOnce the text is compiled for every run.
class CompiledExpression {
  public:
    CompiledExpression(std::string_view text, bool compileOnce)
        : text_(text), compileOnce_(compileOnce) {}

    // Runs the expression on the scope; `value` is the answer as a real. False when
    // the run did not end normally; the engine has reported why.
    bool evaluate(Engine& engine, Context& ctx, double& value);

  private:
    bool compiledFor(const ContextModes& modes) const {
        return program_ && modes.numberMode == compiledModes_.numberMode &&
               modes.radix == compiledModes_.radix;
    }

    std::string text_;
    bool compileOnce_;
    std::unique_ptr<Program> program_;
    ContextModes compiledModes_;
};

// One sampling pass of a plot, an extension or an inserted trace point. The
// expressions run in a nested engine, because the engine given may itself be in
// the middle of a statement (a :plot command); that engine keeps the caller's
// angle unit. Messages from the scope carry no file line meanwhile.
class SamplingSession {
  public:
    SamplingSession(Engine& engine, Context& ctx, const PlotSettings& settings, bool compileOnce);
    ~SamplingSession();
    SamplingSession(const SamplingSession&) = delete;
    SamplingSession& operator=(const SamplingSession&) = delete;

    // Gives the argument variable the value and evaluates the sample at it:
    // rectangular (x, f(x)), parametric (t, x(t), y(t)), polar (t, r(t)). False
    // when an evaluation failed.
    bool evaluate(double argument, Sample& sample);

    Engine& engine() { return sampler_; }
    // Radians per unit of t: 1, or pi over the half turn of degrees or grads.
    double angleScale() const;

  private:
    bool evaluateAt(CompiledExpression& expression, double argument, double& value);

    Engine sampler_;
    Context& ctx_;
    const PlotSettings& settings_;
    CompiledExpression first_;
    CompiledExpression second_;
    bool savedInFile_;
};

}  // namespace zentrel
