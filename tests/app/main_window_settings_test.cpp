// The settings sheet opened on the main window: what OK changes in the
// window, the interpreter and the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/main/main_window.h"
#include "graphics/palette.h"
#include "tests/app/recording_sheet_view.h"
#include "tests/app/recording_view.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using C = ControlId;
using S = SheetControl;
using test::readFile;
using test::writeFile;

// Runs each draw at once, noting whether the settings button rested meanwhile.
class ProbingDrawRunner final : public DrawRunner {
  public:
    explicit ProbingDrawRunner(const test::RecordingView& view) : view_(view) {}
    bool start(Task work, Task finish) override {
        running_ = true;
        settingsButtonDuringDraw = view_.isEnabled(C::SettingsButton);
        work();
        running_ = false;
        finish();
        return true;
    }
    bool running() const override { return running_; }
    void present(const Task& show) override { show(); }
    void finishNow() override {}

    bool settingsButtonDuringDraw = true;

  private:
    const test::RecordingView& view_;
    bool running_ = false;
};

class MainWindowSettingsTest : public ::testing::Test {
  protected:
    std::string settingsFile() const { return folder.file("MORVIK.INI"); }

    void start(std::string_view settingsText = "") {
        writeFile(settingsFile(), settingsText);
        MainWindowSetup setup;
        setup.settingsFile = settingsFile();
        setup.desktop = {1920, 1080};
        setup.historyFile = folder.file("Zentrel.log");
        setup.functionPath = functions.path();
        window = std::make_unique<MainWindow>(view, runner, setup);
        window->start();
    }

    // Opens the sheet and gives it to `change`, the user; then OK.
    void changeSettings(const std::function<void(SettingsSheet&)>& change) {
        const std::unique_ptr<SettingsSheet> sheet = window->settingsSheet(sheetView);
        sheet->open();
        change(*sheet);
        window->acceptSettingsSheet(*sheet);
    }

    int pixelsOf(std::uint8_t colour) const {
        int count = 0;
        for (int y = 0; y < window->canvas().height(); ++y)
            for (int x = 0; x < window->canvas().width(); ++x)
                count += window->canvas().getPixel(x, y) == colour;
        return count;
    }

    std::string savedSetting(std::string_view section, std::string_view key) const {
        return ProfileStore(readFile(settingsFile())).readString(section, key, "(none)");
    }

    test::TempFolder folder;
    test::TempFolder functions;
    test::RecordingView view;
    test::RecordingSheetView sheetView;
    ProbingDrawRunner runner{view};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowSettingsTest, OkRelabelsTheFunctionButtonsAndHidesTheHelpLine) {
    start("[GRAPH WINDOW]\nFuncMode=3\n");
    EXPECT_EQ(view.texts[C::FunctionButton1], "---");
    view.texts[C::HelpLine] = "sin <x>";
    changeSettings([this](SettingsSheet&) {
        sheetView.texts[functionNameEdit(0)] = "  gamma()";
        sheetView.checks[S::Help] = false;
    });
    EXPECT_EQ(window->settings().extFunc[0], "gamma()");
    EXPECT_EQ(view.texts[C::FunctionButton1], "gamm()");
    EXPECT_TRUE(view.isEnabled(C::FunctionButton1));
    EXPECT_FALSE(view.visible[C::HelpLine]);
    EXPECT_FALSE(view.visible[C::HelpSeparator]);
    EXPECT_EQ(view.texts[C::HelpLine], "");
    window->pointAt(C::ShiftButton);
    EXPECT_EQ(view.texts[C::HelpLine], "") << "no help without the option";

    changeSettings([this](SettingsSheet&) { sheetView.checks[S::Help] = true; });
    EXPECT_TRUE(view.visible[C::HelpLine]);
}

TEST_F(MainWindowSettingsTest, ScreenChangesRedrawTheGridAndGraphOnlyWhenThereAreSome) {
    start();
    view.texts[C::FirstExpression] = "x";
    window->draw();
    EXPECT_FALSE(runner.settingsButtonDuringDraw) << "the sheet waits while a draw runs";
    EXPECT_TRUE(view.isEnabled(C::SettingsButton));
    const std::uint8_t lime = paletteIndex(ColourChoice::Lime);
    const int curve = pixelsOf(lime);
    ASSERT_GT(curve, 200);
    const int frames = view.frames;
    changeSettings([](SettingsSheet&) {});
    EXPECT_EQ(view.frames, frames) << "nothing changed: nothing drawn";

    changeSettings([this](SettingsSheet&) {
        sheetView.selections[S::BackColour] = 0;
        sheetView.texts[S::UnitX] = "0";  // no grid lines across
    });
    EXPECT_GT(view.frames, frames);
    EXPECT_EQ(window->canvas().getPixel(5, 5), paletteIndex(ColourChoice::Black));
    EXPECT_EQ(pixelsOf(lime), curve) << "the graph is drawn again";
    view.texts[C::FirstExpression] = "x";
    window->draw();
    const std::string windowLine = view.lists[C::HistoryList].end()[-2];
    const std::string colours = " " + std::to_string(paletteIndex(ColourChoice::Black)) + " " +
                                std::to_string(paletteIndex(ColourChoice::Cyan));
    EXPECT_TRUE(windowLine.starts_with("window ") && windowLine.ends_with(colours))
        << windowLine << ": the new background reaches the history";
}

TEST_F(MainWindowSettingsTest, NewFunctionFoldersAreSearchedListedAndWrittenAtOnce) {
    writeFile(functions.file("one.vdl"), "1\n");
    start();
    EXPECT_EQ(view.lists[C::FunctionList], std::vector<std::string>{"one"});
    test::TempFolder other;
    writeFile(other.file("two.vdl"), "# doubles\n@0*2\n");
    changeSettings([&](SettingsSheet& sheet) {
        sheetView.answers = {other.path()};
        sheet.addFolder();
        sheet.selectFolder(0);
        sheet.removeFolder();
    });
    EXPECT_EQ(view.lists[C::FunctionList], std::vector<std::string>{"two - doubles"});
    EXPECT_EQ(window->watchedFolders(), std::vector<std::string>{other.path()});
    EXPECT_EQ(window->readNumber("!two 21"), 42.0);
    EXPECT_EQ(window->readNumber("!one"), std::nullopt);
    EXPECT_EQ(savedSetting("EXTFUNC", "Path"), other.path());
    EXPECT_EQ(savedSetting("EXTFUNC", "Folder"), other.path());
    EXPECT_EQ(savedSetting("GRAPH WINDOW", "Help"), "(none)") << "the rest waits for shut-down";
}

TEST_F(MainWindowSettingsTest, ClearingTheCacheReadsAFunctionAnew) {
    writeFile(functions.file("f.vdl"), "1\n");
    start();
    const auto opened = [this] {
        std::unique_ptr<SettingsSheet> sheet = window->settingsSheet(sheetView);
        sheet->open();
        return sheet;
    };
    opened();
    EXPECT_FALSE(sheetView.enabled[S::ClearCache]) << "nothing called yet";
    EXPECT_EQ(window->readNumber("!f"), 1.0);
    writeFile(functions.file("f.vdl"), "2\n");
    EXPECT_EQ(window->readNumber("!f"), 1.0) << "kept compiled";
    const std::unique_ptr<SettingsSheet> sheet = opened();
    EXPECT_TRUE(sheetView.enabled[S::ClearCache]);
    sheet->clearCache();
    EXPECT_FALSE(sheetView.enabled[S::ClearCache]);
    EXPECT_EQ(window->readNumber("!f"), 2.0);
}

TEST_F(MainWindowSettingsTest, TheHistoryGoesToTheNewFileOrNowhere) {
    start();
    view.texts[C::FirstExpression] = "x";
    window->draw();
    const std::string moved = folder.file("elsewhere/Zentrel.log");
    std::filesystem::create_directories(folder.file("elsewhere"));
    changeSettings([&](SettingsSheet& sheet) {
        sheetView.answers = {folder.file("elsewhere")};
        sheet.chooseHistoryFolder();
    });
    EXPECT_EQ(window->settings().logFileName, moved);
    EXPECT_EQ(savedSetting("GRAPH WINDOW", "LogFileFolder"), folder.file("elsewhere"));
    EXPECT_NE(readFile(moved).find(":plot [\"x] 250\n"), std::string::npos) << "the run so far";

    changeSettings([this](SettingsSheet&) { sheetView.texts[S::HistoryFile] = ""; });
    const std::string before = readFile(moved);
    view.texts[C::FirstExpression] = "x*x";
    window->draw();
    EXPECT_EQ(readFile(moved), before);
    window->shutDown();
    EXPECT_EQ(savedSetting("GRAPH WINDOW", "LogFileName"), "");
}

TEST_F(MainWindowSettingsTest, ASettingThatCannotBeWrittenSaysSo) {
    start();
    // A folder where the settings file should be: it cannot be replaced.
    std::filesystem::remove(settingsFile());
    std::filesystem::create_directories(settingsFile());
    changeSettings([&](SettingsSheet& sheet) {
        sheetView.answers = {folder.path()};
        sheet.addFolder();
    });
    EXPECT_EQ(view.texts[C::MessageLine], "設定ファイルに書き込めません");
}

}  // namespace
}  // namespace zentrel
