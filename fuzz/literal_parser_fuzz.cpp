// The literal parser in every numeric mode and radix: any text is read or
// refused without reading outside it, and in the integer and fraction modes a
// parsed number written out in the same mode reads back to the same text.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/values/modes.h"
#include "engine/values/number_text.h"

namespace {

constexpr std::array kModes = {
    zentrel::NumberMode::EFloat,   zentrel::NumberMode::Float,   zentrel::NumberMode::GFloat,
    zentrel::NumberMode::EComplex, zentrel::NumberMode::Complex, zentrel::NumberMode::GComplex,
    zentrel::NumberMode::Fract,    zentrel::NumberMode::MFract,  zentrel::NumberMode::Char,
    zentrel::NumberMode::UChar,    zentrel::NumberMode::Short,   zentrel::NumberMode::UShort,
    zentrel::NumberMode::Long,     zentrel::NumberMode::ULong,
};
static_assert(kModes.size() == 14);

// Equal as numbers: fractions by cross products, so that an unreduced
// fraction equals its reduced form.
bool sameValue(const zentrel::Number& a, const zentrel::Number& b) {
    if (!a.isFraction || !b.isFraction) {
        return a.complex.re == b.complex.re && a.complex.im == b.complex.im;
    }
    const zentrel::Fraction& x = a.fraction;
    const zentrel::Fraction& y = b.fraction;
    const std::uint64_t left = std::uint64_t{x.numerator} * y.denominator;
    const std::uint64_t right = std::uint64_t{y.numerator} * x.denominator;
    return left == right && (left == 0 || x.negative == y.negative);
}

}  // namespace

// Input: a mode byte, a radix and precision byte, then the literal.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    zentrel::ContextModes context;
    zentrel::EngineModes engine;
    const zentrel::NumberMode mode = kModes[data[0] % kModes.size()];
    zentrel::applyNumberMode(context, engine, mode);
    context.radix = 2 + data[1] % 35;
    context.precision = data[1] / 35;
    const zentrel::ModeView view(context, engine);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    zentrel::Number number;
    if (!zentrel::parseLiteral(view, text, number)) return 0;
    if (!zentrel::isIntegerFamily(mode) && !zentrel::isFractionFamily(mode)) return 0;
    // The parser does not wrap into the mode's range (the engine does that
    // after a statement), so the comparison starts from the written form.
    zentrel::Number first;
    const std::string written = zentrel::formatNumber(view, number);
    if (!zentrel::parseLiteral(view, written, first)) __builtin_trap();
    zentrel::Number again;
    if (!zentrel::parseLiteral(view, zentrel::formatNumber(view, first), again) ||
        !sameValue(first, again)) {
        __builtin_trap();
    }
    return 0;
}
