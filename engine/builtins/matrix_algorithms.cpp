#include "engine/builtins/matrix_algorithms.h"

#include <cstdint>
#include <utility>

#include "engine/values/arithmetic.h"

namespace zentrel {

namespace {

// A square working copy with every element in the current representation, so that the
// zero test and the arithmetic see the same number.
class WorkingMatrix {
  public:
    WorkingMatrix(std::int32_t order, bool fractionRepresentation)
        : order_(order), fr_(fractionRepresentation) {}

    // A row operation from column `from` on counts its elements as steps; true when
    // the stop request ends the elimination. One row is short enough to finish.
    bool rowStopped(StopRequest& stop, std::int32_t from) const {
        return stop.chargeWork(order_ - from);
    }

    ErrorCode copyFrom(const Value& source) {
        if (ErrorCode e = values_.assign(source)) return e;
        for (std::int32_t i = 0; i < values_.count(); ++i) {
            values_.element(i).syncRepresentation(fr_);
        }
        return kSuccess;
    }

    // The identity counts against the account of the matrix it goes with.
    ErrorCode makeIdentity(const Value& partner) {
        values_.shareAccount(partner.account());
        if (ErrorCode e = values_.resize(order_, order_, fr_)) return e;
        for (std::int32_t i = 0; i < values_.count(); ++i) {
            values_.element(i) = Number::fromReal(i % (order_ + 1) == 0 ? 1.0 : 0.0, fr_);
        }
        return kSuccess;
    }

    Number& at(std::int32_t r, std::int32_t c) { return values_.element(r * order_ + c); }
    Value& value() { return values_; }

    void swapRows(std::int32_t a, std::int32_t b) {
        for (std::int32_t c = 0; c < order_; ++c)
            std::swap(at(a, c), at(b, c));
    }

    void negateRow(std::int32_t r) {
        for (std::int32_t c = 0; c < order_; ++c)
            at(r, c) = at(r, c).negate(fr_);
    }

    // Row r, from column `from` on, divided by the divisor.
    void divideRow(std::int32_t r, const Number& divisor, std::int32_t from) {
        for (std::int32_t c = from; c < order_; ++c) {
            applyScalarArithmetic(at(r, c), divisor, ArithmeticOp::Divide, fr_);
        }
    }

    // Row `target` minus factor times row `source`, from column `from` on.
    void subtractRowMultiple(std::int32_t target, std::int32_t source, const Number& factor,
                             std::int32_t from) {
        for (std::int32_t c = from; c < order_; ++c) {
            Number term = at(source, c);
            applyScalarArithmetic(term, factor, ArithmeticOp::Multiply, fr_);
            applyScalarArithmetic(at(target, c), term, ArithmeticOp::Subtract, fr_);
        }
    }

    // The first row at or below `column` whose element in that column is not zero, or -1.
    std::int32_t findPivotRow(std::int32_t column) {
        for (std::int32_t r = column; r < order_; ++r) {
            if (!isExactZero(at(r, column))) return r;
        }
        return -1;
    }

  private:
    // Exact zero in the stored representation: no tolerance, so that fraction
    // elimination stays exact.
    static bool isExactZero(const Number& n) {
        if (n.isFraction) return n.fraction.numerator == 0;
        return n.complex.re == 0.0 && n.complex.im == 0.0;
    }

    std::int32_t order_;
    bool fr_;
    Value values_;
};

}  // namespace

MatrixOutcome determinant(const Value& matrix, bool fractionRepresentation, StopRequest& stop,
                          Number& result) {
    const auto zero = [&](MatrixOutcome outcome) {
        result = Number::zero(fractionRepresentation);
        return outcome;
    };
    if (matrix.rows() != matrix.cols()) return zero({kSuccess, true});
    const std::int32_t n = matrix.rows();
    WorkingMatrix a(n, fractionRepresentation);
    if (ErrorCode e = a.copyFrom(matrix)) return zero({e, false});

    Number d = Number::fromReal(1.0, fractionRepresentation);
    for (std::int32_t t = 0; t + 1 < n; ++t) {
        const std::int32_t r = a.findPivotRow(t);
        if (r < 0) return zero({});
        if (r != t) {
            a.swapRows(r, t);
            a.negateRow(r);
        }
        const Number pivot = a.at(t, t);
        applyScalarArithmetic(d, pivot, ArithmeticOp::Multiply, fractionRepresentation);
        a.divideRow(t, pivot, t);
        for (std::int32_t row = t + 1; row < n; ++row) {
            if (a.rowStopped(stop, t)) return zero({kErrInterrupted, false});
            const Number factor = a.at(row, t);
            a.subtractRowMultiple(row, t, factor, t);
        }
    }
    applyScalarArithmetic(d, a.at(n - 1, n - 1), ArithmeticOp::Multiply, fractionRepresentation);
    result = d;
    return {};
}

MatrixOutcome inverse(const Value& matrix, bool fractionRepresentation, StopRequest& stop,
                      Value& result) {
    const auto end = [&](MatrixOutcome outcome) {
        result.setScalar(Number::zero(fractionRepresentation));
        return outcome;
    };
    if (matrix.rows() != matrix.cols()) return end({kSuccess, true});
    const std::int32_t n = matrix.rows();
    WorkingMatrix a(n, fractionRepresentation);
    WorkingMatrix e(n, fractionRepresentation);
    ErrorCode made = a.copyFrom(matrix);
    if (!made) made = e.makeIdentity(matrix);
    if (made) return end({made, false});

    for (std::int32_t t = 0; t < n; ++t) {
        const std::int32_t r = a.findPivotRow(t);
        if (r < 0) return end({kSuccess, true});
        a.swapRows(r, t);
        e.swapRows(r, t);
        const Number pivot = a.at(t, t);
        a.divideRow(t, pivot, t);
        e.divideRow(t, pivot, 0);
        for (std::int32_t row = t + 1; row < n; ++row) {
            if (e.rowStopped(stop, 0)) return end({kErrInterrupted, false});
            const Number factor = a.at(row, t);
            a.subtractRowMultiple(row, t, factor, t);
            e.subtractRowMultiple(row, t, factor, 0);
        }
    }
    // A is now unit upper triangular; clearing its columns from the last one back
    // leaves the earlier columns of A untouched.
    for (std::int32_t t = n - 1; t > 0; --t) {
        for (std::int32_t row = 0; row < t; ++row) {
            if (e.rowStopped(stop, 0)) return end({kErrInterrupted, false});
            const Number factor = a.at(row, t);
            a.subtractRowMultiple(row, t, factor, t);
            e.subtractRowMultiple(row, t, factor, 0);
        }
    }
    result = std::move(e.value());
    return {};
}

ErrorCode transpose(const Value& matrix, bool fractionRepresentation, StopRequest& stop,
                    Value& result) {
    Value transposed;
    transposed.shareAccount(matrix.account());
    if (ErrorCode e = transposed.resize(matrix.cols(), matrix.rows(), fractionRepresentation)) {
        return e;
    }
    for (std::int32_t r = 0; r < matrix.rows(); ++r) {
        if (stop.chargeWork(matrix.cols())) return kErrInterrupted;
        for (std::int32_t c = 0; c < matrix.cols(); ++c) {
            transposed.element(c * matrix.rows() + r) = matrix.elementAt(r, c);
        }
    }
    result = std::move(transposed);
    return kSuccess;
}

}  // namespace zentrel
