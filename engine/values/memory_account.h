#pragma once

#include <cstdint>
#include <limits>

namespace zentrel {

// The bytes the values of one engine may hold: matrices and element lists,
// whether stored in arrays or made while a statement runs. Each store of
// numbers is counted while it exists, and a store that would pass the limit is
// refused before it is allocated (kErrMemoryLimit), so that one short line
// cannot make the machine swap. Shared by the engine, its scopes and every
// value that counts against it; used by the thread that runs the engine.
class MemoryAccount {
  public:
    static constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();

    // 0 or less for no limit.
    void setLimit(std::int64_t bytes) { limit_ = bytes > 0 ? bytes : kUnlimited; }
    std::int64_t limit() const { return limit_; }
    std::int64_t used() const { return used_; }

    // Counts the bytes when they fit under the limit; false, counting nothing, when not.
    bool reserve(std::int64_t bytes) {
        if (bytes > limit_ - used_) return false;
        used_ += bytes;
        return true;
    }
    // Counts bytes already allocated (a store handed over from a value that
    // counted nowhere), even past the limit: the next reserve then fails.
    void charge(std::int64_t bytes) { used_ += bytes; }
    void release(std::int64_t bytes) { used_ -= bytes; }

  private:
    std::int64_t limit_ = kUnlimited;
    std::int64_t used_ = 0;
};

// Counts working memory that is not a value (the doubles of the eigenvalue
// routines) for as long as it lives; held() is false when it did not fit.
class MemoryReservation {
  public:
    MemoryReservation(MemoryAccount& account, std::int64_t bytes)
        : account_(account), bytes_(account.reserve(bytes) ? bytes : -1) {}
    MemoryReservation(const MemoryReservation&) = delete;
    MemoryReservation& operator=(const MemoryReservation&) = delete;
    ~MemoryReservation() {
        if (held()) account_.release(bytes_);
    }
    bool held() const { return bytes_ >= 0; }

  private:
    MemoryAccount& account_;
    std::int64_t bytes_;
};

}  // namespace zentrel
