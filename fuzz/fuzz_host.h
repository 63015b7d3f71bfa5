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

// The null device, opened once for every run of the process.
inline std::FILE* nullSink() {
    static std::FILE* const sink = std::fopen("/dev/null", "w");
    return sink;
}

}  // namespace zentrel
