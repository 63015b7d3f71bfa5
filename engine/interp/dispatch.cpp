#include "engine/interp/dispatch.h"

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

// Several subsystems may fill one table: each call adds its rows over the
// refusing default.
template <std::size_t N>
void fill(std::array<Handler, N>& table, Handler fallback, std::span<const HandlerRow> rows) {
    for (const HandlerRow& row : rows) {
        if (row.id < N) table[row.id] = row.handler;
    }
    for (Handler& handler : table) {
        if (!handler) handler = fallback;
    }
}

DispatchTables buildTables() {
    DispatchTables t{};
    fill(t.kinds, refuseOperand, operandKindRows());
    fill(t.functions, refuseFunction, {});
    fill(t.operators, refuseOperand, operatorRows());
    fill(t.controlCheck, refuseCommand, controlCheckRows());
    fill(t.controlRun, refuseCommand, controlRunRows());
    fill(t.commands, refuseCommand, modeCommandRows());
    fill(t.commands, refuseCommand, nameCommandRows());
    fill(t.commands, refuseCommand, parameterCommandRows());
    return t;
}

}  // namespace

const DispatchTables& dispatchTables() {
    static const DispatchTables tables = buildTables();
    return tables;
}

}  // namespace zentrel
