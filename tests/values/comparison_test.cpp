#include "engine/values/comparison.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/values/mode_fixture.h"

namespace zentrel {
namespace {

using Comparison = ModeFixture;
using M = NumberMode;

TEST_F(Comparison, OrderedComparisonsUseRealValuesAndKeepTheNaNRule) {
    struct Case {
        const char* text;
        Number left;
        OrderOp op;
        Number right;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"3 [<] 2+1i", real(3), OrderOp::Less, complex(2, 1), false},
        {"3 [>] 2+1i", real(3), OrderOp::Greater, complex(2, 1), true},
        {"1/2 [<] 0.75", fraction(false, 1, 2), OrderOp::Less, real(0.75), true},
        {"-1/3 [<] -0.3333", fraction(true, 1, 3), OrderOp::Less, real(-0.3333), true},
        {"2 [<=] 2", real(2), OrderOp::LessEqual, real(2), true},
        {"2 [>=] 2", real(2), OrderOp::GreaterEqual, real(2), true},
        {"2 [>] 2", real(2), OrderOp::Greater, real(2), false},
        {"NaN [<] 1", real(NAN), OrderOp::Less, real(1), false},
        {"NaN [<=] 1", real(NAN), OrderOp::LessEqual, real(1), false},
        {"NaN [>] 1", real(NAN), OrderOp::Greater, real(1), true},
        {"1 [>=] NaN", real(1), OrderOp::GreaterEqual, real(NAN), true},
        {"0/0 [>] 1", fraction(false, 0, 0), OrderOp::Greater, real(1), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(compareOrdered(c.left, c.right, c.op), c.expected);
    }
}

TEST_F(Comparison, EqualityNeedsTheSameShape) {
    EXPECT_TRUE(valuesEqual(matrix(2, 2, {1, 2, 3, 4}), matrix(2, 2, {1, 2, 3, 4}), fr()));
    EXPECT_FALSE(valuesEqual(matrix(2, 2, {1, 2, 3, 4}), matrix(2, 2, {1, 2, 3, 5}), fr()));
    EXPECT_FALSE(valuesEqual(matrix(2, 2, {1, 2, 3, 4}), matrix(2, 3, {1, 2, 0, 3, 4, 0}), fr()));
    EXPECT_FALSE(valuesEqual(matrix(1, 2, {1, 1}), matrix(2, 1, {1, 1}), fr()));
    EXPECT_FALSE(valuesEqual(Value(real(1)), matrix(1, 2, {1, 0}), fr()));
}

TEST_F(Comparison, ElementEqualityAcrossRepresentations) {
    struct Case {
        const char* text;
        NumberMode mode;
        Number accumulator;
        Number operand;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"fraction vs complex ignores im", M::Fract, fraction(false, 1, 2), complex(0.5, 7), true},
        {"the same pair in a real mode compares im", M::GFloat, fraction(false, 1, 2),
         complex(0.5, 7), false},
        {"complex vs fraction", M::Complex, complex(0.5, 0), fraction(false, 1, 2), true},
        {"complex vs fraction needs im 0", M::Complex, complex(0.5, 1), fraction(false, 1, 2),
         false},
        {"1/2 vs unreduced 2/4", M::Fract, fraction(false, 1, 2), fraction(false, 2, 4), true},
        {"1/2 vs -1/2", M::Fract, fraction(false, 1, 2), fraction(true, 1, 2), false},
        {"0 vs a product's -0/5", M::Fract, fraction(false, 0, 1), fraction(true, 0, 5), true},
        {"0.1 read as 1/10", M::Fract, real(0.1), fraction(false, 1, 10), true},
        {"complex parts", M::Complex, complex(1, 2), complex(1, -2), false},
        {"NaN equals anything", M::GFloat, real(NAN), real(5), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        setMode(c.mode);
        EXPECT_EQ(numbersEqual(c.accumulator, c.operand, fr()), c.expected);
    }
}

}  // namespace
}  // namespace zentrel
