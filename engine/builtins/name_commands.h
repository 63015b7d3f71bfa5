#pragma once

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"

namespace zentrel {

class Engine;
class Context;

// Reads the word a command is about to define (:var, :array, :label, :define,
// :enum, and parameter names). A variable or array token, or a word that is
// already a variable or array label, gives 0x2142 naming it; anything that is
// not a plain word, or nothing, gives 0x2141 naming the command.
ErrorCode readNewName(Engine& engine, Context& ctx, const Token& command, const Token*& word);

}  // namespace zentrel
