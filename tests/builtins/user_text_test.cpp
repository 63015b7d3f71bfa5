#include <gtest/gtest.h>

#include <string>

#include "engine/builtins/user_text.h"
#include "engine/interp/context.h"

namespace zentrel {
namespace {

struct TextCase {
    const char* text;
    const char* line;
};

TEST(UserText, PreparesOneLine) {
    Context ctx;
    const TextCase cases[] = {
        {"plain", "plain"}, {"a\\-b", "a-b"}, {"two\nlines", "two"},
        {"cr\rlf", "cr"},   {"end\\", "end"}, {"x\\\ny", "x"},
        {"a-b", "a-b"},     {"\\\\", "\\"},   {"", ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(prepareUserText(c.text, ctx), c.line);
    }
}

TEST(UserText, DashStandsForTheFileNameInAFile) {
    Context ctx;
    ctx.inFile = true;
    ctx.fileName = "lib.vdl";
    EXPECT_EQ(prepareUserText("- failed", ctx), "lib.vdl failed");
    EXPECT_EQ(prepareUserText("a\\-b", ctx), "a-b");
}

TEST(UserText, LongLinesAreCutBetweenCharacters) {
    Context ctx;
    EXPECT_EQ(prepareUserText(std::string(300, 'x'), ctx).size(), kMaxUserTextLength);
    // "あ" is three bytes: 85 of them fill 255 bytes exactly, the 86th is dropped whole.
    std::string kana;
    for (int i = 0; i < 100; ++i)
        kana += "あ";
    EXPECT_EQ(prepareUserText(kana, ctx).size(), 255u);
    const std::string shifted = "x" + kana;
    EXPECT_EQ(prepareUserText(shifted, ctx).size(), 253u);
    ctx.inFile = true;
    ctx.fileName = std::string(200, 'f');
    EXPECT_EQ(prepareUserText("---", ctx).size(), kMaxUserTextLength);
}

}  // namespace
}  // namespace zentrel
