#include "engine/builtins/eigen_solvers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace zentrel {
namespace {

Value squareMatrix(const std::vector<double>& xs) {
    const auto n = static_cast<std::int32_t>(std::lround(std::sqrt(xs.size())));
    Value v;
    EXPECT_EQ(v.resize(n, n, false), kSuccess);
    for (std::int32_t i = 0; i < v.count(); ++i)
        v.element(i) = Number::fromComplex({xs[i], 0});
    return v;
}

// The methods run without a stop request, unless one is given.
EigenResult jacobi(const Value& a) {
    StopRequest never;
    return jacobiEigenvalues(a, never);
}
EigenResult householderQr(const Value& a) {
    StopRequest never;
    return householderQrEigenvalues(a, never);
}
EigenResult power(const Value& a, std::int64_t wanted) {
    StopRequest never;
    return powerEigenvalues(a, wanted, never);
}

struct Method {
    std::string name;
    std::function<EigenResult(const Value&, StopRequest&)> solve;
    EigenResult operator()(const Value& a) const {
        StopRequest never;
        return solve(a, never);
    }
};

std::vector<Method> methods() {
    return {
        {"jacobi", jacobiEigenvalues},
        {"eigen", householderQrEigenvalues},
        {"power",
         [](const Value& a, StopRequest& stop) { return powerEigenvalues(a, a.rows(), stop); }},
    };
}

// Symmetric positive definite matrices with distinct eigenvalues. The power method
// finds them largest first, except that it cannot see an eigenvector orthogonal to its
// uniform start vector until the larger ones are deflated: in the third case (whose
// eigenvector of 4 is (0, 1, -1)) it finds 6, 2, 4. Its values are therefore compared in
// descending order.
std::vector<std::vector<double>> positiveDefiniteCases() {
    return {
        {2, 1, 1, 2},  // the power start vector is the first eigenvector
        {4, 1, 2, 1, 3, 0, 2, 0, 5},
        {2, 0, 0, 0, 5, 1, 0, 1, 5},  // already split: exercises the block search
        {10, 2, 3, 1, 2, 8, 1, 0, 3, 1, 6, 2, 1, 0, 2, 4},
        {9, 1, 0, 2, 1, 1, 7, 2, 0, 1, 0, 2, 5, 1, 0, 2, 0, 1, 6, 1, 1, 1, 0, 1, 4},
    };
}

// |A v - lambda v| for row i of the eigenvector matrix, and |v| - 1.
void expectEigenpair(const Value& a, const EigenResult& r, std::int32_t i, double tolerance) {
    const std::int32_t n = r.order;
    double residual = 0.0;
    double length = 0.0;
    for (std::int32_t row = 0; row < n; ++row) {
        double av = 0.0;
        for (std::int32_t k = 0; k < n; ++k) {
            av += static_cast<double>(a.elementAt(row, k).realValue()) * r.vectors[i * n + k];
        }
        const double diff = av - r.values[i] * r.vectors[i * n + row];
        residual += diff * diff;
        length += r.vectors[i * n + row] * r.vectors[i * n + row];
    }
    EXPECT_LT(std::sqrt(residual), tolerance) << "eigenpair " << i;
    EXPECT_NEAR(length, 1.0, 1e-9) << "eigenpair " << i;
}

TEST(EigenSolvers, EveryMethodGivesTrueEigenpairsAndTheyAgree) {
    for (const auto& xs : positiveDefiniteCases()) {
        const Value a = squareMatrix(xs);
        std::vector<double> reference;
        for (const Method& method : methods()) {
            SCOPED_TRACE(method.name + " of order " + std::to_string(a.rows()));
            const EigenResult r = method(a);
            ASSERT_EQ(r.found, a.rows());
            std::vector<double> descending = r.values;
            std::sort(descending.begin(), descending.end(), std::greater<>());
            ASSERT_EQ(r.values.size(), std::size_t(a.rows()));
            ASSERT_EQ(r.vectors.size(), std::size_t(a.count()));
            EXPECT_FALSE(r.matrixWarning);
            for (std::int32_t i = 0; i < r.found; ++i)
                expectEigenpair(a, r, i, 1e-4);
            if (reference.empty()) reference = descending;
            for (std::size_t i = 0; i < reference.size(); ++i) {
                EXPECT_NEAR(descending[i], reference[i], 1e-6 * std::fabs(reference[0]));
            }
        }
    }
}

// A dense symmetric matrix of order n without any structure.
std::vector<double> denseSymmetric(int n) {
    std::vector<double> xs;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            xs.push_back(std::cos(i * j + i + j));
    }
    return xs;
}

// The sorted methods also handle negative and repeated eigenvalues.
TEST(EigenSolvers, SortedMethodsHandleIndefiniteMatrices) {
    const std::vector<std::vector<double>> cases = {
        {1, 2, 2, 1},                    // 3, -1
        {0, 1, 1, 1, 0, 1, 1, 1, 0},     // 2, -1, -1
        {-3, 0, 0, 0, -1, 0, 0, 0, -2},  // already diagonal
        denseSymmetric(8),
    };
    for (const auto& xs : cases) {
        const Value a = squareMatrix(xs);
        // Both methods stop at a relative accuracy of about EPS.
        double norm = 0.0;
        for (double x : xs)
            norm += x * x;
        const double tolerance = 1e-5 * std::sqrt(norm);
        std::vector<double> reference;
        for (const auto& solve : {jacobi, householderQr}) {
            const EigenResult r = solve(a);
            ASSERT_EQ(r.found, a.rows());
            for (std::int32_t i = 0; i + 1 < r.found; ++i)
                EXPECT_GE(r.values[i], r.values[i + 1]);
            for (std::int32_t i = 0; i < r.found; ++i)
                expectEigenpair(a, r, i, tolerance);
            if (reference.empty()) reference = r.values;
            for (std::size_t i = 0; i < reference.size(); ++i) {
                EXPECT_NEAR(r.values[i], reference[i], tolerance);
            }
        }
    }
}

// The squares of such elements underflow to 0; the shift must not become 0/0.
TEST(EigenSolvers, QrIterationHandlesTinyElements) {
    const EigenResult r = householderQr(squareMatrix({1e-200, 1e-200, 1e-200, 1e-200}));
    ASSERT_EQ(r.found, 2);
    EXPECT_NEAR(r.values[0], 2e-200, 1e-205);
    EXPECT_NEAR(r.values[1], 0.0, 1e-205);
}

TEST(EigenSolvers, JacobiOfTheTwoByTwoExample) {
    const EigenResult r = jacobi(squareMatrix({2, 1, 1, 2}));
    ASSERT_EQ(r.found, 2);
    EXPECT_NEAR(r.values[0], 3, 1e-12);
    EXPECT_NEAR(r.values[1], 1, 1e-12);
    const double h = std::sqrt(0.5);
    EXPECT_NEAR(std::fabs(r.vectors[0]), h, 1e-12);
    EXPECT_NEAR(r.vectors[1], r.vectors[0], 1e-12);
    EXPECT_NEAR(std::fabs(r.vectors[2]), h, 1e-12);
    EXPECT_NEAR(r.vectors[3], -r.vectors[2], 1e-12);
}

TEST(EigenSolvers, NonSquareMatricesSetTheWarningAndFindNothing) {
    Value a;
    ASSERT_EQ(a.resize(2, 3, false), kSuccess);
    for (const Method& method : methods()) {
        SCOPED_TRACE(method.name);
        const EigenResult r = method(a);
        EXPECT_TRUE(r.matrixWarning);
        EXPECT_EQ(r.found, 0);
        EXPECT_TRUE(r.values.empty());
    }
}

// The zero matrix is diagonal already: every eigenvalue is 0.
TEST(EigenSolvers, ZeroMatrixHasOnlyZeroEigenvalues) {
    const Value a = squareMatrix({0, 0, 0, 0, 0, 0, 0, 0, 0});
    for (const Method& method : methods()) {
        SCOPED_TRACE(method.name);
        const EigenResult r = method(a);
        ASSERT_EQ(r.found, 3);
        for (double v : r.values)
            EXPECT_EQ(v, 0.0);
        for (std::int32_t i = 0; i < 3; ++i)
            expectEigenpair(a, r, i, 1e-12);
    }
}

TEST(EigenSolvers, PowerComputesAtMostTheOrder) {
    const Value a = squareMatrix({4, 1, 2, 1, 3, 0, 2, 0, 5});
    EXPECT_EQ(power(a, 10).found, 3);
    EXPECT_EQ(power(a, 0).found, 0);
    EXPECT_EQ(power(a, -4).found, 0);

    const EigenResult one = power(a, 1);
    ASSERT_EQ(one.found, 1);
    ASSERT_EQ(one.vectors.size(), 9u);
    for (std::size_t i = 3; i < 9; ++i)
        EXPECT_EQ(one.vectors[i], 0.0);  // rows not computed
}

// Eigenvalues 1 and -1 have the same magnitude: the power iteration swings between
// them and never settles, so the count stops at the first of them while the largest
// one, 3, is found.
TEST(EigenSolvers, PowerRecordsTheFirstEigenvalueThatDoesNotConverge) {
    const EigenResult r = power(squareMatrix({3, 0, 0, 0, 1, 0, 0, 0, -1}), 3);
    EXPECT_EQ(r.found, 1);
    ASSERT_EQ(r.values.size(), 1u);
    EXPECT_NEAR(r.values[0], 3, 1e-6);
    EXPECT_EQ(r.vectors.size(), 9u);
}

TEST(EigenSolvers, PowerFindsANegativeDominantEigenvalue) {
    const Value a = squareMatrix({-5, 1, 1, 2});
    const EigenResult r = power(a, 2);
    ASSERT_EQ(r.found, 2);
    EXPECT_LT(r.values[0], 0);
    for (std::int32_t i = 0; i < 2; ++i)
        expectEigenpair(a, r, i, 1e-4);
}

// A stop ends every method, whether asked for before it starts or once a few steps
// of its work are spent, and it then finds nothing.
TEST(EigenSolvers, AStopEndsEveryMethod) {
    const Value a = squareMatrix(denseSymmetric(12));
    for (const Method& method : methods()) {
        for (const std::int64_t budget : {0, 1, 50, 500}) {
            SCOPED_TRACE(method.name + " after " + std::to_string(budget) + " steps");
            StopRequest stop;
            if (budget == 0) {
                stop.request();
            } else {
                stop.setStepBudget(budget);
            }
            const EigenResult r = method.solve(a, stop);
            EXPECT_EQ(r.status, kErrInterrupted);
            EXPECT_EQ(r.found, 0);
            EXPECT_TRUE(r.values.empty());
        }
    }
}

}  // namespace
}  // namespace zentrel
