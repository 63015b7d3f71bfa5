// The plotting commands of the language: the coordinate mode, the log scales,
// and :plot / :replot, which set the engine canvas's expressions and colour and
// hand the range to the host.
#include <cmath>
#include <string>

#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/graphics_arguments.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/values/angle_units.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

ErrorCode wrongArguments(Engine& engine, const Token& command) {
    return engine.fail(kErrCommandArgument, command);
}

template <CoordinateMode mode>
ErrorCode setCoordinateMode(Engine& engine, Context&, const Token&, Value&) {
    engine.canvas().plotSettings().mode = static_cast<std::uint8_t>(mode);
    return kStatusDone;
}

struct Axes {
    bool x = false;
    bool y = false;
};

// The bare word x, y or xy after the command; it is taken as written, never as a
// variable of that name.
ErrorCode readAxes(Engine& engine, const Token& command, Axes& axes) {
    const Token* word = engine.peekToken();
    if (!word || (word->kind != TokenKind::Name && word->kind != TokenKind::NamedVariable)) {
        return wrongArguments(engine, command);
    }
    const std::string_view text = word->payload.asText();
    if (text != "x" && text != "y" && text != "xy") return wrongArguments(engine, command);
    engine.statement().readNext();
    axes = {text != "y", text != "x"};
    return kSuccess;
}

// :logscale axis [base]: the base (10 when absent) must be finite and above 1.
ErrorCode setLogScale(Engine& engine, Context& ctx, const Token& command, Value&) {
    Axes axes;
    if (ErrorCode e = readAxes(engine, command, axes)) return e;
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 1, n)) return e;
    const double base = n.count > 0 ? n[0] : 10.0;
    if (!(base > 1.0) || !std::isfinite(base)) return wrongArguments(engine, command);
    PlotSettings& settings = engine.canvas().plotSettings();
    if (axes.x) settings.logX.enable(base);
    if (axes.y) settings.logY.enable(base);
    return kStatusDone;
}

ErrorCode clearLogScale(Engine& engine, Context&, const Token& command, Value&) {
    Axes axes;
    if (ErrorCode e = readAxes(engine, command, axes)) return e;
    PlotSettings& settings = engine.canvas().plotSettings();
    if (axes.x) settings.logX.on = false;
    if (axes.y) settings.logY.on = false;
    return kStatusDone;
}

// A string constant, or an array (whose text is taken).
bool expressionFollows(Engine& engine, Context& ctx) {
    const Token* next = engine.peekToken();
    return next && (next->kind == TokenKind::String || arrayArgumentFollows(engine, ctx));
}

// The expression arguments of :plot. Rectangular and polar mode take one when
// it is there; parametric mode takes two, or none when the first argument is
// not an expression (a lone :plot is an error there).
ErrorCode readExpressions(Engine& engine, Context& ctx, const Token& command) {
    PlotSettings& settings = engine.canvas().plotSettings();
    const bool parametric = settings.isMode(CoordinateMode::Parametric);
    if (parametric && !engine.peekToken()) return wrongArguments(engine, command);
    if (!expressionFollows(engine, ctx)) return kSuccess;
    std::string first;
    if (ErrorCode e = readTextArgument(engine, ctx, command, kErrCommandArgument, first)) return e;
    if (!parametric) {
        settings.setExpression(first);
        return kSuccess;
    }
    if (!expressionFollows(engine, ctx)) return wrongArguments(engine, command);
    std::string second;
    if (ErrorCode e = readTextArgument(engine, ctx, command, kErrCommandArgument, second)) {
        return e;
    }
    settings.setExpressions(first, second);
    return kSuccess;
}

struct PlotRange {
    double min = 0.0;
    double max = 0.0;
    double pitch = 0.0;
};

// Rectangular: the world x of the first and the last column. Otherwise a whole
// turn in steps of one degree, in the engine's angle unit.
PlotRange defaultRange(Engine& engine) {
    EngineCanvas& canvas = engine.canvas();
    if (canvas.plotSettings().isMode(CoordinateMode::Rectangular)) {
        return {canvas.worldX(0), canvas.worldX(canvas.width() - 1), 0.0};
    }
    const AngleUnit unit = engine.shared().modes.angleUnit;
    return {0.0, convertAngle(360.0, AngleUnit::Degree, unit),
            convertAngle(1.0, AngleUnit::Degree, unit)};
}

// No number: the default range; one number: the colour; else min max, the pitch
// (parametric and polar, required) and an optional colour.
ErrorCode readRange(Engine& engine, Context& ctx, const Token& command, PlotRange& range) {
    EngineCanvas& canvas = engine.canvas();
    const bool rectangular = canvas.plotSettings().isMode(CoordinateMode::Rectangular);
    const std::size_t withPitch = rectangular ? 2 : 3;
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, withPitch + 1, n)) return e;
    if (n.count <= 1) {
        if (n.count == 1) canvas.setColour(colourArgument(n[0]));
        range = defaultRange(engine);
        return kSuccess;
    }
    if (n.count < withPitch) return wrongArguments(engine, command);
    range = {n[0], n[1], rectangular ? 0.0 : n[2]};
    if (n.count > withPitch) canvas.setColour(colourArgument(n[withPitch]));
    return kSuccess;
}

// The samples run in engines nested in this one, which end quietly when a stop
// request or the step budget ends the sampling: the drawing stopped early, and
// the statement fails as the run would have.
ErrorCode finishDrawing(Engine& engine, const Token& command) {
    engine.requestRefresh();
    return engine.stopRequested() ? engine.fail(kErrInterrupted, command) : kStatusDone;
}

ErrorCode plot(Engine& engine, Context& ctx, const Token& command, Value&) {
    if (ErrorCode e = readExpressions(engine, ctx, command)) return e;
    PlotRange range;
    if (ErrorCode e = readRange(engine, ctx, command, range)) return e;
    engine.host().plot(engine.canvas(), range.min, range.max, range.pitch);
    return finishDrawing(engine, command);
}

ErrorCode replot(Engine& engine, Context& ctx, const Token& command, Value&) {
    PlotRange range;
    if (ErrorCode e = readRange(engine, ctx, command, range)) return e;
    engine.host().replot(engine.canvas(), range.min, range.max, range.pitch);
    return finishDrawing(engine, command);
}

constexpr HandlerRow kPlotCommands[] = {
    row<Cmd::Rectangular>(setCoordinateMode<CoordinateMode::Rectangular>),
    row<Cmd::Parametric>(setCoordinateMode<CoordinateMode::Parametric>),
    row<Cmd::Polar>(setCoordinateMode<CoordinateMode::Polar>),
    row<Cmd::Logscale>(setLogScale),
    row<Cmd::Nologscale>(clearLogScale),
    row<Cmd::Plot>(plot),
    row<Cmd::Replot>(replot),
};
static_assert(distinctIds(kPlotCommands));

}  // namespace

std::span<const HandlerRow> plotCommandRows() {
    return kPlotCommands;
}

}  // namespace zentrel
