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

// A number as the window writes it (a readout, a table cell), or as the user
// typed it there, made a statement of the language that reads it as that
// number. The statement starts from a zero answer, so that a leading sign is
// the number's own rather than a subtraction from the last answer; with real
// digits the sign of an exponent ("1e-05") is escaped as the language wants.
std::string numberStatement(std::string_view text, bool realDigits);

// A real as a constant of the language that reads back as the same double:
// the shortest such decimal text, each sign escaped ("\-1.5e\-07").
std::string languageConstant(double value);

}  // namespace zentrel
