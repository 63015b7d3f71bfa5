#pragma once

#include <string>
#include <string_view>

namespace zentrel {

// The text as it may go to a terminal: control characters (C0, DEL and C1) and
// bytes that are not UTF-8 are written as \xHH, so that a file's bytes cannot
// move the cursor, change colours or retitle the window. Everything else,
// Japanese text included, passes unchanged.
std::string terminalSafe(std::string_view text);

}  // namespace zentrel
