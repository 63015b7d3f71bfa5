#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/builtins/eigen_solvers.h"
#include "engine/values/value.h"

namespace zentrel {

// A square matrix of doubles for the eigenvalue routines.
class RealMatrix {
  public:
    explicit RealMatrix(std::int32_t order)
        : order_(order), elements_(static_cast<std::size_t>(order) * order, 0.0) {}

    // The real parts of a square Value; false when the stop request ends the copy.
    static bool fromValue(const Value& square, StopRequest& stop, RealMatrix& out);
    static RealMatrix identity(std::int32_t order);

    std::int32_t order() const { return order_; }
    double& at(std::int32_t r, std::int32_t c) { return elements_[index(r, c)]; }
    double at(std::int32_t r, std::int32_t c) const { return elements_[index(r, c)]; }
    void swapRows(std::int32_t a, std::int32_t b);
    std::vector<double> release() { return std::move(elements_); }

  private:
    std::size_t index(std::int32_t r, std::int32_t c) const {
        return static_cast<std::size_t>(r) * order_ + c;
    }

    std::int32_t order_;
    std::vector<double> elements_;
};

// No eigenvalue: the matrix was not square (the warning case) or did not converge.
inline EigenResult noEigenvalues(bool matrixWarning) {
    EigenResult result;
    result.matrixWarning = matrixWarning;
    return result;
}

// No eigenvalue either: the stop request ended the routine.
inline EigenResult interruptedEigenvalues() {
    EigenResult result;
    result.status = kErrInterrupted;
    return result;
}

// Sorts the eigenvalues descending by selection, exchanging the matching rows of the
// eigenvector matrix, and moves both into a result.
EigenResult sortedEigenResult(std::vector<double> values, RealMatrix vectors, StopRequest& stop);

}  // namespace zentrel
