#include "app/settings/history_constant.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/frontend/program.h"
#include "engine/values/limits.h"

namespace zentrel {
namespace {

// The text of the string constant of a :plot history line, read back the way
// a replayed history file reads it.
std::optional<std::string> replayedExpression(const std::string& historyLine) {
    const ContextModes context;
    const EngineModes engine;
    Program program;
    if (program.addSource(ModeView(context, engine), historyLine, true) != kSuccess) {
        return std::nullopt;
    }
    if (program.lineCount() != 1 || program.head()->comment) return std::nullopt;
    const TokenLine& tokens = program.head()->tokens;
    const Token* constant = tokens.at(1);
    if (tokens.count() != 3 || constant->kind != TokenKind::String) return std::nullopt;
    return std::string(constant->payload.asText());
}

TEST(HistoryConstant, AwkwardTextsReadBackTheSame) {
    const std::string texts[] = {
        "sin x",
        "",
        "say \"hi\" \"",
        "a]b]]",
        "@a = 2; sin (@a * x) # scaled",
        "\\\\;",
        "x\\ny\\t\\0\\x41\\\\",  // escapes the language keeps for later
        "\xe9\x96\xa2\xe6\x95\xb0 sin x \xe3\x81\x82",
        "tab\there",
        std::string("ctl\x01\x1b\x7f") + "end",
        "%s %d",
        "[\"nested] [x] {1 2}",
        std::string(kMaxWordLength - 1, 'w'),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const std::optional<std::string> constant = historyStringConstant(text);
        ASSERT_TRUE(constant.has_value());
        EXPECT_EQ(replayedExpression(":plot " + *constant + " 250"), text);
    }
    EXPECT_EQ(historyStringConstant("a]b;c"), "[\"a\\]b\\;c]");
}

// The scanner drops a backslash before any character it does not keep an
// escape for, so no constant gives such a text back.
TEST(HistoryConstant, TextsNoConstantCanCarryAreRefused) {
    const std::string texts[] = {
        "x * \\-2",
        "1e\\+3 * x",
        "ends in \\",
        "a\\]",
        "a\\;b",
        "two\nlines",
        "cr\rhere",
        std::string("nul\0inside", 10),
        std::string(kMaxWordLength, 'w'),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(historyStringConstant(text), std::nullopt);
    }
}

}  // namespace
}  // namespace zentrel
