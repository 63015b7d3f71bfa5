// The compiler: any text compiles or is refused with a code, and listing the
// tokens of a compiled statement and compiling the listing gives the same tokens.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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
        out += zentrel::listToken(zentrel::NoLabels(), modes, *token);
    }
    return out;
}

// Words and variable letters are listed as they are, for messages: one that
// holds a blank, a symbol or a byte outside printable ASCII (put there by an
// escape or an unclosed bracket) does not read back as one word.
bool plainWord(std::string_view text) {
    for (char c : text) {
        if (c <= ' ' || c > '~' || std::strchr("(){}[],=?+-<>:*/%&^|;#\\\"", c)) return false;
    }
    return true;
}

bool listsAsWritten(const zentrel::TokenLine& line) {
    for (const zentrel::Token* token = line.head(); token; token = token->next()) {
        switch (token->kind) {
            case zentrel::TokenKind::Name:
            case zentrel::TokenKind::ExternalCall:
                if (!plainWord(token->payload.asText())) return false;
                break;
            case zentrel::TokenKind::Variable:
            case zentrel::TokenKind::Array:
                if (!std::isalnum(token->payload.asByte()) && token->payload.asByte() != 0) {
                    return false;
                }
                break;
            default:
                break;
        }
    }
    return true;
}

// The round trip is checked when ZENTREL_FUZZ_ROUND_TRIP is set (scripts/fuzz
// sets it): it still fails on open findings of the precedence pass, so the
// smoke runs of scripts/test check only that compiling never fails badly.
bool checkRoundTrip = false;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    checkRoundTrip = std::getenv("ZENTREL_FUZZ_ROUND_TRIP") != nullptr;
    return 0;
}

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
    if (parseNumbers || !checkRoundTrip) return 0;
    for (const zentrel::ProgramLine* line = program.head(); line; line = line->next) {
        if (!listsAsWritten(line->tokens)) continue;
        const std::string listed = listLine(line->tokens, modes);
        zentrel::TokenLine again;
        if (again.compile(modes, listed, false) != zentrel::kSuccess) __builtin_trap();
        if (listLine(again, modes) != listed) __builtin_trap();
    }
    return 0;
}
