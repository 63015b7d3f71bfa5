#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/fraction_power.h"

namespace zentrel {
namespace {

double relativeError(Complex actual, Complex expected) {
    const double scale = std::max(1.0, std::abs(std::complex<double>(expected.re, expected.im)));
    return std::abs(std::complex<double>(actual.re - expected.re, actual.im - expected.im)) / scale;
}

// Square-and-multiply must agree with exp(n·ln z) for every integral exponent.
TEST(ComplexMath, IntegerPowerAgreesWithExpLog) {
    const Complex bases[] = {{1, 1}, {0.5, -2}, {-3, 0.25}, {0, 1}, {-1.5, -1.5}, {2, 0}};
    for (const Complex z : bases) {
        for (int n = -20; n <= 20; ++n) {
            SCOPED_TRACE(testing::Message() << z.re << "+" << z.im << "i ^ " << n);
            const Complex expected = exponential(scale(logarithm(z), n));
            EXPECT_LT(relativeError(integerPower(z, n), expected), 1e-12);
        }
    }
}

TEST(ComplexMath, IntegerPowerOfGaussianIntegersIsExact) {
    const Complex p = integerPower({1, 1}, 8);
    EXPECT_EQ(p.re, 16.0);
    EXPECT_EQ(p.im, 0.0);
    const Complex q = integerPower({0, 1}, 3);
    EXPECT_EQ(q.re, 0.0);
    EXPECT_EQ(q.im, -1.0);
    const Complex r = integerPower({2, 0}, -2);
    EXPECT_EQ(r.re, 0.25);
}

// The principal root squares back to its argument and never has a negative real part.
TEST(ComplexMath, SquareRootSquaresBack) {
    for (double a = -5; a <= 5; a += 0.75) {
        for (double b = -5; b <= 5; b += 0.625) {
            SCOPED_TRACE(testing::Message() << a << "+" << b << "i");
            const Complex root = squareRoot({a, b});
            EXPECT_GE(root.re, 0.0);
            EXPECT_LT(relativeError(multiply(root, root), {a, b}), 1e-14);
        }
    }
    const Complex zero = squareRoot({0, 0});
    EXPECT_EQ(zero.re, 0.0);
    EXPECT_EQ(zero.im, 0.0);
}

TEST(ComplexMath, ModulusSurvivesExtremeParts) {
    EXPECT_DOUBLE_EQ(modulus({3e300, 4e300}), 5e300);
    EXPECT_DOUBLE_EQ(modulus({3e-300, -4e-300}), 5e-300);
    EXPECT_EQ(modulus({0, 0}), 0.0);
    EXPECT_EQ(modulus({-7, 0}), 7.0);
}

TEST(ComplexMath, LogarithmOfANegativeRealTakesPlusPi) {
    EXPECT_DOUBLE_EQ(logarithm({-1, -0.0}).im, 3.141592653589793);
    EXPECT_DOUBLE_EQ(exponential(logarithm({-2, 3})).im, 3.0);
}

// Exact powers must equal repeated multiplication while nothing is clamped.
TEST(FractionPower, MatchesRepeatedMultiplication) {
    const Fraction bases[] = {{0, 2, 3}, {1, 5, 7}, {0, 1, 1}, {1, 1, 2}, {0, 0, 1}};
    for (const Fraction& base : bases) {
        Fraction product{0, 1, 1};
        for (int n = 0; n <= 9; ++n) {
            SCOPED_TRACE(testing::Message() << (base.negative ? "-" : "") << base.numerator << "/"
                                            << base.denominator << " ^ " << n);
            const Fraction power = fractionPower(base, n);
            EXPECT_TRUE(power.equals(product));
            EXPECT_EQ(power.numerator, product.numerator);
            if (product.numerator != 0) {
                const Fraction inverse = fractionPower(base, -n);
                EXPECT_EQ(inverse.numerator, product.denominator);
                EXPECT_EQ(inverse.denominator, product.numerator);
                EXPECT_EQ(inverse.negative, product.negative);
            }
            product.multiply(base);
        }
    }
}

// The loop runs over the exponent's bits, not its value.
TEST(FractionPower, HugeExponentsEndQuickly) {
    const Fraction p = fractionPower({0, 4294967295u, 4294967294u}, 4000000000LL);
    EXPECT_GE(p.value(), 1.0L);
    const Fraction zero = fractionPower({0, 0, 1}, -3);
    EXPECT_EQ(zero.denominator, 0u);
    EXPECT_EQ(zero.numerator, 1u);
    const Fraction sign = fractionPower({1, 2, 1}, -3);
    EXPECT_TRUE(sign.equals({1, 1, 8}));
}

}  // namespace
}  // namespace zentrel
