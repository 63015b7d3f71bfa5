#pragma once

#include <cstddef>
#include <string_view>

namespace zentrel {

// One statement of a source text.
struct Statement {
    std::string_view text;         // without its `;` or comment
    std::size_t offset = 0;        // where text starts in the source
    bool endsAtSeparator = false;  // a `;` follows text directly
    bool hasComment = false;       // a `#` follows text directly
    std::string_view comment;      // after the `#`, up to the first CR or LF
};

// Cuts a source text into statements at every `;` and stops at the first `#`.
// Either is escaped by an odd number of backslashes right before it (they stay
// in the statement). The last statement is given even when it is empty, so a
// text always yields at least one.
class StatementSplitter {
  public:
    explicit StatementSplitter(std::string_view source) : source_(source) {}

    // False when every statement has been given.
    bool next(Statement& out);

  private:
    std::string_view source_;
    std::size_t pos_ = 0;
    bool done_ = false;
};

}  // namespace zentrel
