#include <new>

#include "engine/frontend/precedence_pass.h"
#include "engine/frontend/scanner.h"
#include "engine/frontend/token_line.h"
#include "engine/frontend/word_classifier.h"

namespace zentrel {

// Appends one token per scanned item.
class TokenBuilder final : public ScanSink {
  public:
    TokenBuilder(TokenLine& line, const ModeView& modes, bool parseNumbers)
        : line_(line), modes_(modes), parseNumbers_(parseNumbers) {}

    void word(std::string_view text, SourceSpan) override {
        ClassifiedWord token = classifyWord(text, modes_, parseNumbers_);
        line_.emplaceBefore(nullptr, token.kind, std::move(token.payload));
    }

    void symbol(TokenKind kind, OperatorId operatorId, SourceSpan) override {
        line_.emplaceBefore(
            nullptr, kind,
            kind == TokenKind::Operator ? TokenPayload::byte(idByte(operatorId)) : TokenPayload());
    }

  private:
    TokenLine& line_;
    const ModeView& modes_;
    bool parseNumbers_;
};

ErrorCode TokenLine::compile(const ModeView& modes, std::string_view statement, bool parseNumbers) {
    clear();
    // Source texts come from C-style buffers; whatever follows a NUL is not part of them.
    statement = statement.substr(0, statement.find('\0'));
    try {
        // A token takes two characters of source or more, as a rule; the
        // parentheses the precedence pass adds are few. A blank statement (an
        // empty line, `;;`) has no token and reserves nothing.
        if (!isBlankText(statement)) reserveTokens(statement.size() / 2 + 4);
        TokenBuilder builder(*this, modes, parseNumbers);
        scanStatement(statement, builder);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    ErrorCode result = applyPrecedence(*this);
    cursor_ = head_;
    return result;
}

}  // namespace zentrel
