#include "engine/interp/function_call.h"

#include <memory>
#include <new>

#include "engine/interp/called_body.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// Named constants and labelled variables of the caller are visible in the function.
void copyLabelledVariables(const Context& caller, Context& child) {
    for (int i = 0; i < kSlotCount; ++i) {
        const VariableSlot& source = caller.variables[i];
        if (source.label.empty()) continue;
        VariableSlot& target = child.variables[i];
        target.value = source.value;
        target.label = source.label;
        target.labelState = source.labelState;
        target.constant = source.constant;
    }
}

// Parameter i labels variable `'0' + i`, or the array of that letter when `[]`
// follows its name; `[&]` before the name passes it by reference.
void attachParameterLabels(const FunctionEntry& entry, Context& child) {
    int index = 0;
    bool reference = false;
    for (const Token* t = entry.parameters.head(); t; t = t->next()) {
        if (t->kind == TokenKind::Reference) reference = true;
        if (t->kind != TokenKind::Name) continue;
        const auto slot = static_cast<std::uint8_t>('0' + index);
        const Token* after = t->next();
        if (after && after->kind == TokenKind::EmptyBrackets) {
            child.arrays[slot].label = t->payload.asText();
            child.arrays[slot].labelState = LabelState::InUse;
        } else {
            child.variables[slot].label = t->payload.asText();
            child.variables[slot].labelState = LabelState::InUse;
        }
        child.byReference[index++] = reference;
        reference = false;
    }
}

ErrorCode runCall(Engine& engine, Context& ctx, const Token& token, FunctionEntry& entry,
                  const CallArguments& args, Value& result) {
    std::unique_ptr<Context> child;
    try {
        child = std::make_unique<Context>(ctx.modes);
        copyLabelledVariables(ctx, *child);
        attachParameterLabels(entry, *child);
    } catch (const std::bad_alloc&) {
        return engine.fail(kOutOfMemory, token);
    }
    CalledBody call{entry.body, entry.name, entry.definitionLine, ctx, *child, args, result};
    int& depth = engine.shared().callDepth;
    ++depth;
    const ErrorCode e = engine.callBody(call);
    --depth;
    return e;
}

}  // namespace

ErrorCode callUserFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    FunctionEntry* entry = ctx.functions.find(token.payload.asText());
    if (!entry) return engine.fail(kErrConstantSyntax, token);
    CallArguments args;
    if (ErrorCode e = collectArguments(engine, ctx, args)) return e;
    if (engine.shared().callDepth >= kMaxCallDepth) return engine.fail(kErrUserCall, token);
    const ErrorCode e = runCall(engine, ctx, token, *entry, args, result);
    // The value of a call is no storing target, whatever its arguments were.
    OperatorRecord& record = engine.operatorRecord();
    record.kind = TokenKind::Name;
    record.elementCount = 0;
    return e == kStatusAborted ? engine.fail(kErrUserCall, token) : e;
}

}  // namespace zentrel
