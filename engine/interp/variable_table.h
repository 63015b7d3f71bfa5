#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/interp/slot_names.h"
#include "engine/values/error_code.h"
#include "engine/values/number.h"

namespace zentrel {

// The 256 variables of a scope: a flat array of Numbers, so that making a scope
// for a function call stays cheap, with their labels, label states and
// constant marks. Variable 0 has no storage of its own: it reads the answer.
class VariableTable final : public SlotNames {
  public:
    Number& value(std::uint8_t slot) { return values_[slot]; }
    const Number& value(std::uint8_t slot) const { return values_[slot]; }
    bool isConstant(std::uint8_t slot) const { return constants_[slot]; }

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

    std::array<Number, kSlotCount> values_{};
    std::array<bool, kSlotCount> constants_{};
};

}  // namespace zentrel
