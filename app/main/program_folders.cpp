#include "app/main/program_folders.h"

#include <filesystem>

namespace zentrel {

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
