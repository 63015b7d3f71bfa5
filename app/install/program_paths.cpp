#include "app/install/program_paths.h"

#include <filesystem>
#include <fstream>
#include <system_error>

// The installed data folder relative to the installed programs, from the
// install layout the build was configured with ("../share/zentrel").
#ifndef ZENTREL_RELATIVE_DATA_FOLDER
#error "ZENTREL_RELATIVE_DATA_FOLDER must be defined by the build"
#endif

namespace zentrel {

std::string executableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.is_absolute()) return {};
    return executable.parent_path().string();
}

std::string programDataFolder(std::string_view executableFolder,
                              std::string_view relativeDataFolder) {
    if (executableFolder.empty()) return {};
    const std::filesystem::path folder(executableFolder);
    std::ifstream marker(folder / kBuildTreeMarker);
    std::string sourceData;
    if (marker && std::getline(marker, sourceData) && !sourceData.empty()) return sourceData;
    // The executable's folder has no links left in it, so removing "bin/.."
    // by text names the same folder.
    std::string data = (folder / relativeDataFolder).lexically_normal().string();
    if (data.size() > 1 && data.back() == '/') data.pop_back();
    return data;
}

std::string functionLibraryFolder() {
    const std::string data = programDataFolder(executableFolder(), ZENTREL_RELATIVE_DATA_FOLDER);
    return data.empty() ? data : data + "/extfunc";
}

}  // namespace zentrel
