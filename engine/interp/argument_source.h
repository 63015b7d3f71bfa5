#pragma once

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Context;

// Where a handler's operands come from when they are not read off the
// statement's tokens: a compiled call hands out its compiled operands in
// order. The engine's operand reads go here while a source is set.
class ArgumentSource {
  public:
    // The token the next operand starts with; after the last, the token the
    // walk would read next (null at the end of the statement).
    virtual Token* peek() const = 0;
    // Evaluates the next operand into `result`; `applying` names the function
    // in the error for a missing one.
    virtual ErrorCode operand(Context& ctx, const Token& applying, Value& result) = 0;
    // Takes the next operand by its token, unevaluated: a text or an array
    // that a handler reads whole.
    virtual Token* take() = 0;

  protected:
    ~ArgumentSource() = default;
};

}  // namespace zentrel
