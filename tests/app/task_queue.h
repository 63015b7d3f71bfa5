#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace zentrel::test {

// The event queue of a window's thread, worked by the test's own thread.
class TaskQueue {
  public:
    using Task = std::function<void()>;

    void post(Task task) {
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        ready_.notify_all();
    }

    std::function<void(Task)> poster() {
        return [this](Task task) { post(std::move(task)); };
    }

    // Runs the tasks as they come until `done` holds; false when it still does
    // not after `limit`.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            std::unique_lock lock(mutex_);
            if (!ready_.wait_until(lock, deadline, [&] { return !tasks_.empty(); })) return done();
            Task task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
        }
        return true;
    }

    // Runs what is queued now.
    void runPending() {
        std::unique_lock lock(mutex_);
        std::deque<Task> tasks = std::move(tasks_);
        tasks_.clear();
        lock.unlock();
        for (Task& task : tasks)
            task();
    }

  private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Task> tasks_;
};

}  // namespace zentrel::test
