#include "app/main/field_numbers.h"

#include <charconv>
#include <cmath>
#include <regex>

namespace zentrel {

std::string formatFieldReal(double value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 16);
    return std::string(buffer, result.ptr);
}

double parseFieldReal(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0.0;
    text.remove_prefix(start);
    if (text.starts_with("\\-") || text.starts_with("\\+")) text.remove_prefix(1);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && std::isfinite(value) ? value : 0.0;
}

// The exponent's sign is escaped only in a number written whole, since in an
// expression "e-" may end a name and begin a subtraction.
std::string numberStatement(std::string_view text, bool realDigits) {
    static const std::regex kExponentNumber(R"([ \t]*[+-]?(\d+\.?\d*|\.\d+)[eE][+-]\d+[ \t]*)");
    std::string statement = "0;";
    const std::size_t start = statement.size();
    statement += text;
    if (realDigits &&
        std::regex_match(statement.begin() + start, statement.end(), kExponentNumber)) {
        statement.insert(statement.find_first_of("eE", start) + 1, 1, '\\');
    }
    return statement;
}

std::string languageConstant(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string constant;
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '-' || *c == '+') constant += '\\';
        constant += *c;
    }
    return constant;
}

}  // namespace zentrel
