#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend/token_line.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"

namespace zentrel {

// One compiled statement of a program.
struct ProgramLine {
    TokenLine tokens;
    std::int32_t lineNumber = 0;         // the program's lineCounter when compiled
    std::optional<std::string> comment;  // the text after `#`, if there was one
    ProgramLine* next = nullptr;
};

// A statement with neither a token nor a comment: it does nothing.
bool isBlankStatement(const ProgramLine& line);

// Whether a blank statement after `previous`, itself after `beforePrevious`
// (either null when there is none), may be left out: after another blank one it
// changes nothing, unless that one fills the condition slot of a `for` (the two
// statements after a `for` are its condition and update, even when blank).
bool blankIsRedundant(const ProgramLine* previous, const ProgramLine* beforePrevious);

// Makes `target` a deep copy of `source`: tokens, line number and comment, not
// the link to the next line.
[[nodiscard]] ErrorCode copyProgramLine(const ProgramLine& source, ProgramLine& target);

// A compiled source text: statements in order, with a cursor for the
// interpreter. Lines never move once added.
class Program {
  public:
    explicit Program(std::int32_t firstLineNumber = 0) : lineCounter_(firstLineNumber) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Splits the text into statements and appends one line per statement, all
    // numbered with the current lineCounter, which then advances by one; a run
    // of blank statements (empty lines, `;;;`) is kept as one, so that they
    // cost next to nothing. On failure the lines compiled so far stay and the
    // code of the failure is returned. The text ends at its first NUL.
    [[nodiscard]] ErrorCode addSource(const ModeView& modes, std::string_view text,
                                      bool parseNumbers);
    // Appends a deep copy of a line compiled elsewhere; it keeps its line number.
    [[nodiscard]] ErrorCode appendCopy(const ProgramLine& line);

    ProgramLine* head() const { return lines_.empty() ? nullptr : lines_.front().get(); }
    ProgramLine* tail() const { return lines_.empty() ? nullptr : lines_.back().get(); }
    // Frees every line but the last, for a text run line by line whose lines
    // have all been executed or recorded; the last one may still be reported.
    void dropAllButTail();
    std::size_t lineCount() const { return lines_.size(); }

    // The statement to execute next; a line added while it is null becomes it.
    ProgramLine* current() const { return current_; }
    void setCurrent(ProgramLine* line) { current_ = line; }
    // Returns the current line and moves on to the next; null at the end.
    ProgramLine* takeNext();

    std::int32_t lineCounter() const { return lineCounter_; }
    void setLineCounter(std::int32_t value) { lineCounter_ = value; }

    void clear();

  private:
    ProgramLine& appendLine();

    std::vector<std::unique_ptr<ProgramLine>> lines_;
    ProgramLine* current_ = nullptr;
    std::int32_t lineCounter_;
};

}  // namespace zentrel
