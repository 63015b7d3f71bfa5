#include "engine/frontend/word_classifier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/frontend/name_tables.h"
#include "frontend_fixture.h"

namespace zentrel {
namespace {

struct KindCase {
    std::string_view word;
    TokenKind kind;
    int byte;  // expected byte payload, -1 for a text payload equal to `text`
    std::string_view text = {};
};

TEST(WordClassifier, KindsAndPayloads) {
    const KindCase cases[] = {
        {"@", TokenKind::Array, 0},
        {"@@", TokenKind::Variable, '@'},
        {"@a", TokenKind::Variable, 'a'},
        {"@abc", TokenKind::Variable, 'a'},
        {"@:", TokenKind::Variable, ':'},
        {"@a:", TokenKind::Variable, 'a'},
        {"@@x", TokenKind::Array, 'x'},
        {"@@xyz", TokenKind::Array, 'x'},
        {"@@:", TokenKind::Array, ':'},
        {"&", TokenKind::Reference, 0},
        {"++", TokenKind::Operator, 0},
        {"!", TokenKind::Operator, 3},
        {"!=", TokenKind::Operator, 20},
        {"&&", TokenKind::Operator, 24},
        {"sin", TokenKind::Function, 17},
        {"gget", TokenKind::Function, 69},
        {"endswi", TokenKind::Control, 15},
        {":print", TokenKind::Command, 51},
        {":gget", TokenKind::Command, 62},
        {":", TokenKind::Command, 0},
        {":Print", TokenKind::Command, 0},
        {":nosuch", TokenKind::Command, 0},
        {"!foo", TokenKind::ExternalCall, -1, "foo"},
        {"!", TokenKind::Operator, 3},
        {"\"a b", TokenKind::String, -1, "a b"},
        {"\"", TokenKind::String, -1, ""},
        {"\"say \"hi\"", TokenKind::String, -1, "say \"hi\""},
        {"Sin", TokenKind::Name, -1, "Sin"},
        {"endswitch", TokenKind::Name, -1, "endswitch"},
        {"total", TokenKind::Name, -1, "total"},
        {"12", TokenKind::Name, -1, "12"},
        {"a<b", TokenKind::Name, -1, "a<b"},
    };
    test::Modes modes;
    for (const KindCase& c : cases) {
        SCOPED_TRACE(std::string(c.word));
        ClassifiedWord word = classifyWord(c.word, modes.view(), false);
        EXPECT_EQ(word.kind, c.kind);
        if (c.byte >= 0) {
            EXPECT_EQ(word.payload.asByte(), c.byte);
        } else {
            EXPECT_EQ(word.payload.asText(), c.text);
        }
    }
}

TEST(WordClassifier, ReservedConstantsIgnoreParseNumbers) {
    test::Modes modes;
    ClassifiedWord huge = classifyWord("HUGE_VAL", modes.view(), false);
    ASSERT_EQ(huge.kind, TokenKind::Constant);
    EXPECT_TRUE(std::isinf(huge.payload.asNumber()->complex.re));
    EXPECT_GT(huge.payload.asNumber()->complex.re, 0);
    ClassifiedWord randMax = classifyWord("RAND_MAX", modes.view(), false);
    ASSERT_EQ(randMax.kind, TokenKind::Constant);
    EXPECT_EQ(randMax.payload.asNumber()->complex.re, 32767);

    modes.set(NumberMode::Fract);
    randMax = classifyWord("RAND_MAX", modes.view(), false);
    ASSERT_TRUE(randMax.payload.asNumber()->isFraction);
    EXPECT_EQ(randMax.payload.asNumber()->fraction.numerator, 32767u);
    EXPECT_EQ(randMax.payload.asNumber()->fraction.denominator, 1u);
    EXPECT_EQ(classifyWord("huge_val", modes.view(), false).kind, TokenKind::Name);
}

TEST(WordClassifier, NumbersFollowTheModeWhenParsed) {
    test::Modes modes;
    ClassifiedWord word = classifyWord("1.5e+3", modes.view(), true);
    ASSERT_EQ(word.kind, TokenKind::Constant);
    EXPECT_EQ(word.payload.asNumber()->complex.re, 1500);
    EXPECT_EQ(classifyWord("x", modes.view(), true).kind, TokenKind::Name);
    EXPECT_EQ(classifyWord("ff", modes.view(), true).kind, TokenKind::Name);

    modes.set(NumberMode::Short);
    modes.context.radix = 16;
    word = classifyWord("ff", modes.view(), true);
    ASSERT_EQ(word.kind, TokenKind::Constant);
    EXPECT_EQ(word.payload.asNumber()->complex.re, 255);

    modes.set(NumberMode::Fract);
    word = classifyWord("6_8", modes.view(), true);
    ASSERT_EQ(word.kind, TokenKind::Constant);
    EXPECT_EQ(word.payload.asNumber()->fraction.numerator, 3u);
    EXPECT_EQ(word.payload.asNumber()->fraction.denominator, 4u);
}

TEST(WordClassifier, CompiledLineKeepsNumberWordsAsNamesWhenAsked) {
    test::Modes modes;
    TokenLine line;
    ASSERT_EQ(line.compile(modes.view(), "12 HUGE_VAL", false), kSuccess);
    ASSERT_EQ(line.count(), 2);
    EXPECT_EQ(line.head()->kind, TokenKind::Name);
    EXPECT_EQ(line.head()->payload.asText(), "12");
    EXPECT_EQ(line.tail()->kind, TokenKind::Constant);
}

}  // namespace
}  // namespace zentrel
