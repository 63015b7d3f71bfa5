#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/token.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class Context;

// Every handler has the same contract: 0 success with the result in `result`;
// 4 statement done without a value (commands, control statements); any other
// code is a status or an error, with the offending token recorded in the engine.
using Handler = ErrorCode (*)(Engine& engine, Context& ctx, const Token& token, Value& result);

class CallArguments;
// A call of the function `token` names, with its arguments collected.
using CallHandler = ErrorCode (*)(Engine& engine, Context& ctx, const Token& token,
                                  const CallArguments& args, Value& result);

// The operand count of a command that reads a list of them.
inline constexpr std::uint8_t kOperandList = 255;
// The operand count of a built-in function that reads none.
inline constexpr std::uint8_t kNoOperands = 254;

// What a built-in function takes by its token, unevaluated, where it stands
// at an operand's place: nothing, a text or an array, or a word that is no
// label or number (a query of names).
enum class TakenWhole : std::uint8_t { Nothing, TextsAndArrays, Words };

// One entry a subsystem contributes to a dispatch table.
struct HandlerRow {
    std::uint8_t id;
    Handler handler;
    // For a built-in function or a control keyword that reads this many
    // operands (a keyword at most this many), one after another and nothing
    // else, all before it writes its result: its calls are compiled with their
    // operands. kNoOperands for a function that reads none. kOperandList for a
    // command that reads every operand after it so (when none is a text or an
    // array) and changes no mode. 0 for the others: a keyword or a command
    // that reads the statement's tokens itself.
    std::uint8_t operands = 0;
    // What a function takes whole; it evaluates any other operand.
    TakenWhole takesWhole = TakenWhole::Nothing;
};

// The row of one table entry, by its id: `row<CommandId::Plot>(handler)`.
template <auto id>
constexpr HandlerRow row(Handler handler, std::uint8_t operands = 0,
                         TakenWhole takesWhole = TakenWhole::Nothing) {
    return {idByte(id), handler, operands, takesWhole};
}

inline constexpr std::size_t kOperandKindCount = 12;  // token kinds 0..11

struct DispatchTables {
    std::array<Handler, kOperandKindCount> kinds;
    std::array<Handler, kFunctionCount> functions;
    std::array<std::uint8_t, kFunctionCount> functionOperands;
    std::array<TakenWhole, kFunctionCount> functionTakesWhole;
    std::array<Handler, kOperatorCount> operators;
    std::array<Handler, kControlCount> controlCheck;
    std::array<Handler, kControlCount> controlRun;
    std::array<std::uint8_t, kControlCount> controlOperands;
    std::array<Handler, kCommandCount> commands;
    std::array<std::uint8_t, kCommandCount> commandOperands;
    // The external call, once its arguments are collected; null without the
    // layer that provides it.
    CallHandler externalCall = nullptr;
};

// True when no two rows of the list name the same id: every row list checks
// itself with it at compile time (`static_assert(distinctIds(kRows))`).
template <std::size_t N>
constexpr bool distinctIds(const HandlerRow (&rows)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (rows[i].id == rows[j].id) return false;
        }
    }
    return true;
}

// Which table a row goes to.
enum class DispatchTable : std::uint8_t {
    OperandKind,
    Function,
    Operator,
    ControlCheck,
    ControlRun,
    Command
};

// Builds the dispatch tables from the rows each layer registers: the
// interpreter's own rows (operand kinds, operators, control keywords) at once,
// the built-in functions and commands and the external calls from the layers
// that provide them. Entries no row provides refuse with an error. Two rows for
// one entry, or a row past the end of its table, are faults of the program that
// `faults` lists, so that a test catches them.
class DispatchBuilder {
  public:
    DispatchBuilder();

    void add(DispatchTable table, std::span<const HandlerRow> rows);
    void setExternalCall(CallHandler handler) { tables_.externalCall = handler; }

    const DispatchTables& tables() const { return tables_; }
    // "table id" for every entry set twice or out of range, in the order met.
    const std::vector<std::string>& faults() const { return faults_; }
    // True when the entry was given a row.
    bool provides(DispatchTable table, std::uint8_t id) const;

  private:
    DispatchTables tables_{};
    std::array<std::array<bool, 256>, 6> provided_{};
    std::vector<std::string> faults_;
};

}  // namespace zentrel
