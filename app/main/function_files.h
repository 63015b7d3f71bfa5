#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/interp/host.h"

namespace zentrel {

// The file the interpreter reads for a function: in the first folder of the
// host's search path that has it, the exact file name before the names that
// differ from it only in ASCII case. Nothing when no folder has it.
std::optional<std::string> findFunctionFile(const Host& host, std::string_view name);

// Where a new function of that name goes in a folder.
std::string newFunctionFile(std::string_view folder, std::string_view name,
                            std::string_view extension);

// Creates the empty file of a new function. A regular file already there is
// kept as it is (never truncated) and counts as created.
std::error_code createFunctionFile(const std::string& path);

}  // namespace zentrel
