#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "engine/values/number_text.h"

namespace zentrel {

namespace {

// Digits past this many are zeros for every binary64 value (its exact decimal
// expansion ends within 1074 places), so a larger precision only pads with zeros;
// the cap keeps one number from asking for gigabytes of text.
constexpr std::int32_t kMaxPrintedDigits = 1'000'000;

constexpr int kAutomaticGeneralDigits = 16;
constexpr int kDefaultPrecision = 6;

// x * 10^i in extended precision, rounded to binary64 as the automatic precisions
// require; 10^i overflows to infinity for large i, which ends their loops.
double scaledByPowerOfTen(double x, int i) {
    return static_cast<double>(static_cast<Extended>(x) * std::pow(10.0, i));
}

bool hasFraction(double x) {
    return std::floor(x) != x;
}

constexpr std::chars_format charsFormat(OutputStyle style) {
    switch (style) {
        case OutputStyle::E:
            return std::chars_format::scientific;
        case OutputStyle::F:
            return std::chars_format::fixed;
        default:
            return std::chars_format::general;
    }
}

// printf's %.Ne, %.Nf and %.Ng in the C locale, whatever the process locale is.
// A NaN's sign bit means nothing (0/0 sets it on x86), so NaN is always "nan".
std::string printFloating(double x, std::chars_format format, std::int32_t digits) {
    if (std::isnan(x)) x = std::fabs(x);
    std::array<char, 128> small;
    auto result = std::to_chars(small.data(), small.data() + small.size(), x, format, digits);
    if (result.ec == std::errc{}) return std::string(small.data(), result.ptr);
    // Room for 309 integer digits, sign, point and exponent besides the precision.
    std::string text(static_cast<std::size_t>(digits) + 400, '\0');
    result = std::to_chars(text.data(), text.data() + text.size(), x, format, digits);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

std::string floatingText(double x, OutputStyle style, std::int32_t precision) {
    std::int32_t digits = precision;
    if (precision < 0) {
        digits = kDefaultPrecision;
    } else if (precision == 0) {
        switch (style) {
            case OutputStyle::E:
                digits = autoExponentDigits(x);
                break;
            case OutputStyle::F:
                digits = autoDecimals(x);
                break;
            default:
                digits = kAutomaticGeneralDigits;
        }
    }
    return printFloating(x, charsFormat(style), std::min(digits, kMaxPrintedDigits));
}

// A part that is exactly zero is left out; a positive imaginary part is joined
// with '+'. Any imaginary text without its own '-' (such as nan) gets the '+' so
// that the two parts never run together.
SplitNumberText complexText(Complex c, OutputStyle style, std::int32_t precision) {
    if (c.im == 0) return {floatingText(c.re, style, precision), {}};
    std::string imag = floatingText(c.im, style, precision) + 'i';
    if (c.re == 0) return {{}, imag};
    if (imag.front() != '-') imag.insert(imag.begin(), '+');
    return {floatingText(c.re, style, precision), imag};
}

std::string fractionText(const Number& number, bool mixed, std::string_view separator) {
    const Fraction f = number.asFraction();
    if (f.denominator == 0) {
        return printFloating(static_cast<double>(number.realValue()), std::chars_format::general,
                             kDefaultPrecision);
    }
    std::string text = (f.negative && f.numerator != 0) ? "-" : "";
    const std::uint32_t whole = f.numerator / f.denominator;
    const std::uint32_t rest = f.numerator % f.denominator;
    if (mixed && whole != 0) {
        text += std::to_string(whole);
        if (rest == 0) return text;
        text.append(separator).append(std::to_string(rest));
    } else {
        text += std::to_string(f.numerator);
        if (f.denominator == 1) return text;
    }
    return text.append(separator).append(std::to_string(f.denominator));
}

struct IntegerWidth {
    int bits;
    bool isSigned;
};

// Indexed by mode code - Char.
constexpr std::array<IntegerWidth, 6> kIntegerWidths{{
    {8, true},    // :char
    {8, false},   // :uchar
    {16, true},   // :short
    {16, false},  // :ushort
    {32, true},   // :long
    {32, false},  // :ulong
}};
static_assert(kIntegerWidths.size() ==
              modeCode(NumberMode::ULong) - modeCode(NumberMode::Char) + 1);

std::string integerText(const Number& number, NumberMode mode, int radix) {
    const IntegerWidth width = kIntegerWidths[modeCode(mode) - modeCode(NumberMode::Char)];
    const std::uint32_t mask = width.bits == 32 ? UINT32_MAX : (1u << width.bits) - 1;
    const auto low = static_cast<std::uint32_t>(number.truncInt()) & mask;
    if (!width.isSigned) return formatUnsigned(low, radix);
    const std::uint32_t signBit = 1u << (width.bits - 1);
    const std::uint32_t extended = (low & signBit) != 0 ? (low | ~mask) : low;
    return formatSigned(static_cast<std::int32_t>(extended), radix);
}

// Both forms differ only in how fraction parts are separated.
SplitNumberText formatParts(const ModeView& modes, const Number& number,
                            std::string_view separator) {
    const NumberMode mode = modes.numberMode();
    if (isIntegerFamily(mode)) return {integerText(number, mode, modes.radix()), {}};
    if (isFractionFamily(mode)) {
        return {fractionText(number, mode == NumberMode::MFract, separator), {}};
    }
    if (isComplexFamily(mode)) {
        return complexText(number.asComplex(), outputStyle(mode), modes.precision());
    }
    const auto re = static_cast<double>(number.realValue());
    return {floatingText(re, outputStyle(mode), modes.precision()), {}};
}

}  // namespace

int autoExponentDigits(double x) {
    if (!std::isfinite(x) || x == 0) return 0;
    int i = 0;
    int leadingZeros = 0;
    for (double scaled = x; hasFraction(scaled); scaled = scaledByPowerOfTen(x, i)) {
        if (std::trunc(scaled) == 0) ++leadingZeros;
        ++i;
    }
    // Below 1 the digits after the first significant one; otherwise every digit.
    if (leadingZeros > 0) return i - leadingZeros;
    return i + static_cast<int>(std::trunc(std::log10(std::fabs(x))));
}

int autoDecimals(double x) {
    if (!std::isfinite(x)) return 0;
    int i = 0;
    while (hasFraction(scaledByPowerOfTen(x, i)))
        ++i;
    return i;
}

std::string formatUnsigned(std::uint32_t value, int radix) {
    constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const auto base = static_cast<std::uint32_t>(clampRadix(radix));
    std::array<char, 32> reversed;
    std::size_t length = 0;
    do {
        reversed[length++] = kDigits[value % base];
        value /= base;
    } while (value != 0);
    return std::string(reversed.rend() - static_cast<std::ptrdiff_t>(length), reversed.rend());
}

std::string formatSigned(std::int32_t value, int radix) {
    // The magnitude is taken in unsigned arithmetic, so that INT32_MIN has one.
    const auto bits = static_cast<std::uint32_t>(value);
    if (value >= 0) return formatUnsigned(bits, radix);
    return '-' + formatUnsigned(0u - bits, radix);
}

std::string formatNumber(const ModeView& modes, const Number& number) {
    SplitNumberText parts = formatParts(modes, number, "_");
    parts.realText += parts.imagText;
    return std::move(parts.realText);
}

SplitNumberText formatNumberSplit(const ModeView& modes, const Number& number) {
    return formatParts(modes, number, "\xE3\x80\x8D");  // 」 in UTF-8
}

std::vector<std::vector<std::string>> formatNumberRows(const ModeView& modes, const Value& value) {
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(value.rows()));
    for (std::int32_t r = 0; r < value.rows(); ++r) {
        std::vector<std::string>& row = rows[static_cast<std::size_t>(r)];
        for (std::int32_t c = 0; c < value.cols(); ++c)
            row.push_back(formatNumber(modes, value.elementAt(r, c)));
    }
    return rows;
}

}  // namespace zentrel
