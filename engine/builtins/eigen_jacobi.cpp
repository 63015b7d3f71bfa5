// Cyclic Jacobi: rotations that zero one off-diagonal element at a time, sweeping over
// every pair until the off-diagonal mass is negligible. Only the upper triangle is kept.
#include <cmath>

#include "engine/builtins/eigen_solvers.h"
#include "engine/builtins/real_matrix.h"

namespace zentrel {

namespace {

// The sum of the squares above the diagonal; false when the stop request ends the sum.
bool offDiagonalSquares(const RealMatrix& a, StopRequest& stop, double& off) {
    off = 0.0;
    for (std::int32_t j = 0; j < a.order(); ++j) {
        if (stop.chargeWork(a.order() - j)) return false;
        for (std::int32_t k = j + 1; k < a.order(); ++k)
            off += a.at(j, k) * a.at(j, k);
    }
    return true;
}

// False too when the stop request ends the scan: the next sum then ends the routine.
bool isDiagonal(const RealMatrix& a, StopRequest& stop) {
    for (std::int32_t j = 0; j < a.order(); ++j) {
        if (stop.chargeWork(a.order() - j)) return false;
        for (std::int32_t k = j + 1; k < a.order(); ++k) {
            if (a.at(j, k) != 0.0) return false;
        }
    }
    return true;
}

// The pair (x, y) becomes (x*c - y*s, x*s + y*c).
void rotatePair(double& x, double& y, double c, double s) {
    const double oldX = x;
    x = oldX * c - y * s;
    y = oldX * s + y * c;
}

// Zeroes a[j][k] (j < k) by a rotation in the plane (j, k), applied to the upper
// triangle of a and to rows j and k of the eigenvector matrix v.
void rotate(RealMatrix& a, RealMatrix& v, std::int32_t j, std::int32_t k) {
    double t = (a.at(k, k) - a.at(j, j)) / (2.0 * a.at(j, k));
    // The smaller root of t^2 + 2*theta*t - 1 = 0 keeps the rotation angle below pi/4.
    t = t >= 0 ? 1.0 / (t + std::sqrt(t * t + 1.0)) : 1.0 / (t - std::sqrt(t * t + 1.0));
    const double c = 1.0 / std::sqrt(t * t + 1.0);
    const double s = t * c;
    t *= a.at(j, k);
    a.at(j, j) -= t;
    a.at(k, k) += t;
    a.at(j, k) = 0.0;
    const std::int32_t n = a.order();
    for (std::int32_t i = 0; i < j; ++i)
        rotatePair(a.at(i, j), a.at(i, k), c, s);
    for (std::int32_t i = j + 1; i < k; ++i)
        rotatePair(a.at(j, i), a.at(i, k), c, s);
    for (std::int32_t i = k + 1; i < n; ++i)
        rotatePair(a.at(j, i), a.at(k, i), c, s);
    for (std::int32_t i = 0; i < n; ++i)
        rotatePair(v.at(j, i), v.at(k, i), c, s);
}

// One rotation per pair; each rotation passes over rows of length n. False when
// the stop request ends the sweep.
bool sweep(RealMatrix& a, RealMatrix& v, StopRequest& stop) {
    for (std::int32_t j = 0; j < a.order(); ++j) {
        for (std::int32_t k = j + 1; k < a.order(); ++k) {
            if (std::fabs(a.at(j, k)) < kJacobiTiny) continue;
            if (stop.chargeWork(2 * std::int64_t{a.order()})) return false;
            rotate(a, v, j, k);
        }
    }
    return true;
}

}  // namespace

EigenResult jacobiEigenvalues(const Value& matrix, StopRequest& stop) {
    if (matrix.rows() != matrix.cols()) return noEigenvalues(true);
    RealMatrix a(0);
    if (!RealMatrix::fromValue(matrix, stop, a)) return interruptedEigenvalues();
    RealMatrix v = RealMatrix::identity(a.order());
    double diagonal = 0.0;
    for (std::int32_t j = 0; j < a.order(); ++j)
        diagonal += a.at(j, j) * a.at(j, j);
    double off = 0.0;
    if (!offDiagonalSquares(a, stop, off)) return interruptedEigenvalues();
    const double tolerance = kEigenEps * kEigenEps * (diagonal / 2.0 + off);

    for (int iteration = 0; iteration < kJacobiMaxSweeps; ++iteration) {
        if (!offDiagonalSquares(a, stop, off)) return interruptedEigenvalues();
        // A diagonal matrix has converged even when its tolerance is 0 (the zero matrix).
        if (off < tolerance || isDiagonal(a, stop)) {
            std::vector<double> values(static_cast<std::size_t>(a.order()));
            for (std::int32_t i = 0; i < a.order(); ++i)
                values[i] = a.at(i, i);
            return sortedEigenResult(std::move(values), std::move(v), stop);
        }
        if (!sweep(a, v, stop)) return interruptedEigenvalues();
    }
    return noEigenvalues(false);
}

}  // namespace zentrel
