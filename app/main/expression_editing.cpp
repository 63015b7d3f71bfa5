#include "app/main/expression_editing.h"

#include <algorithm>
#include <optional>

#include "app/main/name_tokens.h"

namespace zentrel {
namespace {

bool isBlankChar(char c) {
    return c == ' ' || c == '\t';
}

void normalise(FieldText& field) {
    field.end = std::min(field.end, field.text.size());
    field.start = std::min(field.start, field.end);
}

void replaceSelection(FieldText& field, std::string_view text) {
    field.text.replace(field.start, field.end - field.start, text);
    field.start += text.size();
    field.end = field.start;
}

// Keeps the first of each run of blanks; the caret moves left by what went
// before it.
void collapseBlanks(FieldText& field) {
    std::string kept;
    std::size_t caret = field.end;
    for (std::size_t i = 0; i < field.text.size(); ++i) {
        if (i > 0 && isBlankChar(field.text[i]) && isBlankChar(field.text[i - 1])) {
            if (i < field.end) --caret;
            continue;
        }
        kept.push_back(field.text[i]);
    }
    field.text = std::move(kept);
    field.start = field.end = caret;
}

// The start of the UTF-8 character that ends at `position`.
std::size_t previousCharacter(const std::string& text, std::size_t position) {
    std::size_t at = position - 1;
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

}  // namespace

void insertPlain(FieldText& field, std::string_view text) {
    normalise(field);
    replaceSelection(field, text);
}

void insertTokenAware(FieldText& field, std::string_view text) {
    normalise(field);
    const std::size_t caret = field.start;
    std::optional<TextSpan> name = nameTokenAt(field.text, caret);
    if (!name && caret > 0 && caret < field.text.size() && isBlankChar(field.text[caret])) {
        // Directly behind a name only a blank at the caret lets it be replaced.
        name = nameTokenAt(field.text, caret - 1);
    }
    if (name) {
        field.start = name->begin;
        field.end = std::max(field.end, std::min(name->end + 1, field.text.size()));
    }
    replaceSelection(field, text);
    collapseBlanks(field);
}

void wrapSelection(FieldText& field, std::string_view prefix, bool tokenAware) {
    normalise(field);
    if (field.start == field.end) {
        if (field.end == 0) return;
        field.start = 0;
    }
    std::string wrapped(prefix);
    wrapped.append(field.text, field.start, field.end - field.start);
    wrapped.push_back(')');
    if (tokenAware) {
        insertTokenAware(field, wrapped);
    } else {
        insertPlain(field, wrapped);
    }
}

void deleteInExpression(FieldText& field) {
    normalise(field);
    std::size_t at = field.start;
    if (at < field.text.size() && isBlankChar(field.text[at]) && at > 0) --at;
    std::optional<TextSpan> name = nameTokenAt(field.text, at);
    // A caret directly behind a name is on it too.
    if (!name && at > 0) {
        name = nameTokenAt(field.text, at - 1);
        if (name && name->end != at) name.reset();
    }
    if (name) {
        std::size_t end = name->end;
        if (end < field.text.size() && isBlankChar(field.text[end])) ++end;
        field.start = name->begin;
        field.end = std::max(field.end, end);
        replaceSelection(field, "");
        return;
    }
    deleteInNumber(field);
}

void deleteInNumber(FieldText& field) {
    normalise(field);
    if (field.start == field.end) {
        if (field.start == 0) return;
        field.start = previousCharacter(field.text, field.start);
    }
    replaceSelection(field, "");
}

}  // namespace zentrel
