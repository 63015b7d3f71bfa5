#pragma once

#include <cstdint>
#include <optional>

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/number.h"

namespace zentrel {

class Engine;
class Context;
struct OperatorRecord;

// Command arguments: one operand each, truncated toward zero to an integer.
// An optional argument is absent when no operand follows.
ErrorCode readOptionalInteger(Engine& engine, Context& ctx, const Token& command,
                              std::optional<std::int64_t>& value);
// A missing required argument is error 0x2141 naming the command.
ErrorCode readRequiredInteger(Engine& engine, Context& ctx, const Token& command,
                              std::int64_t& value);

// A variable to be written by a function or command (frexp, modf, the part
// setters): a Variable or NamedVariable token, a label word being resolved first.
// Anything else, or nothing, is `wrongArgument` naming `applying`. On success
// `target` names the settled slot and `current` holds the variable's value.
ErrorCode readVariableTarget(Engine& engine, Context& ctx, const Token& applying,
                             ErrorCode wrongArgument, OperatorRecord& target, Number& current);

}  // namespace zentrel
