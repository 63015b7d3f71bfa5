#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "engine/frontend/program.h"
#include "engine/frontend/token.h"
#include "engine/values/error_code.h"

namespace zentrel {

enum class BlockType : std::uint8_t { Root = 0, Do = 1, While = 2, For = 3, Func = 4 };

// What a recorded statement is to the block that holds it: loop keywords that
// neither open nor close the block (inside a function body, or an `until` in a
// `while` block) are plain statements.
enum class EntryRole : std::uint8_t { Plain, Opener, Closer };

struct RecordedBlock;

// A recorded statement (a deep copy of the program line) or a nested block.
struct RecordedEntry {
    std::unique_ptr<ProgramLine> statement;
    std::unique_ptr<RecordedBlock> block;
    EntryRole role = EntryRole::Plain;
};

// A loop or function body recorded as compiled statements. The entries form a
// ring for the loops: do and while blocks wrap to their first entry, for blocks
// to their second (the initialisation runs once); the root and function blocks
// end after their last entry.
struct RecordedBlock {
    static constexpr std::size_t kEnd = std::numeric_limits<std::size_t>::max();

    RecordedBlock(const RecordedBlock&) = delete;
    RecordedBlock& operator=(const RecordedBlock&) = delete;
    // Takes nested blocks apart one at a time: loops nest as deep as the input
    // goes, and destroying them recursively could exhaust the stack.
    ~RecordedBlock();

    explicit RecordedBlock(BlockType type, RecordedBlock* parent = nullptr)
        : type(type),
          parent(parent),
          wrapTo(type == BlockType::Do || type == BlockType::While ? 0
                 : type == BlockType::For                          ? 1
                                                                   : kEnd) {}

    BlockType type;
    RecordedBlock* parent;
    std::vector<RecordedEntry> entries;
    std::size_t wrapTo;      // where the cursor goes after the last entry
    std::size_t cursor = 0;  // entry to replay next; kEnd (or past the end) when none
    bool started = false;
    bool breakFlag = false;
    bool continueFlag = false;
    bool exitPending = false;  // a function definition consumed the body: leave at the end

    // The rest of the current pass is passed over.
    bool skipping() const { return breakFlag || continueFlag; }
    // Break out at the next end statement, unless a continue is already pending.
    void requestBreak() {
        if (!continueFlag) breakFlag = true;
    }
    // At a `while` or `for` block's end statement: no exit is pending, so the
    // statement only starts the next pass.
    bool passesOn() const {
        return (type == BlockType::While || type == BlockType::For) && !breakFlag &&
               !continueFlag && !exitPending;
    }
    void advance() {
        if (++cursor >= entries.size()) cursor = wrapTo;
    }
};

// Status of recording one statement.
inline constexpr ErrorCode kRecordGoOn = 2;
inline constexpr ErrorCode kRecordComplete = 3;

// Records loops and function definitions as they are typed (possibly across
// several runs) and replays the recording. Replaying reuses the recorded token
// lines: nothing is copied or compiled again per iteration.
class LoopRecorder {
  public:
    bool recording() const { return static_cast<bool>(root_); }

    // Starts a recording whose outermost block opens with `opener`.
    [[nodiscard]] ErrorCode begin(const ProgramLine& opener);
    // Appends a copy of the line: kRecordGoOn, kRecordComplete when the outermost
    // block has closed (the replay then starts at the root), or an error.
    [[nodiscard]] ErrorCode record(const ProgramLine& line);
    // The keyword that started the recording, which recording errors name, and
    // the line of its statement.
    const Token& openerToken() const { return openerToken_; }
    std::int32_t openerLine() const { return openerLine_; }

    // The next statement of the replay, or null when the root is exhausted.
    ProgramLine* next();
    // The block the last statement came from, and that statement's role in it.
    RecordedBlock& activeBlock() { return *active_; }
    const RecordedBlock& activeBlock() const { return *active_; }
    EntryRole lastRole() const { return lastRole_; }
    // Leaves the active block: its parent continues after it.
    void leaveActiveBlock();
    // Copies the rest of the active function block, up to its closer, into `body`
    // and lets the closer come next.
    [[nodiscard]] ErrorCode takeFunctionBody(Program& body);

    void clear();

  private:
    ErrorCode append(const ProgramLine& line, EntryRole role);
    ErrorCode openBlock(const ProgramLine& line, BlockType type);

    std::unique_ptr<RecordedBlock> root_;
    RecordedBlock* open_ = nullptr;    // innermost block still being recorded
    RecordedBlock* active_ = nullptr;  // block being replayed
    EntryRole lastRole_ = EntryRole::Plain;
    Token openerToken_;
    std::int32_t openerLine_ = 0;
};

}  // namespace zentrel
