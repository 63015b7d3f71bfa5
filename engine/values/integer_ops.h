#pragma once

#include <cstdint>

#include "engine/values/number.h"

namespace zentrel {

// The integer view of numbers used by the bit operators, the shifts and the logical
// not. Operands are read through truncInt and keep their low 32 bits; every result is
// the unsigned 32-bit outcome as a non-negative real in the current representation.
// In the integer modes the caller's normalizeToMode then wraps it to the mode's type
// (1 << 31 reads as -2147483648 in :long).

enum class BitOp : std::uint8_t { And, Xor, Or, ShiftLeft, ShiftRight };

// [~]: the complement of the operand's unsigned 32-bit value.
Number bitComplement(const Number& operand, bool fractionRepresentation);

// [!]: 1 when the low 32 bits of the operand's truncInt are 0, else 0 (so !0.5 is 1).
Number logicalNot(const Number& operand, bool fractionRepresentation);

// & ^ |: left read as signed 32 bits, right as unsigned 32 bits (the same bits).
// << >>: the left value as unsigned 32 bits, shifted logically by the right operand's
// low 8 bits read as a signed byte and masked with 31 (so 1 << 32 is 1).
Number applyBitOp(const Number& left, const Number& right, BitOp op, bool fractionRepresentation);

}  // namespace zentrel
