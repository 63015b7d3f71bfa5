#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace zentrel {

// Where a draw runs. The window starts the work and goes on handling events;
// the work shows frames through `present` and, when it ends, `finish` runs on
// the window's thread. While the work runs, the window must not touch what
// the work uses (the interpreter, the canvas) except through `present`.
class DrawRunner {
  public:
    using Task = std::function<void()>;
    virtual ~DrawRunner() = default;

    // Starts the work; false (nothing started) while another one runs.
    virtual bool start(Task work, Task finish) = 0;
    // True from start until its finish has run.
    virtual bool running() const = 0;
    // Called by the work: runs `show` on the window's thread while the work
    // waits, so that `show` may read what the work draws into. Returns
    // without showing once the runner is being stopped.
    virtual void present(const Task& show) = 0;
    // Waits until the work has ended (the caller has asked it to stop), then
    // runs its finish at once; frames still asked for are dropped.
    virtual void finishNow() = 0;
};

// Runs the work and its finish at once on the caller's thread: for tests and
// measurements, where the window's thread may block.
class ImmediateDrawRunner final : public DrawRunner {
  public:
    bool start(Task work, Task finish) override;
    bool running() const override { return running_; }
    void present(const Task& show) override { show(); }
    void finishNow() override {}

  private:
    bool running_ = false;
};

// Runs the work on a thread of its own, so that the window stays responsive
// (and can ask the work to stop) however long it takes. `post` queues a task
// for the window's thread, as the toolkit's event queue does; the runner must
// outlive the tasks it posts, or the queue must drop them with it.
class ThreadedDrawRunner final : public DrawRunner {
  public:
    explicit ThreadedDrawRunner(std::function<void(Task)> post) : post_(std::move(post)) {}
    ~ThreadedDrawRunner() override;
    ThreadedDrawRunner(const ThreadedDrawRunner&) = delete;
    ThreadedDrawRunner& operator=(const ThreadedDrawRunner&) = delete;

    bool start(Task work, Task finish) override;
    bool running() const override { return finish_ != nullptr; }
    void present(const Task& show) override;
    void finishNow() override;

  private:
    void showFrame(std::uint64_t frame);
    void runFinish(std::uint64_t draw);

    std::function<void(Task)> post_;
    std::thread worker_;
    Task finish_;             // window thread only
    std::uint64_t draw_ = 0;  // window thread only: the current draw's number
    std::mutex mutex_;
    std::condition_variable frameDone_;
    const Task* waitingShow_ = nullptr;  // the frame the worker waits on
    std::uint64_t waitingFrame_ = 0;
    std::uint64_t frames_ = 0;
    bool stopping_ = false;
};

}  // namespace zentrel
