// The window's history replayed by the command-line host draws the window's
// curves again, pixel for pixel: a draw and its replay compared.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/main/main_window.h"
#include "cli/cli_host.h"
#include "graphics/palette.h"
#include "tests/app/recording_view.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using C = ControlId;

class WindowReplay : public ::testing::Test {
  protected:
    void SetUp() override {
        MainWindowSetup setup;
        setup.settingsFile = folder.file("MORVIK.INI");
        setup.historyFile = folder.file("Zentrel.log");
        setup.randomSeed = 1;
        window = std::make_unique<MainWindow>(view, runner, setup);
        window->start();
    }

    void draw(std::string_view first, std::string_view second = {}) {
        view.texts[C::FirstExpression] = first;
        view.texts[C::SecondExpression] = second;
        window->draw();
        ASSERT_EQ(view.texts[C::MessageLine], "");
    }

    // Replays the history file and compares the pixels of the curve colours.
    void expectReplayDrawsTheCurves(std::initializer_list<ColourChoice> curves) {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "w"),
                                                             std::fclose);
        CliHost host(sink.get(), sink.get());
        std::ifstream in(folder.file("Zentrel.log"));
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            host.runLine(line, "Zentrel.log", number);
        ASSERT_FALSE(host.errorReported());
        const GraphCanvas& shown = window->canvas();
        const GraphCanvas& replayed = host.canvas();
        ASSERT_EQ(replayed.width(), shown.width());
        ASSERT_EQ(replayed.height(), shown.height());
        int curvePixels = 0;
        int differences = 0;
        for (ColourChoice curve : curves) {
            const std::uint8_t colour = paletteIndex(curve);
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    const bool inWindow = shown.getPixel(x, y) == colour;
                    curvePixels += inWindow ? 1 : 0;
                    differences += inWindow != (replayed.getPixel(x, y) == colour) ? 1 : 0;
                }
            }
        }
        EXPECT_GT(curvePixels, 200);
        EXPECT_EQ(differences, 0);
    }

    test::TempFolder folder;
    test::RecordingView view;
    ImmediateDrawRunner runner;
    std::unique_ptr<MainWindow> window;
};

TEST_F(WindowReplay, RectangularCurvesInTwoColours) {
    draw("sin x");
    window->selectGraphColour(static_cast<int>(ColourChoice::Red));
    draw("x / 3");
    expectReplayDrawsTheCurves({ColourChoice::Lime, ColourChoice::Red});
}

TEST_F(WindowReplay, LogarithmicScales) {
    window->selectCoordinateSystem(3);
    draw("x * x");
    window->selectCoordinateSystem(2);
    draw("exp x");
    expectReplayDrawsTheCurves({ColourChoice::Lime});
}

TEST_F(WindowReplay, ParametricAndPolarCurvesInEveryAngleUnit) {
    window->selectCoordinateSystem(4);
    view.texts[C::MaxEdit] = "6.3";
    view.texts[C::PitchEdit] = "0.05";
    draw("8 * cos t", "5 * sin (2 * t)");
    expectReplayDrawsTheCurves({ColourChoice::Lime});
    window->selectCoordinateSystem(5);
    window->selectAngleUnit(AngleUnit::Degree);
    draw("9 * cos (3 * t)");
    window->selectAngleUnit(AngleUnit::Grad);
    expectReplayDrawsTheCurves({ColourChoice::Lime});
}

}  // namespace
}  // namespace zentrel
