#include "engine/extfunc/ext_func_cache.h"

#include <algorithm>
#include <new>

#include "engine/interp/function_table.h"

namespace zentrel {

ExtFuncEntry* ExtFuncCache::find(std::string_view name, bool touch) {
    for (const auto& entry : entries_) {
        if (entry->name != name) continue;
        if (touch) ++entry->useCount;
        return entry.get();
    }
    return nullptr;
}

ExtFuncEntry* ExtFuncCache::add(std::string_view name) {
    if (capacity_ == 0) return nullptr;
    try {
        auto entry = std::make_unique<ExtFuncEntry>();
        entry->name = name;
        if (capacity_ > 0) shrinkTo(static_cast<std::size_t>(capacity_) - 1);
        entries_.insert(entries_.begin(), std::move(entry));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return entries_.front().get();
}

void ExtFuncCache::remove(std::string_view name) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [name](const auto& e) { return e->name == name; });
    if (it != entries_.end()) entries_.erase(it);
}

void ExtFuncCache::setCapacity(std::int32_t n) {
    if (n >= 0) shrinkTo(static_cast<std::size_t>(n));
    capacity_ = n < 0 ? kUnlimited : n;
}

void ExtFuncCache::shrinkTo(std::size_t count) {
    while (entries_.size() > count)
        entries_.erase(leastUsedEntry(entries_));
}

}  // namespace zentrel
