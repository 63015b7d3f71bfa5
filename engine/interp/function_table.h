#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend/program.h"
#include "engine/frontend/token_line.h"

namespace zentrel {

// A function written in the language: its parameter tokens (Name, optionally
// preceded by [&] and followed by []) and its compiled body.
struct FunctionEntry {
    std::string name;
    TokenLine parameters;
    Program body{1};
    std::int32_t definitionLine = 0;  // the line after the `func` statement
    std::uint32_t useCount = 0;       // counted by the external-function cache
};

// Which entry a full table kept newest first gives up: the smallest useCount,
// on equal counts the one nearest the end (the oldest). `entries` holds
// pointers to entries; end() when it is empty.
template <class Entries>
auto leastUsedEntry(Entries& entries) {
    if (entries.empty()) return entries.end();
    auto least = entries.rbegin();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if ((*it)->useCount < (*least)->useCount) least = it;
    }
    return std::next(least).base();
}

// Functions by name, newest first. A scope's table is unlimited; a table with a
// positive capacity drops its least used entry to make room.
class FunctionTable {
  public:
    static constexpr std::int32_t kUnlimited = -1;

    explicit FunctionTable(std::int32_t capacity = kUnlimited) : capacity_(capacity) {}

    // Exact, case-sensitive lookup; null when absent.
    FunctionEntry* find(std::string_view name) const;
    // A new entry at the front, or null when the table refuses it (capacity 0,
    // or no memory).
    FunctionEntry* add(std::string_view name);
    void remove(const FunctionEntry* entry);

    std::size_t size() const { return entries_.size(); }
    std::int32_t capacity() const { return capacity_; }

  private:
    std::vector<std::unique_ptr<FunctionEntry>> entries_;
    std::int32_t capacity_;
};

}  // namespace zentrel
