// if / elif / else / endif, switch / case / default / breakswi / endswi and
// assert: the conditionals switch the following statements on and off through
// the engine's if and switch stacks.
#include <new>

#include "engine/interp/control_handlers.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// Both sides are first brought to the current representation.
bool caseNumbersEqual(Number a, Number b, bool fractionRepresentation) {
    a.syncRepresentation(fractionRepresentation);
    b.syncRepresentation(fractionRepresentation);
    if (a.isFraction) {
        if (a.fraction.numerator == 0 || b.fraction.numerator == 0) {
            return a.fraction.numerator == b.fraction.numerator;
        }
        return a.fraction.negative == b.fraction.negative &&
               std::uint64_t{a.fraction.numerator} * b.fraction.denominator ==
                   std::uint64_t{b.fraction.numerator} * a.fraction.denominator;
    }
    return a.complex.re == b.complex.re && a.complex.im == b.complex.im;
}

bool caseMatches(const Value& caseValue, const Value& switchValue, bool fractionRepresentation) {
    if (caseValue.rows() != switchValue.rows() || caseValue.cols() != switchValue.cols() ||
        caseValue.count() != switchValue.count()) {
        return false;
    }
    for (std::int32_t i = 0; i < caseValue.count(); ++i) {
        if (!caseNumbersEqual(caseValue.element(i), switchValue.element(i),
                              fractionRepresentation)) {
            return false;
        }
    }
    return true;
}

// Opens a level of `own`. It starts running only when everything around it
// runs; otherwise the whole construct is passed over. A level already about to
// start (its statement was held back by the stepper) is not pushed again.
ErrorCode pushLevel(Engine& engine, BranchStack& own, const BranchStack& other,
                    const Token& keyword, ErrorCode overflow) {
    if (own.top() == BranchState::Starting) return kSuccess;
    if (own.full()) return engine.fail(overflow, keyword);
    const bool runs =
        own.top() == BranchState::Executing && other.executes() && !replayPassesOver(engine);
    own.push(runs ? BranchState::Starting : BranchState::Skipping);
    return runs ? kSuccess : kStatusDone;
}

// elif, else, case, default and breakswi run unless their construct is over or
// the statements around them are skipped.
ErrorCode checkBranch(Engine& engine, const BranchStack& own, const BranchStack& other,
                      const Token& keyword, ErrorCode unmatched) {
    if (own.empty()) return engine.fail(unmatched, keyword);
    if (own.top() == BranchState::Skipping || !other.executes() || replayPassesOver(engine)) {
        return kStatusDone;
    }
    return kSuccess;
}

ErrorCode popLevel(Engine& engine, BranchStack& own, const Token& keyword, ErrorCode unmatched) {
    if (own.empty()) return engine.fail(unmatched, keyword);
    own.pop();
    return engine.statementsExecute() ? kSuccess : kStatusDone;
}

}  // namespace

ErrorCode evaluateCondition(Engine& engine, Context& ctx, const Token& keyword, Value& scratch,
                            bool& truth) {
    if (ErrorCode e = engine.evaluateOperand(ctx, keyword, scratch)) return e;
    truth = conditionHolds(scratch);
    return kSuccess;
}

bool replayPassesOver(const Engine& engine) {
    return engine.recordMode == RecordMode::Replaying &&
           engine.control().recorder.activeBlock().skipping();
}

ErrorCode checkExecuting(Engine& engine, Context&, const Token&, Value&) {
    return engine.statementsExecute() ? kSuccess : kStatusDone;
}

ErrorCode runNothing(Engine&, Context&, const Token&, Value&) {
    return kStatusDone;
}

ErrorCode checkIf(Engine& engine, Context&, const Token& keyword, Value&) {
    ControlState& c = engine.control();
    return pushLevel(engine, c.ifs, c.switches, keyword, kErrIfNesting);
}

ErrorCode runIf(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    BranchStack& ifs = engine.control().ifs;
    bool truth = false;
    if (ErrorCode e = evaluateCondition(engine, ctx, keyword, result, truth)) {
        ifs.pop();
        return e;
    }
    ifs.setTop(truth ? BranchState::Executing : BranchState::Waiting);
    return kStatusDone;
}

ErrorCode checkElse(Engine& engine, Context&, const Token& keyword, Value&) {
    const ControlState& c = engine.control();
    return checkBranch(engine, c.ifs, c.switches, keyword, kErrNoIf);
}

ErrorCode runElif(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    BranchStack& ifs = engine.control().ifs;
    if (ifs.top() == BranchState::Executing) {
        ifs.setTop(BranchState::Skipping);
    } else if (ifs.top() == BranchState::Waiting) {
        bool truth = false;
        if (ErrorCode e = evaluateCondition(engine, ctx, keyword, result, truth)) return e;
        if (truth) ifs.setTop(BranchState::Executing);
    }
    return kStatusDone;
}

ErrorCode runElse(Engine& engine, Context&, const Token&, Value&) {
    BranchStack& ifs = engine.control().ifs;
    if (ifs.top() == BranchState::Executing) {
        ifs.setTop(BranchState::Skipping);
    } else if (ifs.top() == BranchState::Waiting) {
        ifs.setTop(BranchState::Executing);
    }
    return kStatusDone;
}

ErrorCode checkEndif(Engine& engine, Context&, const Token& keyword, Value&) {
    return popLevel(engine, engine.control().ifs, keyword, kErrNoIf);
}

ErrorCode checkSwitch(Engine& engine, Context&, const Token& keyword, Value&) {
    ControlState& c = engine.control();
    const ErrorCode e = pushLevel(engine, c.switches, c.ifs, keyword, kErrSwitchNesting);
    if (e != kSuccess) return e;
    try {
        if (c.switchValues.size() <= static_cast<std::size_t>(c.switches.depth())) {
            c.switchValues.resize(c.switches.depth() + 1);
        }
    } catch (const std::bad_alloc&) {
        c.switches.pop();
        return engine.fail(kOutOfMemory, keyword);
    }
    return kSuccess;
}

ErrorCode runSwitch(Engine& engine, Context& ctx, const Token& keyword, Value&) {
    ControlState& c = engine.control();
    Value& switchValue = c.switchValues[c.switches.depth()];
    if (ErrorCode e = engine.evaluateOperand(ctx, keyword, switchValue)) {
        c.switches.pop();
        return e;
    }
    c.switches.setTop(BranchState::Waiting);
    return kStatusDone;
}

ErrorCode checkCase(Engine& engine, Context&, const Token& keyword, Value&) {
    const ControlState& c = engine.control();
    return checkBranch(engine, c.switches, c.ifs, keyword, kErrNoSwitch);
}

// Once a case matched, later labels leave the level executing: execution falls
// through them until breakswi.
ErrorCode runCase(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    ControlState& c = engine.control();
    if (c.switches.top() != BranchState::Waiting) return kStatusDone;
    if (ErrorCode e = engine.evaluateOperand(ctx, keyword, result)) return e;
    if (caseMatches(result, c.switchValues[c.switches.depth()], engine.fractionRepresentation())) {
        c.switches.setTop(BranchState::Executing);
    }
    return kStatusDone;
}

ErrorCode runDefault(Engine& engine, Context&, const Token&, Value&) {
    BranchStack& switches = engine.control().switches;
    if (switches.top() == BranchState::Waiting) switches.setTop(BranchState::Executing);
    return kStatusDone;
}

ErrorCode runBreakswi(Engine& engine, Context&, const Token&, Value&) {
    BranchStack& switches = engine.control().switches;
    if (switches.top() == BranchState::Executing) switches.setTop(BranchState::Skipping);
    return kStatusDone;
}

ErrorCode checkEndswi(Engine& engine, Context&, const Token& keyword, Value&) {
    return popLevel(engine, engine.control().switches, keyword, kErrNoSwitch);
}

// Takes effect only while the assert switch is on; a zero single value asks the
// host whether to stop.
ErrorCode runAssert(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    if (!engine.assertSwitch.isOn()) return kStatusDone;
    bool truth = false;
    if (ErrorCode e = evaluateCondition(engine, ctx, keyword, result, truth)) return e;
    if (result.count() == 1 && !truth && engine.assertionFailed(ctx)) {
        return engine.fail(kErrAssertStop, keyword);
    }
    return kStatusDone;
}

}  // namespace zentrel
