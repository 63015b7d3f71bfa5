#include <benchmark/benchmark.h>

#include <cmath>
#include <string_view>

#include "engine/frontend/program.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/standard_tables.h"

namespace zentrel {
namespace {

// What a plot does for one curve: 2000 samples over [-10, 10], each setting the
// argument variable and compiling and running the expression anew.
constexpr int kSamples = 2000;
constexpr std::string_view kCurve = "sin @x * exp ([-] @x / 10)";

double sampleX(int i) {
    return -10.0 + 20.0 * i / (kSamples - 1);
}

void BM_PlotCurve(benchmark::State& state) {
    Host host;
    Engine engine(host, standardDispatchTables());
    engine.showResult = false;  // a plot reads the answer; nothing is shown
    Context ctx;
    double sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i) {
            ctx.variables.value('x') = Number::fromReal(sampleX(i), false);
            engine.run(ctx, kCurve);
            sum += ctx.answer().first().complex.re;
        }
    }
    benchmark::DoNotOptimize(sum);
    state.counters["us/sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kSamples,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlotCurve)->Unit(benchmark::kMillisecond);

// The compiling share of the above: the same 2000 compilations without running.
void BM_CompileCurve(benchmark::State& state) {
    Host host;
    Engine engine(host, standardDispatchTables());
    Context ctx;
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i) {
            Program program;
            benchmark::DoNotOptimize(program.addSource(engine.modes(ctx), kCurve, true));
        }
    }
}
BENCHMARK(BM_CompileCurve)->Unit(benchmark::kMillisecond);

// The floor: the same curve as a plain C++ loop.
void BM_CurveInCpp(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            const double x = sampleX(i);
            sum += std::sin(x) * std::exp(-x / 10);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CurveInCpp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrel
