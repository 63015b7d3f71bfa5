#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/values/error_code.h"

namespace zentrel {

inline constexpr int kSlotCount = 256;

// How a variable or array slot relates to its name.
enum class LabelState : std::uint8_t {
    Free = 0,       // never used
    InUse = 1,      // written through its letter, or labelled with :label
    Allocated = 2,  // taken for a name by :var, :array, :define or :enum
};

struct SlotLabel {
    std::uint8_t slot;
    std::string text;
};

// The labels and label states of 256 slots, and how a named slot hands its
// contents to a fresh slot. Most scopes label few slots, so the labels are a
// short list ordered by slot rather than 256 strings: a new scope costs no
// allocation until it labels something.
class SlotNames {
  public:
    SlotNames() = default;
    SlotNames(const SlotNames&) = delete;
    SlotNames& operator=(const SlotNames&) = delete;

    LabelState state(std::uint8_t slot) const {
        if (allocated_[slot]) return LabelState::Allocated;
        return inUse_[slot] ? LabelState::InUse : LabelState::Free;
    }
    void setState(std::uint8_t slot, LabelState state) {
        inUse_[slot] = state == LabelState::InUse;
        allocated_[slot] = state == LabelState::Allocated;
    }

    // The slot carrying the label (exact, case-sensitive; the lowest slot wins), or -1.
    int find(std::string_view name) const { return labels_.empty() ? -1 : findLabelled(name); }
    // Empty when the slot has no label.
    std::string_view label(std::uint8_t slot) const;
    // Replaces the slot's label; an empty text removes it.
    [[nodiscard]] ErrorCode setLabel(std::uint8_t slot, std::string_view text);
    std::span<const SlotLabel> labels() const { return labels_; }

    // The highest free slot, or -1 when none is left. Slot 0 is never handed out:
    // variable 0 reads the answer and array 0 holds it.
    int freshSlot() const;
    // Gives the name a fresh slot in state Allocated; 0x2000 when none is left.
    [[nodiscard]] ErrorCode allocate(std::string_view name, int& slot);

    // Before a write through the slot's letter (not its name): a slot allocated
    // for a name first gives its name and contents to a fresh slot, so that the
    // name keeps its value; the slot is then in use.
    [[nodiscard]] ErrorCode claimForLetter(std::uint8_t slot) {
        if (allocated_[slot]) return moveNamed(slot);
        setState(slot, LabelState::InUse);
        return kSuccess;
    }
    // Labels the slot (:label): an allocated slot moves its named contents away
    // first; the slot is then in use with the new label.
    [[nodiscard]] ErrorCode attachLabel(std::uint8_t slot, std::string_view name);

    // Room for `count` labels in all, so that adding them allocates once.
    [[nodiscard]] ErrorCode reserveLabels(std::size_t count) {
        return count <= labels_.capacity() ? kSuccess : growLabels(count);
    }
    // Swaps the label list with `other`, which must be ordered by slot. A call
    // scope borrows an emptied list that kept its capacity from an earlier call
    // and gives it back when it ends, so that labelling it does not allocate.
    void exchangeLabels(std::vector<SlotLabel>& other) noexcept { labels_.swap(other); }

  protected:
    ~SlotNames() = default;
    // Copies what the slot holds into a fresh slot; the source loses its
    // constant mark. Nothing else changes when it fails.
    [[nodiscard]] virtual ErrorCode copyContents(std::uint8_t from, std::uint8_t to) = 0;

  private:
    int findLabelled(std::string_view name) const;
    [[nodiscard]] ErrorCode growLabels(std::size_t count);
    std::vector<SlotLabel>::iterator entry(std::uint8_t slot);
    [[nodiscard]] ErrorCode moveNamed(std::uint8_t slot);

    // The label states as two sets of slots (a slot is in one at most): every
    // call makes a scope, and clearing 64 bytes costs less than 256.
    std::bitset<kSlotCount> inUse_;
    std::bitset<kSlotCount> allocated_;
    std::vector<SlotLabel> labels_;  // ordered by slot
};

}  // namespace zentrel
