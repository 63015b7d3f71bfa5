// How memory follows the size of the input: what the engine allocates for a text
// grows linearly with it, with a small constant. Measured through a replaced
// operator new that counts the bytes handed out, so the figures do not depend on
// the allocator or the machine.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "engine/frontend/program.h"
#include "engine/interp/error_codes.h"
#include "tests/extfunc/function_folder.h"
#include "tests/interp/recording_host.h"
#include "tests/values/mode_setup.h"

namespace {

// Bytes handed out by operator new so far, and bytes not yet given back. Only the
// replaced operators below change them, hence file scope.
std::atomic<long long> bytesAllocated{0};
std::atomic<long long> bytesLive{0};
std::atomic<long long> bytesPeak{0};  // the most bytesLive has been since it was last set

void* countedAllocation(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    const auto usable = static_cast<long long>(malloc_usable_size(p));
    bytesAllocated += usable;
    const long long live = bytesLive += usable;
    long long peak = bytesPeak.load();
    while (live > peak && !bytesPeak.compare_exchange_weak(peak, live)) {
    }
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
    RecordProperty("bytes for 8000 rows", static_cast<int>(large));
}

}  // namespace
}  // namespace zentrel

namespace zentrel {
namespace {

// Live bytes a program holds per statement of the text, over `count` statements
// given as one text or as one line each.
double bytesPerStatement(const std::string& statement, int count, bool asLines) {
    const ModeSetup setup(NumberMode::GFloat);
    const std::string text = asLines ? std::string() : [&] {
        std::string all;
        for (int i = 0; i < count; ++i)
            all += statement;
        return all;
    }();
    const long long before = bytesLive.load();
    Program program;
    for (int i = 0; i < (asLines ? count : 1); ++i)
        EXPECT_EQ(program.addSource(setup.view(), asLines ? statement : text, false), kSuccess);
    return double(bytesLive.load() - before) / count;
}

struct ProgramCase {
    const char* statement;
    bool asLines;
    double mostBytes;  // per statement
};

// A program costs in proportion to its text, with a small constant; blank lines
// and empty statements cost next to nothing (they once cost some 850 bytes each).
TEST(MemoryUse, AProgramCostsInProportionToItsText) {
    const ProgramCase cases[] = {
        {";", false, 1.0},
        {"", true, 1.0},
        {" \t", true, 1.0},
        {"1;", false, 520.0},
        {"@a = @a + 1;", false, 900.0},
    };
    for (const ProgramCase& c : cases) {
        SCOPED_TRACE(std::string(c.asLines ? "lines of [" : "statements [") + c.statement + "]");
        const double bytes = bytesPerStatement(c.statement, 100000, c.asLines);
        EXPECT_LE(bytes, c.mostBytes);
        RecordProperty(std::string("bytes per ") + c.statement, static_cast<int>(bytes + 0.5));
    }
}

// The slots of a `for` are its two statements after the keyword, blank or not:
// leaving out a run of blank statements must not move the update into them.
TEST(MemoryUse, BlankStatementsKeepTheSlotsOfAFor) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf("@n = 0; for @i = 0; @i [<] 3; ; ; ; @i++; @n++; next; @n"), "3");
    EXPECT_EQ(host.answerOf("@n = 0; for @i = 0; @i [<] 4; @i++; ; ; ; @n++; next; @n"), "4");
    host.run("@n = 0");
    for (const char* line : {"for @i = 0", "@i [<] 5", "", "", "", "@i++", "@n++", "", "next"})
        host.run(line);
    EXPECT_EQ(host.answerOf("@n"), "5");
    EXPECT_TRUE(host.shownCodes().empty());
}

// A function file run without the cache keeps only the line it is at and the loops
// it records: the peak of live memory does not grow with the length of the file.
TEST(MemoryUse, AnUncachedFunctionFileKeepsNoFinishedLines) {
    FunctionFolder folder;
    std::string text = "@s = 0\n";
    for (int i = 0; i < 20000; ++i)
        text += "@s = @s + 1\n\n";
    folder.write("long.vdl", text + "return @s\n");
    FunctionHost host({folder.path()}, 0);
    const long long before = bytesLive.load();
    bytesPeak = before;
    EXPECT_EQ(host.answerOf("!long"), "20000");
    const long long peak = bytesPeak.load() - before;
    EXPECT_LT(peak, 200000) << "the run held " << peak << " bytes at its peak";
    RecordProperty("peak bytes", static_cast<int>(peak));
}

}  // namespace
}  // namespace zentrel
