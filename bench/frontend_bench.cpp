#include <benchmark/benchmark.h>

#include <string>

#include "engine/frontend/listing.h"
#include "engine/frontend/program.h"
#include "engine/frontend/token_line.h"

namespace zentrel {
namespace {

struct Modes {
    ContextModes context;
    EngineModes engine;
    ModeView view() const { return ModeView(context, engine); }
};

// What plotting does once per pixel column: compile the expression into a line
// that is reused from column to column.
void compileStatement(benchmark::State& state, const char* statement) {
    Modes modes;
    TokenLine line;
    for (auto _ : state) {
        ErrorCode code = line.compile(modes.view(), statement, true);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(line.head());
    }
}
BENCHMARK_CAPTURE(compileStatement, plot_expression,
                  "sin x * exp ([-] x / 10) + log10 (abs x + 1)");
BENCHMARK_CAPTURE(compileStatement, assignment_chain, "@a = @b = 3");
BENCHMARK_CAPTURE(compileStatement, arithmetic, "1 + 2 * 3 + 4");

// A whole source text into a fresh program, as a run of the interpreter does.
void compileSource(benchmark::State& state, const char* source) {
    Modes modes;
    for (auto _ : state) {
        Program program;
        ErrorCode code = program.addSource(modes.view(), source, true);
        benchmark::DoNotOptimize(code);
        benchmark::DoNotOptimize(program.head());
    }
}
BENCHMARK_CAPTURE(compileSource, plot_expression, "sin x * exp ([-] x / 10) + log10 (abs x + 1)");
BENCHMARK_CAPTURE(compileSource, two_statements, "@a = @b = 3; 1 + 2 * 3 + 4");

void listLine(benchmark::State& state) {
    Modes modes;
    TokenLine line;
    if (line.compile(modes.view(), "sin x * exp ([-] x / 10) + log10 (abs x + 1)", true) != 0) {
        state.SkipWithError("compile failed");
        return;
    }
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const Token* token = line.head(); token; token = token->next()) {
            appendTokenText(out, NoLabels(), modes.view(), token->kind, token->payload);
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(listLine);

// A line far beyond real input: 10 000 nested groups.
void compileDeepNesting(benchmark::State& state) {
    Modes modes;
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "( 1 + 2 * ";
    TokenLine line;
    for (auto _ : state) {
        ErrorCode code = line.compile(modes.view(), text, true);
        benchmark::DoNotOptimize(code);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(compileDeepNesting)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrel
