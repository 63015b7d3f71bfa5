#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "graphics/canvas.h"
#include "tests/graphics/raster_picture.h"

namespace zentrel {
namespace {

TEST(CanvasLine, XMajorAndYMajorPixels) {
    Canvas canvas;
    makeBlank(canvas, 6, 3);
    EXPECT_TRUE(canvas.line(0, 0, 5, 2));
    EXPECT_EQ(picture(canvas),
              "11....\n"
              "..11..\n"
              "....11\n");

    Canvas steep;
    makeBlank(steep, 3, 5);
    EXPECT_TRUE(steep.line(1, 0, 2, 4));
    EXPECT_EQ(picture(steep),
              ".1.\n"
              ".1.\n"
              ".1.\n"
              "..1\n"
              "..1\n");
}

TEST(CanvasLine, DiagonalIsYMajor) {
    Canvas canvas;
    makeBlank(canvas, 4, 4);
    EXPECT_TRUE(canvas.line(3, 0, 0, 3));
    EXPECT_EQ(picture(canvas),
              "...1\n"
              "..1.\n"
              ".1..\n"
              "1...\n");
}

// Every pair of points on a small raster, so all octants, ties and single points:
// both directions give the same pixels, one per step along the major axis, and
// the pixels include both end points.
TEST(CanvasLine, BothDirectionsGiveTheSamePixels) {
    constexpr std::int32_t kSide = 7;
    for (std::int32_t a = 0; a < kSide * kSide; ++a) {
        for (std::int32_t b = 0; b < kSide * kSide; ++b) {
            const std::int32_t x1 = a % kSide, y1 = a / kSide, x2 = b % kSide, y2 = b / kSide;
            Canvas forward;
            makeBlank(forward, kSide, kSide);
            Canvas backward;
            makeBlank(backward, kSide, kSide);
            forward.line(x1, y1, x2, y2);
            backward.line(x2, y2, x1, y1);
            const std::string drawn = picture(forward);
            SCOPED_TRACE(std::to_string(x1) + "," + std::to_string(y1) + " -> " +
                         std::to_string(x2) + "," + std::to_string(y2));
            ASSERT_EQ(drawn, picture(backward));
            const auto count = std::count(drawn.begin(), drawn.end(), '1');
            ASSERT_EQ(count, std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1);
            ASSERT_EQ(forward.getPixel(x1, y1), 1);
            ASSERT_EQ(forward.getPixel(x2, y2), 1);
        }
    }
}

TEST(CanvasLine, ClipsAndLeavesThePenAtTheClippedEnd) {
    Canvas canvas;
    makeBlank(canvas, 5, 3);
    canvas.movePen(2, 2);
    EXPECT_TRUE(canvas.line(-10, 1, 20, 1));
    EXPECT_EQ(picture(canvas),
              ".....\n"
              "11111\n"
              ".....\n");
    EXPECT_EQ(canvas.penX(), 5);
    EXPECT_EQ(canvas.penY(), 1);
    EXPECT_EQ(canvas.penWorldX(), 5.0);

    EXPECT_FALSE(canvas.line(-10, -10, -5, 50));
    EXPECT_EQ(canvas.penX(), 5);
    EXPECT_EQ(canvas.penY(), 1);
}

TEST(CanvasLine, WithoutRasterOnlyThePenMoves) {
    Canvas canvas;
    EXPECT_FALSE(canvas.line(-3, -3, 5, 5));
    EXPECT_TRUE(canvas.line(0, 0, 0, 0));
    EXPECT_EQ(canvas.width(), 0);
    EXPECT_FALSE(canvas.worldLine(1.0, 1.0, 2.0, 2.0));
}

TEST(CanvasWorldLine, DrawsThroughTheWindowAndKeepsTheExactWorldEnd) {
    Canvas canvas;
    makeBlank(canvas, 4, 4);
    ASSERT_TRUE(canvas.setWindow(0.0, 0.0, 3.0, 3.0));
    EXPECT_TRUE(canvas.worldLine(0.0, 0.0, 3.0, 3.0));
    EXPECT_EQ(picture(canvas),
              "...1\n"
              "..1.\n"
              ".1..\n"
              "1...\n");
    EXPECT_EQ(canvas.penWorldX(), 3.0);
    EXPECT_EQ(canvas.penWorldY(), 3.0);
    EXPECT_EQ(canvas.penX(), 3);
    EXPECT_EQ(canvas.penY(), 0);

    // The pen takes the converted end before clipping.
    EXPECT_TRUE(canvas.worldLine(0.0, 0.0, 30.25, 0.0));
    EXPECT_EQ(canvas.penX(), 30);
    EXPECT_EQ(canvas.penY(), 3);
    EXPECT_EQ(canvas.penWorldX(), 30.25);
}

TEST(CanvasWorldLine, NonFiniteEndsDrawNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        double x1, y1, x2, y2;
    } cases[] = {
        {"NaN start", nan, 1.0, 3.0, 3.0},
        {"NaN end", 0.0, 0.0, 3.0, nan},
        {"infinite end", 0.0, 0.0, inf, 2.0},
        {"overflow after scaling", 0.0, 0.0, 1e308, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas;
        makeBlank(canvas, 4, 4);
        canvas.setTransform({0.0, 0.0, 10.0, 1.0});
        canvas.movePen(1, 2);
        EXPECT_FALSE(canvas.worldLine(c.x1, c.y1, c.x2, c.y2));
        EXPECT_EQ(picture(canvas), "....\n....\n....\n....\n");
        EXPECT_EQ(canvas.penX(), 1);
        EXPECT_EQ(canvas.penY(), 2);
        EXPECT_EQ(canvas.penWorldX(), 0.1);
    }
}

// Ends trillions of pixels away keep the segment's direction: the result is the line
// to where the segment leaves the raster.
TEST(CanvasWorldLine, FarEndsKeepTheDirection) {
    Canvas far;
    makeBlank(far, 100, 60);
    EXPECT_TRUE(far.worldLine(0.0, 0.0, 3e12, 0.999e12));  // y = 33.3 at x = 100
    Canvas near;
    makeBlank(near, 100, 60);
    EXPECT_TRUE(near.line(0, 0, 100, 33));
    EXPECT_EQ(picture(far), picture(near));
    EXPECT_EQ(far.penX(), std::numeric_limits<std::int32_t>::max());

    Canvas across;
    makeBlank(across, 5, 3);
    EXPECT_TRUE(across.worldLine(-4e12, 1.5, 4e12, 1.5));
    EXPECT_EQ(picture(across),
              ".....\n"
              "11111\n"
              ".....\n");
}

}  // namespace
}  // namespace zentrel
