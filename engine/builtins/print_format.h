#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/values/error_code.h"
#include "engine/values/number.h"

namespace zentrel {

// The formatting behind :sprintf and :printf. The format text comes from the user, so it
// is never handed to the C library: each conversion specification is parsed into
// validated parts and the C format is rebuilt from those parts alone.
//
// Rules:
// - Text up to each % is one piece; %% gives a piece holding one %.
// - A specification runs from % to the first of c d e E f g G o s u x X. Between them,
//   the flags - + space # 0, a width and a precision (digits or *) are recognised, in
//   C order; every other character (length modifiers h l L q j z t, n, i, ...) is
//   ignored. A % with no conversion character after it is copied as text.
// - Width and precision are clamped to kMaxFieldLength, so one converted piece stays
//   within a few kilobytes whatever the format asks for.
// - A * takes the next argument, truncated to an integer: a negative width means left
//   alignment, a negative precision none. A third * in one specification is an error.
// - Flags that C leaves undefined for a conversion (# on d u c s, 0 on c s) and a
//   precision on c are dropped.
// - d takes the low 32 bits of the integer as signed, o u x X as unsigned, c the low 8
//   bits as a character; e E f g G the real value; s a text.
inline constexpr int kMaxFieldLength = 4096;

// Where the formatter takes its arguments from, in order.
class FormatArguments {
  public:
    // The next argument evaluated as a number.
    virtual ErrorCode nextNumber(Number& out) = 0;
    // The next argument as a text (a string literal or an array's text).
    virtual ErrorCode nextText(std::string& out) = 0;

  protected:
    ~FormatArguments() = default;
};

// Appends the pieces of the formatted text. Errors of the argument source are passed
// back unchanged; a third * gives kErrCommandArgument.
ErrorCode formatPrintf(std::string_view format, FormatArguments& arguments,
                       std::vector<std::string>& pieces);

}  // namespace zentrel
