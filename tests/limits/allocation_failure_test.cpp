// An allocation failure anywhere in the engine is reported as 0x2000 and
// leaves the engine usable: every allocation a script makes is failed in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace {

// Allocations to let through before one fails; negative while none is to fail.
// Only the replaced operator new below reads it, hence file scope.
std::atomic<long> allocationsBeforeFailure{-1};

}  // namespace

// GCC pairs the replaced operators with their malloc/free bodies and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Every form of new and delete is replaced, so that a sanitizer sees one pair
// (malloc and free) throughout.
void* operator new(std::size_t size) {
    long left = allocationsBeforeFailure.load();
    while (left >= 0 && !allocationsBeforeFailure.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace zentrel {
namespace {

// Fails allocation number `n` (from 0) of what runs between construction and
// failed(); the rest succeed.
class FailingAllocation {
  public:
    explicit FailingAllocation(long n) { allocationsBeforeFailure.store(n); }
    ~FailingAllocation() { allocationsBeforeFailure.store(-1); }
    // Whether the failure happened: otherwise the run made fewer allocations.
    bool failed() const { return allocationsBeforeFailure.load() < 0; }
};

struct Script {
    const char* name;
    const char* setup;
    const char* text;
};

void PrintTo(const Script& s, std::ostream* os) {
    *os << s.name;
}

class AllocationFailure : public testing::TestWithParam<Script> {};

// What the script shows when nothing fails.
std::vector<std::string> answersOf(const Script& script) {
    RecordingHost host;
    host.run(script.setup);
    host.results.clear();
    host.run(script.text);
    return host.results;
}

bool anyError(const Codes& codes) {
    return std::any_of(codes.begin(), codes.end(), [](ErrorCode c) { return isError(c); });
}

TEST_P(AllocationFailure, IsReportedAndTheEngineGoesOn) {
    const std::vector<std::string> expected = answersOf(GetParam());
    long point = 0;
    for (;; ++point) {
        RecordingHost host;
        host.run(GetParam().setup);
        host.results.clear();
        host.reports.clear();
        // The host's own records must not be what fails.
        host.reports.reserve(64);
        host.results.reserve(64);
        bool failed = false;
        {
            FailingAllocation failure(point);
            host.run(GetParam().text);
            failed = failure.failed();
        }
        if (!failed) break;
        SCOPED_TRACE(point);
        // Warnings the script gives anyway may come first; the error is the failure.
        for (ErrorCode code : host.shownCodes()) {
            if (!isError(code)) continue;
            EXPECT_TRUE(code == kOutOfMemory || code == kErrUserCall) << std::hex << code;
        }
        // A failure that goes unreported must not change what the script shows.
        if (!anyError(host.shownCodes())) {
            EXPECT_EQ(host.results, expected);
        }
        host.reports.clear();
        EXPECT_EQ(host.answerOf("@z = 40; @z + 2"), "42");
        EXPECT_TRUE(host.shownCodes().empty());
        EXPECT_EQ(host.shared().callDepth, 0);
    }
    EXPECT_GT(point, 0);  // the script allocates at all
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, AllocationFailure,
    testing::Values(
        Script{"statements", "", "@a = 1 + 2 * 3; ( 1 + 2; @b = @a++ + 1; @a"},
        Script{"matrices", ":mat 3 3 @@m",
               "@@m 1 1 = 2; @@n = @@m + @@m; inv @@n; :trans @@n; @@n"},
        Script{"lists and texts", "",
               ":strcpy @@s [\"abc]; :strcat @@s [\"def]; @@l 3 2 = 1; {1, 2}"},
        Script{"loops", "", "@i = 0; while @i [<] 3; @i++; if @i == 2; continue; endif; endwhile"},
        Script{"calls", "func f a b; return a * b; endfunc", "@r = f 2 3; f @r 2"},
        Script{"definitions", "", ":label speed @v; speed = 3; func g; return 1; endfunc; g"},
        Script{"errors", "", "3 +; nosuch"},
        Script{"literals and array arguments", "func n a[]; return row @@0; endfunc",
               "@@a {{1 2}{3 4}{5 6}}; @@v {1 {2 3} 4}; n @@a; @@b = @@a * @@a; :sprint @@t 1 @@a"},
        Script{"blank statements in blocks", "", "if 1; while 0; ;;; endwhile; ;;; 1; endif"}),
    [](const testing::TestParamInfo<Script>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ') c = '_';
        return name;
    });

}  // namespace
}  // namespace zentrel
