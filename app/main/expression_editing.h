#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentrel {

// A field's text with its selection, as byte offsets into the UTF-8 text;
// with nothing selected both ends are the caret.
struct FieldText {
    std::string text;
    std::size_t start = 0;
    std::size_t end = 0;

    friend bool operator==(const FieldText&, const FieldText&) = default;
};

// Numeric fields: the text replaces the selection.
void insertPlain(FieldText& field, std::string_view text);
// Expression fields: a function name or external call under the caret is
// replaced as a whole (with the character after it), then every run of
// blanks and tabs is collapsed to its first character.
void insertTokenAware(FieldText& field, std::string_view text);
// Puts prefix + the selection (or, with nothing selected, everything before
// the caret) + ")" in its place; with nothing to take nothing happens. The
// expression fields put it in with the token-aware insert.
void wrapSelection(FieldText& field, std::string_view prefix, bool tokenAware);
// The DEL key in an expression field: a function name or external call at
// the caret goes with one blank after it; otherwise as in a numeric field.
void deleteInExpression(FieldText& field);
// The DEL key in a numeric field: the selection, else the character before
// the caret.
void deleteInNumber(FieldText& field);

}  // namespace zentrel
