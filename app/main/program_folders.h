#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/settings/settings_paths.h"

namespace zentrel {

// The user's own function folder, the first of the default `Path`; empty
// without a home.
std::string userFunctionFolder(const EnvironmentPaths& environment);

// Creates the folder and its parents; false when it does not exist afterwards.
bool makeFolder(const std::string& path);

}  // namespace zentrel
