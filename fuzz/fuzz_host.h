#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/cli_host.h"

namespace zentrel {

// The command-line host as the fuzz targets run it: everything it prints goes
// to the null device, :scan reads nothing, and the raster stays small so that
// no input spends its time filling a large picture.
class FuzzHost final : public CliHost {
  public:
    static constexpr std::int32_t kMaxCanvasSide = 256;

    explicit FuzzHost(std::FILE* sink) : CliHost(sink, sink) {}

  protected:
    bool createWorld(EngineCanvas& canvas, std::int32_t width, std::int32_t height) override {
        return width <= kMaxCanvasSide && height <= kMaxCanvasSide &&
               CliHost::createWorld(canvas, width, height);
    }
    bool readInput(std::string_view, std::string&) override { return false; }
};

// Statements one input line may execute; endless loops end there.
constexpr std::int64_t kFuzzStepBudget = 5000;
// Lines run per input, so that one input cannot run for long.
constexpr int kFuzzMaxLines = 64;
// Bytes the values may hold, well inside the fuzzer's own limit of the process.
constexpr std::int64_t kFuzzMemoryLimit = std::int64_t{256} << 20;

// Runs an input as the interpreter's fuzz target does: line by line on one
// scope as typed lines run, each line within the step budget, then the end of
// the input.
inline void runFuzzInput(FuzzHost& host, std::string_view text) {
    Interpreter& interpreter = host.interpreter();
    interpreter.seedRandom(1);  // the same input always runs the same way
    interpreter.setStepBudget(kFuzzStepBudget);
    interpreter.setMemoryLimit(kFuzzMemoryLimit);
    for (int line = 1; line <= kFuzzMaxLines && !text.empty(); ++line) {
        const std::size_t end = text.find('\n');
        host.runLine(text.substr(0, end), "fuzz", line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    host.closeInput();
}

// The null device, opened once for every run of the process.
inline std::FILE* nullSink() {
    static std::FILE* const sink = std::fopen("/dev/null", "w");
    return sink;
}

}  // namespace zentrel
