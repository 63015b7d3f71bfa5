#include "engine/interp/call_arguments.h"

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

std::uint8_t parameterSlot(int i) {
    return static_cast<std::uint8_t>('0' + i);
}

// Variable 0 has no storage of its own: it is the first element of the answer.
const Number& variableValue(const Context& ctx, std::uint8_t slot) {
    return slot == 0 ? ctx.answer().first() : ctx.variables[slot].value;
}

Number& variableStorage(Context& ctx, std::uint8_t slot) {
    return slot == 0 ? ctx.answer().first() : ctx.variables[slot].value;
}

// A constant of the called scope (copied from a caller's label) keeps its value.
void setParameter(Context& child, std::uint8_t slot, const Number& number, bool fraction) {
    VariableSlot& variable = child.variables[slot];
    if (variable.constant) return;
    variable.value = number;
    variable.value.syncRepresentation(fraction);
}

// An array is passed whole: element numbers after it are further arguments.
ErrorCode collectArray(Engine& engine, Context& caller, Token& token, CallArgument& arg) {
    engine.statement().readNext();
    arg.kind = TokenKind::Array;
    if (token.kind == TokenKind::NamedArray) {
        const int slot = findArrayLabel(caller, token.payload.asText());
        if (slot < 0) return engine.fail(kErrConstantSyntax, token);
        arg.slot = static_cast<std::uint8_t>(slot);
        return kSuccess;
    }
    arg.slot = token.payload.asByte();
    if (arg.slot != ':') return kSuccess;
    // `@@:` names the array by the value of the operand that follows.
    Value& index = arg.value.emplace();
    if (ErrorCode e = engine.evaluateOperand(caller, token, index)) return e;
    arg.slot = static_cast<std::uint8_t>(index.first().truncInt());
    return kSuccess;
}

ErrorCode collectOne(Engine& engine, Context& caller, Token& token, CallArgument& arg) {
    arg.token = &token;
    if (token.kind == TokenKind::Array || token.kind == TokenKind::NamedArray) {
        return collectArray(engine, caller, token, arg);
    }
    const bool variable =
        token.kind == TokenKind::Variable || token.kind == TokenKind::NamedVariable;
    Value& value = arg.value.emplace();
    if (ErrorCode e = engine.evaluateOperand(caller, token, value)) return e;
    if (variable) {
        arg.kind = TokenKind::Variable;
        arg.slot = engine.operatorRecord().slot;
    } else {
        arg.kind = value.count() == 1 ? TokenKind::Constant : TokenKind::MatrixConstant;
    }
    return kSuccess;
}

}  // namespace

ErrorCode collectArguments(Engine& engine, Context& caller, CallArguments& args) {
    for (;;) {
        Token* next = engine.peekToken();
        if (!next) return kSuccess;
        if (next->kind == TokenKind::Name) resolveName(engine, caller, *next);
        if (!engine.operandFollows()) return kSuccess;
        if (args.full()) return engine.fail(kErrExternalArgCount, *next);
        if (ErrorCode e = collectOne(engine, caller, *next, args.add())) return e;
    }
}

ErrorCode bindArguments(Engine& engine, const Context& caller, Context& child,
                        const CallArguments& args) {
    const bool fraction = engine.fractionRepresentation();
    for (int i = 0; i < args.count(); ++i) {
        const CallArgument& arg = args[i];
        const std::uint8_t slot = parameterSlot(i);
        ErrorCode e = kSuccess;
        switch (arg.kind) {
            case TokenKind::Variable:
                setParameter(child, slot, variableValue(caller, arg.slot), fraction);
                break;
            case TokenKind::Array:
                e = child.arrays[slot].matrix.assign(caller.arrays[arg.slot].matrix);
                break;
            case TokenKind::MatrixConstant:
                e = child.arrays[slot].matrix.assign(*arg.value);
                break;
            default:
                setParameter(child, slot, arg.value->first(), fraction);
                break;
        }
        if (e) return engine.fail(e, *arg.token);
    }
    setParameter(child, '!', Number::fromReal(args.count(), fraction), fraction);
    for (int i = args.count(); i < kParameterCount; ++i) {
        setParameter(child, parameterSlot(i), Number::zero(fraction), fraction);
    }
    return kSuccess;
}

ErrorCode copyBackArguments(Engine& engine, Context& caller, Context& child,
                            const CallArguments& args) {
    const bool fraction = engine.fractionRepresentation();
    for (int i = 0; i < args.count(); ++i) {
        if (!child.byReference[i]) continue;
        const CallArgument& arg = args[i];
        const std::uint8_t slot = parameterSlot(i);
        if (arg.kind == TokenKind::Array) {
            if (ErrorCode e = caller.arrays[arg.slot].matrix.assign(child.arrays[slot].matrix)) {
                return engine.fail(e, *arg.token);
            }
            continue;
        }
        if (arg.kind != TokenKind::Variable || caller.variables[arg.slot].constant) {
            return engine.fail(kErrAssignToConstant, *arg.token);
        }
        Number& target = variableStorage(caller, arg.slot);
        target = child.variables[slot].value;
        target.syncRepresentation(fraction);
    }
    return kSuccess;
}

}  // namespace zentrel
