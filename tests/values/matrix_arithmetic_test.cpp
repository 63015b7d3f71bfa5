#include <gtest/gtest.h>

#include "engine/values/arithmetic.h"
#include "tests/values/mode_fixture.h"

namespace zentrel {
namespace {

using MatrixArithmetic = ModeFixture;
using Op = ArithmeticOp;

TEST_F(MatrixArithmetic, AddingAScalarKeepsOnlyTheFirstElement) {
    Value acc = matrix(2, 2, {1, 2, 3, 4});
    ASSERT_EQ(applyArithmetic(acc, Value(real(1)), Op::Add, fr(), noStop()), kSuccess);
    expectMatrix(acc, 1, 1, {2});
}

TEST_F(MatrixArithmetic, AddingAMatrixWidensTheAccumulatorToTheCommonShape) {
    Value acc(real(1));
    ASSERT_EQ(applyArithmetic(acc, matrix(2, 2, {1, 2, 3, 4}), Op::Add, fr(), noStop()), kSuccess);
    expectMatrix(acc, 2, 2, {2, 2, 3, 4});

    acc = matrix(2, 3, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(applyArithmetic(acc, matrix(3, 2, {1, 2, 3, 4, 5, 6}), Op::Subtract, fr(), noStop()),
              kSuccess);
    expectMatrix(acc, 3, 3, {0, 0, 3, 1, 1, 6, -5, -6, 0});
}

TEST_F(MatrixArithmetic, ProductsPadMismatchedInnerSizesWithZeros) {
    Value acc = matrix(2, 3, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(
        applyArithmetic(acc, matrix(3, 2, {7, 8, 9, 10, 11, 12}), Op::Multiply, fr(), noStop()),
        kSuccess);
    expectMatrix(acc, 2, 2, {58, 64, 139, 154});

    acc = matrix(2, 2, {1, 2, 3, 4});
    ASSERT_EQ(applyArithmetic(acc, matrix(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}), Op::Multiply, fr(),
                              noStop()),
              kSuccess);
    expectMatrix(acc, 2, 3, {9, 12, 15, 19, 26, 33});
}

TEST_F(MatrixArithmetic, ScalingKeepsTheMatrixShapeOnEitherSide) {
    Value acc(real(2));
    ASSERT_EQ(applyArithmetic(acc, matrix(1, 3, {1, 2, 3}), Op::Multiply, fr(), noStop()),
              kSuccess);
    expectMatrix(acc, 1, 3, {2, 4, 6});

    acc = matrix(1, 3, {1, 2, 3});
    ASSERT_EQ(applyArithmetic(acc, Value(real(2)), Op::Multiply, fr(), noStop()), kSuccess);
    expectMatrix(acc, 1, 3, {2, 4, 6});
}

TEST_F(MatrixArithmetic, DivisionUsesTheDivisorsFirstElementAndRemainderShrinks) {
    Value acc = matrix(2, 2, {1, 2, 3, 4});
    ASSERT_EQ(applyArithmetic(acc, matrix(1, 2, {2, 100}), Op::Divide, fr(), noStop()), kSuccess);
    expectMatrix(acc, 2, 2, {0.5, 1, 1.5, 2});

    acc = matrix(2, 2, {5, 2, 3, 4});
    ASSERT_EQ(applyArithmetic(acc, Value(real(3)), Op::Remainder, fr(), noStop()), kSuccess);
    expectMatrix(acc, 1, 1, {2});
}

// The sum of a product starts from a zero in the current representation, so real
// elements in a fraction mode still give exact fractions.
TEST_F(MatrixArithmetic, FractionModeProductsAreExact) {
    setMode(NumberMode::Fract);
    Value acc = matrix(2, 2, {1, 2, 3, 4});
    Value operand;
    ASSERT_EQ(operand.resize(2, 2, true), kSuccess);
    const std::uint32_t denominators[] = {2, 3, 4, 5};
    for (int i = 0; i < 4; ++i)
        operand.element(i) = fraction(false, 1, denominators[i]);
    ASSERT_EQ(applyArithmetic(acc, operand, Op::Multiply, fr(), noStop()), kSuccess);
    const std::uint32_t expected[][2] = {{1, 1}, {11, 15}, {5, 2}, {9, 5}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(acc.element(i).isFraction);
        EXPECT_EQ(acc.element(i).fraction.numerator, expected[i][0]);
        EXPECT_EQ(acc.element(i).fraction.denominator, expected[i][1]);
    }
}

TEST_F(MatrixArithmetic, TheOperandMayBeTheAccumulatorItself) {
    Value v = matrix(2, 2, {2, 4, 6, 8});
    ASSERT_EQ(applyArithmetic(v, v, Op::Divide, fr(), noStop()), kSuccess);
    expectMatrix(v, 2, 2, {1, 2, 3, 4});
    ASSERT_EQ(applyArithmetic(v, v, Op::Multiply, fr(), noStop()), kSuccess);
    expectMatrix(v, 2, 2, {7, 10, 15, 22});
}

TEST_F(MatrixArithmetic, ShapesTooLargeToHoldAreRefusedWithTheAccumulatorIntact) {
    const Value column = matrix(50000, 1, {});
    const Value row = matrix(1, 50000, {});
    for (Op op : {Op::Add, Op::Multiply}) {
        Value acc = column;
        EXPECT_EQ(applyArithmetic(acc, row, op, fr(), noStop()), kOutOfMemory);
        EXPECT_EQ(acc.rows(), 50000);
        EXPECT_EQ(acc.cols(), 1);
    }
}

TEST_F(MatrixArithmetic, NegationKeepsTheShapeAndNeverMakesNegativeZero) {
    setMode(NumberMode::Fract);
    Value v = matrix(1, 3, {0, 0.5, -2});
    ASSERT_EQ(negateElements(v, fr(), noStop()), kSuccess);
    ASSERT_EQ(v.cols(), 3);
    EXPECT_EQ(v.element(0).fraction.negative, 0);
    EXPECT_EQ(v.element(1).fraction.negative, 1);
    EXPECT_EQ(v.element(2).fraction.negative, 0);
    EXPECT_EQ(v.element(2).fraction.numerator, 2u);
}

}  // namespace
}  // namespace zentrel
