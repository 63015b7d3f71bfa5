#pragma once

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"
#include "engine/values/number.h"

namespace zentrel {

class Engine;

// A further operand of a pair form: a unary operator there is read as a
// misplaced operator (`1 [!] 2`), not as the start of a second operand.
bool startsPairOperand(const Token* token);

// The value of the pair form `( a b )`, or of the triple `( a b c )` outside
// the complex modes, in a mode that has them (not an integer one).
Number pairFormValue(NumberMode mode, const Number& a, const Number& b, const Number* c);

// A complex pair and a triple end their group: anything but its `)` after
// them is `otherwise`, reported at that token.
ErrorCode pairFormEnds(Engine& engine, const Token* next, ErrorCode otherwise);

}  // namespace zentrel
