// How memory follows the size of the input: what the engine allocates for a text
// grows linearly with it, with a small constant. Measured through a replaced
// operator new that counts the bytes handed out, so the figures do not depend on
// the allocator or the machine.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace {

// Bytes handed out by operator new so far, and bytes not yet given back. Only the
// replaced operators below change them, hence file scope.
std::atomic<long long> bytesAllocated{0};
std::atomic<long long> bytesLive{0};

void* countedAllocation(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    const auto usable = static_cast<long long>(malloc_usable_size(p));
    bytesAllocated += usable;
    bytesLive += usable;
    return p;
}

void countedRelease(void* p) {
    if (p) bytesLive -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

// GCC pairs the replaced operators with their malloc/free bodies and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    return countedAllocation(size);
}
void* operator new[](std::size_t size) {
    return countedAllocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAllocation(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept {
    countedRelease(p);
}
void operator delete[](void* p) noexcept {
    countedRelease(p);
}
void operator delete(void* p, std::size_t) noexcept {
    countedRelease(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    countedRelease(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    countedRelease(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    countedRelease(p);
}

namespace zentrel {
namespace {

// A literal of `rows` rows of four elements.
std::string matrixLiteral(int rows) {
    std::string text = "@@a {";
    for (int r = 0; r < rows; ++r)
        text += " {1 2 3 4}";
    return text + " }";
}

// Bytes allocated while the text runs.
long long bytesToRun(RecordingHost& host, const std::string& text) {
    const long long before = bytesAllocated.load();
    host.run(text);
    EXPECT_TRUE(host.shownCodes().empty()) << text.substr(0, 40);
    return bytesAllocated.load() - before;
}

// Making the matrix once its shape is known: the bytes allocated (for the tokens,
// the elements and the matrix) grow linearly with the rows. A matrix grown row by
// row would allocate a copy of itself per row, quadratically.
TEST(MemoryUse, AMatrixLiteralAllocatesInProportionToItsSize) {
    RecordingHost host;
    const long long small = bytesToRun(host, matrixLiteral(2000));
    const long long large = bytesToRun(host, matrixLiteral(8000));
    EXPECT_EQ(host.answerOf("row @@a"), "8000");
    EXPECT_LT(large, 5 * small) << "2000 rows: " << small << " bytes, 8000 rows: " << large;
}

}  // namespace
}  // namespace zentrel
