// a2d, a2g, a2r, d2a, ... r2g: an angle from one unit to another, where `a` is
// the current unit. Both parts are scaled; the result stays a complex pair.
#include <array>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/math_handlers.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"

namespace zentrel {

namespace {

// A unit named in a conversion function: one of the three, or the current one.
enum class Unit : std::uint8_t { Radian, Degree, Grad, Current };

struct Conversion {
    Unit from;
    Unit to;
};

// In the order of the function ids a2d ... r2g.
constexpr std::array<Conversion, 12> kConversions{{
    {Unit::Current, Unit::Degree},
    {Unit::Current, Unit::Grad},
    {Unit::Current, Unit::Radian},
    {Unit::Degree, Unit::Current},
    {Unit::Degree, Unit::Grad},
    {Unit::Degree, Unit::Radian},
    {Unit::Grad, Unit::Current},
    {Unit::Grad, Unit::Degree},
    {Unit::Grad, Unit::Radian},
    {Unit::Radian, Unit::Current},
    {Unit::Radian, Unit::Degree},
    {Unit::Radian, Unit::Grad},
}};
static_assert(kConversions.size() == idByte(FunctionId::R2g) - idByte(FunctionId::A2d) + 1);

// factor[from][to], indexed like AngleUnit (radian, degree, grad), each written
// as it is applied.
constexpr double kFactors[3][3] = {
    {1.0, 180.0 / kPi, 200.0 / kPi},
    {kPi * (1.0 / 180.0), 1.0, 200.0 / 180.0},
    {kPi / 200.0, 180.0 * 0.005, 1.0},
};

std::size_t unitIndex(Unit unit, AngleUnit current) {
    return static_cast<std::size_t>(unit == Unit::Current ? static_cast<std::uint8_t>(current)
                                                          : static_cast<std::uint8_t>(unit));
}

}  // namespace

ErrorCode convertAngle(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Complex angle;
    if (ErrorCode e = readComplexArgument(engine, ctx, token, angle)) return e;
    const Conversion& c = kConversions[token.payload.asByte() - idByte(FunctionId::A2d)];
    const AngleUnit current = engine.shared().modes.angleUnit;
    const double factor = kFactors[unitIndex(c.from, current)][unitIndex(c.to, current)];
    result.setScalar(Number::fromComplex(scale(angle, factor)));
    return kSuccess;
}

}  // namespace zentrel
