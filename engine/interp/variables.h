#pragma once

#include <string_view>

#include "engine/frontend/token.h"
#include "engine/interp/context.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
struct OperatorRecord;

// Label lookup: a linear search, exact and case-sensitive; -1 when absent.
int findVariableLabel(const Context& ctx, std::string_view name);
int findArrayLabel(const Context& ctx, std::string_view name);

// Operand handlers for Variable / NamedVariable and Array / NamedArray tokens.
// They settle the slot (evaluating the operand after `@:` or `@@:`) and write it
// into the operator record, so that a storing operator finds its target.
ErrorCode readVariableOperand(Engine& engine, Context& ctx, const Token& token, Value& result);
ErrorCode readArrayOperand(Engine& engine, Context& ctx, const Token& token, Value& result);

// Checks that the record names something a storing operator may write: 0x2104
// (`notVariable`) when it is not a variable or array, 0x210E when it is a constant.
ErrorCode checkStoreTarget(Engine& engine, const Context& ctx, const OperatorRecord& target,
                           const Token& op, ErrorCode notVariable);
// Stores the value into the record's target after checkStoreTarget.
ErrorCode storeIntoTarget(Engine& engine, Context& ctx, const OperatorRecord& target,
                          const Token& op, const Value& value);
// The deferred update of a postfix ++ (delta 1) or -- (delta -1).
void applyPostfixUpdate(Engine& engine, Context& ctx, const OperatorRecord& target, int delta);

}  // namespace zentrel
