// The function-table rows of the mathematical functions (ids defined ... denom).
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/math_handlers.h"
#include "engine/builtins/scalar_math.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

using Fn = FunctionId;

// One complex argument to one complex result. `ownWarning` is the warning a
// function with a limited real domain gives in place of the generic one.
template <ScalarFunction compute, ErrorCode ownWarning = kSuccess>
ErrorCode scalarFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    // The argument is evaluated into the result, which it is about to become.
    if (ErrorCode e = evaluateArgument(engine, ctx, token, result)) return e;
    MathScope scope = mathScope(engine);
    const Complex value = compute(toComplex(result.first()), scope);
    finishFunction(engine, ctx, token, scope, ownWarning, value, result);
    return kSuccess;
}

constexpr HandlerRow row(Fn id, Handler handler) {
    return {idByte(id), handler};
}

// A function that reads its `operands` one after another and nothing else.
constexpr HandlerRow row(Fn id, Handler handler, std::uint8_t operands,
                         TakenWhole takesWhole = TakenWhole::Nothing) {
    return {idByte(id), handler, operands, takesWhole};
}

constexpr HandlerRow kMathFunctions[] = {
    row(Fn::Defined, definedFunction, 1, TakenWhole::Words),
    row(Fn::Isinf, scalarFunction<isinfOf>, 1),
    row(Fn::Isnan, scalarFunction<isnanOf>, 1),
    row(Fn::Rand, randFunction, kNoOperands),
    row(Fn::Time, timeFunction, kNoOperands),
    row(Fn::A2d, convertAngle, 1),
    row(Fn::A2g, convertAngle, 1),
    row(Fn::A2r, convertAngle, 1),
    row(Fn::D2a, convertAngle, 1),
    row(Fn::D2g, convertAngle, 1),
    row(Fn::D2r, convertAngle, 1),
    row(Fn::G2a, convertAngle, 1),
    row(Fn::G2d, convertAngle, 1),
    row(Fn::G2r, convertAngle, 1),
    row(Fn::R2a, convertAngle, 1),
    row(Fn::R2d, convertAngle, 1),
    row(Fn::R2g, convertAngle, 1),
    row(Fn::Sin, scalarFunction<sinOf>, 1),
    row(Fn::Cos, scalarFunction<cosOf>, 1),
    row(Fn::Tan, scalarFunction<tanOf>, 1),
    row(Fn::Asin, scalarFunction<asinOf, kWarnAsinDomain>, 1),
    row(Fn::Acos, scalarFunction<acosOf, kWarnAcosDomain>, 1),
    row(Fn::Atan, scalarFunction<atanOf>, 1),
    row(Fn::Atan2, atan2Function, 2),
    row(Fn::Sinh, scalarFunction<sinhOf>, 1),
    row(Fn::Cosh, scalarFunction<coshOf>, 1),
    row(Fn::Tanh, scalarFunction<tanhOf>, 1),
    row(Fn::Asinh, scalarFunction<asinhOf>, 1),
    row(Fn::Acosh, scalarFunction<acoshOf, kWarnAcoshDomain>, 1),
    row(Fn::Atanh, scalarFunction<atanhOf, kWarnAtanhDomain>, 1),
    row(Fn::Exp, scalarFunction<expOf>, 1),
    row(Fn::Exp10, scalarFunction<exp10Of>, 1),
    row(Fn::Log, scalarFunction<logOf, kWarnLogDomain>, 1),
    row(Fn::Log10, scalarFunction<log10Of, kWarnLog10Domain>, 1),
    row(Fn::Pow, powFunction, 2),
    row(Fn::Sqr, sqrFunction, 1),
    row(Fn::Sqrt, scalarFunction<sqrtOf, kWarnSqrtDomain>, 1),
    row(Fn::Ceil, scalarFunction<ceilOf>, 1),
    row(Fn::Floor, scalarFunction<floorOf>, 1),
    row(Fn::Abs, absFunction, 1),
    row(Fn::Ldexp, ldexpFunction, 2),
    row(Fn::Frexp, frexpFunction, 2),
    row(Fn::Modf, modfFunction, 2),
    row(Fn::Int, scalarFunction<intOf>, 1),
    row(Fn::Real, scalarFunction<realOf>, 1),
    row(Fn::Imag, scalarFunction<imagOf>, 1),
    row(Fn::Arg, scalarFunction<argOf>, 1),
    row(Fn::Norm, scalarFunction<normOf>, 1),
    row(Fn::Conjg, scalarFunction<conjgOf>, 1),
    row(Fn::Polar, polarFunction, 2),
    row(Fn::Num, numFunction, 1),
    row(Fn::Denom, denomFunction, 1),
};
static_assert(distinctIds(kMathFunctions));
// Every id from defined to denom has its row.
static_assert(std::size(kMathFunctions) == idByte(Fn::Denom) + 1);

}  // namespace

std::span<const HandlerRow> mathFunctionRows() {
    return kMathFunctions;
}

}  // namespace zentrel
