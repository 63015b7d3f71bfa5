#pragma once

#include <vector>

#include "engine/interp/loop_recorder.h"
#include "engine/values/error_code.h"

namespace zentrel {

// Turns a recorded `for init; cond; update; body...; next` block into the order
// it replays in: init, `for ( cond )`, body..., next, update. The ring of a for
// block wraps from the update back to the test. 0x2126 without a condition
// statement, 0x2127 without an update statement.
[[nodiscard]] ErrorCode rewriteForBlock(std::vector<RecordedEntry>& entries);

}  // namespace zentrel
