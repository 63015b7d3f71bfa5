#include "engine/interp/dispatch.h"

#include "engine/interp/core_rows.h"
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

constexpr const char* kTableNames[] = {"operand-kind",  "function",    "operator",
                                       "control-check", "control-run", "command"};

std::span<Handler> entriesOf(DispatchTables& t, DispatchTable table) {
    switch (table) {
        case DispatchTable::OperandKind:
            return t.kinds;
        case DispatchTable::Function:
            return t.functions;
        case DispatchTable::Operator:
            return t.operators;
        case DispatchTable::ControlCheck:
            return t.controlCheck;
        case DispatchTable::ControlRun:
            return t.controlRun;
        case DispatchTable::Command:
            break;
    }
    return t.commands;
}

}  // namespace

DispatchBuilder::DispatchBuilder() {
    tables_.kinds.fill(refuseOperand);
    tables_.functions.fill(refuseFunction);
    tables_.operators.fill(refuseOperand);
    tables_.controlCheck.fill(refuseCommand);
    tables_.controlRun.fill(refuseCommand);
    tables_.commands.fill(refuseCommand);
    add(DispatchTable::OperandKind, operandKindRows());
    add(DispatchTable::Operator, operatorRows());
    add(DispatchTable::ControlCheck, controlCheckRows());
    add(DispatchTable::ControlRun, controlRunRows());
}

void DispatchBuilder::add(DispatchTable table, std::span<const HandlerRow> rows) {
    const std::span<Handler> entries = entriesOf(tables_, table);
    auto& provided = provided_[static_cast<std::size_t>(table)];
    for (const HandlerRow& row : rows) {
        if (row.id >= entries.size() || provided[row.id]) {
            faults_.push_back(std::string(kTableNames[static_cast<std::size_t>(table)]) + " " +
                              std::to_string(row.id));
            continue;
        }
        provided[row.id] = true;
        entries[row.id] = row.handler;
        if (table == DispatchTable::Function) {
            tables_.functionOperands[row.id] = row.operands;
            tables_.functionTakesWhole[row.id] = row.takesWhole;
        }
        if (table == DispatchTable::ControlRun) tables_.controlOperands[row.id] = row.operands;
        if (table == DispatchTable::Command) tables_.commandOperands[row.id] = row.operands;
    }
}

bool DispatchBuilder::provides(DispatchTable table, std::uint8_t id) const {
    return provided_[static_cast<std::size_t>(table)][id];
}

}  // namespace zentrel
