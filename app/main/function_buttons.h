#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/main/main_controls.h"
#include "app/settings/settings.h"

namespace zentrel {

// The fourteen function buttons show one of four pages: three of built-in
// functions and one of the external functions named in the settings.
inline constexpr std::int32_t kExternalPage = 3;
using ExternalNames = std::array<std::string, kFunctionButtonCount>;

// The button of a slot (0-13), and the slot of a button.
ControlId functionButton(std::size_t slot);
std::optional<std::size_t> functionSlot(ControlId button);

// The page after `page`, the last wrapping to the first.
std::int32_t nextFunctionPage(std::int32_t page);

// What a button shows: the function's name, "---" for an empty slot.
std::string functionLabel(std::int32_t page, std::size_t slot, const ExternalNames& names);
bool functionSlotUsed(std::int32_t page, std::size_t slot, const ExternalNames& names);
// An external function's name shortened to fit its button.
std::string shortExternalLabel(std::string_view name);

// What pressing a slot does to an expression: insert a text, or wrap the
// selection in a call (the prefix up to and including "(").
struct FunctionAction {
    enum class Kind : std::uint8_t { None, Insert, Wrap } kind = Kind::None;
    std::string text;
};
FunctionAction functionAction(std::int32_t page, std::size_t slot, const ExternalNames& names);

// The built-in function of a slot on pages 0-2 and the string of its help
// text; empty name and 0 elsewhere.
struct BuiltinSlot {
    std::string_view name;
    int helpString = 0;
};
BuiltinSlot builtinSlot(std::int32_t page, std::size_t slot);

// An external slot's name without the "()" that asks for a wrapping call.
std::string_view externalCallName(std::string_view name);

}  // namespace zentrel
