#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "graphics/canvas.h"
#include "graphics/standard_glyphs.h"
#include "tests/graphics/raster_picture.h"

namespace zentrel {
namespace {

class GlyphText : public ::testing::Test {
  protected:
    void SetUp() override { defineStandardGlyphs(canvas); }
    Canvas canvas;
};

TEST_F(GlyphText, MeasureSumsAdvancesOfNonEmptyGlyphs) {
    const struct {
        const char* text;
        TextExtent extent;
    } cases[] = {
        {"", {0, 0, 0}},         {"12.5", {16, 7, 1}},       {"x1", {4, 7, 1}},  // no glyph for x
        {"-1.5e+3", {29, 7, 1}}, {"1234567890", {49, 7, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(canvas.measureText(c.text), c.extent);
    }
}

TEST_F(GlyphText, DrawsRowsAboveThePenAndAdvances) {
    makeBlank(canvas, 11, 8);
    canvas.movePen(0, 7);
    canvas.drawText("10.", 2);
    // The last row of '0' is one character short; '.' sits one row above the pen.
    EXPECT_EQ(picture(canvas),
              ".2...22....\n"
              "22..2..2...\n"
              ".2..2..2...\n"
              ".2..2..2...\n"
              ".2..2..2...\n"
              ".2..2..2...\n"
              ".2...22..2.\n"
              "...........\n");
    EXPECT_EQ(canvas.penX(), 11);
    EXPECT_EQ(canvas.penY(), 7);
    EXPECT_EQ(canvas.colour(), 1);
}

TEST_F(GlyphText, PenWorldXFollowsAndWorldYStays) {
    makeBlank(canvas, 4, 4);
    canvas.setTransform({0.0, 0.0, 2.0, 1.0});
    ASSERT_TRUE(canvas.moveWorldPen(0.0, 2.4));
    canvas.drawText("1e", 1);
    EXPECT_EQ(canvas.penX(), 9);
    EXPECT_EQ(canvas.penWorldX(), 4.5);
    EXPECT_EQ(canvas.penWorldY(), 2.4);
}

TEST_F(GlyphText, ClipsAtTheEdgesAndSaturatesThePen) {
    makeBlank(canvas, 3, 3);
    canvas.movePen(-2, 5);
    canvas.drawText("+", 4);
    EXPECT_EQ(picture(canvas),
              "...\n"
              "4..\n"
              "...\n");
    EXPECT_EQ(canvas.penX(), 2);

    const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    canvas.movePen(kMax - 3, kMax);
    canvas.drawText("00", 4);
    EXPECT_EQ(canvas.penX(), kMax);
}

TEST_F(GlyphText, DefiningAgainReplacesAndEmptyBitsRemove) {
    EXPECT_TRUE(canvas.defineGlyph('1', Glyph{3, 2, 0, 2, 2, "1001"}));
    EXPECT_EQ(canvas.glyph('1').bits, "1001");
    EXPECT_EQ(canvas.measureText("11"), (TextExtent{6, 2, 0}));
    makeBlank(canvas, 4, 3);
    canvas.movePen(0, 2);
    canvas.drawText("1", 5);
    EXPECT_EQ(picture(canvas),
              "5...\n"
              ".5..\n"
              "....\n");

    EXPECT_FALSE(canvas.defineGlyph('1', Glyph{3, 2, 0, 0, 2, "1"}));  // no row width
    EXPECT_EQ(canvas.glyph('1').bits, "1001");
    EXPECT_TRUE(canvas.defineGlyph('1', Glyph{3, 2, 0, 0, 2, ""}));
    EXPECT_TRUE(canvas.glyph('1').empty());
    EXPECT_EQ(canvas.measureText("1"), (TextExtent{0, 0, 0}));
    canvas.movePen(1, 1);
    canvas.drawText("1", 5);
    EXPECT_EQ(canvas.penX(), 1);  // an empty glyph does not move the pen
}

TEST_F(GlyphText, CodesAbove127HaveTheirOwnEntries) {
    EXPECT_TRUE(canvas.defineGlyph(0xB0, Glyph{2, 1, 0, 1, 1, "1"}));
    EXPECT_EQ(canvas.measureText("\xB0\xB0"), (TextExtent{4, 1, 0}));
}

}  // namespace
}  // namespace zentrel
