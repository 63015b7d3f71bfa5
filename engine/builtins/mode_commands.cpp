// Commands that change the numeric mode, precision, radix, angle unit and the
// engine switches.
#include <algorithm>

#include "engine/builtins/arguments.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {

using Cmd = CommandId;

// A negative precision means the default.
std::int32_t clampPrecision(std::int64_t n) {
    if (n < 0) return 6;
    return n > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(n);
}

std::int32_t clampRadixArgument(std::int64_t n) {
    return clampRadix(static_cast<int>(std::clamp<std::int64_t>(n, 0, 37)));
}

constexpr NumberMode modeOfCommand(Cmd id) {
    switch (id) {
        case Cmd::Efloat:
            return NumberMode::EFloat;
        case Cmd::Float:
            return NumberMode::Float;
        case Cmd::Ecomplex:
            return NumberMode::EComplex;
        case Cmd::Complex:
            return NumberMode::Complex;
        case Cmd::Gcomplex:
            return NumberMode::GComplex;
        case Cmd::Fract:
            return NumberMode::Fract;
        case Cmd::Mfract:
            return NumberMode::MFract;
        case Cmd::Char:
            return NumberMode::Char;
        case Cmd::Uchar:
            return NumberMode::UChar;
        case Cmd::Short:
            return NumberMode::Short;
        case Cmd::Ushort:
            return NumberMode::UShort;
        case Cmd::Long:
        case Cmd::Int:
            return NumberMode::Long;
        case Cmd::Ulong:
        case Cmd::Uint:
            return NumberMode::ULong;
        default:
            return NumberMode::GFloat;
    }
}

// The mode is set before the optional argument is read, so a failing argument
// leaves the new mode in force.
template <Cmd id>
ErrorCode setNumberMode(Engine& engine, Context& ctx, const Token& token, Value&) {
    constexpr NumberMode mode = modeOfCommand(id);
    applyNumberMode(ctx.modes, engine.shared().modes, mode);
    if constexpr (isFractionFamily(mode)) return kStatusDone;
    std::optional<std::int64_t> n;
    if (ErrorCode e = readOptionalInteger(engine, ctx, token, n)) return e;
    if (n && isIntegerFamily(mode)) ctx.modes.radix = clampRadixArgument(*n);
    if (n && !isIntegerFamily(mode)) ctx.modes.precision = clampPrecision(*n);
    return kStatusDone;
}

ErrorCode setPrecision(Engine& engine, Context& ctx, const Token& token, Value&) {
    std::int64_t n = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, token, n)) return e;
    ctx.modes.precision = clampPrecision(n);
    return kStatusDone;
}

ErrorCode setRadix(Engine& engine, Context& ctx, const Token& token, Value&) {
    std::int64_t n = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, token, n)) return e;
    ctx.modes.radix = clampRadixArgument(n);
    return kStatusDone;
}

ErrorCode presetType(Engine& engine, Context& ctx, const Token&, Value&) {
    applyNumberMode(ctx.modes, engine.shared().modes, engine.presetMode);
    return kStatusDone;
}

// :rad, :deg, :grad [n]: the unit, and whether a function's result is an angle.
template <AngleUnit unit>
ErrorCode setAngleUnit(Engine& engine, Context& ctx, const Token& token, Value&) {
    engine.shared().modes.angleUnit = unit;
    std::optional<std::int64_t> n;
    if (ErrorCode e = readOptionalInteger(engine, ctx, token, n)) return e;
    engine.angleResult = n.value_or(0) != 0;
    return kStatusDone;
}

SwitchPair& switchOf(Engine& engine, Context& ctx, Cmd id) {
    switch (id) {
        case Cmd::Ans:
            return ctx.ansSwitch;
        case Cmd::Assert:
            return engine.assertSwitch;
        case Cmd::Debug:
            return engine.debugSwitch;
        default:
            return engine.warnSwitch;
    }
}

template <Cmd id>
ErrorCode setSwitch(Engine& engine, Context& ctx, const Token& token, Value&) {
    std::int64_t n = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, token, n)) return e;
    switchOf(engine, ctx, id).set(n);
    return kStatusDone;
}

template <Cmd id>
constexpr HandlerRow row(Handler handler) {
    return {idByte(id), handler};
}

constexpr HandlerRow kModeCommands[] = {
    row<Cmd::Efloat>(setNumberMode<Cmd::Efloat>),
    row<Cmd::Float>(setNumberMode<Cmd::Float>),
    row<Cmd::Gfloat>(setNumberMode<Cmd::Gfloat>),
    row<Cmd::Ecomplex>(setNumberMode<Cmd::Ecomplex>),
    row<Cmd::Complex>(setNumberMode<Cmd::Complex>),
    row<Cmd::Gcomplex>(setNumberMode<Cmd::Gcomplex>),
    row<Cmd::Prec>(setPrecision),
    row<Cmd::Fract>(setNumberMode<Cmd::Fract>),
    row<Cmd::Mfract>(setNumberMode<Cmd::Mfract>),
    row<Cmd::Char>(setNumberMode<Cmd::Char>),
    row<Cmd::Uchar>(setNumberMode<Cmd::Uchar>),
    row<Cmd::Short>(setNumberMode<Cmd::Short>),
    row<Cmd::Ushort>(setNumberMode<Cmd::Ushort>),
    row<Cmd::Long>(setNumberMode<Cmd::Long>),
    row<Cmd::Ulong>(setNumberMode<Cmd::Ulong>),
    row<Cmd::Int>(setNumberMode<Cmd::Int>),
    row<Cmd::Uint>(setNumberMode<Cmd::Uint>),
    row<Cmd::Radix>(setRadix),
    row<Cmd::Ptype>(presetType),
    row<Cmd::Rad>(setAngleUnit<AngleUnit::Radian>),
    row<Cmd::Deg>(setAngleUnit<AngleUnit::Degree>),
    row<Cmd::Grad>(setAngleUnit<AngleUnit::Grad>),
    row<Cmd::Ans>(setSwitch<Cmd::Ans>),
    row<Cmd::Assert>(setSwitch<Cmd::Assert>),
    row<Cmd::Warn>(setSwitch<Cmd::Warn>),
    row<Cmd::Debug>(setSwitch<Cmd::Debug>),
};

}  // namespace

std::span<const HandlerRow> modeCommandRows() {
    return kModeCommands;
}

}  // namespace zentrel
