#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main/function_buttons.h"
#include "app/main/main_controls.h"
#include "app/main/new_function_dialog.h"

namespace zentrel {

// The external function a right-button release on a control asks to edit.
struct EditRequest {
    std::string name;                 // without the "()" of a wrapping slot
    std::optional<std::size_t> slot;  // the function button it came from
    bool wrapsSelection = false;      // the slot's name ends in "()"
};

// The controls a right-button release edits a function from: the function
// buttons, "!", "!()" and the external-function list.
bool editsFunctions(ControlId control);

// A used function button of the external page edits its function; "!",
// "!()" and the external-function list edit the function chosen in the list.
// Nothing for any other control, an empty slot or no chosen function.
std::optional<EditRequest> editRequest(ControlId control, std::int32_t page,
                                       const ExternalNames& names, std::string_view chosenFunction);

// The name a slot gets for a function created from it: the "()" it had, kept.
std::string slotName(const EditRequest& request, std::string_view created);

// A program and its arguments, started without a shell in between.
struct EditorCommand {
    std::string program;
    std::vector<std::string> arguments;
};

// The editor of the settings (the desktop's editor when none is named) with
// the file as its one argument, made absolute so that no editor takes a file
// whose name starts with '-' for an option.
EditorCommand editorCommand(std::string_view editor, std::string_view file);

// What editing a function needs from the platform.
class FunctionEditorView {
  public:
    virtual ~FunctionEditorView() = default;
    // Shows the new-function dialog on the logic `makeLogic` builds until OK
    // or Cancel: the function OK gave, or nothing.
    virtual std::optional<NewFunction> askNewFunction(const NewFunctionLogic& makeLogic) = 0;
    // Starts the command and returns once it has ended, the window painted
    // meanwhile and its input held; false when it could not be started.
    virtual bool runAndWait(const EditorCommand& command) = 0;
    // A message box over the window.
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace zentrel
