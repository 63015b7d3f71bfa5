#pragma once

#include "engine/frontend/token_line.h"
#include "engine/values/error_code.h"

namespace zentrel {

// Makes operator precedence explicit for a strictly left-to-right evaluator:
// for every operator, in line order, it opens a group after the nearest
// operator to its left that binds less tightly and closes it before the next
// operator that binds no tighter than that one. Assignments group to the right:
// an assignment after an assignment opens a group that runs on over further
// assignments. A control keyword to the left opens a group right after itself
// instead, with one more `(` for each `)` between them that has no partner
// there, so that compiling the listing of a compiled line changes nothing.
// Finally the parentheses of the whole line are balanced: an unmatched
// `)` gets a `(` at the start of the line, an unclosed `(` a `)` at its end.
// Not recursive; linear in the length of the line except for contrived mixes of
// misplaced control keywords and long assignment chains.
[[nodiscard]] ErrorCode applyPrecedence(TokenLine& line);

}  // namespace zentrel
