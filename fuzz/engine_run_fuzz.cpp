// The interpreter: each input runs in a fresh engine, line by line on one
// scope as typed lines do, each line within a step budget; every report is
// formatted as a host would show it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/strings/string_table.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"

namespace {

// Statements one input line may execute; endless loops end there.
constexpr std::int64_t kStepBudget = 5000;
// Lines run per input, so that one input cannot run for long.
constexpr int kMaxLines = 64;

// Formats every report and shows nothing. When the engine gains its canvas,
// this is where a small bounded canvas is given to it.
class QuietHost : public zentrel::Engine {
  protected:
    void reportStatus(zentrel::ErrorCode code, std::int32_t, std::string_view,
                      std::string_view tokenText) override {
        zentrel::formatReport(code, tokenText);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    QuietHost host;
    zentrel::Context ctx;
    host.shared().random.seed = 1;  // the same input always runs the same way
    host.setStepBudget(kStepBudget);
    for (int lines = 0; lines < kMaxLines && !text.empty(); ++lines) {
        const std::size_t end = text.find('\n');
        host.run(ctx, text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}
