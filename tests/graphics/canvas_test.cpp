#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "graphics/canvas.h"
#include "tests/graphics/int32_bounds.h"
#include "tests/graphics/raster_picture.h"

namespace zentrel {
namespace {

using test::kMax;
using test::kMin;

TEST(CanvasRaster, NewCanvasIsEmptyWithIdentityTransform) {
    const Canvas canvas;
    EXPECT_EQ(canvas.width(), 0);
    EXPECT_EQ(canvas.height(), 0);
    EXPECT_EQ(canvas.pixels(), nullptr);
    EXPECT_FALSE(canvas.ownsPixels());
    EXPECT_EQ(canvas.getTransform().scaleX, 1.0);
    EXPECT_EQ(canvas.getTransform().offsetY, 0.0);
    EXPECT_EQ(canvas.absScaleY(), 1.0);
    EXPECT_EQ(canvas.colour(), 0);
    EXPECT_TRUE(canvas.glyph('0').empty());
}

TEST(CanvasRaster, CreateRefusesBadSizesAndDropsTheOldRaster) {
    const struct {
        std::int32_t width, height;
        bool ok;
    } cases[] = {
        {1, 1, true},
        {kMaxCanvasSide, 1, true},
        {0, 5, false},
        {5, -1, false},
        {kMaxCanvasSide + 1, 1, false},
        {kMaxCanvasSide, 4097, false},  // 64 Mi + 16 Ki pixels
        {kMax, kMax, false},
        {kMin, kMin, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Canvas canvas;
        ASSERT_TRUE(canvas.create(3, 3, true));
        EXPECT_EQ(canvas.create(c.width, c.height, true), c.ok);
        EXPECT_EQ(canvas.width(), c.ok ? c.width : 0);
        EXPECT_EQ(canvas.height(), c.ok ? c.height : 0);
        EXPECT_EQ(canvas.ownsPixels(), c.ok);
        EXPECT_EQ(canvas.stride(), c.ok ? c.width : 0);
    }
}

TEST(CanvasRaster, CreateClearsAndKeepsOrResetsTheTransform) {
    Canvas canvas;
    makeBlank(canvas, 3, 2);
    canvas.fillRect(0, 0, 3, 2);
    canvas.setTransform({10.0, 0.0, -2.0, 1.0});
    canvas.movePen(4, 1);
    EXPECT_EQ(canvas.penWorldX(), 3.0);

    ASSERT_TRUE(canvas.create(3, 2, false));
    EXPECT_EQ(picture(canvas), "...\n...\n");
    EXPECT_EQ(canvas.getTransform().offsetX, 10.0);
    EXPECT_EQ(canvas.absScaleX(), 2.0);
    EXPECT_EQ(canvas.penWorldX(), 3.0);

    ASSERT_TRUE(canvas.create(3, 2, true));
    EXPECT_EQ(canvas.getTransform().offsetX, 0.0);
    EXPECT_EQ(canvas.absScaleX(), 1.0);
    EXPECT_EQ(canvas.penWorldX(), 4.0);
    EXPECT_EQ(canvas.penWorldY(), 1.0);
}

// A bottom-up bitmap: 4 rows of 5 pixels, each row padded to 6 bytes, row 0 of the
// picture at the end of the block.
TEST(CanvasRaster, NegativeStrideAddressesRowsFromTheEnd) {
    std::array<std::uint8_t, 24> block;
    block.fill(0xAA);
    Canvas canvas;
    ASSERT_TRUE(canvas.attach(block.data() + 18, -6, 5, 4, true));
    EXPECT_FALSE(canvas.ownsPixels());
    for (std::size_t i = 0; i < block.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(block[i], i % 6 == 5 ? 0xAA : 0);  // padding is not the canvas's
    }
    EXPECT_TRUE(canvas.setPixel(1, 0, 7));
    EXPECT_EQ(block[18 + 1], 7);
    EXPECT_TRUE(canvas.setPixel(4, 3, 9));
    EXPECT_EQ(block[4], 9);

    canvas.setColour(3);
    canvas.line(0, 3, 3, 0);
    EXPECT_EQ(picture(canvas),
              ".7.3.\n"
              "..3..\n"
              ".3...\n"
              "3...9\n");
    canvas.clear(2);
    EXPECT_EQ(canvas.colour(), 3);
    for (std::size_t i = 0; i < block.size(); ++i)
        EXPECT_EQ(block[i], i % 6 == 5 ? 0xAA : 2);
}

TEST(CanvasRaster, AttachRefusesUnusableBuffers) {
    std::array<std::uint8_t, 16> block{};
    Canvas canvas;
    EXPECT_FALSE(canvas.attach(nullptr, 4, 4, 4, true));
    EXPECT_FALSE(canvas.attach(block.data(), 3, 4, 4, true));  // rows would overlap
    EXPECT_FALSE(canvas.attach(block.data(), -3, 4, 4, true));
    EXPECT_FALSE(canvas.attach(block.data(), 4, 0, 4, true));
    ASSERT_TRUE(canvas.create(2, 2, true));
    EXPECT_FALSE(canvas.attach(block.data(), 4, 4, -4, true));
    EXPECT_EQ(canvas.width(), 0);
    EXPECT_FALSE(canvas.ownsPixels());
}

TEST(CanvasRaster, AttachCentredKeepsTheWorldCentre) {
    std::array<std::uint8_t, 20 * 30> block{};
    Canvas canvas;
    ASSERT_TRUE(canvas.create(10, 10, true));
    canvas.setTransform({5.0, 5.0, 1.0, -1.0});
    ASSERT_TRUE(canvas.attachCentred(block.data(), 20, 20, 30));
    EXPECT_EQ(canvas.getTransform().offsetX, 10.0);
    EXPECT_EQ(canvas.getTransform().offsetY, 15.0);
    EXPECT_EQ(canvas.getTransform().scaleY, -1.0);
    EXPECT_EQ(canvas.penWorldX(), -10.0);

    EXPECT_FALSE(canvas.attachCentred(block.data(), 20, 0, 30));
    EXPECT_EQ(canvas.getTransform().offsetX, 10.0);
}

TEST(CanvasTransform, SetWindowMapsTheEdgesToPixelCentres) {
    Canvas canvas;
    makeBlank(canvas, 10, 10);
    ASSERT_TRUE(canvas.setWindow(-1.0, -1.0, 1.0, 1.0));
    const WorldTransform& t = canvas.getTransform();
    EXPECT_EQ(t.scaleX, 4.5);
    EXPECT_EQ(t.scaleY, -4.5);
    EXPECT_EQ(t.offsetX, 5.0);
    EXPECT_EQ(t.offsetY, 5.0);
    EXPECT_EQ(canvas.absScaleY(), 4.5);
    EXPECT_EQ(t.pixelX(-1.0), 0);
    EXPECT_EQ(t.pixelX(1.0), 9);
    EXPECT_EQ(t.pixelY(1.0), 0);
    EXPECT_EQ(t.pixelY(-1.0), 9);
    EXPECT_DOUBLE_EQ(canvas.penWorldX(), -5.0 / 4.5);  // pen (0, 0) follows the transform
}

TEST(CanvasTransform, SetWindowRefusesDegenerateWindows) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        double left, bottom, right, top;
    } cases[] = {
        {"zero width", 1.0, 0.0, 1.0, 2.0},
        {"zero height", 0.0, 3.0, 1.0, 3.0},
        {"NaN", nan, 0.0, 1.0, 1.0},
        {"infinite", 0.0, 0.0, inf, 1.0},
        {"extent overflows", -1e308, 0.0, 1e308, 1.0},
        {"scale overflows", 0.0, 0.0, 1e-320, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas;
        makeBlank(canvas, 10, 10);
        canvas.setTransform({1.0, 2.0, 3.0, 4.0});
        EXPECT_FALSE(canvas.setWindow(c.left, c.bottom, c.right, c.top));
        EXPECT_EQ(canvas.getTransform().scaleX, 3.0);
        EXPECT_EQ(canvas.getTransform().offsetY, 2.0);
    }
}

TEST(CanvasTransform, SetTransformKeepsAbsoluteScalesAndPenInStep) {
    Canvas canvas;
    canvas.movePen(6, -2);
    canvas.setTransform({2.0, 4.0, -0.5, -2.0});
    EXPECT_EQ(canvas.absScaleX(), 0.5);
    EXPECT_EQ(canvas.absScaleY(), 2.0);
    EXPECT_EQ(canvas.penWorldX(), -8.0);
    EXPECT_EQ(canvas.penWorldY(), 3.0);
}

TEST(CanvasPen, WorldMoveTruncatesTowardZeroAndKeepsTheExactPoint) {
    Canvas canvas;
    EXPECT_TRUE(canvas.moveWorldPen(-0.5, -1.75));
    EXPECT_EQ(canvas.penX(), 0);
    EXPECT_EQ(canvas.penY(), -1);
    EXPECT_EQ(canvas.penWorldX(), -0.5);
    EXPECT_FALSE(canvas.moveWorldPen(std::numeric_limits<double>::quiet_NaN(), 0.0));
    EXPECT_EQ(canvas.penWorldX(), -0.5);
    EXPECT_EQ(canvas.penY(), -1);
}

TEST(CanvasFill, FillRectClipsToTheRaster) {
    const struct {
        std::int32_t x, y, w, h;
        const char* expected;
    } cases[] = {
        {1, 1, 2, 2, "......\n.11...\n.11...\n......\n"},
        {-2, -1, 4, 3, "11....\n11....\n......\n......\n"},
        {4, 2, 10, 10, "......\n......\n....11\n....11\n"},
        {6, 0, 1, 1, "......\n......\n......\n......\n"},  // beyond the right edge
        {2, 1, 0, 5, "......\n......\n......\n......\n"},
        {2, 1, -3, 2, "......\n......\n......\n......\n"},
        {-5, 3, kMax, 1, "......\n......\n......\n111111\n"},
        {kMin, kMin, kMax, kMax, "......\n......\n......\n......\n"},
        {kMax, kMax, kMax, kMax, "......\n......\n......\n......\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + " " + std::to_string(c.y) + " " + std::to_string(c.w) +
                     " " + std::to_string(c.h));
        Canvas canvas;
        makeBlank(canvas, 6, 4);
        canvas.fillRect(c.x, c.y, c.w, c.h);
        EXPECT_EQ(picture(canvas), c.expected);
    }
}

TEST(CanvasFill, FillWorldRectUsesTheConvertedCorners) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        double x, y, w, h;
        const char* expected;
    } cases[] = {
        {"forward", 1.0, 1.0, 2.0, 2.0, "......\n.11...\n.11...\n......\n"},
        // A reversed span starts one pixel after the second corner.
        {"reversed", 3.0, 3.0, -2.0, -2.0, "......\n......\n..11..\n..11..\n"},
        {"fractions truncate", 0.9, 0.2, 2.5, 0.9, "111...\n......\n......\n......\n"},
        {"far corner", -1e20, 2.0, 2e20, 1.0, "......\n......\n111111\n......\n"},
        {"NaN", 1.0, nan, 2.0, 2.0, "......\n......\n......\n......\n"},
        {"infinite size", 1.0, 1.0, inf, 2.0, "......\n......\n......\n......\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas;
        makeBlank(canvas, 6, 4);
        canvas.fillWorldRect(c.x, c.y, c.w, c.h);
        EXPECT_EQ(picture(canvas), c.expected);
    }
}

TEST(CanvasPixels, AccessOutsideTheRasterIsIgnored) {
    Canvas canvas;
    makeBlank(canvas, 3, 2);
    EXPECT_TRUE(canvas.setPixel(2, 1, 200));
    EXPECT_EQ(canvas.getPixel(2, 1), 200);
    const std::int32_t outside[][2] = {{-1, 0}, {3, 0},       {0, 2},
                                       {0, -1}, {kMin, kMin}, {kMax, kMax}};
    for (const auto& p : outside) {
        EXPECT_FALSE(canvas.setPixel(p[0], p[1], 5));
        EXPECT_EQ(canvas.getPixel(p[0], p[1]), 0);
    }
    EXPECT_EQ(picture(canvas), "...\n..#\n");

    Canvas empty;
    EXPECT_FALSE(empty.setPixel(0, 0, 1));
    EXPECT_EQ(empty.getPixel(0, 0), 0);
    empty.clear(3);
    empty.fillRect(0, 0, 5, 5);
    empty.fillWorldRect(0.0, 0.0, 5.0, 5.0);
}

}  // namespace
}  // namespace zentrel
