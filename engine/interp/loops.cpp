// Loops and function definitions: an opener met in normal mode starts a
// recording; while the recording is replayed, the openers and end statements
// steer the replay through the flags of the recorded block.
#include "engine/frontend/name_tables.h"
#include "engine/interp/control_handlers.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// The innermost if and switch levels execute and the block has no exit pending.
bool blockStatementRuns(const Engine& engine, const RecordedBlock& block) {
    const ControlState& c = engine.control();
    return c.ifs.executes() && c.switches.executes() && !block.skipping();
}

// Reports an end keyword met outside any recording.
ErrorCode unmatchedEnd(Engine& engine, const Token& keyword) {
    switch (static_cast<ControlId>(keyword.payload.asByte())) {
        case ControlId::Until:
            return engine.fail(kErrNoDo, keyword);
        case ControlId::Endwhile:
            return engine.fail(kErrNoWhile, keyword);
        case ControlId::Next:
            return engine.fail(kErrNoFor, keyword);
        default:
            return engine.fail(kErrNoFunc, keyword);
    }
}

// After an end statement: the next pass starts (continue is over), or the
// block is left when it breaks.
ErrorCode finishBlockEnd(LoopRecorder& recorder) {
    RecordedBlock& block = recorder.activeBlock();
    block.continueFlag = false;
    if (block.breakFlag) recorder.leaveActiveBlock();
    return kStatusDone;
}

ErrorCode startRecording(Engine& engine, const Token& keyword) {
    LoopRecorder& recorder = engine.control().recorder;
    const ErrorCode e = recorder.begin(*engine.currentLine());
    if (e != kRecordGoOn) {
        recorder.clear();
        return engine.fail(e, keyword);
    }
    engine.recordMode = RecordMode::Recording;
    ControlState& c = engine.control();
    c.recordingIfDepth = c.ifs.depth();
    c.recordingSwitchDepth = c.switches.depth();
    return kStatusDone;
}

}  // namespace

ErrorCode checkOpener(Engine& engine, Context&, const Token& keyword, Value&) {
    if (engine.recordMode != RecordMode::Replaying) return startRecording(engine, keyword);
    LoopRecorder& recorder = engine.control().recorder;
    // A loop keyword inside a recorded function body is only text of the body.
    if (recorder.lastRole() != EntryRole::Opener) return kStatusDone;
    RecordedBlock& block = recorder.activeBlock();
    if (blockStatementRuns(engine, block)) return kSuccess;
    block.requestBreak();
    return kStatusDone;
}

// while and the for test: a false condition ends the loop.
ErrorCode runLoopTest(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    bool truth = false;
    if (ErrorCode e = evaluateCondition(engine, ctx, keyword, result, truth)) return e;
    finishLoopTest(engine, truth);
    return kStatusDone;
}

void finishLoopTest(Engine& engine, bool truth) {
    if (!truth) engine.control().recorder.activeBlock().requestBreak();
}

ErrorCode checkBlockEnd(Engine& engine, Context&, const Token& keyword, Value&) {
    if (engine.recordMode != RecordMode::Replaying) return unmatchedEnd(engine, keyword);
    LoopRecorder& recorder = engine.control().recorder;
    if (recorder.lastRole() != EntryRole::Closer) return kStatusDone;
    RecordedBlock& block = recorder.activeBlock();
    if (blockStatementRuns(engine, block)) return kSuccess;
    block.requestBreak();
    return finishBlockEnd(recorder);
}

// A do block repeats while the until condition holds.
ErrorCode runUntil(Engine& engine, Context& ctx, const Token& keyword, Value& result) {
    LoopRecorder& recorder = engine.control().recorder;
    bool truth = false;
    if (ErrorCode e = evaluateCondition(engine, ctx, keyword, result, truth)) return e;
    if (!truth) recorder.activeBlock().requestBreak();
    return finishBlockEnd(recorder);
}

// endwhile, next and endfunc; a function block leaves once its body was taken.
ErrorCode runBlockEnd(Engine& engine, Context&, const Token&, Value&) {
    LoopRecorder& recorder = engine.control().recorder;
    RecordedBlock& block = recorder.activeBlock();
    if (block.exitPending) block.requestBreak();
    return finishBlockEnd(recorder);
}

ErrorCode runBreak(Engine& engine, Context&, const Token& keyword, Value&) {
    if (engine.recordMode != RecordMode::Replaying) return engine.fail(kErrBreak, keyword);
    engine.control().recorder.activeBlock().requestBreak();
    return kStatusDone;
}

ErrorCode runContinue(Engine& engine, Context&, const Token& keyword, Value&) {
    if (engine.recordMode != RecordMode::Replaying) return engine.fail(kErrContinue, keyword);
    RecordedBlock& block = engine.control().recorder.activeBlock();
    if (!block.breakFlag) block.continueFlag = true;
    return kStatusDone;
}

}  // namespace zentrel
