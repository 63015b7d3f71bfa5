#include "engine/frontend/program.h"

#include <new>

#include "engine/frontend/name_tables.h"
#include "engine/frontend/scanner.h"
#include "engine/frontend/statement_splitter.h"

namespace zentrel {

ProgramLine& Program::appendLine() {
    lines_.push_back(std::make_unique<ProgramLine>());
    ProgramLine& line = *lines_.back();
    line.lineNumber = lineCounter_;
    if (lines_.size() > 1) lines_[lines_.size() - 2]->next = &line;
    if (!current_) current_ = &line;
    return line;
}

ErrorCode Program::addSource(const ModeView& modes, std::string_view text, bool parseNumbers) {
    text = text.substr(0, text.find('\0'));
    StatementSplitter splitter(text);
    Statement statement;
    try {
        while (splitter.next(statement)) {
            if (!statement.hasComment && isBlankText(statement.text) &&
                blankIsRedundant(tail(),
                                 lines_.size() > 1 ? lines_[lines_.size() - 2].get() : nullptr)) {
                continue;
            }
            ProgramLine& line = appendLine();
            if (statement.hasComment) line.comment.emplace(statement.comment);
            if (ErrorCode code = line.tokens.compile(modes, statement.text, parseNumbers)) {
                return code;
            }
        }
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    ++lineCounter_;
    return kSuccess;
}

bool isBlankStatement(const ProgramLine& line) {
    return line.tokens.count() == 0 && !line.comment;
}

bool blankIsRedundant(const ProgramLine* previous, const ProgramLine* beforePrevious) {
    if (!previous || !isBlankStatement(*previous)) return false;
    const Token* first = beforePrevious ? beforePrevious->tokens.head() : nullptr;
    return !first || first->kind != TokenKind::Control ||
           first->payload.asByte() != idByte(ControlId::For);
}

void Program::dropAllButTail() {
    if (lines_.size() < 2) return;
    lines_.erase(lines_.begin(), lines_.end() - 1);
    if (current_ && current_ != lines_.back().get()) current_ = nullptr;
}

ErrorCode copyProgramLine(const ProgramLine& source, ProgramLine& target) {
    target.lineNumber = source.lineNumber;
    try {
        target.comment = source.comment;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return target.tokens.copyFrom(source.tokens);
}

ErrorCode Program::appendCopy(const ProgramLine& line) {
    try {
        ProgramLine& copy = appendLine();
        return copyProgramLine(line, copy);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

ProgramLine* Program::takeNext() {
    ProgramLine* line = current_;
    if (line) current_ = line->next;
    return line;
}

void Program::clear() {
    lines_.clear();
    current_ = nullptr;
}

}  // namespace zentrel
