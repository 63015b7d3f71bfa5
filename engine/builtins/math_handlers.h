#pragma once

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// Handlers of the mathematical functions that do more than map one complex
// argument to a complex result; the function table lists them with the rest.

// a2d ... r2g: the token's id says which units (angle_conversions.cpp).
ErrorCode convertAngle(Engine& engine, Context& ctx, const Token& token, Value& result);

// Exact in fraction mode (exact_functions.cpp).
ErrorCode powFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode sqrFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode absFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode numFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode denomFunction(Engine& engine, Context& ctx, const Token& token, Value& result);

// Two arguments (two_argument_functions.cpp).
ErrorCode atan2Function(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode ldexpFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode frexpFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode modfFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode polarFunction(Engine& engine, Context& ctx, const Token& token, Value& result);

// Queries of names, the generator and the clock (query_functions.cpp).
ErrorCode definedFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode randFunction(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode timeFunction(Engine& engine, Context& ctx, const Token& token, Value& result);

}  // namespace zentrel
