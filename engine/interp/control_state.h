#pragma once

#include <vector>

#include "engine/interp/branch_stack.h"
#include "engine/interp/loop_recorder.h"
#include "engine/values/value.h"

namespace zentrel {

// What the control statements of one engine keep between statements (and
// between runs: a construct may span several input lines).
struct ControlState {
    BranchStack ifs;
    BranchStack switches;
    // The value of each open switch level, indexed by depth; grown on first use.
    std::vector<Value> switchValues;
    LoopRecorder recorder;
    // The depths when the recording started: a replay cut short takes the
    // statements that would close its levels with it.
    int recordingIfDepth = 0;
    int recordingSwitchDepth = 0;
};

}  // namespace zentrel
