// External function files: the input is written as a function file and called
// twice, compiled into the cache and read line by line from the file, then
// listed with its description.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz/fuzz_host.h"

namespace {

constexpr std::int64_t kStepBudget = 5000;
constexpr std::int64_t kMemoryLimit = std::int64_t{256} << 20;

// A folder of this process's own, made once, holding the one function file.
const std::string& functionFolder() {
    static const std::string folder = [] {
        std::string name = "/tmp/zentrel-fuzz-XXXXXX";
        return mkdtemp(name.data()) ? name : std::string("/tmp");
    }();
    return folder;
}

void callOnce(std::int32_t cacheCapacity) {
    zentrel::FuzzHost host(zentrel::nullSink());
    zentrel::Interpreter& interpreter = host.interpreter();
    interpreter.seedRandom(1);
    interpreter.setStepBudget(kStepBudget);
    interpreter.setMemoryLimit(kMemoryLimit);
    host.setSearchPath({functionFolder()});
    interpreter.setCacheSize(cacheCapacity);
    host.runLine("!fz 1 @a @@b [\"text]", "fuzz", 1);
    host.runLine("!fz", "fuzz", 2);
    host.listFunctions();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = functionFolder() + "/fz.vdl";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    callOnce(-1);  // no limit
    callOnce(0);
    return 0;
}
