#include "engine/interp/called_body.h"

#include <string>

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/open_constructs.h"
#include "engine/values/angle_units.h"

namespace zentrel {

namespace {

// A body that declared its result an angle (`:rad 1` and the like) hands it
// back in the caller's unit; the value becomes real.
void convertAnswerAngle(Value& value, AngleUnit from, AngleUnit to) {
    for (std::int32_t i = 0; i < value.count(); ++i) {
        Number& n = value.element(i);
        n = Number::fromReal(convertAngle(static_cast<double>(n.realValue()), from, to), false);
    }
}

// A scope whose answer switch is off leaves the caller's result alone, and the
// caller's statement then shows nothing unless the call stands in parentheses.
ErrorCode deliverAnswer(Engine& calling, CalledBody& call) {
    if (!call.child.ansSwitch.isOn()) {
        if (call.caller.groupDepth == 0) call.caller.assignmentMark = true;
        return kSuccess;
    }
    if (ErrorCode e = call.result.assign(call.child.answer())) return e;
    for (std::int32_t i = 0; i < call.result.count(); ++i) {
        call.result.element(i).syncRepresentation(calling.fractionRepresentation());
    }
    return kSuccess;
}

// The host's name is a constant 1 in the called scope, unless the scope has
// that name already (a parameter, or a name copied from the caller).
ErrorCode defineHostSymbol(const Engine& callee, Context& child) {
    const std::string& name = callee.shared().hostSymbol;
    if (name.empty() || child.variables.find(name) >= 0 || child.arrays.find(name) >= 0) {
        return kSuccess;
    }
    int slot = 0;
    return child.variables.define(name, Number::fromReal(1.0, callee.fractionRepresentation()),
                                  true, slot);
}

// A body that ran to its end with a construct still open (`while` without its
// `endwhile`, say) took its last statements into that construct: an error.
bool reportOpenConstruct(Engine& callee, CalledBody& call) {
    const ProgramLine* last = call.body.tail();
    const auto open = findOpenConstruct(callee, last ? last->lineNumber : 0);
    if (!open) return false;
    callee.report(kErrUnclosedBlock, open->lineNumber, call.child, &open->opener);
    abandonOpenConstructs(callee);
    return true;
}

// Binds and runs in a nested engine; the nested engine restores the caller's
// angle unit when it goes. False when the body failed (it reported already).
bool runNested(Engine& calling, CalledBody& call) {
    Engine callee(calling);
    ErrorCode e = defineHostSymbol(callee, call.child);
    if (e == kSuccess) e = bindArguments(callee, call.caller, call.child, call.arguments);
    if (e) {
        callee.report(e, callee.currentLineNumber(), call.child, &callee.errorToken());
        return false;
    }
    const RunResult result = callee.runBody(call.child, call.body, call.lines);
    if (result == RunResult::Finished && reportOpenConstruct(callee, call)) return false;
    const AngleUnit unit = callee.shared().modes.angleUnit;
    if (callee.angleResult && unit != callee.callerAngleUnit) {
        convertAnswerAngle(call.child.answer(), unit, callee.callerAngleUnit);
    }
    return result != RunResult::AbortedInside;
}

}  // namespace

ErrorCode runCalledBodyInNestedEngine(Engine& calling, CalledBody& call) {
    Context& child = call.child;
    child.inFile = true;
    child.fileName = call.name;
    child.lineBase = call.lineBase;
    const bool ran = runNested(calling, call);
    // Whatever the body did to the mode, the caller's flags come back.
    calling.shared().modes.deriveFrom(call.caller.modes.numberMode);
    const ErrorCode copied = copyBackArguments(calling, call.caller, child, call.arguments);
    if (!ran) return kStatusAborted;
    if (copied) return copied;
    return deliverAnswer(calling, call);
}

}  // namespace zentrel
