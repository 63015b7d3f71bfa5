#include "engine/frontend/token_line.h"

#include <algorithm>
#include <new>
#include <utility>

namespace zentrel {
namespace {

// Chunks double from a size that holds a short statement up to a size that
// keeps the waste of a long line small.
constexpr std::size_t kFirstChunkTokens = 8;
constexpr std::size_t kLargestChunkTokens = 1024;

}  // namespace

TokenLine::TokenLine(TokenLine&& other) noexcept {
    *this = std::move(other);
}

TokenLine& TokenLine::operator=(TokenLine&& other) noexcept {
    if (this != &other) {
        chunks_ = std::move(other.chunks_);
        activeChunk_ = std::exchange(other.activeChunk_, 0);
        free_ = std::exchange(other.free_, nullptr);
        head_ = std::exchange(other.head_, nullptr);
        tail_ = std::exchange(other.tail_, nullptr);
        cursor_ = std::exchange(other.cursor_, nullptr);
        count_ = std::exchange(other.count_, 0);
        nextSerial_ = std::exchange(other.nextSerial_, 0);
        compiled_ = std::move(other.compiled_);
        runs_ = std::exchange(other.runs_, 0);
        other.chunks_.clear();
    }
    return *this;
}

Token* TokenLine::at(int n) const {
    if (n < 0) return nullptr;
    Token* token = head_;
    for (; token && n > 0; --n)
        token = token->next_;
    return token;
}

Token* TokenLine::allocate(TokenKind kind, TokenPayload&& payload) {
    if (free_) {
        Token* token = std::exchange(free_, free_->next_);
        token->kind = kind;
        token->payload = std::move(payload);
        return token;
    }
    while (activeChunk_ < chunks_.size() &&
           chunks_[activeChunk_].size() == chunks_[activeChunk_].capacity()) {
        ++activeChunk_;
    }
    if (activeChunk_ == chunks_.size()) {
        reserveChunk(chunks_.empty()
                         ? kFirstChunkTokens
                         : std::min(2 * chunks_.back().capacity(), kLargestChunkTokens));
    }
    return &chunks_[activeChunk_].emplace_back(kind, std::move(payload));
}

void TokenLine::reserveChunk(std::size_t tokens) {
    chunks_.emplace_back().reserve(tokens);
}

void TokenLine::reserveTokens(std::size_t tokens) {
    if (chunks_.empty()) reserveChunk(std::min(tokens, kLargestChunkTokens));
}

Token* TokenLine::emplaceBefore(Token* before, TokenKind kind, TokenPayload payload) {
    forgetCompiled();
    Token* token = allocate(kind, std::move(payload));
    token->serial_ = nextSerial_++;
    token->next_ = before;
    token->prev_ = before ? before->prev_ : tail_;
    (token->prev_ ? token->prev_->next_ : head_) = token;
    (before ? before->prev_ : tail_) = token;
    ++count_;
    return token;
}

ErrorCode TokenLine::append(TokenKind kind, const TokenPayload& payload) {
    return insertBefore(nullptr, kind, payload);
}

ErrorCode TokenLine::insertBefore(Token* before, TokenKind kind, const TokenPayload& payload) {
    try {
        emplaceBefore(before, kind, payload);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

ErrorCode TokenLine::appendConstant(const Number& number) {
    return append(TokenKind::Constant, TokenPayload::number(number));
}

ErrorCode TokenLine::appendMatrixConstant(const Value& value) {
    try {
        emplaceBefore(nullptr, TokenKind::MatrixConstant, TokenPayload::value(value));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

ErrorCode TokenLine::removeAt(int n) {
    Token* token = at(n);
    if (!token) return kNoSuchToken;
    forgetCompiled();
    (token->prev_ ? token->prev_->next_ : head_) = token->next_;
    (token->next_ ? token->next_->prev_ : tail_) = token->prev_;
    if (cursor_ == token) cursor_ = token->next_;
    token->payload = TokenPayload();
    token->prev_ = nullptr;
    token->next_ = std::exchange(free_, token);
    --count_;
    return kSuccess;
}

void TokenLine::clear() {
    forgetCompiled();
    for (std::vector<Token>& chunk : chunks_)
        chunk.clear();
    activeChunk_ = 0;
    free_ = head_ = tail_ = cursor_ = nullptr;
    count_ = 0;
    nextSerial_ = 0;
}

ErrorCode TokenLine::copyFrom(const TokenLine& source) {
    if (&source == this) return kSuccess;
    clear();
    try {
        for (Token* token = source.head_; token; token = token->next_) {
            Token* copy = emplaceBefore(nullptr, token->kind, token->payload);
            if (token == source.cursor_) cursor_ = copy;
        }
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

}  // namespace zentrel
