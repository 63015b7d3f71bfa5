#include "app/main/draw_runner.h"

namespace zentrel {

bool ImmediateDrawRunner::start(Task work, Task finish) {
    if (running_) return false;
    running_ = true;
    work();
    running_ = false;
    finish();
    return true;
}

// The owner has asked the work to stop; frames it still asks for are refused.
ThreadedDrawRunner::~ThreadedDrawRunner() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    frameDone_.notify_all();
    if (worker_.joinable()) worker_.join();
}

bool ThreadedDrawRunner::start(Task work, Task finish) {
    if (finish_) return false;
    // The previous worker has done its work; at most it is still returning.
    if (worker_.joinable()) worker_.join();
    {
        std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    finish_ = std::move(finish);
    const std::uint64_t draw = ++draw_;
    worker_ = std::thread([this, work = std::move(work), draw] {
        work();
        post_([this, draw] { runFinish(draw); });
    });
    return true;
}

// The worker parks here until the window's thread has run `show` (or the
// runner stops), so `show` never sees a picture half drawn.
void ThreadedDrawRunner::present(const Task& show) {
    std::unique_lock lock(mutex_);
    if (stopping_) return;
    const std::uint64_t frame = ++frames_;
    waitingShow_ = &show;
    waitingFrame_ = frame;
    lock.unlock();
    post_([this, frame] { showFrame(frame); });
    lock.lock();
    frameDone_.wait(lock, [&] { return waitingFrame_ != frame || stopping_; });
    if (waitingFrame_ == frame) {
        waitingFrame_ = 0;
        waitingShow_ = nullptr;
    }
}

// Runs on the window's thread. Only this thread releases a waiting frame or
// stops the runner, so the worker stays parked while `show` runs.
void ThreadedDrawRunner::showFrame(std::uint64_t frame) {
    const Task* show = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || waitingFrame_ != frame) return;
        show = waitingShow_;
    }
    (*show)();
    {
        std::lock_guard lock(mutex_);
        waitingFrame_ = 0;
        waitingShow_ = nullptr;
    }
    frameDone_.notify_all();
}

void ThreadedDrawRunner::runFinish(std::uint64_t draw) {
    if (draw != draw_ || !finish_) return;
    Task finish = std::move(finish_);
    finish_ = nullptr;
    finish();
}

void ThreadedDrawRunner::finishNow() {
    if (!finish_) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    frameDone_.notify_all();
    if (worker_.joinable()) worker_.join();
    Task finish = std::move(finish_);
    finish_ = nullptr;
    finish();
}

}  // namespace zentrel
