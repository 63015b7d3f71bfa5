#include "engine/interp/text_escapes.h"

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

}  // namespace
}  // namespace zentrel
