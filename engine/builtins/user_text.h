#pragma once

#include <string>
#include <string_view>

namespace zentrel {

class Context;

// The longest line a user warning or error text gives the host.
inline constexpr std::size_t kMaxUserTextLength = 255;

// The line a :warn or :error text shows: it ends at the end of the text or at a
// carriage return or line feed; a backslash is dropped and the character after
// it taken as it is; in a file or function every `-` stands for the file name.
// Longer lines are cut at kMaxUserTextLength bytes, never inside a UTF-8 character.
std::string prepareUserText(std::string_view text, const Context& ctx);

}  // namespace zentrel
