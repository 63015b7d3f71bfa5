#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/extfunc/ext_func_cache.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/engine.h"

namespace zentrel {

// What the external functions offer the engine and its hosts. The search path
// and the file extension come from the host.

// Adds the operand handler of external calls (`!name`) to the tables.
void registerExternalCalls(DispatchBuilder& builder);

// The cache of the engine's top-level engine (made on first use).
ExtFuncCache& externalFunctionCache(Engine& engine);

// True, with the file's full name in `path`, when a folder of the search path
// has the function.
bool fileExists(const Engine& engine, std::string_view name, std::string& path);

// Every function on the search path: names from file names holding the
// extension in any case, lower-cased, in ascending byte order without
// duplicates, each with the first line of its description. A function whose
// file cannot be opened is reported (0x2160) and listed without one.
std::vector<FunctionListing> listFunctions(Engine& engine, Context& ctx);

// The function's description lines (from its cache entry when it is cached);
// 0x2160 when its file cannot be opened.
[[nodiscard]] ErrorCode describeLines(Engine& engine, std::string_view name,
                                      std::vector<std::string>& lines);

// The first description line, or empty; reports 0x2160 when the file cannot be opened.
std::string describe(Engine& engine, Context& ctx, std::string_view name);

}  // namespace zentrel
