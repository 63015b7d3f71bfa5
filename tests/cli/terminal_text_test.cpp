#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrel {
namespace {

struct TerminalCase {
    std::string text;
    std::string shown;
};

// Control characters and bytes that are not UTF-8 are escaped; printable text of
// any script passes as it is.
TEST(TerminalSafe, EscapesWhatATerminalWouldObey) {
    const TerminalCase cases[] = {
        {"plain text - 1 + 2", "plain text - 1 + 2"},
        {"\x1b[31mred\x1b[0m", "\\x1B[31mred\\x1B[0m"},
        {"bell\a tab\t cr\r nul" + std::string(1, '\0'), "bell\\x07 tab\\x09 cr\\x0D nul\\x00"},
        {"del\x7f", "del\\x7F"},
        {"\xc2\x9b"
         "2J",
         "\\xC2\\x9B2J"},  // C1 CSI, encoded
        {"\x9b"
         "2J",
         "\\x9B2J"},                                               // a lone continuation byte
        {"\xe6\x9b\xb2\xe7\xb7\x9a", "\xe6\x9b\xb2\xe7\xb7\x9a"},  // Japanese
        {"caf\xc3\xa9", "caf\xc3\xa9"},
        {"\xc0\xaf", "\\xC0\\xAF"},           // an overlong '/'
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},  // a surrogate
        {"cut \xe6\x9b", "cut \\xE6\\x9B"},   // a sequence cut short
    };
    for (const TerminalCase& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(terminalSafe(c.text), c.shown);
    }
}

}  // namespace
}  // namespace zentrel
