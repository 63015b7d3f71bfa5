#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

// Asks for a stop from inside the run, the way a signal handler would: after
// `stopAfter` console outputs.
class StoppingHost : public RecordingHost {
  public:
    int printed = 0;
    int stopAfter = 3;

  protected:
    void consoleOutput(const std::vector<std::string>&, bool) override {
        if (++printed == stopAfter) engine.requestStop();
    }
};

TEST(Interrupt, EndsTheRunOnceAndKeepsTheState) {
    StoppingHost host;
    EXPECT_EQ(host.run("@i = 0; while 1; @i++; :print 1; endwhile; @i = 100"), RunResult::Finished);
    EXPECT_EQ(host.shownCodes(), Codes{kErrInterrupted});
    EXPECT_TRUE(host.engine.stopRequested());
    // The request is forgotten by the next run; the variables are as the stop left them.
    host.reports.clear();
    EXPECT_EQ(host.answerOf("@i"), "3");
    EXPECT_FALSE(host.engine.stopRequested());
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(Interrupt, InsideCallsIsReportedOnceByTheTopLevelRun) {
    StoppingHost host;
    host.run("func spin n; while 1; :print @0; endwhile; endfunc");
    host.run("@r = 5; @r = 1 + spin 2");
    EXPECT_EQ(host.shownCodes(), Codes{kErrInterrupted});
    EXPECT_EQ(host.shared().callDepth, 0);
    // The function is still defined; the assignment never happened.
    host.reports.clear();
    host.stopAfter = 5;
    host.run("spin 1");
    EXPECT_EQ(host.shownCodes(), Codes{kErrInterrupted});
    EXPECT_EQ(host.answerOf("@r"), "5");
}

TEST(Interrupt, RequestBeforeTheRunIsForgotten) {
    RecordingHost host;
    host.engine.requestStop();
    EXPECT_EQ(host.answerOf("1 + 1"), "2");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(Interrupt, FromAnotherThread) {
    class SignallingHost : public RecordingHost {
      public:
        std::atomic<bool> looping{false};

      protected:
        void consoleOutput(const std::vector<std::string>&, bool) override { looping.store(true); }
    } host;
    std::thread stopper([&host] {
        while (!host.looping.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        host.engine.requestStop();
    });
    host.run(":print 0; while 1; endwhile");
    stopper.join();
    EXPECT_EQ(host.shownCodes(), Codes{kErrInterrupted});
}

struct BudgetCase {
    const char* text;
    std::int64_t budget;
    bool stopped;
};

void PrintTo(const BudgetCase& c, std::ostream* os) {
    *os << c.text << " with " << c.budget;
}

class StepBudget : public testing::TestWithParam<BudgetCase> {};

constexpr const char* kFourByFour =
    "@@a {{1 2 3 4}{5 6 7 8}{9 10 11 12}{13 14 15 16}}; @@b = @@a * @@a";

// Every statement counts: replayed loop passes, skipped branches and called bodies;
// and so does the work of a statement on matrices, element by element.
TEST_P(StepBudget, StopsAfterThatManyStatements) {
    RecordingHost host;
    host.run("func twice n; return @0 * 2; endfunc");
    host.engine.setStepBudget(GetParam().budget);
    host.run(GetParam().text);
    EXPECT_EQ(host.shownCodes(), GetParam().stopped ? Codes{kErrInterrupted} : Codes{});
}

INSTANTIATE_TEST_SUITE_P(
    Runs, StepBudget,
    testing::Values(BudgetCase{"1; 2; 3", 3, false}, BudgetCase{"1; 2; 3; 4", 3, true},
                    BudgetCase{"while 1; endwhile", 1000, true},
                    BudgetCase{"do; until 1", 1000, true},
                    BudgetCase{"for @i = 0; 1; @i++; next", 1000, true},
                    BudgetCase{"if 0; 1; 2; endif", 3, true},
                    BudgetCase{"if 0; 1; endif", 3, false}, BudgetCase{"twice 2", 2, false},
                    BudgetCase{"twice 2; 1", 2, true},
                    BudgetCase{"while 1; twice 1; endwhile", 100, true},
                    // 2 statements, 16 elements, 64 multiply-adds.
                    BudgetCase{kFourByFour, 82, false}, BudgetCase{kFourByFour, 81, true}));

TEST(StepBudgetRefill, EachTopLevelRunStartsWithTheWholeBudget) {
    RecordingHost host;
    host.engine.setStepBudget(2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(host.answerOf("1; 2"), "2");
    EXPECT_TRUE(host.shownCodes().empty());
    host.engine.setStepBudget(0);  // no limit
    EXPECT_EQ(host.answerOf("@i = 0; while @i [<] 100; @i++; endwhile; @i"), "100");
}

}  // namespace
}  // namespace zentrel
