#pragma once

#include "engine/values/modes.h"

namespace zentrel {

// State that belongs to the whole process rather than to one engine: the
// top-level Engine owns it and every nested engine (made for a function call)
// works on the same object.
struct EngineShared {
    EngineModes modes;
    int callDepth = 0;  // called bodies running now, bounded by kMaxCallDepth
};

}  // namespace zentrel
