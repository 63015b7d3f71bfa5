// Symmetric eigenvalues by Householder reduction to tridiagonal form followed by
// implicit QR steps with a Wilkinson shift. The orthogonal transformations are
// accumulated in V so that V A V^T ends diagonal and the rows of V are the eigenvectors.
#include <cmath>

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
void applyReflection(RealMatrix& a, RealMatrix& v, const std::vector<double>& u, double beta) {
    const std::int32_t n = a.order();
    std::vector<double> p(u.size(), 0.0);
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j)
            p[i] += a.at(i, j) * u[j];
        p[i] *= beta;
    }
    const double k = beta * dot(u, p) / 2.0;
    for (std::int32_t i = 0; i < n; ++i)
        p[i] -= k * u[i];
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j)
            a.at(i, j) -= u[i] * p[j] + p[i] * u[j];
    }
    for (std::int32_t c = 0; c < n; ++c) {
        double projection = 0.0;
        for (std::int32_t i = 0; i < n; ++i)
            projection += u[i] * v.at(i, c);
        for (std::int32_t i = 0; i < n; ++i)
            v.at(i, c) -= beta * projection * u[i];
    }
}

// Clears column k below the subdiagonal (and row k beyond it, by symmetry).
void reduceColumn(RealMatrix& a, RealMatrix& v, std::int32_t k) {
    const std::int32_t n = a.order();
    double normSquared = 0.0;
    for (std::int32_t i = k + 1; i < n; ++i)
        normSquared += a.at(i, k) * a.at(i, k);
    if (normSquared == 0.0) return;
    // The sign opposite to the leading element avoids cancellation in u[k + 1].
    const double norm = std::sqrt(normSquared);
    const double alpha = a.at(k + 1, k) >= 0 ? -norm : norm;
    std::vector<double> u(static_cast<std::size_t>(n), 0.0);
    for (std::int32_t i = k + 1; i < n; ++i)
        u[i] = a.at(i, k);
    u[k + 1] -= alpha;
    applyReflection(a, v, u, 2.0 / dot(u, u));
}

Tridiagonal tridiagonalize(RealMatrix& a, RealMatrix& v) {
    const std::int32_t n = a.order();
    for (std::int32_t k = 0; k + 2 < n; ++k)
        reduceColumn(a, v, k);
    Tridiagonal t{std::vector<double>(static_cast<std::size_t>(n)),
                  std::vector<double>(static_cast<std::size_t>(n), 0.0)};
    for (std::int32_t i = 0; i < n; ++i)
        t.d[i] = a.at(i, i);
    for (std::int32_t i = 1; i < n; ++i)
        t.e[i] = a.at(i - 1, i);
    return t;
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
void qrStep(Tridiagonal& t, RealMatrix& v, std::int32_t j, std::int32_t h) {
    // The Wilkinson shift: the eigenvalue of the trailing 2x2 block nearer to d[h].
    // hypot and e*(e/...) keep a tiny e[h] from underflowing into 0/0.
    const double w0 = (t.d[h - 1] - t.d[h]) / 2.0;
    const double root = std::copysign(std::hypot(w0, t.e[h]), w0);
    double x = t.d[j] - t.d[h] + t.e[h] * (t.e[h] / (w0 + root));
    double y = t.e[j + 1];
    for (std::int32_t k = j; k < h; ++k) {
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
}

// Deflates the last eigenvalue of the leading block 0..h; false when it does not converge.
bool converge(Tridiagonal& t, RealMatrix& v, std::int32_t h) {
    std::int32_t j = h;
    while (j > 0 && !negligible(t, j))
        --j;
    if (j == h) return true;
    for (int iteration = 0; iteration < kQrMaxIterations; ++iteration) {
        qrStep(t, v, j, h);
        if (negligible(t, h)) return true;
    }
    return false;
}

}  // namespace

EigenResult householderQrEigenvalues(const Value& matrix) {
    if (matrix.rows() != matrix.cols()) return noEigenvalues(true);
    RealMatrix a = RealMatrix::fromValue(matrix);
    RealMatrix v = RealMatrix::identity(a.order());
    Tridiagonal t = tridiagonalize(a, v);
    for (std::int32_t h = a.order() - 1; h > 0; --h) {
        if (!converge(t, v, h)) return noEigenvalues(false);
    }
    return sortedEigenResult(std::move(t.d), std::move(v));
}

}  // namespace zentrel
