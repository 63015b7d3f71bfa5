#include "engine/interp/array_text.h"

#include <algorithm>

#include "engine/interp/text_escapes.h"

namespace zentrel {

namespace {

int codeOf(const Number& element) {
    return static_cast<int>(static_cast<std::uint64_t>(element.truncInt()) & 0xFF);
}

}  // namespace

std::string readArrayText(const VectorNode& root) {
    std::string text;
    for (std::int32_t i = 0; i < root.count(); ++i) {
        const int code = codeOf(root.element(i));
        if (code == 0) break;
        text += static_cast<char>(code);
    }
    return text;
}

ErrorCode storeArrayText(VectorNode& root, std::int64_t position, std::string_view text,
                         bool fractionRepresentation, std::int64_t* end) {
    const std::string codes = translateEscapes(text);
    if (end) {
        *end = position + static_cast<std::int64_t>(std::min(codes.find('\0'), codes.size()));
    }
    for (std::size_t i = 0; i <= codes.size(); ++i) {
        const bool terminator = i == codes.size();
        const std::int64_t at = position + static_cast<std::int64_t>(i);
        Number* element = nullptr;
        // Only the terminator cuts: a longer old text must not survive after it.
        if (ErrorCode e = terminator ? root.fitTo(at, element) : root.growTo(at, element)) {
            return e;
        }
        const double code = terminator ? 0.0 : static_cast<unsigned char>(codes[i]);
        *element = Number::fromReal(code, fractionRepresentation);
    }
    return kSuccess;
}

void shiftTextCodes(VectorNode& root, int first, int last, int shift, bool fractionRepresentation) {
    for (std::int32_t i = 0; i < root.count(); ++i) {
        Number* element = nullptr;
        const int code = codeOf(root.element(i));
        if (code == 0) break;
        if (code < first || code > last || root.growTo(i, element) != kSuccess) continue;
        *element = Number::fromReal(code + shift, fractionRepresentation);
    }
}

}  // namespace zentrel
