// The interpreter: each input runs in a fresh command-line host, line by line
// on one scope as typed lines do, each line within a step budget, with a small
// graphics canvas; every report is formatted as the host shows it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zentrel::FuzzHost host(zentrel::nullSink());
    zentrel::runFuzzInput(host, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
