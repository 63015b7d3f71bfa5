#pragma once

#include <array>
#include <cstdint>
#include <span>

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

// One entry a subsystem contributes to a dispatch table.
struct HandlerRow {
    std::uint8_t id;
    Handler handler;
};

// The row of one table entry, by its id: `row<CommandId::Plot>(handler)`.
template <auto id>
constexpr HandlerRow row(Handler handler) {
    return {idByte(id), handler};
}

inline constexpr std::size_t kOperandKindCount = 12;  // token kinds 0..11

struct DispatchTables {
    std::array<Handler, kOperandKindCount> kinds;
    std::array<Handler, kFunctionCount> functions;
    std::array<Handler, kOperatorCount> operators;
    std::array<Handler, kControlCount> controlCheck;
    std::array<Handler, kControlCount> controlRun;
    std::array<Handler, kCommandCount> commands;
};

// The tables, filled once from the rows of every subsystem; entries no subsystem
// provides refuse with an error.
const DispatchTables& dispatchTables();

// The rows each subsystem provides.
std::span<const HandlerRow> operandKindRows();
std::span<const HandlerRow> operatorRows();
std::span<const HandlerRow> modeCommandRows();
std::span<const HandlerRow> nameCommandRows();
std::span<const HandlerRow> parameterCommandRows();
std::span<const HandlerRow> controlCheckRows();
std::span<const HandlerRow> controlRunRows();
std::span<const HandlerRow> partSetterRows();
std::span<const HandlerRow> mathFunctionRows();
std::span<const HandlerRow> matrixFunctionRows();
std::span<const HandlerRow> stringFunctionRows();
std::span<const HandlerRow> matrixCommandRows();
std::span<const HandlerRow> textCommandRows();
std::span<const HandlerRow> consoleCommandRows();
std::span<const HandlerRow> graphicsCommandRows();
std::span<const HandlerRow> plotCommandRows();
std::span<const HandlerRow> graphicsFunctionRows();

// The operand handler for an ExternalCall token, from the external functions.
ErrorCode callExternal(Engine& engine, Context& ctx, const Token& token, Value& result);

}  // namespace zentrel
