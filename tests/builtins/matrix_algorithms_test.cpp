#include "engine/builtins/matrix_algorithms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/values/arithmetic.h"
#include "engine/values/comparison.h"
#include "tests/values/mode_fixture.h"

namespace zentrel {
namespace {

class MatrixAlgorithms : public ModeFixture {
  protected:
    Value product(const Value& a, const Value& b) {
        Value p = a;
        EXPECT_EQ(applyArithmetic(p, b, ArithmeticOp::Multiply, fr(), noStop()), kSuccess);
        return p;
    }

    Number det(const Value& a, bool expectWarning = false) {
        Number d;
        const MatrixOutcome outcome = determinant(a, fr(), noStop(), d);
        EXPECT_EQ(outcome.status, kSuccess);
        EXPECT_EQ(outcome.matrixWarning, expectWarning);
        return d;
    }

    Value inv(const Value& a, bool expectWarning = false) {
        Value result;
        const MatrixOutcome outcome = inverse(a, fr(), noStop(), result);
        EXPECT_EQ(outcome.status, kSuccess);
        EXPECT_EQ(outcome.matrixWarning, expectWarning);
        return result;
    }

    // Exact equality in fraction representation, element by element.
    void expectExactlyEqual(const Value& actual, const Value& expected) {
        EXPECT_TRUE(valuesEqual(actual, expected, fr()));
    }

    static Value identity(std::int32_t n) {
        Value v;
        EXPECT_EQ(v.resize(n, n, false), kSuccess);
        for (std::int32_t i = 0; i < n; ++i)
            v.element(i * n + i) = real(1);
        return v;
    }
};

// Square integer matrices whose products stay well inside 32-bit fractions; several
// need a row exchange because a leading element is zero.
std::vector<std::vector<double>> squareCases() {
    return {
        {2, 1, 1, 1},
        {0, 1, 1, 0},
        {1, 2, 3, 0, 4, 5, 1, 0, 6},
        {0, 2, 1, 1, 1, 0, 3, 0, 1},
        {2, -1, 0, -1, 2, -1, 0, -1, 2},
        {0, 0, 1, 0, 3, 0, 5, 0, 0},
        {0, 2, 1, 0, 3, 0, 0, 1, 1, 0, 4, 1, 0, 1, 1, 5},
    };
}

Value fromList(const std::vector<double>& xs) {
    const auto n = static_cast<std::int32_t>(std::lround(std::sqrt(xs.size())));
    Value v;
    EXPECT_EQ(v.resize(n, n, false), kSuccess);
    for (std::int32_t i = 0; i < v.count(); ++i)
        v.element(i) = Number::fromComplex({xs[i], 0});
    return v;
}

TEST_F(MatrixAlgorithms, DeterminantExamples) {
    EXPECT_EQ(det(matrix(2, 3, {1, 2, 3, 4, 5, 6}), true).realValue(), 0);
    EXPECT_EQ(det(matrix(2, 2, {0, 1, 1, 0})).realValue(), -1);
    EXPECT_EQ(det(matrix(3, 3, {0, 2, 1, 1, 1, 0, 3, 0, 1})).realValue(), -5);
    EXPECT_EQ(det(matrix(2, 2, {1, 2, 2, 4})).realValue(), 0);  // singular: no warning
    EXPECT_EQ(det(matrix(3, 3, {0, 1, 2, 0, 3, 4, 0, 5, 6})).realValue(), 0);
    EXPECT_EQ(det(Value(real(7))).realValue(), 7);

    setMode(NumberMode::Fract);
    const Number d = det(matrix(2, 2, {2, 1, 1, 1}));
    ASSERT_TRUE(d.isFraction);
    EXPECT_TRUE(d.fraction.equals(Fraction{0, 1, 1}));
}

TEST_F(MatrixAlgorithms, DeterminantOfComplexMatrix) {
    setMode(NumberMode::Complex);
    Value a = matrix(2, 2, {0, 0, 0, 0});
    a.element(0) = complex(0, 1);
    a.element(3) = complex(0, 1);
    const Number d = det(a);
    EXPECT_DOUBLE_EQ(d.complex.re, -1);
    EXPECT_DOUBLE_EQ(d.complex.im, 0);
}

// det(A B) = det(A) det(B), exactly, for every pair of the cases of equal order.
TEST_F(MatrixAlgorithms, DeterminantIsMultiplicativeExactlyInFractions) {
    setMode(NumberMode::Fract);
    const auto cases = squareCases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        for (std::size_t j = 0; j < cases.size(); ++j) {
            if (cases[i].size() != cases[j].size()) continue;
            SCOPED_TRACE(testing::Message() << "pair " << i << ", " << j);
            const Value a = fromList(cases[i]);
            const Value b = fromList(cases[j]);
            Number expected = det(a);
            applyScalarArithmetic(expected, det(b), ArithmeticOp::Multiply, fr());
            const Number actual = det(product(a, b));
            ASSERT_TRUE(actual.isFraction);
            EXPECT_TRUE(actual.fraction.equals(expected.fraction))
                << actual.fraction.numerator << "/" << actual.fraction.denominator;
        }
    }
}

TEST_F(MatrixAlgorithms, InverseTimesMatrixIsTheIdentityExactlyInFractions) {
    setMode(NumberMode::Fract);
    for (const auto& xs : squareCases()) {
        const Value a = fromList(xs);
        SCOPED_TRACE(testing::Message() << "order " << a.rows() << ", first " << xs[0]);
        const Value ai = inv(a);
        expectExactlyEqual(product(a, ai), identity(a.rows()));
        expectExactlyEqual(product(ai, a), identity(a.rows()));
        expectExactlyEqual(inv(ai), a);
    }
}

TEST_F(MatrixAlgorithms, InverseInRealModeIsCloseToExact) {
    for (const auto& xs : squareCases()) {
        const Value a = fromList(xs);
        SCOPED_TRACE(testing::Message() << "order " << a.rows() << ", first " << xs[0]);
        const Value p = product(a, inv(a));
        const Value id = identity(a.rows());
        for (std::int32_t i = 0; i < p.count(); ++i) {
            EXPECT_NEAR(static_cast<double>(p.element(i).realValue()),
                        static_cast<double>(id.element(i).realValue()), 1e-12);
        }
    }
}

TEST_F(MatrixAlgorithms, InverseThatStopsGivesScalarZeroWithTheWarning) {
    for (const Value& a : {matrix(2, 2, {1, 2, 2, 4}), matrix(2, 3, {1, 2, 3, 4, 5, 6}),
                           matrix(3, 3, {1, 0, 0, 0, 0, 0, 0, 0, 1})}) {
        const Value result = inv(a, true);
        EXPECT_TRUE(result.isScalar());
        EXPECT_EQ(result.first().realValue(), 0);
    }
}

TEST_F(MatrixAlgorithms, TransposeExchangesRowsAndColumns) {
    const Value a = matrix(2, 3, {1, 2, 3, 4, 5, 6});
    Value t;
    ASSERT_EQ(transpose(a, fr(), noStop(), t), kSuccess);
    expectMatrix(t, 3, 2, {1, 4, 2, 5, 3, 6});
    ASSERT_EQ(transpose(t, fr(), noStop(), t), kSuccess);  // in place
    EXPECT_TRUE(valuesEqual(t, a, fr()));

    Value scalar(real(5));
    ASSERT_EQ(transpose(scalar, fr(), noStop(), scalar), kSuccess);
    expectMatrix(scalar, 1, 1, {5});
}

// Every routine whose work grows faster than its input ends on a stop: asked for before
// it starts, or once a step budget smaller than its work is spent.
TEST_F(MatrixAlgorithms, AStopEndsTheRoutinesThatGrowFasterThanTheirInput) {
    Value a;
    ASSERT_EQ(a.resize(30, 30, fr()), kSuccess);
    for (std::int32_t i = 0; i < a.count(); ++i)
        a.element(i) = real((i * 7919) % 31 + (i % 31 == i / 30 ? 100 : 0));
    for (const std::int64_t budget : {0, 1, 200}) {
        SCOPED_TRACE(budget);
        const auto stopAfterBudget = [budget] {
            auto stop = std::make_unique<StopRequest>();
            if (budget == 0) {
                stop->request();
            } else {
                stop->setStepBudget(budget);
            }
            return stop;
        };
        Number d;
        EXPECT_EQ(determinant(a, fr(), *stopAfterBudget(), d).status, kErrInterrupted);
        Value inverted;
        EXPECT_EQ(inverse(a, fr(), *stopAfterBudget(), inverted).status, kErrInterrupted);
        Value product = a;
        EXPECT_EQ(applyArithmetic(product, a, ArithmeticOp::Multiply, fr(), *stopAfterBudget()),
                  kErrInterrupted);
    }
}

}  // namespace
}  // namespace zentrel
