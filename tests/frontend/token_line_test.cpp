#include "engine/frontend/token_line.h"

#include <gtest/gtest.h>

#include <string>

#include "frontend_fixture.h"

namespace zentrel {
namespace {

using test::listLine;

TokenPayload letter(char c) {
    return TokenPayload::byte(static_cast<std::uint8_t>(c));
}

class TokenLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(line.append(TokenKind::Variable, letter('a')), kSuccess);
        ASSERT_EQ(line.append(TokenKind::Name, TokenPayload::text("total")), kSuccess);
        ASSERT_EQ(line.append(TokenKind::CloseParen, TokenPayload()), kSuccess);
    }

    TokenLine line;
};

TEST_F(TokenLineTest, CountsAndFindsTokensByPosition) {
    EXPECT_EQ(line.count(), 3);
    EXPECT_EQ(line.at(0), line.head());
    EXPECT_EQ(line.at(2), line.tail());
    EXPECT_EQ(line.at(1)->payload.asText(), "total");
    EXPECT_EQ(line.at(3), nullptr);
    EXPECT_EQ(line.at(-1), nullptr);
    EXPECT_EQ(line.head()->prev(), nullptr);
    EXPECT_EQ(line.tail()->next(), nullptr);
    EXPECT_EQ(line.at(1)->prev(), line.head());
}

TEST_F(TokenLineTest, InsertsBeforeAGivenTokenOrAppends) {
    ASSERT_EQ(line.insertBefore(line.head(), TokenKind::OpenParen, TokenPayload()), kSuccess);
    ASSERT_EQ(line.insertBefore(line.at(2), TokenKind::Operator, TokenPayload::byte(11)), kSuccess);
    ASSERT_EQ(line.insertBefore(nullptr, TokenKind::OpenBrace, TokenPayload()), kSuccess);
    EXPECT_EQ(listLine(line), "( @a + total ) {");
    EXPECT_EQ(line.count(), 6);
    EXPECT_EQ(line.tail()->kind, TokenKind::OpenBrace);
    EXPECT_EQ(line.tail()->prev()->kind, TokenKind::CloseParen);
}

TEST_F(TokenLineTest, AppendsCopiesThatOwnTheirPayload) {
    Token original(TokenKind::String, TokenPayload::text("a long text that does not fit inline"));
    ASSERT_EQ(line.append(original), kSuccess);
    original.payload = TokenPayload::text("changed");
    EXPECT_EQ(line.tail()->payload.asText(), "a long text that does not fit inline");
}

TEST_F(TokenLineTest, AppendsConstantsAndMatrixConstants) {
    ASSERT_EQ(line.appendConstant(Number::fromComplex({1.5, -2})), kSuccess);
    ASSERT_EQ(line.tail()->kind, TokenKind::Constant);
    EXPECT_EQ(line.tail()->payload.asNumber()->complex.im, -2);

    Value matrix;
    ASSERT_EQ(matrix.resize(2, 3, false), kSuccess);
    ASSERT_EQ(matrix.setElement(1, 2, Number::fromComplex({7, 0}), false), kSuccess);
    ASSERT_EQ(line.appendMatrixConstant(matrix), kSuccess);
    ASSERT_EQ(matrix.setElement(1, 2, Number::fromComplex({8, 0}), false), kSuccess);
    const Value* stored = line.tail()->payload.asValue();
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->rows(), 2);
    EXPECT_EQ(stored->cols(), 3);
    EXPECT_EQ(stored->elementAt(1, 2).complex.re, 7);
    EXPECT_EQ(line.tail()->kind, TokenKind::MatrixConstant);
}

TEST_F(TokenLineTest, RemovesTheNthTokenOrReportsThatThereIsNone) {
    line.resetCursor();
    line.setCursor(line.at(1));
    EXPECT_EQ(line.removeAt(1), kSuccess);
    EXPECT_EQ(listLine(line), "@a )");
    EXPECT_EQ(line.cursor(), line.tail()) << "a cursor on the removed token moves on";
    EXPECT_EQ(line.removeAt(2), kNoSuchToken);
    EXPECT_EQ(line.removeAt(-1), kNoSuchToken);
    EXPECT_EQ(line.removeAt(0), kSuccess);
    EXPECT_EQ(line.removeAt(0), kSuccess);
    EXPECT_EQ(line.count(), 0);
    EXPECT_EQ(line.head(), nullptr);
    EXPECT_EQ(line.tail(), nullptr);
    EXPECT_EQ(line.removeAt(0), kNoSuchToken);
}

TEST_F(TokenLineTest, ReusesRemovedTokensWithoutDisturbingOthers) {
    Token* first = line.head();
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(line.append(TokenKind::Name, TokenPayload::text(std::to_string(i))), kSuccess);
        ASSERT_EQ(line.removeAt(3), kSuccess);
    }
    EXPECT_EQ(line.head(), first) << "tokens never move";
    EXPECT_EQ(listLine(line), "@a total )");
}

TEST_F(TokenLineTest, CursorReadsAndPutsBack) {
    line.resetCursor();
    Token* first = line.readNext();
    EXPECT_EQ(first, line.head());
    EXPECT_EQ(line.readNext()->kind, TokenKind::Name);
    line.setCursor(first);  // put back
    EXPECT_EQ(line.readNext(), first);
    line.readNext();
    line.readNext();
    EXPECT_EQ(line.readNext(), nullptr);
    EXPECT_EQ(line.cursor(), nullptr);
}

TEST_F(TokenLineTest, DeepCopyIsIndependentAndKeepsTheCursorPosition) {
    line.setCursor(line.at(1));
    TokenLine copy;
    ASSERT_EQ(copy.append(TokenKind::OpenBrace, TokenPayload()), kSuccess);
    ASSERT_EQ(copy.copyFrom(line), kSuccess);
    EXPECT_EQ(listLine(copy), "@a total )");
    EXPECT_EQ(copy.cursor(), copy.at(1));
    copy.head()->payload = letter('z');
    ASSERT_EQ(copy.removeAt(2), kSuccess);
    EXPECT_EQ(listLine(line), "@a total )");
    EXPECT_EQ(listLine(copy), "@z total");
}

TEST_F(TokenLineTest, ClearEmptiesAndMoveTransfers) {
    TokenLine moved(std::move(line));
    EXPECT_EQ(moved.count(), 3);
    EXPECT_EQ(line.count(), 0);
    EXPECT_EQ(line.head(), nullptr);
    moved.clear();
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(moved.head(), nullptr);
    EXPECT_EQ(moved.cursor(), nullptr);
    ASSERT_EQ(moved.append(TokenKind::CloseBrace, TokenPayload()), kSuccess);
    EXPECT_EQ(listLine(moved), "}");
}

TEST(TokenLine, CompilingAgainReplacesTheTokensAndResetsTheCursor) {
    test::Modes modes;
    TokenLine line;
    ASSERT_EQ(line.compile(modes.view(), "@a = @b", false), kSuccess);
    line.readNext();
    ASSERT_EQ(line.compile(modes.view(), "sin x", false), kSuccess);
    EXPECT_EQ(listLine(line), "sin x");
    EXPECT_EQ(line.count(), 2);
    EXPECT_EQ(line.cursor(), line.head());
}

TEST(TokenPayload, ReadsOfTheWrongTypeAreHarmless) {
    TokenPayload none;
    EXPECT_TRUE(none.isNone());
    EXPECT_EQ(none.asByte(), 0);
    EXPECT_EQ(none.asText(), "");
    EXPECT_EQ(none.asNumber(), nullptr);
    EXPECT_EQ(none.asValue(), nullptr);
    EXPECT_EQ(TokenPayload::text("x").asByte(), 0);
    EXPECT_EQ(TokenPayload::byte(7).asText(), "");
}

}  // namespace
}  // namespace zentrel
