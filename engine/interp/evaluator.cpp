// Left-to-right evaluation of a compiled statement: groups, operands and the
// operand handlers of the token-kind table.
#include <utility>

#include "engine/frontend/name_tables.h"
#include "engine/interp/dispatch.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/variables.h"
#include "engine/values/number_text.h"

namespace zentrel {

namespace {}  // namespace

// Names nothing: the operator being applied when a group starts.
const Token& noOperator() {
    static const Token none{TokenKind::NoOperator, {}};
    return none;
}

namespace {

bool isBinaryOperator(const Token& token) {
    return token.kind == TokenKind::Operator &&
           token.payload.asByte() >= idByte(OperatorId::PostIncrement);
}

}  // namespace

// A number word compiled without number parsing, or a word that is a label.
void resolveName(Engine& engine, Context& ctx, Token& token) {
    const std::string_view word = token.payload.asText();
    if (findVariableLabel(ctx, word) >= 0) {
        token.kind = TokenKind::NamedVariable;
    } else if (findArrayLabel(ctx, word) >= 0) {
        token.kind = TokenKind::NamedArray;
    } else if (Number n; parseLiteral(engine.modes(ctx), word, n)) {
        // Converted in place: the next execution of the statement does not parse again.
        token.payload = TokenPayload::number(n);
        token.kind = TokenKind::Constant;
    }
}

namespace {

ErrorCode evaluateNestedGroup(Engine& engine, Context& ctx, const Token&, Value& result) {
    ++ctx.groupDepth;
    const ErrorCode e = engine.evaluateGroup(ctx, result);
    --ctx.groupDepth;
    return e;
}

ErrorCode copyConstant(Engine& engine, Context&, const Token& token, Value& result) {
    result.setScalar(*token.payload.asNumber());
    result.first().syncRepresentation(engine.fractionRepresentation());
    return kSuccess;
}

// A word that is neither a label nor a number: a call of a user function.
ErrorCode callUserFunction(Engine& engine, Context&, const Token& token, Value&) {
    return engine.fail(kErrConstantSyntax, token);
}

ErrorCode runCommand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    const std::uint8_t id = token.payload.asByte();
    const ErrorCode e = id < kCommandCount
                            ? dispatchTables().commands[id](engine, ctx, token, result)
                            : engine.callHostCommand(ctx, id);
    // A command consumes its arguments; anything left over is a mistake in them.
    if (e == kStatusDone && engine.peekToken()) return engine.fail(kErrCommandArgument, token);
    return e;
}

ErrorCode runControl(Engine& engine, Context& ctx, const Token& token, Value& result) {
    return dispatchTables().controlRun[token.payload.asByte()](engine, ctx, token, result);
}

ErrorCode applyUnaryOperator(Engine& engine, Context& ctx, const Token& token, Value& result) {
    if (isBinaryOperator(token)) return engine.fail(kErrUnaryOperator, token);
    return dispatchTables().operators[token.payload.asByte()](engine, ctx, token, result);
}

ErrorCode callFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    engine.invalidArgument = false;
    const ErrorCode e =
        dispatchTables().functions[token.payload.asByte()](engine, ctx, token, result);
    if (e != kSuccess) return e;
    // The handler's arguments left their own record; a storing operator after the
    // call must see a function value, not the last argument's variable.
    engine.operatorRecord() = OperatorRecord{};
    engine.operatorRecord().kind = TokenKind::Function;
    normalizeToMode(result, ctx.modes.numberMode);
    if (engine.invalidArgument) engine.warn(ctx, kWarnInvalidArgument, token);
    return kSuccess;
}

ErrorCode callExternalFunction(Engine& engine, Context&, const Token& token, Value&) {
    return engine.fail(kErrExternalOpen, token);
}

constexpr HandlerRow kOperandKinds[] = {
    {kindCode(TokenKind::OpenParen), evaluateNestedGroup},
    {kindCode(TokenKind::Variable), readVariableOperand},
    {kindCode(TokenKind::NamedVariable), readVariableOperand},
    {kindCode(TokenKind::Array), readArrayOperand},
    {kindCode(TokenKind::NamedArray), readArrayOperand},
    {kindCode(TokenKind::Constant), copyConstant},
    {kindCode(TokenKind::Name), callUserFunction},
    {kindCode(TokenKind::Command), runCommand},
    {kindCode(TokenKind::Control), runControl},
    {kindCode(TokenKind::Operator), applyUnaryOperator},
    {kindCode(TokenKind::Function), callFunction},
    {kindCode(TokenKind::ExternalCall), callExternalFunction},
};
static_assert(std::size(kOperandKinds) == kOperandKindCount);

}  // namespace

std::span<const HandlerRow> operandKindRows() {
    return kOperandKinds;
}

bool Engine::operandFollows() const {
    const Token* next = peekToken();
    if (!next || kindCode(next->kind) >= kOperandKindCount) return false;
    return next->kind != TokenKind::Command && next->kind != TokenKind::Control &&
           !isBinaryOperator(*next);
}

ErrorCode Engine::evaluateOperand(Context& ctx, const Token& applying, Value& result) {
    Token* token = currentTokens_->readNext();
    if (!token) return fail(kErrMissingOperand, applying);
    if (token->kind == TokenKind::Name) resolveName(*this, ctx, *token);
    if (kindCode(token->kind) >= kOperandKindCount) return fail(kErrConstantSyntax, *token);
    // Groups, unary operators and arguments nest through here.
    if (nesting_ >= kMaxNestingDepth) return fail(kOutOfMemory, *token);
    record_.kind = token->kind;
    record_.elementCount = 0;
    ++nesting_;
    const ErrorCode e = dispatchTables().kinds[kindCode(token->kind)](*this, ctx, *token, result);
    --nesting_;
    return e;
}

ErrorCode Engine::evaluateGroup(Context& ctx, Value& result) {
    OperatorRecord saved = std::move(record_);
    record_ = OperatorRecord{};
    ErrorCode e = kSuccess;
    const Token* first = peekToken();
    if (!first || !isBinaryOperator(*first)) {
        // A statement that starts with a binary operator continues from `result`.
        e = evaluateOperand(ctx, noOperator(), result);
        if (e == kSuccess) e = evaluateSecondOperands(ctx, result);
    }
    if (e == kSuccess) e = applyOperators(ctx, result);
    record_ = std::move(saved);
    return e;
}

ErrorCode Engine::applyOperators(Context& ctx, Value& result) {
    while (Token* token = currentTokens_->readNext()) {
        if (token->kind == TokenKind::CloseParen) break;
        if (!isBinaryOperator(*token)) return fail(kErrOperator, *token);
        if (ErrorCode e =
                dispatchTables().operators[token->payload.asByte()](*this, ctx, *token, result)) {
            return e;
        }
    }
    return kSuccess;
}

}  // namespace zentrel
