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

// The longest line a user warning or error text is cut to.
inline constexpr std::size_t kMaxUserTextLength = 255;

// The line shown for :error and :warn: it ends at the end of the text, at a carriage
// return or a line feed, or after kMaxUserTextLength characters. A backslash is dropped
// and the character after it copied as it is. When the statement comes from a file,
// every unescaped - stands for the file name (`fileName`, empty otherwise); the name
// counts towards the length.
std::string prepareUserText(std::string_view text, bool fromFile, std::string_view fileName);

}  // namespace zentrel
