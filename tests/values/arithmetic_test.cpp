#include "engine/values/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/values/mode_fixture.h"
#include "tests/values/test_numbers.h"

namespace zentrel {
namespace {

using test::kInf;

void expectSameNumber(const Number& actual, const Number& expected) {
    ASSERT_EQ(actual.isFraction, expected.isFraction);
    if (expected.isFraction) {
        EXPECT_EQ(actual.fraction.negative, expected.fraction.negative);
        EXPECT_EQ(actual.fraction.numerator, expected.fraction.numerator);
        EXPECT_EQ(actual.fraction.denominator, expected.fraction.denominator);
        return;
    }
    for (auto [a, e] : {std::pair{actual.complex.re, expected.complex.re},
                        std::pair{actual.complex.im, expected.complex.im}}) {
        if (std::isnan(e)) {
            EXPECT_TRUE(std::isnan(a)) << a;
        } else if (std::isinf(e)) {
            EXPECT_EQ(a, e);
        } else {
            EXPECT_DOUBLE_EQ(a, e);
        }
    }
}

struct ScalarCase {
    const char* text;
    NumberMode mode;
    Number left;
    ArithmeticOp op;
    Number right;
    Number expected;  // after normalisation to the mode, as the operators apply it
};

using ScalarArithmetic = ModeFixture;
using Op = ArithmeticOp;
using M = NumberMode;

TEST_F(ScalarArithmetic, EveryRepresentationPairInEveryFamily) {
    const std::vector<ScalarCase> cases = {
        // real
        {"7 % 3", M::GFloat, real(7), Op::Remainder, real(3), real(1)},
        {"7.5 % 2", M::GFloat, real(7.5), Op::Remainder, real(2), real(1.5)},
        {"-7 % 3 keeps the dividend's sign", M::GFloat, real(-7), Op::Remainder, real(3), real(-1)},
        {"1 / 0", M::GFloat, real(1), Op::Divide, real(0), real(kInf)},
        {"2+5i in a real mode loses im", M::GFloat, complex(2, 5), Op::Add, real(1), real(3)},
        {"fraction target follows a real mode", M::GFloat, fraction(false, 1, 2), Op::Add, real(1),
         real(1.5)},
        {"1 + 1/3 reads the fraction's value", M::GFloat, real(1), Op::Add, fraction(false, 1, 3),
         real(4.0 / 3.0)},
        // complex / complex
        {"(5+3i) % (2+0i)", M::Complex, complex(5, 3), Op::Remainder, complex(2, 0), complex(1, 1)},
        {"(5+3i) % (2+1i)", M::Complex, complex(5, 3), Op::Remainder, complex(2, 1), complex(1, 1)},
        {"(-5-3i) % (2+1i) truncates the quotient", M::Complex, complex(-5, -3), Op::Remainder,
         complex(2, 1), complex(-1, -1)},
        {"(1+2i) * (3+4i)", M::Complex, complex(1, 2), Op::Multiply, complex(3, 4),
         complex(-5, 10)},
        {"(1+2i) / (3+4i)", M::Complex, complex(1, 2), Op::Divide, complex(3, 4),
         complex(0.44, 0.08)},
        {"(1+2i) / (4+3i)", M::Complex, complex(1, 2), Op::Divide, complex(4, 3),
         complex(0.4, 0.2)},
        {"(1+1i) / 2 divides each part", M::Complex, complex(1, 1), Op::Divide, complex(2, 0),
         complex(0.5, 0.5)},
        {"(inf+1i) * 2 keeps im finite", M::Complex, complex(kInf, 1), Op::Multiply, complex(2, 0),
         complex(kInf, 2)},
        {"(1+1i) - (1+1i)", M::Complex, complex(1, 1), Op::Subtract, complex(1, 1), complex(0, 0)},
        // complex / fraction
        {"(1+2i) + 1/2", M::Complex, complex(1, 2), Op::Add, fraction(false, 1, 2),
         complex(1.5, 2)},
        {"(3+6i) / 3/2", M::Complex, complex(3, 6), Op::Divide, fraction(false, 3, 2),
         complex(2, 4)},
        {"(2+2i) * -1/2", M::Complex, complex(2, 2), Op::Multiply, fraction(true, 1, 2),
         complex(-1, -1)},
        {"(5+3i) % 2/1", M::Complex, complex(5, 3), Op::Remainder, fraction(false, 2, 1),
         complex(1, 1)},
        // fraction / fraction and fraction / complex
        {"1/3 + 1/6", M::Fract, fraction(false, 1, 3), Op::Add, fraction(false, 1, 6),
         fraction(false, 1, 2)},
        {"1/2 - 3/4", M::Fract, fraction(false, 1, 2), Op::Subtract, fraction(false, 3, 4),
         fraction(true, 1, 4)},
        {"2/3 * 3/4", M::Fract, fraction(false, 2, 3), Op::Multiply, fraction(false, 3, 4),
         fraction(false, 1, 2)},
        {"1/2 / 1/4", M::MFract, fraction(false, 1, 2), Op::Divide, fraction(false, 1, 4),
         fraction(false, 2, 1)},
        {"7/2 % 1", M::Fract, fraction(false, 7, 2), Op::Remainder, fraction(false, 1, 1),
         fraction(false, 1, 2)},
        {"-7/2 % 2 keeps the left sign", M::Fract, fraction(true, 7, 2), Op::Remainder,
         fraction(false, 2, 1), fraction(true, 3, 2)},
        {"0.75 + 1/4 converts the target", M::Fract, real(0.75), Op::Add, fraction(false, 1, 4),
         fraction(false, 1, 1)},
        {"1/2 + (0.25+5i) ignores im", M::Fract, fraction(false, 1, 2), Op::Add, complex(0.25, 5),
         fraction(false, 3, 4)},
        {"1 / 0", M::Fract, real(1), Op::Divide, fraction(false, 0, 1), fraction(false, 1, 0)},
        {"1/0 + 5 stays infinite", M::Fract, fraction(false, 1, 0), Op::Add, real(5),
         fraction(false, 1, 0)},
        {"65536 * 65536 clamps", M::Fract, real(65536), Op::Multiply, real(65536),
         fraction(false, 1, 0)},
        {"1/4294967295 * 1/2 clamps to 0", M::Fract, fraction(false, 1, 4294967295u), Op::Multiply,
         fraction(false, 1, 2), fraction(false, 0, 1)},
        // integer: the core computes in reals, the mode truncates and wraps afterwards
        {"7 / 2", M::Long, real(7), Op::Divide, real(2), real(3)},
        {"-7 / 2", M::Long, real(-7), Op::Divide, real(2), real(-3)},
        {"255 + 1", M::UChar, real(255), Op::Add, real(1), real(0)},
        {"127 + 1", M::Char, real(127), Op::Add, real(1), real(-128)},
    };
    for (const ScalarCase& c : cases) {
        SCOPED_TRACE(c.text);
        setMode(c.mode);
        Number target = c.left;
        applyScalarArithmetic(target, c.right, c.op, fr());
        normalizeToMode(target, c.mode);
        expectSameNumber(target, c.expected);
    }
}

TEST_F(ScalarArithmetic, DivisionByZeroIsDetectedInTheCurrentRepresentation) {
    struct Case {
        const char* text;
        NumberMode mode;
        Value divisor;
        bool zero;
    };
    const std::vector<Case> cases = {
        {"0", M::GFloat, Value(real(0)), true},
        {"-0.0", M::GFloat, Value(real(-0.0)), true},
        {"0/1 in a real mode", M::GFloat, Value(fraction(false, 0, 1)), true},
        {"0+1i", M::Complex, Value(complex(0, 1)), false},
        {"0+1i in a fraction mode drops im", M::Fract, Value(complex(0, 1)), true},
        {"1e-300", M::GFloat, Value(real(1e-300)), false},
        {"matrix with a zero first element", M::GFloat, matrix(1, 2, {0, 0}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        setMode(c.mode);
        Value divisor = c.divisor;
        EXPECT_EQ(isDivisionByZero(divisor, fr()), c.zero);
        EXPECT_EQ(divisor.first().isFraction, divisor.isScalar() && fr());
    }
}

TEST_F(ScalarArithmetic, DivisionByZeroIsReportedAndStillDivides) {
    for (NumberMode mode : {M::GFloat, M::Fract}) {
        SCOPED_TRACE(modeCode(mode));
        setMode(mode);
        Value acc(real(1));
        Value divisor(real(0));
        EXPECT_TRUE(isDivisionByZero(divisor, fr()));
        ASSERT_EQ(applyArithmetic(acc, divisor, Op::Divide, fr(), noStop()), kSuccess);
        normalizeToMode(acc, mode);
        EXPECT_EQ(acc.first().realValue(), std::numeric_limits<Extended>::infinity());
    }
}

// (a / b) * b and (a + b) - b give a back exactly for fractions small enough not to clamp.
TEST_F(ScalarArithmetic, FractionOperationsUndoEachOther) {
    setMode(NumberMode::Fract);
    auto make = [](int n, int d) {
        Fraction f = Fraction::fromParts(std::abs(n), d);
        f.negative = n < 0 && f.numerator != 0;
        return Number::fromFraction(f);
    };
    for (int an = -9; an <= 9; ++an) {
        for (int ad = 1; ad <= 9; ++ad) {
            for (int bn = -9; bn <= 9; ++bn) {
                if (bn == 0) continue;
                for (int bd = 1; bd <= 9; ++bd) {
                    const Number a = make(an, ad);
                    const Number b = make(bn, bd);
                    Number quotient = a;
                    applyScalarArithmetic(quotient, b, Op::Divide, fr());
                    applyScalarArithmetic(quotient, b, Op::Multiply, fr());
                    Number sum = a;
                    applyScalarArithmetic(sum, b, Op::Add, fr());
                    applyScalarArithmetic(sum, b, Op::Subtract, fr());
                    if (!quotient.fraction.equals(a.fraction) || !sum.fraction.equals(a.fraction)) {
                        FAIL() << an << "/" << ad << " with " << bn << "/" << bd;
                    }
                }
            }
        }
    }
}

TEST_F(ScalarArithmetic, ComplexDivisionUndoesMultiplication) {
    setMode(NumberMode::Complex);
    const std::vector<Complex> values = {{1, 2},         {-3.5, 0.25},      {0, 1},    {7, 0},
                                         {1e300, 1e300}, {1e-300, -1e-300}, {-2, -1e5}};
    for (const Complex x : values) {
        for (const Complex y : values) {
            SCOPED_TRACE(std::to_string(x.re) + "," + std::to_string(x.im) + " by " +
                         std::to_string(y.re) + "," + std::to_string(y.im));
            const double magnitude = std::hypot(x.re, x.im);
            if (std::abs(std::log10(magnitude) + std::log10(std::hypot(y.re, y.im))) > 300) {
                continue;  // the product itself would overflow or underflow
            }
            Number n = Number::fromComplex(x);
            applyScalarArithmetic(n, Number::fromComplex(y), Op::Multiply, fr());
            applyScalarArithmetic(n, Number::fromComplex(y), Op::Divide, fr());
            EXPECT_NEAR(n.complex.re, x.re, 1e-15 * magnitude);
            EXPECT_NEAR(n.complex.im, x.im, 1e-15 * magnitude);
        }
    }
}

using Increments = ModeFixture;

TEST_F(Increments, PrefixStepsFollowTheRepresentation) {
    struct Case {
        const char* text;
        NumberMode mode;
        Number start;
        bool increment;
        Number expected;
    };
    const std::vector<Case> cases = {
        {"++1/2", M::Fract, fraction(false, 1, 2), true, fraction(false, 3, 2)},
        {"++-1/2", M::Fract, fraction(true, 1, 2), true, fraction(false, 1, 2)},
        {"++-3/2", M::Fract, fraction(true, 3, 2), true, fraction(true, 1, 2)},
        {"++4294967295 overflows to 1/0", M::Fract, fraction(false, 4294967295u, 1), true,
         fraction(false, 1, 0)},
        {"++0.5 stored as a real", M::MFract, real(0.5), true, fraction(false, 3, 2)},
        {"--1/2", M::Fract, fraction(false, 1, 2), false, fraction(true, 1, 2)},
        {"++(1+2i)", M::Complex, complex(1, 2), true, complex(2, 2)},
        {"--(1+2i)", M::Complex, complex(1, 2), false, complex(0, 2)},
        {"++255 in :uchar is not wrapped", M::UChar, real(255), true, real(256)},
        {"--0 in :uchar is not wrapped", M::UChar, real(0), false, real(-1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        setMode(c.mode);
        Number n = c.start;
        if (c.increment) {
            prefixIncrement(n, fr());
        } else {
            prefixDecrement(n, fr());
        }
        expectSameNumber(n, c.expected);
    }
}

TEST_F(Increments, PostfixNormalisesTheStoredValueBeforeStepping) {
    setMode(NumberMode::UChar);
    Number n = real(256);  // left by a prefix increment of 255
    postfixIncrement(n, modes());
    expectSameNumber(n, real(1));
    n = real(0);
    postfixDecrement(n, modes());
    expectSameNumber(n, real(-1));

    setMode(NumberMode::GFloat);
    n = complex(1, 5);
    postfixIncrement(n, modes());
    expectSameNumber(n, real(2));

    setMode(NumberMode::Fract);
    n = real(0.5);
    postfixIncrement(n, modes());
    expectSameNumber(n, fraction(false, 3, 2));
}

}  // namespace
}  // namespace zentrel
