#include "app/main/program_folders.h"

#include <filesystem>

namespace zentrel {

std::string libraryFunctionFolder(std::string_view programFolder, std::string_view sourceFolder,
                                  const std::function<bool(const std::string&)>& isFolder) {
    if (!programFolder.empty()) {
        const std::string installed =
            (std::filesystem::path(programFolder).parent_path() / "share/zentrel/extfunc")
                .lexically_normal()
                .string();
        if (isFolder(installed)) return installed;
    }
    const std::string source(sourceFolder);
    return !source.empty() && isFolder(source) ? source : std::string();
}

std::string userFunctionFolder(const EnvironmentPaths& environment) {
    const std::vector<std::string> folders = functionFolders(defaultFunctionPath(environment, ""));
    return folders.empty() ? std::string() : folders.front();
}

bool makeFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

}  // namespace zentrel
