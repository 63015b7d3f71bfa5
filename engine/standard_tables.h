#pragma once

#include "engine/interp/dispatch.h"

namespace zentrel {

// The rows of every layer: the interpreter's own, the built-in functions and
// commands, and external calls.
DispatchBuilder standardDispatchBuilder();

// The dispatch tables of the language, built once from those rows and never
// changed afterwards.
const DispatchTables& standardDispatchTables();

}  // namespace zentrel
