#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/values/value.h"
#include "tests/values/test_numbers.h"

namespace zentrel {
namespace {

using test::real;

Value matrix(std::int32_t rows, std::int32_t cols) {
    Value v;
    EXPECT_EQ(v.resize(rows, cols, false), kSuccess);
    for (std::int32_t i = 0; i < v.count(); ++i)
        v.element(i) = real(i + 1);
    return v;
}

TEST(NumberRepresentation, SwitchingModesConvertsLazilyAndBack) {
    Number n = real(0.75);
    n.syncRepresentation(true);
    ASSERT_TRUE(n.isFraction);
    EXPECT_EQ(n.fraction.numerator, 3u);
    EXPECT_EQ(n.fraction.denominator, 4u);
    n.syncRepresentation(false);
    EXPECT_FALSE(n.isFraction);
    EXPECT_EQ(n.complex.re, 0.75);
}

TEST(NumberRepresentation, ConversionToFractionDropsImaginaryPart) {
    Number n = Number::fromComplex({2.0, 5.0});
    n.syncRepresentation(true);
    EXPECT_EQ(n.fraction.numerator, 2u);
    EXPECT_EQ(n.asComplex().im, 0.0);
}

TEST(NumberRepresentation, ReadsDoNotConvertStoredParts) {
    const Number f = Number::fromFraction({1, 1, 2});
    EXPECT_EQ(f.realValue(), -0.5L);
    EXPECT_EQ(f.asComplex().re, -0.5);
    EXPECT_TRUE(f.isFraction);
    const Number c = real(1.5);
    EXPECT_EQ(c.asFraction().numerator, 3u);
    EXPECT_FALSE(c.isFraction);
}

TEST(NumberRepresentation, TruncIntTruncatesTowardZeroAndMarksOutOfRange) {
    EXPECT_EQ(real(3.9).truncInt(), 3);
    EXPECT_EQ(real(-3.9).truncInt(), -3);
    EXPECT_EQ(real(1e30).truncInt(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(real(NAN).truncInt(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(real(-9223372036854775808.0).truncInt(), std::numeric_limits<std::int64_t>::min());
}

TEST(NumberRepresentation, NegationAndCopiesNeverMakeNegativeZeroFractions) {
    const Number zero = Number::fromFraction({1, 0, 1});  // as a product may leave it
    const Number copy = zero;
    EXPECT_EQ(copy.fraction.negative, 0);
    EXPECT_EQ(zero.negate(true).fraction.negative, 0);
    const Number half = Number::fromFraction({0, 1, 2});
    EXPECT_EQ(half.negate(true).fraction.negative, 1);
    EXPECT_EQ(half.negate(true).negate(true).fraction.negative, 0);
    const Number c = Number::fromComplex({1.0, -2.0}).negate(false);
    EXPECT_EQ(c.complex.re, -1.0);
    EXPECT_EQ(c.complex.im, 2.0);
}

TEST(NumberRepresentation, TruthIgnoresNaN) {
    EXPECT_FALSE(real(0.0).isTrue(false));
    EXPECT_FALSE(real(NAN).isTrue(false));
    EXPECT_TRUE(Number::fromComplex({0.0, 1.0}).isTrue(false));
    EXPECT_FALSE(Number::fromFraction({0, 0, 0}).isTrue(true));  // 0/0 is undefined
    EXPECT_TRUE(Number::fromFraction({0, 1, 0}).isTrue(true));
    // In fraction representation a tiny real becomes 0/1 first.
    EXPECT_FALSE(real(1e-20).isTrue(true));
}

TEST(ValueShape, ReadsOutsideTheMatrixGiveZero) {
    const Value m = matrix(2, 2);
    EXPECT_EQ(m.elementAt(1, 1).complex.re, 4.0);
    EXPECT_EQ(m.elementAt(5, 5).complex.re, 0.0);
    EXPECT_EQ(m.elementAt(-1, 0).complex.re, 0.0);
    EXPECT_EQ(m.elementAt(0, 2).complex.re, 0.0);
}

TEST(ValueShape, ResizeKeepsTheTopLeftBlock) {
    Value m = matrix(2, 3);  // 1 2 3 / 4 5 6
    ASSERT_EQ(m.resize(3, 2, false), kSuccess);
    EXPECT_EQ(m.count(), 6);
    EXPECT_EQ(m.elementAt(0, 1).complex.re, 2.0);
    EXPECT_EQ(m.elementAt(1, 0).complex.re, 4.0);
    EXPECT_EQ(m.elementAt(1, 1).complex.re, 5.0);
    EXPECT_EQ(m.elementAt(2, 1).complex.re, 0.0);
    EXPECT_EQ(m.zeroSlot().complex.re, 0.0);
    ASSERT_EQ(m.resize(0, 4, false), kSuccess);  // no element: ignored
    EXPECT_EQ(m.rows(), 3);
}

TEST(ValueShape, ResizeConvertsKeptElementsToTheRepresentation) {
    Value m = matrix(1, 2);
    ASSERT_EQ(m.resize(2, 2, true), kSuccess);
    EXPECT_TRUE(m.elementAt(0, 1).isFraction);
    EXPECT_TRUE(m.elementAt(1, 1).isFraction);
}

TEST(ValueShape, SetElementGrowsTheMatrix) {
    Value v;
    ASSERT_EQ(v.setElement(1, 2, real(7), false), kSuccess);
    EXPECT_EQ(v.rows(), 2);
    EXPECT_EQ(v.cols(), 3);
    EXPECT_EQ(v.elementAt(1, 2).complex.re, 7.0);
    ASSERT_EQ(v.setElement(0, 0, real(0.5), true), kSuccess);
    EXPECT_TRUE(v.elementAt(0, 0).isFraction);
    EXPECT_EQ(v.elementAt(0, 0).fraction.denominator, 2u);
}

TEST(ValueShape, HugeShapesAreRefusedNotWrapped) {
    Value v;
    EXPECT_EQ(v.setElement(70000, 70000, real(1), false), kOutOfMemory);
    EXPECT_EQ(v.resize(INT32_MAX, 2, false), kOutOfMemory);
    EXPECT_TRUE(v.isScalar());
}

TEST(ValueShape, ShrinkKeepsTheFirstElementAndAZeroSlot) {
    Value m = matrix(2, 2);
    m.shrinkToScalar();
    EXPECT_TRUE(m.isScalar());
    EXPECT_EQ(m.first().complex.re, 1.0);
    EXPECT_EQ(m.zeroSlot().complex.re, 0.0);
    EXPECT_EQ(m.elementAt(0, 1).complex.re, 0.0);
}

TEST(ValueAssign, CopiesShapeAndElementsReusingLargerArrays) {
    Value big = matrix(3, 3);
    const Value small = matrix(1, 2);
    ASSERT_EQ(big.assign(small), kSuccess);
    EXPECT_EQ(big.rows(), 1);
    EXPECT_EQ(big.cols(), 2);
    EXPECT_EQ(big.elementAt(0, 1).complex.re, 2.0);
    EXPECT_EQ(big.zeroSlot().complex.re, 0.0);
    EXPECT_EQ(big.elementAt(1, 0).complex.re, 0.0);

    Value scalar(real(9));
    ASSERT_EQ(scalar.assign(matrix(2, 2)), kSuccess);
    EXPECT_EQ(scalar.count(), 4);
    ASSERT_EQ(scalar.assign(Value(real(5))), kSuccess);
    EXPECT_TRUE(scalar.isScalar());
    EXPECT_EQ(scalar.first().complex.re, 5.0);
    EXPECT_EQ(scalar.zeroSlot().complex.re, 0.0);
}

TEST(ValueAssign, CopiesAndMovesAreIndependent) {
    Value a = matrix(2, 2);
    Value b = a;
    b.element(0) = real(42);
    EXPECT_EQ(a.first().complex.re, 1.0);
    Value c = std::move(b);
    EXPECT_EQ(c.first().complex.re, 42.0);
    EXPECT_EQ(c.count(), 4);
    EXPECT_TRUE(b.isScalar());  // NOLINT(bugprone-use-after-move): moved-from stays valid
    EXPECT_EQ(b.zeroSlot().complex.re, 0.0);
}

struct NormalizeCase {
    NumberMode mode;
    double in;
    double out;
};

class NormalizeIntegers : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeIntegers, WrapsToTheModeWidth) {
    Value v(real(GetParam().in));
    normalizeToMode(v, GetParam().mode);
    EXPECT_EQ(v.first().complex.re, GetParam().out);
    EXPECT_EQ(v.first().complex.im, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, NormalizeIntegers,
    testing::Values(
        NormalizeCase{NumberMode::UChar, 256, 0}, NormalizeCase{NumberMode::UChar, -1, 255},
        NormalizeCase{NumberMode::Char, 128, -128}, NormalizeCase{NumberMode::Char, 127, 127},
        NormalizeCase{NumberMode::Short, 32768, -32768},
        NormalizeCase{NumberMode::UShort, 65537, 1},
        NormalizeCase{NumberMode::Long, 2147483648.0, -2147483648.0},
        NormalizeCase{NumberMode::ULong, -1, 4294967295.0}, NormalizeCase{NumberMode::Long, 3.5, 3},
        NormalizeCase{NumberMode::Long, -3.5, -3}, NormalizeCase{NumberMode::ULong, 1e30, 0}));

TEST(Normalize, RealModesDropImaginaryPartsAndFractions) {
    Value v(Number::fromComplex({1.0, 2.0}));
    normalizeToMode(v, NumberMode::GFloat);
    EXPECT_EQ(v.first().complex.im, 0.0);
    Value f(Number::fromFraction({1, 3, 4}));
    normalizeToMode(f, NumberMode::Float);
    EXPECT_FALSE(f.first().isFraction);
    EXPECT_EQ(f.first().complex.re, -0.75);
}

TEST(Normalize, ComplexAndFractionModesKeepEverything) {
    Value v(Number::fromComplex({1.0, 2.0}));
    normalizeToMode(v, NumberMode::Complex);
    EXPECT_EQ(v.first().complex.im, 2.0);
    Value f(Number::fromFraction({0, 1, 3}));
    normalizeToMode(f, NumberMode::Fract);
    EXPECT_TRUE(f.first().isFraction);
}

TEST(Normalize, AppliesToEveryElementOfAMatrix) {
    Value m = matrix(2, 2);
    m.element(3) = real(300);
    normalizeToMode(m, NumberMode::UChar);
    EXPECT_EQ(m.elementAt(1, 1).complex.re, 44.0);
    EXPECT_EQ(m.elementAt(0, 0).complex.re, 1.0);
}

}  // namespace
}  // namespace zentrel
