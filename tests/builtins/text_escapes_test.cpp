#include "engine/builtins/text_escapes.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrel {
namespace {

TEST(TextEscapes, TranslatesEveryEscape) {
    const struct {
        std::string text;
        std::string codes;
    } cases[] = {
        {"a\\tb", "a\tb"},
        {"\\a\\b\\e\\f\\n\\r\\t\\v", "\a\b\x1b\f\n\r\t\v"},
        {"\\\\", "\\"},
        {"\\q\\\"", "q\""},
        {"ab\\", "ab"},                     // a backslash at the end ends the text
        {"x\\0y", std::string("x\0y", 3)},  // kept: it ends the text for readers
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(translateEscapes(c.text), c.codes);
    }
}

TEST(UserText, EndsAtLineBreaksAndDropsBackslashes) {
    const struct {
        std::string text;
        bool fromFile;
        std::string line;
    } cases[] = {
        {"plain", false, "plain"},  {"one\ntwo", false, "one"},
        {"one\rtwo", false, "one"}, {"a\\nb\\\\c", false, "anb\\c"},
        {"ab\\", false, "ab"},      {"ab\\\ncd", false, "ab"},
        {"x-y", false, "x-y"},      {"in - at -", true, "in calc.vdl at calc.vdl"},
        {"a\\-b", true, "a-b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(prepareUserText(c.text, c.fromFile, "calc.vdl"), c.line);
    }
}

TEST(UserText, IsCutToTheLongestLine) {
    EXPECT_EQ(prepareUserText(std::string(1000, 'a'), false, ""),
              std::string(kMaxUserTextLength, 'a'));
    const std::string longName(300, 'n');
    EXPECT_EQ(prepareUserText("ab-cd", true, longName),
              "ab" + std::string(kMaxUserTextLength - 2, 'n'));
}

}  // namespace
}  // namespace zentrel
