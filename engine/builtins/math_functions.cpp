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

constexpr HandlerRow kMathFunctions[] = {
    row(Fn::Defined, definedFunction),
    row(Fn::Isinf, scalarFunction<isinfOf>),
    row(Fn::Isnan, scalarFunction<isnanOf>),
    row(Fn::Rand, randFunction),
    row(Fn::Time, timeFunction),
    row(Fn::A2d, convertAngle),
    row(Fn::A2g, convertAngle),
    row(Fn::A2r, convertAngle),
    row(Fn::D2a, convertAngle),
    row(Fn::D2g, convertAngle),
    row(Fn::D2r, convertAngle),
    row(Fn::G2a, convertAngle),
    row(Fn::G2d, convertAngle),
    row(Fn::G2r, convertAngle),
    row(Fn::R2a, convertAngle),
    row(Fn::R2d, convertAngle),
    row(Fn::R2g, convertAngle),
    row(Fn::Sin, scalarFunction<sinOf>),
    row(Fn::Cos, scalarFunction<cosOf>),
    row(Fn::Tan, scalarFunction<tanOf>),
    row(Fn::Asin, scalarFunction<asinOf, kWarnAsinDomain>),
    row(Fn::Acos, scalarFunction<acosOf, kWarnAcosDomain>),
    row(Fn::Atan, scalarFunction<atanOf>),
    row(Fn::Atan2, atan2Function),
    row(Fn::Sinh, scalarFunction<sinhOf>),
    row(Fn::Cosh, scalarFunction<coshOf>),
    row(Fn::Tanh, scalarFunction<tanhOf>),
    row(Fn::Asinh, scalarFunction<asinhOf>),
    row(Fn::Acosh, scalarFunction<acoshOf, kWarnAcoshDomain>),
    row(Fn::Atanh, scalarFunction<atanhOf, kWarnAtanhDomain>),
    row(Fn::Exp, scalarFunction<expOf>),
    row(Fn::Exp10, scalarFunction<exp10Of>),
    row(Fn::Log, scalarFunction<logOf, kWarnLogDomain>),
    row(Fn::Log10, scalarFunction<log10Of, kWarnLog10Domain>),
    row(Fn::Pow, powFunction),
    row(Fn::Sqr, sqrFunction),
    row(Fn::Sqrt, scalarFunction<sqrtOf, kWarnSqrtDomain>),
    row(Fn::Ceil, scalarFunction<ceilOf>),
    row(Fn::Floor, scalarFunction<floorOf>),
    row(Fn::Abs, absFunction),
    row(Fn::Ldexp, ldexpFunction),
    row(Fn::Frexp, frexpFunction),
    row(Fn::Modf, modfFunction),
    row(Fn::Int, scalarFunction<intOf>),
    row(Fn::Real, scalarFunction<realOf>),
    row(Fn::Imag, scalarFunction<imagOf>),
    row(Fn::Arg, scalarFunction<argOf>),
    row(Fn::Norm, scalarFunction<normOf>),
    row(Fn::Conjg, scalarFunction<conjgOf>),
    row(Fn::Polar, polarFunction),
    row(Fn::Num, numFunction),
    row(Fn::Denom, denomFunction),
};
static_assert(distinctIds(kMathFunctions));
// Every id from defined to denom has its row.
static_assert(std::size(kMathFunctions) == idByte(Fn::Denom) + 1);

}  // namespace

std::span<const HandlerRow> mathFunctionRows() {
    return kMathFunctions;
}

}  // namespace zentrel
