#include "app/settings/settings_paths.h"

namespace zentrel {
namespace {

// A base folder variable counts only when it holds an absolute path; otherwise
// the folder under HOME is used, and none at all without a HOME.
std::string baseFolder(std::string_view variable, std::string_view home,
                       std::string_view homeRelative) {
    if (!variable.empty() && variable.front() == '/') return std::string(variable);
    if (home.empty()) return {};
    return joinPath(home, homeRelative);
}

}  // namespace

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    return path + std::string(name);
}

EnvironmentPaths EnvironmentPaths::from(const std::function<const char*(const char*)>& lookup) {
    auto get = [&](const char* name) {
        const char* value = lookup(name);
        return value ? std::string(value) : std::string();
    };
    return {get("HOME"), get("XDG_CONFIG_HOME"), get("XDG_DATA_HOME"), get("TMPDIR")};
}

std::string settingsFilePath(const EnvironmentPaths& environment) {
    const std::string base = baseFolder(environment.xdgConfigHome, environment.home, ".config");
    if (base.empty()) return std::string(kSettingsFileName);
    return joinPath(joinPath(base, "zentrel"), kSettingsFileName);
}

std::string defaultHistoryFile(const EnvironmentPaths& environment) {
    return joinPath(environment.tmpDir.empty() ? "/tmp" : environment.tmpDir, kHistoryFileName);
}

std::string defaultFunctionPath(const EnvironmentPaths& environment,
                                std::string_view libraryFolder) {
    const std::string base = baseFolder(environment.xdgDataHome, environment.home, ".local/share");
    std::string path = base.empty() ? std::string() : joinPath(base, "zentrel/extfunc");
    if (!libraryFolder.empty()) {
        if (!path.empty()) path += ';';
        path += libraryFolder;
    }
    return path;
}

std::vector<std::string> functionFolders(std::string_view path) {
    std::vector<std::string> folders;
    while (true) {
        const std::size_t separator = path.find(';');
        std::string_view folder = path.substr(0, separator);
        // The root folder keeps its only '/'.
        if (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
        if (!folder.empty()) folders.emplace_back(folder);
        if (separator == std::string_view::npos) return folders;
        path.remove_prefix(separator + 1);
    }
}

std::string folderOf(std::string_view file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string_view::npos) return {};
    return std::string(file.substr(0, slash == 0 ? 1 : slash));
}

}  // namespace zentrel
