#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <optional>

#include "engine/frontend/token.h"
#include "engine/interp/context.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;

// One argument of a call, collected in the caller's scope. A variable or an
// array is kept by its slot, so that it is read when bound and can be written
// back; anything else is evaluated at once and kept as a value.
struct CallArgument {
    TokenKind kind = TokenKind::Constant;  // Variable, Array, Constant, MatrixConstant or String
    std::uint8_t slot = 0;                 // the caller's variable or array
    bool named = false;                    // given by its label, not its letter
    std::optional<Value> value;            // Constant and MatrixConstant
    const Token* token = nullptr;          // names the argument in errors; a String's text
};

// The arguments of one call, each made as it is collected: most calls pass
// one or two, and every call makes this list.
class CallArguments {
  public:
    CallArguments() = default;
    CallArguments(const CallArguments&) = delete;
    CallArguments& operator=(const CallArguments&) = delete;
    ~CallArguments() {
        for (int i = 0; i < count_; ++i)
            std::destroy_at(&(*this)[i]);
    }

    int count() const { return count_; }
    bool full() const { return count_ == kParameterCount; }
    CallArgument& operator[](int i) { return *std::launder(at(i)); }
    const CallArgument& operator[](int i) const {
        return *std::launder(reinterpret_cast<const CallArgument*>(storage_) + i);
    }
    // Only while not full().
    CallArgument& add() { return *new (at(count_++)) CallArgument(); }

  private:
    CallArgument* at(int i) { return reinterpret_cast<CallArgument*>(storage_) + i; }

    alignas(CallArgument) unsigned char storage_[kParameterCount * sizeof(CallArgument)];
    int count_ = 0;
};

// A text or an array, which an argument passes by its token.
bool passedWhole(const Token& token);
// The argument of such a token, read in the caller's scope.
[[nodiscard]] ErrorCode collectWhole(Engine& engine, Context& caller, const Token& token,
                                     CallArgument& arg);

// Reads arguments from the rest of the statement until a token that cannot
// start an operand (left in place) or the end. 0x2161 for an eleventh one.
[[nodiscard]] ErrorCode collectArguments(Engine& engine, Context& caller, CallArguments& args);

// Binds argument i to variable or array `'0' + i` of the called scope, sets
// `@!` to the count and the unused parameter variables to 0.
[[nodiscard]] ErrorCode bindArguments(Engine& engine, const Context& caller, Context& child,
                                      const CallArguments& args);

// Writes the final values of the by-reference parameters back into the
// caller's variables and arrays; 0x210E (naming the argument) for one that
// cannot be assigned.
[[nodiscard]] ErrorCode copyBackArguments(Engine& engine, Context& caller, Context& child,
                                          const CallArguments& args);

}  // namespace zentrel
