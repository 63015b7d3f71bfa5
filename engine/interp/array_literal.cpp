// Array literals: `@@a { 1 2 3 }` fills the vector root, `@@a { { 1 2 } { 3 4 } }`
// the matrix store, deeper nesting the vector tree.
#include "engine/interp/array_literal.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/vector_store.h"

namespace zentrel {

namespace {

int braceStep(const Token& token) {
    if (token.kind == TokenKind::OpenBrace) return 1;
    return token.kind == TokenKind::CloseBrace ? -1 : 0;
}

// True when the brace at `open` is closed before the statement ends.
bool closesInStatement(const Token* open) {
    int depth = 0;
    for (const Token* token = open; token; token = token->next()) {
        depth += braceStep(*token);
        if (depth == 0) return true;
    }
    return false;
}

// Where the next operand of a literal goes: one counter per open brace level.
// Levels are bounded like element numbers, so a path never grows without limit.
class LiteralPosition {
  public:
    int depth() const { return depth_; }
    std::span<const std::int32_t> path() const {
        return {counters_.data(), static_cast<std::size_t>(depth_)};
    }
    bool open() {
        if (depth_ == kMaxElementNumbers) return false;
        counters_[depth_++] = 0;
        return true;
    }
    void close() {
        if (--depth_ > 0) ++counters_[depth_ - 1];
    }
    void advance() { ++counters_[depth_ - 1]; }

  private:
    std::array<std::int32_t, kMaxElementNumbers> counters_{};
    int depth_ = 0;
};

// The largest row and column a literal has stored to so far: its matrix takes
// that shape, so short rows are padded with 0.
struct LiteralShape {
    std::int32_t rows = 0;
    std::int32_t cols = 0;
};

ErrorCode storeInMatrix(Value& matrix, std::span<const std::int32_t> at, LiteralShape& shape,
                        const Number& number, bool fr) {
    shape.rows = std::max(shape.rows, at[0] + 1);
    shape.cols = std::max(shape.cols, at[1] + 1);
    if (ErrorCode e = matrix.resize(shape.rows, shape.cols, fr)) return e;
    return matrix.setElement(at[0], at[1], number, fr);
}

// Depth 2 writes the matrix store; depth 1 and 3 or more the vector store, each
// list on the way ending right after the position written.
ErrorCode storeLiteralOperand(Context& ctx, std::uint8_t slot, const LiteralPosition& position,
                              LiteralShape& shape, const Number& number, bool fr) {
    if (position.depth() == 2) {
        Value* matrix = ctx.arrays.writableMatrix(slot);
        return matrix ? storeInMatrix(*matrix, position.path(), shape, number, fr) : kOutOfMemory;
    }
    VectorNode* root = ctx.arrays.writableVector(slot);
    Number* target = nullptr;
    if (!root) return kOutOfMemory;
    if (ErrorCode e = locateVectorPath(*root, position.path(), PathFit::Fit, target)) return e;
    *target = number;
    target->syncRepresentation(fr);
    return kSuccess;
}

// Evaluates the literal from its `{` (the cursor) to the brace that balances it.
ErrorCode evaluateLiteral(Engine& engine, Context& ctx, const Token& array, std::uint8_t slot) {
    TokenLine& line = engine.statement();
    const bool fr = engine.fractionRepresentation();
    LiteralPosition position;
    LiteralShape shape;
    do {
        Token* token = line.cursor();
        if (!token) return engine.fail(kErrArray, array);  // an operand ran past the braces
        if (const int step = braceStep(*token)) {
            line.readNext();
            if (step < 0) {
                position.close();
            } else if (!position.open()) {
                return engine.fail(kErrArray, *token);
            }
            continue;
        }
        Value operand;
        if (ErrorCode e = engine.evaluateOperand(ctx, array, operand)) return e;
        if (ErrorCode e = storeLiteralOperand(ctx, slot, position, shape, operand.first(), fr)) {
            return engine.fail(e, array);
        }
        position.advance();
    } while (position.depth() > 0);
    return kSuccess;
}

}  // namespace

ErrorCode ArrayLiteralCollector::begin(const Token& array, std::uint8_t slot, const Token* open) {
    pending_.clear();
    ErrorCode e = pending_.append(array);
    // The indirect form is kept with its slot as a constant, so that the literal
    // completes in the same array whatever the slot operand was.
    if (!e && array.kind == TokenKind::Array && array.payload.asByte() == ':') {
        e = pending_.appendConstant(Number::fromReal(slot, false));
    }
    if (!e) e = pending_.append(*open);
    depth_ = 1;
    if (!e) e = append(open->next());
    collecting_ = e == kSuccess;
    return e;
}

ErrorCode ArrayLiteralCollector::collect(const TokenLine& statement) {
    if (ErrorCode e = append(statement.head())) {
        collecting_ = false;
        return e;
    }
    if (depth_ > 0) return kStatusDone;
    collecting_ = false;
    std::swap(pending_, completed_);
    return kSuccess;
}

// Copies tokens, counting braces until the literal's first brace is balanced;
// the rest of that statement follows the literal as it would on one line.
ErrorCode ArrayLiteralCollector::append(const Token* from) {
    for (const Token* token = from; token; token = token->next()) {
        if (ErrorCode e = pending_.append(*token)) return e;
        if (depth_ > 0) depth_ += braceStep(*token);
    }
    return kSuccess;
}

ErrorCode readArrayLiteral(Engine& engine, Context& ctx, const Token& array, std::uint8_t slot,
                           bool named, Value& result) {
    TokenLine& line = engine.statement();
    if (!closesInStatement(line.cursor())) {
        if (ErrorCode e = engine.arrayLiteral().begin(array, slot, line.cursor())) {
            return engine.fail(e, array);
        }
        line.setCursor(nullptr);
        return kStatusDone;
    }
    if (!named) {
        if (ErrorCode e = ctx.arrays.claimForLetter(slot)) return engine.fail(e, array);
    }
    if (ErrorCode e = evaluateLiteral(engine, ctx, array, slot)) return e;
    // A literal stores: like an assignment, it leaves no answer to show.
    if (ctx.groupDepth == 0) ctx.assignmentMark = true;
    if (ErrorCode e = result.assign(ctx.arrays.matrix(slot))) return engine.fail(e, array);
    return kSuccess;
}

}  // namespace zentrel
