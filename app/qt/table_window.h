#pragma once

#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "app/table/table_window.h"

namespace zentrel {

// The table window "数表": a list of the registered points with the buttons
// "削除", "確認" and "保存" along its bottom edge.
class TableWindowDialog final : public QWidget, public TableWindowView {
  public:
    TableWindowDialog(TablePointSource& source, QWidget* owner);

    TableWindow& logic() { return logic_; }

    // TableWindowView
    void setColumns(const std::vector<std::string>& titles) override;
    void showRows(const std::vector<TableRow>& rows, std::optional<std::size_t> selected) override;
    std::optional<std::string> chooseSaveFile(std::string_view defaultName,
                                              std::string_view filter) override;
    bool askYesNo(std::string_view question) override;
    void showError(std::string_view text) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void markCurrentRow();
    void copyRows();

    QTreeWidget* list_;
    QPushButton* deleteButton_;
    QPushButton* showButton_;
    QPushButton* saveButton_;
    TableWindow logic_;
};

}  // namespace zentrel
