#pragma once

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// :scan prompt target ...: a string literal sets the prompt of the next target, a
// variable or array becomes a target, other tokens are skipped. The host then gives one
// line per target: a variable receives the line evaluated as an expression, an array
// the line as its text. The end of input leaves the remaining targets unchanged, and a
// blank line leaves its target unchanged.
ErrorCode scanInput(Engine& engine, Context& ctx, const Token& command, Value& result);

}  // namespace zentrel
