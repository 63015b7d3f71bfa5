#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main/function_editing.h"

namespace zentrel::test {

// A new-function dialog that keeps what its logic shows, as the dialog would.
class RecordingNewFunctionView : public NewFunctionDialogView {
  public:
    std::string text(NewFunctionId id) const override {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(NewFunctionId id, std::string_view value) override { texts[id] = value; }
    void setLines(NewFunctionId, const std::vector<std::string>& shown) override {
        lines = shown;
        selected.reset();
    }
    std::optional<std::size_t> selection(NewFunctionId) const override { return selected; }
    void setSelection(NewFunctionId, std::size_t index) override { selected = index; }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    std::map<NewFunctionId, std::string> texts;
    std::vector<std::string> lines;
    std::optional<std::size_t> selected;
    std::vector<std::string> messages;
};

// The platform of function editing as a user who answers the new-function
// dialog with the names in `typedNames`, pressing OK after each, and cancels
// once they are used up; the editor does `edit` to the file it gets.
class FakeFunctionEditor : public FunctionEditorView {
  public:
    std::optional<NewFunction> askNewFunction(const NewFunctionLogic& makeLogic) override {
        dialog = RecordingNewFunctionView();
        ++dialogs;
        const std::unique_ptr<NewFunctionDialog> logic = makeLogic(dialog);
        logic->open();
        shownName = dialog.text(NewFunctionId::NameEdit);
        shownFolder = dialog.selected;
        if (chosenFolder) dialog.selected = chosenFolder;
        for (const std::string& name : typedNames) {
            dialog.texts[NewFunctionId::NameEdit] = name;
            if (std::optional<NewFunction> created = logic->accept()) return created;
        }
        return std::nullopt;
    }
    bool runAndWait(const EditorCommand& command) override {
        commands.push_back(command);
        if (!starts) return false;
        if (edit) edit(command.arguments.front());
        return true;
    }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    std::vector<std::string> typedNames;
    std::optional<std::size_t> chosenFolder;
    std::function<void(const std::string& file)> edit;
    bool starts = true;

    RecordingNewFunctionView dialog;
    int dialogs = 0;
    std::string shownName;
    std::optional<std::size_t> shownFolder;
    std::vector<EditorCommand> commands;
    std::vector<std::string> messages;
};

}  // namespace zentrel::test
