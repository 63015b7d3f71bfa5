// The power method: repeated multiplication draws a vector towards the eigenvector of
// the eigenvalue of largest magnitude; deflation then removes that pair and the next
// one follows.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/builtins/eigen_solvers.h"
#include "engine/builtins/real_matrix.h"

namespace zentrel {

namespace {

constexpr double kRoundingLevel = 64 * std::numeric_limits<double>::epsilon();
// A start vector shorter than this after removing the eigenvectors found is mostly
// rounding noise.
constexpr double kNearlyFound = 1e-6;

struct Eigenpair {
    double value = 0.0;
    std::vector<double> vector;
    bool converged = false;
    bool stopped = false;  // the stop request ended the iteration
};

// y = A x; false when the stop request ends the product.
bool multiply(const RealMatrix& a, const std::vector<double>& x, StopRequest& stop,
              std::vector<double>& y) {
    y.assign(x.size(), 0.0);
    for (std::int32_t i = 0; i < a.order(); ++i) {
        if (stop.chargeWork(a.order())) return false;
        for (std::int32_t j = 0; j < a.order(); ++j)
            y[i] += a.at(i, j) * x[j];
    }
    return true;
}

double length(const std::vector<double>& x) {
    double sum = 0.0;
    for (double xi : x)
        sum += xi * xi;
    return std::sqrt(sum);
}

// Removes from x its components along rows 0..q-1 of `found` (unit vectors); returns
// the length left.
double removeFound(std::vector<double>& x, const RealMatrix& found, std::int32_t q,
                   StopRequest& stop) {
    for (std::int32_t p = 0; p < q; ++p) {
        // Stopped, the vector is left as it is: the caller's next charge ends the routine.
        if (stop.chargeWork(2 * std::int64_t{found.order()})) break;
        double along = 0.0;
        for (std::size_t i = 0; i < x.size(); ++i)
            along += x[i] * found.at(p, i);
        for (std::size_t i = 0; i < x.size(); ++i)
            x[i] -= along * found.at(p, i);
    }
    return length(x);
}

// The start vector of eigenpair q: the uniform unit vector without its components along
// the eigenvectors already found. Deflation leaves those directions with eigenvalue 0, so
// a start along one of them would end in the false pair (0, that eigenvector). When
// hardly anything of the uniform vector is left, the unit axis that keeps the most after
// the same removal is used instead.
std::vector<double> startVector(const RealMatrix& found, std::int32_t q, StopRequest& stop) {
    const std::int32_t n = found.order();
    std::vector<double> x(n, 1.0 / std::sqrt(static_cast<double>(n)));
    double left = removeFound(x, found, q, stop);
    if (left < kNearlyFound) {
        left = 0.0;
        for (std::int32_t axis = 0; axis < n && !stop.pending(); ++axis) {
            std::vector<double> candidate(n, 0.0);
            candidate[axis] = 1.0;
            const double candidateLeft = removeFound(candidate, found, q, stop);
            if (candidateLeft > left) {
                x = std::move(candidate);
                left = candidateLeft;
            }
        }
    }
    for (double& xi : x)
        xi /= left;
    return x;
}

// One eigenpair of largest magnitude. A vector whose sign flips between steps (change
// above 2 for unit vectors) belongs to a negative eigenvalue; from then on dividing by
// the negative norm keeps it steady. The step change d is expected to shrink
// geometrically; iteration stops once the change left to come is below EPS.
Eigenpair dominantEigenpair(const RealMatrix& a, std::vector<double> start, StopRequest& stop) {
    const std::int32_t n = a.order();
    Eigenpair pair{0.0, std::move(start), false};
    double previousChange = 0.0;
    std::vector<double> y;
    for (int iteration = 1; iteration <= kPowerMaxIterations; ++iteration) {
        if (!multiply(a, pair.vector, stop, y)) {
            pair.stopped = true;
            break;
        }
        double norm = length(y);
        // A x = 0: x is an eigenvector of the eigenvalue 0 (the start vector avoids the
        // deflated ones), and dividing by the norm would only turn it into NaN.
        if (norm == 0.0) return {0.0, pair.vector, true};
        if (pair.value < 0) norm = -norm;
        double e = 0.0;
        for (std::int32_t i = 0; i < n; ++i) {
            const double next = y[i] / norm;
            e += (pair.vector[i] - next) * (pair.vector[i] - next);
            pair.vector[i] = next;
        }
        pair.value = e > 2.0 ? -norm : norm;
        if (iteration == kPowerMaxIterations) break;
        const double change = std::sqrt(e);
        // Below the rounding level the change no longer shrinks, and a start vector that
        // is an eigenvector already would otherwise never count as converged.
        if (change <= kRoundingLevel || e <= (previousChange - change) * kEigenEps) {
            pair.converged = true;
            break;
        }
        previousChange = change;
    }
    return pair;
}

// False when the stop request ends the deflation.
bool deflate(RealMatrix& a, const Eigenpair& pair, StopRequest& stop) {
    for (std::int32_t i = 0; i < a.order(); ++i) {
        if (stop.chargeWork(a.order())) return false;
        for (std::int32_t j = 0; j < a.order(); ++j) {
            a.at(i, j) -= pair.value * pair.vector[i] * pair.vector[j];
        }
    }
    return true;
}

}  // namespace

EigenResult powerEigenvalues(const Value& matrix, std::int64_t wanted, StopRequest& stop) {
    if (matrix.rows() != matrix.cols()) return noEigenvalues(true);
    RealMatrix a(0);
    if (!RealMatrix::fromValue(matrix, stop, a)) return interruptedEigenvalues();
    RealMatrix vectors(a.order());
    // A count below 1 asks for nothing rather than for a negative number of eigenvalues.
    const auto m = static_cast<std::int32_t>(std::clamp<std::int64_t>(wanted, 0, a.order()));
    std::vector<double> values;
    std::int32_t found = -1;  // the index of the first eigenvalue that did not converge
    for (std::int32_t q = 0; q < m; ++q) {
        const Eigenpair pair = dominantEigenpair(a, startVector(vectors, q, stop), stop);
        if (pair.stopped) return interruptedEigenvalues();
        if (!pair.converged && found < 0) found = q;
        values.push_back(pair.value);
        for (std::int32_t j = 0; j < a.order(); ++j)
            vectors.at(q, j) = pair.vector[j];
        if (q + 1 < m && !deflate(a, pair, stop)) return interruptedEigenvalues();
    }
    EigenResult result;
    result.found = found < 0 ? m : found;
    result.order = a.order();
    values.resize(static_cast<std::size_t>(result.found));
    result.values = std::move(values);
    result.vectors = vectors.release();
    return result;
}

}  // namespace zentrel
