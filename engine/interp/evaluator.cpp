// Left-to-right evaluation of a compiled statement: groups, operands and the
// operand handlers of the token-kind table.
#include "engine/frontend/name_tables.h"
#include "engine/interp/compiled_line.h"
#include "engine/interp/core_rows.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/function_call.h"
#include "engine/interp/variables.h"

namespace zentrel {

namespace {
// Names nothing: the operator being applied when a group starts.
const Token kNoOperator{TokenKind::NoOperator, {}};
}  // namespace

const Token& noOperator() {
    return kNoOperator;
}

namespace {

bool isBinaryOperator(const Token& token) {
    return token.kind == TokenKind::Operator &&
           token.payload.asByte() >= idByte(OperatorId::PostIncrement);
}

// A `}` that no array literal opened is reported as such wherever it stands.
ErrorCode misplacedTokenCode(const Token& token, ErrorCode otherwise) {
    return token.kind == TokenKind::CloseBrace ? kErrArray : otherwise;
}

}  // namespace

void readConstant(const Engine& engine, const Token& token, Number& out) {
    out = *token.payload.asNumber();
    out.syncRepresentation(engine.fractionRepresentation());
}

// A number word compiled without number parsing, or a word that is a label.
void resolveName(Engine& engine, Context& ctx, Token& token) {
    const std::string_view word = token.payload.asText();
    if (findVariableLabel(ctx, word) >= 0) {
        token.kind = TokenKind::NamedVariable;
    } else if (findArrayLabel(ctx, word) >= 0) {
        token.kind = TokenKind::NamedArray;
    } else {
        convertNumberWord(engine.modes(ctx), token);
    }
}

namespace {

ErrorCode evaluateNestedGroup(Engine& engine, Context& ctx, const Token&, Value& result) {
    ++ctx.groupDepth;
    const ErrorCode e = engine.evaluateGroup(ctx, result);
    --ctx.groupDepth;
    // Read as an operand, a group is no storing target, whatever it held.
    engine.operatorRecord().set(TokenKind::OpenParen);
    return e;
}

ErrorCode copyConstant(Engine& engine, Context&, const Token& token, Value& result) {
    result.shrinkToScalar();
    readConstant(engine, token, result.first());
    return kSuccess;
}

// A control keyword only acts at the start of its statement, after its check
// handler has decided that the statement runs.
ErrorCode runControl(Engine& engine, Context& ctx, const Token& token, Value& result) {
    if (&token != engine.statement().head()) return engine.fail(kErrConstantSyntax, token);
    return engine.tables().controlRun[token.payload.asByte()](engine, ctx, token, result);
}

ErrorCode applyUnaryOperator(Engine& engine, Context& ctx, const Token& token, Value& result) {
    if (isBinaryOperator(token)) return engine.fail(kErrUnaryOperator, token);
    return engine.tables().operators[token.payload.asByte()](engine, ctx, token, result);
}

constexpr HandlerRow kOperandKinds[] = {
    {kindCode(TokenKind::OpenParen), evaluateNestedGroup},
    {kindCode(TokenKind::Variable), readVariableOperand},
    {kindCode(TokenKind::NamedVariable), readVariableOperand},
    {kindCode(TokenKind::Array), readArrayOperand},
    {kindCode(TokenKind::NamedArray), readArrayOperand},
    {kindCode(TokenKind::Constant), copyConstant},
    {kindCode(TokenKind::Name), callUserFunction},
    {kindCode(TokenKind::Command), callCommand},
    {kindCode(TokenKind::Control), runControl},
    {kindCode(TokenKind::Operator), applyUnaryOperator},
    {kindCode(TokenKind::Function), callBuiltinFunction},
};
static_assert(distinctIds(kOperandKinds));

}  // namespace

ErrorCode callCommand(Engine& engine, Context& ctx, const Token& token, Value& result) {
    const std::uint8_t id = token.payload.asByte();
    const ErrorCode e = id < kCommandCount
                            ? engine.tables().commands[id](engine, ctx, token, result)
                            : engine.host().runHostCommand(id);
    // A command consumes its arguments; anything left over is a mistake in them.
    if (e == kStatusDone && engine.peekToken()) return engine.fail(kErrCommandArgument, token);
    return e;
}

ErrorCode callBuiltinFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    engine.invalidArgument = false;
    const ErrorCode e =
        engine.tables().functions[token.payload.asByte()](engine, ctx, token, result);
    if (e != kSuccess) return e;
    // The handler's arguments left their own record; a storing operator after the
    // call must see a function value, not the last argument's variable.
    engine.operatorRecord().set(TokenKind::Function);
    normalizeToMode(result, ctx.modes.numberMode);
    if (engine.invalidArgument) engine.warn(ctx, kWarnInvalidArgument, token);
    return kSuccess;
}

std::span<const HandlerRow> operandKindRows() {
    return kOperandKinds;
}

bool startsOperand(const Token* token) {
    if (!token || kindCode(token->kind) >= kOperandKindCount) return false;
    return token->kind != TokenKind::Command && token->kind != TokenKind::Control &&
           !isBinaryOperator(*token);
}

bool Engine::operandFollows() const {
    return startsOperand(peekToken());
}

ErrorCode Engine::evaluateOperand(Context& ctx, const Token& applying, Value& result) {
    if (arguments_) return arguments_->operand(ctx, applying, result);
    Token* token = currentTokens_->readNext();
    if (!token) return fail(kErrMissingOperand, applying);
    if (token->kind == TokenKind::Name) resolveName(*this, ctx, *token);
    if (kindCode(token->kind) >= kOperandKindCount) {
        return fail(misplacedTokenCode(*token, kErrConstantSyntax), *token);
    }
    // Groups, unary operators and arguments nest through here.
    if (nesting_ >= kMaxNestingDepth) return fail(kErrNestingTooDeep, *token);
    record_.set(token->kind);
    ++nesting_;
    const ErrorCode e = tables_.kinds[kindCode(token->kind)](*this, ctx, *token, result);
    --nesting_;
    return e;
}

ErrorCode Engine::evaluateGroup(Context& ctx, Value& result) {
    if (const CompiledLine* compiled = CompiledLine::of(*currentTokens_)) {
        const CompiledLine::Group* group = compiled->groupAt(peekToken());
        // Too deep for the nesting left, the walk reports where it runs out.
        if (group && nesting_ + group->depth <= kMaxNestingDepth &&
            compiled->stillValid(ctx, modes(ctx))) {
            const ErrorCode e = compiled->run(*this, ctx, *group, result);
            currentTokens_->setCursor(group->resume);
            return e;
        }
    }
    return walkGroup(ctx, result);
}

ErrorCode Engine::walkGroup(Context& ctx, Value& result) {
    record_.set(TokenKind::NoOperator);
    ErrorCode e = kSuccess;
    const Token* first = peekToken();
    if (!first || !isBinaryOperator(*first)) {
        // A statement that starts with a binary operator continues from `result`.
        e = evaluateOperand(ctx, kNoOperator, result);
        if (e == kSuccess && pairOperandFollows()) e = evaluateSecondOperands(ctx, result);
    }
    if (e == kSuccess) e = applyOperators(ctx, result);
    return e;
}

ErrorCode Engine::applyOperators(Context& ctx, Value& result) {
    while (Token* token = currentTokens_->readNext()) {
        if (token->kind == TokenKind::CloseParen) break;
        if (!isBinaryOperator(*token))
            return fail(misplacedTokenCode(*token, kErrOperator), *token);
        if (ErrorCode e = tables_.operators[token->payload.asByte()](*this, ctx, *token, result)) {
            return e;
        }
    }
    return kSuccess;
}

}  // namespace zentrel
