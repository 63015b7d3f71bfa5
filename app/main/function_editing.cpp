#include "app/main/function_editing.h"

#include <filesystem>
#include <system_error>

#include "app/settings/settings_pages.h"

namespace zentrel {

bool editsFunctions(ControlId control) {
    return functionSlot(control).has_value() || control == ControlId::KeyCall ||
           control == ControlId::KeyCallWrap || control == ControlId::FunctionList;
}

std::optional<EditRequest> editRequest(ControlId control, std::int32_t page,
                                       const ExternalNames& names,
                                       std::string_view chosenFunction) {
    if (const std::optional<std::size_t> slot = functionSlot(control)) {
        if (page != kExternalPage) return std::nullopt;
        const std::string& registered = names[*slot];
        const std::string_view name = externalCallName(registered);
        if (name.empty()) return std::nullopt;
        return EditRequest{std::string(name), slot, name.size() != registered.size()};
    }
    if (!editsFunctions(control) || chosenFunction.empty()) return std::nullopt;
    return EditRequest{std::string(chosenFunction), std::nullopt, false};
}

std::string slotName(const EditRequest& request, std::string_view created) {
    return std::string(created) + (request.wrapsSelection ? "()" : "");
}

EditorCommand editorCommand(std::string_view editor, std::string_view file) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(file, error);
    if (error) path = file;
    return {editorOrDefault(editor), {path.string()}};
}

}  // namespace zentrel
