// Editing external functions from the window: the function behind a control,
// a new function when it has no file, and the editor of the settings.
#include <memory>

#include "app/main/function_files.h"
#include "app/main/keypad.h"
#include "app/main/main_window.h"
#include "app/settings/settings_paths.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

constexpr int kCannotCreateString = 12006;
constexpr int kCannotStartEditorString = 12007;

}  // namespace

// A running draw owns the interpreter, its cache among it.
void MainWindow::editFunction(ControlId control, FunctionEditorView& editor) {
    if (shutDown_ || runner_.running()) return;
    const std::string entry = view_.text(ControlId::FunctionList);
    const std::optional<EditRequest> request =
        editRequest(control, settings_.funcMode, settings_.extFunc, functionNameOfEntry(entry));
    if (!request) return;
    std::optional<std::string> file = findFunctionFile(host_, request->name);
    if (!file) file = createFunction(*request, editor);
    if (!file) return;
    // The cache keeps a function under the name it was called by, in any
    // case, while every such name reads this one file: only an empty cache
    // is sure to hold none of the text the editor is about to change.
    host_.clearFunctionCache();
    const EditorCommand command = editorCommand(settings_.editor, *file);
    view_.setBusy(true);
    const bool ran = editor.runAndWait(command);
    view_.setBusy(false);
    if (!ran) editor.showMessage(formatString(kCannotStartEditorString, command.program));
    // A signal may have ended the window while the editor ran.
    if (!shutDown_) fillFunctionList();
}

// The dialog's answer becomes the chosen folder, the empty file and, from a
// function button, that button's name.
std::optional<std::string> MainWindow::createFunction(const EditRequest& request,
                                                      FunctionEditorView& editor) {
    NewFunctionSetup setup;
    setup.name = request.name;
    setup.folders = functionFolders(settings_.path);
    setup.lastFolder = settings_.folder;
    // A button's name, "()" and all, must fit the settings.
    setup.nameLength = kFunctionNameLength - slotName(request, "").size();
    setup.exists = [this](std::string_view name) {
        return findFunctionFile(host_, name).has_value();
    };
    const std::optional<NewFunction> created =
        editor.askNewFunction([&setup](NewFunctionDialogView& dialog) {
            return std::make_unique<NewFunctionDialog>(dialog, setup);
        });
    if (!created) return std::nullopt;
    settings_.folder = created->folder;
    // The folder only preselects the next dialog's choice: a settings file
    // that cannot be written does not stand in the way of the function.
    static_cast<void>(updateProfile(setup_.settingsFile, [this](ProfileStore& store) {
        writeImmediateSetting(store, settings_, ImmediateSetting::Folder);
    }));
    const std::string file =
        newFunctionFile(created->folder, created->name, host_.functionExtension());
    if (createFunctionFile(file)) {
        editor.showMessage(formatString(kCannotCreateString, file));
        return std::nullopt;
    }
    if (request.slot) {
        settings_.extFunc[*request.slot] = slotName(request, created->name);
        relabelFunctionButtons();
    }
    fillFunctionList();
    return file;
}

}  // namespace zentrel
