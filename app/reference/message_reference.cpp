// The English sense of every warning and error text of the string table.
#include <algorithm>

#include "app/reference/reference_rows.h"

namespace zentrel {
namespace {

constexpr std::array kMessageRows = {
    MessageRow{1001, "Warning: (put before the text of `:warn`)"},
    MessageRow{1002, "Warning: an array element number is negative (it counts as 0)"},
    MessageRow{1003, "Warning: division by zero (the result is infinite or NaN)"},
    MessageRow{1004, "Warning: the argument of asin is outside -1 to 1"},
    MessageRow{1005, "Warning: the argument of acos is outside -1 to 1"},
    MessageRow{1006, "Warning: the argument of acosh is less than 1"},
    MessageRow{1007, "Warning: the argument of atanh is -1 or less, or 1 or more"},
    MessageRow{1008, "Warning: the argument of log is 0 or negative"},
    MessageRow{1009, "Warning: the argument of log10 is 0 or negative"},
    MessageRow{1010, "Warning: the argument of sqrt is negative"},
    MessageRow{1011, "Warning: the determinant is not defined (the matrix is not square)"},
    MessageRow{1012, "Warning: the inverse matrix does not exist"},
    MessageRow{1013, "Warning: the argument of the function is invalid"},
    MessageRow{1014, "Warning: `return` cannot give back a value here (after `:ans 0`)"},
    MessageRow{2001, "Out of memory"},
    MessageRow{2003, "No token (not shown by zentrel-cli)"},
    MessageRow{2004, "Commands are not allowed here (not shown by zentrel-cli)"},
    MessageRow{2005, "Control structures are not allowed here (not shown by zentrel-cli)"},
    MessageRow{2006,
               "Wrong unary operator: a binary operator stands where a value is expected (a "
               "negative number is `\\-2` or `[-]2`)"},
    MessageRow{2007,
               "Wrong operator: after a value comes something that is no binary operator (two "
               "values in a row, or `[-]` after a value)"},
    MessageRow{2008, "Wrong array expression (for example a `}` without its `{`)"},
    MessageRow{2009, "Wrong arguments for the function (missing, or of the wrong kind)"},
    MessageRow{2010, "The left side of the operator must be a variable or an array"},
    MessageRow{2011, "The right side of the operator must be a variable or an array"},
    MessageRow{2012, "The operator, function or command has no right side (a value is missing)"},
    MessageRow{2013, "The conditional operator `?` needs two values after it"},
    MessageRow{2014, "The external function stopped (an error inside it, shown before)"},
    MessageRow{2015, "The function stopped (an error inside it, shown before)"},
    MessageRow{2016,
               "Wrong constant: the word is no number of the current mode, no variable or array "
               "name and no function"},
    MessageRow{2017, "Wrong string expression (not shown by zentrel-cli)"},
    MessageRow{2018, "Wrong complex number: more than two values in a group in a complex mode"},
    MessageRow{2019, "Wrong matrix expression: more than three values in a group"},
    MessageRow{2020, "Assignment to a constant is not allowed"},
    MessageRow{2021, "`if` nested too deeply (at most 15 levels)"},
    MessageRow{2022, "No `if` for this `elif`, `else` or `endif`"},
    MessageRow{2023, "`switch` nested too deeply (at most 15 levels)"},
    MessageRow{2024, "No `switch` for this `case`, `default`, `breakswi` or `endswi`"},
    MessageRow{2025, "No `do` for this `until`"},
    MessageRow{2026, "No `while` for this `endwhile`"},
    MessageRow{2027, "The `for` loop has no condition"},
    MessageRow{2028, "The `for` loop has no update statement"},
    MessageRow{2029, "No `for` for this `next`"},
    MessageRow{2030, "`continue` is not valid here (outside a loop)"},
    MessageRow{2031, "`break` is not valid here (outside a loop)"},
    MessageRow{2032, "Too many functions"},
    MessageRow{2033, "A function cannot be defined inside a function"},
    MessageRow{2034, "No `func` for this `endfunc`"},
    MessageRow{2035, "Invalid function name (not a word, or already defined)"},
    MessageRow{2036, "A parameter of a function must be a plain name"},
    MessageRow{2037, "Unknown command"},
    MessageRow{2038, "Wrong arguments for the command (missing, of the wrong kind, or too many)"},
    MessageRow{2039, "The name is already defined"},
    MessageRow{2040, "The name is not defined"},
    MessageRow{2041, "The command takes at most 10 arguments"},
    MessageRow{2042,
               "The external function cannot be opened (no file NAME.vdl on the search path)"},
    MessageRow{2043, "A function takes at most 10 arguments"},
    MessageRow{2044,
               "An argument of a function must be a number, a variable, an array or a string"},
    MessageRow{2045, "The run was interrupted (Ctrl-C, or the limit of `--max-steps`)"},
    MessageRow{2046,
               "A block (while, for, do, if, switch, func) is still open where the input ends"},
    MessageRow{2047, "Groups or operators are nested too deeply"},
    MessageRow{2048, "No variable or array slot is free for a new name"},
    MessageRow{2049, "Calls of the function are nested too deeply"},
    MessageRow{2050, "The values would pass the memory limit (`--max-memory`)"},
};
static_assert(std::is_sorted(kMessageRows.begin(), kMessageRows.end(),
                             [](const MessageRow& a, const MessageRow& b) {
                                 return a.stringId < b.stringId;
                             }));

}  // namespace

std::span<const MessageRow> messageReference() {
    return kMessageRows;
}

}  // namespace zentrel
