#pragma once

// Check and run handlers of the control keywords (the rows are in
// control_rows.cpp), with the helpers they share. Check handlers answer 0 (run
// the statement), 4 (skip it) or an error; run handlers execute it.

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// Evaluates the operand after the keyword: one element is true unless it is
// zero (NaN counts as true), a longer value is always true. `scratch` receives
// the value.
[[nodiscard]] ErrorCode evaluateCondition(Engine& engine, Context& ctx, const Token& keyword,
                                          Value& scratch, bool& truth);
// The truth rule of a condition's value; inline, as every loop pass tests one.
inline bool isZero(const Number& n) {
    if (n.isFraction) return n.fraction.numerator == 0;
    return n.complex.re == 0 && n.complex.im == 0;
}
inline bool conditionHolds(const Value& value) {
    return value.count() != 1 || !isZero(value.first());
}
// A loop test with its condition's truth: a false one ends the loop.
void finishLoopTest(Engine& engine, bool truth);
// True while a replayed loop block passes over the rest of its pass.
bool replayPassesOver(const Engine& engine);

ErrorCode checkExecuting(Engine&, Context&, const Token&, Value&);
ErrorCode runNothing(Engine&, Context&, const Token&, Value&);

// if / elif / else / endif
ErrorCode checkIf(Engine&, Context&, const Token&, Value&);
ErrorCode runIf(Engine&, Context&, const Token&, Value&);
ErrorCode checkElse(Engine&, Context&, const Token&, Value&);
ErrorCode runElif(Engine&, Context&, const Token&, Value&);
ErrorCode runElse(Engine&, Context&, const Token&, Value&);
ErrorCode checkEndif(Engine&, Context&, const Token&, Value&);

// switch / case / default / breakswi / endswi
ErrorCode checkSwitch(Engine&, Context&, const Token&, Value&);
ErrorCode runSwitch(Engine&, Context&, const Token&, Value&);
ErrorCode checkCase(Engine&, Context&, const Token&, Value&);
ErrorCode runCase(Engine&, Context&, const Token&, Value&);
ErrorCode runDefault(Engine&, Context&, const Token&, Value&);
ErrorCode runBreakswi(Engine&, Context&, const Token&, Value&);
ErrorCode checkEndswi(Engine&, Context&, const Token&, Value&);

// assert
ErrorCode runAssert(Engine&, Context&, const Token&, Value&);

// do / while / for / func open a block; until / endwhile / next / endfunc end it
ErrorCode checkOpener(Engine&, Context&, const Token&, Value&);
ErrorCode runLoopTest(Engine&, Context&, const Token&, Value&);
ErrorCode checkBlockEnd(Engine&, Context&, const Token&, Value&);
ErrorCode runUntil(Engine&, Context&, const Token&, Value&);
ErrorCode runBlockEnd(Engine&, Context&, const Token&, Value&);
ErrorCode runBreak(Engine&, Context&, const Token&, Value&);
ErrorCode runContinue(Engine&, Context&, const Token&, Value&);

// func / return
ErrorCode runFunc(Engine&, Context&, const Token&, Value&);
ErrorCode runReturn(Engine&, Context&, const Token&, Value&);
// After `return` read its value: 0 when the value becomes the statement's
// answer, 4 (after a warning) when the scope cannot give one back.
ErrorCode deliverReturnValue(Engine& engine, Context& ctx, const Token& keyword);

}  // namespace zentrel
