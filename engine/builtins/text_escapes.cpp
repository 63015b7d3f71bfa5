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

}  // namespace zentrel
