#include "engine/frontend/scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentrel {
namespace {

// Records words as «text» and symbols in their written form, joined by blanks.
class Recorder final : public ScanSink {
  public:
    void word(std::string_view text, SourceSpan span) override {
        add("\xC2\xAB" + std::string(text) + "\xC2\xBB", span);
    }
    void symbol(TokenKind kind, OperatorId id, SourceSpan span) override {
        switch (kind) {
            case TokenKind::Operator:
                add(std::string(operatorText(idByte(id))), span);
                break;
            case TokenKind::OpenParen:
                add("(", span);
                break;
            case TokenKind::CloseParen:
                add(")", span);
                break;
            case TokenKind::OpenBrace:
                add("{", span);
                break;
            case TokenKind::CloseBrace:
                add("}", span);
                break;
            case TokenKind::EmptyBrackets:
                add("[]", span);
                break;
            default:
                add("?", span);
                break;
        }
    }

    std::string items;
    std::vector<SourceSpan> spans;

  private:
    void add(const std::string& item, SourceSpan span) {
        if (!items.empty()) items += ' ';
        items += item;
        spans.push_back(span);
    }
};

std::string scan(std::string_view text) {
    Recorder recorder;
    scanStatement(text, recorder);
    return recorder.items;
}

struct ScanCase {
    std::string_view source;
    std::string_view items;
};

void expectScans(std::initializer_list<ScanCase> cases) {
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(scan(c.source), c.items);
    }
}

TEST(Scanner, WordsAndBlanks) {
    expectScans({
        {"", ""},
        {"   \t\r\n", ""},
        {"sin x", "«sin» «x»"},
        {"a<b", "«a<b»"},
        {"!x ~y", "«!x» «~y»"},
        {"1.5e3", "«1.5e3»"},
        {"a\vb", "«a\vb»"},
    });
}

TEST(Scanner, OperatorsAndCompoundAssignments) {
    expectScans({
        {"@a+=1", "«@a» += «1»"},
        {"@a++", "«@a» ++"},
        {"@a--", "«@a» --"},
        {"a-=b", "«a» -= «b»"},
        {"a+b-c", "«a» + «b» - «c»"},
        {"a*b/c%d", "«a» * «b» / «c» % «d»"},
        {"a*=b/=c%=d", "«a» *= «b» /= «c» %= «d»"},
        {"a&b^c|d", "«a» & «b» ^ «c» | «d»"},
        {"a&=b^=c|=d", "«a» &= «b» ^= «c» |= «d»"},
        {"a&&b", "«a» & & «b»"},
        {"a==b", "«a» = = «b»"},
        {"a<<b>>c", "«a» << «b» >> «c»"},
        {"a<<=b>>=c", "«a» <<= «b» >>= «c»"},
        {"a<=b", "«a<» = «b»"},
        {"a,b?c", "«a» , «b» ? «c»"},
        {"+++", "++ +"},
        {"(a){b}", "( «a» ) { «b» }"},
    });
}

TEST(Scanner, Brackets) {
    expectScans({
        {"[\"a b]", "«\"a b»"},
        {"[]", "[]"},
        {"[&]", "«&»"},
        {"[&&]", "«&&»"},
        {"@a [<] @b", "«@a» «<» «@b»"},
        {"x[-]y", "«x» «-» «y»"},
        {"[ ( ; ]", "« ( ; »"},
        {"[[a]", "«[a»"},
        {"]a", "«]a»"},
        {"[abc", "«abc»"},
        {"[", ""},
        {"a [", "«a»"},
    });
}

TEST(Scanner, Escapes) {
    expectScans({
        {"1e\\+5", "«1e+5»"},
        {"\\-3", "«-3»"},
        {"a\\ b", "«a b»"},
        {"a\\;b", "«a;b»"},
        {"\\(x\\)", "«(x)»"},
        {"[\"x\\]y]", "«\"x]y»"},
        {"\\x1F \\0777 \\n", "«\\x1F» «\\0777» «\\n»"},
        {"\\a\\b\\e\\f\\r\\t\\v", "«\\a\\b\\e\\f\\r\\t\\v»"},
        {"\\\\", "«\\\\»"},
        {"\\q", "«q»"},
        {"x\\", "«x»"},
        {"\\", ""},
        {"[a\\", "«a»"},
    });
}

TEST(Scanner, ColonCutsIndirectForms) {
    expectScans({
        {"@:97", "«@:» «97»"},
        {"@@:1 2", "«@@:» «1» «2»"},
        {"@a:b", "«@a:» «b»"},
        {":print x", "«:print» «x»"},
        {"a:b", "«a:b»"},
        {":", "«:»"},
        {"[@:x]", "«@:x»"},
    });
}

TEST(Scanner, SpansCoverTheSourceOfEachItem) {
    Recorder recorder;
    scanStatement("ab += [\"c]\\+d", recorder);
    ASSERT_EQ(recorder.items, "«ab» += «\"c» «+d»");
    const std::size_t expected[][2] = {{0, 2}, {3, 5}, {6, 10}, {10, 13}};
    ASSERT_EQ(recorder.spans.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(recorder.spans[i].begin, expected[i][0]) << i;
        EXPECT_EQ(recorder.spans[i].end, expected[i][1]) << i;
    }
}

TEST(Scanner, LongWordsKeepTheirFirstCharacters) {
    const std::string longWord(1000, 'w');
    EXPECT_EQ(scan(longWord + " x"), "«" + std::string(kMaxWordLength, 'w') + "» «x»");
    EXPECT_EQ(scan("[\"" + longWord + "] +"), "«\"" + std::string(kMaxWordLength - 1, 'w') + "» +");
    // A kept escape pair that no longer fits is dropped whole.
    const std::string almostFull(kMaxWordLength - 1, 'w');
    EXPECT_EQ(scan(almostFull + "\\nq"), "«" + almostFull + "»");
    EXPECT_EQ(scan(almostFull + "\\+q"), "«" + almostFull + "+»");
}

TEST(Scanner, SurvivesArbitraryBytes) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    const std::string text = bytes + bytes + "[" + bytes;
    Recorder recorder;
    scanStatement(text, recorder);
    EXPECT_FALSE(recorder.items.empty());
    for (const SourceSpan& span : recorder.spans) {
        EXPECT_LT(span.begin, span.end);
        EXPECT_LE(span.end, text.size());
    }
}

}  // namespace
}  // namespace zentrel
