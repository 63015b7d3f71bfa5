// Commands that change the numeric mode, precision, radix, angle unit and the
// engine switches, and :warn with a text.
#include <algorithm>

#include "engine/builtins/arguments.h"
#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/math_scope.h"
#include "engine/builtins/mode_commands.h"
#include "engine/builtins/user_text.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/values/angle_units.h"
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

// The mode is set before the optional argument is read, so a failing argument
// leaves the new mode in force.
template <Cmd id>
ErrorCode setNumberMode(Engine& engine, Context& ctx, const Token& token, Value&) {
    constexpr NumberMode mode = *numberModeOfCommand(id);
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
    engine.shared().selectAngleUnit(unit);
    std::optional<std::int64_t> n;
    if (ErrorCode e = readOptionalInteger(engine, ctx, token, n)) return e;
    engine.angleResult = n.value_or(0) != 0;
    return kStatusDone;
}

// :angle k: parameter k, given in the caller's unit, in this engine's unit. A
// parameter protected as a constant is left alone.
ErrorCode convertParameterAngle(Engine& engine, Context& ctx, const Token& token, Value&) {
    std::int64_t k = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, token, k)) return e;
    if (k < 0 || k >= kParameterCount) return engine.fail(kErrCommandArgument, token);
    const auto slot = static_cast<std::uint8_t>('0' + k);
    const AngleUnit from = engine.callerAngleUnit;
    const AngleUnit to = engine.shared().modes.angleUnit;
    if (ctx.variables.isConstant(slot) || from == to) return kStatusDone;
    Number& parameter = ctx.variables.value(slot);
    const double x = toComplex(parameter).re;
    parameter = Number::fromComplex({convertAngle(x, from, to), 0.0});
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

// :warn text shows the text while warnings are on; :warn n sets the switch. A word
// is resolved first, so that a label of an array counts as an array.
ErrorCode warnCommand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Token* argument = engine.peekToken();
    if (!argument) return engine.fail(kErrCommandArgument, token);
    if (argument->kind == TokenKind::Name) resolveName(engine, ctx, *argument);
    switch (argument->kind) {
        case TokenKind::String:
        case TokenKind::Array:
        case TokenKind::NamedArray: {
            std::string text;
            if (ErrorCode e = readTextArgument(engine, ctx, token, kErrCommandArgument, text)) {
                return e;
            }
            if (engine.warnSwitch.isOn()) engine.host().showUserWarning(prepareUserText(text, ctx));
            return kStatusDone;
        }
        default:
            return setSwitch<Cmd::Warn>(engine, ctx, token, result);
    }
}

// A colon with no command name after it.
ErrorCode bareColon(Engine& engine, Context&, const Token& command, Value&) {
    return engine.fail(kErrCommand, command);
}

constexpr HandlerRow kModeCommands[] = {
    row<Cmd::None>(bareColon),
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
    row<Cmd::Angle>(convertParameterAngle),
    row<Cmd::Ans>(setSwitch<Cmd::Ans>),
    row<Cmd::Assert>(setSwitch<Cmd::Assert>),
    row<Cmd::Warn>(warnCommand),
    row<Cmd::Debug>(setSwitch<Cmd::Debug>),
};
static_assert(distinctIds(kModeCommands));

}  // namespace

std::span<const HandlerRow> modeCommandRows() {
    return kModeCommands;
}

}  // namespace zentrel
