#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/interp/vector_store.h"
#include "engine/values/error_code.h"

namespace zentrel {

// Text kept in an array's vector store: one character code per element of the root list,
// ended by an element whose value truncates to 0.

// The text: each element truncated to an integer and cut to its low 8 bits, up to the
// first 0.
std::string readArrayText(const VectorNode& root);

// Stores the text, its escapes translated, from element `position` on and writes a 0
// after it; the list then ends with that 0. Codes are exact fractions n/1 in fraction
// representation, else reals. With `end`, it receives the position of the first 0
// stored (a \0 in the text ends it early), which is the new length of the text when
// nothing before `position` ended it.
[[nodiscard]] ErrorCode storeArrayText(VectorNode& root, std::int64_t position,
                                       std::string_view text, bool fractionRepresentation,
                                       std::int64_t* end = nullptr);

// Adds `shift` to every code of the text from `first` to `last` (:strlwr, :strupr).
void shiftTextCodes(VectorNode& root, int first, int last, int shift, bool fractionRepresentation);

}  // namespace zentrel
