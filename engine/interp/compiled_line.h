#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/token.h"
#include "engine/frontend/token_line.h"
#include "engine/interp/context.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"
#include "engine/values/value.h"

namespace zentrel {

class Context;
class Engine;
struct DispatchTables;

// What one instruction does. Operand instructions write register `reg`; the
// operators combine `reg` with `reg + 1`, where their operand was written.
enum class Step : std::uint8_t {
    Variable,        // a variable by its letter (`slot`)
    NamedVariable,   // a variable by its label, found when read
    Constant,        // constant `index` of the pool
    ArrayElement,    // array `slot` (or by its label): its element numbers are call `index`,
                     // after the slot number of `@@:`; saved as record `operand` - 1 for a
                     // store, unless 0
    ArrayLiteral,    // the literal after the array, read off the tokens
    VariableBySlot,  // `@:`: its slot number is call `index`; saved as ArrayElement's
    NumberWord,      // a number word, read in the mode in force on its first run
    Function,        // built-in function `slot`: its operands are call `index`
    Control,         // the statement's control keyword `slot`: its operand is call `index`,
                     // or it reads the statement's tokens
    Command,         // the statement's command `slot`: the same
    UserCall,        // user function: its arguments are call `index`
    ExternalCall,    // external function: its arguments are call `index`
    Unary,           // operator `slot` applied to `reg`
    Prefix,          // [++] or [--] (`slot`) on `reg`, read from the variable of `index`
    List,            // `,` after its operand was read into `reg`
    Conditional,     // `?`: `reg` decides which of call `index`'s operands becomes it
    Binary,          // reg = reg (operator `slot`) operand; `index` 1 when Unmark went first
    CheckTarget,     // the variable an assignment is about to write may be written
    Store,           // `=` or a compound assignment (`slot`) into the variable of `index`,
                     // checked first where the operand is read without a register
    Postfix,         // `++` or `--` (`slot`) queued for the variable of `index`
    StepNow,         // the same, where it is the whole statement: the variable steps at once
    AndOr,           // [&&] or [||] (`slot`): passes over to `index` when decided
    Truth,           // the [&&] or [||] that was not decided: reg = truth of reg + 1
    Unmark,          // clears the assignment mark before an operand that calls
    Answer,          // reg = the answer, which a statement starting with an operator continues
    PairCheck,       // a pair form's second operand follows: refused in an integer mode
    PairForm,        // reg = the pair form of reg and reg + 1 (`slot` 2), or the triple with
                     // reg + 2 (`slot` 3); `operand` 1 when a third operand follows the pair
};

// Where an operator finds its operand: in the register after its own, or,
// for a lone variable or constant, read where it is without a register.
enum class OperandFrom : std::uint8_t { Register, Variable, Constant };

// One instruction. Every instruction keeps the token it was compiled from, so
// that messages name the offending token as the token walk would.
struct Instruction {
    Step step;
    std::uint8_t slot = 0;
    std::uint8_t reg = 0;
    OperandFrom from = OperandFrom::Register;
    std::uint16_t operand = 0;  // the variable's letter or the constant's index
    // Operand levels and parentheses around the instruction within its group:
    // a call restores them, as the walk would have them, for the scope it runs.
    std::uint8_t level = 0;
    std::uint8_t groupLevel = 0;
    std::uint16_t index = 0;
    Token* token = nullptr;
};

// A storing operator's target: a variable settled when the line was compiled,
// or the array element saved as record `array` when it was read.
struct StoreTarget {
    std::uint8_t slot;  // the letter; a label is found again when written
    bool named;
    std::string_view label;
    std::int16_t array = -1;
};

// The operands of a call: each runs the instructions [begin, end) into its
// register; `first` is the token the operand starts with, `after` the one the
// walk would read after the last operand.
struct CompiledCall {
    struct Operand {
        std::uint32_t begin;
        std::uint32_t end;
        Token* first;
    };
    std::uint32_t firstOperand;
    std::uint8_t operandCount;
    Token* after;
    std::uint32_t resume;  // the instruction after the call's operands
    // The handler reads its operands off the statement's tokens, from `after`.
    bool readsTokens = false;
};

// A line compiled once into a flat program: the groups of its statement (the
// whole statement, or the parenthesised groups the token walk evaluates on its
// own) whose every token the compiler knows, with the constants they read.
// Running a compiled group calls the same operator steps, scalar routines and
// function handlers as the walk, in the same order, with the same messages;
// it only saves finding each token's meaning again. Instructions point into
// the line's tokens, which the line keeps while it holds its compiled form.
class CompiledLine final : public CompiledForm {
  public:
    struct Group {
        std::uint32_t begin;
        std::uint32_t end;
        std::uint16_t depth;  // operand levels the group's evaluation nests
        Token* resume;        // where the walk goes on after the group
    };

    // Whole: the statement is compiled as a whole (an expression, or a control
    // keyword or a command with its operands); Parts: only groups inside it are.
    enum class StatementForm : std::uint8_t { Parts, Whole };

    // The compiled form of the line in the scope's modes, or null when no group
    // qualifies. Compiling changes no token.
    static std::unique_ptr<CompiledLine> compile(const TokenLine& line,
                                                 const DispatchTables& tables, const Context& ctx,
                                                 const ModeView& modes);
    static const CompiledLine* of(const TokenLine& line) {
        return static_cast<const CompiledLine*>(line.compiled());
    }

    StatementForm form() const { return form_; }
    const Group& statementGroup() const { return groups_.front(); }
    // The group that starts at `first` (a statement's first token or the token
    // after a `(`), or null.
    const Group* groupAt(const Token* first) const;

    // False when a word the line read as a number or a call means something
    // else now (a label of that name, or another radix): the line then runs by
    // walking its tokens, which read the words anew.
    bool stillValid(const Context& ctx, const ModeView& modes) const {
        // Usually nothing changed: the same mode and radix, and no labels.
        if (!stale_ && ctx.modes.numberMode == checkedModes_.numberMode &&
            ctx.modes.radix == checkedModes_.radix && ctx.variables.labels().empty() &&
            ctx.arrays.labels().empty()) {
            return true;
        }
        return checkWords(ctx, modes);
    }

    // Evaluates the group as the token walk would, into `result`.
    ErrorCode run(Engine& engine, Context& ctx, const Group& group, Value& result) const;

  private:
    bool checkWords(const Context& ctx, const ModeView& modes) const;
    void stepAtOnce();

    class Compiler;
    class Runner;

    std::vector<Instruction> code_;
    std::vector<Number> constants_;
    std::vector<StoreTarget> targets_;
    std::vector<CompiledCall> calls_;
    std::vector<CompiledCall::Operand> operands_;
    std::vector<Group> groups_;
    std::vector<const Token*> entries_;  // where each group starts
    // A word the line read as a number, the name of a call or a label, as the
    // walk reads it the first time it meets it.
    enum class Meaning : std::uint8_t { Number, Name, VariableLabel, ArrayLabel };
    struct Word {
        const Token* token;
        Meaning meaning;
    };
    bool stillMeans(const Word& word, const Context& ctx, const ModeView& modes,
                    bool sameModes) const;
    std::vector<Word> words_;
    StatementForm form_ = StatementForm::Parts;
    std::uint8_t registerCount_ = 0;
    std::uint8_t recordCount_ = 0;  // array elements saved for stores
    // The modes the words were last known to mean the same in.
    mutable ContextModes checkedModes_;
    mutable bool stale_ = false;
};

}  // namespace zentrel
