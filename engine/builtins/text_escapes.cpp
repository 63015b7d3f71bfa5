#include "engine/builtins/text_escapes.h"

namespace zentrel {

namespace {

char escapedCode(char c) {
    switch (c) {
        case '0':
            return 0;
        case 'a':
            return 7;
        case 'b':
            return 8;
        case 'e':
            return 27;
        case 'f':
            return 12;
        case 'n':
            return 10;
        case 'r':
            return 13;
        case 't':
            return 9;
        case 'v':
            return 11;
        default:
            return c;
    }
}

bool endsLine(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::string translateEscapes(std::string_view text) {
    std::string codes;
    codes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            codes += text[i];
        } else if (++i < text.size()) {
            codes += escapedCode(text[i]);
        }
    }
    return codes;
}

std::string prepareUserText(std::string_view text, bool fromFile, std::string_view fileName) {
    std::string line;
    for (std::size_t i = 0; i < text.size() && line.size() < kMaxUserTextLength; ++i) {
        const char c = text[i];
        if (endsLine(c)) break;
        if (c == '\\') {
            if (++i == text.size() || endsLine(text[i])) break;
            line += text[i];
        } else if (c == '-' && fromFile) {
            line += fileName.substr(0, kMaxUserTextLength - line.size());
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace zentrel
