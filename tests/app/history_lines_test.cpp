#include "app/main/history_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "app/main/field_numbers.h"
#include "graphics/canvas.h"

namespace zentrel {
namespace {

// The number a language constant stands for: its sign escapes removed.
double constantValue(std::string text) {
    std::erase(text, '\\');
    return std::strtod(text.c_str(), nullptr);
}

TEST(LanguageConstant, SignsAreEscapedAndEveryDoubleReadsBack) {
    EXPECT_EQ(languageConstant(-18.0), "\\-18");
    EXPECT_EQ(languageConstant(0.1), "0.1");
    EXPECT_EQ(languageConstant(1e20), "1e\\+20");
    EXPECT_EQ(languageConstant(-1.5e-7), "\\-1.5e\\-07");
    for (double value : {1.0 / 3.0, -2.0 / 3.0 * 1e-300, 6.283185307179586, 123456789.0123, 5e-324,
                         1.7976931348623157e308}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(constantValue(languageConstant(value)), value);
    }
}

TEST(FieldNumbers, FieldsShowSixteenDigitsAndReadAsAtofDoes) {
    EXPECT_EQ(formatFieldReal(360.0), "360");
    EXPECT_EQ(formatFieldReal(0.017453292519943295), "0.0174532925199433");
    EXPECT_EQ(formatFieldReal(1e20), "1e+20");
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"  -3", -3.0}, {"\\-2", -2.0}, {"+4", 4.0},      {"7abc", 7.0},
        {"abc", 0.0},   {"", 0.0},      {"1e999", 0.0}, {"\t0.25", 0.25}, {"+-1", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseFieldReal(c.text), c.value);
    }
}

TEST(HistoryLines, AngleAndModeLines) {
    EXPECT_EQ(angleLine(AngleUnit::Radian), ":rad");
    EXPECT_EQ(angleLine(AngleUnit::Degree), ":deg");
    EXPECT_EQ(angleLine(AngleUnit::Grad), ":grad");
    PlotSettings plot;
    plot.mode = static_cast<std::uint8_t>(CoordinateMode::Parametric);
    EXPECT_EQ(modeLines(plot), std::vector<std::string>{":parametric"});
    plot.mode = static_cast<std::uint8_t>(CoordinateMode::Polar);
    EXPECT_EQ(modeLines(plot), std::vector<std::string>{":polar"});
    plot.mode = static_cast<std::uint8_t>(CoordinateMode::Rectangular);
    const struct {
        double x, y;  // base, 0 for off
        const char* line;
    } cases[] = {
        {0, 0, ":nologscale xy"},
        {10, 0, ":logscale x 10; :nologscale y"},
        {0, 10, ":nologscale x; :logscale y 10"},
        {10, 10, ":logscale xy 10"},
        {2, 10, ":logscale x 2; :logscale y 10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        plot.logX = {};
        plot.logY = {};
        if (c.x != 0) plot.logX.enable(c.x);
        if (c.y != 0) plot.logY.enable(c.y);
        EXPECT_EQ(modeLines(plot), (std::vector<std::string>{":rectangular", c.line}));
    }
}

TEST(HistoryLines, PlotLines) {
    EXPECT_EQ(plotLine({}), ":plot");
    EXPECT_EQ(plotLine({{"[\"sin x]"}, std::nullopt, std::uint8_t{250}}), ":plot [\"sin x] 250");
    EXPECT_EQ(plotLine({{"[\"a]", "[\"b]"}, PlotLine::Range{-1.5, 6.5, 0.25}, std::nullopt}),
              ":plot [\"a] [\"b] \\-1.5 6.5 0.25");
}

// The frame a window line names gives, through :window, the transform it was
// written from.
TEST(HistoryLines, AWindowLineReplaysItsTransformExactly) {
    const WorldTransform transforms[] = {
        {180.5, 120.5, 10.0, -10.0},
        {200.0, 37.25, 33.333333333333336, -0.1},
        {-1234.5, 999.75, 0.0001, -250000.0},
        {17.0, 3.0, 2.5, 7.0},
    };
    for (const WorldTransform& t : transforms) {
        SCOPED_TRACE(t.scaleX);
        const std::string line = windowLine(t, 361, 241, 251, 252);
        std::istringstream words(line);
        std::string name, left, bottom, right, top, back, axes;
        words >> name >> left >> bottom >> right >> top >> back >> axes;
        EXPECT_EQ(name, "window");
        EXPECT_EQ(back, "251");
        EXPECT_EQ(axes, "252");
        Canvas canvas;
        ASSERT_TRUE(canvas.create(361, 241, true));
        ASSERT_TRUE(canvas.setWindow(constantValue(left), constantValue(bottom),
                                     constantValue(right), constantValue(top)));
        const WorldTransform back_ = canvas.getTransform();
        EXPECT_NEAR(back_.scaleX / t.scaleX, 1.0, 1e-14);
        EXPECT_NEAR(back_.scaleY / t.scaleY, 1.0, 1e-14);
        EXPECT_NEAR(back_.offsetX, t.offsetX, 1e-9);
        EXPECT_NEAR(back_.offsetY, t.offsetY, 1e-9);
        for (int column : {0, 1, 180, 359, 360}) {
            const double x = t.worldX(column) + 0.5 / t.scaleX;
            EXPECT_EQ(canvas.getTransform().pixelX(x), t.pixelX(x)) << column;
        }
    }
}

}  // namespace
}  // namespace zentrel
