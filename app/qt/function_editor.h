#pragma once

#include "app/main/function_editing.h"

class QWidget;

namespace zentrel {

// The platform's side of editing external functions: the new-function dialog,
// the editor's process and message boxes, all over the main window.
class QtFunctionEditor final : public FunctionEditorView {
  public:
    explicit QtFunctionEditor(QWidget* window) : window_(window) {}

    // True while the window waits for an editor to end.
    bool waiting() const { return waiting_; }

    std::optional<NewFunction> askNewFunction(const NewFunctionLogic& makeLogic) override;
    bool runAndWait(const EditorCommand& command) override;
    void showMessage(std::string_view text) override;

  private:
    QWidget* window_;
    bool waiting_ = false;
};

}  // namespace zentrel
