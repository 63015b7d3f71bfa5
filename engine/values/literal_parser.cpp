#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <string_view>

#include "engine/values/character_escapes.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {

constexpr std::uint64_t kSaturatedUnsigned = UINT32_MAX;

// Digit value in radices up to 36 (letters of either case); 36 for any other
// character, so that `digit < radix` is the validity test.
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 36;
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view leadingDigits(std::string_view text) {
    const auto end = std::find_if_not(text.begin(), text.end(), isDecimalDigit);
    return text.substr(0, static_cast<std::size_t>(end - text.begin()));
}

// The whole text as digits of the radix, saturated at 4294967295. Only digits
// count: no blank, sign or radix prefix, and at least one digit.
std::optional<std::uint32_t> readUnsigned(std::string_view text, int radix) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit >= radix) return std::nullopt;
        value =
            std::min(value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit),
                     kSaturatedUnsigned);
    }
    return static_cast<std::uint32_t>(value);
}

// A decimal number split into its parts, as strtod reads it.
struct DecimalText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

// from_chars leaves the value unset outside the binary64 range, where strtod gives
// infinity above and zero below. Such values are hundreds of decades away from 1,
// so the decade of the first significant digit decides the side.
double outOfRangeValue(const DecimalText& parts) {
    const std::size_t integerZeros = parts.integerDigits.find_first_not_of('0');
    std::int64_t decade = 0;
    if (integerZeros != std::string_view::npos) {
        decade = static_cast<std::int64_t>(parts.integerDigits.size() - integerZeros);
    } else {
        decade = -static_cast<std::int64_t>(parts.fractionDigits.find_first_not_of('0'));
    }
    std::int64_t exponent = 0;
    for (const char c : parts.exponentDigits) {
        exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), INT32_MAX);
    }
    if (parts.exponentNegative) exponent = -exponent;
    const double magnitude = decade + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return parts.negative ? -magnitude : magnitude;
}

struct Decimal {
    std::size_t length = 0;  // characters read; 0 when the text does not start with a number
    double value = 0.0;
};

bool startsWithWord(std::string_view text, std::string_view lowerWord) {
    if (text.size() < lowerWord.size()) return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        if ((text[i] | 0x20) != lowerWord[i]) return false;
    }
    return true;
}

// The infinity and NaN spellings strtod reads, which are also how numbers print, so
// that an infinite or undefined constant lists and reads back as itself.
Decimal readSpecialValue(std::string_view text, std::size_t start, bool negative) {
    const std::string_view rest = text.substr(start);
    const double sign = negative ? -1.0 : 1.0;
    if (startsWithWord(rest, "infinity")) {
        return {start + 8, sign * std::numeric_limits<double>::infinity()};
    }
    if (startsWithWord(rest, "inf"))
        return {start + 3, sign * std::numeric_limits<double>::infinity()};
    if (startsWithWord(rest, "nan")) return {start + 3, std::numeric_limits<double>::quiet_NaN()};
    return {};
}

// A digit, the point, or the first letter of an infinity or NaN spelling.
bool canStartDecimal(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return (c >= '0' && c <= '9') || c == '.' || lower == 'i' || lower == 'n';
}

// The longest prefix that is a decimal floating number: optional sign, digits with
// an optional point, optional exponent, or an infinity or NaN spelling. Hexadecimal
// floats, which strtod also reads, are not numbers of this language.
Decimal readDecimal(std::string_view text) {
    DecimalText parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    // Function names are tried as numbers on every call: most words end here.
    if (i == text.size() || !canStartDecimal(text[i])) return {};
    if (const Decimal special = readSpecialValue(text, i, parts.negative); special.length > 0) {
        return special;
    }
    parts.integerDigits = leadingDigits(text.substr(i));
    i += parts.integerDigits.size();
    if (i < text.size() && text[i] == '.') {
        parts.fractionDigits = leadingDigits(text.substr(i + 1));
        i += 1 + parts.fractionDigits.size();
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const bool hasSign = i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
        const std::size_t digitsAt = i + 1 + (hasSign ? 1 : 0);
        const std::string_view digits = leadingDigits(text.substr(digitsAt));
        // Without digits the 'e' is not part of the number.
        if (!digits.empty()) {
            parts.exponentNegative = hasSign && text[i + 1] == '-';
            parts.exponentDigits = digits;
            i = digitsAt + digits.size();
        }
    }
    // from_chars takes no '+' and ignores the locale, unlike strtod.
    const std::size_t start = text.front() == '+' ? 1 : 0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) value = outOfRangeValue(parts);
    return {i, value};
}

// Character constants: up to four characters after the quote, each a signed byte
// shifted in from the right.
Number characterConstant(std::string_view text, bool fractionRepresentation) {
    std::int64_t value = 0;
    std::size_t at = 0;
    for (int taken = 0; taken < 4 && at < text.size(); ++taken) {
        char c = text[at++];
        if (c == '\\') {
            if (at == text.size()) break;  // a backslash at the end closes the constant
            c = escapedCharacter(text[at++]);
        }
        // The running value, kept to 32 bits, moves up one byte; the code is signed.
        const std::uint32_t shifted = static_cast<std::uint32_t>(value) << 8;
        value = static_cast<std::int64_t>(shifted) + static_cast<signed char>(c);
    }
    return Number::fromReal(static_cast<double>(value), fractionRepresentation);
}

// Binary image: pairs of hexadecimal digits give the bytes of binary64 values in
// memory order (little-endian).
using ImageBytes = std::array<std::uint8_t, 16>;

// Missing digits read as '0'; a pair that is not hexadecimal gives its valid
// leading digit, or 0.
ImageBytes imageBytes(std::string_view digits) {
    const auto digitAt = [&](std::size_t i) {
        return i < digits.size() ? digitValue(digits[i]) : 0;
    };
    ImageBytes bytes{};
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const int high = digitAt(2 * k);
        const int low = digitAt(2 * k + 1);
        if (high < 16) bytes[k] = static_cast<std::uint8_t>(low < 16 ? high * 16 + low : high);
    }
    return bytes;
}

double imageDouble(const ImageBytes& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < 8; ++k)
        bits |= std::uint64_t{bytes[offset + k]} << (8 * k);
    return std::bit_cast<double>(bits);
}

// |x| truncated, keeping the low 32 bits; beyond the 64-bit range (and for NaN)
// the hardware's integer indefinite pattern, whose low word is 0.
std::uint32_t lowWord(double magnitude) {
    if (!(magnitude < 9223372036854775808.0)) return 0;
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(magnitude));
}

Number binaryImage(std::string_view digits, bool fractionRepresentation) {
    if (fractionRepresentation) {
        const ImageBytes bytes = imageBytes(digits);
        const double n = imageDouble(bytes, 0);
        const double d = imageDouble(bytes, 8);
        // Reduced, with a positive zero, like every fraction the engine makes:
        // an image of 6/8 is 3/4 and prints and divides into its parts as such.
        Fraction f{static_cast<std::uint8_t>((n >= 0) != (d >= 0)), lowWord(std::fabs(n)),
                   lowWord(std::fabs(d))};
        f.reduce();
        if (f.numerator == 0) f.negative = 0;
        return Number::fromFraction(f);
    }
    if (!digits.empty() && digits.back() == 'i') {
        const std::size_t length = std::min<std::size_t>(digits.size() - 1, 16);
        return Number::fromComplex({0.0, imageDouble(imageBytes(digits.substr(0, length)), 0)});
    }
    const ImageBytes bytes = imageBytes(digits);
    return Number::fromComplex({imageDouble(bytes, 0), imageDouble(bytes, 8)});
}

// The text after a backslash: \0 octal, \1..\9 decimal, \b binary, \x hexadecimal,
// \f binary image.
bool parseEscapeNumber(std::string_view text, bool fractionRepresentation, Number& out) {
    if (text.empty()) return false;
    const char selector = text.front();
    if (selector == 'f') {
        out = binaryImage(text.substr(1), fractionRepresentation);
        return true;
    }
    std::optional<std::uint32_t> value;
    if (isDecimalDigit(selector)) {
        value = readUnsigned(text, selector == '0' ? 8 : 10);
    } else if (selector == 'b') {
        value = readUnsigned(text.substr(1), 2);
    } else if (selector == 'x') {
        value = readUnsigned(text.substr(1), 16);
    }
    if (!value) return false;
    out = Number::fromReal(*value, fractionRepresentation);
    return true;
}

constexpr Fraction kUndefinedFraction{0, 0, 0};

// A real literal in the engine's representation. In the exact modes NaN is the
// undefined fraction 0/0, which is how they write it, and not the 0 that the
// real-to-fraction conversion of a computed NaN gives.
Number realLiteral(Complex c, bool fractionRepresentation) {
    if (!fractionRepresentation) return Number::fromComplex(c);
    return Number::fromFraction(std::isnan(c.re) ? kUndefinedFraction : Fraction::fromReal(c.re));
}

// Angle suffixes convert from their unit to the engine's: x * multiplier / divisor.
struct AngleScale {
    double multiplier;
    double divisor;
};
constexpr double kPi = std::numbers::pi;
// Indexed [from][to] by AngleUnit.
constexpr std::array<std::array<AngleScale, 3>, 3> kAngleScales{{
    {{{1, 1}, {180, kPi}, {200, kPi}}},  // radians
    {{{kPi, 180}, {1, 1}, {200, 180}}},  // degrees
    {{{kPi, 200}, {180, 200}, {1, 1}}},  // grads
}};
static_assert(kAngleScales.size() == static_cast<std::size_t>(AngleUnit::Grad) + 1);

std::optional<AngleUnit> suffixUnit(char c) {
    switch (c) {
        case 'r':
            return AngleUnit::Radian;
        case 'd':
            return AngleUnit::Degree;
        case 'g':
            return AngleUnit::Grad;
        default:
            return std::nullopt;
    }
}

// rest is what follows the number: nothing, or one suffix letter.
bool applyAngleSuffix(const ModeView& modes, std::string_view rest, Number& out) {
    if (rest.empty()) return true;
    const std::optional<AngleUnit> from =
        rest.size() == 1 ? suffixUnit(rest.front()) : std::nullopt;
    if (!from) return false;
    const AngleScale scale =
        kAngleScales[static_cast<std::size_t>(*from)][static_cast<std::size_t>(modes.angleUnit())];
    const Complex c = out.asComplex();
    out = realLiteral(
        {c.re * scale.multiplier / scale.divisor, c.im * scale.multiplier / scale.divisor},
        modes.fractionRepresentation());
    return true;
}

// One part after an underscore of a fraction literal (an optional backslash may
// follow the underscore); parts are never negative.
std::optional<Extended> readFractionPart(std::string_view& rest) {
    if (rest.empty() || rest.front() != '_') return std::nullopt;
    rest.remove_prefix(1);
    if (!rest.empty() && rest.front() == '\\') rest.remove_prefix(1);
    const Decimal part = readDecimal(rest);
    if (part.length == 0 || part.value < 0) return std::nullopt;
    rest.remove_prefix(part.length);
    return std::trunc(static_cast<Extended>(part.value));
}

// whole_b or whole_b_c, built with the clamped construction so that large parts
// are approximated rather than wrapped.
std::optional<Fraction> readFraction(double whole, bool negative, std::string_view& rest) {
    if (whole < 0) return std::nullopt;
    const Extended a = std::trunc(static_cast<Extended>(whole));
    const std::optional<Extended> b = readFractionPart(rest);
    if (!b) return std::nullopt;
    std::optional<Extended> c;
    if (!rest.empty() && rest.front() == '_') {
        c = readFractionPart(rest);
        if (!c) return std::nullopt;
    }
    // A NaN part leaves the value undefined, which clamping would hide.
    if (std::isnan(a) || std::isnan(*b) || (c && std::isnan(*c))) return kUndefinedFraction;
    Fraction f = c ? Fraction::fromParts(*c * a + *b, *c) : Fraction::fromParts(a, *b);
    f.negative = (negative && f.numerator != 0) ? 1 : 0;
    return f;
}

// Real and fraction families: a decimal number or a fraction literal, then an
// optional angle suffix. A fraction literal stays a fraction in every mode.
bool parseRealOrFraction(const ModeView& modes, bool negative, std::string_view text, Number& out) {
    const Decimal number = readDecimal(text);
    if (number.length == 0) return false;
    std::string_view rest = text.substr(number.length);
    if (!rest.empty() && rest.front() == '_') {
        const std::optional<Fraction> f = readFraction(number.value, negative, rest);
        if (!f) return false;
        out = Number::fromFraction(*f);
    } else {
        out = realLiteral({negative ? -number.value : number.value, 0.0},
                          modes.fractionRepresentation());
    }
    return applyAngleSuffix(modes, rest, out);
}

// "+v i" or "-v i" ending the text; without digits v is 1.
std::optional<double> readImaginaryPart(std::string_view text) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) return std::nullopt;
    const double sign = text.front() == '-' ? -1.0 : 1.0;
    const Decimal v = readDecimal(text.substr(1));
    if (text.substr(1 + v.length) != "i") return std::nullopt;
    return sign * (v.length > 0 ? v.value : 1.0);
}

// Complex family: u, u+vi (the inner sign may be escaped), ui or i, or a real with
// an optional angle suffix. The leading sign belongs to the real part only.
bool parseComplexNumber(const ModeView& modes, bool negative, std::string_view text, Number& out) {
    const Decimal u = readDecimal(text);
    const double sign = negative ? -1.0 : 1.0;
    const std::string_view rest = text.substr(u.length);
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-' || rest.front() == '\\')) {
        if (u.length == 0) return false;
        const std::optional<double> im =
            readImaginaryPart(rest.substr(rest.front() == '\\' ? 1 : 0));
        if (!im) return false;
        out = Number::fromComplex({sign * u.value, *im});
    } else if (rest == "i") {
        out = Number::fromComplex({0.0, sign * (u.length > 0 ? u.value : 1.0)});
    } else {
        if (u.length == 0) return false;
        out = Number::fromComplex({sign * u.value, 0.0});
        if (!applyAngleSuffix(modes, rest, out)) return false;
    }
    out.syncRepresentation(modes.fractionRepresentation());
    return true;
}

// strtoul in radix 16 reads an optional 0x or 0X before the digits. The digits
// must follow: without them strtoul stops at the x, and the word is not read whole.
std::string_view withoutHexPrefix(std::string_view text, int radix) {
    if (radix == 16 && text.size() >= 2 && text[0] == '0' && (text[1] | 0x20) == 'x') {
        return text.substr(2);
    }
    return text;
}

// Integer family: digits of the radix only, after the radix 16 prefix; a '-'
// negates the unsigned value.
bool parseIntegerNumber(const ModeView& modes, bool negative, std::string_view text, Number& out) {
    const int radix = clampRadix(modes.radix());
    const std::optional<std::uint32_t> value = readUnsigned(withoutHexPrefix(text, radix), radix);
    if (!value) return false;
    const auto magnitude = static_cast<double>(*value);
    out = Number::fromReal(negative ? -magnitude : magnitude, modes.fractionRepresentation());
    return true;
}

struct SignedText {
    bool negative;
    std::string_view body;
};

// A leading '+' or '-', possibly escaped by a backslash.
SignedText splitSign(std::string_view text) {
    const std::size_t at = (!text.empty() && text.front() == '\\') ? 1 : 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        return {text[at] == '-', text.substr(at + 1)};
    }
    return {false, text};
}

}  // namespace

bool parseLiteral(const ModeView& modes, std::string_view text, Number& out) {
    const auto [negative, body] = splitSign(text);
    const bool fractionRepresentation = modes.fractionRepresentation();
    // Character constants and escape numbers read the same in every mode.
    if (!body.empty() && (body.front() == '\'' || body.front() == '\\')) {
        if (body.front() == '\'') {
            out = characterConstant(body.substr(1), fractionRepresentation);
        } else if (!parseEscapeNumber(body.substr(1), fractionRepresentation, out)) {
            return false;
        }
        if (negative) out = out.negate(fractionRepresentation);
        return true;
    }
    const NumberMode mode = modes.numberMode();
    if (isComplexFamily(mode)) return parseComplexNumber(modes, negative, body, out);
    if (isIntegerFamily(mode)) return parseIntegerNumber(modes, negative, body, out);
    return parseRealOrFraction(modes, negative, body, out);
}

}  // namespace zentrel
