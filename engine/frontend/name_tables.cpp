#include "engine/frontend/name_tables.h"

#include <array>

namespace zentrel {
namespace {

using Form = OperatorForm;
using Op = OperatorId;

constexpr OperatorRow operatorRow(std::string_view written, std::uint8_t level, Form form,
                                  Op base = Op::PreIncrement) {
    return {written, level, form, base};
}

constexpr std::array<OperatorRow, kOperatorCount> kOperators{{
    operatorRow("[++]", 14, Form::Prefix),
    operatorRow("[--]", 14, Form::Prefix),
    operatorRow("[~]", 14, Form::Unary),
    operatorRow("[!]", 14, Form::Unary),
    operatorRow("[-]", 14, Form::Unary),
    operatorRow("[+]", 14, Form::Unary),
    operatorRow("++", 15, Form::Postfix),
    operatorRow("--", 15, Form::Postfix),
    operatorRow("*", 13, Form::Binary),
    operatorRow("/", 13, Form::Binary),
    operatorRow("%", 13, Form::Binary),
    operatorRow("+", 12, Form::Binary),
    operatorRow("-", 12, Form::Binary),
    operatorRow("<<", 11, Form::Binary),
    operatorRow(">>", 11, Form::Binary),
    operatorRow("[<]", 10, Form::Binary),
    operatorRow("[<=]", 10, Form::Binary),
    operatorRow("[>]", 10, Form::Binary),
    operatorRow("[>=]", 10, Form::Binary),
    operatorRow("[==]", 9, Form::Binary),
    operatorRow("[!=]", 9, Form::Binary),
    operatorRow("&", 8, Form::Binary),
    operatorRow("^", 7, Form::Binary),
    operatorRow("|", 6, Form::Binary),
    operatorRow("[&&]", 5, Form::ShortCircuit),
    operatorRow("[||]", 4, Form::ShortCircuit),
    operatorRow("?", 3, Form::Conditional),
    operatorRow("=", 2, Form::Assignment),
    operatorRow("*=", 2, Form::Assignment, Op::Multiply),
    operatorRow("/=", 2, Form::Assignment, Op::Divide),
    operatorRow("%=", 2, Form::Assignment, Op::Remainder),
    operatorRow("+=", 2, Form::Assignment, Op::Add),
    operatorRow("-=", 2, Form::Assignment, Op::Subtract),
    operatorRow("<<=", 2, Form::Assignment, Op::ShiftLeft),
    operatorRow(">>=", 2, Form::Assignment, Op::ShiftRight),
    operatorRow("&=", 2, Form::Assignment, Op::BitAnd),
    operatorRow("|=", 2, Form::Assignment, Op::BitOr),
    operatorRow("^=", 2, Form::Assignment, Op::BitXor),
    operatorRow(",", 1, Form::List),
}};
static_assert(kOperators.size() == idByte(OperatorId::ListSeparator) + 1);
static_assert(kOperators[idByte(OperatorId::Assign)].level == kAssignmentLevel);

// The operator words are the bracketed written forms without their brackets,
// one or two characters each.
struct OperatorWord {
    char word[2];  // the second character is 0 for a one-character word
    OperatorId id;
};

constexpr std::size_t countOperatorWords() {
    std::size_t count = 0;
    for (const OperatorRow& row : kOperators)
        count += row.written.front() == '[' ? 1 : 0;
    return count;
}

constexpr std::array<OperatorWord, countOperatorWords()> makeOperatorWords() {
    std::array<OperatorWord, countOperatorWords()> words{};
    std::size_t next = 0;
    for (std::size_t i = 0; i < kOperators.size(); ++i) {
        std::string_view written = kOperators[i].written;
        if (written.front() != '[') continue;
        words[next++] = OperatorWord{{written[1], written.size() == 4 ? written[2] : '\0'},
                                     static_cast<OperatorId>(i)};
    }
    return words;
}

constexpr auto kOperatorWords = makeOperatorWords();
static_assert(kOperatorWords.size() == 14);

constexpr std::array<std::string_view, kFunctionCount> kFunctionNames{
    "defined", "isinf",  "isnan",  "rand",    "time",   "a2d",  "a2g",   "a2r",   "d2a",    "d2g",
    "d2r",     "g2a",    "g2d",    "g2r",     "r2a",    "r2d",  "r2g",   "sin",   "cos",    "tan",
    "asin",    "acos",   "atan",   "atan2",   "sinh",   "cosh", "tanh",  "asinh", "acosh",  "atanh",
    "exp",     "exp10",  "log",    "log10",   "pow",    "sqr",  "sqrt",  "ceil",  "floor",  "abs",
    "ldexp",   "frexp",  "modf",   "int",     "real",   "imag", "arg",   "norm",  "conjg",  "polar",
    "num",     "denom",  "row",    "col",     "det",    "inv",  "trans", "eigen", "jacobi", "power",
    "strcmp",  "strlen", "gwidth", "gheight", "gcolor", "gcx",  "gcy",   "wcx",   "wcy",    "gget",
    "wget",    "gx",     "gy",     "wx",      "wy",
};
static_assert(kFunctionNames.size() == idByte(FunctionId::Wy) + 1);

constexpr std::array<std::string_view, kControlCount> kControlKeywords{
    "do",      "until",  "while",    "endwhile", "for",   "next",   "func",
    "endfunc", "if",     "elif",     "else",     "endif", "switch", "case",
    "default", "endswi", "breakswi", "continue", "break", "assert", "return",
};
static_assert(kControlKeywords.size() == idByte(ControlId::Return) + 1);

// Index 0 is the bare `:`, which has no name.
constexpr std::array<std::string_view, kCommandCount> kCommandNames{
    "",         "efloat",   "float",      "gfloat",  "ecomplex",    "complex",
    "gcomplex", "prec",     "fract",      "mfract",  "char",        "uchar",
    "short",    "ushort",   "long",       "ulong",   "int",         "uint",
    "radix",    "ptype",    "rad",        "deg",     "grad",        "angle",
    "ans",      "assert",   "warn",       "debug",   "param",       "params",
    "define",   "enum",     "undef",      "var",     "array",       "label",
    "real",     "imag",     "num",        "denom",   "mat",         "trans",
    "srand",    "sprint",   "sprintf",    "strcat",  "strcpy",      "strlwr",
    "strupr",   "clear",    "error",      "print",   "println",     "printf",
    "scan",     "gworld",   "gclear",     "gcolor",  "gfill",       "gmove",
    "gline",    "gput",     "gget",       "gupdate", "window",      "wfill",
    "wmove",    "wline",    "wput",       "wget",    "rectangular", "parametric",
    "polar",    "logscale", "nologscale", "plot",    "replot",
};
static_assert(kCommandNames.size() == idByte(CommandId::Replot) + 1);

// A name table's ids grouped by the first character of their names, so that a
// lookup compares the word with the few names that start like it.
template <std::size_t N>
struct NameIndex {
    std::array<std::uint8_t, N> ids{};
    std::array<std::uint16_t, 257> bucketStart{};  // ids[bucketStart[c]..bucketStart[c + 1]]

    constexpr explicit NameIndex(const std::array<std::string_view, N>& names) {
        std::size_t next = 0;
        for (std::size_t c = 0; c < 256; ++c) {
            bucketStart[c] = static_cast<std::uint16_t>(next);
            for (std::size_t i = 0; i < N; ++i) {
                if (!names[i].empty() && static_cast<unsigned char>(names[i][0]) == c) {
                    ids[next++] = static_cast<std::uint8_t>(i);
                }
            }
        }
        bucketStart[256] = static_cast<std::uint16_t>(next);
    }
};

constexpr NameIndex kFunctionIndex(kFunctionNames);
constexpr NameIndex kControlIndex(kControlKeywords);
constexpr NameIndex kCommandIndex(kCommandNames);

template <std::size_t N>
bool findName(const std::array<std::string_view, N>& names, const NameIndex<N>& index,
              std::string_view word, std::uint8_t& id) {
    if (word.empty()) return false;
    const auto first = static_cast<unsigned char>(word[0]);
    for (std::size_t i = index.bucketStart[first]; i < index.bucketStart[first + 1]; ++i) {
        if (names[index.ids[i]] == word) {
            id = index.ids[i];
            return true;
        }
    }
    return false;
}

template <typename Table>
std::string_view entryOrEmpty(const Table& table, std::uint8_t id) {
    return id < table.size() ? std::string_view(table[id]) : std::string_view();
}

}  // namespace

const OperatorRow& operatorRow(OperatorId id) {
    return kOperators[idByte(id)];
}

std::uint8_t operatorLevel(std::uint8_t operatorId) {
    return operatorId < kOperators.size() ? kOperators[operatorId].level : 0;
}

std::string_view operatorText(std::uint8_t operatorId) {
    return operatorId < kOperators.size() ? kOperators[operatorId].written : std::string_view();
}

std::string_view functionName(std::uint8_t functionId) {
    return entryOrEmpty(kFunctionNames, functionId);
}

std::string_view controlKeyword(std::uint8_t controlId) {
    return entryOrEmpty(kControlKeywords, controlId);
}

std::string_view commandName(std::uint8_t commandId) {
    return entryOrEmpty(kCommandNames, commandId);
}

bool lookupOperatorWord(std::string_view word, OperatorId& id) {
    if (word.empty() || word.size() > 2) return false;
    for (const OperatorWord& entry : kOperatorWords) {
        if (entry.word[0] == word[0] && entry.word[1] == (word.size() == 2 ? word[1] : '\0')) {
            id = entry.id;
            return true;
        }
    }
    return false;
}

bool lookupFunction(std::string_view word, FunctionId& id) {
    std::uint8_t found = 0;
    if (!findName(kFunctionNames, kFunctionIndex, word, found)) return false;
    id = static_cast<FunctionId>(found);
    return true;
}

bool lookupControl(std::string_view word, ControlId& id) {
    std::uint8_t found = 0;
    if (!findName(kControlKeywords, kControlIndex, word, found)) return false;
    id = static_cast<ControlId>(found);
    return true;
}

bool lookupCommand(std::string_view name, CommandId& id) {
    std::uint8_t found = 0;
    if (!findName(kCommandNames, kCommandIndex, name, found)) return false;
    id = static_cast<CommandId>(found);
    return true;
}

}  // namespace zentrel
