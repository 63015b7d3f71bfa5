// The graphics functions of the language: queries of the engine canvas.
#include <optional>

#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/graphics_arguments.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"

namespace zentrel {

namespace {

using Fn = FunctionId;

ErrorCode readReal(Engine& engine, Context& ctx, const Token& function, double& x) {
    Number n;
    if (ErrorCode e = readNumberArgument(engine, ctx, function, n)) return e;
    x = toComplex(n).re;
    return kSuccess;
}

ErrorCode answer(Engine& engine, Value& result, double x) {
    setRealResult(engine, result, x);
    return kSuccess;
}

// The zero-argument queries, one per function.
template <Fn id>
double canvasState(const EngineCanvas& canvas) {
    if constexpr (id == Fn::Gwidth) return canvas.width();
    if constexpr (id == Fn::Gheight) return canvas.height();
    if constexpr (id == Fn::Gcolor) return canvas.colour();
    if constexpr (id == Fn::Gcx) return canvas.penX();
    if constexpr (id == Fn::Gcy) return canvas.penY();
    if constexpr (id == Fn::Wcx) return canvas.penWorldX();
    if constexpr (id == Fn::Wcy) return canvas.penWorldY();
}

template <Fn id>
ErrorCode queryCanvas(Engine& engine, Context&, const Token&, Value& result) {
    return answer(engine, result, canvasState<id>(engine.canvas()));
}

ErrorCode pixelValue(Engine& engine, Context& ctx, const Token& function, Value& result) {
    double x = 0.0, y = 0.0;
    if (ErrorCode e = readReal(engine, ctx, function, x)) return e;
    if (ErrorCode e = readReal(engine, ctx, function, y)) return e;
    return answer(engine, result, engine.canvas().getPixel(pixelArgument(x), pixelArgument(y)));
}

ErrorCode worldPixelValue(Engine& engine, Context& ctx, const Token& function, Value& result) {
    double x = 0.0, y = 0.0;
    if (ErrorCode e = readReal(engine, ctx, function, x)) return e;
    if (ErrorCode e = readReal(engine, ctx, function, y)) return e;
    const EngineCanvas& canvas = engine.canvas();
    const auto px = canvas.pixelX(x);
    const auto py = canvas.pixelY(y);
    return answer(engine, result, px && py ? canvas.getPixel(*px, *py) : 0);
}

// gx, gy: a coordinate without a pixel (not finite) is an invalid argument.
template <bool vertical>
ErrorCode pixelCoordinate(Engine& engine, Context& ctx, const Token& function, Value& result) {
    double v = 0.0;
    if (ErrorCode e = readReal(engine, ctx, function, v)) return e;
    const EngineCanvas& canvas = engine.canvas();
    const std::optional<std::int32_t> pixel = vertical ? canvas.pixelY(v) : canvas.pixelX(v);
    if (!pixel) return engine.fail(kErrFunctionArgument, function);
    return answer(engine, result, *pixel);
}

template <bool vertical>
ErrorCode worldCoordinate(Engine& engine, Context& ctx, const Token& function, Value& result) {
    double v = 0.0;
    if (ErrorCode e = readReal(engine, ctx, function, v)) return e;
    const EngineCanvas& canvas = engine.canvas();
    const std::int32_t pixel = pixelArgument(v);
    return answer(engine, result, vertical ? canvas.worldY(pixel) : canvas.worldX(pixel));
}

constexpr HandlerRow kGraphicsFunctions[] = {
    row<Fn::Gwidth>(queryCanvas<Fn::Gwidth>, kNoOperands),
    row<Fn::Gheight>(queryCanvas<Fn::Gheight>, kNoOperands),
    row<Fn::Gcolor>(queryCanvas<Fn::Gcolor>, kNoOperands),
    row<Fn::Gcx>(queryCanvas<Fn::Gcx>, kNoOperands),
    row<Fn::Gcy>(queryCanvas<Fn::Gcy>, kNoOperands),
    row<Fn::Wcx>(queryCanvas<Fn::Wcx>, kNoOperands),
    row<Fn::Wcy>(queryCanvas<Fn::Wcy>, kNoOperands),
    row<Fn::Gget>(pixelValue, 2),
    row<Fn::Wget>(worldPixelValue, 2),
    row<Fn::Gx>(pixelCoordinate<false>, 1),
    row<Fn::Gy>(pixelCoordinate<true>, 1),
    row<Fn::Wx>(worldCoordinate<false>, 1),
    row<Fn::Wy>(worldCoordinate<true>, 1),
};
static_assert(distinctIds(kGraphicsFunctions));

}  // namespace

std::span<const HandlerRow> graphicsFunctionRows() {
    return kGraphicsFunctions;
}

}  // namespace zentrel
