#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bench/allocation_counter.h"
#include "engine/interpreter.h"
#include "graphics/canvas.h"
#include "graphics/graph_canvas.h"
#include "graphics/standard_glyphs.h"

namespace zentrel {
namespace {

constexpr std::int32_t kWidth = 2000;
constexpr std::int32_t kHeight = 1000;

// 2000 segments with ends a little beyond the raster, so some are clipped.
std::vector<PixelSegment> randomSegments() {
    std::mt19937 generator(12345);
    std::uniform_int_distribution<std::int32_t> xs(-200, kWidth + 200);
    std::uniform_int_distribution<std::int32_t> ys(-200, kHeight + 200);
    std::vector<PixelSegment> segments(2000);
    for (PixelSegment& s : segments)
        s = {{xs(generator), ys(generator)}, {xs(generator), ys(generator)}};
    return segments;
}

// One iteration is one line; the 2000 segments are drawn in turn.
void BM_RandomLine(benchmark::State& state) {
    Canvas canvas;
    canvas.create(kWidth, kHeight, true);
    canvas.setColour(9);
    const std::vector<PixelSegment> segments = randomSegments();
    std::size_t next = 0;
    for (auto _ : state) {
        const PixelSegment& s = segments[next];
        benchmark::DoNotOptimize(canvas.line(s.from.x, s.from.y, s.to.x, s.to.y));
        next = next + 1 == segments.size() ? 0 : next + 1;
    }
    benchmark::DoNotOptimize(canvas.getPixel(0, 0));
}
BENCHMARK(BM_RandomLine);

void BM_FillWholeCanvas(benchmark::State& state) {
    Canvas canvas;
    canvas.create(kWidth, kHeight, true);
    std::uint8_t colour = 0;
    for (auto _ : state) {
        canvas.setColour(++colour);
        canvas.fillRect(0, 0, kWidth, kHeight);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(canvas.getPixel(kWidth - 1, kHeight - 1));
}
BENCHMARK(BM_FillWholeCanvas);

void BM_DrawTenDigits(benchmark::State& state) {
    Canvas canvas;
    canvas.create(kWidth, kHeight, true);
    defineStandardGlyphs(canvas);
    for (auto _ : state) {
        canvas.movePen(100, 500);
        canvas.drawText("1234567890", 7);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(canvas.getPixel(100, 495));
}
BENCHMARK(BM_DrawTenDigits);

// A 2000 x 1000 graph of x in [-10, 10], y in [-2, 2], the variable x labelled.
struct PlotFixture {
    Host host;
    Interpreter interpreter{host};
    GraphCanvas canvas;

    PlotFixture() {
        canvas.create(kWidth, kHeight, true);
        canvas.setWindow(-10.0, -2.0, 10.0, 2.0);
        defineStandardGlyphs(canvas);
        interpreter.attachCanvas(&canvas);
        (void)interpreter.defineVariableLabel("x", 'x');
        canvas.setExpression("sin x * exp ([-] x / 10)");
        canvas.setColour(249);
    }
    bool plotWholeWidth() {
        return canvas.plot(interpreter, canvas.worldX(0), canvas.worldX(kWidth - 1), 0.0);
    }
};

// Sampling and drawing one sample per column; arg 1 compiles the expression once
// per plot, arg 0 for every sample.
// Also the heap allocations a plot makes, per sample: a compiled expression
// samples without allocating, only the plot itself does.
void BM_PlotDampedSine(benchmark::State& state) {
    PlotFixture f;
    f.canvas.setCompileOnce(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.plotWholeWidth());
    }
    state.counters["samples"] = f.canvas.sampleCount();
    const std::size_t before = allocationCount();
    f.plotWholeWidth();
    state.counters["allocs/sample"] = static_cast<double>(allocationCount() - before) /
                                      static_cast<double>(f.canvas.sampleCount());
}
BENCHMARK(BM_PlotDampedSine)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_RedrawSamples(benchmark::State& state) {
    PlotFixture f;
    f.plotWholeWidth();
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.canvas.redrawSamples());
    }
    state.counters["samples"] = f.canvas.sampleCount();
}
BENCHMARK(BM_RedrawSamples)->Unit(benchmark::kMicrosecond);

void BM_DrawGrid(benchmark::State& state) {
    PlotFixture f;
    GridStyle style;
    style.unitX = 0.1;
    style.unitY = 0.1;
    style.textEveryX = 5;
    style.textEveryY = 5;
    for (auto _ : state) {
        f.canvas.drawGrid(style);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrel
