#include "app/main/main_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/settings/settings_paths.h"
#include "graphics/palette.h"
#include "tests/app/recording_view.h"
#include "tests/app/task_queue.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using C = ControlId;
using test::readFile;
using test::RecordingView;
using test::TempFolder;
using test::writeFile;

std::tm fixedTime() {
    std::tm time{};
    time.tm_year = 2006 - 1900;
    time.tm_mday = 5;
    time.tm_wday = 4;
    time.tm_hour = 9;
    return time;
}

std::string paletteText(ColourChoice choice) {
    return std::to_string(paletteIndex(choice));
}

// The frame line of the default 361 x 241 bitmap: 10 pixels a unit about its centre.
std::string defaultWindowLine() {
    return "window \\-18 \\-12 18 12 " + paletteText(ColourChoice::Teal) + " " +
           paletteText(ColourChoice::Cyan);
}

// A runner that keeps the draw until the test lets it run, so that the test
// can act while a draw is in progress.
class HeldDrawRunner final : public DrawRunner {
  public:
    bool start(Task work, Task finish) override {
        if (running()) return false;
        work_ = std::move(work);
        finish_ = std::move(finish);
        return true;
    }
    bool running() const override { return finish_ != nullptr; }
    void present(const Task& show) override { show(); }
    void finishNow() override { release(); }
    void release() {
        if (!running()) return;
        work_();
        Task finish = std::move(finish_);
        finish_ = nullptr;
        finish();
    }

  private:
    Task work_;
    Task finish_;
};

class MainWindowTest : public ::testing::Test {
  protected:
    std::string settingsFile() const { return folder.file("config/MORVIK.INI"); }
    std::string historyFile() const { return folder.file("Zentrel.log"); }

    MainWindowSetup setup() const {
        MainWindowSetup s;
        s.settingsFile = settingsFile();
        s.desktop = {1920, 1080};
        s.historyFile = historyFile();
        s.functionPath = folder.path();
        s.clock = fixedTime;
        s.randomSeed = 1;
        return s;
    }

    void writeSettings(std::string_view text) {
        std::filesystem::create_directories(folder.file("config"));
        writeFile(settingsFile(), text);
    }

    void start(DrawRunner& drawRunner) {
        window = std::make_unique<MainWindow>(view, drawRunner, setup());
        window->start();
    }
    void start() { start(runner); }

    void restart() {
        window->shutDown();
        view = RecordingView();
        start();
    }

    void drawExpression(std::string_view text) {
        view.texts[C::FirstExpression] = text;
        window->draw();
    }

    const std::vector<std::string>& history() { return view.lists[C::HistoryList]; }

    // The pixel of the graph bitmap at column x, row y.
    std::uint8_t pixel(int x, int y) const { return window->canvas().getPixel(x, y); }

    // True when every column from `first` to `last` holds a pixel of the colour.
    bool everyColumnHas(int first, int last, std::uint8_t colour) const {
        for (int x = first; x <= last; ++x) {
            bool found = false;
            for (int y = 0; y < window->canvas().height() && !found; ++y)
                found = pixel(x, y) == colour;
            if (!found) return false;
        }
        return true;
    }

    TempFolder folder;
    RecordingView view;
    ImmediateDrawRunner runner;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, AMissingSettingsFileStartsWithEveryDefault) {
    start();
    const Settings& s = window->settings();
    EXPECT_EQ(s.logFileName, historyFile());
    const WorldTransform t = window->canvas().getTransform();
    EXPECT_EQ(t.offsetX, 180.5);
    EXPECT_EQ(t.offsetY, 120.5);
    EXPECT_EQ(t.scaleX, 10.0);
    EXPECT_EQ(t.scaleY, -10.0);
    EXPECT_EQ(view.moves.back().x, 300);
    EXPECT_EQ(view.moves.back().y, 200);
    EXPECT_EQ(view.selections[C::CoordinateList], 0);
    EXPECT_EQ(view.selections[C::ColourList], 4);
    EXPECT_EQ(view.checkedRadio, C::RadRadio);
    EXPECT_EQ(view.checkedTool, C::TraceTool);
    EXPECT_TRUE(view.visible[C::HelpLine]);
    EXPECT_EQ(view.texts[C::ArgumentLabel], "x=");
    EXPECT_EQ(view.texts[C::FirstValueLabel], "y=");
    EXPECT_EQ(view.texts[C::SecondValueLabel], "");
    EXPECT_EQ(view.texts[C::FirstExpressionLabel], "y=");
    EXPECT_FALSE(view.isEnabled(C::SecondExpression));
    for (ControlId edit : {C::MinEdit, C::MaxEdit, C::PitchEdit}) {
        EXPECT_FALSE(view.isEnabled(edit));
        EXPECT_EQ(view.texts[edit], "");
    }
    EXPECT_EQ(view.focused, C::FirstExpression);
    // The grid is on the screen: the axes cross at the bitmap's centre.
    EXPECT_GE(view.frames, 1);
    EXPECT_EQ(pixel(180, 10), paletteIndex(ColourChoice::Cyan));
    EXPECT_EQ(pixel(10, 120), paletteIndex(ColourChoice::Cyan));
    EXPECT_TRUE(history().empty());
    EXPECT_FALSE(std::filesystem::exists(historyFile()));
}

TEST_F(MainWindowTest, SavedPlacesAreKeptOnTheDesktop) {
    writeSettings("[GRAPH WINDOW]\nPosX=-20\nPosY=5000\n");
    start();
    ASSERT_FALSE(view.moves.empty());
    EXPECT_EQ(view.moves.back().x, 0);
    EXPECT_EQ(view.moves.back().y, 980);
}

TEST_F(MainWindowTest, SavedModesAreAppliedAtStart) {
    writeSettings("[GRAPH WINDOW]\nMode=5\nHelp=0\nPolarMax=180\n[ENVIRONMENT]\nAngle=0\n");
    start();
    EXPECT_EQ(view.checkedRadio, C::DegRadio);
    EXPECT_EQ(view.selections[C::CoordinateList], 5);
    EXPECT_FALSE(view.visible[C::HelpLine]);
    EXPECT_FALSE(view.visible[C::HelpSeparator]);
    EXPECT_EQ(view.texts[C::ArgumentLabel], "t=");
    EXPECT_EQ(view.texts[C::FirstExpressionLabel], "r=");
    EXPECT_EQ(view.texts[C::MinEdit], "0");
    EXPECT_EQ(view.texts[C::MaxEdit], "180");
    EXPECT_EQ(view.texts[C::PitchEdit], "1");
    EXPECT_TRUE(view.isEnabled(C::MinEdit));
}

TEST_F(MainWindowTest, AFirstDrawRecordsTheMarksOfStartUpAndTheExpression) {
    start();
    drawExpression("sin x");
    EXPECT_TRUE(everyColumnHas(1, 359, paletteIndex(ColourChoice::Lime)));
    EXPECT_EQ(history(), (std::vector<std::string>{":rad", defaultWindowLine(), ":rectangular",
                                                   ":nologscale xy", ":plot [\"sin x] 250"}));
    EXPECT_EQ(window->historyLines(), history());
    EXPECT_EQ(view.texts[C::MessageLine], "");
    EXPECT_FALSE(view.busy);
    EXPECT_EQ(view.busyChanges, 2);
}

TEST_F(MainWindowTest, DrawingTheSameExpressionAgainLeavesItOutOfThePlotLine) {
    start();
    drawExpression("sin x");
    drawExpression("sin x");
    EXPECT_EQ(history().back(), ":plot");
    drawExpression("cos x");
    EXPECT_EQ(history().back(), ":plot [\"cos x]");
}

TEST_F(MainWindowTest, AColourChangeIsRecordedOnceWithItsPaletteIndex) {
    start();
    drawExpression("x");
    window->selectGraphColour(static_cast<int>(ColourChoice::Red));
    drawExpression("x");
    EXPECT_EQ(history().back(), ":plot " + paletteText(ColourChoice::Red));
    drawExpression("x");
    EXPECT_EQ(history().back(), ":plot");
    EXPECT_EQ(window->canvas().colour(), paletteIndex(ColourChoice::Red));
}

TEST_F(MainWindowTest, ADrawWithoutExpressionDoesNothing) {
    start();
    const int frames = view.frames;
    for (const char* text : {"", "  \t"}) {
        drawExpression(text);
    }
    EXPECT_EQ(view.frames, frames);
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(view.busyChanges, 0);
}

TEST_F(MainWindowTest, AFailedEvaluationShowsItsMessageAndRecordsNothing) {
    start();
    drawExpression("1 +");
    EXPECT_EQ(view.texts[C::MessageLine], "+の右辺がありません");
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(window->canvas().sampleCount(), 0);
    // A warning on every sample leaves its message; the curve is drawn.
    drawExpression("sqrt x");
    EXPECT_EQ(view.texts[C::MessageLine], "警告:sqrtの引数が負の値になりました");
    EXPECT_EQ(history().back(), ":plot [\"sqrt x] 250");
}

TEST_F(MainWindowTest, ExternalFunctionsComeFromThePathAndShowTheirChainAtAnError) {
    writeFile(folder.file("win.vdl"), "_WINDOWS * 3\n");
    writeFile(folder.file("bad.vdl"), "1 +\n");
    writeFile(folder.file("outer.vdl"), "!bad\n");
    start();
    drawExpression("!win");
    EXPECT_EQ(pixel(100, 90), paletteIndex(ColourChoice::Lime));
    drawExpression("!outer");
    EXPECT_EQ(view.texts[C::MessageLine], "外部関数outerの実行が中断されました");
    EXPECT_EQ(view.texts[C::HelpLine], "bad\nouter");
    drawExpression("!win");
    EXPECT_EQ(view.texts[C::MessageLine], "");
    EXPECT_EQ(view.texts[C::HelpLine], "");
}

TEST_F(MainWindowTest, AnExpressionNoHistoryLineCanHoldIsDrawnButNotRecorded) {
    start();
    drawExpression("x \\");
    EXPECT_EQ(view.texts[C::MessageLine], "この計算式は履歴ファイルに記録できません");
    EXPECT_TRUE(history().empty());
    // Drawn again unchanged, it still cannot be named; the marks wait.
    drawExpression("x \\");
    EXPECT_TRUE(history().empty());
    drawExpression("x");
    EXPECT_EQ(history(), (std::vector<std::string>{":rad", defaultWindowLine(), ":rectangular",
                                                   ":nologscale xy", ":plot [\"x] 250"}));
}

TEST_F(MainWindowTest, LogScaleChangesRecordTheirLines) {
    start();
    drawExpression("x");
    const struct {
        int index;
        const char* line;
    } cases[] = {
        {1, ":logscale x 10; :nologscale y"},
        {3, ":logscale xy 10"},
        {2, ":nologscale x; :logscale y 10"},
        {0, ":nologscale xy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const std::size_t before = history().size();
        window->selectCoordinateSystem(c.index);
        EXPECT_EQ(view.texts[C::FirstExpression], "x");
        // Redrawn at once: the frame, the mode and the expression kept.
        const std::vector<std::string> added(history().begin() + static_cast<long>(before),
                                             history().end());
        EXPECT_EQ(added,
                  (std::vector<std::string>{defaultWindowLine(), ":rectangular", c.line, ":plot"}));
    }
}

TEST_F(MainWindowTest, WithoutRePlotModeALogScaleChangeRedrawsTheKeptSamples) {
    writeSettings("[GRAPH WINDOW]\nRePlotMode=0\n");
    start();
    drawExpression("x");
    const std::size_t before = history().size();
    window->selectCoordinateSystem(1);
    EXPECT_EQ(history().size(), before);
    EXPECT_GT(window->canvas().sampleCount(), 0);
    drawExpression("x");
    EXPECT_EQ(history().back(), ":plot");
    EXPECT_EQ(history()[history().size() - 2], ":logscale x 10; :nologscale y");
}

TEST_F(MainWindowTest, SwitchingToParametricEmptiesTheExpressionsAndEnablesTheSecond) {
    start();
    view.texts[C::FirstExpression] = "x";
    window->fieldFocused(C::FirstExpression);
    window->selectCoordinateSystem(4);
    EXPECT_EQ(view.texts[C::FirstExpression], "");
    EXPECT_EQ(view.texts[C::SecondExpression], "");
    EXPECT_TRUE(view.isEnabled(C::SecondExpression));
    EXPECT_EQ(view.texts[C::ArgumentLabel], "t=");
    EXPECT_EQ(view.texts[C::FirstValueLabel], "x=");
    EXPECT_EQ(view.texts[C::SecondValueLabel], "y=");
    EXPECT_EQ(view.texts[C::FirstExpressionLabel], "x=");
    EXPECT_EQ(view.texts[C::SecondExpressionLabel], "y=");
    EXPECT_EQ(view.texts[C::MaxEdit], "360");

    view.texts[C::FirstExpression] = "cos t";
    view.texts[C::SecondExpression] = "sin t";
    view.texts[C::MaxEdit] = "6.3";
    view.texts[C::PitchEdit] = "0.1";
    window->draw();
    EXPECT_EQ(history(), (std::vector<std::string>{":rad", defaultWindowLine(), ":parametric",
                                                   ":plot [\"cos t] [\"sin t] 0 6.3 0.1 250"}));
    EXPECT_GT(window->canvas().sampleCount(), 60);

    // Leaving parametric mode takes the focus off the second expression.
    window->fieldFocused(C::SecondExpression);
    window->selectCoordinateSystem(5);
    EXPECT_EQ(window->focusField(), C::FirstExpression);
    EXPECT_EQ(view.focused, C::FirstExpression);
    EXPECT_FALSE(view.isEnabled(C::SecondExpression));
    EXPECT_EQ(window->settings().paramMax, 6.3);
}

TEST_F(MainWindowTest, TheAngleUnitConvertsThePolarRangeAndRedraws) {
    writeSettings("[GRAPH WINDOW]\nMode=5\nRePlotAngle=0\n");
    start();
    window->selectAngleUnit(AngleUnit::Degree);
    EXPECT_EQ(view.texts[C::MaxEdit], "360");
    window->selectAngleUnit(AngleUnit::Radian);
    EXPECT_EQ(view.texts[C::MaxEdit], "6.283185307179586");
    EXPECT_EQ(view.texts[C::PitchEdit], "0.0174532925199433");
    EXPECT_TRUE(history().empty());
    // Untouched fields keep their settings exactly.
    window->selectAngleUnit(AngleUnit::Grad);
    window->selectAngleUnit(AngleUnit::Degree);
    EXPECT_EQ(window->settings().polarMax, 360.0);
    EXPECT_EQ(window->settings().polarPitch, 1.0);

    view.texts[C::FirstExpression] = "1";
    view.texts[C::MaxEdit] = "90";
    window->draw();
    EXPECT_EQ(history().front(), ":deg");
    EXPECT_EQ(history().back(), ":plot [\"1] 0 90 1 250");
    window->selectAngleUnit(AngleUnit::Grad);
    EXPECT_EQ(view.texts[C::MaxEdit], "100");
    EXPECT_EQ(window->settings().polarMax, 90.0);
}

TEST_F(MainWindowTest, WithRePlotAngleAnAngleChangeDrawsAgain) {
    start();
    drawExpression("sin x");
    window->selectAngleUnit(AngleUnit::Degree);
    const std::vector<std::string> tail(history().end() - 3, history().end());
    EXPECT_EQ(tail, (std::vector<std::string>{":deg", defaultWindowLine(), ":plot"}));
    EXPECT_EQ(view.checkedRadio, C::RadRadio) << "the view's own radio click stands";
}

TEST_F(MainWindowTest, ClearingTheGraphDiscardsTheCurve) {
    start();
    drawExpression("x");
    window->clearGraph();
    EXPECT_EQ(window->canvas().sampleCount(), 0);
    EXPECT_FALSE(everyColumnHas(1, 359, paletteIndex(ColourChoice::Lime)));
    drawExpression("x");
    EXPECT_EQ(history().back(), ":plot");
    EXPECT_EQ(history()[history().size() - 2], defaultWindowLine());
}

TEST_F(MainWindowTest, EqualsDrawsExceptFromTheTraceArgument) {
    start();
    view.texts[C::FirstExpression] = "x";
    window->fieldFocused(C::ArgumentEdit);
    window->pressEquals();
    EXPECT_TRUE(history().empty());
    window->fieldFocused(C::MinEdit);
    window->pressEquals();
    EXPECT_EQ(history().back(), ":plot [\"x] 250");
    EXPECT_EQ(view.focused, C::MinEdit);
}

TEST_F(MainWindowTest, NothingElseStartsOrChangesWhileADrawRuns) {
    HeldDrawRunner held;
    start(held);
    drawExpression("x");
    ASSERT_TRUE(window->drawing());
    EXPECT_TRUE(view.busy);
    drawExpression("x * 2");
    window->clearGraph();
    window->graphKeyStep(1);
    EXPECT_EQ(view.text(C::ArgumentEdit), "");
    view.selections[C::CoordinateList] = 4;
    window->selectCoordinateSystem(4);
    EXPECT_EQ(view.selections[C::CoordinateList], 0);
    view.checkedRadio = C::DegRadio;
    window->selectAngleUnit(AngleUnit::Degree);
    EXPECT_EQ(view.checkedRadio, C::RadRadio);
    held.release();
    EXPECT_FALSE(view.busy);
    EXPECT_EQ(history().back(), ":plot [\"x] 250");
    EXPECT_EQ(window->canvas().plotSettings().expr1, "x");
}

TEST_F(MainWindowTest, KeysTraceTheColumnsIntoTheReadouts) {
    start();
    window->graphKeyStep(1);  // the middle column, x = -0.05, with nothing drawn
    EXPECT_EQ(view.text(C::ArgumentEdit), "");
    drawExpression("sin x");
    const int frames = view.frames;
    window->graphKeyStep(-1);
    EXPECT_EQ(view.text(C::ArgumentEdit), "-0.15");
    window->graphKeyStep(1);
    EXPECT_EQ(view.text(C::ArgumentEdit), "-0.05");
    EXPECT_EQ(view.text(C::FirstValueEdit), window->writeNumber(std::sin(-0.05)));
    EXPECT_EQ(view.text(C::SecondValueEdit), "");
    EXPECT_EQ(view.frames, frames + 2);
}

std::vector<std::uint8_t> pixelsOf(const GraphCanvas& canvas) {
    std::vector<std::uint8_t> out;
    for (std::int32_t y = 0; y < canvas.height(); ++y)
        for (std::int32_t x = 0; x < canvas.width(); ++x)
            out.push_back(canvas.getPixel(x, y));
    return out;
}

// What happens after keys traced a point; each must leave the picture as it
// would be without the keys.
struct AfterKeys {
    const char* name;
    void (*act)(MainWindow&, RecordingView&);
};

void PrintTo(const AfterKeys& after, std::ostream* out) {
    *out << after.name;
}

class KeyTraceTest : public MainWindowTest, public ::testing::WithParamInterface<AfterKeys> {
  protected:
    // The picture of a fresh window after a draw of sin x, the key steps and
    // the action.
    std::vector<std::uint8_t> pictureAfter(int keySteps) {
        RecordingView shown;
        MainWindow traced(shown, runner, setup());
        traced.start();
        shown.texts[C::FirstExpression] = "sin x";
        traced.draw();
        for (int i = 0; i < keySteps; ++i)
            traced.graphKeyStep(1);
        GetParam().act(traced, shown);
        return pixelsOf(traced.canvas());
    }
};

TEST_P(KeyTraceTest, LeavesNoComplementedPixelsBehind) {
    EXPECT_EQ(pictureAfter(3), pictureAfter(0));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, KeyTraceTest,
    ::testing::Values(
        AfterKeys{"FocusLost", [](MainWindow& w, RecordingView&) { w.graphFocusLost(); }},
        AfterKeys{"ToolChange",
                  [](MainWindow& w, RecordingView&) { w.selectTool(GraphTool::BoxZoom); }},
        AfterKeys{"DrawOver",
                  [](MainWindow& w, RecordingView& v) {
                      v.texts[C::FirstExpression] = "cos x";
                      w.draw();
                  }},
        AfterKeys{"ZoomThenFocusLost",
                  [](MainWindow& w, RecordingView&) {
                      w.zoom(true);
                      w.graphFocusLost();
                  }},
        AfterKeys{"RegisterAtTheTracedPoint",
                  [](MainWindow& w, RecordingView& v) {
                      v.texts[C::ArgumentEdit] = "0.15";
                      w.registerPoint();
                  }},
        AfterKeys{"MouseTrace",
                  [](MainWindow& w, RecordingView&) {
                      w.graphPressed({100, 50});
                      w.graphReleased();
                  }}),
    [](const ::testing::TestParamInfo<AfterKeys>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ShutDownWritesTheSettingsAndKeepsTheRestOfTheFile) {
    writeSettings(
        "; written by hand\n[OTHER]\nKey=1\n\n[GRAPH WINDOW]\nMode=4\n; keep me\nParamMax=10\n");
    start();
    view.texts[C::MaxEdit] = "20";
    window->selectAngleUnit(AngleUnit::Grad);
    view.position = {640, 480};
    window->shutDown();
    const std::string text = readFile(settingsFile());
    EXPECT_TRUE(text.starts_with("; written by hand\n[OTHER]\nKey=1\n\n[GRAPH WINDOW]\n"));
    EXPECT_NE(text.find("; keep me\n"), std::string::npos);
    ProfileStore store(text);
    EXPECT_EQ(store.readInt("ENVIRONMENT", "Angle", -1), 2);
    EXPECT_EQ(store.readInt("GRAPH WINDOW", "PosX", -1), 640);
    EXPECT_EQ(store.readInt("GRAPH WINDOW", "PosY", -1), 480);
    EXPECT_EQ(store.readString("GRAPH WINDOW", "ParamMax", ""), "20");
    EXPECT_EQ(store.readInt("GRAPH WINDOW", "Mode", -1), 4);
    EXPECT_EQ(store.readString("GRAPH WINDOW", "RectOffsetX", ""), "180.5");
    EXPECT_EQ(store.readString("GRAPH WINDOW", "LogFileName", ""), historyFile());

    // A second start reads back what the first one wrote.
    const Settings first = window->settings();
    view = RecordingView();
    start();
    Settings second = window->settings();
    EXPECT_EQ(second.paramMax, 20.0);
    EXPECT_EQ(second.angle, AngleUnit::Grad);
    EXPECT_EQ(second, first);
}

TEST_F(MainWindowTest, TheHistoryFileGetsAHeaderOnceAndABlockPerRun) {
    start();
    drawExpression("x");
    const std::string header = historyHeader({361, 241});
    const std::string block = "\n# Thu Jan  5 09:00:00 2006\n:rad\n" + defaultWindowLine() +
                              "\n:rectangular\n:nologscale xy\n:plot [\"x] 250\n";
    EXPECT_EQ(readFile(historyFile()), header + block) << "written as it is made";
    restart();
    drawExpression("x");
    window->shutDown();
    EXPECT_EQ(readFile(historyFile()), header + block + block);

    // A run without a draw leaves the file as it is.
    view = RecordingView();
    start();
    window->shutDown();
    EXPECT_EQ(readFile(historyFile()), header + block + block);

    // A file that starts with a comment is not a history: it is replaced.
    writeFile(historyFile(), "# notes\nmore\n");
    view = RecordingView();
    start();
    drawExpression("x");
    window->shutDown();
    EXPECT_EQ(readFile(historyFile()), header + block);
}

TEST_F(MainWindowTest, AnEmptyHistoryFileNameTurnsTheHistoryOff) {
    writeSettings("[GRAPH WINDOW]\nLogFileName=\n");
    start();
    drawExpression("x");
    window->shutDown();
    EXPECT_EQ(history().back(), ":plot [\"x] 250");
    EXPECT_FALSE(std::filesystem::exists(historyFile()));
}

TEST_F(MainWindowTest, AHistoryFileThatCannotBeOpenedIsSkipped) {
    // A folder where the file should be: it cannot be opened as a file.
    const std::string unreachable = folder.file("Zentrel.log");
    std::filesystem::create_directories(unreachable);
    writeSettings("[GRAPH WINDOW]\nLogFileName=" + unreachable + "\n");
    start();
    drawExpression("x");
    drawExpression("x");
    EXPECT_EQ(view.texts[C::MessageLine], "");
    window->shutDown();
    EXPECT_TRUE(std::filesystem::is_directory(unreachable));
    EXPECT_EQ(ProfileStore(readFile(settingsFile())).readInt("ENVIRONMENT", "Angle", -1), 1);
}

// The draw runs on a thread of its own, as in the program.
class ThreadedMainWindowTest : public MainWindowTest {
  protected:
    test::TaskQueue queue;
    ThreadedDrawRunner threaded{queue.poster()};

    bool waitForDraw(std::chrono::milliseconds limit) {
        return queue.runUntil([&] { return !window->drawing(); }, limit);
    }
};

TEST_F(ThreadedMainWindowTest, EscStopsAnEndlessDrawAndTheNextDrawRuns) {
    start(threaded);
    drawExpression("while 1; endwhile");
    ASSERT_TRUE(window->drawing());
    EXPECT_FALSE(waitForDraw(std::chrono::milliseconds(100)));
    const auto asked = std::chrono::steady_clock::now();
    window->stopDraw();
    ASSERT_TRUE(waitForDraw(std::chrono::seconds(5)));
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(200));
    EXPECT_EQ(view.texts[C::MessageLine], "実行を中断しました");
    EXPECT_TRUE(history().empty());
    EXPECT_FALSE(view.busy);

    drawExpression("sin x");
    ASSERT_TRUE(waitForDraw(std::chrono::seconds(5)));
    EXPECT_EQ(view.texts[C::MessageLine], "");
    EXPECT_EQ(history().back(), ":plot [\"sin x] 250");
    EXPECT_TRUE(everyColumnHas(1, 359, paletteIndex(ColourChoice::Lime)));
}

TEST_F(ThreadedMainWindowTest, ACurveShowsWhileItGrows) {
    start(threaded);
    const int before = view.frames;
    // Slow enough that a draw spans several frames.
    drawExpression("@i = 0; while @i [<] 2000; @i++; endwhile; sin x");
    ASSERT_TRUE(waitForDraw(std::chrono::seconds(30)));
    EXPECT_GT(view.frames - before, 2);
    EXPECT_TRUE(everyColumnHas(1, 359, paletteIndex(ColourChoice::Lime)));
}

TEST_F(ThreadedMainWindowTest, ShutDownEndsARunningDrawAndKeepsWhatItDrew) {
    start(threaded);
    drawExpression("@i = 0; while @i [<] 1000000; @i++; endwhile; x");
    ASSERT_TRUE(window->drawing());
    window->shutDown();
    EXPECT_FALSE(window->drawing());
    EXPECT_EQ(ProfileStore(readFile(settingsFile())).readInt("ENVIRONMENT", "Angle", -1), 1);
    queue.runPending();
    EXPECT_TRUE(history().empty());
}

TEST_F(MainWindowTest, KeysEditTheFocusedFieldAndGiveTheFocusBack) {
    start();
    view.texts[C::FirstExpression] = "sin x";
    view.editSelections[C::FirstExpression] = {1, 1};
    window->pressKey(C::FunctionButton2);
    EXPECT_EQ(view.texts[C::FirstExpression], "cos x");
    EXPECT_EQ(view.editSelections[C::FirstExpression].end, 4u);
    EXPECT_EQ(view.focused, C::FirstExpression);

    window->fieldFocused(C::MinEdit);
    view.texts[C::MinEdit] = "1";
    view.editSelections[C::MinEdit] = {1, 1};
    window->pressKey(C::KeySpace);
    window->pressKey(C::KeySpace);
    EXPECT_EQ(view.texts[C::MinEdit], "1  ");
    EXPECT_EQ(view.focused, C::MinEdit);

    window->fieldFocused(C::ArgumentEdit);
    view.texts[C::ArgumentEdit] = "2";
    view.texts[C::FirstValueEdit] = "4";
    view.texts[C::SecondValueEdit] = "8";
    window->pressKey(C::KeyClearField);
    EXPECT_EQ(view.texts[C::ArgumentEdit], "");
    EXPECT_EQ(view.texts[C::FirstValueEdit], "");
    EXPECT_EQ(view.texts[C::SecondValueEdit], "");
}

TEST_F(MainWindowTest, ShiftTurnsThePagesAndTheLastPageIsKeptAtShutDown) {
    writeSettings("[GRAPH WINDOW]\nExtFunc01=integral()\n");
    start();
    EXPECT_EQ(view.texts[C::FunctionButton1], "sin");
    EXPECT_EQ(view.texts[C::FunctionButton14], "---");
    EXPECT_FALSE(view.isEnabled(C::FunctionButton14));
    const char* firstLabels[] = {"log", "rand", "inte()", "sin"};
    for (const char* label : firstLabels) {
        window->pressKey(C::ShiftButton);
        EXPECT_EQ(view.texts[C::FunctionButton1], label);
    }
    window->pressKey(C::ShiftButton);
    window->pressKey(C::ShiftButton);
    restart();
    EXPECT_EQ(view.texts[C::FunctionButton1], "rand");
    EXPECT_FALSE(view.isEnabled(static_cast<C>(1097)));
}

TEST_F(MainWindowTest, TheFunctionListNamesThePathsFunctionsAndTheCallKeysUseIt) {
    writeFile(folder.file("gamma.vdl"), "# the gamma function\n1\n");
    writeFile(folder.file("twice.vdl"), "2\n");
    start();
    const std::vector<std::string>& entries = view.lists[C::FunctionList];
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "gamma - the gamma function");
    EXPECT_EQ(entries[1], "twice");
    view.texts[C::FunctionList] = entries[0];
    view.texts[C::FirstExpression] = "x+1";
    view.editSelections[C::FirstExpression] = {3, 3};
    window->pressKey(C::KeyCallWrap);
    EXPECT_EQ(view.texts[C::FirstExpression], "!gamma(x+1)");
}

TEST_F(MainWindowTest, TheHelpLineExplainsTheControlUnderTheMouse) {
    writeFile(folder.file("gamma.vdl"), "# the gamma function\n# of x\n1\n");
    writeSettings("[GRAPH WINDOW]\nFuncMode=3\nExtFunc02=gamma\n");
    start();
    window->pointAt(static_cast<C>(1096));
    EXPECT_EQ(view.texts[C::HelpLine], "the gamma function\nof x");
    window->pointAt(C::None);
    EXPECT_EQ(view.texts[C::HelpLine], "");
    window->pointAt(C::ShiftButton);
    EXPECT_EQ(view.texts[C::HelpLine], "関数の切り替え");
}

TEST_F(MainWindowTest, TheFunctionListFollowsItsFolders) {
    writeFile(folder.file("one.vdl"), "1\n");
    start();
    EXPECT_EQ(window->watchedFolders(), std::vector<std::string>{folder.path()});
    EXPECT_EQ(view.lists[C::FunctionList], std::vector<std::string>{"one"});
    writeFile(folder.file("two.vdl"), "2\n");
    std::filesystem::rename(folder.file("one.vdl"), folder.file("three.vdl"));
    window->functionFoldersChanged();
    EXPECT_EQ(view.lists[C::FunctionList], (std::vector<std::string>{"three", "two"}));
}

}  // namespace
}  // namespace zentrel
