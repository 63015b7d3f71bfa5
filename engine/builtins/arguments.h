#pragma once

#include <cstdint>
#include <optional>

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"

namespace zentrel {

class Engine;
class Context;

// Command arguments: one operand each, truncated toward zero to an integer.
// An optional argument is absent when no operand follows.
ErrorCode readOptionalInteger(Engine& engine, Context& ctx, const Token& command,
                              std::optional<std::int64_t>& value);
// A missing required argument is error 0x2141 naming the command.
ErrorCode readRequiredInteger(Engine& engine, Context& ctx, const Token& command,
                              std::int64_t& value);

}  // namespace zentrel
