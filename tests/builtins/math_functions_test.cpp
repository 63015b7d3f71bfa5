#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

constexpr double kPi = 3.141592653589793;

// Runs the text and reads the answer's real part.
double realAnswer(RecordingHost& host, const std::string& text) {
    host.run(text);
    return static_cast<double>(host.ctx.answer().first().realValue());
}

void setX(RecordingHost& host, double x) {
    host.ctx.variables.value('x') = Number::fromReal(x, false);
}

struct UnitCase {
    const char* command;
    double halfTurn;  // of the unit, for the reference computation
};

void PrintTo(const UnitCase& c, std::ostream* os) {
    *os << c.command;
}

class TrigInEachUnit : public testing::TestWithParam<UnitCase> {};

// sin² + cos² = 1, sin matches the library on the angle in radians, and the
// inverse gives the angle back in the same unit.
TEST_P(TrigInEachUnit, IdentitiesHold) {
    RecordingHost host;
    host.run(GetParam().command);
    const double half = GetParam().halfTurn;
    for (int i = -40; i <= 40; ++i) {
        const double x = half * i / 37.0;  // spans about ±1.1 half turns
        SCOPED_TRACE(testing::Message() << "x = " << x);
        setX(host, x);
        EXPECT_NEAR(realAnswer(host, "sqr sin @x + sqr cos @x"), 1.0, 1e-15);
        EXPECT_NEAR(realAnswer(host, "sin @x"), std::sin(x * kPi / half), 1e-15);
        if (std::fabs(x) <= half / 2) {
            EXPECT_NEAR(realAnswer(host, "asin sin @x"), x, 1e-12 * half);
            EXPECT_NEAR(realAnswer(host, "atan tan @x"), x, 1e-12 * half);
        }
    }
    EXPECT_TRUE(host.shownCodes().empty());
}

INSTANTIATE_TEST_SUITE_P(Units, TrigInEachUnit,
                         testing::Values(UnitCase{":rad", kPi}, UnitCase{":deg", 180.0},
                                         UnitCase{":grad", 200.0}));

// Complex modes read trigonometric arguments in radians whatever the unit.
TEST(MathFunctions, ComplexModesTakeRadians) {
    RecordingHost host;
    host.run(":deg; :complex");
    for (double x = -3; x <= 3; x += 0.5) {
        setX(host, x);
        EXPECT_DOUBLE_EQ(realAnswer(host, "cos @x"), std::cos(x));
        EXPECT_NEAR(realAnswer(host, "atan2 (sin @x) (cos @x)"), x * 180 / kPi, 1e-12);
    }
}

struct WarningCase {
    const char* setup;
    const char* text;
    Codes codes;
};

void PrintTo(const WarningCase& c, std::ostream* os) {
    *os << c.setup << "; " << c.text;
}

class DomainWarnings : public testing::TestWithParam<WarningCase> {};

// Each call gives at most one warning: the function's own in a real mode, the
// generic invalid-argument warning otherwise.
TEST_P(DomainWarnings, OneWarningPerCall) {
    RecordingHost host;
    host.run(GetParam().setup);
    host.run(GetParam().text);
    EXPECT_EQ(host.shownCodes(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, DomainWarnings,
    testing::Values(WarningCase{":float", "asin 2", {kWarnAsinDomain}},
                    WarningCase{":float", "acos \\-2", {kWarnAcosDomain}},
                    WarningCase{":float", "acosh 0", {kWarnAcoshDomain}},
                    WarningCase{":float", "atanh 1", {kWarnAtanhDomain}},
                    WarningCase{":float", "log 0", {kWarnLogDomain}},
                    WarningCase{":float", "log10 \\-1", {kWarnLog10Domain}},
                    WarningCase{":float", "sqrt \\-1", {kWarnSqrtDomain}},
                    WarningCase{":fract", "sqrt \\-1", {kWarnSqrtDomain}},
                    WarningCase{":char", "log 0", {kWarnLogDomain}},
                    WarningCase{":float", "asin nan", {}},
                    WarningCase{":float", "asin 1; acosh 1; log 1; sqrt 0", {}},
                    WarningCase{":complex", "asin 2; acosh 0; log \\-1; sqrt \\-1", {}},
                    WarningCase{":complex", "atanh 1", {kWarnInvalidArgument}},
                    WarningCase{":complex", "atan (0 \\-1)", {kWarnInvalidArgument}},
                    WarningCase{":warn 0; :float", "asin 2; atanh 1", {}}));

// num and denom give back a fraction that equals the value they came from.
TEST(MathFunctions, NumeratorOverDenominatorRestoresTheValue) {
    RecordingHost host;
    host.run(":fract");
    for (int p = -12; p <= 12; ++p) {
        for (int q = 1; q <= 12; ++q) {
            const std::string f = "(" + std::to_string(std::abs(p)) + " " + std::to_string(q) + ")";
            const std::string value = p < 0 ? "[-] " + f : f;
            SCOPED_TRACE(value);
            EXPECT_EQ(host.answerOf("@f = " + value + "; (num @f) / (denom @f) [==] @f"), "1");
            EXPECT_EQ(host.answerOf("denom @f [>] 0"), "1");
        }
    }
    host.run(":gfloat");
    for (const char* real : {"0.75", "2.5", "\\-0.125", "3", "0.1"}) {
        SCOPED_TRACE(real);
        EXPECT_EQ(host.answerOf(std::string("@r = ") + real + "; num @r / denom @r [==] @r"), "1");
    }
}

TEST(MathFunctions, ArgumentErrorsNameTheFunction) {
    const std::pair<const char*, ErrorCode> cases[] = {
        {"sin", kErrFunctionArgument},          {"pow 2", kErrFunctionArgument},
        {"sin )", kErrFunctionArgument},        {"frexp 8 3", kErrFunctionArgument},
        {"frexp 8 (@e)", kErrFunctionArgument}, {"defined", kErrFunctionArgument},
        {"sin @x = 5", kErrLeftNotVariable},    {"sin sin", kErrFunctionArgument},
    };
    for (const auto& [text, code] : cases) {
        SCOPED_TRACE(text);
        RecordingHost host;
        host.run(text);
        EXPECT_EQ(host.shownCodes(), Codes{code});
    }
}

TEST(MathFunctions, FrexpAndModfStoreIntoTheVariable) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf("frexp 8 @e"), "0.5");
    EXPECT_EQ(host.answerOf("@e"), "4");
    EXPECT_EQ(host.answerOf("modf 2.25 @e + @e"), "2.25");
    host.run(":define K 3");
    host.run("modf 2.5 K");
    EXPECT_EQ(host.shownCodes(), Codes{kErrAssignToConstant});
    EXPECT_EQ(host.reports.back().tokenText, "modf");
}

// Labels are resolved before the argument is judged.
TEST(MathFunctions, LabelsCountAsVariablesAndArrays) {
    RecordingHost host;
    ASSERT_EQ(host.ctx.variables.attachLabel('v', "speed"), kSuccess);
    ASSERT_EQ(host.ctx.arrays.attachLabel('t', "table"), kSuccess);
    EXPECT_EQ(host.answerOf("defined speed"), "1");
    EXPECT_EQ(host.answerOf("defined table"), "1");
    EXPECT_EQ(host.answerOf("defined nothing + defined 2.5"), "1");
    EXPECT_EQ(host.answerOf("frexp 12 speed"), "0.75");
    EXPECT_EQ(host.answerOf("@v"), "4");
    host.run(":warn table");  // an array label reads the array's text, not a number
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(MathFunctions, RandomSequenceFollowsTheSeed) {
    RecordingHost host;
    // The sequence of the generator seeded with 1.
    const double expected[] = {41, 18467, 6334, 26500, 19169};
    for (double value : expected)
        EXPECT_EQ(realAnswer(host, "rand"), value);
    host.run(":srand 1");
    EXPECT_EQ(realAnswer(host, "rand"), 41);
    host.shared().random.seed = 1;
    EXPECT_EQ(realAnswer(host, "rand"), 41);
}

}  // namespace
}  // namespace zentrel
