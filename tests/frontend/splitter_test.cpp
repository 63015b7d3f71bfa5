#include "engine/frontend/statement_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/frontend/program.h"
#include "frontend_fixture.h"

namespace zentrel {
namespace {

struct SplitCase {
    std::string source;
    std::vector<std::string> statements;
    std::string comment;  // "-" when there is none
};

std::vector<std::string> split(std::string_view source, std::string& comment) {
    std::vector<std::string> out;
    StatementSplitter splitter(source);
    Statement statement;
    comment = "-";
    while (splitter.next(statement)) {
        EXPECT_EQ(source.substr(statement.offset, statement.text.size()), statement.text);
        out.emplace_back(statement.text);
        if (statement.hasComment) comment = std::string(statement.comment);
    }
    return out;
}

TEST(StatementSplitter, CutsAtSeparatorsAndComments) {
    const SplitCase cases[] = {
        {"", {""}, "-"},
        {"1 + 2", {"1 + 2"}, "-"},
        {"a;;b", {"a", "", "b"}, "-"},
        {"a;", {"a", ""}, "-"},
        {"1 + 2 # note; 3", {"1 + 2 "}, " note; 3"},
        {"# only", {""}, " only"},
        {"a; b # c\nd; e", {"a", " b "}, " c"},
        {"x #\r\nrest", {"x "}, ""},
        {"1 \\# 2", {"1 \\# 2"}, "-"},
        {"a\\;b", {"a\\;b"}, "-"},
        {"a\\\\;b", {"a\\\\", "b"}, "-"},
        {"a\\\\\\;b", {"a\\\\\\;b"}, "-"},
        {"a\\\\#b", {"a\\\\"}, "b"},
        {"a\\;\\#b;c", {"a\\;\\#b", "c"}, "-"},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.source);
        std::string comment;
        EXPECT_EQ(split(c.source, comment), c.statements);
        EXPECT_EQ(comment, c.comment);
    }
}

TEST(Program, AddSourceNumbersEveryStatementOfOneText) {
    test::Modes modes;
    Program program(10);
    ASSERT_EQ(program.addSource(modes.view(), "@a = 1; @b = 2 # set up", false), kSuccess);
    ASSERT_EQ(program.addSource(modes.view(), ";", false), kSuccess);
    EXPECT_EQ(program.lineCounter(), 12);
    ASSERT_EQ(program.lineCount(), 3u);  // the two blank statements of ";" kept as one

    const ProgramLine* line = program.head();
    EXPECT_EQ(test::listLine(line->tokens), "@a = 1");
    EXPECT_EQ(line->lineNumber, 10);
    EXPECT_FALSE(line->comment.has_value());
    line = line->next;
    EXPECT_EQ(test::listLine(line->tokens), "@b = 2");
    EXPECT_EQ(line->lineNumber, 10);
    EXPECT_EQ(line->comment, " set up");
    line = line->next;
    EXPECT_EQ(line->tokens.count(), 0);
    EXPECT_EQ(line->lineNumber, 11);
    EXPECT_EQ(line, program.tail());
    EXPECT_EQ(program.tail()->next, nullptr);
}

// A run of blank statements is kept as one (it does nothing however long it is),
// except that the two statements after a `for`, its condition and its update,
// stay where they are. A comment makes a statement no longer blank.
TEST(Program, KeepsARunOfBlankStatementsAsOne) {
    const std::pair<const char*, std::size_t> cases[] = {
        {";;;;", 1},
        {"1;;;;2", 3},
        {";;;1;", 3},
        {"1; ;\t; ;", 2},
        {"; # a\n", 2},
        {"for @i = 0;;;;; next", 4},
        {"for @i = 0; 1;;;; next", 4},
    };
    for (const auto& [text, lines] : cases) {
        SCOPED_TRACE(text);
        test::Modes modes;
        Program program;
        ASSERT_EQ(program.addSource(modes.view(), text, false), kSuccess);
        EXPECT_EQ(program.lineCount(), lines);
    }
    test::Modes modes;
    Program program;
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(program.addSource(modes.view(), "", false), kSuccess);
    EXPECT_EQ(program.lineCount(), 1u);
    EXPECT_EQ(program.lineCounter(), 1000);
}

TEST(Program, CurrentWalksTheLinesAndPicksUpNewOnes) {
    test::Modes modes;
    Program program;
    EXPECT_EQ(program.takeNext(), nullptr);
    ASSERT_EQ(program.addSource(modes.view(), "a; b", false), kSuccess);
    EXPECT_EQ(program.current(), program.head());
    EXPECT_EQ(program.takeNext(), program.head());
    EXPECT_EQ(program.takeNext(), program.tail());
    EXPECT_EQ(program.takeNext(), nullptr);
    ASSERT_EQ(program.addSource(modes.view(), "c", false), kSuccess);
    EXPECT_EQ(test::listLine(program.takeNext()->tokens), "c");
    program.clear();
    EXPECT_EQ(program.head(), nullptr);
    EXPECT_EQ(program.current(), nullptr);
}

TEST(Program, TextEndsAtItsFirstNul) {
    test::Modes modes;
    Program program;
    const std::string text("a; b\0; c", 8);
    ASSERT_EQ(program.addSource(modes.view(), text, false), kSuccess);
    ASSERT_EQ(program.lineCount(), 2u);
    EXPECT_EQ(test::listLine(program.tail()->tokens), "b");
}

TEST(Program, ManyStatementsInOneText) {
    test::Modes modes;
    Program program;
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "@a += 1;";
    ASSERT_EQ(program.addSource(modes.view(), text, false), kSuccess);
    EXPECT_EQ(program.lineCount(), 20001u);
}

}  // namespace
}  // namespace zentrel
