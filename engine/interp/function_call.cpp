#include "engine/interp/function_call.h"

#include <new>
#include <utility>
#include <vector>

#include "engine/interp/called_body.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

// Parameter i labels variable `'0' + i`, or the array of that letter when `[]`
// follows its name; `[&]` before the name passes it by reference.
ErrorCode attachParameterLabels(const FunctionEntry& entry, Context& child) {
    int index = 0;
    bool reference = false;
    for (const Token* t = entry.parameters.head(); t; t = t->next()) {
        if (t->kind == TokenKind::Reference) reference = true;
        if (t->kind != TokenKind::Name) continue;
        const auto slot = static_cast<std::uint8_t>('0' + index);
        const Token* after = t->next();
        SlotNames& names = after && after->kind == TokenKind::EmptyBrackets
                               ? static_cast<SlotNames&>(child.arrays)
                               : static_cast<SlotNames&>(child.variables);
        if (ErrorCode e = names.attachLabel(slot, t->payload.asText())) return e;
        child.byReference[index++] = reference;
        reference = false;
    }
    return kSuccess;
}

// Lends a call scope's variables the label list of a call that has ended and
// takes it back emptied, so that calls in a loop allocate nothing for labels.
// Calls nest, so the lists are lent last in, first out.
class LentLabelList {
  public:
    LentLabelList(EngineShared& shared, VariableTable& variables)
        : spares_(shared.spareLabelLists), variables_(variables) {
        if (spares_.empty()) return;
        variables_.exchangeLabels(spares_.back());
        spares_.pop_back();
    }
    LentLabelList(const LentLabelList&) = delete;
    LentLabelList& operator=(const LentLabelList&) = delete;
    ~LentLabelList() {
        std::vector<SlotLabel> list;
        variables_.exchangeLabels(list);
        list.clear();
        // Without room to keep it, the list is simply freed.
        try {
            spares_.push_back(std::move(list));
        } catch (const std::bad_alloc&) {
        }
    }

  private:
    std::vector<std::vector<SlotLabel>>& spares_;
    VariableTable& variables_;
};

ErrorCode runCall(Engine& engine, Context& ctx, const Token& token, FunctionEntry& entry,
                  const CallArguments& args, Value& result) {
    // The scope lives on the stack: its slots are made on first use, and calls
    // nest no deeper than kMaxCallDepth. Named constants and labelled variables
    // of the caller are visible in the function.
    Context child(ctx.modes);
    child.shareMemoryAccount(ctx);
    const LentLabelList lent(engine.shared(), child.variables);
    // One allocation holds every label the scope receives: the caller's, the
    // parameters' and the host symbol's.
    ErrorCode e =
        child.variables.reserveLabels(ctx.variables.labels().size() + kParameterCount + 1);
    if (e == kSuccess) e = child.variables.copyLabelled(ctx.variables);
    if (e == kSuccess) e = attachParameterLabels(entry, child);
    if (e) return engine.fail(e, token);
    CalledBody call{entry.body, entry.name, entry.definitionLine, ctx, child, args, result};
    const CallDepthCount counted(engine.shared());
    return engine.callBody(call);
}

}  // namespace

ErrorCode callUserFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    FunctionEntry* entry = ctx.functions.find(token.payload.asText());
    if (!entry) return engine.fail(kErrConstantSyntax, token);
    CallArguments args;
    if (ErrorCode e = collectArguments(engine, ctx, args)) return e;
    return callWithArguments(engine, ctx, token, *entry, args, result);
}

ErrorCode callWithArguments(Engine& engine, Context& ctx, const Token& token, FunctionEntry& entry,
                            const CallArguments& args, Value& result) {
    if (!callDepthAllows(engine.shared())) return engine.fail(kErrCallDepth, token);
    const ErrorCode e = runCall(engine, ctx, token, entry, args, result);
    // The value of a call is no storing target, whatever its arguments were.
    engine.operatorRecord().set(TokenKind::Name);
    if (e != kStatusAborted || engine.shared().callDepthReached) return e;
    return engine.fail(kErrUserCall, token);
}

}  // namespace zentrel
