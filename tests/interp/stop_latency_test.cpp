// A stop request ends a run soon even while one statement does a great deal of
// work: every routine whose work grows faster than its input checks it in its loops.
// The bound is generous (the stop comes after 100 ms, the run must end within a
// second), as it has to hold in the sanitizer builds and on a busy machine too; each
// statement below runs for seconds when nothing stops it. The matrices are kept small
// enough that copying one (which no stop interrupts) takes only milliseconds.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>

#include "engine/interp/error_codes.h"
#include "engine/values/limits.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

using Clock = std::chrono::steady_clock;

struct HeavyStatement {
    const char* text;
    std::int32_t order;  // of the symmetric matrix in @@a
};

void PrintTo(const HeavyStatement& c, std::ostream* os) {
    *os << c.text << " on order " << c.order;
}

class StopLatency : public testing::TestWithParam<HeavyStatement> {
  protected:
    // @@a becomes a dense symmetric matrix with a strong diagonal: regular, and with
    // eigenvalues that take the iterative methods many steps.
    void fillMatrix(std::int32_t n) {
        ASSERT_EQ(host.run(":mat 1 1 @@a"), RunResult::Finished);
        Value* a = host.ctx.arrays.writableMatrix('a');
        ASSERT_NE(a, nullptr);
        ASSERT_EQ(a->resize(n, n, false), kSuccess);
        for (std::int32_t r = 0; r < n; ++r) {
            for (std::int32_t c = 0; c < n; ++c) {
                const double x = r == c ? n : std::cos(double(r) * c + r + c);
                a->element(r * n + c) = Number::fromReal(x, false);
            }
        }
    }

    RecordingHost host;
};

TEST_P(StopLatency, AStopFromAnotherThreadEndsTheStatementWithinASecond) {
    const std::int64_t order = GetParam().order;
    if (order * order > kMaxElementCount) GTEST_SKIP() << "a matrix this large is refused here";
    fillMatrix(GetParam().order);
    const Clock::time_point start = Clock::now();
    Clock::time_point stopped;
    std::thread stopper([this, &stopped] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        stopped = Clock::now();
        host.engine.requestStop();
    });
    host.run(GetParam().text);
    const Clock::time_point end = Clock::now();
    stopper.join();
    using std::chrono::milliseconds;
    const auto run = std::chrono::duration_cast<milliseconds>(end - start).count();
    const auto latency = std::chrono::duration_cast<milliseconds>(end - stopped).count();
    EXPECT_EQ(host.shownCodes(), Codes{kErrInterrupted});
    EXPECT_LT(run, 1000) << "the run ended " << run << " ms after it began";
    RecordProperty("latency_ms", static_cast<int>(latency));
}

INSTANTIATE_TEST_SUITE_P(Statements, StopLatency,
                         testing::Values(HeavyStatement{"@@b = @@a * @@a", 600},
                                         HeavyStatement{"det @@a", 800},
                                         HeavyStatement{"inv @@a", 600},
                                         HeavyStatement{"eigen @@a @@d @@v", 1000},
                                         HeavyStatement{"jacobi @@a @@d @@v", 600},
                                         HeavyStatement{"power @@a 600 @@d @@v", 600},
                                         HeavyStatement{"@@b = [-] @@a * @@a", 600}));

}  // namespace
}  // namespace zentrel
