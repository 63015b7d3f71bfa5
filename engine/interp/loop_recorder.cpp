#include "engine/interp/loop_recorder.h"

#include <new>
#include <utility>

#include "engine/frontend/name_tables.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/for_rewrite.h"

namespace zentrel {

namespace {

// The control keyword a statement starts with, if any.
// The statement of the block's `back`-th entry from the end (1 the last), or
// null when there is none or it is a nested block.
const ProgramLine* recordedStatement(const RecordedBlock& block, std::size_t back) {
    if (block.entries.size() < back) return nullptr;
    return block.entries[block.entries.size() - back].statement.get();
}

bool leadingControl(const ProgramLine& line, ControlId& id) {
    const Token* first = line.tokens.head();
    if (!first || first->kind != TokenKind::Control) return false;
    id = static_cast<ControlId>(first->payload.asByte());
    return true;
}

// The block a closing keyword ends; Root for keywords that close nothing.
BlockType blockClosedBy(ControlId id) {
    switch (id) {
        case ControlId::Until:
            return BlockType::Do;
        case ControlId::Endwhile:
            return BlockType::While;
        case ControlId::Next:
            return BlockType::For;
        case ControlId::Endfunc:
            return BlockType::Func;
        default:
            return BlockType::Root;
    }
}

BlockType blockOpenedBy(ControlId id) {
    switch (id) {
        case ControlId::Do:
            return BlockType::Do;
        case ControlId::While:
            return BlockType::While;
        case ControlId::For:
            return BlockType::For;
        case ControlId::Func:
            return BlockType::Func;
        default:
            return BlockType::Root;
    }
}

ErrorCode goOn(ErrorCode appended) {
    return appended == kSuccess ? kRecordGoOn : appended;
}

RecordedBlock* firstNested(const RecordedBlock& block) {
    for (const RecordedEntry& entry : block.entries) {
        if (entry.block) return entry.block.get();
    }
    return nullptr;
}

}  // namespace

RecordedBlock::~RecordedBlock() {
    // Walk down to a block without nested blocks and free it; its parent is
    // visited again until nothing nested is left below this one.
    RecordedBlock* node = this;
    for (;;) {
        if (RecordedBlock* nested = firstNested(*node)) {
            node = nested;
            continue;
        }
        if (node == this) return;
        RecordedBlock* parent = node->parent;
        for (RecordedEntry& entry : parent->entries) {
            if (entry.block.get() == node) entry.block.reset();
        }
        node = parent;
    }
}

ErrorCode LoopRecorder::begin(const ProgramLine& opener) {
    clear();
    try {
        root_ = std::make_unique<RecordedBlock>(BlockType::Root);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    open_ = root_.get();
    if (const Token* keyword = opener.tokens.head()) openerToken_ = *keyword;
    openerLine_ = opener.lineNumber;
    return record(opener);
}

ErrorCode LoopRecorder::record(const ProgramLine& line) {
    // Blank lines inside a loop cost nothing: a run of them is kept as one.
    if (isBlankStatement(line) &&
        blankIsRedundant(recordedStatement(*open_, 1), recordedStatement(*open_, 2))) {
        return kRecordGoOn;
    }
    ControlId id{};
    if (!leadingControl(line, id)) return goOn(append(line, EntryRole::Plain));
    const BlockType opened = blockOpenedBy(id);
    if (opened == BlockType::Func && open_->type == BlockType::Func) return kErrNestedFunc;
    // A function body is kept as plain text: its loops are recorded when it runs.
    if (opened != BlockType::Root && open_->type != BlockType::Func) {
        return goOn(openBlock(line, opened));
    }
    const BlockType closed = blockClosedBy(id);
    if (closed == BlockType::Root || closed != open_->type) {
        return goOn(append(line, EntryRole::Plain));
    }

    if (ErrorCode e = append(line, EntryRole::Closer)) return e;
    RecordedBlock& block = *open_;
    if (closed == BlockType::For) {
        if (ErrorCode e = rewriteForBlock(block.entries)) return e;
    }
    open_ = block.parent;
    if (open_ != root_.get()) return kRecordGoOn;
    active_ = root_.get();
    return kRecordComplete;
}

ErrorCode LoopRecorder::append(const ProgramLine& line, EntryRole role) {
    try {
        RecordedEntry entry;
        entry.statement = std::make_unique<ProgramLine>();
        entry.role = role;
        if (ErrorCode e = copyProgramLine(line, *entry.statement)) return e;
        open_->entries.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

ErrorCode LoopRecorder::openBlock(const ProgramLine& line, BlockType type) {
    try {
        RecordedEntry entry;
        entry.block = std::make_unique<RecordedBlock>(type, open_);
        RecordedBlock* block = entry.block.get();
        open_->entries.push_back(std::move(entry));
        open_ = block;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return append(line, EntryRole::Opener);
}

ProgramLine* LoopRecorder::next() {
    RecordedBlock* block = active_;
    for (;;) {
        if (!block->started) {
            block->started = true;
            block->cursor = 0;
        }
        if (block->cursor >= block->entries.size()) return nullptr;
        RecordedEntry& entry = block->entries[block->cursor];
        if (!entry.block) {
            block->advance();
            lastRole_ = entry.role;
            return entry.statement.get();
        }
        // A nested loop met while its parent passes over the rest of its pass
        // is passed over as a whole.
        RecordedBlock& nested = *entry.block;
        nested.exitPending = block->exitPending;
        if (block->skipping()) nested.breakFlag = true;
        active_ = block = &nested;
    }
}

void LoopRecorder::leaveActiveBlock() {
    RecordedBlock& block = *active_;
    block.breakFlag = false;
    block.continueFlag = false;
    block.started = false;
    active_ = block.parent;
    active_->advance();
}

ErrorCode LoopRecorder::takeFunctionBody(Program& body) {
    RecordedBlock& block = *active_;
    // Everything between the definition and the closing `endfunc`.
    const std::size_t closer = block.entries.size() - 1;
    for (; block.cursor < closer; ++block.cursor) {
        if (ErrorCode e = body.appendCopy(*block.entries[block.cursor].statement)) return e;
    }
    block.exitPending = true;
    return kSuccess;
}

void LoopRecorder::clear() {
    root_.reset();
    open_ = nullptr;
    active_ = nullptr;
    lastRole_ = EntryRole::Plain;
}

}  // namespace zentrel
