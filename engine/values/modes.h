#pragma once

#include <cstdint>

namespace zentrel {

// One byte: the high bits give the family, the low two bits the output style.
enum class NumberMode : std::uint8_t {
    EFloat = 16,
    Float = 17,
    GFloat = 18,
    EComplex = 32,
    Complex = 33,
    GComplex = 34,
    Fract = 64,
    MFract = 65,
    Char = 128,
    UChar = 129,
    Short = 130,
    UShort = 131,
    Long = 132,
    ULong = 133,
};

enum class AngleUnit : std::uint8_t { Radian = 0, Degree = 1, Grad = 2 };

// Output style of the real and complex families: printf's e, f or g conversion.
enum class OutputStyle : std::uint8_t { E = 0, F = 1, G = 2 };

constexpr std::uint8_t modeCode(NumberMode m) { return static_cast<std::uint8_t>(m); }
constexpr bool isRealFamily(NumberMode m) { return modeCode(m) >= 16 && modeCode(m) <= 18; }
constexpr bool isComplexFamily(NumberMode m) { return modeCode(m) >= 32 && modeCode(m) <= 34; }
constexpr bool isFractionFamily(NumberMode m) { return modeCode(m) == 64 || modeCode(m) == 65; }
constexpr bool isIntegerFamily(NumberMode m) { return modeCode(m) >= 128; }
constexpr OutputStyle outputStyle(NumberMode m) {
    return static_cast<OutputStyle>(modeCode(m) & 3);
}

// True for a byte that names one of the fourteen modes.
constexpr bool isValidModeCode(std::uint8_t code) {
    return (code >= 16 && code <= 18) || (code >= 32 && code <= 34) || code == 64 ||
           code == 65 || (code >= 128 && code <= 133);
}

// The settings that belong to one variable scope (a Context).
struct ContextModes {
    NumberMode numberMode = NumberMode::GFloat;
    std::int32_t precision = 6;  // digits of real and complex output; 0 = automatic
    std::int32_t radix = 10;     // 2..36: base of integer-mode literals and output
};

// The settings shared by the top-level engine and every nested engine. The two
// flags follow the last mode command executed, which is why they live here and
// not in the scope whose numberMode they were derived from.
struct EngineModes {
    AngleUnit angleUnit = AngleUnit::Radian;
    bool fractionRepresentation = false;  // numbers are kept as fractions
    bool realDomain = true;               // out-of-domain functions warn instead of going complex

    void deriveFrom(NumberMode m) {
        fractionRepresentation = (modeCode(m) & 0x40) != 0;
        realDomain = (modeCode(m) & 0x20) == 0;
    }
};

// What a mode command does to the two holders: the scope's mode and the derived flags.
inline void applyNumberMode(ContextModes& context, EngineModes& engine, NumberMode m) {
    context.numberMode = m;
    engine.deriveFrom(m);
}

// Read-only view of every setting that parsing, formatting and arithmetic consult.
class ModeView {
public:
    ModeView(const ContextModes& context, const EngineModes& engine)
        : context_(&context), engine_(&engine) {}

    NumberMode numberMode() const { return context_->numberMode; }
    std::int32_t precision() const { return context_->precision; }
    std::int32_t radix() const { return context_->radix; }
    AngleUnit angleUnit() const { return engine_->angleUnit; }
    bool fractionRepresentation() const { return engine_->fractionRepresentation; }
    bool realDomain() const { return engine_->realDomain; }

private:
    const ContextModes* context_;
    const EngineModes* engine_;
};

}  // namespace zentrel
