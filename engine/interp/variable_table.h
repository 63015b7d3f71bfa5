#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <new>
#include <string_view>

#include "engine/interp/slot_names.h"
#include "engine/values/error_code.h"
#include "engine/values/number.h"

namespace zentrel {

// The 256 variables of a scope with their labels, label states and constant
// marks. A function call makes a scope, so making one must cost next to
// nothing: a variable's Number is made when the variable is first written,
// and reads of one never written give zero. Variable 0 has no storage of its
// own: it reads the answer.
class VariableTable final : public SlotNames {
  public:
    VariableTable() = default;

    // For writing: a variable never written starts at zero.
    Number& value(std::uint8_t slot) {
        if (!made_[slot]) {
            made_.set(slot);
            return *new (number(slot)) Number();
        }
        return *std::launder(number(slot));
    }
    // Writes the variable; one never written is made as a copy at once.
    Number& store(std::uint8_t slot, const Number& newValue) {
        if (!made_[slot]) {
            made_[slot] = true;
            return *new (number(slot)) Number(newValue);
        }
        return *std::launder(number(slot)) = newValue;
    }
    const Number& value(std::uint8_t slot) const {
        static const Number zero;
        return made_[slot] ? *std::launder(number(slot)) : zero;
    }
    bool isConstant(std::uint8_t slot) const { return constants_[slot]; }
    // The variable reads zero again, as if never written.
    void clear(std::uint8_t slot) { made_[slot] = false; }
    // Clears every variable of the set that is not a constant.
    void clearUnlessConstant(const std::bitset<kSlotCount>& slots) {
        made_ &= ~(slots & ~constants_);
    }

    // Gives the name a fresh slot holding the value (:var, :define, :enum).
    [[nodiscard]] ErrorCode define(std::string_view name, const Number& value, bool constant,
                                   int& slot);
    // Takes the label, the constant mark and the name's claim off the slot (:undef).
    void release(std::uint8_t slot);
    // Copies every labelled variable of `other` with its label, label state,
    // value and constant mark: a function call's scope sees its caller's names.
    [[nodiscard]] ErrorCode copyLabelled(const VariableTable& other);

  private:
    ErrorCode copyContents(std::uint8_t from, std::uint8_t to) override;

    Number* number(std::uint8_t slot) { return reinterpret_cast<Number*>(storage_) + slot; }
    const Number* number(std::uint8_t slot) const {
        return reinterpret_cast<const Number*>(storage_) + slot;
    }

    // Numbers are trivially destroyed, so the storage needs no clean-up.
    alignas(Number) unsigned char storage_[kSlotCount * sizeof(Number)];
    std::bitset<kSlotCount> made_;
    std::bitset<kSlotCount> constants_;
};

}  // namespace zentrel
