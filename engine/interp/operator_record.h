#pragma once

#include <array>
#include <cstdint>

#include "engine/frontend/token_kind.h"

namespace zentrel {

// Room for element numbers after an array operand in the operator record.
inline constexpr int kMaxElementNumbers = 15;

// Where the value of the last operand came from: its token kind and, for a
// variable or array, the settled slot (a label or an indirect `@:` already
// resolved) with the element numbers read after an array. Storing operators
// find their target here. A variable or array named by a label has kind
// Variable or Array with `named` set.
struct OperatorRecord {
    TokenKind kind = TokenKind::NoOperator;
    std::uint8_t slot = 0;
    bool named = false;  // written through its label, not its letter
    int elementCount = 0;
    std::array<std::int32_t, kMaxElementNumbers> elements{};

    // Points the record at a new source. The element numbers past
    // elementCount are never read, so they are left as they are: every
    // operand sets the record.
    void set(TokenKind newKind, std::uint8_t newSlot = 0, bool newNamed = false) {
        kind = newKind;
        slot = newSlot;
        named = newNamed;
        elementCount = 0;
    }
};

}  // namespace zentrel
