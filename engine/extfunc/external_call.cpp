// The ExternalCall operand handler: `!name` with its arguments runs the
// function's file in a child scope, compiled once into the cache or, with
// caching off, read and run line by line.
#include <memory>
#include <new>

#include "engine/extfunc/external_functions.h"
#include "engine/extfunc/function_file.h"
#include "engine/interp/call_arguments.h"
#include "engine/interp/called_body.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// Reads the function's file into a new cache entry; null when caching is off,
// no folder has the file, or it could not be compiled (the run from the file
// then meets the same).
std::shared_ptr<Program> loadIntoCache(Engine& engine, Context& ctx, ExtFuncCache& cache,
                                       std::string_view name) {
    if (cache.capacity() == 0) return nullptr;
    FunctionFileReader reader;
    std::string path;
    if (!openFunctionFile(engine.host(), name, reader, path)) return nullptr;
    ExtFuncEntry* entry = cache.add(name);
    if (!entry) return nullptr;
    DescriptionCollector description(name);
    try {
        entry->program = std::make_shared<Program>(0);
    } catch (const std::bad_alloc&) {
        cache.remove(name);
        return nullptr;
    }
    if (compileFunctionFile(engine.modes(ctx), reader, *entry->program, description)) {
        cache.remove(name);
        return nullptr;
    }
    entry->description = std::move(description.lines());
    return entry->program;
}

std::shared_ptr<Program> cachedProgram(Engine& engine, Context& ctx, std::string_view name) {
    ExtFuncCache& cache = externalFunctionCache(engine);
    if (ExtFuncEntry* entry = cache.find(name, true)) return entry->program;
    return loadIntoCache(engine, ctx, cache, name);
}

// Finds the function's file on the search path and runs it as a called body,
// compiling one line at a time as the run reaches it. 0x2160 (no token
// recorded) when no folder has the file.
ErrorCode runFromFile(Engine& calling, CalledBody& call) {
    FunctionFileReader reader;
    std::string path;
    if (!openFunctionFile(calling.host(), call.name, reader, path)) return kErrExternalOpen;
    call.lines = &reader;
    const ErrorCode e = runCalledBodyInNestedEngine(calling, call);
    call.lines = nullptr;
    return e;
}

// A cached function runs its compiled program, any other its file line by line.
ErrorCode runExternal(Engine& engine, Context& ctx, std::string_view name,
                      const CallArguments& args, Value& result) {
    // The scope lives on the stack, as a user function's does: its slots are
    // made on first use, and calls nest no deeper than kMaxCallDepth.
    Context child(ctx.modes);
    child.shareMemoryAccount(ctx);
    const std::shared_ptr<Program> cached = cachedProgram(engine, ctx, name);
    Program fileBody(0);
    CalledBody call{cached ? *cached : fileBody, name, 0, ctx, child, args, result};
    const CallDepthCount counted(engine.shared());
    return cached ? engine.callBody(call) : runFromFile(engine, call);
}

ErrorCode callExternalWith(Engine& engine, Context& ctx, const Token& token,
                           const CallArguments& args, Value& result) {
    if (!callDepthAllows(engine.shared())) return engine.fail(kErrCallDepth, token);
    // A function that calls itself runs the statement making this call again,
    // on the same cached program: the statement's cursor must come back.
    TokenLine& statement = engine.statement();
    Token* resume = statement.cursor();
    const ErrorCode e = runExternal(engine, ctx, token.payload.asText(), args, result);
    statement.setCursor(resume);
    // The value of a call is no storing target, whatever its arguments were.
    engine.operatorRecord().set(TokenKind::ExternalCall);
    if (e == kStatusAborted && !engine.shared().callDepthReached) {
        return engine.fail(kErrExternalCall, token);
    }
    if (e == kErrExternalOpen) return engine.fail(e, token);
    return e;
}

ErrorCode callExternal(Engine& engine, Context& ctx, const Token& token, Value& result) {
    CallArguments args;
    if (ErrorCode e = collectArguments(engine, ctx, args)) return e;
    return callExternalWith(engine, ctx, token, args, result);
}

constexpr HandlerRow kExternalCallRows[] = {{kindCode(TokenKind::ExternalCall), callExternal}};

}  // namespace

void registerExternalCalls(DispatchBuilder& builder) {
    builder.add(DispatchTable::OperandKind, kExternalCallRows);
    builder.setExternalCall(callExternalWith);
}

}  // namespace zentrel
