#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend/program.h"

namespace zentrel {

// One cached external function: its whole file compiled with number words kept
// as words (read in the mode in force when it runs) and its description lines.
struct ExtFuncEntry {
    std::string name;
    // Shared with the calls running it, so that an entry evicted by a call it
    // makes itself stays alive until that run ends.
    std::shared_ptr<Program> program;
    std::vector<std::string> description;
    std::uint32_t useCount = 0;  // lookups that ran the function
};

// The compiled external functions of one top-level engine, newest first.
// Capacity: negative unlimited, 0 caching off, n > 0 at most n entries; a full
// cache gives up its least used entry, the oldest of equals.
class ExtFuncCache {
  public:
    static constexpr std::int32_t kUnlimited = -1;

    // Exact, case-sensitive lookup; `touch` counts a use. Null when absent.
    ExtFuncEntry* find(std::string_view name, bool touch);
    // A new, empty entry at the front; null when caching is off or memory is short.
    ExtFuncEntry* add(std::string_view name);
    void remove(std::string_view name);
    // Gives up least used entries until at most n remain (n >= 0), then keeps n.
    void setCapacity(std::int32_t n);
    void clear() { entries_.clear(); }

    std::int32_t capacity() const { return capacity_; }
    std::size_t size() const { return entries_.size(); }
    // Entry i, newest first.
    const ExtFuncEntry& at(std::size_t i) const { return *entries_[i]; }

  private:
    void shrinkTo(std::size_t count);

    std::vector<std::unique_ptr<ExtFuncEntry>> entries_;
    std::int32_t capacity_ = kUnlimited;
};

}  // namespace zentrel
