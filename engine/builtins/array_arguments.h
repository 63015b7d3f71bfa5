#pragma once

#include <cstdint>
#include <string>

#include "engine/frontend/token.h"
#include "engine/interp/vector_store.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// Arguments of the matrix, text and console functions and commands that name arrays.
// `wrongKind` is the error for a missing or unsuitable argument: 0x2103 for a function,
// 0x2141 for a command; it names `applying`.

struct ArrayArgument {
    std::uint8_t slot = 0;
    bool named = false;  // written through its label, not its letter
};

// True when the next token is an array: an Array or NamedArray token, or a word that is
// an array label (and not a variable label, which wins). Such a word becomes a
// NamedArray in place, as the evaluator would make it.
bool arrayArgumentFollows(Engine& engine, Context& ctx);

ErrorCode readArrayArgument(Engine& engine, Context& ctx, const Token& applying,
                            ErrorCode wrongKind, ArrayArgument& array);

// A matrix argument: an array's matrix store itself (no element numbers are read), or
// else one operand evaluated into `scratch`. `matrix` points at whichever holds it.
ErrorCode readMatrixArgument(Engine& engine, Context& ctx, const Token& function, Value& scratch,
                             const Value*& matrix);

// A text argument: a string literal as written (no escapes translated), or an array's text.
ErrorCode readTextArgument(Engine& engine, Context& ctx, const Token& applying, ErrorCode wrongKind,
                           std::string& text);

// The stores of an array argument for writing. A slot written through its letter first
// hands a name's contents to a fresh slot. Null when they cannot be made.
VectorNode* writableVectorOf(Context& ctx, const ArrayArgument& array);
Value* writableMatrixOf(Context& ctx, const ArrayArgument& array);

}  // namespace zentrel
