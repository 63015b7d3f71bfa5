// The string functions strcmp and strlen, on string literals and array texts.
#include <string>

#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

using Fn = FunctionId;

// strcmp a b: -1, 0 or 1, comparing bytes as unsigned characters.
ErrorCode compareTexts(Engine& engine, Context& ctx, const Token& token, Value& result) {
    std::string a;
    std::string b;
    if (ErrorCode e = readTextArgument(engine, ctx, token, kErrFunctionArgument, a)) return e;
    if (ErrorCode e = readTextArgument(engine, ctx, token, kErrFunctionArgument, b)) return e;
    const int order = a.compare(b);
    const double sign = order < 0 ? -1.0 : (order > 0 ? 1.0 : 0.0);
    result.setScalar(Number::fromReal(sign, engine.fractionRepresentation()));
    return kSuccess;
}

// strlen a
ErrorCode textLength(Engine& engine, Context& ctx, const Token& token, Value& result) {
    std::string text;
    if (ErrorCode e = readTextArgument(engine, ctx, token, kErrFunctionArgument, text)) return e;
    result.setScalar(
        Number::fromReal(static_cast<double>(text.size()), engine.fractionRepresentation()));
    return kSuccess;
}

constexpr HandlerRow kStringFunctions[] = {
    row<Fn::Strcmp>(compareTexts, 2, TakenWhole::TextsAndArrays),
    row<Fn::Strlen>(textLength, 1, TakenWhole::TextsAndArrays),
};
static_assert(distinctIds(kStringFunctions));

}  // namespace

std::span<const HandlerRow> stringFunctionRows() {
    return kStringFunctions;
}

}  // namespace zentrel
