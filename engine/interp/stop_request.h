#pragma once

#include <atomic>
#include <cstdint>
#include <limits>

namespace zentrel {

// Whether the run in progress must end before its next statement: a stop asked
// for from outside the run (a signal handler or another thread) or a spent step
// budget. Shared by an engine and every engine nested in it.
class StopRequest {
  public:
    static constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();

    // Only a lock-free atomic store: safe in a signal handler and from any thread.
    void request() noexcept { requested_.store(true, std::memory_order_relaxed); }
    // At the start of a top-level run: an old request is forgotten and the budget refilled.
    void reset() noexcept {
        requested_.store(false, std::memory_order_relaxed);
        stepsLeft_ = budget_;
    }
    // Statements one top-level run may execute; 0 or less for no limit.
    void setStepBudget(std::int64_t steps) noexcept {
        budget_ = steps > 0 ? steps : kUnlimited;
        stepsLeft_ = budget_;
    }
    // Counts one statement against the budget; true when it must not run. Kept
    // to a decrement, one relaxed load and a compare: it runs for every statement.
    bool refuseStatement() noexcept {
        return --stepsLeft_ < 0 || requested_.load(std::memory_order_relaxed);
    }
    // True once a stop was asked for or the budget is spent, without counting a step.
    bool pending() const noexcept {
        return stepsLeft_ < 0 || requested_.load(std::memory_order_relaxed);
    }

  private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> requested_{false};
    std::int64_t budget_ = kUnlimited;
    std::int64_t stepsLeft_ = kUnlimited;
};

}  // namespace zentrel
