#pragma once

#include "engine/expression_sampler.h"
#include "engine/interp/engine_canvas.h"

namespace zentrel {

class Interpreter;
struct Sample;

// One sampling pass of a plot, an extension or an inserted trace point: the
// plot settings' expressions evaluated at each argument by the interpreter.
class SamplingSession {
  public:
    SamplingSession(Interpreter& interpreter, const PlotSettings& settings, bool compileOnce)
        : settings_(settings),
          sampler_(interpreter, settings.argVariable, settings.expr1, settings.expr2, compileOnce) {
    }

    // Gives the argument variable the value and evaluates the sample at it:
    // rectangular (x, f(x)), parametric (t, x(t), y(t)), polar (t, r(t)). False
    // when an evaluation failed.
    bool evaluate(double argument, Sample& sample);

    ExpressionSampler& sampler() { return sampler_; }

  private:
    const PlotSettings& settings_;
    ExpressionSampler sampler_;
};

}  // namespace zentrel
