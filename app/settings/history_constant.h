#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentrel {

// A text (an expression of the graph window) as a string constant of the
// language for a history line, `["...]` in the listing's form for compiling:
// reading the history line back gives exactly this text. Nullopt for a text no
// constant can carry: one with a line break (it would end the history line), a
// NUL, a backslash the scanner would take as an escape of the character after
// it (as in `\-2`, `\+`, or at the end), or more characters than one word of the
// language holds.
std::optional<std::string> historyStringConstant(std::string_view text);

}  // namespace zentrel
