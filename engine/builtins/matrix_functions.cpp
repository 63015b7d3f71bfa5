// The matrix functions row, col, det, inv, trans, eigen, jacobi and power.
#include <cstdint>

#include "engine/builtins/array_arguments.h"
#include "engine/builtins/builtin_rows.h"
#include "engine/builtins/eigen_solvers.h"
#include "engine/builtins/matrix_algorithms.h"
#include "engine/frontend/name_tables.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

namespace {

using Fn = FunctionId;

Number count(Engine& engine, std::int64_t n) {
    return Number::fromReal(static_cast<double>(n), engine.fractionRepresentation());
}

template <bool rows>
ErrorCode dimension(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Value scratch;
    const Value* matrix = nullptr;
    if (ErrorCode e = readMatrixArgument(engine, ctx, token, scratch, matrix)) return e;
    result.setScalar(count(engine, rows ? matrix->rows() : matrix->cols()));
    return kSuccess;
}

ErrorCode det(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Value scratch;
    const Value* matrix = nullptr;
    if (ErrorCode e = readMatrixArgument(engine, ctx, token, scratch, matrix)) return e;
    Number d;
    const MatrixOutcome outcome =
        determinant(*matrix, engine.fractionRepresentation(), engine.shared().stop, d);
    if (outcome.status) return engine.fail(outcome.status, token);
    if (outcome.matrixWarning) engine.warn(ctx, kWarnNoDeterminant, token);
    result.setScalar(d);
    return kSuccess;
}

ErrorCode inv(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Value scratch;
    const Value* matrix = nullptr;
    if (ErrorCode e = readMatrixArgument(engine, ctx, token, scratch, matrix)) return e;
    const MatrixOutcome outcome =
        inverse(*matrix, engine.fractionRepresentation(), engine.shared().stop, result);
    if (outcome.status) return engine.fail(outcome.status, token);
    if (outcome.matrixWarning) engine.warn(ctx, kWarnNoInverse, token);
    return kSuccess;
}

ErrorCode trans(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Value scratch;
    const Value* matrix = nullptr;
    if (ErrorCode e = readMatrixArgument(engine, ctx, token, scratch, matrix)) return e;
    const ErrorCode e =
        transpose(*matrix, engine.fractionRepresentation(), engine.shared().stop, result);
    return e ? engine.fail(e, token) : kSuccess;
}

// D's element list becomes exactly the eigenvalues; V's matrix the eigenvectors, row by row.
ErrorCode writeEigenResult(Engine& engine, Context& ctx, const EigenResult& r,
                           const ArrayArgument& d, const ArrayArgument& v) {
    const bool fr = engine.fractionRepresentation();
    VectorNode* values = writableVectorOf(ctx, d);
    if (!values) return kOutOfMemory;
    for (std::int32_t i = 0; i < r.found; ++i) {
        Number* element = nullptr;
        if (ErrorCode e = values->fitTo(i, element)) return e;
        *element = Number::fromReal(r.values[i], fr);
    }
    Value* target = writableMatrixOf(ctx, v);
    if (!target) return kOutOfMemory;
    Value vectors;
    vectors.shareAccount(target->account());
    if (ErrorCode e = vectors.resize(r.order, r.order, fr)) return e;
    for (std::int32_t i = 0; i < vectors.count(); ++i) {
        vectors.element(i) = Number::fromReal(r.vectors[i], fr);
    }
    *target = std::move(vectors);
    return kSuccess;
}

enum class EigenMethod : std::uint8_t { Jacobi, HouseholderQr, Power };

// eigen A D V, jacobi A D V, power A k D V: the number of eigenvalues found; D and V are
// written only when it is positive.
template <EigenMethod method>
ErrorCode eigenvalues(Engine& engine, Context& ctx, const Token& token, Value& result) {
    Value scratch;
    const Value* matrix = nullptr;
    if (ErrorCode e = readMatrixArgument(engine, ctx, token, scratch, matrix)) return e;
    std::int64_t wanted = 0;
    if constexpr (method == EigenMethod::Power) {
        Value k;
        if (!engine.operandFollows()) return engine.fail(kErrFunctionArgument, token);
        if (ErrorCode e = engine.evaluateOperand(ctx, token, k)) return e;
        wanted = k.first().truncInt();
    }
    ArrayArgument d;
    ArrayArgument v;
    if (ErrorCode e = readArrayArgument(engine, ctx, token, kErrFunctionArgument, d)) return e;
    if (ErrorCode e = readArrayArgument(engine, ctx, token, kErrFunctionArgument, v)) return e;
    StopRequest& stop = engine.shared().stop;
    // The routines work on two square matrices of doubles: A's copy and V.
    const std::int64_t order = matrix->rows() == matrix->cols() ? matrix->rows() : 0;
    const MemoryReservation working(*engine.shared().memory,
                                    2 * order * order * std::int64_t{sizeof(double)});
    if (!working.held()) return engine.fail(kErrMemoryLimit, token);
    const EigenResult r = method == EigenMethod::Jacobi ? jacobiEigenvalues(*matrix, stop)
                          : method == EigenMethod::HouseholderQr
                              ? householderQrEigenvalues(*matrix, stop)
                              : powerEigenvalues(*matrix, wanted, stop);
    if (r.status) return engine.fail(r.status, token);
    if (r.found > 0) {
        if (ErrorCode e = writeEigenResult(engine, ctx, r, d, v)) return engine.fail(e, token);
    }
    result.setScalar(count(engine, r.found));
    return kSuccess;
}

constexpr TakenWhole kTextsAndArrays = TakenWhole::TextsAndArrays;

// Each reads a matrix (an array whole, or any operand) and the arrays it writes.
constexpr HandlerRow kMatrixFunctions[] = {
    row<Fn::Row>(dimension<true>, 1, kTextsAndArrays),
    row<Fn::Col>(dimension<false>, 1, kTextsAndArrays),
    row<Fn::Det>(det, 1, kTextsAndArrays),
    row<Fn::Inv>(inv, 1, kTextsAndArrays),
    row<Fn::Trans>(trans, 1, kTextsAndArrays),
    row<Fn::Eigen>(eigenvalues<EigenMethod::HouseholderQr>, 3, kTextsAndArrays),
    row<Fn::Jacobi>(eigenvalues<EigenMethod::Jacobi>, 3, kTextsAndArrays),
    row<Fn::Power>(eigenvalues<EigenMethod::Power>, 4, kTextsAndArrays),
};
static_assert(distinctIds(kMatrixFunctions));

}  // namespace

std::span<const HandlerRow> matrixFunctionRows() {
    return kMatrixFunctions;
}

}  // namespace zentrel
