#include "engine/interp/slot_names.h"

#include <algorithm>
#include <new>
#include <utility>

#include "engine/interp/error_codes.h"

namespace zentrel {

std::vector<SlotLabel>::iterator SlotNames::entry(std::uint8_t slot) {
    return std::lower_bound(labels_.begin(), labels_.end(), slot,
                            [](const SlotLabel& e, std::uint8_t s) { return e.slot < s; });
}

int SlotNames::findLabelled(std::string_view name) const {
    for (const SlotLabel& e : labels_) {
        if (e.text == name) return e.slot;
    }
    return -1;
}

std::string_view SlotNames::label(std::uint8_t slot) const {
    for (const SlotLabel& e : labels_) {
        if (e.slot == slot) return e.text;
    }
    return {};
}

ErrorCode SlotNames::setLabel(std::uint8_t slot, std::string_view text) {
    // A call scope labels its slots mostly in ascending order: those go on the end.
    if (!text.empty() && (labels_.empty() || labels_.back().slot < slot)) {
        try {
            labels_.push_back(SlotLabel{slot, std::string(text)});
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        }
        return kSuccess;
    }
    auto it = entry(slot);
    const bool present = it != labels_.end() && it->slot == slot;
    if (text.empty()) {
        if (present) labels_.erase(it);
        return kSuccess;
    }
    try {
        if (present) {
            it->text.assign(text);
        } else {
            labels_.insert(it, SlotLabel{slot, std::string(text)});
        }
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

ErrorCode SlotNames::growLabels(std::size_t count) {
    try {
        labels_.reserve(count);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

int SlotNames::freshSlot() const {
    for (int slot = kSlotCount - 1; slot > 0; --slot) {
        if (!inUse_[slot] && !allocated_[slot]) return slot;
    }
    return -1;
}

ErrorCode SlotNames::allocate(std::string_view name, int& slot) {
    slot = freshSlot();
    if (slot < 0) return kErrNoFreeSlot;
    const auto s = static_cast<std::uint8_t>(slot);
    if (ErrorCode e = setLabel(s, name)) return e;
    setState(s, LabelState::Allocated);
    return kSuccess;
}

ErrorCode SlotNames::moveNamed(std::uint8_t slot) {
    const int fresh = freshSlot();
    if (fresh < 0) return kErrNoFreeSlot;
    const auto to = static_cast<std::uint8_t>(fresh);
    if (ErrorCode e = copyContents(slot, to)) return e;
    auto it = entry(slot);
    if (it != labels_.end() && it->slot == slot) {
        SlotLabel moved{to, std::move(it->text)};
        labels_.erase(it);
        // One entry out, one in: the list keeps its capacity, so this cannot fail.
        labels_.insert(entry(to), std::move(moved));
    }
    setState(to, LabelState::Allocated);
    setState(slot, LabelState::InUse);
    return kSuccess;
}

ErrorCode SlotNames::attachLabel(std::uint8_t slot, std::string_view name) {
    if (ErrorCode e = claimForLetter(slot)) return e;
    return setLabel(slot, name);
}

}  // namespace zentrel
