#pragma once

#include <cstdint>

namespace zentrel {

// The result of every interpreter operation: 0 success, 1-4 run statuses,
// 5-7 refusals, 0x1000-0x100E warnings, 0x2000 and above errors. Errors travel
// back unchanged from the handler that raised them to the run loop.
using ErrorCode = std::uint32_t;

inline constexpr ErrorCode kSuccess = 0;
inline constexpr ErrorCode kOutOfMemory = 0x2000;
// A stop request or the spent step budget ended the work (StopRequest).
inline constexpr ErrorCode kErrInterrupted = 0x2003;
// A store of numbers would pass the memory limit of the values (MemoryAccount).
inline constexpr ErrorCode kErrMemoryLimit = 0x2004;

inline constexpr bool isError(ErrorCode code) {
    return (code & 0x2000) != 0;
}
inline constexpr bool isWarning(ErrorCode code) {
    return code >= 0x1000 && code < 0x2000;
}

}  // namespace zentrel
