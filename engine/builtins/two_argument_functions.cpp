// atan2, ldexp, frexp, modf and polar: two arguments each; frexp and modf write
// their second result into a variable given as the second argument.
#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/builtins/arguments.h"
#include "engine/builtins/complex_math.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/math_handlers.h"
#include "engine/builtins/scalar_math.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

ErrorCode readTwoReals(Engine& engine, Context& ctx, const Token& token, double& a, double& b) {
    Complex first;
    Complex second;
    if (ErrorCode e = readComplexArgument(engine, ctx, token, first)) return e;
    if (ErrorCode e = readComplexArgument(engine, ctx, token, second)) return e;
    a = first.re;
    b = second.re;
    return kSuccess;
}

// Splits the real part of the first argument into the result and a second number
// that goes into the variable named by the second argument.
template <double (*split)(double x, double& stored)>
ErrorCode splitIntoVariable(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Complex x;
    if (ErrorCode e = readComplexArgument(engine, ctx, token, x)) return e;
    OperatorRecord target;
    Number unused;
    if (ErrorCode e =
            readVariableTarget(engine, ctx, token, kErrFunctionArgument, target, unused)) {
        return e;
    }
    double stored = 0.0;
    const double kept = split(x.re, stored);
    const Value storedValue(functionResult(realComplex(stored), engine.fractionRepresentation()));
    if (ErrorCode e = storeIntoTarget(engine, ctx, target, token, storedValue)) return e;
    setRealResult(engine, result, kept);
    return kSuccess;
}

// The mantissa in [0.5, 1) in magnitude, storing the binary exponent; an infinity
// or NaN is its own mantissa with exponent 0.
double splitMantissa(double x, double& exponent) {
    int e = 0;
    const double mantissa = std::frexp(x, &e);
    exponent = std::isfinite(x) ? e : 0;
    return mantissa;
}

// The fractional part with the sign of x, storing the integral part.
double splitFraction(double x, double& integral) {
    return std::modf(x, &integral);
}

}  // namespace

ErrorCode atan2Function(Engine& engine, Context& ctx, const Token& token, Value& result) {
    double y = 0.0;
    double x = 0.0;
    if (ErrorCode e = readTwoReals(engine, ctx, token, y, x)) return e;
    setRealResult(engine, result, atan2Of(y, x, mathScope(engine)));
    return kSuccess;
}

ErrorCode ldexpFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Complex x;
    Number n;
    if (ErrorCode e = readComplexArgument(engine, ctx, token, x)) return e;
    if (ErrorCode e = readNumberArgument(engine, ctx, token, n)) return e;
    // Any exponent beyond int already gives 0 or an infinity.
    const auto exponent = std::clamp<std::int64_t>(n.truncInt(), INT_MIN, INT_MAX);
    setRealResult(engine, result, std::ldexp(x.re, static_cast<int>(exponent)));
    return kSuccess;
}

ErrorCode frexpFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return splitIntoVariable<splitMantissa>(engine, ctx, token, result);
}

ErrorCode modfFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return splitIntoVariable<splitFraction>(engine, ctx, token, result);
}

ErrorCode polarFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    double rho = 0.0;
    double theta = 0.0;
    if (ErrorCode e = readTwoReals(engine, ctx, token, rho, theta)) return e;
    const Complex z = polarOf(rho, theta, mathScope(engine));
    result.setScalar(functionResult(z, engine.fractionRepresentation()));
    return kSuccess;
}

}  // namespace zentrel
