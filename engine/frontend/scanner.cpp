#include "engine/frontend/scanner.h"

#include <array>
#include <cstring>

namespace zentrel {
namespace {

// Characters whose escape stays in the word as two characters, to be read later
// as a character escape or an escape number.
bool keepsEscape(char next) {
    return (next >= '0' && next <= '9') || next == '\\' ||
           (next != '\0' && std::strchr("abefnrtvx", next) != nullptr);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Operator ids of a symbol alone and followed by `=`.
struct SymbolOperators {
    char symbol;
    OperatorId plain;
    OperatorId withEquals;
};

constexpr std::array<SymbolOperators, 6> kAssigningSymbols{{
    {'*', OperatorId::Multiply, OperatorId::MultiplyAssign},
    {'/', OperatorId::Divide, OperatorId::DivideAssign},
    {'%', OperatorId::Remainder, OperatorId::RemainderAssign},
    {'&', OperatorId::BitAnd, OperatorId::AndAssign},
    {'^', OperatorId::BitXor, OperatorId::XorAssign},
    {'|', OperatorId::BitOr, OperatorId::OrAssign},
}};

class Scanner {
  public:
    Scanner(std::string_view text, ScanSink& sink) : text_(text), sink_(sink) {}

    void run() {
        while (pos_ < text_.size())
            step();
        // An unclosed bracket ends with the statement; its contents are one word.
        inBrackets_ = false;
        emitWord(text_.size());
    }

  private:
    char peek(std::size_t ahead) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    void step() {
        char c = text_[pos_];
        if (c == '\\') {
            escape();
        } else if (inBrackets_) {
            if (c == ']') {
                closeBrackets();
            } else {
                add(c);
                ++pos_;
            }
        } else if (c == '[') {
            emitWord(pos_);
            inBrackets_ = true;
            startWord();
            ++pos_;
        } else {
            bareCharacter(c);
        }
    }

    void escape() {
        if (pos_ + 1 >= text_.size()) {
            ++pos_;  // a backslash at the very end is dropped
            return;
        }
        char next = text_[pos_ + 1];
        if (keepsEscape(next)) {
            addPair('\\', next);
        } else {
            add(next);
        }
        pos_ += 2;
    }

    void closeBrackets() {
        inBrackets_ = false;
        if (length_ == 0) {
            sink_.symbol(TokenKind::EmptyBrackets, OperatorId{}, {wordBegin_, pos_ + 1});
            pending_ = false;
        } else {
            emitWord(pos_ + 1);
        }
        ++pos_;
    }

    void bareCharacter(char c) {
        if (isBlank(c)) {
            emitWord(pos_);
            ++pos_;
            return;
        }
        switch (c) {
            case '(':
                return emitSymbol(TokenKind::OpenParen, 1);
            case ')':
                return emitSymbol(TokenKind::CloseParen, 1);
            case '{':
                return emitSymbol(TokenKind::OpenBrace, 1);
            case '}':
                return emitSymbol(TokenKind::CloseBrace, 1);
            case ',':
                return emitOperator(OperatorId::ListSeparator, 1);
            case '=':
                return emitOperator(OperatorId::Assign, 1);
            case '?':
                return emitOperator(OperatorId::Conditional, 1);
            case '+':
                return plusOrMinus(OperatorId::Add, OperatorId::PostIncrement,
                                   OperatorId::AddAssign);
            case '-':
                return plusOrMinus(OperatorId::Subtract, OperatorId::PostDecrement,
                                   OperatorId::SubtractAssign);
            case '<':
                return shift(OperatorId::ShiftLeft, OperatorId::ShiftLeftAssign);
            case '>':
                return shift(OperatorId::ShiftRight, OperatorId::ShiftRightAssign);
            case ':':
                return colon();
            case '*':
            case '/':
            case '%':
            case '&':
            case '^':
            case '|':
                return assigningSymbol(c);
            default:
                break;
        }
        add(c);
        ++pos_;
    }

    void assigningSymbol(char c) {
        for (const SymbolOperators& row : kAssigningSymbols) {
            if (row.symbol == c) {
                return peek(1) == '=' ? emitOperator(row.withEquals, 2)
                                      : emitOperator(row.plain, 1);
            }
        }
    }

    void plusOrMinus(OperatorId plain, OperatorId doubled, OperatorId withEquals) {
        char next = peek(1);
        if (next == text_[pos_]) return emitOperator(doubled, 2);
        if (next == '=') return emitOperator(withEquals, 2);
        emitOperator(plain, 1);
    }

    // `<<` and `>>` are operators; a single `<` or `>` is a word character.
    void shift(OperatorId plain, OperatorId withEquals) {
        if (peek(1) != text_[pos_]) {
            add(text_[pos_]);
            ++pos_;
            return;
        }
        if (peek(2) == '=') return emitOperator(withEquals, 3);
        emitOperator(plain, 2);
    }

    // `@:` and `@@:` are complete words, so the operand after them stays separate.
    void colon() {
        add(':');
        ++pos_;
        if (word_[0] == '@') emitWord(pos_);
    }

    void emitSymbol(TokenKind kind, std::size_t width) {
        emitWord(pos_);
        sink_.symbol(kind, OperatorId{}, {pos_, pos_ + width});
        pos_ += width;
    }

    void emitOperator(OperatorId id, std::size_t width) {
        emitWord(pos_);
        sink_.symbol(TokenKind::Operator, id, {pos_, pos_ + width});
        pos_ += width;
    }

    void startWord() {
        pending_ = true;
        truncated_ = false;
        length_ = 0;
        wordBegin_ = pos_;
    }

    void add(char c) {
        if (!pending_) startWord();
        if (truncated_ || length_ == word_.size()) {
            truncated_ = true;
            return;
        }
        word_[length_++] = c;
    }

    // An escape kept as two characters is kept whole or not at all, so a cut
    // word never ends in a lone backslash.
    void addPair(char first, char second) {
        if (!pending_) startWord();
        if (truncated_ || length_ + 2 > word_.size()) {
            truncated_ = true;
            return;
        }
        word_[length_++] = first;
        word_[length_++] = second;
    }

    void emitWord(std::size_t end) {
        if (!pending_) return;
        pending_ = false;
        if (length_ > 0) sink_.word(std::string_view(word_.data(), length_), {wordBegin_, end});
    }

    std::string_view text_;
    ScanSink& sink_;
    std::size_t pos_ = 0;
    std::array<char, kMaxWordLength> word_{};
    std::size_t length_ = 0;
    std::size_t wordBegin_ = 0;
    bool pending_ = false;
    bool truncated_ = false;
    bool inBrackets_ = false;
};

}  // namespace

void scanStatement(std::string_view statement, ScanSink& sink) {
    Scanner(statement, sink).run();
}

bool isBlankText(std::string_view text) {
    for (const char c : text) {
        if (!isBlank(c)) return false;
    }
    return true;
}

}  // namespace zentrel
