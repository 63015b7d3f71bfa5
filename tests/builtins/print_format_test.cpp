#include "engine/builtins/print_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "engine/interp/error_codes.h"

namespace zentrel {
namespace {

using Argument = std::variant<double, std::string, Fraction>;

// Arguments as the command would read them: a number where a number is asked for, a
// text where a text is; anything else, or running out, is the command's argument error.
class ListArguments final : public FormatArguments {
  public:
    explicit ListArguments(std::vector<Argument> list) : list_(std::move(list)) {}

    ErrorCode nextNumber(Number& out) override {
        if (next_ == list_.size()) return kErrCommandArgument;
        const Argument& a = list_[next_++];
        if (const auto* x = std::get_if<double>(&a)) {
            out = Number::fromComplex({*x, 0});
        } else if (const auto* f = std::get_if<Fraction>(&a)) {
            out = Number::fromFraction(*f);
        } else {
            return kErrCommandArgument;
        }
        return kSuccess;
    }

    ErrorCode nextText(std::string& out) override {
        if (next_ == list_.size()) return kErrCommandArgument;
        const auto* text = std::get_if<std::string>(&list_[next_++]);
        if (!text) return kErrCommandArgument;
        out = *text;
        return kSuccess;
    }

    std::size_t used() const { return next_; }

  private:
    std::vector<Argument> list_;
    std::size_t next_ = 0;
};

std::string joined(const std::vector<std::string>& pieces) {
    std::string all;
    for (const auto& p : pieces)
        all += p;
    return all;
}

struct FormatCase {
    std::string format;
    std::vector<Argument> arguments;
    std::string expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << '"' << c.format << '"';
}

class Conversions : public testing::TestWithParam<FormatCase> {};

TEST_P(Conversions, FormatLikeC) {
    const FormatCase& c = GetParam();
    ListArguments arguments(c.arguments);
    std::vector<std::string> pieces;
    ASSERT_EQ(formatPrintf(c.format, arguments, pieces), kSuccess);
    EXPECT_EQ(joined(pieces), c.expected);
    EXPECT_EQ(arguments.used(), c.arguments.size());
}

INSTANTIATE_TEST_SUITE_P(
    Integers, Conversions,
    testing::Values(FormatCase{"%d", {42.0}, "42"}, FormatCase{"%5d|", {42.0}, "   42|"},
                    FormatCase{"%-5d|", {42.0}, "42   |"}, FormatCase{"%05d", {42.0}, "00042"},
                    FormatCase{"%+d % d", {42.0, 42.0}, "+42  42"},
                    FormatCase{"%.3d", {7.0}, "007"}, FormatCase{"%d", {-7.9}, "-7"},
                    FormatCase{"%d", {4294967295.0}, "-1"}, FormatCase{"%u", {-1.0}, "4294967295"},
                    FormatCase{"%o %#o", {8.0, 8.0}, "10 010"},
                    FormatCase{"%x %X %#x", {255.0, 255.0, 255.0}, "ff FF 0xff"},
                    FormatCase{"%d", {Fraction{0, 7, 2}}, "3"},
                    // Flags C leaves undefined for the conversion are dropped.
                    FormatCase{"%#d %+u % x", {5.0, 5.0, 5.0}, "5 5 5"}));

INSTANTIATE_TEST_SUITE_P(
    Reals, Conversions,
    testing::Values(FormatCase{"%e|%E", {1234.5, 1234.5}, "1.234500e+03|1.234500E+03"},
                    FormatCase{"%f", {1.5}, "1.500000"}, FormatCase{"%.2f", {3.14159}, "3.14"},
                    FormatCase{"%8.3f|", {3.14159}, "   3.142|"},
                    FormatCase{"%g %G", {0.0001, 1e-10}, "0.0001 1E-10"},
                    FormatCase{"%#.3g", {1.0}, "1.00"}, FormatCase{"%+.1e", {-0.05}, "-5.0e-02"},
                    FormatCase{"%f", {Fraction{1, 1, 4}}, "-0.250000"},
                    FormatCase{"%f %f", {1.0 / 0.0, -1.0 / 0.0}, "inf -inf"}));

INSTANTIATE_TEST_SUITE_P(
    CharactersAndTexts, Conversions,
    testing::Values(FormatCase{"%c", {65.0}, "A"},
                    FormatCase{"%3c|%-3c|", {65.0, 66.0}, "  A|B  |"},
                    FormatCase{"%c", {321.0}, "A"},  // the low 8 bits
                    FormatCase{"%.3c|%05c", {65.0, 66.0}, "A|    B"},
                    FormatCase{"%s", {std::string("abc")}, "abc"},
                    FormatCase{
                        "%5s|%-5s|", {std::string("abc"), std::string("de")}, "  abc|de   |"},
                    FormatCase{"%.2s|%05s", {std::string("abc"), std::string("x")}, "ab|    x"},
                    FormatCase{"%s", {std::string()}, ""}));

INSTANTIATE_TEST_SUITE_P(
    StarsAndText, Conversions,
    testing::Values(FormatCase{"%%|a%%b", {}, "%|a%b"}, FormatCase{"plain", {}, "plain"},
                    FormatCase{"%*d|", {5.0, 42.0}, "   42|"},
                    FormatCase{"%*d|", {-5.0, 42.0}, "42   |"},  // negative width: left
                    FormatCase{"%.*f", {2.0, 3.14159}, "3.14"},
                    FormatCase{"%*.*f|", {8.0, 2.0, 3.14159}, "    3.14|"},
                    FormatCase{"%.*f", {-1.0, 1.5}, "1.500000"},  // negative precision: none
                    FormatCase{"%-*s|", {4.0, std::string("a")}, "a   |"}));

// Length modifiers and other characters inside a specification are ignored; a % that
// no conversion character follows stays text and takes no argument.
INSTANTIATE_TEST_SUITE_P(
    IgnoredCharacters, Conversions,
    testing::Values(FormatCase{"%ld %lld %hd %hhd", {1.0, 2.0, 3.0, 4.0}, "1 2 3 4"},
                    FormatCase{"%Lf|%jd|%zu|%qd", {1.5, 1.0, 2.0, 3.0}, "1.500000|1|2|3"},
                    FormatCase{"%nd", {5.0}, "5"}, FormatCase{"a%n", {}, "a%n"},
                    FormatCase{"50%", {}, "50%"}, FormatCase{"%5", {}, "%5"},
                    FormatCase{"%5l3d", {1.0}, std::string(52, ' ') + "1"}));

TEST(PrintFormat, TextAndConversionsAreSeparatePieces) {
    ListArguments arguments({1.0, 2.0});
    std::vector<std::string> pieces;
    ASSERT_EQ(formatPrintf("x=%d, y=%d.", arguments, pieces), kSuccess);
    EXPECT_EQ(pieces, (std::vector<std::string>{"x=", "1", ", y=", "2", "."}));
}

// Widths and precisions far beyond any use are clamped, never allocated.
TEST(PrintFormat, HugeWidthsAndPrecisionsAreClamped) {
    const std::vector<FormatCase> cases = {
        {"%2000000000d", {1.0}, ""},          {"%99999999999999999999999d", {1.0}, ""},
        {"%.2000000000f", {1.0}, ""},         {"%*d", {2e9, 1.0}, ""},
        {"%*d", {-9.3e18, 1.0}, ""},  // beyond 64 bits: the indefinite integer
        {"%*.*e", {1e300, 1e300, 1e300}, ""}, {"%2000000000s", {std::string("a")}, ""},
        {"%.2000000000d", {1.0}, ""},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.format);
        ListArguments arguments(c.arguments);
        std::vector<std::string> pieces;
        ASSERT_EQ(formatPrintf(c.format, arguments, pieces), kSuccess);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_GE(pieces[0].size(), std::size_t(kMaxFieldLength));
        EXPECT_LE(pieces[0].size(), std::size_t(kMaxFieldLength) + 400);
    }
}

TEST(PrintFormat, ArgumentErrors) {
    const std::vector<FormatCase> cases = {
        {"%d", {}, ""},
        {"%d %d", {1.0}, ""},
        {"%s", {1.0}, ""},                      // a number where a text is needed
        {"%***d", {1.0, 2.0, 3.0, 4.0}, ""},    // a third *
        {"%*.*.*d", {1.0, 2.0, 3.0, 4.0}, ""},  // a third *, wherever it is
        {"%*d", {1.0}, ""},                     // the * used the only argument
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.format);
        ListArguments arguments(c.arguments);
        std::vector<std::string> pieces;
        EXPECT_EQ(formatPrintf(c.format, arguments, pieces), kErrCommandArgument);
    }
}

}  // namespace
}  // namespace zentrel
