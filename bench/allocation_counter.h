#pragma once

#include <cstddef>

namespace zentrel {

// Heap allocations made through operator new by this process so far; linked into
// benchmarks that report how often a path allocates.
std::size_t allocationCount();

}  // namespace zentrel
