#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/interp/engine_canvas.h"
#include "engine/interp/operator_record.h"
#include "engine/interp/random_generator.h"
#include "engine/interp/slot_names.h"
#include "engine/interp/slot_stack.h"
#include "engine/interp/state_only_canvas.h"
#include "engine/values/error_code.h"
#include "engine/values/limits.h"
#include "engine/values/memory_account.h"
#include "engine/values/modes.h"
#include "engine/values/stop_request.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;
class ExtFuncCache;
struct CalledBody;

// The state of one top-level engine that its nested engines (one per function
// call, plot or :scan line) work on too: the top-level Engine owns it. Change
// the angle unit and the numeric mode only through the operations that keep
// their derived state with them (selectAngleUnit, applyNumberMode).
struct EngineShared {
    EngineModes modes;
    int callDepth = 0;  // called bodies running now, bounded by kMaxCallDepth
    // Set where a call met the depth limit: that call's error is reported there,
    // once, and every enclosing call then fails without a report of its own.
    bool callDepthReached = false;
    // How the built-in functions read and give angles: radians as they are, else
    // through the half turn of the unit (180 for degrees, 200 for grads).
    bool radianFlag = true;
    double halfTurn = 200.0;
    RandomGenerator random;
    // Defined as a constant 1 in every called scope that does not define it
    // already, so that a function can tell which host runs it; empty for none.
    std::string hostSymbol;
    // Label lists of finished call scopes, emptied with their capacity kept:
    // the next call's scope borrows one instead of allocating its own.
    std::vector<std::vector<SlotLabel>> spareLabelLists;
    // The compiled external functions, made on first use by the external-
    // function code, which owns the type; a shared pointer frees what this
    // header cannot see.
    std::shared_ptr<ExtFuncCache> extFuncCache;
    // The engine canvas: the host's, or a state-only one while the host gives none.
    EngineCanvas* hostCanvas = nullptr;
    StateOnlyCanvas stateCanvas;

    EngineCanvas& canvas() { return hostCanvas ? *hostCanvas : stateCanvas; }
    // Interruption and the step budget, for every engine of the run.
    StopRequest stop;
    // What the values of the engine's scopes may hold; a host gives its scope
    // this account (Context::shareMemoryAccount) and sets the limit.
    std::shared_ptr<MemoryAccount> memory = std::make_shared<MemoryAccount>();
    // Runs a called body in place of binding it and running it in a nested
    // engine; empty for that usual way. Tests use it to give a body scopes the
    // language cannot make (a function that sees itself, to reach the depth limit).
    std::function<ErrorCode(Engine& calling, CalledBody& call)> callRunner;
    // A line is compiled on this run of it: the second, so that lines that run
    // once cost nothing extra; 0 never, 1 at once.
    std::uint8_t compileOnRun = 2;
    SlotStack<Value> registers;
    SlotStack<OperatorRecord> savedRecords;  // the array elements compiled stores write

    // Sets the angle unit with the conversion state that goes with it; the half
    // turn keeps 200 for radians, where it is not used.
    void selectAngleUnit(AngleUnit unit) {
        modes.angleUnit = unit;
        radianFlag = unit == AngleUnit::Radian;
        halfTurn = unit == AngleUnit::Degree ? 180.0 : 200.0;
    }
};

// Checks the call depth before a call: at the limit the call fails with
// kErrCallDepth and the enclosing calls are to stay silent. A call from outside
// any body starts with the mark cleared.
inline bool callDepthAllows(EngineShared& shared) {
    if (shared.callDepth == 0) shared.callDepthReached = false;
    if (shared.callDepth < kMaxCallDepth) return true;
    shared.callDepthReached = true;
    return false;
}

// Counts one called body as running for as long as it lives, so that the depth
// comes back down however the call ends (a failed allocation unwinding it too).
class CallDepthCount {
  public:
    explicit CallDepthCount(EngineShared& shared) : depth_(shared.callDepth) { ++depth_; }
    CallDepthCount(const CallDepthCount&) = delete;
    CallDepthCount& operator=(const CallDepthCount&) = delete;
    ~CallDepthCount() { --depth_; }

  private:
    int& depth_;
};

}  // namespace zentrel
