#pragma once

#include <string>
#include <vector>

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"

namespace zentrel {

class Engine;
class Context;

// The pieces of :sprint, :print and :println: every remaining argument of the statement
// in order, a string literal as written, an array as its text, anything else evaluated
// and written in the text form of the current mode.
ErrorCode collectPieces(Engine& engine, Context& ctx, const Token& command,
                        std::vector<std::string>& pieces);

// The pieces of :sprintf and :printf: the format (a string literal or an array text)
// applied to the arguments that follow it.
ErrorCode formatPieces(Engine& engine, Context& ctx, const Token& command,
                       std::vector<std::string>& pieces);

}  // namespace zentrel
