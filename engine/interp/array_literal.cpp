// Array literals: `@@a { 1 2 3 }` fills the vector root, `@@a { { 1 2 } { 3 4 } }`
// the matrix store, deeper nesting the vector tree.
#include "engine/interp/array_literal.h"

#include <algorithm>
#include <array>
#include <new>
#include <span>
#include <utility>
#include <vector>

#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/vector_store.h"

namespace zentrel {

namespace {

int braceStep(const Token& token) {
    if (token.kind == TokenKind::OpenBrace) return 1;
    return token.kind == TokenKind::CloseBrace ? -1 : 0;
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

// The elements a literal stores into the matrix store, gathered while it is read
// and written once its braces close: the matrix is then made in its final shape
// (the largest row and column stored to; short rows padded with 0), so that a
// literal costs time linear in its size rather than a copy per new row.
class LiteralMatrix {
  public:
    void add(std::int32_t row, std::int32_t col, const Number& number) {
        rows_ = std::max(rows_, row + 1);
        cols_ = std::max(cols_, col + 1);
        elements_.push_back({row, col, number});
    }
    bool empty() const { return elements_.empty(); }
    // Replaces the matrix with the elements gathered.
    ErrorCode storeInto(Value& matrix, bool fr) const {
        Value made;
        made.shareAccount(matrix.account());
        if (ErrorCode e = made.resize(rows_, cols_, fr)) return e;
        for (const Element& element : elements_) {
            Number& target = made.element(element.row * cols_ + element.col);
            target = element.number;
            target.syncRepresentation(fr);
        }
        matrix = std::move(made);
        return kSuccess;
    }

  private:
    struct Element {
        std::int32_t row;
        std::int32_t col;
        Number number;
    };
    std::vector<Element> elements_;
    std::int32_t rows_ = 0;
    std::int32_t cols_ = 0;
};

// Depth 2 goes to the matrix store, when the literal ends; depth 1 and 3 or more
// to the vector store, each list on the way ending right after the position written.
ErrorCode storeLiteralOperand(Context& ctx, std::uint8_t slot, const LiteralPosition& position,
                              LiteralMatrix& matrix, const Number& number, bool fr) {
    if (position.depth() == 2) {
        const std::span<const std::int32_t> at = position.path();
        matrix.add(at[0], at[1], number);
        return kSuccess;
    }
    VectorNode* root = ctx.arrays.writableVector(slot);
    Number* target = nullptr;
    if (!root) return kOutOfMemory;
    if (ErrorCode e = locateVectorPath(*root, position.path(), PathFit::Fit, target)) return e;
    *target = number;
    target->syncRepresentation(fr);
    return kSuccess;
}

// Reads the literal from its `{` (the cursor) to the brace that balances it. Each
// element is a step of the stop request.
ErrorCode readLiteralElements(Engine& engine, Context& ctx, const Token& array, std::uint8_t slot,
                              LiteralMatrix& matrix) {
    TokenLine& line = engine.statement();
    const bool fr = engine.fractionRepresentation();
    LiteralPosition position;
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
        if (engine.shared().stop.chargeWork(1)) return engine.fail(kErrInterrupted, array);
        Value operand;
        if (ErrorCode e = engine.evaluateOperand(ctx, array, operand)) return e;
        try {
            if (ErrorCode e =
                    storeLiteralOperand(ctx, slot, position, matrix, operand.first(), fr)) {
                return engine.fail(e, array);
            }
        } catch (const std::bad_alloc&) {
            return engine.fail(kOutOfMemory, array);
        }
        position.advance();
    } while (position.depth() > 0);
    return kSuccess;
}

// Evaluates the literal; the matrix store receives what was read even when an
// element fails, as if each had been stored in turn.
ErrorCode evaluateLiteral(Engine& engine, Context& ctx, const Token& array, std::uint8_t slot) {
    LiteralMatrix matrix;
    const ErrorCode read = readLiteralElements(engine, ctx, array, slot, matrix);
    ErrorCode stored = kSuccess;
    if (!matrix.empty()) {
        Value* target = ctx.arrays.writableMatrix(slot);
        stored = target ? matrix.storeInto(*target, engine.fractionRepresentation()) : kOutOfMemory;
    }
    if (read) return read;
    return stored ? engine.fail(stored, array) : kSuccess;
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

bool literalCloses(Token* open, Token*& after) {
    int depth = 0;
    for (Token* token = open; token; token = token->next()) {
        depth += braceStep(*token);
        if (depth == 0) {
            after = token->next();
            return true;
        }
    }
    return false;
}

ErrorCode readArrayLiteral(Engine& engine, Context& ctx, const Token& array, std::uint8_t slot,
                           bool named, Value& result) {
    TokenLine& line = engine.statement();
    Token* after = nullptr;
    if (!literalCloses(line.cursor(), after)) {
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
