// What each operator, control keyword and reserved word does; operators and
// keywords in the order of their tables.
#include "app/reference/reference_rows.h"
#include "engine/frontend/name_tables.h"

namespace zentrel {
namespace {

using O = OperatorId;
using C = ControlId;

constexpr std::array<ReferenceRow, kOperatorCount> kOperatorRows{{
    referenceRow(O::PreIncrement, "[++] <var>",
                 "adds 1 to the variable or array element and gives the new value", kEveryMode),
    referenceRow(O::PreDecrement, "[--] <var>",
                 "subtracts 1 from the variable or array element and gives the new value",
                 kEveryMode),
    referenceRow(O::BitNot, "[~] <x>", "bitwise complement of the low 32 bits of x", kEveryMode),
    referenceRow(O::LogicalNot, "[!] <x>", "1 when x cut to a whole number is 0, else 0",
                 kEveryMode),
    referenceRow(O::Negate, "[-] <x>",
                 "minus x (the unary minus; every element of a matrix); `\\-2` is the literal -2",
                 kEveryMode),
    referenceRow(O::UnaryPlus, "[+] <x>", "x unchanged", kEveryMode),
    referenceRow(O::PostIncrement, "<var>++",
                 "gives the value, then adds 1 to the variable after the statement", kEveryMode),
    referenceRow(O::PostDecrement, "<var>--",
                 "gives the value, then subtracts 1 from the variable after the statement",
                 kEveryMode),
    referenceRow(O::Multiply, "<a> * <b>",
                 "product; the matrix product of two matrices, every element when one side is a "
                 "number",
                 kEveryMode),
    referenceRow(O::Divide, "<a> / <b>",
                 "quotient (cut toward zero in the integer modes); a matrix divides element by "
                 "element; dividing by 0 warns",
                 kEveryMode),
    referenceRow(O::Remainder, "<a> % <b>",
                 "remainder of a divided by b, with the sign of a (complex numbers: a minus b "
                 "times the whole part of a / b)",
                 kEveryMode),
    referenceRow(O::Add, "<a> + <b>",
                 "sum; two matrices element by element (a matrix plus a number keeps only the "
                 "first element)",
                 kEveryMode),
    referenceRow(O::Subtract, "<a> - <b>",
                 "difference; at the start of a line it subtracts from the last answer",
                 kEveryMode),
    referenceRow(O::ShiftLeft, "<a> << <n>",
                 "the low 32 bits of a shifted left by n (n taken modulo 32)", kEveryMode),
    referenceRow(O::ShiftRight, "<a> >> <n>",
                 "the low 32 bits of a shifted right by n, filling with zeros", kEveryMode),
    referenceRow(O::Less, "<a> [<] <b>", "1 when a is less than b, else 0 (real parts compared)",
                 kEveryMode),
    referenceRow(O::LessEqual, "<a> [<=] <b>", "1 when a is less than or equal to b, else 0",
                 kEveryMode),
    referenceRow(O::Greater, "<a> [>] <b>", "1 when a is greater than b, else 0", kEveryMode),
    referenceRow(O::GreaterEqual, "<a> [>=] <b>", "1 when a is greater than or equal to b, else 0",
                 kEveryMode),
    referenceRow(O::Equal, "<a> [==] <b>",
                 "1 when a equals b (whole matrices and both parts of complex numbers), else 0",
                 kEveryMode),
    referenceRow(O::NotEqual, "<a> [!=] <b>", "1 when a differs from b, else 0", kEveryMode),
    referenceRow(O::BitAnd, "<a> & <b>", "bitwise and of the low 32 bits", kEveryMode),
    referenceRow(O::BitXor, "<a> ^ <b>",
                 "bitwise exclusive or of the low 32 bits (not a power: use `pow`)", kEveryMode),
    referenceRow(O::BitOr, "<a> | <b>", "bitwise or of the low 32 bits", kEveryMode),
    referenceRow(O::LogicalAnd, "<a> [&&] <b>",
                 "1 when both are true (not 0), else 0; b is not evaluated when a is false",
                 kEveryMode),
    referenceRow(O::LogicalOr, "<a> [||] <b>",
                 "1 when either is true, else 0; b is not evaluated when a is true", kEveryMode),
    referenceRow(O::Conditional, "<c> ? <a> <b>",
                 "a when c is true, else b (no colon; group longer alternatives in parentheses)",
                 kEveryMode),
    referenceRow(O::Assign, "<var> = <x>",
                 "stores x into the variable, array or element; the value of x stays the result",
                 kEveryMode),
    referenceRow(O::MultiplyAssign, "<var> *= <x>", "multiplies the variable by x", kEveryMode),
    referenceRow(O::DivideAssign, "<var> /= <x>", "divides the variable by x", kEveryMode),
    referenceRow(O::RemainderAssign, "<var> %= <x>", "replaces the variable by its remainder by x",
                 kEveryMode),
    referenceRow(O::AddAssign, "<var> += <x>", "adds x to the variable", kEveryMode),
    referenceRow(O::SubtractAssign, "<var> -= <x>", "subtracts x from the variable", kEveryMode),
    referenceRow(O::ShiftLeftAssign, "<var> <<= <n>", "shifts the variable left by n bits",
                 kEveryMode),
    referenceRow(O::ShiftRightAssign, "<var> >>= <n>", "shifts the variable right by n bits",
                 kEveryMode),
    referenceRow(O::AndAssign, "<var> &= <x>", "bitwise and of the variable with x", kEveryMode),
    referenceRow(O::OrAssign, "<var> |= <x>", "bitwise or of the variable with x", kEveryMode),
    referenceRow(O::XorAssign, "<var> ^= <x>", "bitwise exclusive or of the variable with x",
                 kEveryMode),
    referenceRow(O::ListSeparator, "<a> , <b>", "evaluates a, then b; the result is b", kEveryMode),
}};
static_assert(rowsFollowIds(kOperatorRows));

constexpr std::array<ReferenceRow, kControlCount> kControlRows{{
    referenceRow(C::Do, "", "starts a loop whose body runs at least once, up to `until`",
                 kEveryMode),
    referenceRow(C::Until, "<condition>",
                 "ends a `do` loop: the loop runs again while the condition is true", kEveryMode),
    referenceRow(C::While, "<condition>",
                 "starts a loop that runs while the condition is true, up to `endwhile`",
                 kEveryMode),
    referenceRow(C::Endwhile, "", "ends a `while` loop", kEveryMode),
    referenceRow(C::For, "<init>; <condition>; <update>",
                 "starts a loop up to `next`: init once, then the body while the condition is "
                 "true, the update after every pass",
                 kEveryMode),
    referenceRow(C::Next, "", "ends a `for` loop", kEveryMode),
    referenceRow(C::Func, "<name> [<parameter> ...]",
                 "defines a function up to `endfunc`; the parameters name @0 to @9 (`[&]` before "
                 "a name passes by reference, `[]` after it takes an array)",
                 kEveryMode),
    referenceRow(C::Endfunc, "", "ends a function definition", kEveryMode),
    referenceRow(C::If, "<condition>",
                 "runs the following statements when the condition is true (not 0)", kEveryMode),
    referenceRow(C::Elif, "<condition>",
                 "runs the following statements when no branch before ran and the condition is "
                 "true",
                 kEveryMode),
    referenceRow(C::Else, "", "runs the following statements when no branch before ran",
                 kEveryMode),
    referenceRow(C::Endif, "", "ends an `if`", kEveryMode),
    referenceRow(C::Switch, "<value>", "starts a choice among `case` labels by the value",
                 kEveryMode),
    referenceRow(C::Case, "<value>",
                 "the statements after it run when the value equals the switch value, and on "
                 "through later labels until `breakswi`",
                 kEveryMode),
    referenceRow(C::Default, "", "the statements after it run when no case matched before",
                 kEveryMode),
    referenceRow(C::Endswi, "", "ends a `switch`", kEveryMode),
    referenceRow(C::Breakswi, "", "skips the rest of the `switch`", kEveryMode),
    referenceRow(C::Continue, "", "starts the next pass of the innermost loop", kEveryMode),
    referenceRow(C::Break, "", "leaves the innermost loop", kEveryMode),
    referenceRow(C::Assert, "<condition>",
                 "stops the input line with \"assertion failed\" when the condition is 0 (while "
                 "`:assert` is on, as it is at the start)",
                 kEveryMode),
    referenceRow(C::Return, "[<value>]",
                 "ends the function or external function, giving the value as its result",
                 kEveryMode),
}};
static_assert(rowsFollowIds(kControlRows));

constexpr std::array kReservedWordRows = {
    WordRow{kHugeValWord, "positive infinity"},
    WordRow{kRandMaxWord, "32767, the largest value of `rand`"},
};

}  // namespace

std::span<const ReferenceRow> operatorReference() {
    return kOperatorRows;
}

std::span<const ReferenceRow> controlReference() {
    return kControlRows;
}

std::span<const WordRow> reservedWordReference() {
    return kReservedWordRows;
}

}  // namespace zentrel
