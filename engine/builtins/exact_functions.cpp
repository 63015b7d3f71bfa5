// pow, sqr, abs, num and denom: in fraction mode they work on the fractions
// themselves, so that integral powers, squares and magnitudes stay exact.
#include <cmath>
#include <optional>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/fraction_power.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/math_handlers.h"
#include "engine/builtins/scalar_math.h"
#include "engine/interp/engine.h"

namespace zentrel {

namespace {

// The exponent as an integer when it is integral and fits in 64 bits.
std::optional<std::int64_t> integralExponent(const Number& y) {
    const double v = toComplex(y).re;
    constexpr double limit = 9223372036854775808.0;  // 2^63
    if (v != std::trunc(v) || !(std::fabs(v) < limit)) return std::nullopt;
    return static_cast<std::int64_t>(v);
}

void setFraction(Value& result, const Fraction& f) {
    result.setScalar(Number::fromFraction(f));
}

// A one-argument function with an exact form for a fraction in fraction mode.
template <Fraction (*exact)(Fraction), ScalarFunction general>
ErrorCode exactWhenFraction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Number x;
    if (ErrorCode e = readNumberArgument(engine, ctx, token, x)) return e;
    if (engine.fractionRepresentation() && x.isFraction) {
        setFraction(result, exact(x.fraction));
        return kSuccess;
    }
    MathScope scope = mathScope(engine);
    finishFunction(engine, ctx, token, scope, kSuccess, general(toComplex(x), scope), result);
    return kSuccess;
}

Fraction exactSquare(Fraction f) {
    const Fraction factor = f;
    f.multiply(factor);
    return f;
}

Fraction exactMagnitude(Fraction f) {
    f.negative = 0;
    return f;
}

// The argument as a fraction: its signed numerator, or its denominator.
template <bool numerator>
ErrorCode fractionPart(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Number x;
    if (ErrorCode e = readNumberArgument(engine, ctx, token, x)) return e;
    const Fraction f = x.asFraction();
    double part = f.denominator;
    if constexpr (numerator) part = f.negative ? -double(f.numerator) : double(f.numerator);
    setRealResult(engine, result, part);
    return kSuccess;
}

}  // namespace

// An integral exponent in fraction mode multiplies fractions; everything else
// is computed on doubles and, in fraction mode, turned back into a fraction.
ErrorCode powFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Number x;
    Number y;
    if (ErrorCode e = readNumberArgument(engine, ctx, token, x)) return e;
    if (ErrorCode e = readNumberArgument(engine, ctx, token, y)) return e;
    const bool fractionRepresentation = engine.fractionRepresentation();
    if (fractionRepresentation) {
        if (const std::optional<std::int64_t> n = integralExponent(y)) {
            setFraction(result, fractionPower(x.asFraction(), *n));
            return kSuccess;
        }
    }
    const Complex power = powerOf(toComplex(x), toComplex(y));
    result.setScalar(functionResult(power, fractionRepresentation));
    return kSuccess;
}

ErrorCode sqrFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return exactWhenFraction<exactSquare, sqrOf>(engine, ctx, token, result);
}

ErrorCode absFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return exactWhenFraction<exactMagnitude, absOf>(engine, ctx, token, result);
}

ErrorCode numFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return fractionPart<true>(engine, ctx, token, result);
}

ErrorCode denomFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return fractionPart<false>(engine, ctx, token, result);
}

}  // namespace zentrel
