#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "bench/allocation_counter.h"
#include "engine/frontend/program.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/standard_tables.h"

namespace zentrel {
namespace {

// Runs the text through Engine::run (compile and evaluate) and reports the heap
// allocations of one run and of compiling alone.
void runStatement(benchmark::State& state, std::string_view setup, std::string_view text) {
    Host host;
    Engine engine(host, standardDispatchTables());
    Context ctx;
    engine.run(ctx, setup);
    engine.run(ctx, text);  // warm-up: grows whatever grows once
    const std::size_t before = allocationCount();
    for (auto _ : state)
        engine.run(ctx, text);
    const double perRun =
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations());

    const std::size_t compileBefore = allocationCount();
    {
        Program program;
        benchmark::DoNotOptimize(program.addSource(engine.modes(ctx), text, true));
    }
    state.counters["allocs/run"] = perRun;
    state.counters["allocs/compile"] = static_cast<double>(allocationCount() - compileBefore);
}

void BM_RunArithmetic(benchmark::State& state) {
    runStatement(state, "", "1 + 2 * 3 + 4");
}
BENCHMARK(BM_RunArithmetic);

void BM_RunIncrementVariable(benchmark::State& state) {
    runStatement(state, "@a = 0", "@a = @a + 1");
}
BENCHMARK(BM_RunIncrementVariable);

void BM_RunIncrementArrayElement(benchmark::State& state) {
    runStatement(state, "@@v 3 = 0", "@@v 3 = @@v 3 + 1");
}
BENCHMARK(BM_RunIncrementArrayElement);

void BM_RunIncrementNamedVariable(benchmark::State& state) {
    runStatement(state, ":var total; total = 0", "total = total + 1");
}
BENCHMARK(BM_RunIncrementNamedVariable);

// What a user-function call pays for its scope: a fresh Context that takes over
// the caller's labelled variables.
void BM_MakeCallScope(benchmark::State& state) {
    Host host;
    Engine engine(host, standardDispatchTables());
    Context caller;
    engine.run(caller, ":var a b c; :define K 2; @@m { 1 2 3 }");
    for (auto _ : state) {
        Context child;
        benchmark::DoNotOptimize(child.variables.copyLabelled(caller.variables));
        benchmark::DoNotOptimize(&child);
    }
}
BENCHMARK(BM_MakeCallScope);

void BM_RunFractionProduct(benchmark::State& state) {
    runStatement(state, ":fract", "(1 2) * (3 4)");
}
BENCHMARK(BM_RunFractionProduct);

// Runs a loop of `iterations` passes through the recorder: compiled and
// recorded once per run, then replayed. The counters give the cost of one
// pass and the heap allocations a pass adds (0: replaying neither copies nor
// compiles statements, and evaluating them does not allocate).
void runLoop(benchmark::State& state, std::string_view setup, std::string_view body) {
    constexpr int kIterations = 1000;
    const auto loopText = [body](int n) {
        return "for @i = 0; @i [<] " + std::to_string(n) + "; @i++; " + std::string(body) +
               "; next";
    };
    const std::string text = loopText(kIterations);
    Host host;
    Engine engine(host, standardDispatchTables());
    Context ctx;
    engine.run(ctx, setup);
    engine.run(ctx, text);  // warm-up
    for (auto _ : state)
        engine.run(ctx, text);
    state.SetItemsProcessed(state.iterations() * kIterations);

    const auto allocationsOfRun = [&](const std::string& loop) {
        const std::size_t before = allocationCount();
        engine.run(ctx, loop);
        return allocationCount() - before;
    };
    const std::size_t one = allocationsOfRun(loopText(1));
    const std::size_t many = allocationsOfRun(text);
    state.counters["allocs/pass"] =
        static_cast<double>(many - one) / static_cast<double>(kIterations - 1);
}

void BM_ReplayForLoop(benchmark::State& state) {
    runLoop(state, "@s = 0", "@s += @i");
}
BENCHMARK(BM_ReplayForLoop);

void BM_ReplayLoopWithIf(benchmark::State& state) {
    runLoop(state, "@s = 0", "if @i % 2; @s += @i; else; @s -= 1; endif");
}
BENCHMARK(BM_ReplayLoopWithIf);

// One pass calls a one-statement user function: the cost of a call.
void BM_CallUserFunction(benchmark::State& state) {
    runLoop(state, "@s = 0; func f x; return @0 * @0 + 1; endfunc", "@s += f @i");
}
BENCHMARK(BM_CallUserFunction);

// The same call from a scope with named constants and variables, which every
// call scope takes over.
void BM_CallUserFunctionFromNamedScope(benchmark::State& state) {
    runLoop(state, ":define K 2; :var total limit; @s = 0; func f x; return @0 * K; endfunc",
            "@s += f @i");
}
BENCHMARK(BM_CallUserFunctionFromNamedScope);

}  // namespace
}  // namespace zentrel
