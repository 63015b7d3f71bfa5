#include "graphics/graph_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/line_clip.h"
#include "graphics/sampling_session.h"

namespace zentrel {

namespace {

bool isFinite(const WorldPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

double GraphCanvas::axisX(double x) const {
    return isRectangular() && settings_.logX.on ? std::log(x) * settings_.logX.factor : x;
}

double GraphCanvas::axisY(double y) const {
    return isRectangular() && settings_.logY.on ? std::log(y) * settings_.logY.factor : y;
}

WorldPoint GraphCanvas::polarPoint(double t, double r) const {
    const double theta = t * angleScale_;
    return {r * std::cos(theta), r * std::sin(theta)};
}

WorldPoint GraphCanvas::curvePoint(const Sample& s) const {
    switch (static_cast<CoordinateMode>(settings_.mode)) {
        case CoordinateMode::Rectangular:
            return {axisX(s.a), axisY(s.b)};
        case CoordinateMode::Parametric:
            return {s.b, s.c};
        case CoordinateMode::Polar:
            break;
    }
    // A polar curve breaks where r is not finite, whatever its angle.
    if (!std::isfinite(s.b)) return {s.b, s.b};
    return polarPoint(s.a, s.b);
}

std::optional<WorldPoint> GraphCanvas::finitePoint(const Sample& sample) const {
    const WorldPoint p = curvePoint(sample);
    if (!isFinite(p)) return std::nullopt;
    return p;
}

// Only a segment the clipper accepts whole or with one end moved is drawn: one
// with both ends moved is usually a jump of the curve through the canvas.
bool GraphCanvas::drawCurveSegment(const WorldPoint& from, const WorldPoint& to) {
    auto segment = getTransform().segmentToPixels(from.x, from.y, to.x, to.y);
    if (!segment || clipLine(*segment, width(), height()) != ClipResult::Accepted) return false;
    drawSegment(*segment);
    return true;
}

void GraphCanvas::continueCurve(CurvePen& pen, const Sample& sample) {
    const std::optional<WorldPoint> point = finitePoint(sample);
    if (point && pen.previous && drawCurveSegment(*pen.previous, *point) && pen.refresher) {
        pen.refresher->requestRefresh();
    }
    pen.previous = point;
}

std::optional<GraphCanvas::SampleRun> GraphCanvas::columnRun(std::int32_t a, std::int32_t b) const {
    const std::int64_t distance = std::llabs(std::int64_t{b} - a);
    if (distance >= 2147483647 || distance >= kMaxSamples) return std::nullopt;
    return SampleRun{static_cast<double>(std::min(a, b)), 1.0, distance + 1};
}

std::optional<GraphCanvas::SampleRun> GraphCanvas::parameterRun(double min, double max,
                                                                double step) {
    if (!(step > 0.0) || !std::isfinite(min) || !std::isfinite(max)) return std::nullopt;
    const double steps = std::trunc((max - min) / step);
    if (!(steps >= 0.0) || steps >= double(kMaxSamples)) return std::nullopt;
    return SampleRun{min, step, static_cast<std::int64_t>(steps) + 1};
}

// A column becomes its world x (the real x of a log-scaled axis); a parameter
// run steps from its first value.
double GraphCanvas::argumentOf(const SampleRun& run, std::int64_t i) const {
    if (!isRectangular()) return run.first + static_cast<double>(i) * run.step;
    const double x = worldX(static_cast<std::int32_t>(run.first) + static_cast<std::int32_t>(i));
    return settings_.logX.on ? std::pow(settings_.logX.base, x) : x;
}

void GraphCanvas::sampleRun(SamplingSession& session, const SampleRun& run, CurvePen& pen,
                            std::vector<Sample>& out) {
    out.reserve(out.size() + static_cast<std::size_t>(run.count));
    Sample sample;
    for (std::int64_t i = 0; i < run.count; ++i) {
        if (!session.evaluate(argumentOf(run, i), sample)) return;
        out.push_back(sample);
        continueCurve(pen, sample);
    }
}

bool GraphCanvas::plot(Interpreter& interpreter, double min, double max, double pitch) {
    samples_.clear();
    if (!hasValidMode()) return false;
    std::optional<SampleRun> run;
    if (isRectangular()) {
        const auto a = pixelX(min);
        const auto b = pixelX(max);
        if (a && b) run = columnRun(*a, *b);
    } else {
        run = parameterRun(std::min(min, max), std::max(min, max), std::fabs(pitch));
    }
    if (!run) return false;
    SamplingSession session(interpreter, settings_, compileOnce_);
    angleScale_ = session.sampler().angleScale();
    sampledMode_ = settings_.mode;
    CurvePen pen{std::nullopt, &session.sampler()};
    sampleRun(session, *run, pen, samples_);
    return !samples_.empty();
}

bool GraphCanvas::redrawSamples() {
    if (samples_.empty()) return false;
    CurvePen pen;
    for (const Sample& sample : samples_)
        continueCurve(pen, sample);
    return true;
}

// Samples of another coordinate mode mean nothing now: they are plotted afresh.
bool GraphCanvas::replot(Interpreter& interpreter, double min, double max, double pitch) {
    if (sampledMode_ != settings_.mode) samples_.clear();
    if (samples_.empty()) return plot(interpreter, min, max, pitch);
    const bool redrawn = redrawSamples();
    const bool before = extend(interpreter, min, pitch);
    const bool after = extend(interpreter, max, pitch);
    return redrawn || before || after;
}

// The kept samples run in column order, their x upward or downward; a run in
// front covers the columns from v's up to the first sample's, one behind from
// the last sample's on to v's.
std::optional<GraphCanvas::SampleRun> GraphCanvas::rectangularExtension(double v,
                                                                        bool& preceding) const {
    const double f = axisX(samples_.front().a);
    const double l = axisX(samples_.back().a);
    const bool upward = l >= f;
    const auto pv = pixelX(v);
    const auto pf = pixelX(f);
    const auto pl = pixelX(l);
    if (!pv || !pf || !pl) return std::nullopt;
    preceding = upward ? v < f : v > f;
    if (preceding && *pv <= std::int64_t{*pf} - 1) return columnRun(*pv, *pf - 1);
    if (!preceding && (upward ? v > l : v < l) && std::int64_t{*pl} + 1 <= *pv) {
        return columnRun(*pl + 1, *pv);
    }
    return std::nullopt;
}

std::optional<GraphCanvas::SampleRun> GraphCanvas::parameterExtension(double v, double pitch,
                                                                      bool& preceding) const {
    const double step = std::fabs(pitch);
    const double f = samples_.front().a;
    const double l = samples_.back().a;
    preceding = v < f;
    if (preceding) return parameterRun(v, f - step, step);
    if (v > l) return parameterRun(l + step, v, step);
    return std::nullopt;
}

// A preceding run ends joined to the first kept sample; a continuing run starts
// from the last.
bool GraphCanvas::extend(Interpreter& interpreter, double v, double pitch) {
    if (samples_.empty() || !hasValidMode()) return false;
    bool preceding = false;
    const std::optional<SampleRun> run = isRectangular() ? rectangularExtension(v, preceding)
                                                         : parameterExtension(v, pitch, preceding);
    if (!run || std::int64_t(samples_.size()) + run->count > kMaxSamples) return false;
    SamplingSession session(interpreter, settings_, compileOnce_);
    angleScale_ = session.sampler().angleScale();
    CurvePen pen{preceding ? std::nullopt : finitePoint(samples_.back()), &session.sampler()};
    std::vector<Sample> added;
    sampleRun(session, *run, pen, added);
    if (added.empty()) return false;
    if (preceding) {
        const std::optional<WorldPoint> first = finitePoint(samples_.front());
        if (pen.previous && first && drawCurveSegment(*pen.previous, *first)) {
            session.sampler().requestRefresh();
        }
        added.insert(added.end(), samples_.begin(), samples_.end());
        samples_ = std::move(added);
    } else {
        samples_.insert(samples_.end(), added.begin(), added.end());
    }
    return true;
}

}  // namespace zentrel
