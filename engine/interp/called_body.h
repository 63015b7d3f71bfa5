#pragma once

#include <cstdint>
#include <string_view>

#include "engine/frontend/program.h"
#include "engine/interp/call_arguments.h"
#include "engine/interp/context.h"
#include "engine/interp/line_source.h"
#include "engine/values/error_code.h"
#include "engine/values/value.h"

namespace zentrel {

class Engine;

// Everything the run of a called body is given: the body, the
// scopes on both sides, the collected arguments and where the value goes.
struct CalledBody {
    Program& body;
    std::string_view name;  // reports from inside the body name it
    std::int32_t lineBase;  // line number of the body's first line
    Context& caller;
    Context& child;
    const CallArguments& arguments;
    Value& result;  // receives the answer when the called scope gives it back
    // A body read from a file line by line: `body` starts empty and its lines
    // are compiled from here as the run reaches them.
    LineSource* lines = nullptr;
};

// How a called body usually runs: defines the host symbol, binds the
// arguments, runs the body in an engine nested in `calling`, restores the caller's mode flags,
// writes the by-reference arguments back, converts an angle result, and hands
// the answer to the caller. 0 on success, 1 when the body failed (it reported
// already), or the error of a failed write-back.
[[nodiscard]] ErrorCode runCalledBodyInNestedEngine(Engine& calling, CalledBody& call);

}  // namespace zentrel
