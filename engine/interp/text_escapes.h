#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentrel {

// The two ways texts of the language read a backslash.

// The character codes a text stores into an array: \0 \a \b \e \f \n \r \t \v become
// their control codes, a backslash before any other character stores that character
// (so \\ is one backslash), and a backslash at the very end ends the text. A \0 is kept
// as a 0 code: it ends the text for every later reader.
std::string translateEscapes(std::string_view text);

}  // namespace zentrel
