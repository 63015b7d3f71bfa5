#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/interp/engine_canvas.h"

namespace zentrel {

// One registered point: the readout texts of the argument and of one or two
// values, each cut to kCellLength characters.
using TableRow = std::array<std::string, 3>;

// Reads a cell's text as a number of the language; nothing when it is none.
using CellReader = std::function<std::optional<double>(std::string_view)>;

// The rows of the table window, kept in ascending order of their first cell's
// value with no two equal values, and the selection mark.
class TableModel {
  public:
    static constexpr std::size_t kCellLength = 24;

    explicit TableModel(CellReader reader) : reader_(std::move(reader)) {}

    // The column titles of a coordinate mode.
    static std::vector<std::string> columns(CoordinateMode mode);

    // Inserts the point at its place, or selects the row already holding its
    // argument. The new or found row is selected. Returns its index.
    std::size_t addPoint(TableRow row);
    // Removes the selected row and selects the one now at its place, or the
    // last one. Nothing without a selection.
    void deleteSelected();
    void clear();
    void select(std::size_t index);

    const std::vector<TableRow>& rows() const { return rows_; }
    bool empty() const { return rows_.empty(); }
    std::optional<std::size_t> selected() const { return selected_; }

  private:
    double valueOf(const TableRow& row) const;

    CellReader reader_;
    std::vector<TableRow> rows_;
    std::optional<std::size_t> selected_;
};

}  // namespace zentrel
