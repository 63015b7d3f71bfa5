#pragma once

#include <cstdint>
#include <vector>

#include "engine/values/error_code.h"
#include "engine/values/stop_request.h"
#include "engine/values/value.h"

namespace zentrel {

// The eigenvalue routines behind jacobi, eigen and power. They read the real parts of a
// symmetric matrix and work in double precision; nothing is reported here. Every pass
// over a row counts its elements as steps of the stop request, and a stop ends the
// routine with status kErrInterrupted and nothing found.

inline constexpr double kEigenEps = 1e-6;     // convergence tests of all three methods
inline constexpr double kJacobiTiny = 1e-20;  // smaller off-diagonal elements are not rotated
inline constexpr int kJacobiMaxSweeps = 100;
inline constexpr int kQrMaxIterations = 100;     // per eigenvalue
inline constexpr int kPowerMaxIterations = 200;  // per eigenvalue

struct EigenResult {
    ErrorCode status = kSuccess;  // kErrInterrupted when the stop request ended the work
    std::int32_t found = 0;       // eigenvalues found: 0 when not square or not converged
    bool matrixWarning = false;   // the matrix was not square
    std::int32_t order = 0;       // n, the order of the matrix
    std::vector<double> values;   // `found` eigenvalues
    // n x n, row-major: row i is the unit eigenvector of values[i].
    std::vector<double> vectors;
};

// Cyclic Jacobi rotations on the upper triangle; eigenvalues sorted descending.
EigenResult jacobiEigenvalues(const Value& matrix, StopRequest& stop);

// Householder reduction to tridiagonal form, then QR iteration with a Wilkinson shift;
// eigenvalues sorted descending.
EigenResult householderQrEigenvalues(const Value& matrix, StopRequest& stop);

// The power method for the min(wanted, n) eigenvalues of largest magnitude, one after
// another with deflation, in the order found. When one of them does not converge, `found`
// is the index of the first such one, but every one of the min(wanted, n) rows of
// `vectors` still holds the vector reached; the remaining rows are zero.
EigenResult powerEigenvalues(const Value& matrix, std::int64_t wanted, StopRequest& stop);

}  // namespace zentrel
