#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>

namespace zentrel {

// Whether the run in progress must end: a stop asked for from outside the run
// (a signal handler or another thread) or a spent step budget. Shared by an
// engine and every engine nested in it, and handed to every routine whose work
// can grow faster than its input, so that no single statement outlasts a stop.
//
// The budget counts steps: one statement, or one element operation of a matrix,
// text or array routine (a multiply-add, an element stored), which take about
// as long as each other.
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
    // Steps one top-level run may take; 0 or less for no limit.
    void setStepBudget(std::int64_t steps) noexcept {
        budget_ = steps > 0 ? steps : kUnlimited;
        stepsLeft_ = budget_;
    }
    // Counts `steps` against the budget; true when the work must not go on. The
    // one check of every loop that may run long: kept to a subtraction, one
    // relaxed load and a compare. A charge is capped so that the count cannot
    // wrap however much work is charged after the budget is spent.
    bool chargeWork(std::int64_t steps) noexcept {
        stepsLeft_ -= std::min(steps, kLargestCharge);
        return stepsLeft_ < 0 || requested_.load(std::memory_order_relaxed);
    }
    // One statement; true when it must not run.
    bool refuseStatement() noexcept { return chargeWork(1); }
    // True once a stop was asked for or the budget is spent, without counting a step.
    bool pending() const noexcept {
        return stepsLeft_ < 0 || requested_.load(std::memory_order_relaxed);
    }

  private:
    static constexpr std::int64_t kLargestCharge = std::int64_t{1} << 40;
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> requested_{false};
    std::int64_t budget_ = kUnlimited;
    std::int64_t stepsLeft_ = kUnlimited;
};

}  // namespace zentrel
