#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "engine/values/number_text.h"
#include "engine/values/value.h"
#include "tests/values/mode_setup.h"
#include "tests/values/test_numbers.h"

namespace zentrel {
namespace {

using test::kC;
using test::kFr;
using test::kG;
using test::kInf;
using test::kNaN;
using test::real;

Number cx(double re, double im) {
    return Number::fromComplex({re, im});
}
Number frac(bool negative, std::uint32_t n, std::uint32_t d) {
    return Number::fromFraction({static_cast<std::uint8_t>(negative ? 1 : 0), n, d});
}

struct FormatCase {
    NumberMode mode;
    Number number;
    std::string expected;
    std::int32_t precision = 6;
    std::int32_t radix = 10;
};

// Readable, distinct case names for the test listing.
std::string describe(NumberMode mode, std::int32_t precision, const Number& n) {
    const std::string number =
        n.isFraction
            ? (n.fraction.negative ? "-" : "") + std::to_string(n.fraction.numerator) + "/" +
                  std::to_string(n.fraction.denominator)
            : testing::PrintToString(n.complex.re) + "," + testing::PrintToString(n.complex.im);
    return "mode " + std::to_string(modeCode(mode)) + " precision " + std::to_string(precision) +
           " number " + number;
}

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << describe(c.mode, c.precision, c.number) << " radix " << c.radix;
}

class TextForm : public testing::TestWithParam<FormatCase> {};

TEST_P(TextForm, PrintsInTheStyleOfTheMode) {
    const FormatCase& c = GetParam();
    SCOPED_TRACE(c.expected);
    const ModeSetup setup(c.mode, c.radix, c.precision);
    EXPECT_EQ(formatNumber(setup.view(), c.number), c.expected);
}

constexpr NumberMode kE = NumberMode::EFloat;
constexpr NumberMode kF = NumberMode::Float;
constexpr NumberMode kMf = NumberMode::MFract;

INSTANTIATE_TEST_SUITE_P(
    RealFamily, TextForm,
    testing::Values(
        FormatCase{kG, real(1.0 / 3), "0.333333"},
        FormatCase{kG, real(1.0 / 3), "0.3333333333333333", 0}, FormatCase{kG, real(0.1), "0.1", 0},
        FormatCase{kG, real(1e10), "1e+10"}, FormatCase{kG, real(-2.5), "-2.5"},
        FormatCase{kF, real(2.5), "2.5", 0}, FormatCase{kF, real(0.125), "0.125", 0},
        FormatCase{kF, real(3), "3", 0}, FormatCase{kF, real(3.14159), "3.14", 2},
        FormatCase{kF, real(1.5), "1.500000", -3}, FormatCase{kE, real(1234.5), "1.2345e+03", 0},
        FormatCase{kE, real(0.00123), "1.23e-03", 0}, FormatCase{kE, real(1200), "1.200e+03", 0},
        FormatCase{kE, real(0), "0e+00", 0}, FormatCase{kE, real(-0.5), "-5e-01", 0},
        FormatCase{kE, real(1.5), "1.50e+00", 2},
        // The imaginary part is never shown; a fraction shows its value.
        FormatCase{kG, cx(1, 2), "1"}, FormatCase{kG, frac(true, 3, 4), "-0.75"},
        FormatCase{kG, real(kInf), "inf"}, FormatCase{kG, real(-kInf), "-inf"},
        FormatCase{kG, real(kNaN), "nan"}, FormatCase{kE, real(kInf), "inf", 0},
        FormatCase{kF, real(kNaN), "nan", 0}));

INSTANTIATE_TEST_SUITE_P(
    ComplexFamily, TextForm,
    testing::Values(FormatCase{kC, cx(1, 2), "1.00+2.00i", 2},
                    FormatCase{kC, cx(1, -2), "1.00-2.00i", 2},
                    FormatCase{kC, cx(0, 2), "2.00i", 2}, FormatCase{kC, cx(3, 0), "3.00", 2},
                    FormatCase{NumberMode::GComplex, cx(0, -1), "-1i"},
                    FormatCase{NumberMode::GComplex, cx(0, 0), "0"},
                    FormatCase{NumberMode::EComplex, cx(1, 2), "1.00e+00+2.00e+00i", 2},
                    // Automatic precision is worked out for each part.
                    FormatCase{kC, cx(2.5, 0.125), "2.5+0.125i", 0},
                    FormatCase{kC, frac(true, 3, 4), "-0.75", 2},
                    // Parts never run together, not even with NaN.
                    FormatCase{kC, cx(1, kNaN), "1.00+nani", 2},
                    FormatCase{kC, cx(kNaN, 1), "nan+1.00i", 2}));

INSTANTIATE_TEST_SUITE_P(
    FractionFamily, TextForm,
    testing::Values(
        FormatCase{kFr, frac(false, 3, 4), "3_4"}, FormatCase{kFr, frac(true, 3, 4), "-3_4"},
        FormatCase{kFr, frac(false, 2, 1), "2"}, FormatCase{kFr, frac(false, 7, 4), "7_4"},
        FormatCase{kFr, frac(false, 0, 1), "0"}, FormatCase{kFr, frac(false, 1, 0), "inf"},
        FormatCase{kFr, frac(true, 1, 0), "-inf"}, FormatCase{kFr, frac(false, 0, 0), "nan"},
        // A number still held as a complex is shown through the conversion, or
        // through its own value when that conversion gives an infinite fraction.
        FormatCase{kFr, real(0.75), "3_4"}, FormatCase{kFr, real(1e10), "1e+10"},
        FormatCase{kMf, frac(false, 7, 4), "1_3_4"}, FormatCase{kMf, frac(true, 7, 4), "-1_3_4"},
        FormatCase{kMf, frac(false, 3, 4), "3_4"}, FormatCase{kMf, frac(false, 8, 4), "2"},
        FormatCase{kMf, frac(true, 2, 1), "-2"}, FormatCase{kMf, frac(false, 1, 0), "inf"},
        FormatCase{kMf, real(-1.25), "-1_1_4"}));

INSTANTIATE_TEST_SUITE_P(
    IntegerFamily, TextForm,
    testing::Values(FormatCase{NumberMode::UChar, real(255), "FF", 6, 16},
                    FormatCase{NumberMode::Long, real(-5), "-101", 6, 2},
                    FormatCase{NumberMode::ULong, real(-1), "FFFFFFFF", 6, 16},
                    FormatCase{NumberMode::Char, real(200), "-56"},
                    FormatCase{NumberMode::Char, real(-1), "-1", 6, 16},
                    FormatCase{NumberMode::UChar, real(256), "0"},
                    FormatCase{NumberMode::UShort, real(65537), "1"},
                    FormatCase{NumberMode::Short, real(-32769), "32767"},
                    FormatCase{NumberMode::Long, real(-2147483648.0), "-2147483648"},
                    FormatCase{NumberMode::Long, real(2147483648.0), "-2147483648"},
                    FormatCase{NumberMode::ULong, real(1295), "ZZ", 6, 36},
                    FormatCase{NumberMode::Long, real(3.7), "3"},
                    FormatCase{NumberMode::Long, real(-3.7), "-3"},
                    FormatCase{NumberMode::Long, real(1e30), "0"},
                    FormatCase{NumberMode::Long, real(kNaN), "0"},
                    FormatCase{NumberMode::Long, frac(false, 7, 2), "3"},
                    FormatCase{NumberMode::ULong, real(5), "5", 6,
                               1}));  // radix rule: 1 reads as 10

struct SplitCase {
    NumberMode mode;
    Number number;
    std::string realText;
    std::string imagText;
    std::int32_t precision = 6;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << describe(c.mode, c.precision, c.number);
}

class DisplayForm : public testing::TestWithParam<SplitCase> {};

TEST_P(DisplayForm, SplitsRealAndImaginaryTexts) {
    const SplitCase& c = GetParam();
    SCOPED_TRACE(c.realText + " | " + c.imagText);
    const ModeSetup setup(c.mode, 16, c.precision);
    const SplitNumberText text = formatNumberSplit(setup.view(), c.number);
    EXPECT_EQ(text.realText, c.realText);
    EXPECT_EQ(text.imagText, c.imagText);
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayForm,
                         testing::Values(SplitCase{kC, cx(1, 2), "1.00", "+2.00i", 2},
                                         SplitCase{kC, cx(1, -2), "1.00", "-2.00i", 2},
                                         SplitCase{kC, cx(0, 2), "", "2.00i", 2},
                                         SplitCase{kC, cx(3, 0), "3.00", "", 2},
                                         SplitCase{kG, cx(1, 2), "1", ""},
                                         SplitCase{kMf, frac(false, 7, 4),
                                                   "1\xE3\x80\x8D"
                                                   "3\xE3\x80\x8D"
                                                   "4",
                                                   ""},
                                         SplitCase{kFr, frac(true, 3, 4),
                                                   "-3\xE3\x80\x8D"
                                                   "4",
                                                   ""},
                                         SplitCase{kFr, frac(false, 2, 1), "2", ""},
                                         SplitCase{kFr, frac(false, 1, 0), "inf", ""},
                                         SplitCase{NumberMode::UChar, real(255), "FF", ""}));

TEST(IntegerText, UnsignedAndSignedInEveryRadix) {
    EXPECT_EQ(formatUnsigned(0, 10), "0");
    EXPECT_EQ(formatUnsigned(UINT32_MAX, 2), std::string(32, '1'));
    EXPECT_EQ(formatUnsigned(UINT32_MAX, 16), "FFFFFFFF");
    EXPECT_EQ(formatUnsigned(UINT32_MAX, 36), "1Z141Z3");
    EXPECT_EQ(formatUnsigned(35, 36), "Z");
    EXPECT_EQ(formatUnsigned(255, 0), "255");  // a radix below 2 reads as 10
    EXPECT_EQ(formatUnsigned(35, 99), "Z");    // above 36 as 36
    EXPECT_EQ(formatSigned(INT32_MIN, 10), "-2147483648");
    EXPECT_EQ(formatSigned(INT32_MIN, 16), "-80000000");
    EXPECT_EQ(formatSigned(INT32_MAX, 10), "2147483647");
    EXPECT_EQ(formatSigned(-1, 2), "-1");
    EXPECT_EQ(formatSigned(0, 2), "0");
}

TEST(AutomaticPrecision, DecimalsAndExponentDigits) {
    const struct {
        double x;
        int decimals;
        int exponentDigits;
    } cases[] = {
        {2.5, 1, 1},       {0.125, 3, 2},   {3, 0, 0},     {0.1, 1, 0},  {-0.75, 2, 1},
        {1234.5, 1, 4},    {0.00123, 5, 2}, {1200, 0, 3},  {0, 0, 0},    {1e22, 0, 22},
        {1.0 / 3, 16, 15}, {kInf, 0, 0},    {-kInf, 0, 0}, {kNaN, 0, 0}, {-1234.5, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(autoDecimals(c.x), c.decimals);
        EXPECT_EQ(autoExponentDigits(c.x), c.exponentDigits);
    }
    // The smallest values end their loops once 10^i overflows.
    EXPECT_LE(autoDecimals(5e-324), 400);
    EXPECT_LE(autoExponentDigits(5e-324), 400);
    EXPECT_LE(autoDecimals(-2.2250738585072014e-308), 400);
}

TEST(LargePrecision, IsPrintedInFull) {
    const ModeSetup fixed(kF, 10, 100000);
    const std::string third = formatNumber(fixed.view(), real(1.0 / 3));
    EXPECT_EQ(third.size(), 100002u);
    EXPECT_EQ(third.substr(0, 20), "0.333333333333333314");
    EXPECT_EQ(third.back(), '0');
    EXPECT_EQ(formatNumber(fixed.view(), real(1e308)).size(), 309u + 1 + 100000);
    EXPECT_EQ(formatNumber(fixed.view(), real(-1e308)).size(), 1 + 309u + 1 + 100000);

    const ModeSetup exponent(kE, 10, 100000);
    const std::string big = formatNumber(exponent.view(), real(-1e300));
    EXPECT_EQ(big.size(), 1 + 2 + 100000 + 5u);
    EXPECT_EQ(big.substr(big.size() - 5), "e+300");

    const ModeSetup general(kG, 10, 100000);
    EXPECT_EQ(formatNumber(general.view(), real(1.0 / 3)),
              "0.333333333333333314829616256247390992939472198486328125");

    const ModeSetup complex(kC, 10, 100000);
    const SplitNumberText parts = formatNumberSplit(complex.view(), cx(1, -1));
    EXPECT_EQ(parts.realText.size(), 100002u);
    EXPECT_EQ(parts.imagText.size(), 100004u);
}

TEST(LargePrecision, BeyondEveryDigitOfABinary64IsCapped) {
    // Past 1074 decimals every digit is 0; the text is still bounded.
    const ModeSetup fixed(kF, 10, INT32_MAX);
    const std::string half = formatNumber(fixed.view(), real(0.5));
    EXPECT_EQ(half.substr(0, 4), "0.50");
    EXPECT_LE(half.size(), 1000002u);
    EXPECT_EQ(half.find_first_not_of('0', 3), std::string::npos);
}

// Printing a number and reading the text back in the same mode gives the number.
TEST(RoundTrip, FractionsReadBackExactly) {
    for (const NumberMode mode : {kFr, kMf}) {
        const ModeSetup setup(mode);
        for (const std::uint32_t n : {0u, 1u, 3u, 7u, 22u, 355u, 65536u, 4294967295u}) {
            for (const std::uint32_t d : {1u, 2u, 7u, 113u, 4294967291u}) {
                for (const bool negative : {false, true}) {
                    Fraction f = Fraction::fromParts(n, d);
                    f.negative = negative && f.numerator != 0;
                    const std::string text = formatNumber(setup.view(), Number::fromFraction(f));
                    SCOPED_TRACE(text);
                    Number back;
                    ASSERT_TRUE(parseLiteral(setup.view(), text, back));
                    ASSERT_TRUE(back.isFraction);
                    EXPECT_EQ(back.fraction.negative, f.negative);
                    EXPECT_EQ(back.fraction.numerator, f.numerator);
                    EXPECT_EQ(back.fraction.denominator, f.denominator);
                }
            }
        }
    }
}

TEST(RoundTrip, IntegersReadBackInEveryRadix) {
    constexpr std::array<NumberMode, 6> kModes{NumberMode::Char,  NumberMode::UChar,
                                               NumberMode::Short, NumberMode::UShort,
                                               NumberMode::Long,  NumberMode::ULong};
    for (const NumberMode mode : kModes) {
        for (std::int32_t radix = 2; radix <= 36; ++radix) {
            const ModeSetup setup(mode, radix);
            for (const double x :
                 {0.0, 1.0, -1.0, 127.0, -128.0, 255.0, 40000.0, -2147483648.0, 4294967295.0}) {
                Number expected = real(x);
                normalizeToMode(expected, mode);
                const std::string text = formatNumber(setup.view(), expected);
                SCOPED_TRACE(text + " in radix " + std::to_string(radix));
                Number back;
                ASSERT_TRUE(parseLiteral(setup.view(), text, back));
                normalizeToMode(back, mode);
                EXPECT_EQ(back.complex.re, expected.complex.re);
            }
        }
    }
}

TEST(RoundTrip, ComplexNumbersWithFewDigitsReadBack) {
    const ModeSetup setup(NumberMode::GComplex, 10, 0);
    for (const double re : {0.0, 1.5, -0.1, 3.14159, 1e100, -123456789012345.0}) {
        for (const double im : {0.0, 1.0, -2.25, 1e-7, -6.02e23}) {
            const std::string text = formatNumber(setup.view(), cx(re, im));
            SCOPED_TRACE(text);
            Number back;
            ASSERT_TRUE(parseLiteral(setup.view(), text, back));
            EXPECT_EQ(back.complex.re, re);
            EXPECT_EQ(back.complex.im, im);
        }
    }
}

}  // namespace
}  // namespace zentrel
