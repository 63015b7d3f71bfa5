#pragma once

#include <string>
#include <string_view>

namespace zentrel {

// The file a build writes beside each program it links, holding the source
// tree's data folder: a program run from the build tree reads its data there.
// Installs never carry it, so an installed program never reaches the sources.
inline constexpr std::string_view kBuildTreeMarker = "zentrel-source-data";

// The folder of the running executable (from /proc/self/exe, with every link
// resolved); empty when the system does not say.
std::string executableFolder();

// The program's data folder seen from the folder of its executable: the source
// tree's data folder named by the build-tree marker, else `relativeDataFolder`
// (the installed data folder relative to the installed programs) beside it.
// Empty when the executable's folder is unknown.
std::string programDataFolder(std::string_view executableFolder,
                              std::string_view relativeDataFolder);

// The function library shipped with the program: `extfunc` in the data folder
// of the running executable; empty when that folder is unknown.
std::string functionLibraryFolder();

}  // namespace zentrel
