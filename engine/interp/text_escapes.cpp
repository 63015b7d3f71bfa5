#include "engine/interp/text_escapes.h"

#include "engine/values/character_escapes.h"

namespace zentrel {

std::string translateEscapes(std::string_view text) {
    std::string codes;
    codes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            codes += text[i];
        } else if (++i < text.size()) {
            codes += escapedCharacter(text[i]);
        }
    }
    return codes;
}

}  // namespace zentrel
