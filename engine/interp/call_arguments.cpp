#include "engine/interp/call_arguments.h"

#include <bitset>
#include <cstdint>
#include <new>

#include "engine/interp/array_text.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {

std::uint8_t parameterSlot(int i) {
    return static_cast<std::uint8_t>('0' + i);
}

// A constant of the called scope (copied from a caller's label) keeps its value.
void setParameter(Context& child, std::uint8_t slot, const Number& number, bool fraction) {
    if (child.variables.isConstant(slot)) return;
    child.variables.store(slot, number).syncRepresentation(fraction);
}

// Both stores of an array: its matrix and its vector store.
ErrorCode copyArray(const ArrayTable& from, std::uint8_t source, ArrayTable& to,
                    std::uint8_t target) {
    Value* matrix = to.writableMatrix(target);
    VectorNode* vector = to.writableVector(target);
    if (!matrix || !vector) return kOutOfMemory;
    if (ErrorCode e = matrix->assign(from.matrix(source))) return e;
    return vector->assign(from.vector(source));
}

ErrorCode collectOne(Engine& engine, Context& caller, Token& token, CallArgument& arg) {
    if (passedWhole(token)) {
        engine.takeToken();
        return collectWhole(engine, caller, token, arg);
    }
    arg.token = &token;
    const bool variable =
        token.kind == TokenKind::Variable || token.kind == TokenKind::NamedVariable;
    Value& value = arg.value.emplace();
    if (ErrorCode e = engine.evaluateOperand(caller, token, value)) return e;
    if (variable) {
        arg.kind = TokenKind::Variable;
        arg.slot = engine.operatorRecord().slot;
        arg.named = engine.operatorRecord().named;
    } else {
        arg.kind = value.count() == 1 ? TokenKind::Constant : TokenKind::MatrixConstant;
    }
    return kSuccess;
}

ErrorCode bindOne(const Context& caller, Context& child, const CallArgument& arg, std::uint8_t slot,
                  bool fraction) {
    switch (arg.kind) {
        case TokenKind::Variable:
            setParameter(child, slot, variableValue(caller, arg.slot), fraction);
            return kSuccess;
        case TokenKind::Array:
            return copyArray(caller.arrays, arg.slot, child.arrays, slot);
        case TokenKind::MatrixConstant: {
            Value* matrix = child.arrays.writableMatrix(slot);
            return matrix ? matrix->assign(*arg.value) : kOutOfMemory;
        }
        case TokenKind::String: {
            VectorNode* vector = child.arrays.writableVector(slot);
            if (!vector) return kOutOfMemory;
            return storeArrayText(*vector, 0, arg.token->payload.asText(), fraction);
        }
        default:
            setParameter(child, slot, arg.value->first(), fraction);
            return kSuccess;
    }
}

// Written back like a store through the argument: a named constant refuses it,
// a slot named by another word gives the name its own slot first.
ErrorCode copyBackOne(Engine& engine, Context& caller, const Context& child,
                      const CallArgument& arg, std::uint8_t slot) {
    const Token& token = *arg.token;
    if (arg.kind != TokenKind::Variable && arg.kind != TokenKind::Array) {
        return engine.fail(kErrAssignToConstant, token);
    }
    const OperatorRecord target{arg.kind, arg.slot, arg.named};
    if (arg.kind == TokenKind::Variable) {
        return storeIntoTarget(engine, caller, target, token, Value(child.variables.value(slot)));
    }
    if (ErrorCode e = storeIntoTarget(engine, caller, target, token, child.arrays.matrix(slot))) {
        return e;
    }
    const ErrorCode e = copyArray(child.arrays, slot, caller.arrays, arg.slot);
    return e ? engine.fail(e, token) : kSuccess;
}

}  // namespace

bool passedWhole(const Token& token) {
    return token.kind == TokenKind::String || token.kind == TokenKind::Array ||
           token.kind == TokenKind::NamedArray;
}

// An array is passed whole: element numbers after it are further arguments.
ErrorCode collectWhole(Engine& engine, Context& caller, const Token& token, CallArgument& arg) {
    arg.token = &token;
    if (token.kind == TokenKind::String) {
        arg.kind = TokenKind::String;
        return kSuccess;
    }
    arg.kind = TokenKind::Array;
    arg.named = token.kind == TokenKind::NamedArray;
    return settleSlot(engine, caller, token, arg.slot);
}

ErrorCode collectArguments(Engine& engine, Context& caller, CallArguments& args) {
    for (;;) {
        Token* next = engine.peekToken();
        if (!next) return kSuccess;
        if (next->kind == TokenKind::Name) resolveName(engine, caller, *next);
        if (next->kind != TokenKind::String && !engine.operandFollows()) return kSuccess;
        if (args.full()) return engine.fail(kErrExternalArgCount, *next);
        if (ErrorCode e = collectOne(engine, caller, *next, args.add())) return e;
    }
}

ErrorCode bindArguments(Engine& engine, const Context& caller, Context& child,
                        const CallArguments& args) {
    const bool fraction = engine.fractionRepresentation();
    for (int i = 0; i < args.count(); ++i) {
        const CallArgument& arg = args[i];
        if (ErrorCode e = bindOne(caller, child, arg, parameterSlot(i), fraction)) {
            return engine.fail(e, *arg.token);
        }
    }
    setParameter(child, '!', Number::fromReal(args.count(), fraction), fraction);
    // The unused parameters read zero, whatever a caller's label copied there.
    // Their slots are consecutive from '0' + count, all below 64.
    static_assert('0' + kParameterCount <= 64);
    const unsigned unused = static_cast<unsigned>(kParameterCount - args.count());
    const std::uint64_t unusedBits = ((std::uint64_t{1} << unused) - 1)
                                     << parameterSlot(args.count());
    child.variables.clearUnlessConstant(std::bitset<kSlotCount>(unusedBits));
    return kSuccess;
}

ErrorCode copyBackArguments(Engine& engine, Context& caller, Context& child,
                            const CallArguments& args) {
    for (int i = 0; i < args.count(); ++i) {
        if (!child.byReference[i]) continue;
        if (ErrorCode e = copyBackOne(engine, caller, child, args[i], parameterSlot(i))) {
            return e;
        }
    }
    return kSuccess;
}

}  // namespace zentrel
