#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zentrel {

// Where a word sits in a field's text: [begin, end).
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The built-in function name or external call (`!name`) that covers the
// character at `position` of an expression text, if one does. The keypad
// replaces and deletes these names as a whole.
std::optional<TextSpan> nameTokenAt(std::string_view text, std::size_t position);

}  // namespace zentrel
