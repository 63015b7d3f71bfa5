#include "bench/allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t count = 0;
}  // namespace

namespace zentrel {
std::size_t allocationCount() {
    return count;
}
}  // namespace zentrel

// GCC pairs the replaced operators with their malloc/free bodies and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    ++count;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
