#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/interpreter.h"
#include "graphics/graph_canvas.h"
#include "graphics/standard_glyphs.h"
#include "tests/graphics/raster_picture.h"

namespace zentrel {
namespace {

// Counts what the interpreter reports, and the refreshes asked for while drawing.
class CountingHost : public Host {
  public:
    int errors = 0;
    int refreshes = 0;

    void reportStatus(ErrorCode code, std::int32_t, std::string_view, std::string_view) override {
        if (isError(code)) ++errors;
    }
    void refresh(EngineCanvas&) override { ++refreshes; }
};

// A graph of w x h pixels with the transform given, x and t labelled, drawing in 1.
class GraphTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(interpreter.defineVariableLabel("x", 'x'));
        ASSERT_TRUE(interpreter.defineVariableLabel("t", 't'));
        interpreter.attachCanvas(&canvas);
    }
    void makeGraph(std::int32_t w, std::int32_t h, const WorldTransform& transform) {
        ASSERT_TRUE(canvas.create(w, h, true));
        canvas.setTransform(transform);
        canvas.setColour(1);
    }
    void useMode(CoordinateMode mode) {
        canvas.plotSettings().mode = static_cast<std::uint8_t>(mode);
        canvas.plotSettings().argVariable = mode == CoordinateMode::Rectangular ? 'x' : 't';
    }
    bool plotColumns(std::int32_t first, std::int32_t last) {
        return canvas.plot(interpreter, canvas.worldX(first), canvas.worldX(last), 0.0);
    }
    std::vector<double> firstFields() const {
        std::vector<double> values;
        for (const Sample& s : canvas.samples())
            values.push_back(s.a);
        return values;
    }

    // The value of a variable of the scope.
    double valueOf(std::string_view variable) {
        Value value;
        EXPECT_EQ(interpreter.evaluate(variable, value), kSuccess);
        return value.first().asComplex().re;
    }

    CountingHost host;
    Interpreter interpreter{host};
    GraphCanvas canvas;
};

// Pixel x = column, pixel y = 5 - y: the usual upward y over 11 rows.
constexpr WorldTransform kUnitGraph{5.0, 5.0, 1.0, -1.0};

TEST_F(GraphTest, RectangularSamplesOneXPerColumn) {
    makeGraph(10, 11, {0.5, 5.0, 1.0, -1.0});
    canvas.setExpression("x * 2");
    ASSERT_TRUE(plotColumns(0, 9));
    ASSERT_EQ(canvas.sampleCount(), 10);
    for (std::int32_t c = 0; c < 10; ++c) {
        EXPECT_EQ(canvas.samples()[c].a, canvas.worldX(c));
        EXPECT_EQ(canvas.samples()[c].b, 2 * canvas.worldX(c));
    }
    // Reversed limits sample the same columns in the same order.
    ASSERT_TRUE(plotColumns(9, 0));
    EXPECT_EQ(canvas.sampleCount(), 10);
    EXPECT_EQ(canvas.samples()[0].a, canvas.worldX(0));
}

// 1/x is infinite at x = 0 (column 5): the curve breaks there instead of joining
// (-1, -1) to (1, 1) across the middle.
TEST_F(GraphTest, InfiniteValueBreaksTheCurve) {
    makeGraph(11, 11, kUnitGraph);
    canvas.setExpression("1 / x");
    ASSERT_TRUE(plotColumns(0, 10));
    EXPECT_EQ(canvas.sampleCount(), 11);
    EXPECT_TRUE(std::isinf(canvas.samples()[5].b));
    for (std::int32_t y = 0; y < 11; ++y)
        EXPECT_EQ(canvas.getPixel(5, y), 0) << "row " << y;
    EXPECT_EQ(canvas.getPixel(4, 6), 1);  // (-1, -1), reached from (-2, -0.5)
    EXPECT_EQ(canvas.getPixel(6, 4), 1);
}

// A segment whose two ends both had to be moved onto the edges is not drawn, so
// a steep jump through the canvas leaves no vertical line.
TEST_F(GraphTest, SegmentWithBothEndsOutsideIsNotDrawn) {
    makeGraph(11, 11, kUnitGraph);
    canvas.setExpression("(x [>] 0) ? 100 \\-100");
    ASSERT_TRUE(plotColumns(0, 10));
    std::string blank;
    for (int row = 0; row < 11; ++row)
        blank += "...........\n";
    EXPECT_EQ(picture(canvas), blank);
}

// An error ends the sampling; the samples and the segments before it stay, and
// the error is reported once.
TEST_F(GraphTest, EvaluationErrorKeepsWhatWasDrawn) {
    makeGraph(11, 11, kUnitGraph);
    canvas.setExpression("(x [>] 1) ? nothing 0");
    EXPECT_TRUE(plotColumns(0, 10));
    EXPECT_EQ(canvas.sampleCount(), 7);  // x = -5 ... 1
    EXPECT_EQ(host.errors, 1);
    EXPECT_EQ(canvas.getPixel(0, 5), 1);
    EXPECT_EQ(canvas.getPixel(6, 5), 1);
    EXPECT_EQ(canvas.getPixel(7, 5), 0);
    EXPECT_GT(host.refreshes, 0);  // the curve is shown as it grows
}

TEST_F(GraphTest, ParametricRunSwapsLimitsAndStepsByThePitch) {
    makeGraph(11, 11, kUnitGraph);
    useMode(CoordinateMode::Parametric);
    canvas.setExpressions("t", "t * t");
    ASSERT_TRUE(canvas.plot(interpreter, 10.0, 0.0, -1.0));
    EXPECT_EQ(firstFields(), (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(canvas.samples()[3], (Sample{3.0, 3.0, 9.0}));
    EXPECT_FALSE(canvas.plot(interpreter, 0.0, 10.0, 0.0));  // a zero pitch samples nothing
    EXPECT_EQ(canvas.sampleCount(), 0);
    EXPECT_FALSE(canvas.plot(interpreter, 0.0, 1e300, 1e-300));  // beyond the sample bound
}

// In degrees t = 90 is straight up: r = 4 at 0, 90, 180, 270 degrees draws a
// diamond through (4, 0), (0, 4), (-4, 0), (0, -4).
TEST_F(GraphTest, PolarAnglesFollowTheEngineUnit) {
    makeGraph(11, 11, {5.5, 5.5, 1.0, -1.0});  // world points at pixel centres
    useMode(CoordinateMode::Polar);
    interpreter.setAngleUnit(AngleUnit::Degree);
    canvas.setExpression("4");
    ASSERT_TRUE(canvas.plot(interpreter, 0.0, 360.0, 90.0));
    EXPECT_EQ(canvas.sampleCount(), 5);
    EXPECT_EQ(picture(canvas),
              "...........\n"
              ".....1.....\n"
              "....1.1....\n"
              "...1...1...\n"
              "..1.....1..\n"
              ".1.......1.\n"
              "..1.....1..\n"
              "...1...1...\n"
              "....1.1....\n"
              ".....1.....\n"
              "...........\n");
    EXPECT_EQ(interpreter.angleUnit(), AngleUnit::Degree);
}

TEST_F(GraphTest, TraceInterpolatesBetweenRectangularSamples) {
    makeGraph(11, 11, {5.0, 5.0, 2.0, -1.0});  // half a unit per column
    canvas.setExpression("x * x");
    ASSERT_TRUE(plotColumns(2, 8));  // x = -1.5 ... 1.5
    const TraceAnswer exact = canvas.traceAt(4, 0);
    EXPECT_TRUE(exact.ok);
    EXPECT_EQ(exact.a, -0.5);
    EXPECT_EQ(exact.b, 0.25);
    EXPECT_TRUE(canvas.traceAt(8, 0).ok);   // the last sample itself
    EXPECT_FALSE(canvas.traceAt(1, 0).ok);  // left of the first sample
    EXPECT_FALSE(canvas.traceAt(9, 0).ok);
    // Between x = 0 and 0.5 (column 6.5 is not a column: shrink the scale instead).
    canvas.setTransform({5.0, 5.0, 4.0, -1.0});
    const TraceAnswer between = canvas.traceAt(6, 0);  // x = 0.25
    EXPECT_TRUE(between.ok);
    EXPECT_EQ(between.a, 0.25);
    EXPECT_EQ(between.b, 0.125);  // halfway between 0 and 0.25
}

TEST_F(GraphTest, TraceInsertKeepsTheSamplesInOrder) {
    makeGraph(11, 11, kUnitGraph);
    canvas.setExpression("@n = @n + 1; x * 10");
    ASSERT_TRUE(plotColumns(3, 7));  // x = -2 ... 2
    const double runs = valueOf("@n");

    const InsertedValues kept = canvas.traceInsert(interpreter, 1.0);
    EXPECT_TRUE(kept.ok);
    EXPECT_EQ(kept.y, 10.0);
    EXPECT_EQ(valueOf("@n"), runs);  // a kept sample: no evaluation

    const std::vector<std::pair<double, std::vector<double>>> inserts{
        {0.5, {-2, -1, 0, 0.5, 1, 2}},
        {-3, {-3, -2, -1, 0, 0.5, 1, 2}},
        {7, {-3, -2, -1, 0, 0.5, 1, 2, 7}},
    };
    for (const auto& [x, order] : inserts) {
        SCOPED_TRACE(x);
        const InsertedValues added = canvas.traceInsert(interpreter, x);
        EXPECT_TRUE(added.ok);
        EXPECT_EQ(added.y, 10 * x);
        EXPECT_EQ(firstFields(), order);
    }
    canvas.setExpression("nothing");
    EXPECT_FALSE(canvas.traceInsert(interpreter, 0.25).ok);
    EXPECT_EQ(canvas.sampleCount(), 8);
}

TEST_F(GraphTest, NearestSampleOfParametricAndPolarCurves) {
    makeGraph(11, 11, kUnitGraph);
    useMode(CoordinateMode::Parametric);
    canvas.setExpressions("t", "0");
    ASSERT_TRUE(canvas.plot(interpreter, 0.0, 4.0, 1.0));
    EXPECT_EQ(canvas.nearestSample(2.4, 3.0), 2);
    EXPECT_EQ(canvas.nearestSample(2.5, 0.0), 2);  // a tie: the earlier sample
    const TraceAnswer at = canvas.traceAt(8, 5);   // world (3, 0)
    EXPECT_TRUE(at.ok);
    EXPECT_EQ(at.a, 3.0);

    useMode(CoordinateMode::Polar);
    canvas.setExpression("2");
    ASSERT_TRUE(canvas.plot(interpreter, 0.0, 3.2, 1.5707963267948966));
    EXPECT_EQ(canvas.nearestPolarSample(0.1, 1.9), 1);  // t = pi/2 is (0, 2)
    EXPECT_EQ(canvas.nearestPolarSample(-2.0, 0.1), 2);
}

TEST_F(GraphTest, CrosshairTwiceRestoresThePicture) {
    makeGraph(11, 11, kUnitGraph);
    canvas.setExpression("x");
    ASSERT_TRUE(plotColumns(0, 10));
    const std::string before = picture(canvas);
    canvas.toggleCrosshair(2.0, 1.0);  // pixel (7, 4); the curve is (c, 10 - c)
    EXPECT_EQ(canvas.getPixel(7, 0), 255);
    EXPECT_EQ(canvas.getPixel(7, 3), 254);  // the curve's 1 complemented
    EXPECT_EQ(canvas.getPixel(0, 4), 255);
    EXPECT_EQ(canvas.getPixel(6, 4), 254);
    EXPECT_EQ(canvas.getPixel(7, 4), 255);  // the crossing is complemented once
    EXPECT_EQ(canvas.getPixel(9, 9), 0);
    canvas.toggleCrosshair(2.0, 1.0);
    EXPECT_EQ(picture(canvas), before);
    canvas.toggleCrosshair(std::nan(""), 1.0);  // only the row: x has no pixel
    EXPECT_EQ(canvas.getPixel(0, 4), 255);
    EXPECT_EQ(canvas.getPixel(7, 0), 0);
}

// Extending a plot to both sides gives the samples and pixels of plotting the
// whole range at once.
TEST_F(GraphTest, ReplotExtendsLikeAPlotOfTheWholeRange) {
    makeGraph(11, 11, kUnitGraph);
    canvas.setExpression("x * x / 4 - 3");
    ASSERT_TRUE(plotColumns(0, 10));
    const std::vector<Sample> whole = canvas.samples();
    const std::string wholePicture = picture(canvas);

    canvas.clear(0);
    ASSERT_TRUE(plotColumns(4, 6));
    ASSERT_TRUE(canvas.replot(interpreter, canvas.worldX(0), canvas.worldX(10), 0.0));
    EXPECT_EQ(canvas.samples(), whole);
    EXPECT_EQ(picture(canvas), wholePicture);
    EXPECT_FALSE(canvas.extend(interpreter, canvas.worldX(5), 0.0));  // already inside

    useMode(CoordinateMode::Parametric);
    canvas.setExpressions("t - 5", "t / 2");
    ASSERT_TRUE(canvas.plot(interpreter, 0.0, 10.0, 1.0));
    const std::vector<Sample> wholeRun = canvas.samples();
    ASSERT_TRUE(canvas.plot(interpreter, 3.0, 6.0, 1.0));
    ASSERT_TRUE(canvas.replot(interpreter, 0.0, 10.0, 1.0));
    EXPECT_EQ(canvas.samples(), wholeRun);
}

// The redraw of the kept samples sets exactly the pixels the plot set.
TEST_F(GraphTest, RedrawMatchesThePlot) {
    makeGraph(40, 30, {20.0, 15.0, 4.0, -4.0});
    canvas.setExpression("sin (x * 2) * 3 + 1 / x");
    ASSERT_TRUE(plotColumns(0, 39));
    const std::string plotted = picture(canvas);
    canvas.clear(0);
    EXPECT_TRUE(canvas.redrawSamples());
    EXPECT_EQ(picture(canvas), plotted);
}

// Compiling once per plot and compiling for every sample give the same samples,
// also when the expression switches the numeric mode under which its number words
// are read.
TEST_F(GraphTest, CompiledOnceAgreesWithCompiledPerSample) {
    makeGraph(21, 11, {10.0, 5.0, 2.0, -1.0});
    const char* expressions[] = {"sin x * exp ([-] x / 10)", ":fract; x * 1.25 + 1/3",
                                 "@k = @k + 1; @k * x"};
    for (const char* text : expressions) {
        SCOPED_TRACE(text);
        std::vector<Sample> results[2];
        for (int once = 0; once < 2; ++once) {
            interpreter.setNumberMode(NumberMode::GFloat);
            interpreter.run("@k = 0");
            canvas.setCompileOnce(once == 1);
            canvas.setExpression(text);
            plotColumns(0, 20);
            results[once] = canvas.samples();
        }
        EXPECT_EQ(results[0].size(), 21u);
        EXPECT_EQ(results[0], results[1]);
    }
}

TEST_F(GraphTest, LogScaleSamplesRealXAndDrawsTheLogarithm) {
    makeGraph(11, 11, {0.0, 10.0, 5.0, -5.0});  // log10 x from 0 to 2 over 10 columns
    canvas.plotSettings().logX.enable(10.0);
    canvas.plotSettings().logY.enable(10.0);
    canvas.setExpression("x");
    ASSERT_TRUE(plotColumns(0, 10));
    EXPECT_DOUBLE_EQ(canvas.samples()[5].a, 10.0);
    EXPECT_DOUBLE_EQ(canvas.samples()[10].a, 100.0);
    EXPECT_EQ(canvas.getPixel(5, 5), 1);  // y = x is the diagonal in log-log space
}

// Unit 0.1 at 5 pixels per unit would be under 2 pixels: the spacing becomes 1.
TEST_F(GraphTest, GridSpacingGrowsToTwoPixelsOrMore) {
    makeGraph(21, 11, {10.0, 5.0, 5.0, -5.0});
    GridStyle style{0, 1, 2, 0.1, 0.1, 3, 0, 0};
    canvas.drawGrid(style);
    EXPECT_EQ(picture(canvas),
              "222222222212222222222\n"
              "2....2....1....2....2\n"
              "2....2....1....2....2\n"
              "2....2....1....2....2\n"
              "2....2....1....2....2\n"
              "111111111111111111111\n"
              "2....2....1....2....2\n"
              "2....2....1....2....2\n"
              "2....2....1....2....2\n"
              "2....2....1....2....2\n"
              "222222222212222222222\n");
    style.unitX = 0.0;  // no grid, and no endless search for a spacing
    canvas.drawGrid(style);
    EXPECT_EQ(canvas.getPixel(5, 2), 0);
}

// The x numbers stand two columns right of their grid line: on a canvas too low
// for them under the axis at the bottom edge, else one row below the top when the
// axis lies above the canvas. The glyph "1" has its first row 7 rows above the
// baseline, its pixel in column 1, then both columns.
TEST_F(GraphTest, ScaleNumbersFollowTheAxisRow) {
    makeGraph(21, 11, {10.0, 5.0, 5.0, -5.0});
    defineStandardGlyphs(canvas);
    const GridStyle style{0, 1, 2, 1.0, 1.0, 3, 1, 1};
    canvas.drawGrid(style);
    EXPECT_EQ(canvas.getPixel(18, 3), 3);  // "1" at x = 1, baseline 11 - 1
    EXPECT_EQ(canvas.getPixel(17, 4), 3);
    EXPECT_EQ(canvas.getPixel(17, 3), 0);          // the first row of "1" is its second column
    canvas.setTransform({10.0, -5.0, 5.0, -5.0});  // the x axis 5 rows above the canvas
    canvas.drawGrid(style);
    EXPECT_EQ(canvas.getPixel(18, 1), 3);  // baseline ascent + 1 = 8
    EXPECT_EQ(canvas.getPixel(17, 2), 3);
}

}  // namespace
}  // namespace zentrel
