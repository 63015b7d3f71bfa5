#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"

namespace zentrel {

// A token list operation addressed a token that does not exist.
inline constexpr ErrorCode kNoSuchToken = 0x2001;

// What the interpreter derives from a line it runs again and again. The line
// only keeps it, and drops it whenever its tokens change.
class CompiledForm {
  public:
    virtual ~CompiledForm() = default;
};

// One compiled statement: a doubly linked list of tokens with a read cursor.
// Tokens live in chunks owned by the line, so pointers to them stay valid until
// the token is removed or the line is cleared, and recompiling into the same
// line reuses its memory.
class TokenLine {
  public:
    TokenLine() = default;
    TokenLine(const TokenLine&) = delete;
    TokenLine& operator=(const TokenLine&) = delete;
    TokenLine(TokenLine&& other) noexcept;
    TokenLine& operator=(TokenLine&& other) noexcept;
    virtual ~TokenLine() = default;

    // Scanner, word classifier and precedence pass; the previous tokens are
    // freed first. The text ends at its first NUL.
    [[nodiscard]] ErrorCode compile(const ModeView& modes, std::string_view statement,
                                    bool parseNumbers);

    Token* head() const { return head_; }
    Token* tail() const { return tail_; }

    // The token the interpreter reads next (null at the end of the statement).
    Token* cursor() const { return cursor_; }
    void setCursor(Token* token) { cursor_ = token; }
    void resetCursor() { cursor_ = head_; }
    // Returns the token under the cursor and moves the cursor past it; null at the end.
    Token* readNext() {
        Token* token = cursor_;
        if (token) cursor_ = token->next_;
        return token;
    }

    int count() const { return count_; }
    // The n-th token counted from 0, or null.
    Token* at(int n) const;

    [[nodiscard]] ErrorCode append(TokenKind kind, const TokenPayload& payload);
    [[nodiscard]] ErrorCode append(const Token& token) { return append(token.kind, token.payload); }
    // Inserts before `before`; a null `before` appends.
    [[nodiscard]] ErrorCode insertBefore(Token* before, TokenKind kind,
                                         const TokenPayload& payload);
    [[nodiscard]] ErrorCode appendConstant(const Number& number);
    [[nodiscard]] ErrorCode appendMatrixConstant(const Value& value);
    // kNoSuchToken when there is no n-th token. A cursor on the removed token
    // moves to its successor.
    [[nodiscard]] ErrorCode removeAt(int n);
    void clear();
    // Makes this line a deep copy of `source`, cursor position included.
    [[nodiscard]] ErrorCode copyFrom(const TokenLine& source);

    // The interpreter's compiled form, if it made one since the tokens last changed.
    const CompiledForm* compiled() const { return compiled_.get(); }
    void setCompiled(std::unique_ptr<CompiledForm> form) { compiled_ = std::move(form); }
    // Counts a run of the line; true on its `nth` run since the tokens last
    // changed (never for 0), when the interpreter compiles it.
    bool countRun(std::uint8_t nth) { return runs_ < nth && ++runs_ == nth; }

  private:
    friend class PrecedencePass;
    friend class TokenBuilder;

    // Links a new token before `before` (null: at the end) and returns it.
    // Throws std::bad_alloc, which the public operations turn into 0x2000.
    Token* emplaceBefore(Token* before, TokenKind kind, TokenPayload payload);
    Token* emplaceAfter(Token* after, TokenKind kind, TokenPayload payload) {
        return emplaceBefore(after ? after->next_ : head_, kind, std::move(payload));
    }
    // Tokens made since the last clear, removed ones included; every serial is below it.
    std::uint32_t serialCount() const { return nextSerial_; }

    Token* allocate(TokenKind kind, TokenPayload&& payload);
    // Every change of the tokens forgets what was derived from them.
    void forgetCompiled() {
        compiled_.reset();
        runs_ = 0;
    }
    void reserveChunk(std::size_t tokens);
    // Sizes the first chunk of a line that has none for about `tokens` tokens.
    void reserveTokens(std::size_t tokens);

    // Each chunk is reserved once and never grows, so its tokens never move.
    std::vector<std::vector<Token>> chunks_;
    std::size_t activeChunk_ = 0;
    Token* free_ = nullptr;  // removed tokens, chained through next_
    Token* head_ = nullptr;
    Token* tail_ = nullptr;
    Token* cursor_ = nullptr;
    int count_ = 0;
    std::uint32_t nextSerial_ = 0;
    std::unique_ptr<CompiledForm> compiled_;
    std::uint8_t runs_ = 0;
};

}  // namespace zentrel
