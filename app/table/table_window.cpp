#include "app/table/table_window.h"

#include "app/strings/string_table.h"

namespace zentrel {

namespace {

constexpr int kDefaultFileName = 505;
constexpr int kFileFilter = 506;

}  // namespace

TableWindow::TableWindow(TableWindowView& view, TablePointSource& source)
    : view_(view),
      source_(source),
      model_([&source](std::string_view text) { return source.readNumber(text); }) {}

void TableWindow::setMode(CoordinateMode mode) {
    view_.setColumns(TableModel::columns(mode));
}

void TableWindow::addPoint(TableRow row) {
    model_.addPoint(std::move(row));
    refresh();
}

void TableWindow::deleteSelected() {
    model_.deleteSelected();
    refresh();
}

void TableWindow::showSelected() {
    const auto index = model_.selected();
    if (!index) return;
    const TableRow& row = model_.rows()[*index];
    const bool parametric = source_.tableExpressions().mode == CoordinateMode::Parametric;
    std::array<std::optional<double>, 3> values;
    for (std::size_t i = 0; i < (parametric ? 3u : 2u); ++i)
        values[i] = source_.readNumber(row[i]);
    source_.showPoint(values);
}

void TableWindow::save() {
    if (model_.empty()) return;
    const auto path =
        view_.chooseSaveFile(lookupString(kDefaultFileName), lookupString(kFileFilter));
    if (!path) return;
    const std::string text = tableFileText(
        source_.tableExpressions(), model_,
        [this](std::string_view cell) { return source_.readNumber(cell); },
        [this](double value) { return source_.writeNumber(value); });
    if (const std::error_code error = saveTableFile(*path, text)) {
        view_.showError("ファイルを保存できませんでした：" + *path + "\n" + error.message());
    }
}

void TableWindow::askSave(int messageId) {
    if (model_.empty()) return;
    if (view_.askYesNo(lookupString(messageId))) save();
}

void TableWindow::clearTable() {
    model_.clear();
    refresh();
    source_.clearReadouts();
}

void TableWindow::refresh() {
    view_.showRows(model_.rows(), model_.selected());
}

}  // namespace zentrel
