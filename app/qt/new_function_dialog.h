#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "app/main/new_function_dialog.h"

class QComboBox;
class QLineEdit;

namespace zentrel {

// The dialog "新規作成": the name of a new external function and the folder
// it goes into. OK closes it only when the logic accepts the answer.
class QtNewFunctionDialog final : public QDialog, public NewFunctionDialogView {
  public:
    QtNewFunctionDialog(const NewFunctionLogic& makeLogic, QWidget* parent);

    // What OK gave; nothing before OK.
    const std::optional<NewFunction>& created() const { return created_; }

    // NewFunctionDialogView
    std::string text(NewFunctionId id) const override;
    void setText(NewFunctionId id, std::string_view text) override;
    void setLines(NewFunctionId list, const std::vector<std::string>& lines) override;
    std::optional<std::size_t> selection(NewFunctionId list) const override;
    void setSelection(NewFunctionId list, std::size_t index) override;
    void showMessage(std::string_view text) override;

  private:
    void tryAccept();

    QLineEdit* name_ = nullptr;
    QComboBox* folders_ = nullptr;
    std::unique_ptr<NewFunctionDialog> logic_;
    std::optional<NewFunction> created_;
};

}  // namespace zentrel
