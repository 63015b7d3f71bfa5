// The control check and run tables: one row per control keyword, in id order.
#include <array>

#include "engine/frontend/name_tables.h"
#include "engine/interp/control_handlers.h"
#include "engine/interp/core_rows.h"

namespace zentrel {

namespace {

using C = ControlId;

constexpr HandlerRow row(ControlId id, Handler handler, std::uint8_t operands = 0) {
    return {idByte(id), handler, operands};
}

constexpr std::array<HandlerRow, kControlCount> kChecks{
    row(C::Do, checkOpener),
    row(C::Until, checkBlockEnd),
    row(C::While, checkOpener),
    row(C::Endwhile, checkBlockEnd),
    row(C::For, checkOpener),
    row(C::Next, checkBlockEnd),
    row(C::Func, checkOpener),
    row(C::Endfunc, checkBlockEnd),
    row(C::If, checkIf),
    row(C::Elif, checkElse),
    row(C::Else, checkElse),
    row(C::Endif, checkEndif),
    row(C::Switch, checkSwitch),
    row(C::Case, checkCase),
    row(C::Default, checkCase),
    row(C::Endswi, checkEndswi),
    row(C::Breakswi, checkCase),
    row(C::Continue, checkExecuting),
    row(C::Break, checkExecuting),
    row(C::Assert, checkExecuting),
    row(C::Return, checkExecuting),
};

// The keywords that read a condition or a value read it as one operand.
constexpr std::array<HandlerRow, kControlCount> kRuns{
    row(C::Do, runNothing),        row(C::Until, runUntil, 1),    row(C::While, runLoopTest, 1),
    row(C::Endwhile, runBlockEnd), row(C::For, runLoopTest, 1),   row(C::Next, runBlockEnd),
    row(C::Func, runFunc),         row(C::Endfunc, runBlockEnd),  row(C::If, runIf, 1),
    row(C::Elif, runElif, 1),      row(C::Else, runElse),         row(C::Endif, runNothing),
    row(C::Switch, runSwitch, 1),  row(C::Case, runCase, 1),      row(C::Default, runDefault),
    row(C::Endswi, runNothing),    row(C::Breakswi, runBreakswi), row(C::Continue, runContinue),
    row(C::Break, runBreak),       row(C::Assert, runAssert, 1),  row(C::Return, runReturn, 1),
};

constexpr bool inIdOrder(const std::array<HandlerRow, kControlCount>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].id != i) return false;
    }
    return true;
}
static_assert(inIdOrder(kChecks) && inIdOrder(kRuns));

}  // namespace

std::span<const HandlerRow> controlCheckRows() {
    return kChecks;
}

std::span<const HandlerRow> controlRunRows() {
    return kRuns;
}

}  // namespace zentrel
