#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zentrel {

// A size in bytes as a user writes it: decimal digits with an optional unit K,
// M, G or T (powers of 1024, either case, an optional B after it: 512M, 2GB,
// 1g). Nothing for anything else, for 0 and for sizes past 2^62 bytes.
std::optional<std::int64_t> parseMemorySize(std::string_view text);

// The share of this machine's memory the values of one engine may take by
// default: half of the physical memory, so that a line asking for more is
// refused well before the machine starts swapping; nothing when the machine
// does not say.
std::optional<std::int64_t> defaultValueMemoryLimit();

}  // namespace zentrel
