// :real, :imag, :num, :denom replace one part of a variable's value; :srand
// seeds the random generator.
#include <cmath>

#include "engine/builtins/arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/function_support.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

enum class Part : std::uint8_t { Real, Imaginary, Numerator, Denominator };

// The fraction with a new magnitude for one part and the given sign, kept within
// 32 bits (and reduced) by the clamped construction.
Fraction rebuilt(Extended numerator, Extended denominator, bool negative) {
    Fraction f = Fraction::fromParts(numerator, denominator);
    f.negative = (negative && f.numerator != 0) ? 1 : 0;
    return f;
}

// A real or imaginary part replaces that part of the complex value (a fraction is
// read as a real); a numerator or denominator, truncated to an integer, replaces
// that part of the value as a fraction. The numerator brings its sign; a negative
// denominator flips the sign.
template <Part part>
Number withPart(const Number& value, const Number& x) {
    if constexpr (part == Part::Real || part == Part::Imaginary) {
        Complex c = toComplex(value);
        (part == Part::Real ? c.re : c.im) = toComplex(x).re;
        return Number::fromComplex(c);
    } else {
        const Fraction f = value.asFraction();
        const auto n = static_cast<Extended>(x.truncInt());
        if constexpr (part == Part::Numerator) {
            return Number::fromFraction(rebuilt(std::fabs(n), f.denominator, n < 0));
        } else {
            return Number::fromFraction(
                rebuilt(f.numerator, std::fabs(n), (f.negative != 0) != (n < 0)));
        }
    }
}

template <Part part>
ErrorCode setPart(Engine& engine, Context& ctx, const Token& token, Value&) {
    OperatorRecord target;
    Number current;
    if (ErrorCode e =
            readVariableTarget(engine, ctx, token, kErrCommandArgument, target, current)) {
        return e;
    }
    if (!engine.operandFollows()) return engine.fail(kErrCommandArgument, token);
    Value x;
    if (ErrorCode e = engine.evaluateOperand(ctx, token, x)) return e;
    const Value updated(withPart<part>(current, x.first()));
    if (ErrorCode e = storeIntoTarget(engine, ctx, target, token, updated)) return e;
    return kStatusDone;
}

// :srand n: the low 32 bits of n become the seed.
ErrorCode seedRandom(Engine& engine, Context& ctx, const Token& token, Value&) {
    std::int64_t n = 0;
    if (ErrorCode e = readRequiredInteger(engine, ctx, token, n)) return e;
    engine.shared().random.seed = static_cast<std::uint32_t>(n);
    return kStatusDone;
}

constexpr HandlerRow row(CommandId id, Handler handler) {
    return {idByte(id), handler};
}

constexpr HandlerRow kPartSetters[] = {
    row(CommandId::Real, setPart<Part::Real>),
    row(CommandId::Imag, setPart<Part::Imaginary>),
    row(CommandId::Num, setPart<Part::Numerator>),
    row(CommandId::Denom, setPart<Part::Denominator>),
    row(CommandId::Srand, seedRandom),
};
static_assert(distinctIds(kPartSetters));

}  // namespace

std::span<const HandlerRow> partSetterRows() {
    return kPartSetters;
}

}  // namespace zentrel
