#include "app/table/table_model.h"

#include <cmath>

namespace zentrel {

std::vector<std::string> TableModel::columns(CoordinateMode mode) {
    switch (mode) {
        case CoordinateMode::Parametric:
            return {"t", "x", "y"};
        case CoordinateMode::Polar:
            return {"t", "r"};
        case CoordinateMode::Rectangular:
            break;
    }
    return {"x", "y"};
}

// A cell that is no number sorts as NaN: it equals nothing and precedes
// nothing, so such rows stay where they were put.
double TableModel::valueOf(const TableRow& row) const {
    return reader_(row[0]).value_or(std::nan(""));
}

std::size_t TableModel::addPoint(TableRow row) {
    for (std::string& cell : row) {
        if (cell.size() > kCellLength) cell.resize(kCellLength);
    }
    const double value = valueOf(row);
    std::size_t index = 0;
    for (; index < rows_.size(); ++index) {
        const double existing = valueOf(rows_[index]);
        if (existing == value) {
            selected_ = index;
            return index;
        }
        if (existing > value) break;
    }
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), std::move(row));
    selected_ = index;
    return index;
}

void TableModel::deleteSelected() {
    if (!selected_ || *selected_ >= rows_.size()) return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    if (rows_.empty()) {
        selected_.reset();
    } else if (*selected_ >= rows_.size()) {
        selected_ = rows_.size() - 1;
    }
}

void TableModel::clear() {
    rows_.clear();
    selected_.reset();
}

void TableModel::select(std::size_t index) {
    if (index < rows_.size()) selected_ = index;
}

}  // namespace zentrel
