#include "engine/frontend/listing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/program.h"
#include "engine/frontend/scanner.h"
#include "engine/values/number_text.h"
#include "frontend_fixture.h"

namespace zentrel {
namespace {

class TwoLabels final : public LabelSource {
  public:
    std::string_view variableLabel(std::uint8_t letter) const override {
        return letter == 'x' ? "width" : "";
    }
    std::string_view arrayLabel(std::uint8_t letter) const override {
        return letter == 'm' ? "grid" : "";
    }
};

std::string list(TokenKind kind, const TokenPayload& payload = TokenPayload()) {
    test::Modes modes;
    return listToken(NoLabels(), modes.view(), kind, payload);
}

TokenPayload byte(int value) {
    return TokenPayload::byte(static_cast<std::uint8_t>(value));
}

TEST(Listing, TextOfEveryKind) {
    EXPECT_EQ(list(TokenKind::OpenParen), "(");
    EXPECT_EQ(list(TokenKind::CloseParen), ")");
    EXPECT_EQ(list(TokenKind::OpenBrace), "{");
    EXPECT_EQ(list(TokenKind::CloseBrace), "}");
    EXPECT_EQ(list(TokenKind::Reference), "[&]");
    EXPECT_EQ(list(TokenKind::EmptyBrackets), "[]");
    EXPECT_EQ(list(TokenKind::Variable, byte('x')), "@x");
    EXPECT_EQ(list(TokenKind::Variable, byte(0)), "@");
    EXPECT_EQ(list(TokenKind::Array, byte('m')), "@@m");
    EXPECT_EQ(list(TokenKind::Array, byte(0)), "@");
    EXPECT_EQ(list(TokenKind::NamedVariable, TokenPayload::text("total")), "total");
    EXPECT_EQ(list(TokenKind::NamedArray, TokenPayload::text("grid")), "grid");
    EXPECT_EQ(list(TokenKind::Name, TokenPayload::text("100%")), "100%");
    EXPECT_EQ(list(TokenKind::Command, byte(51)), ":print");
    EXPECT_EQ(list(TokenKind::Command, byte(0)), ":");
    EXPECT_EQ(list(TokenKind::Command, byte(200)), ":");
    EXPECT_EQ(list(TokenKind::Control, byte(16)), "breakswi");
    EXPECT_EQ(list(TokenKind::Operator, byte(3)), "[!]");
    EXPECT_EQ(list(TokenKind::Operator, byte(33)), "<<=");
    EXPECT_EQ(list(TokenKind::Function, byte(33)), "log10");
    EXPECT_EQ(list(TokenKind::ExternalCall, TokenPayload::text("foo")), "!foo");
    EXPECT_EQ(list(TokenKind::String, TokenPayload::text("a]b")), "[\"a\\]b]");
    EXPECT_EQ(list(TokenKind::String, TokenPayload::text("%s")), "[\"%s]");
    EXPECT_EQ(list(TokenKind::String, TokenPayload::text("a;b#c")), "[\"a\\;b\\#c]");
    EXPECT_EQ(list(TokenKind::MatrixConstant, TokenPayload::value(Value())), "");
    EXPECT_EQ(list(TokenKind::NoOperator), "");
    EXPECT_EQ(list(static_cast<TokenKind>(99)), "");
}

TEST(Listing, LabelsReplaceLabelledLetters) {
    test::Modes modes;
    TwoLabels labels;
    EXPECT_EQ(listToken(labels, modes.view(), TokenKind::Variable, byte('x')), "width");
    EXPECT_EQ(listToken(labels, modes.view(), TokenKind::Variable, byte('m')), "@m");
    EXPECT_EQ(listToken(labels, modes.view(), TokenKind::Array, byte('m')), "grid");
    EXPECT_EQ(listToken(labels, modes.view(), TokenKind::Array, byte('x')), "@@x");
}

TEST(Listing, ConstantsEscapeTheirSigns) {
    test::Modes modes;
    modes.set(NumberMode::EFloat);
    const Number number = Number::fromComplex({-1.5e3, 0});
    std::string escaped;
    for (char c : formatNumber(modes.view(), number)) {
        if (c == '+' || c == '-') escaped += '\\';
        escaped += c;
    }
    const std::string listed =
        listToken(NoLabels(), modes.view(), TokenKind::Constant, TokenPayload::number(number));
    EXPECT_EQ(listed, escaped);
    EXPECT_EQ(listed.rfind("\\-1.500000e\\+", 0), 0u) << listed;
}

TEST(Listing, OverlongPayloadsAreCut) {
    const std::string longText(600, 'q');
    EXPECT_EQ(list(TokenKind::Name, TokenPayload::text(longText)).size(), kMaxWordLength);
    EXPECT_EQ(list(TokenKind::ExternalCall, TokenPayload::text(longText)).size(),
              kMaxWordLength + 1);
    // A cut through a backslash pair drops the lone half, which would escape
    // the closing bracket.
    const std::string pairs = std::string(kMaxWordLength - 1, 'q') + "\\n" + longText;
    const std::string listed = list(TokenKind::String, TokenPayload::text(pairs));
    EXPECT_EQ(listed, "[\"" + std::string(kMaxWordLength - 1, 'q') + "]");
}

// Listing a token and compiling the text must give the token back.
void expectRoundTrip(const test::Modes& modes, TokenKind kind, const TokenPayload& payload,
                     ListingUse use = ListingUse::Message) {
    const std::string text = listToken(NoLabels(), modes.view(), kind, payload, use);
    SCOPED_TRACE(text);
    TokenLine line;
    ASSERT_EQ(line.compile(modes.view(), text, true), kSuccess);
    ASSERT_EQ(line.count(), 1);
    EXPECT_EQ(line.head()->kind, kind);
    EXPECT_TRUE(line.head()->payload == payload);
}

TEST(Listing, EveryNonConstantTokenSurvivesARoundTrip) {
    test::Modes modes;
    // A lone parenthesis compiles with a balancing partner, so only braces and
    // brackets stand alone here; the parentheses are covered by the listing test.
    for (TokenKind kind : {TokenKind::OpenBrace, TokenKind::CloseBrace, TokenKind::Reference,
                           TokenKind::EmptyBrackets}) {
        expectRoundTrip(modes, kind, TokenPayload());
    }
    for (int id = 0; id < static_cast<int>(kOperatorCount); ++id) {
        expectRoundTrip(modes, TokenKind::Operator, byte(id));
    }
    for (int id = 0; id < static_cast<int>(kFunctionCount); ++id) {
        expectRoundTrip(modes, TokenKind::Function, byte(id));
    }
    for (int id = 0; id < static_cast<int>(kControlCount); ++id) {
        expectRoundTrip(modes, TokenKind::Control, byte(id));
    }
    for (int id = 0; id < static_cast<int>(kCommandCount); ++id) {
        expectRoundTrip(modes, TokenKind::Command, byte(id));
    }
    for (char letter : std::string_view("azAZ09_:@'.\"!~<>$\x80\xff")) {
        expectRoundTrip(modes, TokenKind::Variable, byte(static_cast<unsigned char>(letter)));
        expectRoundTrip(modes, TokenKind::Array, byte(static_cast<unsigned char>(letter)));
    }
    expectRoundTrip(modes, TokenKind::Array, byte(0));
    for (std::string_view text : {"total", "a<b", "x_1", "Sin", "\xe6\x97\xa5"}) {
        expectRoundTrip(modes, TokenKind::Name, TokenPayload::text(text));
        expectRoundTrip(modes, TokenKind::ExternalCall, TokenPayload::text(text));
    }
    for (std::string_view text :
         {"", "a]b", "a b", "]]", "say \"hi\"", "x\\ny", "\\\\", "a;b#c", "(1 + 2)", "[nested]"}) {
        expectRoundTrip(modes, TokenKind::String, TokenPayload::text(text));
    }
}

// Names and letters that a blank, a separator or a bracket would split are
// written in brackets for compiling, and as they are for messages.
TEST(Listing, SourceFormKeepsEveryWordWhole) {
    test::Modes modes;
    const std::string_view words[] = {"a b", "x(1)", "a;b#c", "a]b", "p<<q",  "r>>=s",
                                      "[x",  "k\\n", "u+v",   "w,z", "t\tab", "plain"};
    for (std::string_view text : words) {
        expectRoundTrip(modes, TokenKind::Name, TokenPayload::text(text), ListingUse::Source);
        expectRoundTrip(modes, TokenKind::ExternalCall, TokenPayload::text(text),
                        ListingUse::Source);
    }
    for (char letter : std::string_view("( )[]{}\\;#,=+\ta")) {
        SCOPED_TRACE(letter);
        const TokenPayload payload = byte(static_cast<unsigned char>(letter));
        expectRoundTrip(modes, TokenKind::Variable, payload, ListingUse::Source);
        expectRoundTrip(modes, TokenKind::Array, payload, ListingUse::Source);
    }
    const TokenPayload spaced = TokenPayload::text("a b]");
    EXPECT_EQ(listToken(NoLabels(), modes.view(), TokenKind::Name, spaced, ListingUse::Source),
              "[a b\\]]");
    EXPECT_EQ(listToken(NoLabels(), modes.view(), TokenKind::Name, spaced), "a b]");
    EXPECT_EQ(list(TokenKind::ExternalCall, TokenPayload::text("my f")), "!my f");
    EXPECT_EQ(list(TokenKind::Variable, byte('(')), "@(");
    EXPECT_EQ(list(TokenKind::Variable, byte('\\')), "@\\");
    EXPECT_EQ(list(TokenKind::Variable, byte(0)), "@");
    EXPECT_EQ(
        listToken(NoLabels(), modes.view(), TokenKind::Variable, byte('x'), ListingUse::Source),
        "@x");
}

TEST(Listing, StringsSurviveTheStatementSplitter) {
    test::Modes modes;
    for (std::string_view text : {"@a = 2; sin (@a * x) # scaled", "\\\\;", "\\n#"}) {
        SCOPED_TRACE(text);
        const std::string listed = ":plot " + listToken(NoLabels(), modes.view(), TokenKind::String,
                                                        TokenPayload::text(text));
        Program program;
        ASSERT_EQ(program.addSource(modes.view(), listed, true), kSuccess);
        ASSERT_EQ(program.lineCount(), 1u);
        EXPECT_FALSE(program.head()->comment.has_value());
        const TokenLine& line = program.head()->tokens;
        ASSERT_EQ(line.count(), 2);
        EXPECT_EQ(line.tail()->payload.asText(), text);
    }
}

struct ModeConstants {
    NumberMode mode;
    int radix;
    std::vector<Number> numbers;
};

Number real(double x) {
    return Number::fromComplex({x, 0});
}
Number fraction(bool negative, std::uint32_t n, std::uint32_t d) {
    return Number::fromFraction(Fraction{negative, n, d});
}

TEST(Listing, ConstantsSurviveARoundTripInEveryMode) {
    const std::vector<Number> reals = {real(0),     real(3),    real(-0.125), real(1500),
                                       real(-2.25), real(1e20), real(0.001)};
    std::vector<Number> complexes = reals;
    for (Complex c : {Complex{1, -2}, Complex{0, 2}, Complex{0, -1}, Complex{-0.5, 0.25}}) {
        complexes.push_back(Number::fromComplex(c));
    }
    const std::vector<Number> fractions = {fraction(false, 3, 4), fraction(true, 7, 4),
                                           fraction(false, 5, 1), fraction(true, 1, 3),
                                           fraction(false, 0, 1)};
    const ModeConstants cases[] = {
        {NumberMode::EFloat, 10, reals},
        {NumberMode::Float, 10, reals},
        {NumberMode::GFloat, 10, reals},
        {NumberMode::EComplex, 10, complexes},
        {NumberMode::Complex, 10, complexes},
        {NumberMode::GComplex, 10, complexes},
        {NumberMode::Fract, 10, fractions},
        {NumberMode::MFract, 10, fractions},
        {NumberMode::Char, 16, {real(-128), real(127), real(-5), real(0)}},
        {NumberMode::UChar, 2, {real(255), real(0), real(6)}},
        {NumberMode::Short, 8, {real(-32768), real(32767)}},
        {NumberMode::UShort, 36, {real(65535), real(35)}},
        {NumberMode::Long, 10, {real(-2147483648.0), real(2147483647)}},
        {NumberMode::ULong, 16, {real(4294967295.0), real(48879)}},
    };
    for (const ModeConstants& c : cases) {
        SCOPED_TRACE(static_cast<int>(modeCode(c.mode)));
        test::Modes modes;
        modes.set(c.mode);
        modes.context.radix = c.radix;
        for (const Number& number : c.numbers) {
            expectRoundTrip(modes, TokenKind::Constant, TokenPayload::number(number));
        }
    }
}

}  // namespace
}  // namespace zentrel
