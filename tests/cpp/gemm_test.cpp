// Matrix-matrix products gemm and matmul: arithmetic, shape checks and their messages, refusals.
#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

/// Y(i, j) <- a * sum_l A(i, l) X(l, j) + b * Y(i, j), in storage order.
template <typename E>
std::vector<E> referenceGemm(E a, E b, const Matrix<E>& A, const Matrix<E>& X, const Matrix<E>& Y)
{
    std::vector<E> result = values(Y);
    for (size_t i = 0; i < A.template dim<0>(); ++i)
        for (size_t j = 0; j < X.template dim<1>(); ++j) {
            E product(0);
            for (size_t l = 0; l < A.template dim<1>(); ++l)
                product += A[{i, l}] * X[{l, j}];
            result[i + j * Y.template dim<0>()] = a * product + b * Y[{i, j}];
        }
    return result;
}

// gemm and matmul take matrices only.
template <typename A, typename X, typename Y>
concept Multipliable = requires(A a, X x, Y y) { Operations::matmul(a, x, y); };
static_assert(Multipliable<Matrix<double>, Matrix<double>, Matrix<double>>);
static_assert(!Multipliable<Matrix<double>, Vector<double>, Matrix<double>>);
static_assert(!Multipliable<Matrix<double>, Matrix<double>, VectorView<double>>);

template <typename T>
class GemmTest : public ::testing::Test {};
TYPED_TEST_SUITE(GemmTest, ElementTypes);

TYPED_TEST(GemmTest, MatchesReferenceLoop)
{
    using E = TypeParam;
    Matrix<E> A(2, 3), X(3, 4), Y(2, 4);
    fill(A, 1);
    fill(X, 10);
    fill(Y, 30);
    const E a = sample<E>(3), b = sample<E>(5);
    const std::vector<E> A0 = values(A), X0 = values(X), expected = referenceGemm(a, b, A, X, Y);
    EXPECT_EQ(&Operations::gemm(a, b, A, X, Y), &Y);
    EXPECT_EQ(values(Y), expected);
    EXPECT_EQ(values(A), A0);
    EXPECT_EQ(values(X), X0);

    // Each matrix is read with its own row count as leading dimension: a tall X and a wide A.
    Matrix<E> wideA(2, 5), tallX(5, 3), Z(2, 3);
    fill(wideA, 2);
    fill(tallX, 4);
    fill(Z, 6);
    const std::vector<E> added = referenceGemm(E(1), E(1), wideA, tallX, Z);
    EXPECT_EQ(&Operations::matmul(wideA, tallX, Z), &Z);
    EXPECT_EQ(values(Z), added);
}

TYPED_TEST(GemmTest, ShapeMismatchesAreRefusedInOrderAndYKeepsItsValues)
{
    using E = TypeParam;
    struct Case {
        size_t aRows, aCols, xRows, xCols, yRows, yCols;
        const char* message;
    };
    const Case cases[] = {
        {2, 3, 3, 4, 3, 4,
         "In gemm expression Y = aAX + bY, matrix A dimension 0: 2, doesn't match matrix Y dimension 0: 3"},
        {2, 3, 3, 4, 2, 5,
         "In gemm expression Y = aAX + bY, matrix X dimension 1: 4, doesn't match matrix Y dimension 1: 5"},
        {2, 3, 4, 5, 2, 5,
         "In gemm expression Y = aAX + bY, matrix A dimension 1: 3, doesn't match matrix X dimension 0: 4"},
        // Several failures: only the first in the order A0/Y0, X1/Y1, A1/X0 is reported.
        {2, 3, 4, 5, 3, 6,
         "In gemm expression Y = aAX + bY, matrix A dimension 0: 2, doesn't match matrix Y dimension 0: 3"},
        {2, 3, 4, 5, 2, 6,
         "In gemm expression Y = aAX + bY, matrix X dimension 1: 5, doesn't match matrix Y dimension 1: 6"},
    };
    for (const Case& c : cases) {
        Matrix<E> A(c.aRows, c.aCols), X(c.xRows, c.xCols), Y(c.yRows, c.yCols);
        fill(Y, 1);
        const std::vector<E> Y0 = values(Y);
        expectThrow([&] { Operations::gemm(sample<E>(1), sample<E>(2), A, X, Y); }, c.message);
        expectThrow([&] { Operations::matmul(A, X, Y); }, c.message);
        expectThrow([&] { Algorithms::validate_gemm(A, X, Y); }, c.message);
        EXPECT_EQ(values(Y), Y0);
    }
}

TYPED_TEST(GemmTest, EmptyDimensions)
{
    using E = TypeParam;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    // Inner dimension 0: the product is empty and Y <- b*Y.
    Matrix<E> A(2, 0), X(0, 3), Y(2, 3);
    fill(Y, 1);
    const std::vector<E> Y0 = values(Y);
    const E b = sample<E>(4);
    Operations::gemm(sample<E>(1), b, A, X, Y);
    for (size_t i = 0; i < Y0.size(); ++i)
        EXPECT_EQ(Y.get()[i], b * Y0[i]) << i;

    // No rows in A and Y, or no columns in X and Y: nothing to write, and leading dimensions of 1.
    Matrix<E> noRowsA(0, 3), X2(3, 2), noRowsY(0, 2);
    Operations::gemm(sample<E>(1), b, noRowsA, X2, noRowsY);
    Matrix<E> A2(2, 3), noColumnsX(3, 0), noColumnsY(2, 0);
    Operations::matmul(A2, noColumnsX, noColumnsY);
    Matrix<E> nothing(0, 0);
    Operations::matmul(nothing, nothing, nothing);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TYPED_TEST(GemmTest, DimensionsBeyondTheBlasIntegerAreRefused)
{
    using E = TypeParam;
    const size_t huge = size_t(1) << 31;
    // Every matrix here has no elements; the shapes agree, only the sizes do not fit.
    struct Case {
        size_t aRows, aCols, xCols;
        const char* message;
    };
    const Case cases[] = {
        {huge, 0, 0,
         "In gemm, matrix A dimension 0: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647"},
        {0, huge, 0,
         "In gemm, matrix A dimension 1: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647"},
        {0, 0, huge,
         "In gemm, matrix X dimension 1: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647"},
    };
    for (const Case& c : cases) {
        Matrix<E> A(c.aRows, c.aCols), X(c.aCols, c.xCols), Y(c.aRows, c.xCols);
        expectThrow([&] { Operations::gemm(sample<E>(1), sample<E>(2), A, X, Y); }, c.message);
        expectThrow([&] { Operations::matmul(A, X, Y); }, c.message);
    }
}

TEST(GemmNumbers, NonSquareLayoutAndNoConjugation)
{
    // Rows (1, 2, 3) and (4, 5, 6), stored column by column, times a column of ones.
    Matrix<double> A(2, 3), X(3, 1), Y(2, 1);
    const double stored[] = {1, 4, 2, 5, 3, 6};
    std::copy(std::begin(stored), std::end(stored), A.get());
    for (size_t l = 0; l < 3; ++l)
        X[{l, 0}] = 1;
    Operations::matmul(A, X, Y);
    EXPECT_EQ(values(Y), (std::vector<double>{6, 15}));

    using Z = std::complex<double>;
    Matrix<Z> I(1, 1), J(1, 1), K(1, 1);
    I[{0, 0}] = Z(0, 1);
    J[{0, 0}] = Z(0, 1);
    K[{0, 0}] = Z(7, 7);
    Operations::gemm(Z(1), Z(0), I, J, K);
    EXPECT_EQ((K[{0, 0}]), Z(-1, 0));
}

// With a zero factor, or an empty inner dimension, the product term is empty: Y <- b*Y without reading
// A or X, whatever they hold (here NaN and infinities) and whatever a is then, for every element type.
TYPED_TEST(GemmTest, EmptyProductTermReadsNeitherANorX)
{
    using E = TypeParam;
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        size_t inner;
        E a;
    };
    const Case cases[] = {
        {"a = 0", 3, E(0)},
        {"a = -0", 3, E(-0.0)},
        {"k = 0, a = NaN", 0, E(nan)},
        {"k = 0, a = inf", 0, E(inf)},
        {"k = 0, a = -inf", 0, E(-inf)},
    };
    const E bs[] = {E(0), E(1), sample<E>(3), E(nan)};
    for (const Case& c : cases)
        for (const E b : bs) {
            Matrix<E> A(2, c.inner), X(c.inner, 4), Y(2, 4);
            fill(A, 1);
            fill(X, 5);
            if (c.inner > 0) {
                A[{0, 0}] = E(nan);
                A[{1, 2}] = E(inf);
                X[{1, 3}] = E(-inf);
            }
            fill(Y, 9);
            const std::vector<E> X0 = values(X), Y0 = values(Y);
            EXPECT_EQ(&Operations::gemm(c.a, b, A, X, Y), &Y);
            for (size_t i = 0; i < Y0.size(); ++i) {
                if (detail::isNaN(b))
                    EXPECT_TRUE(detail::isNaN(Y.get()[i])) << c.name << ", b " << b << ": " << Y.get()[i];
                else
                    EXPECT_EQ(Y.get()[i], b * Y0[i]) << c.name << ", b " << b << ", element " << i;
            }
            EXPECT_EQ(values(X), X0);
        }
    // b = 0 gives exact zeros even over an infinity or NaN in Y.
    Matrix<E> A(2, 2), X(2, 1), Y(2, 1);
    A[{1, 1}] = E(inf);
    Y[{0, 0}] = E(nan);
    Y[{1, 0}] = E(-inf);
    Operations::gemm(E(0), E(0), A, X, Y);
    EXPECT_EQ(values(Y), (std::vector<E>{E(0), E(0)}));
}
