#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "engine/frontend/token_kind.h"
#include "engine/values/number.h"
#include "engine/values/value.h"

namespace zentrel {

// What a token owns: nothing, one byte (letter or id), a text, a Number or a
// Value; the token's kind says which. Copies are deep. Short texts live inside
// the payload, so only a MatrixConstant always allocates.
class TokenPayload {
  public:
    TokenPayload() = default;
    static TokenPayload byte(std::uint8_t value) { return TokenPayload(Data(value)); }
    static TokenPayload text(std::string_view value) {
        return TokenPayload(Data(std::string(value)));
    }
    static TokenPayload number(const Number& value) { return TokenPayload(Data(value)); }
    static TokenPayload value(const Value& value) {
        return TokenPayload(Data(OwnedValue{std::make_unique<Value>(value)}));
    }

    bool isNone() const { return std::holds_alternative<std::monostate>(data_); }
    // Each accessor answers for a payload of another type with 0, an empty
    // text or null, so a token of an unexpected kind is never read out of bounds.
    std::uint8_t asByte() const {
        const std::uint8_t* b = std::get_if<std::uint8_t>(&data_);
        return b ? *b : 0;
    }
    std::string_view asText() const {
        const std::string* s = std::get_if<std::string>(&data_);
        return s ? std::string_view(*s) : std::string_view();
    }
    const Number* asNumber() const { return std::get_if<Number>(&data_); }
    Number* asNumber() { return std::get_if<Number>(&data_); }
    const Value* asValue() const;

    friend bool operator==(const TokenPayload& a, const TokenPayload& b);

  private:
    // A Value is large and rare in token lists, so it is kept behind a pointer.
    struct OwnedValue {
        std::unique_ptr<Value> value;
        OwnedValue(std::unique_ptr<Value> v) : value(std::move(v)) {}
        OwnedValue(const OwnedValue& other)
            : value(other.value ? std::make_unique<Value>(*other.value) : nullptr) {}
        OwnedValue& operator=(const OwnedValue& other) {
            if (this != &other)
                value = other.value ? std::make_unique<Value>(*other.value) : nullptr;
            return *this;
        }
        OwnedValue(OwnedValue&&) noexcept = default;
        OwnedValue& operator=(OwnedValue&&) noexcept = default;
    };
    using Data = std::variant<std::monostate, std::uint8_t, std::string, Number, OwnedValue>;

    explicit TokenPayload(Data data) : data_(std::move(data)) {}

    Data data_;
};

// One node of a TokenLine. The interpreter may change kind and payload in place
// (a Name becomes a Constant or a NamedVariable); the links belong to the line.
class Token {
  public:
    TokenKind kind = TokenKind::OpenParen;
    TokenPayload payload;

    Token() = default;
    Token(TokenKind k, TokenPayload p) : kind(k), payload(std::move(p)) {}

    Token* prev() const { return prev_; }
    Token* next() const { return next_; }

  private:
    friend class TokenLine;
    friend class PrecedencePass;

    Token* prev_ = nullptr;
    Token* next_ = nullptr;
    std::uint32_t serial_ = 0;  // creation order within the line, for compile-time side tables
};

}  // namespace zentrel
