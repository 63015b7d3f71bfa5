#pragma once

#include <string>
#include <string_view>

namespace zentrel {

// A real as the window shows it in a field: "%.16g".
std::string formatFieldReal(double value);

// The number a field's text starts with, after blanks and tabs, as the C
// library's atof reads it; a sign may be escaped as the language writes it
// ("\-2", what the keypad's sign key types). 0 when the text starts with no
// number or the number lies beyond the doubles.
double parseFieldReal(std::string_view text);

// A real as a constant of the language that reads back as the same double:
// the shortest such decimal text, each sign escaped ("\-1.5e\-07").
std::string languageConstant(double value);

}  // namespace zentrel
