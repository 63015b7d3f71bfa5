#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "app/table/table_model.h"

namespace zentrel {

// Writes a number as the engine shows it in the current numeric mode.
using NumberWriter = std::function<std::string(double)>;

// The expressions a table belongs to: expr1, and expr2 in parametric mode.
struct TableExpressions {
    CoordinateMode mode = CoordinateMode::Rectangular;
    std::string first;
    std::string second;
};

// The saved table: a header naming the expressions and the columns, then one
// line per row of tab-separated numbers, each read back from its cell and
// written again in the current numeric mode. Lines end with "\r\n" on every
// platform, since the file is meant for spreadsheets and other programs.
std::string tableFileText(const TableExpressions& expressions, const TableModel& table,
                          const CellReader& reader, const NumberWriter& writer);

// Writes the table text through a temporary file renamed over `path`, so a
// failure leaves any earlier file whole; the reason of a failure is returned.
std::error_code saveTableFile(const std::string& path, std::string_view text);

}  // namespace zentrel
