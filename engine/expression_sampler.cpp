#include "engine/expression_sampler.h"

#include <numbers>
#include <string>

#include "engine/frontend/program.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interpreter.h"

namespace zentrel {

// One expression, compiled once and re-run while the scope's mode and radix
// stay those it was compiled in.
class SampledExpression {
  public:
    SampledExpression(std::string_view text, bool compileOnce)
        : text_(text), compileOnce_(compileOnce) {}

    // Runs the expression; false when the run did not end normally.
    bool run(Engine& engine, Context& ctx) {
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
        return status == kStatusValue || status == kStatusDone;
    }

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

struct ExpressionSampler::State {
    State(Engine& engine, Context& ctx, std::uint8_t argVariable, std::string_view first,
          std::string_view second, bool compileOnce)
        : sampler(engine),
          ctx(ctx),
          argVariable(argVariable),
          expressions{SampledExpression(first, compileOnce),
                      SampledExpression(second, compileOnce)},
          savedInFile(ctx.inFile) {}

    Engine sampler;
    Context& ctx;
    std::uint8_t argVariable;
    SampledExpression expressions[2];
    bool savedInFile;
};

ExpressionSampler::ExpressionSampler(Interpreter& interpreter, std::uint8_t argVariable,
                                     std::string_view first, std::string_view second,
                                     bool compileOnce)
    : state_(std::make_unique<State>(*interpreter.engine_, *interpreter.context_, argVariable,
                                     first, second, compileOnce)) {
    // A nested engine starts in radians; samples are taken in the caller's unit.
    Engine& sampler = state_->sampler;
    sampler.shared().selectAngleUnit(sampler.callerAngleUnit);
    state_->ctx.inFile = false;
}

ExpressionSampler::~ExpressionSampler() {
    state_->ctx.inFile = state_->savedInFile;
}

bool ExpressionSampler::evaluate(int which, double argument, double& value) {
    Engine& sampler = state_->sampler;
    Context& ctx = state_->ctx;
    ctx.variables.value(state_->argVariable) =
        Number::fromReal(argument, sampler.fractionRepresentation());
    if (!state_->expressions[which == 0 ? 0 : 1].run(sampler, ctx)) return false;
    value = ctx.answer().first().asComplex().re;
    return true;
}

double ExpressionSampler::angleScale() const {
    const EngineShared& shared = state_->sampler.shared();
    return shared.radianFlag ? 1.0 : std::numbers::pi / shared.halfTurn;
}

void ExpressionSampler::requestRefresh() {
    state_->sampler.requestRefresh();
}

}  // namespace zentrel
