#include "app/main/graph_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/interpreter.h"

namespace zentrel {
namespace {

class SilentHost : public Host {
  public:
    void reportStatus(ErrorCode, std::int32_t, std::string_view, std::string_view) override {}
    void refresh(EngineCanvas&) override {}
};

// Records what the tools ask of the window.
class RecordingToolsHost : public GraphToolsHost {
  public:
    std::vector<TraceAnswer> traces;
    int redraws = 0;
    int viewChanges = 0;
    int shows = 0;

    void showTrace(const TraceAnswer& answer) override { traces.push_back(answer); }
    void redrawView() override { ++redraws; }
    void viewChanged(bool) override { ++viewChanges; }
    void showBitmap() override { ++shows; }
};

// A 41 x 31 graph with the origin at (20, 15), 2 pixels per unit.
class GraphToolsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(interpreter.defineVariableLabel("x", 'x'));
        ASSERT_TRUE(interpreter.defineVariableLabel("t", 't'));
        ASSERT_TRUE(canvas.create(41, 31, true));
        canvas.setTransform({20, 15, 2, -2});
        canvas.setColour(1);
        canvas.clear(100);
    }
    void useMode(CoordinateMode mode) {
        canvas.plotSettings().mode = static_cast<std::uint8_t>(mode);
        canvas.plotSettings().argVariable = mode == CoordinateMode::Rectangular ? 'x' : 't';
    }
    std::vector<std::uint8_t> pixels() const {
        std::vector<std::uint8_t> out;
        for (std::int32_t y = 0; y < canvas.height(); ++y)
            for (std::int32_t x = 0; x < canvas.width(); ++x)
                out.push_back(canvas.getPixel(x, y));
        return out;
    }

    SilentHost silent;
    Interpreter interpreter{silent};
    GraphCanvas canvas;
    RecordingToolsHost host;
    GraphTools tools{canvas, host};
};

TEST_F(GraphToolsTest, TraceShowsTheCrosshairOnlyWhileHeld) {
    useMode(CoordinateMode::Rectangular);
    canvas.setExpression("x");
    ASSERT_TRUE(canvas.plot(interpreter, canvas.worldX(10), canvas.worldX(40), 0.0));
    const auto before = pixels();
    tools.press({30, 3});
    ASSERT_EQ(host.traces.size(), 1u);
    EXPECT_TRUE(host.traces[0].ok);
    EXPECT_EQ(host.traces[0].a, 5.0);
    EXPECT_EQ(host.traces[0].b, 5.0);
    EXPECT_NE(pixels(), before);
    EXPECT_EQ(canvas.getPixel(30, 0), static_cast<std::uint8_t>(255 - before[30]));
    tools.move({30, 3});  // no change of position: nothing happens
    EXPECT_EQ(host.traces.size(), 1u);
    tools.move({5, 3});  // left of the first sample: empty readouts, no crosshair
    ASSERT_EQ(host.traces.size(), 2u);
    EXPECT_FALSE(host.traces[1].ok);
    EXPECT_EQ(pixels(), before);
    tools.move({32, 3});
    tools.release();
    EXPECT_EQ(pixels(), before);
    EXPECT_FALSE(tools.dragging());
}

TEST_F(GraphToolsTest, PressOutsideTheCanvasIsIgnored) {
    for (PixelPoint at : {PixelPoint{-1, 0}, PixelPoint{41, 0}, PixelPoint{0, 31}}) {
        tools.press(at);
        EXPECT_FALSE(tools.dragging());
    }
    EXPECT_TRUE(host.traces.empty());
}

TEST_F(GraphToolsTest, HandDragFollowsTheMouseAndChangesTheViewOnRelease) {
    tools.setTool(GraphTool::Hand);
    tools.press({10, 10});
    tools.move({13, 8});
    EXPECT_EQ(canvas.getTransform().offsetX, 23);
    EXPECT_EQ(canvas.getTransform().offsetY, 13);
    tools.move({4, 20});
    EXPECT_EQ(canvas.getTransform().offsetX, 14);
    EXPECT_EQ(canvas.getTransform().offsetY, 25);
    EXPECT_EQ(host.redraws, 2);
    EXPECT_EQ(host.viewChanges, 0);
    tools.release();
    EXPECT_EQ(host.viewChanges, 1);
}

TEST_F(GraphToolsTest, RectangularBoxBecomesTheWindowAndLeavesNoMark) {
    tools.setTool(GraphTool::BoxZoom);
    const auto before = pixels();
    tools.press({10, 5});
    tools.move({30, 25});
    EXPECT_NE(pixels(), before);
    tools.release();
    EXPECT_EQ(pixels(), before);
    EXPECT_EQ(host.viewChanges, 1);
    // The box ran from world (-5, 5) to (5, -5): the new window maps them to
    // the middle of the first column and to the last row.
    EXPECT_NEAR(canvas.worldX(0) + 0.5 / canvas.getTransform().scaleX, -5, 1e-12);
    EXPECT_NEAR(canvas.worldX(40) + 0.5 / canvas.getTransform().scaleX, 5, 1e-12);
}

TEST_F(GraphToolsTest, EmptyBoxLeavesTheTransformUnchanged) {
    tools.setTool(GraphTool::BoxZoom);
    tools.press({10, 5});
    tools.move({10, 25});
    tools.release();
    EXPECT_EQ(host.viewChanges, 0);
    EXPECT_EQ(canvas.getTransform().scaleX, 2);
}

TEST_F(GraphToolsTest, PolarBoxIsSquareAndKeepsEqualScales) {
    useMode(CoordinateMode::Polar);
    tools.setTool(GraphTool::BoxZoom);
    tools.press({20, 15});
    tools.move({30, 20});  // 5 by 2.5 units: the square takes 5 by 5
    tools.release();
    const WorldTransform& t = canvas.getTransform();
    EXPECT_NEAR(canvas.worldY(0) - canvas.worldY(30), 5, 1e-9);
    EXPECT_NEAR(t.scaleX, -t.scaleY, 1e-9 * std::fabs(t.scaleX));
}

TEST_F(GraphToolsTest, ZoomInAndOutAboutTheCentre) {
    tools.zoom(true);
    EXPECT_EQ(canvas.getTransform().scaleX, 4);
    EXPECT_EQ(canvas.getTransform().offsetX, 20);
    tools.zoom(false);
    tools.zoom(false);
    EXPECT_EQ(canvas.getTransform().scaleY, -1);
    EXPECT_EQ(host.viewChanges, 3);
}

// Keyboard tracing on the graph of x over every column: the first key starts
// at the middle column, each key moves one column, the ends hold, and only
// the crosshair of the point shown is ever in the picture.
TEST_F(GraphToolsTest, KeysStepThroughTheColumnsWithOneCrosshair) {
    useMode(CoordinateMode::Rectangular);
    canvas.setExpression("x");
    ASSERT_TRUE(canvas.plot(interpreter, canvas.worldX(0), canvas.worldX(40), 0.0));
    const auto before = pixels();
    const auto complemented = [&](std::int32_t column) {
        return canvas.getPixel(column, 0) == static_cast<std::uint8_t>(255 - before[column]);
    };
    tools.stepTrace(-1);
    ASSERT_EQ(host.traces.size(), 1u);
    EXPECT_TRUE(host.traces[0].ok);
    EXPECT_EQ(host.traces[0].a, 0.0);
    EXPECT_TRUE(complemented(20));
    tools.stepTrace(1);
    tools.stepTrace(1);
    EXPECT_EQ(host.traces.back().a, 1.0);
    EXPECT_EQ(host.traces.back().b, 1.0);
    EXPECT_FALSE(complemented(20));
    EXPECT_FALSE(complemented(21));
    EXPECT_TRUE(complemented(22));
    for (int i = 0; i < 30; ++i)
        tools.stepTrace(1);
    EXPECT_EQ(host.traces.back().a, 10.0);
    for (int i = 0; i < 50; ++i)
        tools.stepTrace(-1);
    EXPECT_EQ(host.traces.back().a, -10.0);
    EXPECT_EQ(host.shows, static_cast<int>(host.traces.size()));
    tools.eraseCrosshair();
    EXPECT_EQ(pixels(), before);
    tools.eraseCrosshair();  // nothing left to erase
    EXPECT_EQ(pixels(), before);
}

// In parametric and polar mode a key moves to the next or previous kept
// sample, starting at the first; a place traced in another mode, or with the
// mouse, is where the keys go on from.
TEST_F(GraphToolsTest, KeysStepThroughTheSamplesInParametricAndPolarMode) {
    for (CoordinateMode mode : {CoordinateMode::Parametric, CoordinateMode::Polar}) {
        SCOPED_TRACE(static_cast<int>(mode));
        canvas.discardSamples();
        useMode(CoordinateMode::Rectangular);
        tools.stepTrace(1);  // a place in the middle column, no samples there
        EXPECT_FALSE(host.traces.back().ok);
        useMode(mode);
        tools.stepTrace(1);  // nothing kept: empty readouts
        EXPECT_FALSE(host.traces.back().ok);
        canvas.setExpressions("t", "t");
        if (mode == CoordinateMode::Polar) canvas.setExpression("t");
        ASSERT_TRUE(canvas.plot(interpreter, 0, 4, 1));
        const auto before = pixels();
        tools.stepTrace(1);
        EXPECT_EQ(host.traces.back().a, 0.0);
        tools.stepTrace(1);
        tools.stepTrace(1);
        EXPECT_EQ(host.traces.back().a, 2.0);
        EXPECT_EQ(host.traces.back().b, 2.0);
        EXPECT_EQ(host.traces.back().c, mode == CoordinateMode::Parametric ? 2.0 : 0.0);
        for (int i = 0; i < 9; ++i)
            tools.stepTrace(-1);
        EXPECT_EQ(host.traces.back().a, 0.0);
        // The mouse near the point of t = 3 (polar: r = 3 at 3 radians).
        const WorldPoint three = mode == CoordinateMode::Parametric
                                     ? WorldPoint{3, 3}
                                     : WorldPoint{3 * std::cos(3.0), 3 * std::sin(3.0)};
        tools.press({*canvas.pixelX(three.x), *canvas.pixelY(three.y)});
        EXPECT_EQ(host.traces.back().a, 3.0);
        tools.release();
        tools.stepTrace(1);
        EXPECT_EQ(host.traces.back().a, 4.0);
        tools.eraseCrosshair();
        EXPECT_EQ(pixels(), before);
    }
}

// The keyboard's crosshair leaves with a mouse press (which draws its own), a
// change of tool and a new picture; in none of them do complemented pixels
// stay behind. Keys do nothing with another tool or while the mouse drags.
TEST_F(GraphToolsTest, TheKeyCrosshairNeverStaysInThePicture) {
    useMode(CoordinateMode::Rectangular);
    canvas.setExpression("x");
    ASSERT_TRUE(canvas.plot(interpreter, canvas.worldX(0), canvas.worldX(40), 0.0));
    const auto before = pixels();
    tools.stepTrace(1);
    tools.press({30, 3});
    tools.stepTrace(1);  // the mouse holds the trace
    EXPECT_EQ(host.traces.back().a, 5.0);
    tools.release();
    EXPECT_EQ(pixels(), before);
    tools.stepTrace(1);  // on from the mouse's column
    EXPECT_EQ(host.traces.back().a, 5.5);

    tools.setTool(GraphTool::Hand);
    EXPECT_EQ(pixels(), before);
    const std::size_t traced = host.traces.size();
    tools.stepTrace(1);
    EXPECT_EQ(host.traces.size(), traced);

    tools.setTool(GraphTool::Trace);
    tools.stepTrace(1);
    canvas.clear(100);
    canvas.redrawSamples();
    tools.pictureRedrawn();
    const auto redrawn = pixels();
    tools.eraseCrosshair();
    tools.setTool(GraphTool::BoxZoom);
    EXPECT_EQ(pixels(), redrawn);
}

}  // namespace
}  // namespace zentrel
