#pragma once

#include <string>
#include <string_view>

#include "engine/values/error_code.h"

namespace zentrel {

// The application's numbered texts (1001-1014 warnings, 2001-2045 errors,
// 3001-3035 the help texts of functions: a usage line, a line break and what the
// function gives).
// Returns the empty text for a number that has no entry.
std::string_view lookupString(int id);

// The string that shows a status or error code; 0 when the code shows nothing.
int messageStringId(ErrorCode code);

// The message line a host shows for a reported code: the code's string with its
// %s filled by the listed offending token. For external calls and commands the
// first character of the listing (the '!' or ':') is dropped. Empty when the code
// has no message.
std::string formatReport(ErrorCode code, std::string_view tokenText);

// A numbered text with its %s filled by `text`.
std::string formatString(int id, std::string_view text);

// A user warning text as shown (:warn with a text).
std::string formatUserWarning(std::string_view text);

}  // namespace zentrel
