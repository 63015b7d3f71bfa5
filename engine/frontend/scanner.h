#pragma once

#include <cstddef>
#include <string_view>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/token_kind.h"
#include "engine/values/limits.h"

namespace zentrel {

// Where an item came from in the scanned text: [begin, end).
struct SourceSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Receives the items of one statement in order.
class ScanSink {
  public:
    // A word to classify: a bare word or the contents of a bracket pair, with
    // escapes already applied.
    virtual void word(std::string_view text, SourceSpan span) = 0;
    // An item the scanner recognised itself: a parenthesis, a brace, `[]` or an
    // operator symbol (operatorId is meaningful for TokenKind::Operator only).
    virtual void symbol(TokenKind kind, OperatorId operatorId, SourceSpan span) = 0;

  protected:
    ~ScanSink() = default;
};

// Cuts one statement into words and symbols. Never fails: every byte sequence
// scans to something.
void scanStatement(std::string_view statement, ScanSink& sink);

// True when the text holds nothing but blanks: it scans to no item at all.
bool isBlankText(std::string_view text);

}  // namespace zentrel
