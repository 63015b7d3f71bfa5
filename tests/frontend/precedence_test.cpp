#include "engine/frontend/precedence_pass.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/frontend/name_tables.h"
#include "frontend_fixture.h"

namespace zentrel {
namespace {

using test::compileWords;

struct PrecedenceCase {
    std::string_view source;
    std::string_view grouped;
};

TEST(PrecedencePass, GroupsByLevel) {
    const PrecedenceCase cases[] = {
        {"1 + 2 * 3 + 4", "1 + ( 2 * 3 ) + 4"},
        {"1 + 2 + 3", "1 + 2 + 3"},
        {"1 * 2 + 3", "1 * 2 + 3"},
        {"1 , 2 + 3 * 4 , 5", "1 , ( 2 + ( 3 * 4 ) ) , 5"},
        {"@a = @b = 3", "@a = ( @b = 3 )"},
        {"@a = @b += @c -= 1", "@a = ( @b += ( @c -= 1 ) )"},
        {"@a = @b = @c = 3 , 4", "@a = ( @b = ( @c = 3 ) ) , 4"},
        {"@a = 1 + 2", "@a = ( 1 + 2 )"},
        {"@a [==] 1 [&&] @b [<] 2", "@a [==] 1 [&&] ( @b [<] 2 )"},
        {"2 * [-] 3", "2 * ( [-] 3 )"},
        {"[-] 3 * 2", "[-] 3 * 2"},
        {"@a ++ * 2", "@a ++ * 2"},
        {"sin x * exp ( [-] x / 10 ) + log10 ( abs x + 1 )",
         "sin x * exp ( [-] x / 10 ) + log10 ( abs x + 1 )"},
        {"1 + sin x * 2", "1 + ( sin x * 2 )"},
        {"( 1 + 2 * 3 ) * 4", "( 1 + ( 2 * 3 ) ) * 4"},
        {"1 + ( 2 ) * 3", "1 + ( ( 2 ) * 3 )"},
        {"@c ? 1 + 2 , 3", "@c ? ( 1 + 2 ) , 3"},
        {"+ 3 * 2", "+ ( 3 * 2 )"},
        {"* 2", "* 2"},
    };
    for (const PrecedenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(compileWords(c.source), c.grouped);
    }
}

TEST(PrecedencePass, ControlKeywordsOpenAGroup) {
    const PrecedenceCase cases[] = {
        {"return @a + 1", "return ( @a + 1 )"},
        {"return @a + 1 + 2", "return ( @a + 1 + 2 )"},
        {"if @a [==] 1", "if ( @a [==] 1 )"},
        {"while ( @i [<] 10 )", "while ( @i [<] 10 )"},
        {"if ( @a [<] 1 ) [&&] ( @b [>] 2 )", "if ( ( @a [<] 1 ) [&&] ( @b [>] 2 ) )"},
        {"return ( 1 ) + 2", "return ( ( 1 ) + 2 )"},
        // A `)` between the keyword and the operator that has no partner there
        // gets its own `(`, so that the line reads as it lists.
        {"return 1 ) + 2", "return ( ( 1 ) + 2 )"},
        {"( if x ) + 1", "( if ( ( x ) + 1 ) )"},
        {"@s = 0 ? for @i = 0", "@s = ( 0 ? for ( ( @i ) = 0 ) )"},
        {"@a = 1 if @b + 2", "@a = 1 if ( @b + 2 )"},
        {"return", "return"},
    };
    for (const PrecedenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(compileWords(c.source), c.grouped);
    }
}

TEST(PrecedencePass, BalancesTheLine) {
    const PrecedenceCase cases[] = {
        {"( 1 + 2", "( 1 + 2 )"}, {"1 + 2 )", "( 1 + 2 )"}, {") ) x", "( ( ) ) x"},
        {"( ( x", "( ( x ) )"},   {") (", "( ) ( )"},       {"", ""},
    };
    for (const PrecedenceCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(compileWords(c.source), c.grouped);
    }
}

// The pass written as directly as possible: for every operator, walk back to
// find the left boundary and, from there, forward to find the end of the
// group. Quadratic, and obviously what is meant; the real pass must give
// exactly the same line.
void referencePass(TokenLine& line) {
    auto level = [](const Token* t) { return operatorLevel(t->payload.asByte()); };
    auto insertAfter = [&line](Token* t, TokenKind kind) {
        ASSERT_EQ(line.insertBefore(t->next(), kind, TokenPayload()), kSuccess);
    };
    for (Token* p = line.head(); p; p = p->next()) {
        if (p->kind != TokenKind::Operator) continue;
        int depth = 0;
        for (Token* q = p->prev(); q; q = q->prev()) {
            if (q->kind == TokenKind::CloseParen) {
                ++depth;
            } else if (q->kind == TokenKind::OpenParen) {
                if (depth-- == 0) break;
            } else if (q->kind == TokenKind::Control) {
                for (int opens = 0; opens <= depth; ++opens)
                    insertAfter(q, TokenKind::OpenParen);
                break;
            } else if (q->kind == TokenKind::Operator && depth == 0 &&
                       (level(q) < level(p) ||
                        (level(q) == kAssignmentLevel && level(p) == kAssignmentLevel))) {
                const int endLevel =
                    level(q) == kAssignmentLevel && level(p) == kAssignmentLevel ? 1 : level(q);
                int depth2 = 0;
                Token* r = p->next();
                for (; r; r = r->next()) {
                    if (r->kind == TokenKind::OpenParen) {
                        ++depth2;
                    } else if (r->kind == TokenKind::CloseParen) {
                        if (depth2-- == 0) break;
                    } else if (r->kind == TokenKind::Operator && depth2 == 0 &&
                               level(r) <= endLevel) {
                        break;
                    }
                }
                insertAfter(q, TokenKind::OpenParen);
                if (r) {
                    ASSERT_EQ(line.insertBefore(r, TokenKind::CloseParen, TokenPayload()),
                              kSuccess);
                }
                break;
            }
        }
    }
    int open = 0;
    for (Token* t = line.head(); t; t = t->next()) {
        if (t->kind == TokenKind::OpenParen) {
            ++open;
        } else if (t->kind == TokenKind::CloseParen) {
            if (open == 0) {
                ASSERT_EQ(line.insertBefore(line.head(), TokenKind::OpenParen, TokenPayload()),
                          kSuccess);
            } else {
                --open;
            }
        }
    }
    for (; open > 0; --open) {
        ASSERT_EQ(line.append(TokenKind::CloseParen, TokenPayload()), kSuccess);
    }
}

// A line of random parentheses, control keywords, names and operators drawn
// from every level, assignments twice as often. Each line mixes the kinds in
// its own proportions, so that lines rich in parentheses or in control
// keywords come up as well.
// The payload of a random token of the kind; the i-th word of a line is a letter.
TokenPayload randomPayload(std::mt19937& random, TokenKind kind, int i) {
    const std::uint8_t operators[] = {0,  4,  6,  8,  11, 12, 13, 15, 19, 21, 22,
                                      23, 24, 25, 26, 27, 28, 31, 38, 27, 31};
    switch (kind) {
        case TokenKind::Operator:
            return TokenPayload::byte(operators[random() % std::size(operators)]);
        case TokenKind::Control:
            return TokenPayload::byte(20);
        case TokenKind::Name:
            return TokenPayload::text(std::string(1, static_cast<char>('a' + i % 26)));
        default:
            return TokenPayload();
    }
}

void appendRandomLine(std::mt19937& random, TokenLine& line) {
    const TokenKind kinds[] = {TokenKind::OpenParen, TokenKind::CloseParen, TokenKind::Control,
                               TokenKind::Name, TokenKind::Operator};
    std::discrete_distribution<int> pickKind({double(random() % 4), double(random() % 4),
                                              double(random() % 3), double(1 + random() % 3),
                                              double(1 + random() % 4)});
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) {
        const TokenKind kind = kinds[pickKind(random)];
        ASSERT_EQ(line.append(kind, randomPayload(random, kind, i)), kSuccess);
    }
}

TEST(PrecedencePass, MatchesTheDirectWalkOnRandomLines) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        TokenLine fast;
        appendRandomLine(random, fast);
        TokenLine reference;
        ASSERT_EQ(reference.copyFrom(fast), kSuccess);
        const std::string before = test::listLine(fast);
        referencePass(reference);
        ASSERT_EQ(applyPrecedence(fast), kSuccess);
        ASSERT_EQ(test::listLine(fast), test::listLine(reference)) << "from: " << before;
    }
}

// Compiling the listing of a compiled line runs the pass over its own output,
// which must leave the line as it is.
TEST(PrecedencePass, KeepsItsOwnOutputOnRandomLines) {
    std::mt19937 random(20240612);
    for (int round = 0; round < 20000; ++round) {
        TokenLine line;
        appendRandomLine(random, line);
        const std::string before = test::listLine(line);
        ASSERT_EQ(applyPrecedence(line), kSuccess);
        const std::string grouped = test::listLine(line);
        ASSERT_EQ(applyPrecedence(line), kSuccess);
        ASSERT_EQ(test::listLine(line), grouped) << "from: " << before;
    }
}

TEST(PrecedencePass, ListingsCompileToThemselves) {
    for (std::string_view source :
         {"@s = 0? for @i = 0", "func g a b e)f + 1", "1 + 2 * return 3 + 4 ) * 5",
          "( ( if x ) ) [||] y = 2", "while ) ) ( @a = @b = 1", "return 1 + 2"}) {
        SCOPED_TRACE(source);
        const std::string listed = compileWords(source);
        EXPECT_EQ(compileWords(listed), listed);
    }
}

// Lines far beyond any real input must compile in linear time and without
// recursion; each of these is about 100 KB.
TEST(PrecedencePass, HugeLinesStayLinear) {
    std::string nested, closing, chain, wide, controls, oneControl = "if ", assignments;
    for (int i = 0; i < 10000; ++i) {
        nested += "( 1 + 2 * ";
        closing += ") ";
        chain += "1 + 2 * ";
        wide += "@a = 1 , ";
        controls += "if ) + 1 ";
        oneControl += ") + 1 ";
        assignments += "@a = ";
    }
    const std::string lines[] = {nested,   closing + "x", chain + "3",      wide + "2",
                                 controls, oneControl,    assignments + "1"};
    test::Modes modes;
    for (const std::string& text : lines) {
        SCOPED_TRACE(text.substr(0, 20));
        TokenLine line;
        ASSERT_EQ(line.compile(modes.view(), text, false), kSuccess);
        int depth = 0;
        for (const Token* t = line.head(); t; t = t->next()) {
            depth += t->kind == TokenKind::OpenParen    ? 1
                     : t->kind == TokenKind::CloseParen ? -1
                                                        : 0;
            ASSERT_GE(depth, 0);
        }
        EXPECT_EQ(depth, 0);
    }
}

}  // namespace
}  // namespace zentrel
