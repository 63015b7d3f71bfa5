#pragma once

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// Operand handler for a Name that is neither a label nor a number: calls the
// user function of that name with the arguments that follow it. The value of
// the call is the called scope's answer.
ErrorCode callUserFunction(Engine& engine, Context& ctx, const Token& token, Value& result);

}  // namespace zentrel
