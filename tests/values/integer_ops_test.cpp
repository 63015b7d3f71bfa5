#include "engine/values/integer_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/values/mode_fixture.h"

namespace zentrel {
namespace {

using IntegerView = ModeFixture;
using M = NumberMode;

// Results are compared after normalisation to the mode, as the operators apply it.
TEST_F(IntegerView, BitOperatorsAndShiftsWorkOnTheLow32Bits) {
    struct Case {
        const char* text;
        NumberMode mode;
        double left;
        BitOp op;
        double right;
        double expected;
    };
    const std::vector<Case> cases = {
        {"1 << 31", M::GFloat, 1, BitOp::ShiftLeft, 31, 2147483648.0},
        {"1 << 31 in :long", M::Long, 1, BitOp::ShiftLeft, 31, -2147483648.0},
        {"1 << 32 masks the count", M::GFloat, 1, BitOp::ShiftLeft, 32, 1},
        {"1 << -1 counts 31", M::GFloat, 1, BitOp::ShiftLeft, -1, 2147483648.0},
        {"1 << 255 counts 31", M::GFloat, 1, BitOp::ShiftLeft, 255, 2147483648.0},
        {"3 << 31 drops the high bit", M::GFloat, 3, BitOp::ShiftLeft, 31, 2147483648.0},
        {"-1 >> 28 is logical", M::GFloat, -1, BitOp::ShiftRight, 28, 15},
        {"-2147483648 >> 31", M::GFloat, -2147483648.0, BitOp::ShiftRight, 31, 1},
        {"-2147483648 & -1", M::GFloat, -2147483648.0, BitOp::And, -1, 2147483648.0},
        {"-2147483648 | 1", M::GFloat, -2147483648.0, BitOp::Or, 1, 2147483649.0},
        {"-1 ^ 1", M::GFloat, -1, BitOp::Xor, 1, 4294967294.0},
        {"4294967296 | 5 loses bit 32", M::GFloat, 4294967296.0, BitOp::Or, 5, 5},
        {"6.9 & 3.9 truncates", M::GFloat, 6.9, BitOp::And, 3.9, 2},
        {"NaN & -1", M::GFloat, NAN, BitOp::And, -1, 0},
        {"1e30 | 0 is beyond 64 bits", M::GFloat, 1e30, BitOp::Or, 0, 0},
        {"-1 & 255 in :char", M::Char, -1, BitOp::And, 255, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        setMode(c.mode);
        Number n = applyBitOp(real(c.left), real(c.right), c.op, fr());
        normalizeToMode(n, c.mode);
        EXPECT_EQ(n.realValue(), c.expected);
    }
}

TEST_F(IntegerView, ComplementAndLogicalNot) {
    struct Case {
        const char* text;
        NumberMode mode;
        bool complement;
        double operand;
        double expected;
    };
    const std::vector<Case> cases = {
        {"~0", M::GFloat, true, 0, 4294967295.0},
        {"~0 in :char", M::Char, true, 0, -1},
        {"~-1", M::GFloat, true, -1, 0},
        {"~2147483648", M::GFloat, true, 2147483648.0, 2147483647.0},
        {"~0 in :fract", M::Fract, true, 0, 4294967295.0},
        {"!0.5 truncates to 0", M::GFloat, false, 0.5, 1},
        {"!-0.9", M::GFloat, false, -0.9, 1},
        {"!2", M::GFloat, false, 2, 0},
        {"!4294967296 sees only the low 32 bits", M::GFloat, false, 4294967296.0, 1},
        {"!NaN", M::GFloat, false, NAN, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        setMode(c.mode);
        Number n =
            c.complement ? bitComplement(real(c.operand), fr()) : logicalNot(real(c.operand), fr());
        EXPECT_EQ(n.isFraction, fr());
        normalizeToMode(n, c.mode);
        EXPECT_EQ(n.realValue(), c.expected);
    }
}

}  // namespace
}  // namespace zentrel
