#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings/profile_store.h"
#include "engine/values/modes.h"

namespace zentrel {

inline constexpr std::size_t kFunctionButtonCount = 14;
// Longest function-button name; longer names are cut.
inline constexpr std::size_t kFunctionNameLength = 16;
// Longest texts the settings pages accept.
inline constexpr std::size_t kPathLength = 256;
inline constexpr std::size_t kEditorLength = 128;
inline constexpr std::size_t kLogFileNameLength = 128;
inline constexpr std::string_view kDefaultEditor = "xdg-open";

// Counts of the choices some settings index.
inline constexpr std::int32_t kCoordinateChoices =
    6;  // rectangular (4 log scales), parametric, polar
inline constexpr std::int32_t kColourChoices = 16;
inline constexpr std::int32_t kFunctionPages = 4;
inline constexpr std::int32_t kGraphTools = 3;

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// What the defaults of the settings depend on: the graph bitmap (the transform
// offsets default to its centre), the desktop (window positions are kept on
// it), where the windows are now, and the default files and folders.
struct SettingsDefaults {
    ScreenSize bitmap;
    ScreenSize desktop;  // a zero extent leaves positions unclamped on that axis
    ScreenPoint mainWindow;
    ScreenPoint tableWindow;
    ScreenSize tableWindowSize;
    std::string historyFile;   // defaultHistoryFile()
    std::string functionPath;  // defaultFunctionPath()
};

// Every setting of the settings file, named after its key. Colours are
// ColourChoice numbers; `mode` is the coordinate-list index.
struct Settings {
    // GRAPH WINDOW
    std::int32_t posX = 0;
    std::int32_t posY = 0;
    double rectOffsetX = 0.0;
    double rectOffsetY = 0.0;
    double rectRatioX = 10.0;
    double rectRatioY = -10.0;
    double paramOffsetX = 0.0;
    double paramOffsetY = 0.0;
    double paramRatioX = 10.0;
    double paramRatioY = -10.0;
    double paramMin = 0.0;
    double paramMax = 360.0;
    double paramPitch = 1.0;
    double polarOffsetX = 0.0;
    double polarOffsetY = 0.0;
    double polarRatioX = 10.0;
    double polarRatioY = -10.0;
    double polarMin = 0.0;  // polar range in degrees
    double polarMax = 360.0;
    double polarPitch = 1.0;
    double unitX = 1.0;
    double unitY = 1.0;
    std::int32_t textX = 1;
    std::int32_t textY = 1;
    std::int32_t mode = 0;
    std::int32_t backColor = 11;
    std::int32_t scaleColor = 12;
    std::int32_t unitColor = 14;
    std::int32_t textColor = 15;
    std::int32_t graphColor = 4;
    bool help = true;
    bool rePlotMode = true;
    bool rePlotAngle = true;
    bool rePlotWindow = true;
    std::int32_t tool = 0;
    std::int32_t envWindow = 0;  // window dialog entry: 0 offsets, 1 window
    std::int32_t funcMode = 0;
    std::array<std::string, kFunctionButtonCount> extFunc;
    std::string logFileName;  // empty: no history file
    std::string logFileFolder;
    // ENVIRONMENT
    AngleUnit angle = AngleUnit::Radian;
    std::int32_t cacheSize = -1;
    bool clearCache = true;
    // EXTFUNC
    std::string path;
    std::string folder;
    std::string editor{kDefaultEditor};
    // TABLE WINDOW
    std::int32_t tablePosX = 0;
    std::int32_t tablePosY = 0;
    std::int32_t tableSizeX = 0;
    std::int32_t tableSizeY = 0;

    bool operator==(const Settings&) const = default;
};

// Every setting, each missing or unusable one from its default (an empty store
// gives every default): positions are kept on the desktop; a choice outside its
// range, a real that is not finite, a zero scale and a window size below 1 take
// the default; function names are trimmed and cut; an empty editor is the
// default one.
Settings readSettings(const ProfileStore& store, const SettingsDefaults& defaults);

// The writes of shut-down, in this order: ClearCache, CacheSize and Angle; then
// the graph window (position, transforms and ranges, grid, mode, colours,
// options, Editor, FuncMode, the function names, LogFileName); then the table
// window's position and size.
void writeEnvironmentSettings(ProfileStore& store, const Settings& settings);
void writeGraphWindowSettings(ProfileStore& store, const Settings& settings);
void writeTableWindowSettings(ProfileStore& store, const Settings& settings);
void writeShutDownSettings(ProfileStore& store, const Settings& settings);

// The settings a page or dialog writes as soon as it changes them.
enum class ImmediateSetting : std::uint8_t { Path, Folder, LogFileFolder, EnvWindow };
void writeImmediateSetting(ProfileStore& store, const Settings& settings, ImmediateSetting which);

// A function-button name as stored: leading blanks and tabs dropped, ended at
// the next blank or tab, cut to kFunctionNameLength.
std::string trimFunctionName(std::string_view typed);

// The text cut to at most `maxBytes` bytes without splitting a UTF-8 character.
std::string cutText(std::string_view text, std::size_t maxBytes);

// A real as the settings file holds it: "%.16g", or 17 digits when 16 would not
// read back as the same number.
std::string formatSettingReal(double value);

}  // namespace zentrel
