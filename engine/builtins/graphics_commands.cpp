// The drawing commands of the language (:gworld ... :wget): they act on the
// engine canvas and ask the host to show the result.
#include "engine/builtins/arguments.h"
#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/graphics_arguments.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

ErrorCode wrongArguments(Engine& engine, const Token& command) {
    return engine.fail(kErrCommandArgument, command);
}

// Reads exactly `required` numbers, or `required` and a colour, which then
// becomes the canvas colour before anything is drawn.
ErrorCode readDrawingNumbers(Engine& engine, Context& ctx, const Token& command,
                             std::size_t required, CommandNumbers& numbers) {
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, required + 1, numbers)) return e;
    if (numbers.count < required) return wrongArguments(engine, command);
    if (numbers.count > required) engine.canvas().setColour(colourArgument(numbers[required]));
    return kSuccess;
}

// :gworld w h: the host makes the raster. A size it cannot make (beyond its
// bounds, or not positive) is an argument error rather than a silent no-op.
ErrorCode setWorld(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 2, n)) return e;
    if (n.count < 2) return wrongArguments(engine, command);
    if (!engine.host().createWorld(engine.canvas(), pixelArgument(n[0]), pixelArgument(n[1]))) {
        return wrongArguments(engine, command);
    }
    return kStatusDone;
}

// A fill or a clear writes up to every pixel row of the raster, each a step of the
// stop request (a row is one memset: far cheaper than a statement).
ErrorCode chargeRows(Engine& engine, const Token& command) {
    const bool stopped = engine.shared().stop.chargeWork(engine.canvas().height());
    return stopped ? engine.fail(kErrInterrupted, command) : kSuccess;
}

ErrorCode clearCanvas(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 1, n)) return e;
    if (ErrorCode e = chargeRows(engine, command)) return e;
    engine.canvas().clear(n.count > 0 ? colourArgument(n[0]) : 0);
    engine.requestRefresh();
    return kStatusDone;
}

ErrorCode setColour(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 1, n)) return e;
    if (n.count < 1) return wrongArguments(engine, command);
    engine.canvas().setColour(colourArgument(n[0]));
    return kStatusDone;
}

ErrorCode fillPixels(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readDrawingNumbers(engine, ctx, command, 4, n)) return e;
    if (ErrorCode e = chargeRows(engine, command)) return e;
    engine.canvas().fillRect(pixelArgument(n[0]), pixelArgument(n[1]), pixelArgument(n[2]),
                             pixelArgument(n[3]));
    engine.requestRefresh();
    return kStatusDone;
}

ErrorCode fillWorld(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readDrawingNumbers(engine, ctx, command, 4, n)) return e;
    if (ErrorCode e = chargeRows(engine, command)) return e;
    engine.canvas().fillWorldRect(n[0], n[1], n[2], n[3]);
    engine.requestRefresh();
    return kStatusDone;
}

ErrorCode movePixelPen(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 2, n)) return e;
    if (n.count < 2) return wrongArguments(engine, command);
    engine.canvas().movePen(pixelArgument(n[0]), pixelArgument(n[1]));
    return kStatusDone;
}

ErrorCode moveWorldPen(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 2, n)) return e;
    if (n.count < 2) return wrongArguments(engine, command);
    engine.canvas().moveWorldPen(n[0], n[1]);
    return kStatusDone;
}

// x y [colour] from the pen, or x1 y1 x2 y2 [colour]; three numbers are the first
// form with a colour.
ErrorCode readLineNumbers(Engine& engine, Context& ctx, const Token& command, CommandNumbers& n) {
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 5, n)) return e;
    if (n.count < 2) return wrongArguments(engine, command);
    const std::size_t points = n.count >= 4 ? 4 : 2;
    if (n.count > points) engine.canvas().setColour(colourArgument(n[points]));
    return kSuccess;
}

ErrorCode pixelLine(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readLineNumbers(engine, ctx, command, n)) return e;
    EngineCanvas& canvas = engine.canvas();
    if (n.count >= 4) {
        canvas.line(pixelArgument(n[0]), pixelArgument(n[1]), pixelArgument(n[2]),
                    pixelArgument(n[3]));
    } else {
        canvas.line(canvas.penX(), canvas.penY(), pixelArgument(n[0]), pixelArgument(n[1]));
    }
    engine.requestRefresh();
    return kStatusDone;
}

ErrorCode worldLine(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readLineNumbers(engine, ctx, command, n)) return e;
    EngineCanvas& canvas = engine.canvas();
    if (n.count >= 4) {
        canvas.worldLine(n[0], n[1], n[2], n[3]);
    } else {
        canvas.worldLine(canvas.penWorldX(), canvas.penWorldY(), n[0], n[1]);
    }
    engine.requestRefresh();
    return kStatusDone;
}

// :gput array: element (row y, column x) becomes pixel (x, y) for every pixel;
// elements outside the matrix read 0.
ErrorCode putArray(Engine& engine, Context& ctx, const Token& command) {
    ArrayArgument array;
    if (ErrorCode e = readArrayArgument(engine, ctx, command, kErrCommandArgument, array)) {
        return e;
    }
    const Value& matrix = ctx.arrays.matrix(array.slot);
    EngineCanvas& canvas = engine.canvas();
    for (std::int32_t y = 0; y < canvas.height(); ++y) {
        for (std::int32_t x = 0; x < canvas.width(); ++x) {
            canvas.setPixel(x, y, static_cast<std::uint8_t>(matrix.elementAt(y, x).truncInt()));
        }
    }
    engine.requestRefresh();
    return kStatusDone;
}

ErrorCode putPixel(Engine& engine, Context& ctx, const Token& command, Value&) {
    if (arrayArgumentFollows(engine, ctx)) return putArray(engine, ctx, command);
    CommandNumbers n;
    if (ErrorCode e = readDrawingNumbers(engine, ctx, command, 2, n)) return e;
    const std::int32_t x = pixelArgument(n[0]);
    const std::int32_t y = pixelArgument(n[1]);
    engine.canvas().setPixel(x, y, engine.canvas().colour());
    engine.requestRefreshPixel(x, y);
    return kStatusDone;
}

ErrorCode putWorldPixel(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readDrawingNumbers(engine, ctx, command, 2, n)) return e;
    EngineCanvas& canvas = engine.canvas();
    const auto x = canvas.pixelX(n[0]);
    const auto y = canvas.pixelY(n[1]);
    if (!x || !y) return kStatusDone;  // a point without pixels is nowhere on the raster
    canvas.setPixel(*x, *y, canvas.colour());
    engine.requestRefreshPixel(*x, *y);
    return kStatusDone;
}

// :gget array: the raster becomes the array's matrix, one row per pixel row.
ErrorCode getArray(Engine& engine, Context& ctx, const Token& command) {
    ArrayArgument array;
    if (ErrorCode e = readArrayArgument(engine, ctx, command, kErrCommandArgument, array)) {
        return e;
    }
    const EngineCanvas& canvas = engine.canvas();
    if (canvas.width() < 1 || canvas.height() < 1) return kStatusDone;
    Value* matrix = writableMatrixOf(ctx, array);
    const bool fractions = engine.fractionRepresentation();
    if (!matrix) return engine.fail(kOutOfMemory, command);
    if (ErrorCode e = matrix->resize(canvas.height(), canvas.width(), fractions)) {
        return engine.fail(e, command);
    }
    for (std::int32_t y = 0; y < canvas.height(); ++y) {
        if (engine.shared().stop.chargeWork(canvas.width())) {
            return engine.fail(kErrInterrupted, command);
        }
        for (std::int32_t x = 0; x < canvas.width(); ++x) {
            matrix->element(y * canvas.width() + x) =
                Number::fromReal(canvas.getPixel(x, y), fractions);
        }
    }
    return kStatusDone;
}

// Stores a pixel value into the variable named next (a constant there is 0x210E).
ErrorCode storePixelValue(Engine& engine, Context& ctx, const Token& command, std::uint8_t pixel) {
    OperatorRecord target;
    Number current;
    if (ErrorCode e =
            readVariableTarget(engine, ctx, command, kErrCommandArgument, target, current)) {
        return e;
    }
    const Value value(Number::fromReal(pixel, engine.fractionRepresentation()));
    if (ErrorCode e = storeIntoTarget(engine, ctx, target, command, value)) return e;
    return kStatusDone;
}

ErrorCode getPixel(Engine& engine, Context& ctx, const Token& command, Value&) {
    if (arrayArgumentFollows(engine, ctx)) return getArray(engine, ctx, command);
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 2, n)) return e;
    if (n.count < 2) return wrongArguments(engine, command);
    const std::uint8_t pixel = engine.canvas().getPixel(pixelArgument(n[0]), pixelArgument(n[1]));
    return storePixelValue(engine, ctx, command, pixel);
}

ErrorCode getWorldPixel(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 2, n)) return e;
    if (n.count < 2) return wrongArguments(engine, command);
    const EngineCanvas& canvas = engine.canvas();
    const auto x = canvas.pixelX(n[0]);
    const auto y = canvas.pixelY(n[1]);
    const std::uint8_t pixel = x && y ? canvas.getPixel(*x, *y) : 0;
    return storePixelValue(engine, ctx, command, pixel);
}

// :gupdate [v]: the auto-update switch (v absent counts as 1), then one refresh.
ErrorCode setAutoUpdate(Engine& engine, Context& ctx, const Token& command, Value&) {
    std::optional<std::int64_t> v;
    if (ErrorCode e = readOptionalInteger(engine, ctx, command, v)) return e;
    engine.updateSwitch.set(v.value_or(1));
    engine.requestRefresh();
    return kStatusDone;
}

ErrorCode setWindow(Engine& engine, Context& ctx, const Token& command, Value&) {
    CommandNumbers n;
    if (ErrorCode e = readCommandNumbers(engine, ctx, command, 4, n)) return e;
    if (n.count < 4) return wrongArguments(engine, command);
    engine.host().changeWindow(engine.canvas(), n[0], n[1], n[2], n[3]);
    return kStatusDone;
}

// Every drawing command reads its numbers one by one, and none changes a
// mode; one handed a pixel array reads the statement's tokens itself.
template <auto id>
constexpr HandlerRow drawing(Handler handler) {
    return row<id>(handler, kOperandList);
}

constexpr HandlerRow kGraphicsCommands[] = {
    drawing<Cmd::Gworld>(setWorld),       drawing<Cmd::Gclear>(clearCanvas),
    drawing<Cmd::Gcolor>(setColour),      drawing<Cmd::Gfill>(fillPixels),
    drawing<Cmd::Gmove>(movePixelPen),    drawing<Cmd::Gline>(pixelLine),
    drawing<Cmd::Gput>(putPixel),         drawing<Cmd::Gget>(getPixel),
    drawing<Cmd::Gupdate>(setAutoUpdate), drawing<Cmd::Window>(setWindow),
    drawing<Cmd::Wfill>(fillWorld),       drawing<Cmd::Wmove>(moveWorldPen),
    drawing<Cmd::Wline>(worldLine),       drawing<Cmd::Wput>(putWorldPixel),
    drawing<Cmd::Wget>(getWorldPixel),
};
static_assert(distinctIds(kGraphicsCommands));

}  // namespace

std::span<const HandlerRow> graphicsCommandRows() {
    return kGraphicsCommands;
}

}  // namespace zentrel
