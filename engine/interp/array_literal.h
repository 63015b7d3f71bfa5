#pragma once

#include <cstdint>

#include "engine/frontend/token.h"
#include "engine/frontend/token_line.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// An array literal whose braces do not balance within its statement takes the
// tokens of the following statements, across runs, until they do; the literal
// then runs as a statement of its own. The engine keeps one of these.
class ArrayLiteralCollector {
  public:
    bool collecting() const { return collecting_; }
    // Starts with the array as written (an indirect `@@:` with its settled slot)
    // and the tokens from `open`, the literal's `{`, to the end of the statement.
    [[nodiscard]] ErrorCode begin(const Token& array, std::uint8_t slot, const Token* open);
    // Adds a statement's tokens: kStatusDone while braces are still open, 0 when
    // the literal is complete and completed() holds its statement.
    [[nodiscard]] ErrorCode collect(const TokenLine& statement);
    TokenLine& completed() { return completed_; }
    // Drops a literal still open (its input has ended).
    void abandon() {
        collecting_ = false;
        pending_.clear();
    }

  private:
    [[nodiscard]] ErrorCode append(const Token* from);

    bool collecting_ = false;
    int depth_ = 0;  // braces open so far
    TokenLine pending_;
    TokenLine completed_;
};

// True when the brace at `open` is closed before the statement ends; `after`
// is then the token after the brace that closes it.
bool literalCloses(Token* open, Token*& after);

// The operand `array { ... }` with the cursor on the `{`: evaluates the literal
// into the array's stores, or starts collecting when its braces stay open to
// the end of the statement (the statement then ends without a value).
ErrorCode readArrayLiteral(Engine& engine, Context& ctx, const Token& array, std::uint8_t slot,
                           bool named, Value& result);

}  // namespace zentrel
