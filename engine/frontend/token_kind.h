#pragma once

#include <cstdint>

namespace zentrel {

// The kind byte of a token; the numbers are part of the language's interfaces
// (dispatch tables are indexed by them).
enum class TokenKind : std::uint8_t {
    OpenParen = 0,
    Variable = 1,       // payload: the variable's letter
    NamedVariable = 2,  // payload: label text
    Array = 3,          // payload: the array's letter (0 for the lone `@`)
    NamedArray = 4,     // payload: label text
    Constant = 5,       // payload: Number
    Name = 6,           // payload: the word as written
    Command = 7,        // payload: command id
    Control = 8,        // payload: control keyword id
    Operator = 9,       // payload: operator id
    Function = 10,      // payload: built-in function id
    ExternalCall = 11,  // payload: the name after `!`
    // Never stored in a token list: the interpreter's operator record uses it
    // for "no operator".
    NoOperator = 12,
    CloseParen = 13,
    OpenBrace = 14,
    CloseBrace = 15,
    MatrixConstant = 16,  // payload: Value; made at run time only
    String = 17,          // payload: everything after the opening `"`
    Reference = 20,
    EmptyBrackets = 21,
};

constexpr std::uint8_t kindCode(TokenKind kind) {
    return static_cast<std::uint8_t>(kind);
}

}  // namespace zentrel
