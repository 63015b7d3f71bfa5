// The literal parser in every numeric mode and radix: any text is read or
// refused without reading outside it, and in the integer and fraction modes a
// parsed number written out in the same mode reads back as the same number.
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

bool sameNumber(const zentrel::Number& a, const zentrel::Number& b) {
    if (a.isFraction != b.isFraction) return false;
    if (!a.isFraction) return a.complex.re == b.complex.re && a.complex.im == b.complex.im;
    return a.fraction.negative == b.fraction.negative &&
           a.fraction.numerator == b.fraction.numerator &&
           a.fraction.denominator == b.fraction.denominator;
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
    const std::string written = zentrel::formatNumber(view, number);
    if (zentrel::isIntegerFamily(mode) || zentrel::isFractionFamily(mode)) {
        zentrel::Number again;
        if (!zentrel::parseLiteral(view, written, again) || !sameNumber(number, again)) {
            __builtin_trap();
        }
    }
    return 0;
}
