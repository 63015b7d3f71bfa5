#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/interpreter.h"

namespace zentrel {
namespace {

// A host with one folder holding f.vdl, counting how often the folder list is
// asked for: a call served from the cache must not ask at all.
class FolderHost : public Host {
  public:
    explicit FolderHost(std::string folder) : folder_(std::move(folder)) {}
    mutable std::size_t folderLookups = 0;

    bool functionFolder(std::size_t index, std::string& folder) const override {
        ++folderLookups;
        if (index > 0) return false;
        folder = folder_;
        return true;
    }
    std::string functionExtension() const override { return ".vdl"; }

  private:
    std::string folder_;
};

constexpr int kCalls = 10000;

// Runs a loop of kCalls calls of a one-line external function per iteration.
void callLoop(benchmark::State& state, std::int32_t cacheSize) {
    std::string folder = (std::filesystem::temp_directory_path() / "zentrel-bench-XXXXXX");
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    std::ofstream(folder + "/f.vdl") << "return @0 * @0 + 1\n";
    FolderHost host(folder);
    Interpreter interpreter(host);
    interpreter.setCacheSize(cacheSize);
    const std::string loop =
        "@s = 0; for @i = 0; @i [<] " + std::to_string(kCalls) + "; @i++; @s += !f @i; next";
    interpreter.run(loop);  // warm-up: the first call compiles the file
    host.folderLookups = 0;
    for (auto _ : state)
        interpreter.run(loop);
    const double calls = static_cast<double>(state.iterations()) * kCalls;
    state.SetItemsProcessed(static_cast<std::int64_t>(calls));
    // CPU seconds per call, shown with an SI prefix (n, u).
    state.counters["time/call"] =
        benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["folder lookups/call"] = static_cast<double>(host.folderLookups) / calls;
    std::filesystem::remove_all(folder);
}

void BM_CallCachedExternalFunction(benchmark::State& state) {
    callLoop(state, -1);
}
BENCHMARK(BM_CallCachedExternalFunction)->Unit(benchmark::kMillisecond);

// With caching off every call finds, opens and reads the file: for comparison.
void BM_CallExternalFunctionFromFile(benchmark::State& state) {
    callLoop(state, 0);
}
BENCHMARK(BM_CallExternalFunctionFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrel
