#pragma once

#include "engine/builtins/math_scope.h"
#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/number.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// What every built-in function shares: reading its arguments and building its result.

// Evaluates the next operand into `slot`. No operand there (the end of the
// statement, or a token that cannot start one) is 0x2103 naming the function.
ErrorCode evaluateArgument(Engine& engine, Context& ctx, const Token& function, Value& slot);
// One argument: the first element of the next operand.
ErrorCode readNumberArgument(Engine& engine, Context& ctx, const Token& function, Number& out);
ErrorCode readComplexArgument(Engine& engine, Context& ctx, const Token& function, Complex& out);

// A number as a function argument: its complex value with a negative zero
// imaginary part read as zero.
Complex toComplex(const Number& number);

// The result in the representation in force: the complex pair, or a fraction
// (exact for integers below 2^32, else through the real-to-fraction conversion).
Number functionResult(Complex value, bool fractionRepresentation);

// A real result in the representation in force.
void setRealResult(Engine& engine, Value& result, double x);

// The angle and domain settings of the engine for one call.
MathScope mathScope(const Engine& engine);

// Stores the result and deals with an invalid argument the computation flagged:
// a function with its own warning reports it in a real mode; otherwise the
// engine's flag is raised and the call step reports the generic warning.
void finishFunction(Engine& engine, Context& ctx, const Token& function, const MathScope& scope,
                    ErrorCode ownWarning, Complex value, Value& result);

}  // namespace zentrel
