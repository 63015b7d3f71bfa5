// The compiler: any text compiles or is refused with a code, and listing the
// tokens of a compiled statement for compiling and compiling the listing gives
// the same tokens.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/frontend/listing.h"
#include "engine/frontend/program.h"
#include "engine/values/modes.h"

namespace {

std::string listLine(const zentrel::TokenLine& line, const zentrel::ModeView& modes) {
    std::string out;
    for (const zentrel::Token* token = line.head(); token; token = token->next()) {
        if (!out.empty()) out += ' ';
        out += zentrel::listToken(zentrel::NoLabels(), modes, *token, zentrel::ListingUse::Source);
    }
    return out;
}

}  // namespace

// Input: a flag byte (bit 0: parse number words into constants), then the source text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const bool parseNumbers = (data[0] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    zentrel::ContextModes context;
    zentrel::EngineModes engine;
    const zentrel::ModeView modes(context, engine);

    zentrel::Program program;
    if (program.addSource(modes, text, parseNumbers) != zentrel::kSuccess) return 0;
    // Constants list in the output style of the mode, which need not keep every
    // digit; number words kept as words must come back exactly.
    if (parseNumbers) return 0;
    for (const zentrel::ProgramLine* line = program.head(); line; line = line->next) {
        const std::string listed = listLine(line->tokens, modes);
        zentrel::TokenLine again;
        if (again.compile(modes, listed, false) != zentrel::kSuccess) __builtin_trap();
        if (listLine(again, modes) != listed) __builtin_trap();
    }
    return 0;
}
