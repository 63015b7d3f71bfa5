#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/table/table_file.h"
#include "app/table/table_model.h"

namespace zentrel {

// String numbers of the table window's questions.
inline constexpr int kAskSaveChangedExpression = 10001;
inline constexpr int kAskSaveAtShutDown = 10002;

// What the table window's logic needs from the window on the screen.
class TableWindowView {
  public:
    virtual ~TableWindowView() = default;
    virtual void setColumns(const std::vector<std::string>& titles) = 0;
    // The rows as they now are, and the selected one to show and focus.
    virtual void showRows(const std::vector<TableRow>& rows,
                          std::optional<std::size_t> selected) = 0;
    // The save-file chooser; nothing when the user cancels.
    virtual std::optional<std::string> chooseSaveFile(std::string_view defaultName,
                                                      std::string_view filter) = 0;
    virtual bool askYesNo(std::string_view question) = 0;
    virtual void showError(std::string_view text) = 0;
};

// What the table window asks of the main window: the expressions and mode the
// rows belong to, numbers read and written as the engine does, and showing a
// row's point on the graph.
class TablePointSource {
  public:
    virtual ~TablePointSource() = default;
    virtual TableExpressions tableExpressions() const = 0;
    virtual std::optional<double> readNumber(std::string_view text) = 0;
    virtual std::string writeNumber(double value) = 0;
    virtual void showPoint(const std::array<std::optional<double>, 3>& values) = 0;
    virtual void clearReadouts() = 0;
};

// The table window "数表": the registered points, kept in order, saved as
// tab-separated text.
class TableWindow {
  public:
    TableWindow(TableWindowView& view, TablePointSource& source);

    void setMode(CoordinateMode mode);
    void addPoint(TableRow row);
    void deleteSelected();
    void select(std::size_t index) { model_.select(index); }
    // The marked row's point in the main window's readouts and on the graph.
    void showSelected();
    // Asks for a file and writes the table; a failure is shown, never hidden.
    void save();
    // With rows, asks the question `messageId` and saves on yes.
    void askSave(int messageId);
    void clearTable();

    const TableModel& model() const { return model_; }

  private:
    void refresh();

    TableWindowView& view_;
    TablePointSource& source_;
    TableModel model_;
};

}  // namespace zentrel
