#include <gtest/gtest.h>

#include <vector>

#include "app/main/view_transform.h"

namespace zentrel {
namespace {

TEST(ViewTransformTest, ZoomInThenOutRestoresIntegralOffsetsExactly) {
    const std::vector<WorldTransform> transforms{
        {200, 150, 10, -10}, {-37, 411, 3.5, -0.25}, {0, 0, 1e-3, -7}};
    for (const WorldTransform& t : transforms) {
        SCOPED_TRACE(t.offsetX);
        const WorldTransform in = zoomedTransform(t, 401, 301, 2.0);
        EXPECT_EQ(in.offsetX, 200 + (t.offsetX - 200) * 2);  // about the integer centre
        EXPECT_EQ(in.scaleY, t.scaleY * 2);
        const WorldTransform back = zoomedTransform(in, 401, 301, 0.5);
        EXPECT_EQ(back.offsetX, t.offsetX);
        EXPECT_EQ(back.offsetY, t.offsetY);
        EXPECT_EQ(back.scaleX, t.scaleX);
        EXPECT_EQ(back.scaleY, t.scaleY);
    }
}

TEST(ViewTransformTest, HandDragMovesTheOffsetsWithTheMouse) {
    const WorldTransform t = draggedTransform({5.5, 7, 10, -10}, {100, 50}, {90, 80});
    EXPECT_EQ(t.offsetX, -4.5);
    EXPECT_EQ(t.offsetY, 37);
    EXPECT_EQ(t.scaleX, 10);
}

TEST(ViewTransformTest, SquareCornerKeepsTheDragDirectionOfEachSide) {
    struct Case {
        WorldPoint current, expected;
    };
    for (const Case& c : {Case{{3, 1}, {3, 3}}, Case{{-1, 4}, {-4, 4}}, Case{{-2, -5}, {-5, -5}},
                          Case{{0, 0}, {0, 0}}}) {
        SCOPED_TRACE(c.current.x);
        const WorldPoint p = squareCorner({0, 0}, c.current);
        EXPECT_EQ(p.x, c.expected.x);
        EXPECT_EQ(p.y, c.expected.y);
    }
}

TEST(ViewTransformTest, BoxWindowOrdersCornersAndWidensEqualScaleBoxes) {
    const auto plain = boxWindow({4, 3}, {1, -1}, 200, 100, false);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->left, 1);
    EXPECT_EQ(plain->bottom, -1);
    EXPECT_EQ(plain->right, 4);
    EXPECT_EQ(plain->top, 3);
    const auto square = boxWindow({0, 0}, {2, 2}, 201, 101, true);
    ASSERT_TRUE(square);
    EXPECT_EQ(square->left, -1);  // twice as many pixel steps wide as high, about x = 1
    EXPECT_EQ(square->right, 3);
    EXPECT_FALSE(boxWindow({1, 1}, {1, 5}, 200, 100, false));
    EXPECT_FALSE(boxWindow({1, 1}, {5, 1}, 200, 100, true));
}

TEST(ViewTransformTest, BoxOutlineComplementsEachPixelOnceAndTwiceRestores) {
    Canvas canvas;
    ASSERT_TRUE(canvas.create(8, 6, true));
    canvas.setTransform({0, 0, 1, 1});
    canvas.clear(10);
    toggleBox(canvas, {1.5, 1.5}, {4.5, 3.5});
    for (std::int32_t y = 0; y < 6; ++y) {
        for (std::int32_t x = 0; x < 8; ++x) {
            const bool edge =
                (y == 1 || y == 3) ? (x >= 1 && x <= 4) : (y == 2 && (x == 1 || x == 4));
            EXPECT_EQ(canvas.getPixel(x, y), edge ? 245 : 10) << x << "," << y;
        }
    }
    toggleBox(canvas, {1.5, 1.5}, {4.5, 3.5});
    toggleBox(canvas, {-100, 2}, {1e9, 1e9});  // reaching far outside
    toggleBox(canvas, {-100, 2}, {1e9, 1e9});
    for (std::int32_t y = 0; y < 6; ++y)
        for (std::int32_t x = 0; x < 8; ++x)
            EXPECT_EQ(canvas.getPixel(x, y), 10);
}

TEST(ViewTransformTest, ShownWindowRunsToTheOuterPixelEdges) {
    const ViewWindow w = shownWindow({100, 50, 10, -5}, 200, 100, false);
    EXPECT_EQ(w.left, -10);
    EXPECT_EQ(w.right, 10);
    EXPECT_EQ(w.bottom, -10);
    EXPECT_EQ(w.top, 10);
    EXPECT_EQ(shownWindow({100, 50, 10, -5}, 200, 100, true).top, 5);  // y scale is -x scale
}

TEST(ViewTransformTest, StoresIntoTheModesOwnSettings) {
    Settings settings;
    storeModeTransform(settings, CoordinateMode::Polar, {1, 2, 3, -4});
    EXPECT_EQ(settings.polarOffsetX, 1);
    EXPECT_EQ(settings.polarRatioY, -4);
    EXPECT_EQ(settings.rectRatioX, 10);
    storeModeTransform(settings, CoordinateMode::Rectangular, {5, 6, 7, -8});
    EXPECT_EQ(settings.rectOffsetY, 6);
}

}  // namespace
}  // namespace zentrel
