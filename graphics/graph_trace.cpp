// Trace queries on the kept samples: the values under a pixel, the values at an
// exact argument (inserted into the samples) and the crosshair.
#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/graph_canvas.h"
#include "graphics/sampling_session.h"

namespace zentrel {

// The kept first fields run upward or downward; x lies in the segment from
// x_(i-1) (included) to x_i (excluded), or is the last sample itself.
std::optional<GraphCanvas::Position> GraphCanvas::locate(double x) const {
    if (samples_.empty()) return std::nullopt;
    const bool upward = samples_.back().a >= samples_.front().a;
    const auto byFirstField = [upward](double v, const Sample& s) {
        return upward ? v < s.a : v > s.a;
    };
    const auto after = std::upper_bound(samples_.begin(), samples_.end(), x, byFirstField);
    const auto i = static_cast<std::size_t>(after - samples_.begin());
    if (i == samples_.size()) {
        if (x == samples_.back().a) return Position{i - 1, 0.0};
        return std::nullopt;
    }
    if (i == 0) return std::nullopt;
    const Sample& from = samples_[i - 1];
    const Sample& to = samples_[i];
    return Position{i - 1, (x - from.a) / (to.a - from.a)};
}

TraceAnswer GraphCanvas::traceRectangular(std::int32_t px) const {
    double x = worldX(px);
    if (settings_.logX.on) x = std::pow(settings_.logX.base, x);
    const std::optional<Position> at = locate(x);
    if (!at) return {};
    const Sample& from = samples_[at->index];
    if (at->u == 0.0) return {true, from.a, from.b, from.c};
    const Sample& to = samples_[at->index + 1];
    return {true, x, from.b + at->u * (to.b - from.b), from.c + at->u * (to.c - from.c)};
}

TraceAnswer GraphCanvas::traceAt(std::int32_t px, std::int32_t py) const {
    if (isRectangular()) return traceRectangular(px);
    const bool polar = settings_.isMode(CoordinateMode::Polar);
    const std::int32_t i =
        polar ? nearestPolarSample(worldX(px), worldY(py)) : nearestSample(worldX(px), worldY(py));
    if (i < 0) return {};
    const Sample& s = samples_[static_cast<std::size_t>(i)];
    return {true, s.a, s.b, polar ? 0.0 : s.c};
}

namespace {

// The first sample nearest to (x, y) by squared distance; samples whose point
// is not finite are never nearest.
template <typename PointOf>
std::int32_t nearestOf(const std::vector<Sample>& samples, double x, double y, PointOf pointOf) {
    std::int32_t best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const WorldPoint p = pointOf(samples[i]);
        const double d = (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y);
        if (d < bestDistance || (best < 0 && d == bestDistance)) {
            best = static_cast<std::int32_t>(i);
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace

std::int32_t GraphCanvas::nearestSample(double x, double y) const {
    return nearestOf(samples_, x, y, [](const Sample& s) { return WorldPoint{s.b, s.c}; });
}

std::int32_t GraphCanvas::nearestPolarSample(double x, double y) const {
    return nearestOf(samples_, x, y, [this](const Sample& s) { return polarPoint(s.a, s.b); });
}

InsertedValues GraphCanvas::traceInsert(Interpreter& interpreter, double x) {
    if (!hasValidMode() || !std::isfinite(x)) return {};
    const std::optional<Position> at = locate(x);
    if (at && at->u == 0.0) {
        const Sample& kept = samples_[at->index];
        return {true, kept.b, kept.c};
    }
    Sample sample;
    {
        SamplingSession session(interpreter, settings_, compileOnce_);
        if (!session.evaluate(x, sample)) return {};
    }
    std::size_t place = samples_.size();
    if (at) {
        place = at->index + 1;
    } else if (!samples_.empty()) {
        const bool upward = samples_.back().a >= samples_.front().a;
        if (upward ? x < samples_.front().a : x > samples_.front().a) place = 0;
    }
    samples_.insert(samples_.begin() + static_cast<std::ptrdiff_t>(place), sample);
    return {true, sample.b, sample.c};
}

void GraphCanvas::invertPixel(std::int32_t x, std::int32_t y) {
    setPixel(x, y, static_cast<std::uint8_t>(255 - getPixel(x, y)));
}

// Each pixel of the column and the row is complemented once, the crossing too.
void GraphCanvas::toggleCrosshair(double a, double b) {
    WorldPoint p{a, b};
    if (isRectangular()) p = {axisX(a), axisY(b)};
    if (settings_.isMode(CoordinateMode::Polar)) p = polarPoint(a, b);
    const std::optional<std::int32_t> column = pixelX(p.x);
    const std::optional<std::int32_t> row = pixelY(p.y);
    if (column && *column >= 0 && *column < width()) {
        for (std::int32_t y = 0; y < height(); ++y)
            invertPixel(*column, y);
    }
    if (row && *row >= 0 && *row < height()) {
        for (std::int32_t x = 0; x < width(); ++x) {
            if (!column || x != *column) invertPixel(x, *row);
        }
    }
}

}  // namespace zentrel
