// The interpreter: each input runs in a fresh command-line host, line by line
// on one scope as typed lines do, each line within a step budget, with a small
// graphics canvas; every report is formatted as the host shows it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_host.h"

namespace {

// Statements one input line may execute; endless loops end there.
constexpr std::int64_t kStepBudget = 5000;
// Lines run per input, so that one input cannot run for long.
constexpr int kMaxLines = 64;
// Bytes the values may hold, well inside the fuzzer's own limit of the process.
constexpr std::int64_t kMemoryLimit = std::int64_t{256} << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zentrel::FuzzHost host(zentrel::nullSink());
    zentrel::Interpreter& interpreter = host.interpreter();
    interpreter.seedRandom(1);  // the same input always runs the same way
    interpreter.setStepBudget(kStepBudget);
    interpreter.setMemoryLimit(kMemoryLimit);
    for (int line = 1; line <= kMaxLines && !text.empty(); ++line) {
        const std::size_t end = text.find('\n');
        host.runLine(text.substr(0, end), "fuzz", line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    host.closeInput();
    return 0;
}
