#pragma once

#include <string_view>

#include "engine/frontend/token.h"
#include "engine/values/modes.h"

namespace zentrel {

struct ClassifiedWord {
    TokenKind kind;
    TokenPayload payload;
};

// Turns one scanned word into a token: `@` forms, `[&]`, operator words,
// functions, control keywords, commands, external calls, strings, the reserved
// constants, then (with parseNumbers) number literals in the current mode; any
// other word is a Name.
ClassifiedWord classifyWord(std::string_view word, const ModeView& modes, bool parseNumbers);

}  // namespace zentrel
