#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/interp/engine_canvas.h"
#include "graphics/canvas.h"

namespace zentrel {

class ExpressionSampler;
class Interpreter;
class SamplingSession;

// One kept sample. Rectangular: x, y (c unset); parametric: t, x, y; polar: t, r
// (c unset). Rectangular x is the real x, never its logarithm.
struct Sample {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    friend bool operator==(const Sample&, const Sample&) = default;
};

// A point in the linear world of the transform (log-scaled axes already in their
// logarithm).
struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
};

// How drawGrid draws: colours, the wanted grid unit of each axis and how many grid
// lines apart the scale numbers stand.
struct GridStyle {
    std::uint8_t background = 255;
    std::uint8_t axisColour = 0;
    std::uint8_t gridColour = 7;
    double unitX = 1.0;
    double unitY = 1.0;
    std::uint8_t textColour = 0;
    std::int32_t textEveryX = 1;
    std::int32_t textEveryY = 1;
};

struct TraceAnswer {
    bool ok = false;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

struct InsertedValues {
    bool ok = false;
    double y = 0.0;   // f(x), x(t) or r(t)
    double y2 = 0.0;  // y(t) in parametric mode
};

// Largest number of samples one curve keeps: a request beyond it (a tiny pitch
// over a wide range) samples nothing rather than running for hours and holding
// gigabytes.
inline constexpr std::int64_t kMaxSamples = std::int64_t{1} << 22;

// A canvas that draws graphs of expressions of the language: it samples them
// through the interpreter, keeps the samples, connects them with clipped
// segments, redraws and extends them when the view moves, draws the grid, axes
// and scale numbers and answers trace queries. It is also an engine canvas, so a
// host can give it to the engine for the graphics commands.
//
// Curves break at points that are not finite in every mode: no segment is drawn
// to or from such a point, since it has no pixel.
class GraphCanvas final : public Canvas, public EngineCanvas {
  public:
    GraphCanvas() = default;

    // The engine canvas operations, on this canvas.
    std::int32_t width() const override { return Canvas::width(); }
    std::int32_t height() const override { return Canvas::height(); }
    std::uint8_t colour() const override { return Canvas::colour(); }
    void setColour(std::uint8_t colour) override { Canvas::setColour(colour); }
    std::int32_t penX() const override { return Canvas::penX(); }
    std::int32_t penY() const override { return Canvas::penY(); }
    double penWorldX() const override { return Canvas::penWorldX(); }
    double penWorldY() const override { return Canvas::penWorldY(); }
    void movePen(std::int32_t x, std::int32_t y) override { Canvas::movePen(x, y); }
    bool moveWorldPen(double x, double y) override { return Canvas::moveWorldPen(x, y); }
    std::optional<std::int32_t> pixelX(double x) const override { return getTransform().pixelX(x); }
    std::optional<std::int32_t> pixelY(double y) const override { return getTransform().pixelY(y); }
    double worldX(std::int32_t px) const override { return getTransform().worldX(px); }
    double worldY(std::int32_t py) const override { return getTransform().worldY(py); }
    void clear(std::uint8_t colour) override { Canvas::clear(colour); }
    void fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override {
        Canvas::fillRect(x, y, w, h);
    }
    void fillWorldRect(double x, double y, double w, double h) override {
        Canvas::fillWorldRect(x, y, w, h);
    }
    bool setPixel(std::int32_t x, std::int32_t y, std::uint8_t colour) override {
        return Canvas::setPixel(x, y, colour);
    }
    std::uint8_t getPixel(std::int32_t x, std::int32_t y) const override {
        return Canvas::getPixel(x, y);
    }
    bool line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        return Canvas::line(x1, y1, x2, y2);
    }
    bool worldLine(double x1, double y1, double x2, double y2) override {
        return Canvas::worldLine(x1, y1, x2, y2);
    }

    // Plot state.
    PlotSettings& plotSettings() override { return settings_; }
    const PlotSettings& plotSettings() const { return settings_; }
    void setExpression(std::string_view text) { settings_.setExpression(text); }
    void setExpressions(std::string_view first, std::string_view second) {
        settings_.setExpressions(first, second);
    }
    const std::vector<Sample>& samples() const { return samples_; }
    std::int32_t sampleCount() const { return static_cast<std::int32_t>(samples_.size()); }
    // Discards the samples (a change of coordinate mode makes them meaningless).
    void discardSamples() { samples_.clear(); }
    // Compiling an expression once per plot is the normal way; compiling it for
    // every sample gives the same samples, slower (kept to compare the two).
    void setCompileOnce(bool once) { compileOnce_ = once; }

    // Samples afresh: rectangular over the pixel columns of min..max (x values in
    // the log space of a log-scaled axis; pitch unused), else over t = min..max in
    // steps of |pitch|. An evaluation that fails ends the sampling with what was
    // drawn kept. True when samples exist afterwards.
    bool plot(Interpreter& interpreter, double min, double max, double pitch);
    // Redraws the kept samples and extends them towards min and max; without
    // samples, plots. True when anything was drawn or added.
    bool replot(Interpreter& interpreter, double min, double max, double pitch);
    // Draws the kept samples again with the current colour and transform.
    bool redrawSamples();
    // Samples from the kept range out to v (x in transformed space, or t), joined
    // to the kept curve; false when v lies within the range or nothing was added.
    bool extend(Interpreter& interpreter, double v, double pitch);

    // Clears to the background and draws grid lines, axes and scale numbers.
    void drawGrid(const GridStyle& style);

    // The curve's values under the pixel: interpolated between the rectangular
    // samples around its x, or the nearest parametric or polar sample.
    TraceAnswer traceAt(std::int32_t px, std::int32_t py) const;
    // The values at exactly x (or t): a kept sample's, or evaluated and inserted
    // in order. False, nothing changed, when the evaluation fails.
    InsertedValues traceInsert(Interpreter& interpreter, double x);
    // Index of the kept sample nearest to the world point, -1 without samples.
    std::int32_t nearestSample(double x, double y) const;
    std::int32_t nearestPolarSample(double x, double y) const;
    // Complements the pixels of the column and the row through the point, so a
    // second call restores them. Rectangular (x, y), parametric (x, y), polar (t, r).
    void toggleCrosshair(double a, double b);

  private:
    // The previous point of the curve being drawn (none after a break), and the
    // engine to ask for a refresh after each segment while sampling.
    struct CurvePen {
        std::optional<WorldPoint> previous;
        ExpressionSampler* refresher = nullptr;
    };
    struct SampleRun {
        double first = 0.0;
        double step = 0.0;
        std::int64_t count = 0;
    };

    bool isRectangular() const { return settings_.isMode(CoordinateMode::Rectangular); }
    bool hasValidMode() const { return settings_.mode <= 2; }
    // The world point of a sample; not finite where the curve breaks.
    WorldPoint curvePoint(const Sample& sample) const;
    WorldPoint polarPoint(double t, double r) const;
    double axisX(double x) const;
    double axisY(double y) const;
    std::optional<WorldPoint> finitePoint(const Sample& sample) const;
    void continueCurve(CurvePen& pen, const Sample& sample);
    bool drawCurveSegment(const WorldPoint& from, const WorldPoint& to);

    std::optional<SampleRun> columnRun(std::int32_t a, std::int32_t b) const;
    static std::optional<SampleRun> parameterRun(double min, double max, double step);
    double argumentOf(const SampleRun& run, std::int64_t i) const;
    void sampleRun(SamplingSession& session, const SampleRun& run, CurvePen& pen,
                   std::vector<Sample>& out);
    std::optional<SampleRun> rectangularExtension(double v, bool& preceding) const;
    std::optional<SampleRun> parameterExtension(double v, double pitch, bool& preceding) const;

    // Where x falls among the kept first fields: the index i - 1 of the segment
    // x_(i-1) .. x_i holding it and the fraction u along it; nothing before the
    // first or beyond the last sample.
    struct Position {
        std::size_t index = 0;
        double u = 0.0;
    };
    std::optional<Position> locate(double x) const;
    TraceAnswer traceRectangular(std::int32_t px) const;

    void drawGridLines(const GridStyle& style, double spacingX, double spacingY);
    void drawScaleNumbers(const GridStyle& style, double spacingX, double spacingY);
    void invertPixel(std::int32_t x, std::int32_t y);

    PlotSettings settings_;
    std::vector<Sample> samples_;
    std::uint8_t sampledMode_ = 0;  // the coordinate mode the kept samples were taken in
    double angleScale_ = 1.0;       // radians per unit of t in polar mode, from the last sampling
    bool compileOnce_ = true;
};

}  // namespace zentrel
