#include "graphics/sampling_session.h"

#include <numbers>

#include "engine/builtins/function_support.h"
#include "engine/interp/error_codes.h"
#include "graphics/graph_canvas.h"

namespace zentrel {

bool CompiledExpression::evaluate(Engine& engine, Context& ctx, double& value) {
    if (!compileOnce_) {
        engine.run(ctx, text_);
    } else {
        if (!compiledFor(ctx.modes)) {
            program_ = std::make_unique<Program>();
            compiledModes_ = ctx.modes;
            if (program_->addSource(engine.modes(ctx), text_, true) != kSuccess) {
                // Running the text again reports the compile error as a run would.
                program_.reset();
                engine.run(ctx, text_);
                return false;
            }
        }
        engine.runBody(ctx, *program_);
    }
    const ErrorCode status = engine.lastRunStatus();
    if (status != kStatusValue && status != kStatusDone) return false;
    value = toComplex(ctx.answer().first()).re;
    return true;
}

SamplingSession::SamplingSession(Engine& engine, Context& ctx, const PlotSettings& settings,
                                 bool compileOnce)
    : sampler_(engine),
      ctx_(ctx),
      settings_(settings),
      first_(settings.expr1, compileOnce),
      second_(settings.expr2, compileOnce),
      savedInFile_(ctx.inFile) {
    // A nested engine starts in radians; samples are taken in the caller's unit.
    sampler_.shared().selectAngleUnit(sampler_.callerAngleUnit);
    ctx_.inFile = false;
}

SamplingSession::~SamplingSession() {
    ctx_.inFile = savedInFile_;
}

double SamplingSession::angleScale() const {
    const EngineShared& shared = sampler_.shared();
    return shared.radianFlag ? 1.0 : std::numbers::pi / shared.halfTurn;
}

bool SamplingSession::evaluateAt(CompiledExpression& expression, double argument, double& value) {
    ctx_.variables.value(settings_.argVariable) =
        Number::fromReal(argument, sampler_.fractionRepresentation());
    return expression.evaluate(sampler_, ctx_, value);
}

bool SamplingSession::evaluate(double argument, Sample& sample) {
    sample = Sample{argument, 0.0, 0.0};
    if (!evaluateAt(first_, argument, sample.b)) return false;
    if (!settings_.isMode(CoordinateMode::Parametric)) return true;
    return evaluateAt(second_, argument, sample.c);
}

}  // namespace zentrel
