#include "engine/builtins/user_text.h"

#include "engine/interp/context.h"

namespace zentrel {

namespace {

bool endsLine(char c) {
    return c == '\r' || c == '\n';
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Cuts to the limit, then back to the start of a character.
void bound(std::string& line) {
    if (line.size() <= kMaxUserTextLength) return;
    std::size_t end = kMaxUserTextLength;
    while (end > 0 && isContinuationByte(line[end]))
        --end;
    line.resize(end);
}

}  // namespace

std::string prepareUserText(std::string_view text, const Context& ctx) {
    std::string line;
    for (std::size_t i = 0; i < text.size() && !endsLine(text[i]); ++i) {
        char c = text[i];
        if (c == '\\') {
            if (i + 1 == text.size() || endsLine(text[i + 1])) break;
            line += text[++i];
        } else if (c == '-' && ctx.inFile) {
            line += ctx.fileName;
        } else {
            line += c;
        }
        if (line.size() > kMaxUserTextLength) break;
    }
    bound(line);
    return line;
}

}  // namespace zentrel
