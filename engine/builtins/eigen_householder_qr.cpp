// Symmetric eigenvalues by Householder reduction to tridiagonal form followed by
// implicit QR steps with a Wilkinson shift. The orthogonal transformations are
// accumulated in V so that V A V^T ends diagonal and the rows of V are the eigenvectors.
#include <cmath>
#include <cstdint>

#include "engine/builtins/eigen_solvers.h"
#include "engine/builtins/real_matrix.h"

namespace zentrel {

namespace {

// Diagonal d and off-diagonal e of the tridiagonal matrix; e[k] couples k-1 and k, and
// e[0] = 0 stops the search for an unreduced block.
struct Tridiagonal {
    std::vector<double> d;
    std::vector<double> e;
};

double dot(const std::vector<double>& x, const std::vector<double>& y) {
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i)
        sum += x[i] * y[i];
    return sum;
}

// A <- H A H and V <- H V with H = I - beta v v^T, using the symmetric rank-2 form
// A - v q^T - q v^T with p = beta A v and q = p - (beta v.p / 2) v.
// False when the stop request ends the reflection half-way.
bool applyReflection(RealMatrix& a, RealMatrix& v, const std::vector<double>& u, double beta,
                     StopRequest& stop) {
    const std::int32_t n = a.order();
    std::vector<double> p(u.size(), 0.0);
    for (std::int32_t i = 0; i < n; ++i) {
        if (stop.chargeWork(n)) return false;
        for (std::int32_t j = 0; j < n; ++j)
            p[i] += a.at(i, j) * u[j];
        p[i] *= beta;
    }
    const double k = beta * dot(u, p) / 2.0;
    for (std::int32_t i = 0; i < n; ++i)
        p[i] -= k * u[i];
    for (std::int32_t i = 0; i < n; ++i) {
        if (stop.chargeWork(n)) return false;
        for (std::int32_t j = 0; j < n; ++j)
            a.at(i, j) -= u[i] * p[j] + p[i] * u[j];
    }
    for (std::int32_t c = 0; c < n; ++c) {
        if (stop.chargeWork(2 * std::int64_t{n})) return false;
        double projection = 0.0;
        for (std::int32_t i = 0; i < n; ++i)
            projection += u[i] * v.at(i, c);
        for (std::int32_t i = 0; i < n; ++i)
            v.at(i, c) -= beta * projection * u[i];
    }
    return true;
}

// Clears column k below the subdiagonal (and row k beyond it, by symmetry). False when
// the stop request ends the work.
bool reduceColumn(RealMatrix& a, RealMatrix& v, std::int32_t k, StopRequest& stop) {
    const std::int32_t n = a.order();
    double normSquared = 0.0;
    for (std::int32_t i = k + 1; i < n; ++i)
        normSquared += a.at(i, k) * a.at(i, k);
    if (normSquared == 0.0) return true;
    // The sign opposite to the leading element avoids cancellation in u[k + 1].
    const double norm = std::sqrt(normSquared);
    const double alpha = a.at(k + 1, k) >= 0 ? -norm : norm;
    std::vector<double> u(static_cast<std::size_t>(n), 0.0);
    for (std::int32_t i = k + 1; i < n; ++i)
        u[i] = a.at(i, k);
    u[k + 1] -= alpha;
    return applyReflection(a, v, u, 2.0 / dot(u, u), stop);
}

// False when the stop request ends the reduction.
bool tridiagonalize(RealMatrix& a, RealMatrix& v, Tridiagonal& t, StopRequest& stop) {
    const std::int32_t n = a.order();
    for (std::int32_t k = 0; k + 2 < n; ++k) {
        if (stop.chargeWork(n) || !reduceColumn(a, v, k, stop)) return false;
    }
    t = {std::vector<double>(static_cast<std::size_t>(n)),
         std::vector<double>(static_cast<std::size_t>(n), 0.0)};
    for (std::int32_t i = 0; i < n; ++i)
        t.d[i] = a.at(i, i);
    for (std::int32_t i = 1; i < n; ++i)
        t.e[i] = a.at(i - 1, i);
    return true;
}

bool negligible(const Tridiagonal& t, std::int32_t k) {
    return !(std::fabs(t.e[k]) > kEigenEps * (std::fabs(t.d[k - 1]) + std::fabs(t.d[k])));
}

// The rotation (c, s) with x*s + y*c = 0.
void rotationFor(double x, double y, double& c, double& s) {
    if (x == 0.0 && y == 0.0) {  // nothing to chase: the identity
        c = 1.0;
        s = 0.0;
    } else if (std::fabs(x) >= std::fabs(y)) {
        const double t = -y / x;
        c = 1.0 / std::sqrt(t * t + 1.0);
        s = t * c;
    } else {
        const double t = -x / y;
        s = 1.0 / std::sqrt(t * t + 1.0);
        c = t * s;
    }
}

// One implicit QR step on the block j..h: the first rotation is chosen from the shifted
// diagonal, each later one chases the bulge it left at (k-1, k+1) down the band.
// False when the stop request ends the step.
bool qrStep(Tridiagonal& t, RealMatrix& v, std::int32_t j, std::int32_t h, StopRequest& stop) {
    // The Wilkinson shift: the eigenvalue of the trailing 2x2 block nearer to d[h].
    // hypot and e*(e/...) keep a tiny e[h] from underflowing into 0/0.
    const double w0 = (t.d[h - 1] - t.d[h]) / 2.0;
    const double root = std::copysign(std::hypot(w0, t.e[h]), w0);
    double x = t.d[j] - t.d[h] + t.e[h] * (t.e[h] / (w0 + root));
    double y = t.e[j + 1];
    for (std::int32_t k = j; k < h; ++k) {
        if (stop.chargeWork(v.order())) return false;
        double c = 1.0;
        double s = 0.0;
        rotationFor(x, y, c, s);
        const double w = t.d[k] - t.d[k + 1];
        const double shift = (w * s + 2.0 * c * t.e[k + 1]) * s;
        t.d[k] -= shift;
        t.d[k + 1] += shift;
        if (k > j) t.e[k] = c * t.e[k] - s * y;
        t.e[k + 1] += s * (c * w - 2.0 * s * t.e[k + 1]);
        for (std::int32_t i = 0; i < v.order(); ++i) {
            const double upper = v.at(k, i);
            v.at(k, i) = c * upper - s * v.at(k + 1, i);
            v.at(k + 1, i) = s * upper + c * v.at(k + 1, i);
        }
        if (k + 1 < h) {
            x = t.e[k + 1];
            y = -s * t.e[k + 2];
            t.e[k + 2] *= c;
        }
    }
    return true;
}

enum class Convergence : std::uint8_t { Converged, Failed, Stopped };

// Deflates the last eigenvalue of the leading block 0..h.
Convergence converge(Tridiagonal& t, RealMatrix& v, std::int32_t h, StopRequest& stop) {
    std::int32_t j = h;
    while (j > 0 && !negligible(t, j))
        --j;
    if (j == h) return Convergence::Converged;
    for (int iteration = 0; iteration < kQrMaxIterations; ++iteration) {
        if (!qrStep(t, v, j, h, stop)) return Convergence::Stopped;
        if (negligible(t, h)) return Convergence::Converged;
    }
    return Convergence::Failed;
}

}  // namespace

EigenResult householderQrEigenvalues(const Value& matrix, StopRequest& stop) {
    if (matrix.rows() != matrix.cols()) return noEigenvalues(true);
    RealMatrix a(0);
    if (!RealMatrix::fromValue(matrix, stop, a)) return interruptedEigenvalues();
    RealMatrix v = RealMatrix::identity(a.order());
    Tridiagonal t;
    if (!tridiagonalize(a, v, t, stop)) return interruptedEigenvalues();
    for (std::int32_t h = a.order() - 1; h > 0; --h) {
        const Convergence c = converge(t, v, h, stop);
        if (c == Convergence::Stopped) return interruptedEigenvalues();
        if (c == Convergence::Failed) return noEigenvalues(false);
    }
    return sortedEigenResult(std::move(t.d), std::move(v), stop);
}

}  // namespace zentrel
