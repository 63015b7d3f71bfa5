#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentrel {

// Operator ids: the payload of an Operator token and the index of the
// interpreter's operator table. 0..5 are prefix operators, 6 and above binary
// or postfix.
enum class OperatorId : std::uint8_t {
    PreIncrement,      // [++]
    PreDecrement,      // [--]
    BitNot,            // [~]
    LogicalNot,        // [!]
    Negate,            // [-]
    UnaryPlus,         // [+]
    PostIncrement,     // ++
    PostDecrement,     // --
    Multiply,          // *
    Divide,            // /
    Remainder,         // %
    Add,               // +
    Subtract,          // -
    ShiftLeft,         // <<
    ShiftRight,        // >>
    Less,              // [<]
    LessEqual,         // [<=]
    Greater,           // [>]
    GreaterEqual,      // [>=]
    Equal,             // [==]
    NotEqual,          // [!=]
    BitAnd,            // &
    BitXor,            // ^
    BitOr,             // |
    LogicalAnd,        // [&&]
    LogicalOr,         // [||]
    Conditional,       // ?
    Assign,            // =
    MultiplyAssign,    // *=
    DivideAssign,      // /=
    RemainderAssign,   // %=
    AddAssign,         // +=
    SubtractAssign,    // -=
    ShiftLeftAssign,   // <<=
    ShiftRightAssign,  // >>=
    AndAssign,         // &=
    OrAssign,          // |=
    XorAssign,         // ^=
    ListSeparator,     // ,
};
inline constexpr std::size_t kOperatorCount = 39;

// How an operator takes its operands: before one (`[-] x`), after the
// accumulated value alone (`x ++`), or between it and one operand; the short
// circuits and `?` may pass over theirs, assignments store, `,` starts anew.
enum class OperatorForm : std::uint8_t {
    Prefix,  // [++] [--]: the operand is stored into
    Unary,
    Postfix,
    Binary,
    ShortCircuit,
    Conditional,
    Assignment,
    List
};

// Everything the language knows of one operator.
struct OperatorRow {
    std::string_view written;  // bracketed forms are also the operator words
    std::uint8_t level;        // binding strength for the precedence pass
    OperatorForm form;
    OperatorId base;  // the binary operator a compound assignment applies
};
const OperatorRow& operatorRow(OperatorId id);

enum class FunctionId : std::uint8_t {
    Defined,
    Isinf,
    Isnan,
    Rand,
    Time,
    A2d,
    A2g,
    A2r,
    D2a,
    D2g,
    D2r,
    G2a,
    G2d,
    G2r,
    R2a,
    R2d,
    R2g,
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,
    Atan2,
    Sinh,
    Cosh,
    Tanh,
    Asinh,
    Acosh,
    Atanh,
    Exp,
    Exp10,
    Log,
    Log10,
    Pow,
    Sqr,
    Sqrt,
    Ceil,
    Floor,
    Abs,
    Ldexp,
    Frexp,
    Modf,
    Int,
    Real,
    Imag,
    Arg,
    Norm,
    Conjg,
    Polar,
    Num,
    Denom,
    Row,
    Col,
    Det,
    Inv,
    Trans,
    Eigen,
    Jacobi,
    Power,
    Strcmp,
    Strlen,
    Gwidth,
    Gheight,
    Gcolor,
    Gcx,
    Gcy,
    Wcx,
    Wcy,
    Gget,
    Wget,
    Gx,
    Gy,
    Wx,
    Wy,
};
inline constexpr std::size_t kFunctionCount = 75;

enum class ControlId : std::uint8_t {
    Do,
    Until,
    While,
    Endwhile,
    For,
    Next,
    Func,
    Endfunc,
    If,
    Elif,
    Else,
    Endif,
    Switch,
    Case,
    Default,
    Endswi,
    Breakswi,
    Continue,
    Break,
    Assert,
    Return,
};
inline constexpr std::size_t kControlCount = 21;

// Id 0 is the bare `:` and every unknown name.
enum class CommandId : std::uint8_t {
    None,
    Efloat,
    Float,
    Gfloat,
    Ecomplex,
    Complex,
    Gcomplex,
    Prec,
    Fract,
    Mfract,
    Char,
    Uchar,
    Short,
    Ushort,
    Long,
    Ulong,
    Int,
    Uint,
    Radix,
    Ptype,
    Rad,
    Deg,
    Grad,
    Angle,
    Ans,
    Assert,
    Warn,
    Debug,
    Param,
    Params,
    Define,
    Enum,
    Undef,
    Var,
    Array,
    Label,
    Real,
    Imag,
    Num,
    Denom,
    Mat,
    Trans,
    Srand,
    Sprint,
    Sprintf,
    Strcat,
    Strcpy,
    Strlwr,
    Strupr,
    Clear,
    Error,
    Print,
    Println,
    Printf,
    Scan,
    Gworld,
    Gclear,
    Gcolor,
    Gfill,
    Gmove,
    Gline,
    Gput,
    Gget,
    Gupdate,
    Window,
    Wfill,
    Wmove,
    Wline,
    Wput,
    Wget,
    Rectangular,
    Parametric,
    Polar,
    Logscale,
    Nologscale,
    Plot,
    Replot,
};
inline constexpr std::size_t kCommandCount = 77;  // ids 0..76

template <typename Id>
constexpr std::uint8_t idByte(Id id) {
    return static_cast<std::uint8_t>(id);
}

// Precedence levels of the operators (higher binds tighter).
inline constexpr std::uint8_t kAssignmentLevel = 2;
// 0 for an id outside the operator table.
std::uint8_t operatorLevel(std::uint8_t operatorId);

// Written forms, as the listing writes them; empty for an unknown id.
std::string_view operatorText(std::uint8_t operatorId);
std::string_view functionName(std::uint8_t functionId);
std::string_view controlKeyword(std::uint8_t controlId);
// The command word without its `:`; empty for id 0 and unknown ids.
std::string_view commandName(std::uint8_t commandId);

// Exact, case-sensitive lookups of a whole word. lookupOperatorWord knows the
// bracket forms without their brackets (`++`, `<=`, `!`, ...); lookupCommand
// takes the name without its `:`.
bool lookupOperatorWord(std::string_view word, OperatorId& id);
bool lookupFunction(std::string_view word, FunctionId& id);
bool lookupControl(std::string_view word, ControlId& id);
bool lookupCommand(std::string_view name, CommandId& id);

// Reserved words that always compile to constants.
inline constexpr std::string_view kHugeValWord = "HUGE_VAL";
inline constexpr std::string_view kRandMaxWord = "RAND_MAX";
inline constexpr double kRandMaxValue = 32767.0;

}  // namespace zentrel
