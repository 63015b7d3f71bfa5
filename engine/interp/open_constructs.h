#pragma once

#include <cstdint>
#include <optional>

#include "engine/frontend/token.h"

namespace zentrel {

class Engine;

// A construct an input left open: the keyword (or brace) that opened it and the
// line of that statement where it is known, else of the input's last statement.
struct OpenConstruct {
    Token opener;
    std::int32_t lineNumber = 0;
};

// The construct still open in the engine, if any: a loop or function being
// recorded (which takes in every later statement), an array literal whose
// braces are open, or an if or switch level. At the interactive prompt a
// construct may stay open from line to line; at the end of a script, a function
// body or a file it is an error (kErrUnclosedBlock).
std::optional<OpenConstruct> findOpenConstruct(Engine& engine, std::int32_t lastLine);

// Forgets every open construct, so that the next input starts afresh.
void abandonOpenConstructs(Engine& engine);

}  // namespace zentrel
