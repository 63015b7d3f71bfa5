#include "engine/interp/function_table.h"

#include <algorithm>
#include <new>

namespace zentrel {

FunctionEntry* FunctionTable::find(std::string_view name) const {
    for (const auto& entry : entries_) {
        if (entry->name == name) return entry.get();
    }
    return nullptr;
}

FunctionEntry* FunctionTable::add(std::string_view name) {
    if (capacity_ == 0) return nullptr;
    try {
        auto entry = std::make_unique<FunctionEntry>();
        entry->name = name;
        if (capacity_ > 0 && entries_.size() >= static_cast<std::size_t>(capacity_)) {
            entries_.erase(leastUsedEntry(entries_));
        }
        entries_.insert(entries_.begin(), std::move(entry));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return entries_.front().get();
}

void FunctionTable::remove(const FunctionEntry* entry) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [entry](const auto& e) { return e.get() == entry; });
    if (it != entries_.end()) entries_.erase(it);
}

}  // namespace zentrel
