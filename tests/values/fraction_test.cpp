#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "engine/values/fraction.h"

namespace zentrel {
namespace {

Fraction fr(std::int64_t signedNumerator, std::uint32_t denominator) {
    const bool negative = signedNumerator < 0;
    const auto magnitude =
        static_cast<std::uint32_t>(negative ? -signedNumerator : signedNumerator);
    return Fraction{static_cast<std::uint8_t>(negative ? 1 : 0), magnitude, denominator};
}

std::string text(const Fraction& f) {
    return (f.negative ? "-" : "") + std::to_string(f.numerator) + "/" +
           std::to_string(f.denominator);
}

TEST(FractionBasics, GcdAndLcm) {
    EXPECT_EQ(gcd(12, 18), 6u);
    EXPECT_EQ(gcd(7, 0), 7u);
    EXPECT_EQ(gcd(0, 0), 0u);
    EXPECT_EQ(lcm(4, 6), 12.0L);
    EXPECT_EQ(lcm(0, 0), 0.0L);
    // Not clamped: the product of two large coprime parts is kept whole.
    EXPECT_EQ(lcm(4294967295u, 4294967294u), 4294967295.0L * 4294967294.0L);
}

TEST(FractionBasics, FromPartsClampsTheLargerPartAndReduces) {
    EXPECT_EQ(text(Fraction::fromParts(6, 8)), "3/4");
    EXPECT_EQ(text(Fraction::fromParts(0, 5)), "0/1");
    EXPECT_EQ(text(Fraction::fromParts(0, 0)), "0/0");
    EXPECT_EQ(text(Fraction::fromParts(7, 0)), "1/0");
    // 2^32 over 1: the numerator is clamped and the denominator scales to 0.
    EXPECT_EQ(text(Fraction::fromParts(4294967296.0L, 1)), "1/0");
    // The denominator is clamped and the numerator 0.5 truncates to 0.
    EXPECT_EQ(text(Fraction::fromParts(1, 8589934590.0L)), "0/1");
    const Fraction scaled = Fraction::fromParts(6e9L, 4e9L);
    EXPECT_NEAR(static_cast<double>(scaled.value()), 1.5, 1e-9);
    const Fraction small = Fraction::fromParts(4e9L, 6e9L);
    EXPECT_NEAR(static_cast<double>(small.value()), 2.0 / 3.0, 1e-9);
}

TEST(FractionBasics, FromRealExamples) {
    const struct {
        double x;
        const char* expected;
    } cases[] = {
        {0.75, "3/4"},
        {2.5, "5/2"},
        {0.1, "1/10"},
        {-1.5, "-3/2"},
        {4294967295.0, "4294967295/1"},
        {1e10, "1/0"},
        {std::numeric_limits<double>::infinity(), "1/0"},
        {-std::numeric_limits<double>::infinity(), "-1/0"},
        {std::numeric_limits<double>::quiet_NaN(), "0/1"},
        {-0.0, "0/1"},
        {1.0 / 3.0, "477218588/1431655765"},  // 16 decimals, denominator clamped
        {1e-300, "0/1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(text(Fraction::fromReal(c.x)), c.expected);
    }
}

enum class FractionOp { Add, Subtract, Multiply, Divide, Remainder };

void apply(Fraction& a, FractionOp op, const Fraction& b) {
    switch (op) {
        case FractionOp::Add:
            return a.add(b);
        case FractionOp::Subtract:
            return a.subtract(b);
        case FractionOp::Multiply:
            return a.multiply(b);
        case FractionOp::Divide:
            return a.divide(b);
        case FractionOp::Remainder:
            return a.remainder(b);
    }
}

void apply(Fraction& a, FractionOp op, double x) {
    switch (op) {
        case FractionOp::Add:
            return a.add(x);
        case FractionOp::Subtract:
            return a.subtract(x);
        case FractionOp::Multiply:
            return a.multiply(x);
        case FractionOp::Divide:
            return a.divide(x);
        case FractionOp::Remainder:
            return a.remainder(x);
    }
}

struct BinaryCase {
    const char* trace;
    Fraction a;
    FractionOp op;
    Fraction b;
    const char* expected;
};

void PrintTo(const BinaryCase& c, std::ostream* os) {
    *os << c.trace;
}

class FractionArithmetic : public testing::TestWithParam<BinaryCase> {};

TEST_P(FractionArithmetic, GivesTheExpectedFraction) {
    const BinaryCase& c = GetParam();
    SCOPED_TRACE(c.trace);
    Fraction a = c.a;
    apply(a, c.op, c.b);
    EXPECT_EQ(text(a), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FractionArithmetic,
    testing::Values(
        BinaryCase{"1/3 + 1/6", fr(1, 3), FractionOp::Add, fr(1, 6), "1/2"},
        BinaryCase{"1/2 - 3/4", fr(1, 2), FractionOp::Subtract, fr(3, 4), "-1/4"},
        BinaryCase{"-1/2 - -3/4", fr(-1, 2), FractionOp::Subtract, fr(-3, 4), "1/4"},
        BinaryCase{"-1/2 + -1/4", fr(-1, 2), FractionOp::Add, fr(-1, 4), "-3/4"},
        BinaryCase{"2/3 * 3/4", fr(2, 3), FractionOp::Multiply, fr(3, 4), "1/2"},
        BinaryCase{"-2/3 * 3/4", fr(-2, 3), FractionOp::Multiply, fr(3, 4), "-1/2"},
        BinaryCase{"1/2 / 1/4", fr(1, 2), FractionOp::Divide, fr(1, 4), "2/1"},
        BinaryCase{"1/2 / -1/4", fr(1, 2), FractionOp::Divide, fr(-1, 4), "-2/1"},
        BinaryCase{"7/2 % 1", fr(7, 2), FractionOp::Remainder, fr(1, 1), "1/2"},
        BinaryCase{"-7/2 % 2", fr(-7, 2), FractionOp::Remainder, fr(2, 1), "-3/2"},
        BinaryCase{"7/2 % -2", fr(7, 2), FractionOp::Remainder, fr(-2, 1), "3/2"},
        BinaryCase{"5/6 % 1/4", fr(5, 6), FractionOp::Remainder, fr(1, 4), "1/12"},
        // Clamped, never wrapped.
        BinaryCase{"65536 * 65536", fr(65536, 1), FractionOp::Multiply, fr(65536, 1), "1/0"},
        BinaryCase{"1/4294967295 * 1/2", fr(1, 4294967295u), FractionOp::Multiply, fr(1, 2), "0/1"},
        BinaryCase{"4294967295 + 1", fr(4294967295u, 1), FractionOp::Add, fr(1, 1), "1/0"},
        // Division and remainder by zero leave infinite or undefined fractions.
        BinaryCase{"3/4 / 0", fr(3, 4), FractionOp::Divide, fr(0, 1), "1/0"},
        BinaryCase{"-3/4 / 0", fr(-3, 4), FractionOp::Divide, fr(0, 1), "-1/0"},
        BinaryCase{"0 / 0", fr(0, 1), FractionOp::Divide, fr(0, 1), "0/0"},
        BinaryCase{"3/4 % 0", fr(3, 4), FractionOp::Remainder, fr(0, 1), "1/0"},
        BinaryCase{"3/4 / 1/0", fr(3, 4), FractionOp::Divide, fr(1, 0), "0/1"},
        BinaryCase{"1/0 * 0", fr(1, 0), FractionOp::Multiply, fr(0, 1), "0/0"},
        BinaryCase{"1/0 + 5", fr(1, 0), FractionOp::Add, fr(5, 1), "1/0"},
        BinaryCase{"1/0 % 5", fr(1, 0), FractionOp::Remainder, fr(5, 1), "1/0"},
        BinaryCase{"3/4 % 1/0", fr(3, 4), FractionOp::Remainder, fr(1, 0), "1/0"},
        // An infinite right operand decides the sign of a sum.
        BinaryCase{"1/2 - 1/0", fr(1, 2), FractionOp::Subtract, fr(1, 0), "-1/0"},
        BinaryCase{"1/2 + -1/0", fr(1, 2), FractionOp::Add, fr(-1, 0), "-1/0"},
        BinaryCase{"-1/2 + 1/0", fr(-1, 2), FractionOp::Add, fr(1, 0), "1/0"},
        BinaryCase{"1/0 - 1/0", fr(1, 0), FractionOp::Subtract, fr(1, 0), "0/0"},
        BinaryCase{"1/0 + 1/0", fr(1, 0), FractionOp::Add, fr(1, 0), "1/0"},
        BinaryCase{"0/0 + 1", fr(0, 0), FractionOp::Add, fr(1, 1), "0/0"},
        // Zero results are positive zero.
        BinaryCase{"-1/2 + 1/2", fr(-1, 2), FractionOp::Add, fr(1, 2), "0/1"},
        BinaryCase{"-1/2 * 0", fr(-1, 2), FractionOp::Multiply, fr(0, 1), "0/1"},
        BinaryCase{"-1/2 % 1/2", fr(-1, 2), FractionOp::Remainder, fr(1, 2), "0/1"}));

struct RealCase {
    const char* trace;
    Fraction a;
    FractionOp op;
    double x;
    const char* expected;
};

void PrintTo(const RealCase& c, std::ostream* os) {
    *os << c.trace;
}

class FractionWithReal : public testing::TestWithParam<RealCase> {};

TEST_P(FractionWithReal, GivesTheExpectedFraction) {
    const RealCase& c = GetParam();
    SCOPED_TRACE(c.trace);
    Fraction a = c.a;
    apply(a, c.op, c.x);
    EXPECT_EQ(text(a), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FractionWithReal,
    testing::Values(RealCase{"1/4 + 0.75", fr(1, 4), FractionOp::Add, 0.75, "1/1"},
                    RealCase{"1/3 + 2", fr(1, 3), FractionOp::Add, 2, "7/3"},
                    RealCase{"1/3 + -2", fr(1, 3), FractionOp::Add, -2, "-5/3"},
                    RealCase{"1/3 - 1", fr(1, 3), FractionOp::Subtract, 1, "-2/3"},
                    RealCase{"-1/3 - -1", fr(-1, 3), FractionOp::Subtract, -1, "2/3"},
                    RealCase{"1/3 - 0.5", fr(1, 3), FractionOp::Subtract, 0.5, "-1/6"},
                    RealCase{"2/3 * 1.5", fr(2, 3), FractionOp::Multiply, 1.5, "1/1"},
                    RealCase{"2/3 / -2", fr(2, 3), FractionOp::Divide, -2, "-1/3"},
                    RealCase{"7/2 % 1", fr(7, 2), FractionOp::Remainder, 1, "1/2"},
                    RealCase{"1/0 + 5", fr(1, 0), FractionOp::Add, 5, "1/0"},
                    RealCase{"1/2 - inf", fr(1, 2), FractionOp::Subtract, INFINITY, "-1/0"},
                    RealCase{"3 + 4294967295", fr(3, 1), FractionOp::Add, 4294967295.0, "1/0"},
                    RealCase{"1/2 + 1e10", fr(1, 2), FractionOp::Add, 1e10, "1/0"}));

// The integral shortcut of addition and subtraction must agree with the general path.
TEST(FractionWithRealShortcut, AgreesWithAddingTheIntegerAsAFraction) {
    const std::array<Fraction, 5> lefts{fr(1, 3), fr(-7, 4), fr(0, 1), fr(4000000000u, 3),
                                        fr(-1, 4294967295u)};
    const std::array<double, 6> integers{0, 1, -1, 12, -65536, 4294967295.0};
    for (const Fraction& left : lefts) {
        for (const double x : integers) {
            SCOPED_TRACE(text(left) + " with " + std::to_string(x));
            Fraction shortcut = left;
            shortcut.add(x);
            Fraction general = left;
            general.add(Fraction::fromReal(x));
            EXPECT_EQ(text(shortcut), text(general));
            shortcut = left;
            shortcut.subtract(x);
            general = left;
            general.subtract(Fraction::fromReal(x));
            EXPECT_EQ(text(shortcut), text(general));
        }
    }
}

// Small parts keep every product within 32 bits, so the identities hold exactly.
constexpr std::array<std::int64_t, 9> kNumerators{1, 2, 3, 5, 7, 12, 100, 255, -9};
constexpr std::array<std::uint32_t, 7> kDenominators{1, 2, 3, 7, 12, 100, 255};

TEST(FractionIdentities, MultiplyingByTheDenominatorGivesTheNumerator) {
    for (std::int64_t n = -300; n <= 300; n += 7) {
        for (const std::uint32_t d : {1u, 2u, 3u, 10u, 97u, 4096u, 65535u}) {
            SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(d));
            Fraction f = Fraction::fromParts(static_cast<Extended>(std::llabs(n)), d);
            f.negative = n < 0;
            f.multiply(fr(d, 1));
            EXPECT_TRUE(f.equals(fr(n, 1)));
            EXPECT_EQ(text(f), text(fr(n, 1)));
        }
    }
}

TEST(FractionIdentities, DivisionUndoesMultiplicationAndSubtractionUndoesAddition) {
    for (const std::int64_t a : kNumerators) {
        for (const std::uint32_t b : kDenominators) {
            for (const std::int64_t c : kNumerators) {
                for (const std::uint32_t d : kDenominators) {
                    const Fraction x = Fraction::fromParts(std::llabs(a), b);
                    Fraction signedX = x;
                    signedX.negative = a < 0;
                    Fraction y = Fraction::fromParts(std::llabs(c), d);
                    y.negative = c < 0;
                    Fraction product = signedX;
                    product.multiply(y);
                    product.divide(y);
                    Fraction sum = signedX;
                    sum.add(y);
                    sum.subtract(y);
                    if (!product.equals(signedX) || !sum.equals(signedX)) {
                        ADD_FAILURE() << text(signedX) << " with " << text(y) << ": "
                                      << text(product) << ", " << text(sum);
                    }
                }
            }
        }
    }
}

TEST(FractionIdentities, ValueMatchesTheQuotient) {
    EXPECT_EQ(fr(-3, 4).value(), -0.75L);
    EXPECT_EQ(fr(1, 0).value(), std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(fr(-1, 0).value(), -std::numeric_limits<Extended>::infinity());
    EXPECT_TRUE(std::isnan(fr(0, 0).value()));
}

TEST(FractionComparison, ComparesSignsAndCrossProducts) {
    EXPECT_TRUE(fr(1, 2).equals(fr(2, 4)));  // unreduced parts compare by value
    EXPECT_FALSE(fr(1, 2).equals(fr(-1, 2)));
    EXPECT_TRUE(Fraction({1, 0, 1}).equals(fr(0, 5)));  // a zero numerator counts as positive
    EXPECT_FALSE(fr(1, 3).equals(fr(333333333, 1000000000)));
    EXPECT_TRUE(fr(4294967295u, 4294967294u).equals(fr(4294967295u, 4294967294u)));
    EXPECT_FALSE(fr(4294967295u, 4294967294u).equals(fr(4294967294u, 4294967293u)));
}

}  // namespace
}  // namespace zentrel
