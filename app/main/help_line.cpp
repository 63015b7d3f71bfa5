#include "app/main/help_line.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>

#include "app/strings/string_table.h"

namespace zentrel {
namespace {

constexpr int kFunctionListHelp = 4003;  // "!0"; the buttons follow with "!1" ... "!14"
constexpr int kDigitHelp = 6001;

constexpr auto kHelpStrings = std::to_array<std::pair<ControlId, int>>({
    {ControlId::KeyCall, 4001},
    {ControlId::KeyCallWrap, 4002},
    {ControlId::FunctionList, kFunctionListHelp},
    {ControlId::ShiftButton, 4018},
    {ControlId::KeyClearField, 5001},
    {ControlId::KeyDelete, 5002},
    {ControlId::KeyOpen, 5003},
    {ControlId::KeyClose, 5004},
    {ControlId::KeyWrap, 5005},
    {ControlId::KeyArgument, 5006},
    {ControlId::KeyUnaryMinus, 5007},
    {ControlId::KeyNegative, 5008},
    {ControlId::KeyExponentPlus, 5009},
    {ControlId::KeyExponentMinus, 5010},
    {ControlId::KeySpace, 5011},
    {ControlId::KeyPoint, 6002},
    {ControlId::KeyPlus, 6003},
    {ControlId::KeyMinus, 6004},
    {ControlId::KeyTimes, 6005},
    {ControlId::KeyDivide, 6006},
    {ControlId::EqualsKey, 6007},
    {ControlId::DegRadio, 8001},
    {ControlId::RadRadio, 8002},
    {ControlId::GradRadio, 8003},
});

bool isDigitKey(ControlId id) {
    const auto n = static_cast<int>(id);
    return (n >= 1007 && n <= 1011) || (n >= 1013 && n <= 1017);
}

// The slot number of a function button's "!n" text.
std::optional<int> buttonNumber(std::string_view text) {
    if (text.size() < 2 || text.front() != '!') return std::nullopt;
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data() + 1, end, number);
    if (error != std::errc() || last != end || number < 1) return std::nullopt;
    return number;
}

std::string describe(const HelpContext& context, std::string_view name) {
    return context.describe ? context.describe(name) : std::string();
}

std::string functionButtonHelp(std::size_t slot, const HelpContext& context) {
    if (context.page != kExternalPage)
        return std::string(lookupString(builtinSlot(context.page, slot).helpString));
    if (context.externalNames == nullptr || slot >= context.externalNames->size()) return {};
    const std::string& name = (*context.externalNames)[slot];
    return name.empty() ? std::string() : describe(context, externalCallName(name));
}

}  // namespace

int helpStringOf(ControlId id) {
    if (isDigitKey(id)) return kDigitHelp;
    if (const auto slot = functionSlot(id)) return kFunctionListHelp + 1 + static_cast<int>(*slot);
    for (const auto& [control, string] : kHelpStrings) {
        if (control == id) return string;
    }
    const ControlRow* row = findControl(id);
    return row != nullptr ? row->tipString : 0;
}

std::string helpLineText(std::string_view helpText, const HelpContext& context) {
    if (const auto number = buttonNumber(helpText))
        return functionButtonHelp(static_cast<std::size_t>(*number - 1), context);
    if (helpText.starts_with('!')) {
        if (!context.chosenFunction.empty()) return describe(context, context.chosenFunction);
        return std::string(helpText.substr(std::min<std::size_t>(2, helpText.size())));
    }
    if (helpText.starts_with('#'))
        return std::string(helpText.substr(1)) + std::string(context.coordinateSystem);
    return std::string(helpText);
}

}  // namespace zentrel
