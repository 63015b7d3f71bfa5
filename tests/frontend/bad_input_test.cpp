#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/frontend/program.h"
#include "frontend_fixture.h"

namespace zentrel {
namespace {

// Compiles the text, lists every token and compiles the listing again; the
// tokenizer reports no syntax errors, so all of it must simply succeed.
void compileAndRelist(const std::string& text, NumberMode mode) {
    test::Modes modes;
    modes.set(mode);
    Program program;
    ASSERT_EQ(program.addSource(modes.view(), text, true), kSuccess);
    for (const ProgramLine* line = program.head(); line; line = line->next) {
        int depth = 0;
        for (const Token* t = line->tokens.head(); t; t = t->next()) {
            depth += t->kind == TokenKind::OpenParen    ? 1
                     : t->kind == TokenKind::CloseParen ? -1
                                                        : 0;
            ASSERT_GE(depth, 0);
        }
        ASSERT_EQ(depth, 0);
        TokenLine again;
        ASSERT_EQ(again.compile(modes.view(), test::listLine(line->tokens, modes), true), kSuccess);
    }
}

TEST(BadInput, RandomBytesCompileInEveryModeFamily) {
    std::mt19937 random(7);
    const char alphabet[] =
        "\\[]\"()\x7f{};#@:!&|<>=+-*/%^?,' \t\r\n0123456789.e_iabcxf\x80\xe3\xff";
    const NumberMode modes[] = {NumberMode::GFloat, NumberMode::Complex, NumberMode::MFract,
                                NumberMode::Char, NumberMode::ULong};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) {
            text += random() % 8 == 0 ? static_cast<char>(random() % 256)
                                      : alphabet[random() % (sizeof alphabet - 1)];
        }
        SCOPED_TRACE(text);
        compileAndRelist(text, modes[round % std::size(modes)]);
    }
}

TEST(BadInput, EdgesOfTheScanner) {
    const std::string cases[] = {
        "[",
        "[\"unclosed string",
        "x \\",
        "[\\",
        "\\",
        std::string("a\0b", 3),
        std::string(300, 'w'),
        "[\"" + std::string(300, 's') + "]",
        std::string(10000, '('),
        std::string(10000, ')'),
        std::string(10000, '\\') + ";",
        "\x80\x81\xfe\xff + \xe6\x97\xa5",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.substr(0, 30));
        compileAndRelist(text, NumberMode::GFloat);
    }
}

TEST(BadInput, ALongWordKeepsItsFirstCharacters) {
    test::Modes modes;
    TokenLine line;
    ASSERT_EQ(line.compile(modes.view(), std::string(300, 'w') + " + 1", true), kSuccess);
    ASSERT_EQ(line.head()->kind, TokenKind::Name);
    EXPECT_EQ(line.head()->payload.asText(), std::string(255, 'w'));
    EXPECT_EQ(test::listLine(line), std::string(255, 'w') + " + 1");
}

}  // namespace
}  // namespace zentrel
