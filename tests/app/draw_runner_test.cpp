#include "app/main/draw_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/main/frame_pacer.h"
#include "tests/app/task_queue.h"

namespace zentrel {
namespace {

using namespace std::chrono_literals;

TEST(ThreadedDrawRunner, WorkRunsAwayFromTheWindowAndFramesWhileItWaits) {
    test::TaskQueue queue;
    ThreadedDrawRunner runner(queue.poster());
    const auto window = std::this_thread::get_id();
    std::thread::id workThread;
    std::atomic<int> drawn{0};
    std::vector<int> seen;  // what the window saw at each frame
    int finished = 0;
    const DrawRunner::Task show = [&] {
        EXPECT_EQ(std::this_thread::get_id(), window);
        seen.push_back(drawn.load());
    };
    ASSERT_TRUE(runner.start(
        [&] {
            workThread = std::this_thread::get_id();
            for (int i = 0; i < 3; ++i) {
                ++drawn;
                runner.present(show);
            }
        },
        [&] {
            EXPECT_EQ(std::this_thread::get_id(), window);
            EXPECT_FALSE(runner.running());
            ++finished;
        }));
    EXPECT_TRUE(runner.running());
    EXPECT_FALSE(runner.start([] {}, [] {})) << "one draw at a time";
    ASSERT_TRUE(queue.runUntil([&] { return finished == 1; }, 5s));
    EXPECT_NE(workThread, window);
    // The work waited for each frame, so every frame saw the state it was asked for.
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));

    ASSERT_TRUE(runner.start([] {}, [&] { ++finished; }));
    ASSERT_TRUE(queue.runUntil([&] { return finished == 2; }, 5s));
}

TEST(ThreadedDrawRunner, FinishNowReleasesAWaitingFrameAndFinishesOnce) {
    test::TaskQueue queue;
    ThreadedDrawRunner runner(queue.poster());
    std::atomic<bool> presented{false};
    int shown = 0;
    int finished = 0;
    const DrawRunner::Task show = [&] { ++shown; };
    runner.start(
        [&] {
            runner.present(show);
            presented = true;
            runner.present(show);
        },
        [&] { ++finished; });
    std::this_thread::sleep_for(20ms);
    runner.finishNow();  // the window never ran the frame the work waits on
    EXPECT_TRUE(presented);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(runner.running());
    queue.runPending();  // the stale frame and the posted finish do nothing
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(finished, 1);
}

TEST(ImmediateDrawRunner, RunsWorkFramesAndFinishInOrder) {
    ImmediateDrawRunner runner;
    std::string order;
    runner.start(
        [&] {
            EXPECT_TRUE(runner.running());
            runner.present([&] { order += 'f'; });
            order += 'w';
        },
        [&] { order += 'd'; });
    EXPECT_EQ(order, "fwd");
    EXPECT_FALSE(runner.running());
}

TEST(FramePacer, AdmitsAboutSixtyFramesASecond) {
    auto now = std::chrono::steady_clock::time_point{} + 1s;
    FramePacer pacer([&] { return now; });
    EXPECT_TRUE(pacer.admit()) << "the first refresh shows at once";
    now += 10ms;
    EXPECT_FALSE(pacer.admit());
    now += 7ms;
    EXPECT_TRUE(pacer.admit());
    now += 1ms;
    pacer.shown();  // the end of a draw
    now += 16ms;
    EXPECT_FALSE(pacer.admit());
    now += 1ms;
    EXPECT_TRUE(pacer.admit());
    int admitted = 0;
    for (int ms = 0; ms < 1000; ++ms) {
        now += 1ms;
        admitted += pacer.admit() ? 1 : 0;
    }
    EXPECT_GE(admitted, 55);
    EXPECT_LE(admitted, 60);
}

}  // namespace
}  // namespace zentrel
