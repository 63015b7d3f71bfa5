#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/values/modes.h"
#include "engine/values/number.h"
#include "engine/values/value.h"

namespace zentrel {

// Reads one number word in the current mode. True when the whole text is a valid
// literal; out then holds it in the current representation. On false, out is
// unspecified. Never reads outside the text.
bool parseLiteral(const ModeView& modes, std::string_view text, Number& out);

// Text form: the number in the style of the current mode (printing, listing, windows).
std::string formatNumber(const ModeView& modes, const Number& number);

// Every element of the value in text form, row by row.
std::vector<std::vector<std::string>> formatNumberRows(const ModeView& modes, const Value& value);

// Display form: a real text and an imaginary text for the answer display; one may be empty.
struct SplitNumberText {
    std::string realText;
    std::string imagText;
};
SplitNumberText formatNumberSplit(const ModeView& modes, const Number& number);

// Automatic precisions used when precision is 0: e style and f style.
int autoExponentDigits(double x);
int autoDecimals(double x);

// The radix rule of the mode commands: below 2 reads as 10, above 36 as 36.
constexpr int clampRadix(int radix) {
    return radix < 2 ? 10 : (radix > 36 ? 36 : radix);
}

// Integers as digits in the radix (2..36), upper-case letters above 9, no prefix.
std::string formatUnsigned(std::uint32_t value, int radix);
std::string formatSigned(std::int32_t value, int radix);

}  // namespace zentrel
