#include "engine/builtins/function_support.h"

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

ErrorCode evaluateArgument(Engine& engine, Context& ctx, const Token& function, Value& slot) {
    if (!engine.operandFollows()) return engine.fail(kErrFunctionArgument, function);
    return engine.evaluateOperand(ctx, function, slot);
}

ErrorCode readNumberArgument(Engine& engine, Context& ctx, const Token& function, Number& out) {
    Value argument;
    if (ErrorCode e = evaluateArgument(engine, ctx, function, argument)) return e;
    out = argument.first();
    return kSuccess;
}

ErrorCode readComplexArgument(Engine& engine, Context& ctx, const Token& function, Complex& out) {
    Number argument;
    if (ErrorCode e = readNumberArgument(engine, ctx, function, argument)) return e;
    out = toComplex(argument);
    return kSuccess;
}

Complex toComplex(const Number& number) {
    // Adding +0 turns a negative zero imaginary part (left by negating a real)
    // into +0, so that log, arg and the roots of a negative real do not take
    // the other side of their branch cut.
    const Complex z = number.asComplex();
    return {z.re, z.im + 0.0};
}

Number functionResult(Complex value, bool fractionRepresentation) {
    if (fractionRepresentation) return Number::fromFraction(Fraction::fromReal(value.re));
    return Number::fromComplex(value);
}

void setRealResult(Engine& engine, Value& result, double x) {
    result.setScalar(functionResult({x, 0.0}, engine.fractionRepresentation()));
}

MathScope mathScope(const Engine& engine) {
    const EngineShared& shared = engine.shared();
    return MathScope{shared.modes.realDomain, shared.radianFlag, shared.halfTurn};
}

void finishFunction(Engine& engine, Context& ctx, const Token& function, const MathScope& scope,
                    ErrorCode ownWarning, Complex value, Value& result) {
    result.setScalar(functionResult(value, engine.fractionRepresentation()));
    if (!scope.invalidArgument) return;
    if (ownWarning != kSuccess && scope.realDomain) {
        engine.warn(ctx, ownWarning, function);
    } else {
        engine.invalidArgument = true;
    }
}

}  // namespace zentrel
