#include "app/settings/settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "app/settings/settings_paths.h"

namespace zentrel {
namespace {

constexpr std::string_view kGraphWindow = "GRAPH WINDOW";
constexpr std::string_view kEnvironment = "ENVIRONMENT";
constexpr std::string_view kExtFunc = "EXTFUNC";
constexpr std::string_view kTableWindow = "TABLE WINDOW";

// The view reals in the order shut-down writes them. A scale of zero (or any
// number that is not finite) would leave the graph without a usable transform.
struct RealKey {
    std::string_view key;
    double Settings::*field;
    bool scale;
};
constexpr std::array<RealKey, 20> kViewReals{{
    {"RectOffsetX", &Settings::rectOffsetX, false},
    {"RectOffsetY", &Settings::rectOffsetY, false},
    {"RectRatioX", &Settings::rectRatioX, true},
    {"RectRatioY", &Settings::rectRatioY, true},
    {"ParamOffsetX", &Settings::paramOffsetX, false},
    {"ParamOffsetY", &Settings::paramOffsetY, false},
    {"ParamRatioX", &Settings::paramRatioX, true},
    {"ParamRatioY", &Settings::paramRatioY, true},
    {"ParamMin", &Settings::paramMin, false},
    {"ParamMax", &Settings::paramMax, false},
    {"ParamPitch", &Settings::paramPitch, false},
    {"PolarOffsetX", &Settings::polarOffsetX, false},
    {"PolarOffsetY", &Settings::polarOffsetY, false},
    {"PolarRatioX", &Settings::polarRatioX, true},
    {"PolarRatioY", &Settings::polarRatioY, true},
    {"PolarMin", &Settings::polarMin, false},
    {"PolarMax", &Settings::polarMax, false},
    {"PolarPitch", &Settings::polarPitch, false},
    {"UnitX", &Settings::unitX, false},
    {"UnitY", &Settings::unitY, false},
}};

// Integers of the graph window in shut-down order; `choices` bounds an index
// into a list of the window (0: any number).
struct NumberKey {
    std::string_view key;
    std::int32_t Settings::*field;
    std::int32_t choices;
};
constexpr std::array<NumberKey, 8> kViewNumbers{{
    {"TextX", &Settings::textX, 0},
    {"TextY", &Settings::textY, 0},
    {"Mode", &Settings::mode, kCoordinateChoices},
    {"BackColor", &Settings::backColor, kColourChoices},
    {"ScaleColor", &Settings::scaleColor, kColourChoices},
    {"UnitColor", &Settings::unitColor, kColourChoices},
    {"TextColor", &Settings::textColor, kColourChoices},
    {"GraphColor", &Settings::graphColor, kColourChoices},
}};

struct FlagKey {
    std::string_view key;
    bool Settings::*field;
};
constexpr std::array<FlagKey, 4> kViewOptions{{
    {"Help", &Settings::help},
    {"RePlotMode", &Settings::rePlotMode},
    {"RePlotAngle", &Settings::rePlotAngle},
    {"RePlotWindow", &Settings::rePlotWindow},
}};

// The Angle setting counts degrees first, unlike the engine's unit.
constexpr std::array<AngleUnit, 3> kAngleSettings{AngleUnit::Degree, AngleUnit::Radian,
                                                  AngleUnit::Grad};

std::int32_t angleSetting(AngleUnit unit) {
    const auto found = std::find(kAngleSettings.begin(), kAngleSettings.end(), unit);
    return static_cast<std::int32_t>(found - kAngleSettings.begin());
}

std::string functionKey(std::size_t index) {
    const std::size_t number = index + 1;
    return "ExtFunc" + std::string(number < 10 ? "0" : "") + std::to_string(number);
}

// The decimal number the text starts with, 0 when it starts with none. A number
// beyond the range of doubles reads as NaN, which no setting accepts.
double parseSettingReal(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::quiet_NaN();
    return result.ec == std::errc() ? value : 0.0;
}

std::string formatReal(double value, int precision) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

double readReal(const ProfileStore& store, const RealKey& key, double fallback) {
    const auto text = store.find(kGraphWindow, key.key);
    if (!text) return fallback;
    const double value = parseSettingReal(*text);
    return std::isfinite(value) && !(key.scale && value == 0.0) ? value : fallback;
}

std::int32_t readChoice(const ProfileStore& store, std::string_view section, std::string_view key,
                        std::int32_t fallback, std::int32_t choices) {
    const std::int32_t value = store.readInt(section, key, fallback);
    return value >= 0 && value < choices ? value : fallback;
}

// A negative position becomes 0, one at or past the far edge of the desktop
// 100 pixels before that edge, so that the window can be reached.
std::int32_t keptOnDesktop(std::int32_t position, std::int32_t edge) {
    if (position < 0) return 0;
    if (edge > 0 && position >= edge) return std::max(edge - 100, 0);
    return position;
}

std::int32_t readPosition(const ProfileStore& store, std::string_view section, std::string_view key,
                          std::int32_t fallback, std::int32_t edge) {
    return keptOnDesktop(store.readInt(section, key, fallback), edge);
}

std::int32_t readExtent(const ProfileStore& store, std::string_view key, std::int32_t fallback) {
    const std::int32_t value = store.readInt(kTableWindow, key, fallback);
    return value > 0 ? value : fallback;
}

void writeNumber(ProfileStore& store, std::string_view section, std::string_view key,
                 std::int32_t value) {
    store.write(section, key, std::to_string(value));
}

Settings defaultSettings(const SettingsDefaults& defaults) {
    Settings s;
    s.posX = defaults.mainWindow.x;
    s.posY = defaults.mainWindow.y;
    const double centreX = defaults.bitmap.width / 2.0;
    const double centreY = defaults.bitmap.height / 2.0;
    s.rectOffsetX = s.paramOffsetX = s.polarOffsetX = centreX;
    s.rectOffsetY = s.paramOffsetY = s.polarOffsetY = centreY;
    s.logFileName = defaults.historyFile;
    s.path = defaults.functionPath;
    s.tablePosX = defaults.tableWindow.x;
    s.tablePosY = defaults.tableWindow.y;
    s.tableSizeX = defaults.tableWindowSize.width;
    s.tableSizeY = defaults.tableWindowSize.height;
    return s;
}

void readGraphWindow(const ProfileStore& store, const SettingsDefaults& defaults, Settings& s) {
    s.posX = readPosition(store, kGraphWindow, "PosX", s.posX, defaults.desktop.width);
    s.posY = readPosition(store, kGraphWindow, "PosY", s.posY, defaults.desktop.height);
    for (const RealKey& key : kViewReals)
        s.*key.field = readReal(store, key, s.*key.field);
    for (const NumberKey& key : kViewNumbers) {
        s.*key.field = key.choices == 0
                           ? store.readInt(kGraphWindow, key.key, s.*key.field)
                           : readChoice(store, kGraphWindow, key.key, s.*key.field, key.choices);
    }
    for (const FlagKey& key : kViewOptions)
        s.*key.field = store.readInt(kGraphWindow, key.key, s.*key.field) != 0;
    s.tool = readChoice(store, kGraphWindow, "Tool", s.tool, kGraphTools);
    s.envWindow = readChoice(store, kGraphWindow, "EnvWindow", s.envWindow, 2);
    s.funcMode = readChoice(store, kGraphWindow, "FuncMode", s.funcMode, kFunctionPages);
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i)
        s.extFunc[i] = trimFunctionName(store.readString(kGraphWindow, functionKey(i), ""));
    s.logFileName = store.readString(kGraphWindow, "LogFileName", s.logFileName);
    s.logFileFolder = store.readString(kGraphWindow, "LogFileFolder", folderOf(s.logFileName));
}

void readOtherSections(const ProfileStore& store, const SettingsDefaults& defaults, Settings& s) {
    constexpr auto kAngleChoices = static_cast<std::int32_t>(kAngleSettings.size());
    s.angle = kAngleSettings[static_cast<std::size_t>(
        readChoice(store, kEnvironment, "Angle", angleSetting(s.angle), kAngleChoices))];
    s.cacheSize = store.readInt(kEnvironment, "CacheSize", s.cacheSize);
    s.clearCache = store.readInt(kEnvironment, "ClearCache", s.clearCache) != 0;
    s.path = store.readString(kExtFunc, "Path", s.path);
    s.folder = store.readString(kExtFunc, "Folder", s.folder);
    s.editor = store.readString(kExtFunc, "Editor", kDefaultEditor);
    if (s.editor.empty()) s.editor = kDefaultEditor;
    s.tablePosX = readPosition(store, kTableWindow, "PosX", s.tablePosX, defaults.desktop.width);
    s.tablePosY = readPosition(store, kTableWindow, "PosY", s.tablePosY, defaults.desktop.height);
    s.tableSizeX = readExtent(store, "SizeX", s.tableSizeX);
    s.tableSizeY = readExtent(store, "SizeY", s.tableSizeY);
}

}  // namespace

Settings readSettings(const ProfileStore& store, const SettingsDefaults& defaults) {
    Settings s = defaultSettings(defaults);
    readGraphWindow(store, defaults, s);
    readOtherSections(store, defaults, s);
    return s;
}

void writeEnvironmentSettings(ProfileStore& store, const Settings& settings) {
    writeNumber(store, kEnvironment, "ClearCache", settings.clearCache ? 1 : 0);
    writeNumber(store, kEnvironment, "CacheSize", settings.cacheSize);
    writeNumber(store, kEnvironment, "Angle", angleSetting(settings.angle));
}

void writeGraphWindowSettings(ProfileStore& store, const Settings& settings) {
    writeNumber(store, kGraphWindow, "PosX", settings.posX);
    writeNumber(store, kGraphWindow, "PosY", settings.posY);
    for (const RealKey& key : kViewReals)
        store.write(kGraphWindow, key.key, formatSettingReal(settings.*key.field));
    for (const NumberKey& key : kViewNumbers)
        writeNumber(store, kGraphWindow, key.key, settings.*key.field);
    for (const FlagKey& key : kViewOptions)
        writeNumber(store, kGraphWindow, key.key, settings.*key.field ? 1 : 0);
    store.write(kExtFunc, "Editor", settings.editor);
    writeNumber(store, kGraphWindow, "FuncMode", settings.funcMode);
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i)
        store.write(kGraphWindow, functionKey(i), settings.extFunc[i]);
    store.write(kGraphWindow, "LogFileName", settings.logFileName);
}

void writeTableWindowSettings(ProfileStore& store, const Settings& settings) {
    writeNumber(store, kTableWindow, "PosX", settings.tablePosX);
    writeNumber(store, kTableWindow, "PosY", settings.tablePosY);
    writeNumber(store, kTableWindow, "SizeX", settings.tableSizeX);
    writeNumber(store, kTableWindow, "SizeY", settings.tableSizeY);
}

void writeShutDownSettings(ProfileStore& store, const Settings& settings) {
    writeEnvironmentSettings(store, settings);
    writeGraphWindowSettings(store, settings);
    writeTableWindowSettings(store, settings);
}

void writeImmediateSetting(ProfileStore& store, const Settings& settings, ImmediateSetting which) {
    switch (which) {
        case ImmediateSetting::Path:
            return store.write(kExtFunc, "Path", settings.path);
        case ImmediateSetting::Folder:
            return store.write(kExtFunc, "Folder", settings.folder);
        case ImmediateSetting::LogFileFolder:
            return store.write(kGraphWindow, "LogFileFolder", settings.logFileFolder);
        case ImmediateSetting::EnvWindow:
            return writeNumber(store, kGraphWindow, "EnvWindow", settings.envWindow);
    }
}

std::string trimFunctionName(std::string_view typed) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t start = typed.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    typed.remove_prefix(start);
    return cutText(typed.substr(0, typed.find_first_of(kBlanks)), kFunctionNameLength);
}

std::string cutText(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t end = maxBytes;
    // A byte 10xxxxxx continues the character that starts before it.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

std::string formatSettingReal(double value) {
    std::string text = formatReal(value, 16);
    if (std::isfinite(value) && parseSettingReal(text) != value) text = formatReal(value, 17);
    return text;
}

}  // namespace zentrel
