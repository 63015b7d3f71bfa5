#include "engine/interp/dispatch.h"

#include <initializer_list>

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

ErrorCode refuseFunction(Engine& engine, Context&, const Token& token, Value&) {
    return engine.fail(kErrFunctionArgument, token);
}

ErrorCode refuseCommand(Engine& engine, Context&, const Token& token, Value&) {
    return engine.fail(kErrCommand, token);
}

ErrorCode refuseOperand(Engine& engine, Context&, const Token& token, Value&) {
    return engine.fail(kErrConstantSyntax, token);
}

// Every entry refuses until one of the subsystems' row lists provides it.
template <std::size_t N>
void fill(std::array<Handler, N>& table, Handler fallback,
          std::initializer_list<std::span<const HandlerRow>> rowLists) {
    table.fill(fallback);
    for (std::span<const HandlerRow> rows : rowLists) {
        for (const HandlerRow& row : rows) {
            if (row.id < N) table[row.id] = row.handler;
        }
    }
}

template <std::size_t N>
void fill(std::array<Handler, N>& table, Handler fallback, std::span<const HandlerRow> rows) {
    fill(table, fallback, {rows});
}

DispatchTables buildTables() {
    DispatchTables t{};
    fill(t.kinds, refuseOperand, operandKindRows());
    fill(t.functions, refuseFunction,
         {mathFunctionRows(), matrixFunctionRows(), stringFunctionRows(), graphicsFunctionRows()});
    fill(t.operators, refuseOperand, operatorRows());
    fill(t.controlCheck, refuseCommand, controlCheckRows());
    fill(t.controlRun, refuseCommand, controlRunRows());
    fill(t.commands, refuseCommand,
         {modeCommandRows(), partSetterRows(), nameCommandRows(), parameterCommandRows(),
          matrixCommandRows(), textCommandRows(), consoleCommandRows(), graphicsCommandRows(),
          plotCommandRows()});
    return t;
}

}  // namespace

const DispatchTables& dispatchTables() {
    static const DispatchTables tables = buildTables();
    return tables;
}

}  // namespace zentrel
