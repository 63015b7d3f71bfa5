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

}  // namespace
}  // namespace zentrel
