#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrel {

// The environment variables that place the program's files; an unset variable
// is empty. Logic takes them as a value, so tests choose them freely.
struct EnvironmentPaths {
    std::string home;           // HOME
    std::string xdgConfigHome;  // XDG_CONFIG_HOME
    std::string xdgDataHome;    // XDG_DATA_HOME
    std::string tmpDir;         // TMPDIR

    // Fills the fields through a lookup such as std::getenv (null: unset).
    static EnvironmentPaths from(const std::function<const char*(const char*)>& lookup);
};

inline constexpr std::string_view kSettingsFileName = "MORVIK.INI";
inline constexpr std::string_view kHistoryFileName = "Zentrel.log";

// "MORVIK.INI" in the program's folder of the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config); the bare name when neither is known.
std::string settingsFilePath(const EnvironmentPaths& environment);

// "Zentrel.log" in $TMPDIR, else in /tmp.
std::string defaultHistoryFile(const EnvironmentPaths& environment);

// The user's function folder ($XDG_DATA_HOME, else ~/.local/share, then
// zentrel/extfunc), then the library folder installed with the program,
// separated by ';'.
std::string defaultFunctionPath(const EnvironmentPaths& environment,
                                std::string_view libraryFolder);

// The folders of a ';'-separated folder list, in order, each without a trailing
// '/'. Empty entries are left out: an empty folder would stand for the current
// folder, which no one means by a doubled separator.
std::vector<std::string> functionFolders(std::string_view path);

// A file in a folder, with one '/' between them; the bare name for no folder.
std::string joinPath(std::string_view folder, std::string_view name);

// The folder part of a file path, without the final '/'; empty for a bare name.
std::string folderOf(std::string_view file);

}  // namespace zentrel
