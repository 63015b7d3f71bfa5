#pragma once

#include "engine/frontend/token.h"
#include "engine/interp/call_arguments.h"
#include "engine/interp/function_table.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// Operand handler for a Name that is neither a label nor a number: calls the
// user function of that name with the arguments that follow it. The value of
// the call is the called scope's answer.
ErrorCode callUserFunction(Engine& engine, Context& ctx, const Token& token, Value& result);

// The call itself, once the function is found and its arguments collected.
ErrorCode callWithArguments(Engine& engine, Context& ctx, const Token& token, FunctionEntry& entry,
                            const CallArguments& args, Value& result);

}  // namespace zentrel
