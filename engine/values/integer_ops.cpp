#include "engine/values/integer_ops.h"

namespace zentrel {

namespace {

// truncInt never overflows (NaN and huge values give INT64_MIN, whose low bits are 0),
// and the conversion to unsigned keeps the low 32 bits by definition.
std::uint32_t low32(const Number& n) {
    return static_cast<std::uint32_t>(n.truncInt());
}

Number unsignedResult(std::uint32_t bits, bool fractionRepresentation) {
    return Number::fromReal(static_cast<double>(bits), fractionRepresentation);
}

// Reading the count's low byte as signed before masking with 31 leaves the same five
// bits, so the mask alone gives the count; it also keeps every shift below 32.
std::uint32_t shiftCount(const Number& right) {
    return low32(right) & 31u;
}

}  // namespace

Number bitComplement(const Number& operand, bool fractionRepresentation) {
    return unsignedResult(~low32(operand), fractionRepresentation);
}

Number logicalNot(const Number& operand, bool fractionRepresentation) {
    return unsignedResult(low32(operand) == 0 ? 1u : 0u, fractionRepresentation);
}

Number applyBitOp(const Number& left, const Number& right, BitOp op, bool fractionRepresentation) {
    const std::uint32_t a = low32(left);
    std::uint32_t result = 0;
    switch (op) {
        case BitOp::And:
            result = a & low32(right);
            break;
        case BitOp::Xor:
            result = a ^ low32(right);
            break;
        case BitOp::Or:
            result = a | low32(right);
            break;
        case BitOp::ShiftLeft:
            result = a << shiftCount(right);
            break;
        case BitOp::ShiftRight:
            result = a >> shiftCount(right);
            break;
    }
    return unsignedResult(result, fractionRepresentation);
}

}  // namespace zentrel
