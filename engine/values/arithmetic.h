#pragma once

#include <cstdint>

#include "engine/values/error_code.h"
#include "engine/values/modes.h"
#include "engine/values/number.h"
#include "engine/values/stop_request.h"
#include "engine/values/value.h"

namespace zentrel {

// The value arithmetic behind the operators + - * / % and their assignment forms,
// the increments and the division-by-zero test. Nothing here normalises to the
// numeric mode: the caller applies normalizeToMode to the result where the operator
// asks for it (the increments deliberately skip it).

enum class ArithmeticOp : std::uint8_t { Add, Subtract, Multiply, Divide, Remainder };

// The scalar core: target = target (op) operand. The target is first brought to the
// current representation; the operand keeps its own. Fraction targets use the
// fraction operations (a complex operand contributes only its re); complex targets
// compute in extended precision and store binary64. Every element-wise operation on
// Values goes through here.
void applyScalarArithmetic(Number& target, Number operand, ArithmeticOp op,
                           bool fractionRepresentation);

// The operator on whole Values, accumulator = accumulator (op) operand:
// - Add, Subtract: a scalar operand shrinks the accumulator to its first element;
//   a matrix operand grows the accumulator to the larger of both shapes and combines
//   element by element (zero outside the operand).
// - Multiply: scalar x scalar, matrix x scalar (shape of the accumulator), scalar x
//   matrix (shape of the operand), or the matrix product with zero padding of
//   mismatched inner sizes (accumulator rows x operand columns).
// - Divide: every element of the accumulator divided by the operand's first element.
// - Remainder: the accumulator shrinks to a scalar; remainder by the first element.
// Returns kOutOfMemory, with the accumulator unchanged, when a reshaped result cannot
// be allocated; kErrInterrupted, with the accumulator in some state between, when the
// stop request ends the work (each element operation is a step); else kSuccess.
[[nodiscard]] ErrorCode applyArithmetic(Value& accumulator, const Value& operand, ArithmeticOp op,
                                        bool fractionRepresentation, StopRequest& stop);

// For / and %: brings a scalar divisor to the current representation (in place, so the
// division that follows reads it that way) and tells whether it is zero: a fraction of
// value 0, or a complex with re and im both 0. The caller warns and divides anyway.
// A matrix divisor is left as it is and never counts as zero.
bool isDivisionByZero(Value& divisor, bool fractionRepresentation);
bool isDivisionByZero(Number& divisor, bool fractionRepresentation);

// Every element replaced by its negation in the current representation; shape kept.
[[nodiscard]] ErrorCode negateElements(Value& value, bool fractionRepresentation,
                                       StopRequest& stop);

// [++] on one number: a non-negative fraction steps to (numerator + denominator) /
// denominator through the clamped construction, a negative one subtracts the real -1,
// a complex adds 1 to re. The number is brought to the current representation first.
void prefixIncrement(Number& number, bool fractionRepresentation);
// [--] on one number: subtracts the real 1 (a complex from re).
void prefixDecrement(Number& number, bool fractionRepresentation);

// The deferred update of a postfix ++ or --: the stored value is normalised to the
// mode, then the real 1 is added or subtracted. The sum itself is not normalised.
void postfixIncrement(Number& number, ModeView modes);
void postfixDecrement(Number& number, ModeView modes);

}  // namespace zentrel
