#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrel {

// The interpreter's internal limits, in one place so that a test build
// (CMake option ZENTREL_SMALL_LIMITS) can shrink them and let ordinary tests
// reach every limit path. Each limit is refused with an error, never a crash.
#ifdef ZENTREL_SMALL_LIMITS
inline constexpr bool kSmallLimits = true;
#else
inline constexpr bool kSmallLimits = false;
#endif

// The longest word (bracket contents included) the scanner keeps; the rest of
// a longer word is dropped.
inline constexpr std::size_t kMaxWordLength = kSmallLimits ? 15 : 255;

// Parenthesised groups, unary operators and arguments nest through recursion;
// deeper nesting is refused with 0x2000 so that no input can exhaust the stack.
inline constexpr int kMaxNestingDepth = kSmallLimits ? 12 : 512;

// Calls nest through the engine that runs a called body; deeper calls are
// refused with the call's error (0x2109).
inline constexpr int kMaxCallDepth = kSmallLimits ? 4 : 100;

// Elements of one matrix, and entries of one element list: the count and a
// spare zero must fit in 32 bits. Larger shapes are refused with 0x2000 rather
// than wrapped. A build may lower it (ZENTREL_MAX_ELEMENTS) where the memory
// it may use is bounded, as under the fuzzer.
#if defined(ZENTREL_MAX_ELEMENTS)
inline constexpr std::int64_t kMaxElementCount = ZENTREL_MAX_ELEMENTS;
#else
inline constexpr std::int64_t kMaxElementCount = kSmallLimits ? 4095 : INT32_MAX - 1;
#endif
static_assert(kMaxElementCount > 0 && kMaxElementCount <= INT32_MAX - 1);

}  // namespace zentrel
