#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zentrel {

// What the input line shows a span as. Most values are the token kinds; the
// others mark what only the display distinguishes.
enum class DisplayKind : std::uint8_t {
    OpenParen = 0,
    Variable = 1,
    Array = 3,
    Word = 5,  // numbers, names and every other word
    Command = 7,
    Control = 8,
    Operator = 9,
    Function = 10,
    ExternalCall = 11,
    UnknownCommand = 12,
    CloseParen = 13,
    OpenBrace = 14,
    CloseBrace = 15,
    String = 17,
    Separator = 18,  // an unescaped `;`
    Comment = 19,    // from `#` to the end of the line
    Reference = 20,
    EmptyBrackets = 21,
};

struct DisplaySpan {
    std::size_t start;  // first character
    std::size_t end;    // last character (inclusive)
    DisplayKind kind;
};

// Cuts an input line the way the compiler does and classifies every piece, in
// line order. Number literals are not parsed (they show as words).
std::vector<DisplaySpan> classifyForDisplay(std::string_view line);

// The first span that touches the selection [start, start + length): one that
// begins at or before an end of the selection and ends at most one character
// before it (a caret right behind a word touches the word).
std::optional<DisplaySpan> findOverlappingSpan(const std::vector<DisplaySpan>& spans,
                                               std::size_t start, std::size_t length);

}  // namespace zentrel
