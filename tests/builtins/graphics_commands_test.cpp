#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

// Records the graphics host operations; the engine canvas stays the state-only one.
class GraphicsHost : public RecordingHost {
  public:
    std::vector<std::string> calls;
    bool acceptWorld = true;

  protected:
    bool createWorld(EngineCanvas&, std::int32_t w, std::int32_t h) override {
        calls.push_back("world " + std::to_string(w) + " " + std::to_string(h));
        return acceptWorld;
    }
    void refresh(EngineCanvas&) override { calls.push_back("refresh"); }
    void refreshPixel(EngineCanvas&, std::int32_t x, std::int32_t y) override {
        calls.push_back("pixel " + std::to_string(x) + " " + std::to_string(y));
    }
    void changeWindow(EngineCanvas&, double l, double b, double r, double t) override {
        calls.push_back("window " + number(l) + " " + number(b) + " " + number(r) + " " +
                        number(t));
    }
    void plot(EngineCanvas&, double min, double max, double pitch) override {
        calls.push_back("plot " + number(min) + " " + number(max) + " " + number(pitch));
    }
    void replot(EngineCanvas&, double min, double max, double pitch) override {
        calls.push_back("replot " + number(min) + " " + number(max) + " " + number(pitch));
    }

  private:
    static std::string number(double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", v);
        return text;
    }
};

TEST(GraphicsCommands, PenAndColourOnACanvasWithoutPixels) {
    GraphicsHost host;
    const EngineCanvas& canvas = host.engine.canvas();
    host.run(":gcolor 300");
    EXPECT_EQ(canvas.colour(), 44);  // the low 8 bits
    host.run(":gmove 3 4");
    EXPECT_EQ(canvas.penX(), 3);
    EXPECT_EQ(canvas.penWorldY(), 4.0);
    host.run(":wmove 1.5 [-]2.5");
    EXPECT_EQ(canvas.penX(), 1);
    EXPECT_EQ(canvas.penY(), -2);  // truncated toward zero
    EXPECT_EQ(canvas.penWorldY(), -2.5);
    // :gline with three numbers draws from the pen in the colour given, which stays.
    host.run(":gline 9 9 7");
    EXPECT_EQ(canvas.colour(), 7);
    EXPECT_EQ(canvas.penX(), 1);  // nothing is left after clipping to 0 x 0
    EXPECT_EQ(host.answerOf("gwidth + gheight + gget 0 0"), "0");
    EXPECT_EQ(host.answerOf("gcx * 10 + wcx"), "11.5");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(GraphicsCommands, HostOperationsReceiveTheArguments) {
    GraphicsHost host;
    host.run(":gworld 320 200; :window [-]1 [-]2 3 4; :gput 5 6 9; :wput 1 2");
    const std::vector<std::string> expected{"world 320 200", "window -1 -2 3 4", "pixel 5 6",
                                            "pixel 1 2"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.engine.canvas().colour(), 9);
    // A size the host cannot make is an argument error.
    host.acceptWorld = false;
    host.run(":gworld 100000 100000");
    EXPECT_EQ(host.shownCodes(), Codes{kErrCommandArgument});
}

// The swap form restores the state before the last :gupdate, so a block between
// :gupdate 0 and :gupdate \-1 leaves the switch as it found it.
TEST(GraphicsCommands, AutoUpdateSwitchesAroundABlock) {
    GraphicsHost host;
    host.run(":gupdate 0");
    EXPECT_FALSE(host.engine.updateSwitch.isOn());
    host.run(":gclear; :gfill 0 0 1 1; :gupdate \\-1");
    EXPECT_TRUE(host.engine.updateSwitch.isOn());
    EXPECT_EQ(host.calls, std::vector<std::string>{"refresh"});  // only the one of \-1
    host.calls.clear();
    host.run(":gclear 3");
    EXPECT_EQ(host.calls, std::vector<std::string>{"refresh"});
    EXPECT_EQ(host.engine.canvas().colour(), 0);  // :gclear leaves the colour alone
    // Two offs in a row save the off state, so the swap keeps updating off.
    host.run(":gupdate 0; :gupdate 0; :gupdate \\-1");
    EXPECT_FALSE(host.engine.updateSwitch.isOn());
}

// Commands inside a user function reach the same canvas and host.
TEST(GraphicsCommands, FunctionBodiesReachTheTopLevelHost) {
    GraphicsHost host;
    host.run("func frame a; :window 0 0 a a; :gcolor a; endfunc");
    host.run("frame 5");
    EXPECT_EQ(host.calls, std::vector<std::string>{"window 0 0 5 5"});
    EXPECT_EQ(host.engine.canvas().colour(), 5);
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(GraphicsCommands, PixelReadsIntoVariablesAndArrays) {
    GraphicsHost host;
    host.run("@a = 7; :gget 1 2 @a; :wget 1 2 @b");
    EXPECT_EQ(host.answerOf("@a + @b"), "0");
    host.run(":define k 3; :gget 1 2 k");
    EXPECT_EQ(host.shownCodes(), Codes{kErrAssignToConstant});
}

TEST(GraphicsCommands, ArgumentErrors) {
    const std::vector<ErrorCase> cases{
        {":gcolor", kErrCommandArgument, ":gcolor"},
        {":gmove 1", kErrCommandArgument, ":gmove"},
        {":gline 1", kErrCommandArgument, ":gline"},
        {":gfill 1 2 3", kErrCommandArgument, ":gfill"},
        {":window 1 2 3", kErrCommandArgument, ":window"},
        {":gget 1 2", kErrCommandArgument, ":gget"},
        {":gget 1 2 3", kErrCommandArgument, ":gget"},
        {":gline 1 2 3 4 5 6", kErrCommandArgument, ":gline"},
        {":logscale", kErrCommandArgument, ":logscale"},
        {":logscale z", kErrCommandArgument, ":logscale"},
        {":logscale x 1", kErrCommandArgument, ":logscale"},
        {":logscale y 0.5", kErrCommandArgument, ":logscale"},
        {":nologscale 2", kErrCommandArgument, ":nologscale"},
        {"gx (1/0)", kErrFunctionArgument, "gx"},
        {"gget 1", kErrFunctionArgument, "gget"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        GraphicsHost host;
        host.engine.warnSwitch.set(0);
        host.run(c.text);
        ASSERT_EQ(host.shownCodes(), Codes{c.code});
        EXPECT_EQ(host.reports.back().tokenText, c.token);
    }
}

TEST(GraphicsFunctions, ConvertWithTheIdentityTransform) {
    GraphicsHost host;
    EXPECT_EQ(host.answerOf("gx 2.7"), "2");
    EXPECT_EQ(host.answerOf("gy [-]2.7"), "-2");
    EXPECT_EQ(host.answerOf("wx 3.9"), "3");
    EXPECT_EQ(host.answerOf("wget 0.5 0.5"), "0");
}

TEST(LogScaleCommands, SetBaseAndFactorPerAxis) {
    GraphicsHost host;
    const PlotSettings& settings = host.engine.canvas().plotSettings();
    host.run(":logscale xy");
    EXPECT_TRUE(settings.logX.on && settings.logY.on);
    EXPECT_EQ(settings.logY.base, 10.0);
    host.run(":logscale y 2; :nologscale x");
    EXPECT_FALSE(settings.logX.on);
    EXPECT_DOUBLE_EQ(settings.logY.factor, 1.0 / std::log(2.0));
    // The axis word is taken as written, even where x labels a variable.
    host.run(":var x; :nologscale y");
    EXPECT_FALSE(settings.logY.on);
    EXPECT_TRUE(host.shownCodes().empty());
}

struct PlotCase {
    const char* setup;
    const char* text;
    const char* call;  // the host call, or "" when the command must fail
    const char* expr1;
    const char* expr2;
    int colour;
};

// The argument forms of :plot by mode, and the ranges the host receives.
TEST(PlotCommand, ExpressionsRangeAndColour) {
    const PlotCase cases[] = {
        {"", ":plot [\"sin x]", "plot 0 -1 0", "sin x", "", 0},
        {"", ":plot [\"x] 9", "plot 0 -1 0", "x", "", 9},
        {"", ":plot 1 2 3", "plot 1 2 0", "", "", 3},
        {":gworld 5 5", ":plot [\"x] 1 2", "plot 1 2 0", "x", "", 0},
        {":polar", ":plot [\"1]", "plot 0 6.28319 0.0174533", "1", "", 0},
        {":polar; :deg", ":plot [\"1] 4", "plot 0 360 1", "1", "", 4},
        {":polar", ":plot [\"1] 1 2", "", "1", "", 0},
        {":parametric; :grad", ":plot [\"t] [\"t] 0 1 0.5 6", "plot 0 1 0.5", "t", "t", 6},
        {":parametric", ":plot [\"t] 1 2 3", "", "", "", 0},
        {":parametric", ":plot", "", "", "", 0},
        {":parametric; :strcpy @@e [\"cos t]", ":plot @@e [\"sin t]", "plot 0 6.28319 0.0174533",
         "cos t", "sin t", 0},
        {"", ":replot 5", "replot 0 -1 0", "", "", 5},
    };
    for (const PlotCase& c : cases) {
        SCOPED_TRACE(c.text);
        GraphicsHost host;
        host.run(c.setup);
        host.calls.clear();
        host.run(c.text);
        const PlotSettings& settings = host.engine.canvas().plotSettings();
        if (*c.call == '\0') {
            EXPECT_EQ(host.shownCodes(), Codes{kErrCommandArgument});
            EXPECT_TRUE(host.calls.empty());
            continue;
        }
        EXPECT_TRUE(host.shownCodes().empty());
        EXPECT_EQ(host.calls, (std::vector<std::string>{c.call, "refresh"}));
        EXPECT_EQ(settings.expr1, c.expr1);
        EXPECT_EQ(settings.expr2, c.expr2);
        EXPECT_EQ(host.engine.canvas().colour(), c.colour);
    }
}

}  // namespace
}  // namespace zentrel
