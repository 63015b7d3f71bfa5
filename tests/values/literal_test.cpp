#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/values/number_text.h"
#include "tests/values/mode_setup.h"
#include "tests/values/test_numbers.h"

namespace zentrel {
namespace {

using test::kC;
using test::kFr;
using test::kG;
using test::kInf;

using namespace std::string_view_literals;

constexpr double kPi = std::numbers::pi;
constexpr AngleUnit kRad = AngleUnit::Radian;
constexpr AngleUnit kDeg = AngleUnit::Degree;
constexpr AngleUnit kGrad = AngleUnit::Grad;

std::optional<Number> parse(const ModeSetup& setup, std::string_view text) {
    Number n;
    if (!parseLiteral(setup.view(), text, n)) return std::nullopt;
    return n;
}

struct ComplexCase {
    NumberMode mode;
    std::string_view text;
    double re;
    double im = 0.0;
    std::int32_t radix = 10;
    AngleUnit angleUnit = kRad;
};

// Readable, distinct case names for the test listing.
std::string describe(NumberMode mode, std::string_view text) {
    return "mode " + std::to_string(modeCode(mode)) + " " +
           testing::PrintToString(std::string(text));
}

void PrintTo(const ComplexCase& c, std::ostream* os) {
    *os << describe(c.mode, c.text) << " radix " << c.radix << " angle "
        << static_cast<int>(c.angleUnit);
}

class ComplexLiterals : public testing::TestWithParam<ComplexCase> {};

TEST_P(ComplexLiterals, ReadAsTheExpectedNumber) {
    const ComplexCase& c = GetParam();
    SCOPED_TRACE(std::string(c.text));
    const ModeSetup setup(c.mode, c.radix, 6, c.angleUnit);
    const std::optional<Number> n = parse(setup, c.text);
    ASSERT_TRUE(n.has_value());
    ASSERT_FALSE(n->isFraction);
    EXPECT_DOUBLE_EQ(n->complex.re, c.re);
    EXPECT_DOUBLE_EQ(n->complex.im, c.im);
}

INSTANTIATE_TEST_SUITE_P(
    SignsAndDecimals, ComplexLiterals,
    testing::Values(ComplexCase{kG, "3.14159", 3.14159}, ComplexCase{kG, "-42", -42},
                    ComplexCase{kG, "\\-5", -5}, ComplexCase{kG, "\\+5", 5},
                    ComplexCase{kG, "+7", 7}, ComplexCase{kG, "1.5e+3", 1500},
                    ComplexCase{kG, "2E-2", 0.02}, ComplexCase{kG, ".5", 0.5},
                    ComplexCase{kG, "5.", 5}, ComplexCase{NumberMode::EFloat, "1e300", 1e300},
                    ComplexCase{kG, "1e999", kInf}, ComplexCase{kG, "-1e999", -kInf},
                    ComplexCase{kG, "1e-999", 0}));

INSTANTIATE_TEST_SUITE_P(EscapeNumbers, ComplexLiterals,
                         testing::Values(ComplexCase{kG, "\\x1F", 31},
                                         ComplexCase{kG, "\\xff", 255},
                                         ComplexCase{kG, "\\0777", 511}, ComplexCase{kG, "\\0", 0},
                                         ComplexCase{kG, "\\b101", 5}, ComplexCase{kG, "\\12", 12},
                                         ComplexCase{kG, "\\9", 9}, ComplexCase{kG, "-\\x10", -16},
                                         ComplexCase{kG, "\\-\\x10", -16},
                                         ComplexCase{kG, "\\xFFFFFFFFFFFF", 4294967295.0},
                                         ComplexCase{kC, "\\x10", 16},
                                         ComplexCase{NumberMode::Short, "\\x1F", 31, 0, 16}));

INSTANTIATE_TEST_SUITE_P(
    CharacterConstants, ComplexLiterals,
    testing::Values(ComplexCase{kG, "'A", 65}, ComplexCase{kG, "'\\n", 10},
                    ComplexCase{kG, "'AB", 16706}, ComplexCase{kG, "'", 0},
                    ComplexCase{kG, "'ABCDE",
                                0x41424344},  // characters after the fourth are ignored
                    ComplexCase{kG, "'A\\", 65}, ComplexCase{kG, "'\\", 0},
                    ComplexCase{kG, "'\\q", 'q'}, ComplexCase{kG, "'\\0", 0},
                    ComplexCase{kG, "'\\e\\a", 27 * 256 + 7}, ComplexCase{kG, "-'A", -65},
                    ComplexCase{kG, "''", '\''},
                    // Bytes above 127 are negative codes; the running value wraps to 32 bits.
                    ComplexCase{kG, "'\xE9", -23}, ComplexCase{kG, "'\xE9\x41", 4294961473.0},
                    ComplexCase{kG, "'\0"sv, 0}, ComplexCase{kC, "'A", 65},
                    ComplexCase{NumberMode::UChar, "'A", 65}));

INSTANTIATE_TEST_SUITE_P(AngleSuffixes, ComplexLiterals,
                         testing::Values(ComplexCase{kG, "180d", kPi, 0, 10, kRad},
                                         ComplexCase{kG, "3.14159265358979r",
                                                     180 * 3.14159265358979 / kPi, 0, 10, kDeg},
                                         ComplexCase{kG, "200g", 180, 0, 10, kDeg},
                                         ComplexCase{kG, "90d", 100, 0, 10, kGrad},
                                         ComplexCase{kG, "200g", kPi, 0, 10, kRad},
                                         ComplexCase{kG, "45d", 45, 0, 10, kDeg},
                                         ComplexCase{kG, "-90d", -kPi / 2, 0, 10, kRad},
                                         ComplexCase{kC, "180d", kPi, 0, 10, kRad}));

INSTANTIATE_TEST_SUITE_P(
    ComplexForms, ComplexLiterals,
    testing::Values(ComplexCase{kC, "3+4i", 3, 4}, ComplexCase{kC, "3-4i", 3, -4},
                    ComplexCase{kC, "3\\+4i", 3, 4}, ComplexCase{kC, "3\\-4i", 3, -4},
                    // The leading sign belongs to the real part alone.
                    ComplexCase{kC, "-3+4i", -3, 4}, ComplexCase{kC, "\\-3-4i", -3, -4},
                    ComplexCase{kC, "-i", 0, -1}, ComplexCase{kC, "i", 0, 1},
                    ComplexCase{kC, "2i", 0, 2}, ComplexCase{kC, "-2.5i", 0, -2.5},
                    ComplexCase{kC, "3+i", 3, 1}, ComplexCase{kC, "3-i", 3, -1},
                    ComplexCase{kC, "1e2+1e-1i", 100, 0.1}, ComplexCase{kC, "3", 3},
                    ComplexCase{kC, "1+infi", 1, kInf}, ComplexCase{kC, "-inf", -kInf},
                    ComplexCase{NumberMode::GComplex, "-0.5", -0.5}));

// The spellings numbers print with read back as the same numbers.
INSTANTIATE_TEST_SUITE_P(Infinities, ComplexLiterals,
                         testing::Values(ComplexCase{kG, "inf", kInf},
                                         ComplexCase{kG, "-inf", -kInf},
                                         ComplexCase{kG, "INF", kInf},
                                         ComplexCase{kG, "infinity", kInf},
                                         ComplexCase{kG, "\\-Infinity", -kInf}));

INSTANTIATE_TEST_SUITE_P(
    IntegerRadix, ComplexLiterals,
    testing::Values(ComplexCase{NumberMode::Short, "ff", 255, 0, 16},
                    ComplexCase{NumberMode::Short, "FF", 255, 0, 16},
                    ComplexCase{NumberMode::Short, "-ff", -255, 0, 16},
                    ComplexCase{NumberMode::ULong, "ffffffffff", 4294967295.0, 0, 16},
                    ComplexCase{NumberMode::Long, "101", 5, 0, 2},
                    ComplexCase{NumberMode::ULong, "zZ", 1295, 0, 36},
                    // Normalisation to the width happens when the constant is used.
                    ComplexCase{NumberMode::Long, "2147483648", 2147483648.0},
                    ComplexCase{NumberMode::Char, "0377", 377}));

// Radix 16 takes strtoul's optional 0x or 0X; in radices 34 to 36 the x is a digit.
INSTANTIATE_TEST_SUITE_P(HexPrefix, ComplexLiterals,
                         testing::Values(ComplexCase{NumberMode::Long, "0x1f", 31, 0, 16},
                                         ComplexCase{NumberMode::ULong, "0XFF", 255, 0, 16},
                                         ComplexCase{NumberMode::Short, "0x0", 0, 0, 16},
                                         ComplexCase{NumberMode::Short, "-0x10", -16, 0, 16},
                                         ComplexCase{NumberMode::Short, "\\-0X10", -16, 0, 16},
                                         ComplexCase{NumberMode::UChar, "0x00ff", 255, 0, 16},
                                         ComplexCase{NumberMode::ULong, "0xffffffffff",
                                                     4294967295.0, 0, 16},
                                         ComplexCase{NumberMode::ULong, "0x1f", 42819, 0, 36},
                                         ComplexCase{NumberMode::Long, "0X", 33, 0, 36}));

// Binary images give the stored bytes of binary64 values, little-endian.
INSTANTIATE_TEST_SUITE_P(
    BinaryImages, ComplexLiterals,
    testing::Values(ComplexCase{kG, "\\f000000000000F03F", 1},
                    ComplexCase{kC, "\\f000000000000F03F0000000000000040", 1, 2},
                    ComplexCase{kC, "\\f0000000000000040i", 0, 2},
                    ComplexCase{kC, "-\\f000000000000F03F0000000000000040", -1, -2},
                    ComplexCase{kG, "\\f", 0},
                    // Only the leading digit of a bad pair counts: the top byte is 0x03.
                    ComplexCase{kG, "\\f000000000000F03G", 1.0261342003245941e-289}));

struct FractionCase {
    NumberMode mode;
    std::string_view text;
    bool negative;
    std::uint32_t numerator;
    std::uint32_t denominator;
    AngleUnit angleUnit = kRad;
};

void PrintTo(const FractionCase& c, std::ostream* os) {
    *os << describe(c.mode, c.text) << " angle " << static_cast<int>(c.angleUnit);
}

class FractionLiterals : public testing::TestWithParam<FractionCase> {};

TEST_P(FractionLiterals, ReadAsTheExpectedFraction) {
    const FractionCase& c = GetParam();
    SCOPED_TRACE(std::string(c.text));
    const ModeSetup setup(c.mode, 10, 6, c.angleUnit);
    const std::optional<Number> n = parse(setup, c.text);
    ASSERT_TRUE(n.has_value());
    ASSERT_TRUE(n->isFraction);
    EXPECT_EQ(n->fraction.negative, c.negative ? 1 : 0);
    EXPECT_EQ(n->fraction.numerator, c.numerator);
    EXPECT_EQ(n->fraction.denominator, c.denominator);
}

constexpr NumberMode kM = NumberMode::MFract;

INSTANTIATE_TEST_SUITE_P(
    FractionForms, FractionLiterals,
    testing::Values(FractionCase{kFr, "1_2_3", false, 5, 3}, FractionCase{kFr, "6_8", false, 3, 4},
                    FractionCase{kFr, "-3_4", true, 3, 4}, FractionCase{kFr, "\\-3_4", true, 3, 4},
                    FractionCase{kFr, "1_\\2", false, 1, 2},
                    FractionCase{kFr, "1_\\2_\\3", false, 5, 3},
                    FractionCase{kFr, "2.9_4.7", false, 1, 2},  // parts are truncated
                    FractionCase{kFr, "1_0", false, 1, 0}, FractionCase{kFr, "0_0", false, 0, 0},
                    FractionCase{kFr, "1_2_0", false, 1, 0},
                    FractionCase{kFr, "-0_5", false, 0, 1},  // zero is never negative
                    FractionCase{kM, "7_4", false, 7, 4},
                    // A fraction literal is a fraction in every mode.
                    FractionCase{kG, "1_2", false, 1, 2},
                    FractionCase{kFr, "1_2d", false, 1, 2, kDeg}));

INSTANTIATE_TEST_SUITE_P(
    FractionRepresentation, FractionLiterals,
    testing::Values(FractionCase{kFr, "0.75", false, 3, 4}, FractionCase{kFr, "-0.5", true, 1, 2},
                    FractionCase{kFr, "\\x1F", false, 31, 1}, FractionCase{kFr, "'A", false, 65, 1},
                    FractionCase{kFr, "-'A", true, 65, 1},
                    // The binary image of n = 6, d = 8 is reduced as every fraction
                    // is; the signs combine, and zero is 0/1 whatever its signs.
                    FractionCase{kFr, "\\f00000000000018400000000000002040", false, 3, 4},
                    FractionCase{kFr, "\\f000000000000184000000000000020C0", true, 3, 4},
                    FractionCase{kFr, "-\\f000000000000184000000000000020C0", false, 3, 4},
                    FractionCase{kM, "\\f00000000000000000000000000005540", false, 0, 1},
                    FractionCase{kM, "\\f000000000000000000000000000014C0", false, 0, 1},
                    FractionCase{kFr, "\\f0000000000002840", false, 1, 0}));

// The exact modes write an infinite fraction as inf and an undefined one as
// nan; read back, these words give the same fractions, not 0.
INSTANTIATE_TEST_SUITE_P(NonFiniteWords, FractionLiterals,
                         testing::Values(FractionCase{kFr, "inf", false, 1, 0},
                                         FractionCase{kM, "-inf", true, 1, 0},
                                         FractionCase{kM, "infinity", false, 1, 0},
                                         FractionCase{kFr, "nan", false, 0, 0},
                                         FractionCase{kM, "nan", false, 0, 0},
                                         FractionCase{kM, "-NaN", false, 0, 0},
                                         FractionCase{kM, "nand", false, 0, 0, kDeg},
                                         FractionCase{kFr, "nan_5", false, 0, 0},
                                         FractionCase{kFr, "5_nan", false, 0, 0},
                                         FractionCase{kG, "1_2_nan", false, 0, 0}));

// Any fraction written in an exact mode reads back as the same fraction.
TEST(FractionLiterals, WrittenFractionsReadBackUnchanged) {
    const Fraction fractions[] = {{0, 0, 1},  {0, 3, 4},           {1, 7, 4},
                                  {0, 12, 1}, {1, 1, 0},           {0, 1, 0},
                                  {0, 0, 0},  {1, 4294967295u, 2}, {0, 1, 4294967295u}};
    for (NumberMode mode : {kFr, kM}) {
        const ModeSetup setup(mode);
        for (const Fraction& f : fractions) {
            const std::string written = formatNumber(setup.view(), Number::fromFraction(f));
            SCOPED_TRACE(written);
            const std::optional<Number> n = parse(setup, written);
            ASSERT_TRUE(n.has_value());
            ASSERT_TRUE(n->isFraction);
            EXPECT_EQ(n->fraction.negative, f.negative);
            EXPECT_EQ(n->fraction.numerator, f.numerator);
            EXPECT_EQ(n->fraction.denominator, f.denominator);
        }
    }
}

struct RejectedCase {
    NumberMode mode;
    std::string_view text;
    std::int32_t radix = 10;
};

void PrintTo(const RejectedCase& c, std::ostream* os) {
    *os << describe(c.mode, c.text) << " radix " << c.radix;
}

class RejectedLiterals : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedLiterals, AreNotLiterals) {
    const RejectedCase& c = GetParam();
    SCOPED_TRACE(std::string(c.text));
    const ModeSetup setup(c.mode, c.radix);
    EXPECT_FALSE(parse(setup, c.text).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    RealFamily, RejectedLiterals,
    testing::Values(RejectedCase{kG, ""}, RejectedCase{kG, "\\"}, RejectedCase{kG, "-"},
                    RejectedCase{kG, "\\-"}, RejectedCase{kG, "+"}, RejectedCase{kG, "."},
                    RejectedCase{kG, "-."}, RejectedCase{kG, "e5"}, RejectedCase{kG, "1e"},
                    RejectedCase{kG, "1e+"}, RejectedCase{kG, "1.5.2"}, RejectedCase{kG, "1.5x"},
                    RejectedCase{kG, "12d5"}, RejectedCase{kG, "1dd"}, RejectedCase{kG, "1 "},
                    RejectedCase{kG, " 1"}, RejectedCase{kG, "3+4i"}, RejectedCase{kG, "i"},
                    RejectedCase{kG, "1\\"}, RejectedCase{kG, "1\0002"sv},
                    RejectedCase{kG, "1\0"sv}, RejectedCase{kG, "\xE9"}, RejectedCase{kG, "1\xE9"},
                    // strtod would read hexadecimal floats; the language does not.
                    RejectedCase{kG, "infx"}, RejectedCase{kG, "in"}, RejectedCase{kG, "nana"},
                    RejectedCase{kG, "0x1p3"}, RejectedCase{kG, "0x10"}));

INSTANTIATE_TEST_SUITE_P(EscapesAndFractions, RejectedLiterals,
                         testing::Values(RejectedCase{kG, "\\q"}, RejectedCase{kG, "\\x"},
                                         RejectedCase{kG, "\\b"}, RejectedCase{kG, "\\b102"},
                                         RejectedCase{kG, "\\08"}, RejectedCase{kG, "\\x1G"},
                                         RejectedCase{kG, "\\x 1"}, RejectedCase{kG, "\\x-1"},
                                         RejectedCase{kG, "\\x0x1"}, RejectedCase{kG, "\\-\\-5"},
                                         RejectedCase{kFr, "1_-2"}, RejectedCase{kFr, "1_2_-3"},
                                         RejectedCase{kFr, "-1_-2"}, RejectedCase{kFr, "1_2_"},
                                         RejectedCase{kFr, "1__2"}, RejectedCase{kFr, "1_2_3_4"},
                                         RejectedCase{kFr, "1_2x"}, RejectedCase{kFr, "1_"},
                                         RejectedCase{kFr, "_1"}, RejectedCase{kFr, "1_\\"},
                                         RejectedCase{kC, "1_2"}));

INSTANTIATE_TEST_SUITE_P(ComplexFamily, RejectedLiterals,
                         testing::Values(RejectedCase{kC, "3+4"}, RejectedCase{kC, "3+4ii"},
                                         RejectedCase{kC, "3+4j"}, RejectedCase{kC, "3\\4i"},
                                         RejectedCase{kC, "i2"}, RejectedCase{kC, "ii"},
                                         RejectedCase{kC, "3i+4"}, RejectedCase{kC, "3+"},
                                         RejectedCase{kC, "3\\+"}, RejectedCase{kC, "3+4id"},
                                         RejectedCase{kC, "+"}, RejectedCase{kC, ""},
                                         RejectedCase{kC, "+4i+"}, RejectedCase{kC, "3x"}));

INSTANTIATE_TEST_SUITE_P(IntegerFamily, RejectedLiterals,
                         testing::Values(RejectedCase{NumberMode::Short, "1.5", 16},
                                         RejectedCase{NumberMode::Short, "g", 16},
                                         RejectedCase{NumberMode::Short, "", 16},
                                         RejectedCase{NumberMode::Short, "-", 16},
                                         RejectedCase{NumberMode::Short, " 1", 16},
                                         RejectedCase{NumberMode::Short, "1 ", 16},
                                         RejectedCase{NumberMode::Short, "f_f", 16},
                                         RejectedCase{NumberMode::Short, "--1", 16},
                                         RejectedCase{NumberMode::Long, "102", 2},
                                         RejectedCase{NumberMode::Long, "1e3"},
                                         RejectedCase{NumberMode::Long, "180d"}));

// The prefix needs digits after it and belongs to radix 16 alone; the sign and
// blanks strtoul would also take stay outside integer words.
INSTANTIATE_TEST_SUITE_P(
    HexPrefix, RejectedLiterals,
    testing::Values(
        RejectedCase{NumberMode::Long, "0x", 16}, RejectedCase{NumberMode::Long, "0X", 16},
        RejectedCase{NumberMode::Long, "0xg", 16}, RejectedCase{NumberMode::Long, "0x 1", 16},
        RejectedCase{NumberMode::Long, "0x-1", 16}, RejectedCase{NumberMode::Long, "0x+1", 16},
        RejectedCase{NumberMode::Long, "0x0x1", 16}, RejectedCase{NumberMode::Long, "00x1", 16},
        RejectedCase{NumberMode::Long, "x1", 16}, RejectedCase{NumberMode::Long, " 0x1", 16},
        RejectedCase{NumberMode::Long, "-0x-1", 16}, RejectedCase{NumberMode::Long, "0x1.5", 16},
        RejectedCase{NumberMode::Long, "0x1f"}, RejectedCase{NumberMode::Long, "0x1", 15},
        RejectedCase{NumberMode::Long, "0x1", 17}, RejectedCase{NumberMode::Long, "0x1", 33},
        RejectedCase{kG, "0x1f", 16}, RejectedCase{kC, "0x1f", 16}));

TEST(LiteralRepresentation, IntegerLiteralsFollowTheRadixRule) {
    // A radix outside 2..36 reads as the mode commands would set it.
    const ModeSetup tooSmall(NumberMode::Long, 1);
    EXPECT_DOUBLE_EQ(parse(tooSmall, "19")->complex.re, 19);
    const ModeSetup tooLarge(NumberMode::Long, 99);
    EXPECT_DOUBLE_EQ(parse(tooLarge, "z")->complex.re, 35);
}

// A constant read with the prefix is written without it, in a form that reads back.
TEST(LiteralRepresentation, PrefixedIntegersWriteAsPlainDigits) {
    const ModeSetup setup(NumberMode::ULong, 16);
    const std::optional<Number> n = parse(setup, "0x1f");
    ASSERT_TRUE(n.has_value());
    const std::string written = formatNumber(setup.view(), *n);
    EXPECT_EQ(written, "1F");
    const std::optional<Number> again = parse(setup, written);
    ASSERT_TRUE(again.has_value());
    EXPECT_DOUBLE_EQ(again->complex.re, 31);
}

TEST(LiteralRepresentation, LargeMixedNumbersAreClampedNotWrapped) {
    const ModeSetup setup(kFr);
    const std::optional<Number> n = parse(setup, "4000000000_1_2");
    ASSERT_TRUE(n.has_value());
    EXPECT_GE(n->fraction.value(), 4e9L);
}

TEST(LongLiterals, AreReadWithoutOverrunningTheText) {
    const ModeSetup real(kG);
    const std::string nines(100000, '9');
    const std::string zeros(400, '0');
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {nines, kInf},
        {zeros + "1", 1},
        {"0." + zeros + "1", 0},
        {"1" + zeros + "e-395", 1e5},
        {"1" + zeros + "e-10", kInf},
        {"0." + zeros + "1e500", 1e99},
        {"1e" + nines, kInf},
        {"1e-" + nines, 0},
        {"-1e" + nines, -kInf},
        {"'" + std::string(100000, 'A'), 0x41414141},
        {"\\x" + std::string(100000, '1'), 4294967295.0},
        {"\\f000000000000F03F" + std::string(100, '7'), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const std::optional<Number> n = parse(real, c.text);
        ASSERT_TRUE(n.has_value());
        EXPECT_DOUBLE_EQ(n->complex.re, c.expected);
    }
    EXPECT_FALSE(parse(real, nines + "x").has_value());
    EXPECT_TRUE(parse(real, "'" + std::string(100000, '\\')).has_value());
    const ModeSetup integer(NumberMode::ULong, 10);
    EXPECT_DOUBLE_EQ(parse(integer, nines)->complex.re, 4294967295.0);
    const ModeSetup complex(kC);
    const std::optional<Number> wide = parse(complex, "3" + zeros + "+4i");
    ASSERT_TRUE(wide.has_value());
    EXPECT_DOUBLE_EQ(wide->complex.im, 4);
    // A hundred image digits: the first 32 give the number, the rest is not read.
    const std::string image = "\\f000000000000F03F0000000000000040" + std::string(68, 'F');
    const std::optional<Number> imaged = parse(complex, image);
    ASSERT_TRUE(imaged.has_value());
    EXPECT_DOUBLE_EQ(imaged->complex.re, 1);
    EXPECT_DOUBLE_EQ(imaged->complex.im, 2);
    EXPECT_TRUE(parse(complex, image + "i").has_value());
    const ModeSetup fraction(kFr);
    EXPECT_TRUE(parse(fraction, image).has_value());
}

}  // namespace
}  // namespace zentrel
