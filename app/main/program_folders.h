#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/settings/settings_paths.h"

namespace zentrel {

// The library of external functions that comes with the program: the
// installed share/zentrel/extfunc beside the program's bin folder, else the
// source tree's share/extfunc when the program runs from its build tree;
// empty when neither exists.
std::string libraryFunctionFolder(std::string_view programFolder, std::string_view sourceFolder,
                                  const std::function<bool(const std::string&)>& isFolder);

// The user's own function folder, the first of the default `Path`; empty
// without a home.
std::string userFunctionFolder(const EnvironmentPaths& environment);

// Creates the folder and its parents; false when it does not exist afterwards.
bool makeFolder(const std::string& path);

}  // namespace zentrel
