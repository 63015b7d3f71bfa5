#include "app/settings/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/settings/settings_paths.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

SettingsDefaults sampleDefaults() {
    SettingsDefaults defaults;
    defaults.bitmap = {361, 241};
    defaults.desktop = {1920, 1080};
    defaults.mainWindow = {300, 200};
    defaults.tableWindow = {700, 250};
    defaults.tableWindowSize = {320, 400};
    defaults.historyFile = "/tmp/Zentrel.log";
    defaults.functionPath = "/home/u/.local/share/zentrel/extfunc;/usr/share/zentrel/extfunc";
    return defaults;
}

Settings readFrom(std::string_view text) {
    return readSettings(ProfileStore(text), sampleDefaults());
}

// The key names of a settings text, "SECTION/Key", in the order of the file.
std::vector<std::string> keyOrder(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream lines(text);
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        if (line.front() == '[') {
            section = line.substr(1, line.size() - 2);
        } else {
            keys.push_back(section + "/" + line.substr(0, line.find('=')));
        }
    }
    return keys;
}

TEST(Settings, AMissingFileGivesEveryDefaultWithTheOffsetsAtTheBitmapCentre) {
    test::TempFolder folder;
    ProfileStore store;
    ASSERT_FALSE(ProfileStore::load(folder.file("MORVIK.INI"), store));
    const Settings s = readSettings(store, sampleDefaults());

    EXPECT_EQ(s.posX, 300);
    EXPECT_EQ(s.posY, 200);
    for (double offset : {s.rectOffsetX, s.paramOffsetX, s.polarOffsetX})
        EXPECT_EQ(offset, 180.5);
    for (double offset : {s.rectOffsetY, s.paramOffsetY, s.polarOffsetY})
        EXPECT_EQ(offset, 120.5);
    for (double ratio : {s.rectRatioX, s.paramRatioX, s.polarRatioX})
        EXPECT_EQ(ratio, 10.0);
    for (double ratio : {s.rectRatioY, s.paramRatioY, s.polarRatioY})
        EXPECT_EQ(ratio, -10.0);
    EXPECT_EQ(s.paramMin, 0.0);
    EXPECT_EQ(s.paramMax, 360.0);
    EXPECT_EQ(s.paramPitch, 1.0);
    EXPECT_EQ(s.polarMin, 0.0);
    EXPECT_EQ(s.polarMax, 360.0);
    EXPECT_EQ(s.polarPitch, 1.0);
    EXPECT_EQ(s.unitX, 1.0);
    EXPECT_EQ(s.unitY, 1.0);
    EXPECT_EQ(s.textX, 1);
    EXPECT_EQ(s.textY, 1);
    EXPECT_EQ(s.mode, 0);
    EXPECT_EQ(s.backColor, 11);
    EXPECT_EQ(s.scaleColor, 12);
    EXPECT_EQ(s.unitColor, 14);
    EXPECT_EQ(s.textColor, 15);
    EXPECT_EQ(s.graphColor, 4);
    EXPECT_TRUE(s.help && s.rePlotMode && s.rePlotAngle && s.rePlotWindow);
    EXPECT_EQ(s.tool, 0);
    EXPECT_EQ(s.envWindow, 0);
    EXPECT_EQ(s.funcMode, 0);
    for (const std::string& name : s.extFunc)
        EXPECT_EQ(name, "");
    EXPECT_EQ(s.logFileName, "/tmp/Zentrel.log");
    EXPECT_EQ(s.logFileFolder, "/tmp");
    EXPECT_EQ(s.angle, AngleUnit::Radian);
    EXPECT_EQ(s.cacheSize, -1);
    EXPECT_TRUE(s.clearCache);
    EXPECT_EQ(s.path, "/home/u/.local/share/zentrel/extfunc;/usr/share/zentrel/extfunc");
    EXPECT_EQ(s.folder, "");
    EXPECT_EQ(s.editor, "xdg-open");
    EXPECT_EQ(s.tablePosX, 700);
    EXPECT_EQ(s.tablePosY, 250);
    EXPECT_EQ(s.tableSizeX, 320);
    EXPECT_EQ(s.tableSizeY, 400);
}

TEST(Settings, WindowPositionsAreKeptOnTheDesktop) {
    struct Case {
        const char* value;
        std::int32_t x;  // on a desktop 1920 wide
        std::int32_t y;  // and 1080 high
    };
    for (const Case& c :
         {Case{"-20", 0, 0}, Case{"0", 0, 0}, Case{"500", 500, 500}, Case{"1079", 1079, 1079},
          Case{"1080", 1080, 980}, Case{"1919", 1919, 980}, Case{"1920", 1820, 980},
          Case{"99999", 1820, 980}}) {
        SCOPED_TRACE(c.value);
        const std::string v = c.value;
        const Settings s = readFrom("[GRAPH WINDOW]\nPosX=" + v + "\nPosY=" + v +
                                    "\n[TABLE WINDOW]\nPosX=" + v + "\nPosY=" + v + "\n");
        EXPECT_EQ(s.posX, c.x);
        EXPECT_EQ(s.posY, c.y);
        EXPECT_EQ(s.tablePosX, c.x);
        EXPECT_EQ(s.tablePosY, c.y);
    }
    SettingsDefaults offDesktop = sampleDefaults();
    offDesktop.mainWindow = {-5, 5000};
    offDesktop.desktop = {0, 0};  // unknown: only negatives move
    const Settings s = readSettings(ProfileStore(), offDesktop);
    EXPECT_EQ(s.posX, 0);
    EXPECT_EQ(s.posY, 5000);
}

TEST(Settings, ChoicesOutsideTheirListsTakeTheDefault) {
    struct Case {
        const char* key;
        const char* value;
        std::int32_t Settings::*field;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"Mode", "5", &Settings::mode, 5},
        {"Mode", "6", &Settings::mode, 0},
        {"Mode", "-1", &Settings::mode, 0},
        {"BackColor", "0", &Settings::backColor, 0},
        {"BackColor", "16", &Settings::backColor, 11},
        {"GraphColor", "15", &Settings::graphColor, 15},
        {"GraphColor", "x", &Settings::graphColor, 4},
        {"FuncMode", "3", &Settings::funcMode, 3},
        {"FuncMode", "4", &Settings::funcMode, 0},
        {"Tool", "2", &Settings::tool, 2},
        {"Tool", "3", &Settings::tool, 0},
        {"EnvWindow", "1", &Settings::envWindow, 1},
        {"EnvWindow", "2", &Settings::envWindow, 0},
        {"TextX", "0", &Settings::textX, 0},
        {"TextY", "-4", &Settings::textY, -4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        const Settings s = readFrom("[GRAPH WINDOW]\n" + std::string(c.key) + "=" + c.value + "\n");
        EXPECT_EQ(s.*c.field, c.expected);
    }
    EXPECT_EQ(readFrom("[ENVIRONMENT]\nAngle=0").angle, AngleUnit::Degree);
    EXPECT_EQ(readFrom("[ENVIRONMENT]\nAngle=2").angle, AngleUnit::Grad);
    EXPECT_EQ(readFrom("[ENVIRONMENT]\nAngle=3").angle, AngleUnit::Radian);
    EXPECT_EQ(readFrom("[TABLE WINDOW]\nSizeX=0\nSizeY=-3").tableSizeX, 320);
    EXPECT_EQ(readFrom("[TABLE WINDOW]\nSizeX=0\nSizeY=-3").tableSizeY, 400);
    EXPECT_FALSE(readFrom("[GRAPH WINDOW]\nHelp=0\n[ENVIRONMENT]\nClearCache=0").help);
    EXPECT_FALSE(readFrom("[ENVIRONMENT]\nClearCache=0").clearCache);
    EXPECT_EQ(readFrom("[ENVIRONMENT]\nCacheSize=25").cacheSize, 25);
}

TEST(Settings, RealsReadTheirDecimalPrefix) {
    struct Case {
        const char* value;
        double offset;  // RectOffsetX: any finite number
        double ratio;   // RectRatioX: not zero
    };
    const double kNone = 180.5;  // the defaults
    const double kTen = 10.0;
    const Case cases[] = {
        {"1.5abc", 1.5, 1.5}, {"-2e1x", -20.0, -20.0}, {"+.25", 0.25, 0.25}, {"1e", 1.0, 1.0},
        {"abc", 0.0, kTen},   {"", 0.0, kTen},         {"0", 0.0, kTen},     {"inf", kNone, kTen},
        {"nan", kNone, kTen}, {"1e999", kNone, kTen},  {"+-3", 0.0, kTen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::string v = c.value;
        const Settings s = readFrom("[GRAPH WINDOW]\nRectOffsetX=" + v + "\nRectRatioX=" + v);
        EXPECT_EQ(s.rectOffsetX, c.offset);
        EXPECT_EQ(s.rectRatioX, c.ratio);
    }
}

TEST(Settings, RealsAreWrittenWithSixteenDigitsUnlessTheyNeedSeventeen) {
    EXPECT_EQ(formatSettingReal(10.0), "10");
    EXPECT_EQ(formatSettingReal(-10.0), "-10");
    EXPECT_EQ(formatSettingReal(180.5), "180.5");
    EXPECT_EQ(formatSettingReal(0.1), "0.1");
    EXPECT_EQ(formatSettingReal(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(formatSettingReal(1e21), "1e+21");
    EXPECT_EQ(formatSettingReal(1.5e-7), "1.5e-07");
    EXPECT_EQ(formatSettingReal(0.1 + 0.2), "0.30000000000000004");
}

TEST(Settings, FunctionNamesAreStoredTrimmedAndCut) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    for (const Case& c :
         {Case{"  sq rt", "sq"}, Case{"\tgcd\t", "gcd"}, Case{"newton()", "newton()"},
          Case{"   ", ""}, Case{"abcdefghijklmnopqrst", "abcdefghijklmnop"},
          // five three-byte characters and a sixth cut whole
          Case{"\xe9\x96\xa2\xe6\x95\xb0\xe9\x96\xa2\xe6\x95\xb0\xe9\x96\xa2"
               "\xe6\x95\xb0",
               "\xe9\x96\xa2\xe6\x95\xb0\xe9\x96\xa2\xe6\x95\xb0\xe9\x96\xa2"}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(trimFunctionName(c.typed), c.stored);
    }
    const Settings s = readFrom("[GRAPH WINDOW]\nExtFunc05=  sq rt\nExtFunc14=binom\n");
    EXPECT_EQ(s.extFunc[4], "sq");
    EXPECT_EQ(s.extFunc[13], "binom");
    EXPECT_EQ(cutText("ab\xe6\x95\xb0", 4), "ab");
    EXPECT_EQ(cutText("ab\xe6\x95\xb0", 5), "ab\xe6\x95\xb0");
}

TEST(Settings, TextsAreReadAsWritten) {
    const Settings s = readFrom(
        "[GRAPH WINDOW]\nLogFileName=/home/u/logs/draws.log\n"
        "[EXTFUNC]\nPath=/a;/b/\nEditor=\nFolder=/home/u\n");
    EXPECT_EQ(s.logFileName, "/home/u/logs/draws.log");
    EXPECT_EQ(s.logFileFolder, "/home/u/logs");  // follows the file when not set
    EXPECT_EQ(s.path, "/a;/b/");
    EXPECT_EQ(s.folder, "/home/u");
    EXPECT_EQ(s.editor, "xdg-open");  // an empty editor could start nothing
    EXPECT_EQ(readFrom("[GRAPH WINDOW]\nLogFileName=\n").logFileName, "");  // history off
    // A path longer than the pages accept is not cut: it would name another file.
    const std::string longName = "/" + std::string(300, 'd') + "/Zentrel.log";
    EXPECT_EQ(readFrom("[GRAPH WINDOW]\nLogFileName=" + longName).logFileName, longName);
}

// Settings unlike every default, within what reading accepts.
Settings changedSettings() {
    Settings s = readSettings(ProfileStore(), sampleDefaults());
    s.posX = 11;
    s.posY = 22;
    double next = 0.1;
    for (double* real :
         {&s.rectOffsetX,  &s.rectOffsetY,  &s.rectRatioX,   &s.rectRatioY,  &s.paramOffsetX,
          &s.paramOffsetY, &s.paramRatioX,  &s.paramRatioY,  &s.paramMin,    &s.paramMax,
          &s.paramPitch,   &s.polarOffsetX, &s.polarOffsetY, &s.polarRatioX, &s.polarRatioY,
          &s.polarMin,     &s.polarMax,     &s.polarPitch,   &s.unitX,       &s.unitY}) {
        *real = next;
        next = -(next * 3.7 + 0.2);  // digits that need all of 16 or 17 places
    }
    s.polarMax = 1e300;
    s.paramMin = -0.0;
    s.textX = 3;
    s.textY = 0;
    s.mode = 5;
    s.backColor = 0;
    s.scaleColor = 1;
    s.unitColor = 2;
    s.textColor = 3;
    s.graphColor = 15;
    s.help = s.rePlotMode = s.rePlotAngle = s.rePlotWindow = false;
    s.envWindow = 1;
    s.funcMode = 3;
    for (std::size_t i = 0; i < s.extFunc.size(); ++i)
        s.extFunc[i] = "f" + std::to_string(i);
    s.logFileName = "/var/tmp/履歴 file.log";
    s.logFileFolder = "/var/tmp";
    s.angle = AngleUnit::Grad;
    s.cacheSize = 7;
    s.clearCache = false;
    s.path = "/x/y;/z";
    s.folder = "/x";
    s.editor = "emacs -nw";
    s.tablePosX = 1;
    s.tablePosY = 2;
    s.tableSizeX = 3;
    s.tableSizeY = 4;
    return s;
}

void writeEverything(ProfileStore& store, const Settings& s) {
    writeShutDownSettings(store, s);
    for (ImmediateSetting which : {ImmediateSetting::Path, ImmediateSetting::Folder,
                                   ImmediateSetting::LogFileFolder, ImmediateSetting::EnvWindow}) {
        writeImmediateSetting(store, s, which);
    }
}

TEST(Settings, SavingThenLoadingGivesTheSameSettings) {
    test::TempFolder folder;
    const std::string path = folder.file("zentrel/MORVIK.INI");
    for (const Settings& original :
         {changedSettings(), readSettings(ProfileStore(), sampleDefaults())}) {
        ProfileStore store;
        writeEverything(store, original);
        ASSERT_FALSE(store.save(path));
        ProfileStore loaded;
        ASSERT_FALSE(ProfileStore::load(path, loaded));
        EXPECT_TRUE(readSettings(loaded, sampleDefaults()) == original);
        // Writing the same settings again changes nothing.
        writeEverything(loaded, original);
        EXPECT_EQ(loaded.text(), store.text());
    }
}

// In a new file each section's keys stand in the order they were written,
// the sections in the order of their first key.
TEST(Settings, ShutDownWritesInItsOrder) {
    ProfileStore store;
    writeShutDownSettings(store, readSettings(ProfileStore(), sampleDefaults()));
    std::vector<std::string> expected = {"ENVIRONMENT/ClearCache", "ENVIRONMENT/CacheSize",
                                         "ENVIRONMENT/Angle"};
    const auto graph = [&](const std::string& key) { expected.push_back("GRAPH WINDOW/" + key); };
    graph("PosX");
    graph("PosY");
    for (const char* part :
         {"RectOffsetX",  "RectOffsetY",  "RectRatioX",   "RectRatioY",  "ParamOffsetX",
          "ParamOffsetY", "ParamRatioX",  "ParamRatioY",  "ParamMin",    "ParamMax",
          "ParamPitch",   "PolarOffsetX", "PolarOffsetY", "PolarRatioX", "PolarRatioY",
          "PolarMin",     "PolarMax",     "PolarPitch",   "UnitX",       "UnitY",
          "TextX",        "TextY",        "Mode",         "BackColor",   "ScaleColor",
          "UnitColor",    "TextColor",    "GraphColor",   "Help",        "RePlotMode",
          "RePlotAngle",  "RePlotWindow", "FuncMode"}) {
        graph(part);
    }
    for (int i = 1; i <= 14; ++i)
        graph((i < 10 ? "ExtFunc0" : "ExtFunc") + std::to_string(i));
    graph("LogFileName");
    expected.push_back("EXTFUNC/Editor");  // written between RePlotWindow and FuncMode
    for (const char* key : {"PosX", "PosY", "SizeX", "SizeY"})
        expected.push_back(std::string("TABLE WINDOW/") + key);
    EXPECT_EQ(keyOrder(store.text()), expected);
    EXPECT_NE(store.text().find("[GRAPH WINDOW]\nPosX=300\nPosY=200\nRectOffsetX=180.5\n"),
              std::string::npos);
    EXPECT_NE(store.text().find("[ENVIRONMENT]\nClearCache=1\nCacheSize=-1\nAngle=1\n"),
              std::string::npos);
}

TEST(Settings, ImmediateWritesTouchOnlyTheirKey) {
    Settings s = changedSettings();
    const std::string before = "[GRAPH WINDOW]\nPosX=5\n[EXTFUNC]\nPath=old\n";
    const std::map<ImmediateSetting, std::string> expected = {
        {ImmediateSetting::Path, "[GRAPH WINDOW]\nPosX=5\n[EXTFUNC]\nPath=/x/y;/z\n"},
        {ImmediateSetting::Folder, "[GRAPH WINDOW]\nPosX=5\n[EXTFUNC]\nPath=old\nFolder=/x\n"},
        {ImmediateSetting::LogFileFolder,
         "[GRAPH WINDOW]\nPosX=5\nLogFileFolder=/var/tmp\n[EXTFUNC]\nPath=old\n"},
        {ImmediateSetting::EnvWindow, "[GRAPH WINDOW]\nPosX=5\nEnvWindow=1\n[EXTFUNC]\nPath=old\n"},
    };
    for (const auto& [which, text] : expected) {
        ProfileStore store(before);
        writeImmediateSetting(store, s, which);
        EXPECT_EQ(store.text(), text);
    }
}

TEST(SettingsPaths, FilesAndFoldersFollowTheEnvironment) {
    EnvironmentPaths env;
    env.home = "/home/u";
    EXPECT_EQ(settingsFilePath(env), "/home/u/.config/zentrel/MORVIK.INI");
    EXPECT_EQ(defaultHistoryFile(env), "/tmp/Zentrel.log");
    EXPECT_EQ(defaultFunctionPath(env, "/usr/share/zentrel/extfunc"),
              "/home/u/.local/share/zentrel/extfunc;/usr/share/zentrel/extfunc");

    env.xdgConfigHome = "/cfg/";
    env.xdgDataHome = "/data";
    env.tmpDir = "/run/tmp/";
    EXPECT_EQ(settingsFilePath(env), "/cfg/zentrel/MORVIK.INI");
    EXPECT_EQ(defaultHistoryFile(env), "/run/tmp/Zentrel.log");
    EXPECT_EQ(defaultFunctionPath(env, ""), "/data/zentrel/extfunc");

    // Relative base folders are not used; without HOME only what is known remains.
    env = EnvironmentPaths{"", "relative/cfg", "relative/data", ""};
    EXPECT_EQ(settingsFilePath(env), "MORVIK.INI");
    EXPECT_EQ(defaultFunctionPath(env, "/lib/extfunc"), "/lib/extfunc");

    const EnvironmentPaths looked = EnvironmentPaths::from([](const char* name) -> const char* {
        return std::string_view(name) == "HOME" ? "/root" : nullptr;
    });
    EXPECT_EQ(looked.home, "/root");
    EXPECT_EQ(looked.tmpDir, "");
}

TEST(SettingsPaths, FolderListsSplitAtSemicolons) {
    EXPECT_EQ(functionFolders("/a/;;/b;/;c/d//;"),
              (std::vector<std::string>{"/a", "/b", "/", "c/d/"}));
    EXPECT_EQ(functionFolders(""), std::vector<std::string>{});
    EXPECT_EQ(folderOf("/tmp/Zentrel.log"), "/tmp");
    EXPECT_EQ(folderOf("/Zentrel.log"), "/");
    EXPECT_EQ(folderOf("Zentrel.log"), "");
}

}  // namespace
}  // namespace zentrel
