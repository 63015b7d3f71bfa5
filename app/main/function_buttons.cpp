#include "app/main/function_buttons.h"

namespace zentrel {
namespace {

constexpr std::size_t kBuiltinPages = 3;
constexpr std::string_view kEmptySlot = "---";
constexpr std::string_view kCallParentheses = "()";

// The built-in pages, one row per slot: pages 0, 1 and 2.
constexpr std::array<std::array<BuiltinSlot, kBuiltinPages>, kFunctionButtonCount> kBuiltins{{
    {{{"sin", 3001}, {"log", 3021}, {"rand", 3027}}},
    {{{"cos", 3002}, {"log10", 3022}, {"time", 3028}}},
    {{{"tan", 3003}, {"sqr", 3017}, {}}},
    {{{"asin", 3004}, {"exp", 3019}, {}}},
    {{{"acos", 3005}, {"exp10", 3020}, {}}},
    {{{"atan", 3006}, {"sqrt", 3018}, {}}},
    {{{"sinh", 3008}, {"abs", 3014}, {}}},
    {{{"cosh", 3009}, {"int", 3029}, {}}},
    {{{"tanh", 3010}, {}, {}}},
    {{{"asinh", 3011}, {"ceil", 3015}, {}}},
    {{{"acosh", 3012}, {"floor", 3016}, {}}},
    {{{"atanh", 3013}, {}, {}}},
    {{{"atan2", 3007}, {"pow", 3026}, {}}},
    {{{}, {}, {}}},
}};

bool validSlot(std::int32_t page, std::size_t slot) {
    return page >= 0 && page <= kExternalPage && slot < kFunctionButtonCount;
}

}  // namespace

ControlId functionButton(std::size_t slot) {
    // The first button is numbered apart from the rest.
    return static_cast<ControlId>(slot == 0 ? 1094 : 1095 + slot);
}

std::optional<std::size_t> functionSlot(ControlId button) {
    for (std::size_t slot = 0; slot < kFunctionButtonCount; ++slot) {
        if (functionButton(slot) == button) return slot;
    }
    return std::nullopt;
}

std::int32_t nextFunctionPage(std::int32_t page) {
    return (page + 1) % (kExternalPage + 1);
}

BuiltinSlot builtinSlot(std::int32_t page, std::size_t slot) {
    if (!validSlot(page, slot) || page == kExternalPage) return {};
    return kBuiltins[slot][static_cast<std::size_t>(page)];
}

bool functionSlotUsed(std::int32_t page, std::size_t slot, const ExternalNames& names) {
    if (!validSlot(page, slot)) return false;
    return page == kExternalPage ? !names[slot].empty() : !builtinSlot(page, slot).name.empty();
}

std::string shortExternalLabel(std::string_view name) {
    if (name.ends_with(kCallParentheses)) {
        if (name.size() < 7) return std::string(name);
        return std::string(name.substr(0, 4)) + std::string(kCallParentheses);
    }
    return std::string(name.substr(0, 6));
}

std::string functionLabel(std::int32_t page, std::size_t slot, const ExternalNames& names) {
    if (!functionSlotUsed(page, slot, names)) return std::string(kEmptySlot);
    if (page == kExternalPage) return shortExternalLabel(names[slot]);
    return std::string(builtinSlot(page, slot).name);
}

std::string_view externalCallName(std::string_view name) {
    if (name.ends_with(kCallParentheses)) name.remove_suffix(kCallParentheses.size());
    return name;
}

FunctionAction functionAction(std::int32_t page, std::size_t slot, const ExternalNames& names) {
    using Kind = FunctionAction::Kind;
    if (!functionSlotUsed(page, slot, names)) return {};
    if (page != kExternalPage)
        return {Kind::Insert, std::string(builtinSlot(page, slot).name) + " "};
    const std::string_view name = names[slot];
    const std::string call = "!" + std::string(externalCallName(name));
    if (name.ends_with(kCallParentheses)) return {Kind::Wrap, call + "("};
    return {Kind::Insert, call + " "};
}

}  // namespace zentrel
