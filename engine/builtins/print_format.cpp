#include "engine/builtins/print_format.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

static_assert(sizeof(int) == 4, "d, o, u, x and X format 32-bit integers");

constexpr std::string_view kConversions = "cdeEfgGosuxX";

enum class Field : std::uint8_t { None, Digits, Star };

struct Specification {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zero = false;
    Field widthKind = Field::None;
    int width = 0;
    Field precisionKind = Field::None;
    int precision = 0;
    char conversion = 0;
    // Which field each * fills, in the order the arguments are taken.
    std::array<bool, 2> starIsPrecision{};
    int stars = 0;
};

bool isOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

int appendDigit(int value, char digit) {
    return std::min(value * 10 + (digit - '0'), kMaxFieldLength);
}

bool takeFlag(Specification& spec, char c) {
    switch (c) {
        case '-':
            spec.left = true;
            return true;
        case '+':
            spec.plus = true;
            return true;
        case ' ':
            spec.space = true;
            return true;
        case '#':
            spec.alternate = true;
            return true;
        case '0':
            spec.zero = true;
            return true;
        default:
            return false;
    }
}

// Flags, then a width, then a precision, as in C; characters out of that order are
// ignored. False on a third *.
bool parseBody(std::string_view body, Specification& spec) {
    enum class Stage { Flags, Width, Precision } stage = Stage::Flags;
    for (const char c : body) {
        if (stage == Stage::Flags && takeFlag(spec, c)) continue;
        if (c == '.') {
            stage = Stage::Precision;
            if (spec.precisionKind == Field::None) spec.precisionKind = Field::Digits;
        } else if (c == '*') {
            if (spec.stars == 2) return false;
            const bool precision = stage == Stage::Precision;
            spec.starIsPrecision[spec.stars++] = precision;
            (precision ? spec.precisionKind : spec.widthKind) = Field::Star;
            if (!precision) stage = Stage::Width;
        } else if (c >= '0' && c <= '9') {
            if (stage == Stage::Precision) {
                if (spec.precisionKind == Field::Digits)
                    spec.precision = appendDigit(spec.precision, c);
            } else {
                stage = Stage::Width;
                if (spec.widthKind != Field::Star) {
                    spec.widthKind = Field::Digits;
                    spec.width = appendDigit(spec.width, c);
                }
            }
        }
    }
    return true;
}

// A * argument: a negative width asks for left alignment, a negative precision for none.
ErrorCode takeStarArguments(Specification& spec, FormatArguments& arguments) {
    for (int i = 0; i < spec.stars; ++i) {
        Number n;
        if (ErrorCode e = arguments.nextNumber(n)) return e;
        const std::int64_t v = n.truncInt();
        const std::uint64_t magnitude = v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v)
                                              : static_cast<std::uint64_t>(v);
        const int clamped = static_cast<int>(std::min<std::uint64_t>(magnitude, kMaxFieldLength));
        if (spec.starIsPrecision[i]) {
            spec.precisionKind = v < 0 ? Field::None : Field::Star;
            spec.precision = clamped;
        } else {
            spec.left = spec.left || v < 0;
            spec.width = clamped;
        }
    }
    return kSuccess;
}

// c and s never reach the C library: the text is cut to the precision and padded with
// spaces to the width.
std::string padText(std::string text, const Specification& spec) {
    if (spec.precisionKind != Field::None && text.size() > std::size_t(spec.precision)) {
        text.resize(static_cast<std::size_t>(spec.precision));
    }
    if (text.size() >= std::size_t(spec.width)) return text;
    const std::string padding(spec.width - text.size(), ' ');
    return spec.left ? text + padding : padding + text;
}

// The C format for one numeric conversion, rebuilt from the validated parts only.
std::string cSpecification(const Specification& spec) {
    const char conversion = spec.conversion;
    const bool isSigned = isOneOf(conversion, "deEfgG");
    std::string text = "%";
    if (spec.left) text += '-';
    if (spec.plus && isSigned) text += '+';
    if (spec.space && isSigned) text += ' ';
    if (spec.alternate && isOneOf(conversion, "oxXeEfgG")) text += '#';
    if (spec.zero) text += '0';
    if (spec.width > 0) text += std::to_string(spec.width);
    if (spec.precisionKind != Field::None) text += '.' + std::to_string(spec.precision);
    text += conversion;
    return text;
}

template <typename T>
std::string formatWithC(const Specification& spec, T value) {
    const std::string format = cSpecification(spec);
    const int length = std::snprintf(nullptr, 0, format.c_str(), value);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), value);
    return text;
}

ErrorCode convert(Specification& spec, FormatArguments& arguments, std::string& piece) {
    if (ErrorCode e = takeStarArguments(spec, arguments)) return e;
    if (spec.conversion == 's') {
        std::string text;
        if (ErrorCode e = arguments.nextText(text)) return e;
        piece = padText(std::move(text), spec);
        return kSuccess;
    }
    Number n;
    if (ErrorCode e = arguments.nextNumber(n)) return e;
    const auto low32 = static_cast<std::uint32_t>(n.truncInt());
    switch (spec.conversion) {
        case 'c':
            spec.precisionKind = Field::None;
            piece = padText(std::string(1, static_cast<char>(low32 & 0xFF)), spec);
            return kSuccess;
        case 'd':
            piece = formatWithC(spec, static_cast<int>(low32));
            return kSuccess;
        case 'o':
        case 'u':
        case 'x':
        case 'X':
            piece = formatWithC(spec, static_cast<unsigned>(low32));
            return kSuccess;
        default:
            piece = formatWithC(spec, static_cast<double>(n.realValue()));
            return kSuccess;
    }
}

}  // namespace

ErrorCode formatPrintf(std::string_view format, FormatArguments& arguments,
                       std::vector<std::string>& pieces) {
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t percent = format.find('%', pos);
        if (percent != pos) {
            pieces.emplace_back(format.substr(pos, percent - pos));
            if (percent == std::string_view::npos) break;
        }
        if (percent + 1 < format.size() && format[percent + 1] == '%') {
            pieces.emplace_back("%");
            pos = percent + 2;
            continue;
        }
        const std::size_t end = format.find_first_of(kConversions, percent + 1);
        if (end == std::string_view::npos) {
            pieces.emplace_back(format.substr(percent));
            break;
        }
        Specification spec;
        spec.conversion = format[end];
        if (!parseBody(format.substr(percent + 1, end - percent - 1), spec)) {
            return kErrCommandArgument;
        }
        std::string piece;
        if (ErrorCode e = convert(spec, arguments, piece)) return e;
        pieces.push_back(std::move(piece));
        pos = end + 1;
    }
    return kSuccess;
}

}  // namespace zentrel
