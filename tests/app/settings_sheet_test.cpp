#include "app/settings/settings_sheet.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tests/app/recording_sheet_view.h"

namespace zentrel {
namespace {

using S = SheetControl;
using Folders = std::vector<std::string>;
using test::RecordingSheetView;

// The window's side: the settings written at once, and a cache that holds a
// function until it is cleared.
class RecordingSheetHost : public SettingsSheetHost {
  public:
    void writeAtOnce(const Settings& settings, ImmediateSetting which) override {
        written.emplace_back(which, which == ImmediateSetting::Path     ? settings.path
                                    : which == ImmediateSetting::Folder ? settings.folder
                                                                        : settings.logFileFolder);
    }
    bool functionCacheEmpty() const override { return cacheEmpty; }
    void clearFunctionCache() override {
        cacheEmpty = true;
        ++clears;
    }
    void setFunctionCacheSize(std::int32_t size) override { appliedSizes.push_back(size); }

    std::vector<std::pair<ImmediateSetting, std::string>> written;
    std::vector<std::int32_t> appliedSizes;
    bool cacheEmpty = false;
    int clears = 0;
};

class SettingsSheetTest : public ::testing::Test {
  protected:
    void open() {
        sheet.open();
        opened = settings;
    }

    RecordingSheetView view;
    RecordingSheetHost host;
    Settings settings;
    Settings opened;
    SettingsSheet sheet{view, host, settings};
};

TEST_F(SettingsSheetTest, EveryPageShowsTheSettings) {
    settings.path = "/a;/b/";
    settings.extFunc[4] = "sq";
    settings.editor = "/usr/bin/mousepad";
    settings.logFileName = "/tmp/Zentrel.log";
    settings.scaleColor = 3;
    settings.unitX = 2;
    settings.unitY = 0.25;
    settings.textX = 5;
    settings.rePlotAngle = false;
    settings.cacheSize = 12;
    open();
    EXPECT_EQ(view.lines[S::FolderList], (Folders{"/a", "/b"}));
    EXPECT_EQ(view.selections[S::FolderList], -1);
    EXPECT_EQ(view.texts[functionNameEdit(4)], "sq");
    EXPECT_EQ(view.texts[S::FunctionName14], "");
    EXPECT_EQ(view.texts[S::Editor], "/usr/bin/mousepad");
    EXPECT_EQ(view.texts[S::HistoryFile], "/tmp/Zentrel.log");
    EXPECT_EQ(view.selections[S::BackColour], 11);
    EXPECT_EQ(view.selections[S::ScaleColour], 3);
    EXPECT_EQ(view.texts[S::UnitX], "2.0");
    EXPECT_EQ(view.texts[S::UnitY], "0.25");
    EXPECT_EQ(view.texts[S::TextX], "5");
    EXPECT_TRUE(view.checks[S::Help]);
    EXPECT_FALSE(view.checks[S::RePlotAngle]);
    EXPECT_TRUE(view.checks[S::ClearOnDeactivate]);
    EXPECT_EQ(view.texts[S::CacheSize], "12");
    EXPECT_TRUE(view.enabled[S::ClearCache]) << "the cache holds a function";
}

TEST_F(SettingsSheetTest, OkStoresEveryPageAndAppliesTheCacheSize) {
    open();
    view.texts[functionNameEdit(4)] = "  sq rt";
    view.texts[functionNameEdit(0)] = "\tabcdefghijklmnopqrs()";
    view.texts[S::Editor] = "";
    view.texts[S::HistoryFile] = "";
    view.selections[S::TextColour] = 0;
    view.texts[S::UnitY] = "0.5";
    view.texts[S::TextY] = "2";
    view.checks[S::Help] = false;
    view.checks[S::ClearOnDeactivate] = false;
    view.texts[S::CacheSize] = " 8";
    const SheetChanges changes = sheet.accept();
    EXPECT_TRUE(changes.screen);
    EXPECT_FALSE(changes.folders);
    EXPECT_EQ(settings.extFunc[4], "sq");
    EXPECT_EQ(settings.extFunc[0], "abcdefghijklmnop") << "16 characters at most";
    EXPECT_EQ(settings.editor, "xdg-open");
    EXPECT_EQ(settings.logFileName, "") << "no history file";
    EXPECT_EQ(settings.textColor, 0);
    EXPECT_EQ(settings.unitY, 0.5);
    EXPECT_EQ(settings.textY, 2);
    EXPECT_FALSE(settings.help);
    EXPECT_FALSE(settings.clearCache);
    EXPECT_EQ(settings.cacheSize, 8);
    EXPECT_EQ(host.appliedSizes, std::vector<std::int32_t>{8});
    EXPECT_TRUE(host.written.empty()) << "the folders did not change";
}

// Without OK the pages store nothing: only the folders chosen on the way are
// kept, and written at once.
TEST_F(SettingsSheetTest, WithoutOkOnlyTheChosenFoldersAreKept) {
    settings.path = "/a";
    settings.folder = "/start";
    settings.logFileFolder = "/logs";
    open();
    view.texts[functionNameEdit(0)] = "other";
    view.texts[S::CacheSize] = "3";
    view.checks[S::Help] = false;
    view.answers = {"/b", "/var/log"};
    sheet.addFolder();
    sheet.chooseHistoryFolder();
    sheet.removeFolder();
    Settings expected = opened;
    expected.folder = "/b";
    expected.logFileFolder = "/var/log";
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(view.chooserCalls, (std::vector<std::pair<std::string, std::string>>{
                                     {"外部関数パス", "/start"}, {"履歴ファイル", "/logs"}}));
    EXPECT_EQ(host.written, (std::vector<std::pair<ImmediateSetting, std::string>>{
                                {ImmediateSetting::Folder, "/b"},
                                {ImmediateSetting::LogFileFolder, "/var/log"}}));
    EXPECT_TRUE(host.appliedSizes.empty());
    EXPECT_EQ(view.texts[S::HistoryFile], "/var/log/Zentrel.log");
}

TEST_F(SettingsSheetTest, TheFolderListIsWrittenAtOnceOnOkWhenItsFoldersChanged) {
    settings.path = "/a;/b";
    open();
    view.answers = {"/c", std::nullopt};
    sheet.addFolder();
    sheet.addFolder();  // cancelled
    EXPECT_EQ(view.lines[S::FolderList], (Folders{"/a", "/b", "/c"}));
    EXPECT_EQ(view.selections[S::FolderList], 2);
    sheet.moveFolderUp();
    sheet.moveFolderUp();
    EXPECT_EQ(view.lines[S::FolderList], (Folders{"/c", "/a", "/b"}));
    EXPECT_EQ(view.selections[S::FolderList], 0);
    sheet.selectFolder(1);
    sheet.removeFolder();
    EXPECT_EQ(view.lines[S::FolderList], (Folders{"/c", "/b"}));
    EXPECT_EQ(view.selections[S::FolderList], 1) << "the one now at its place";
    sheet.moveFolderDown();  // already last
    host.written.clear();
    EXPECT_TRUE(sheet.accept().folders);
    EXPECT_EQ(settings.path, "/c;/b");
    EXPECT_EQ(
        host.written,
        (std::vector<std::pair<ImmediateSetting, std::string>>{{ImmediateSetting::Path, "/c;/b"}}));
}

TEST_F(SettingsSheetTest, TheSameFoldersWrittenOtherwiseAreNoChange) {
    settings.path = "/a/;;/b";
    open();
    EXPECT_FALSE(sheet.accept().folders);
    EXPECT_EQ(settings.path, "/a/;;/b");
    EXPECT_TRUE(host.written.empty());
}

TEST_F(SettingsSheetTest, AFolderWhoseNameHoldsTheListSeparatorIsRefused) {
    settings.path = "/a";
    open();
    view.answers = {"/odd;name"};
    sheet.addFolder();
    EXPECT_EQ(view.lines[S::FolderList], Folders{"/a"});
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(host.written.empty());
    EXPECT_EQ(settings.folder, "");
}

TEST_F(SettingsSheetTest, TheChoosersFillTheirEdits) {
    settings.editor = "/usr/bin/vi";
    open();
    view.answers = {"/opt/edit", "/", std::nullopt};
    sheet.chooseEditor();
    EXPECT_EQ(view.texts[S::Editor], "/opt/edit");
    EXPECT_EQ(view.chooserCalls.back(),
              (std::pair<std::string, std::string>{"外部関数エディタ", "/usr/bin"}));
    sheet.chooseHistoryFolder();
    EXPECT_EQ(view.texts[S::HistoryFile], "/Zentrel.log") << "no doubled '/'";
    sheet.chooseEditor();  // cancelled
    EXPECT_EQ(view.texts[S::Editor], "/opt/edit");
    sheet.accept();
    EXPECT_EQ(settings.editor, "/opt/edit");
    EXPECT_EQ(settings.logFileName, "/Zentrel.log");
}

// The screen-changed mark asks for a redraw only when a screen value changed;
// a value left as shown keeps its exact setting, whatever its text rounds to.
TEST_F(SettingsSheetTest, TheScreenMarkFollowsRealChangesOnly) {
    settings.unitX = 0.1 + 0.2;  // 0.30000000000000004, shown as "0.3"
    open();
    EXPECT_EQ(view.texts[S::UnitX], "0.3");
    EXPECT_FALSE(sheet.accept().screen);
    EXPECT_EQ(settings, opened);

    const struct {
        SheetControl edit;
        const char* typed;
    } kTyped[] = {
        {S::UnitX, "0.30"},  // typed anew: the typed value
        {S::UnitY, "4abc"},
        {S::TextX, "+7"},
        {S::TextY, "-2"},
    };
    for (const auto& [edit, typed] : kTyped)
        view.texts[edit] = typed;
    EXPECT_TRUE(sheet.accept().screen);
    EXPECT_EQ(settings.unitX, 0.3);
    EXPECT_EQ(settings.unitY, 4.0);
    EXPECT_EQ(settings.textX, 7);
    EXPECT_EQ(settings.textY, -2);
}

TEST_F(SettingsSheetTest, UnreadableNumbersKeepTheirSettings) {
    settings.cacheSize = 5;
    open();
    const auto expectKept = [this](SheetControl edit, const char* typed) {
        SCOPED_TRACE(typed);
        const std::string shown = std::exchange(view.texts[edit], typed);
        EXPECT_FALSE(sheet.accept().screen);
        EXPECT_EQ(settings, opened);
        view.texts[edit] = shown;
    };
    for (const char* typed : {"", " ", "abc", "1e999", "inf", "nan", "+-1", "-"})
        expectKept(S::UnitX, typed);
    for (SheetControl edit : {S::TextX, S::CacheSize}) {
        for (const char* typed : {"", "abc", "99999999999", "+-1", "-"})
            expectKept(edit, typed);
    }
}

TEST_F(SettingsSheetTest, ClearingTheCacheDisablesItsButton) {
    open();
    ASSERT_TRUE(view.enabled[S::ClearCache]);
    sheet.clearCache();
    EXPECT_EQ(host.clears, 1);
    EXPECT_FALSE(view.enabled[S::ClearCache]);
    SettingsSheet again(view, host, settings);
    again.open();
    EXPECT_FALSE(view.enabled[S::ClearCache]) << "an empty cache, as the sheet opens";
}

}  // namespace
}  // namespace zentrel
