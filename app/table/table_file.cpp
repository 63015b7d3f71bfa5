#include "app/table/table_file.h"

#include "app/settings/atomic_file.h"

namespace zentrel {

namespace {

std::string header(const TableExpressions& expressions) {
    switch (expressions.mode) {
        case CoordinateMode::Parametric:
            return "x=" + expressions.first + "\r\ny=" + expressions.second + "\r\nt\tx\ty\r\n";
        case CoordinateMode::Polar:
            return "r=" + expressions.first + "\r\nt\tr\r\n";
        case CoordinateMode::Rectangular:
            break;
    }
    return "y=" + expressions.first + "\r\nx\ty\r\n";
}

}  // namespace

std::string tableFileText(const TableExpressions& expressions, const TableModel& table,
                          const CellReader& reader, const NumberWriter& writer) {
    std::string text = header(expressions);
    const std::size_t cells = expressions.mode == CoordinateMode::Parametric ? 3 : 2;
    for (const TableRow& row : table.rows()) {
        for (std::size_t i = 0; i < cells; ++i) {
            if (i > 0) text += '\t';
            // A cell that reads as no number is kept as it was typed rather
            // than written as a made-up value.
            const auto value = reader(row[i]);
            text += value ? writer(*value) : row[i];
        }
        text += "\r\n";
    }
    return text;
}

std::error_code saveTableFile(const std::string& path, std::string_view text) {
    return writeFileAtomically(path, text);
}

}  // namespace zentrel
