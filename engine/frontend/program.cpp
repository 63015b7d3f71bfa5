#include "engine/frontend/program.h"

#include <new>

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
