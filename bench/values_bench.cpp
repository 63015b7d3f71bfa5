#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/values/fraction.h"
#include "engine/values/modes.h"
#include "engine/values/number.h"
#include "engine/values/number_text.h"
#include "engine/values/value.h"

namespace zentrel {
namespace {

// Typical number words in the modes they are written in.
struct LiteralSample {
    NumberMode mode;
    std::int32_t radix;
    std::string_view text;
};

constexpr std::array<LiteralSample, 10> kLiteralSamples{{
    {NumberMode::GFloat, 10, "3.14159"},
    {NumberMode::Fract, 10, "1_3"},
    {NumberMode::ULong, 16, "\\x1F"},
    {NumberMode::Complex, 10, "3+4i"},
    {NumberMode::GFloat, 10, "'A"},
    {NumberMode::EFloat, 10, "1.5e+3"},
    {NumberMode::MFract, 10, "7_4"},
    {NumberMode::Short, 16, "ff"},
    {NumberMode::Float, 10, "180d"},
    {NumberMode::Long, 10, "-42"},
}};

struct SampleModes {
    ContextModes context;
    EngineModes engine;

    explicit SampleModes(const LiteralSample& sample) {
        applyNumberMode(context, engine, sample.mode);
        context.radix = sample.radix;
    }
    ModeView view() const { return ModeView(context, engine); }
};

void BM_ParseLiteral(benchmark::State& state) {
    const LiteralSample& sample = kLiteralSamples[static_cast<std::size_t>(state.range(0))];
    const SampleModes modes(sample);
    Number n;
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseLiteral(modes.view(), sample.text, n));
        benchmark::DoNotOptimize(n);
    }
    state.SetLabel(std::string(sample.text));
}
BENCHMARK(BM_ParseLiteral)->DenseRange(0, kLiteralSamples.size() - 1);

void BM_FormatNumber(benchmark::State& state) {
    const LiteralSample& sample = kLiteralSamples[static_cast<std::size_t>(state.range(0))];
    const SampleModes modes(sample);
    Number n;
    if (!parseLiteral(modes.view(), sample.text, n)) state.SkipWithError("not a literal");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatNumber(modes.view(), n));
    state.SetLabel(std::string(sample.text));
}
BENCHMARK(BM_FormatNumber)->DenseRange(0, kLiteralSamples.size() - 1);

void BM_FractionAdd(benchmark::State& state) {
    const Fraction step{0, 1, 7};
    const Fraction start{0, 3, 4};
    for (auto _ : state) {
        Fraction a = start;
        a.add(step);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_FractionAdd);

void BM_FractionMultiply(benchmark::State& state) {
    const Fraction factor{1, 22, 7};
    const Fraction start{0, 355, 113};
    for (auto _ : state) {
        Fraction a = start;
        a.multiply(factor);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_FractionMultiply);

void BM_ScalarValueAssign(benchmark::State& state) {
    const Value source(Number::fromComplex({3.25, 0.0}));
    Value target;
    for (auto _ : state) {
        benchmark::DoNotOptimize(target.assign(source));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScalarValueAssign);

void BM_NormalizeToModeInteger(benchmark::State& state) {
    Value v(Number::fromComplex({300.75, 0.0}));
    for (auto _ : state) {
        v.first().complex.re = 300.75;
        normalizeToMode(v, NumberMode::UChar);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_NormalizeToModeInteger);

}  // namespace
}  // namespace zentrel
