// Least squares ls: square, over- and underdetermined systems, operand kinds, refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <memory>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
using kaldra_test::expectNear;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

/// A matrix given row by row.
template <typename E>
Matrix<E> byRows(size_t rows, size_t cols, std::initializer_list<double> elements)
{
    Matrix<E> m(rows, cols);
    auto it = elements.begin();
    for (size_t i = 0; i < rows; ++i)
        for (size_t j = 0; j < cols; ++j)
            m[{i, j}] = E(*it++);
    return m;
}

template <typename T>
class LsTest : public ::testing::Test {};
TYPED_TEST_SUITE(LsTest, ElementTypes);

TYPED_TEST(LsTest, SquareOverAndUnderdeterminedSystems)
{
    using E = TypeParam;
    Matrix<E> square = byRows<E>(2, 2, {2, 0, 0, 4});
    Vector<E> x(2);
    x[0] = E(2);
    x[1] = E(8);
    Operations::ls(square, x);
    expectNear(x[0], E(1));
    expectNear(x[1], E(2));

    // Least squares: s = (1/3, 1/3), and the residual sum of squares 4/3 lands in element 2.
    Matrix<E> tall = byRows<E>(3, 2, {1, 0, 0, 1, 1, 1});
    Vector<E> y(3);
    y[0] = E(1);
    y[1] = E(1);
    Operations::ls(tall, y);
    expectNear(y[0], E(1.0 / 3));
    expectNear(y[1], E(1.0 / 3));
    expectNear(E(std::norm(y[2])), E(4.0 / 3));

    // Minimum norm: whatever element 1 held on entry.
    Matrix<E> wide = byRows<E>(1, 2, {1, 1});
    Vector<E> z(2);
    z[0] = E(2);
    z[1] = E(-5);
    Operations::ls(wide, z);
    expectNear(z[0], E(1));
    expectNear(z[1], E(1));
}

TYPED_TEST(LsTest, XOfEveryKindIsOneFlatRun)
{
    using E = TypeParam;
    Vector<E> backing(4);
    fill(backing, 1);
    const std::vector<E> before = values(backing);
    VectorView<E> view = backing[{1, 3}];
    Matrix<E> A = byRows<E>(2, 2, {2, 0, 0, 4});
    const E r0 = view[0], r1 = view[1];
    Operations::ls(A, view);
    EXPECT_EQ(backing[0], before[0]);
    expectNear(backing[1], r0 / E(2));
    expectNear(backing[2], r1 / E(4));
    EXPECT_EQ(backing[3], before[3]);

    // A matrix as x: the first rows elements of its storage, whatever its shape.
    Matrix<E> B = byRows<E>(2, 2, {2, 0, 0, 4});
    Matrix<E> xMatrix(1, 3);
    fill(xMatrix, 1);
    const std::vector<E> m0 = values(xMatrix);
    Operations::ls(B, xMatrix);
    expectNear(xMatrix.get()[0], m0[0] / E(2));
    expectNear(xMatrix.get()[1], m0[1] / E(4));
    EXPECT_EQ(xMatrix.get()[2], m0[2]);
}

TYPED_TEST(LsTest, AReceivesItsFactorizationInSharedStorage)
{
    using E = TypeParam;
    Matrix<E> A = byRows<E>(3, 2, {1, 0, 0, 1, 1, 1});
    Matrix<E> sharing(A);
    const std::vector<E> A0 = values(A);
    Vector<E> x(3);
    fill(x, 1);
    Operations::ls(A, x);
    EXPECT_NE(values(A), A0);
    EXPECT_EQ(values(sharing), values(A));
}

TYPED_TEST(LsTest, RankDeficientAIsRefusedAndXRestored)
{
    using E = TypeParam;
    struct Case {
        size_t rows, cols;
        std::vector<double> elements;
        const char* message;
    };
    // A zero column (or row) keeps the triangular factor's diagonal element exactly zero.
    const Case cases[] = {
        {3, 2, {1, 0, 2, 0, 3, 0}, "In ls, matrix A does not have full rank: diagonal element 2 of its triangular factor is zero"},
        {2, 2, {0, 1, 0, 1}, "In ls, matrix A does not have full rank: diagonal element 1 of its triangular factor is zero"},
        {2, 3, {1, 2, 3, 0, 0, 0}, "In ls, matrix A does not have full rank: diagonal element 2 of its triangular factor is zero"},
    };
    for (const Case& c : cases) {
        Matrix<E> A(c.rows, c.cols);
        for (size_t i = 0; i < c.rows; ++i)
            for (size_t j = 0; j < c.cols; ++j)
                A[{i, j}] = E(c.elements[i * c.cols + j]);
        Vector<E> x(4);
        fill(x, 1);
        const std::vector<E> x0 = values(x);
        expectThrow([&] { Operations::ls(A, x); }, c.message);
        EXPECT_EQ(values(x), x0);
    }
}

TYPED_TEST(LsTest, NotANumberInAIsRefusedByTheDriverAndXRestored)
{
    using E = TypeParam;
    Matrix<E> A = byRows<E>(2, 2, {2, 0, 0, 4});
    A[{1, 0}] = E(std::numeric_limits<double>::quiet_NaN());
    Vector<E> x(2);
    fill(x, 1);
    const std::vector<E> x0 = values(x);
    expectThrow([&] { Operations::ls(A, x); }, "In ls, the least-squares driver failed with status -6");
    EXPECT_EQ(values(x), x0);
}

TYPED_TEST(LsTest, TooShortXIsRefusedBeforeAnythingIsWritten)
{
    using E = TypeParam;
    struct Case {
        size_t rows, cols, nx;
        const char* message;
    };
    const Case cases[] = {
        {3, 2, 2, "In ls, vector x has 2 elements, fewer than the 3 that matrix A of size (3, 2) requires"},
        {1, 2, 1, "In ls, vector x has 1 elements, fewer than the 2 that matrix A of size (1, 2) requires"},
        {2, 2, 0, "In ls, vector x has 0 elements, fewer than the 2 that matrix A of size (2, 2) requires"},
    };
    for (const Case& c : cases) {
        Matrix<E> A(c.rows, c.cols);
        fill(A, 1);
        Vector<E> x(c.nx);
        fill(x, 20);
        const std::vector<E> A0 = values(A), x0 = values(x);
        expectThrow([&] { Operations::ls(A, x); }, c.message);
        EXPECT_EQ(values(A), A0);
        EXPECT_EQ(values(x), x0);
    }
}

TYPED_TEST(LsTest, EmptyDimensionsZeroTheSolutionQuietly)
{
    using E = TypeParam;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    // No equations: the minimum norm solution of n unknowns is zero; the rest of x is left alone.
    Matrix<E> noRows(0, 2);
    Vector<E> x(3);
    fill(x, 1);
    const std::vector<E> x0 = values(x);
    Operations::ls(noRows, x);
    EXPECT_EQ(x[0], E(0));
    EXPECT_EQ(x[1], E(0));
    EXPECT_EQ(x[2], x0[2]);

    Matrix<E> nothing(0, 0);
    Vector<E> empty(0);
    Operations::ls(nothing, empty);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TYPED_TEST(LsTest, DimensionsBeyondTheBlasIntegerAreRefusedBeforeAnythingIsTouched)
{
    using E = TypeParam;
    const size_t huge = size_t(1) << 31;
    auto storage = std::make_shared<E[]>(4);
    for (int i = 0; i < 4; ++i)
        storage[i] = sample<E>(i);
    VectorView<E> claimsHuge(std::pair<size_t, size_t>{0, huge}, storage);
    Matrix<E> tall(huge, 0), wide(0, huge);
    expectThrow([&] { Operations::ls(tall, claimsHuge); },
                "In ls, matrix A dimension 0: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647");
    expectThrow([&] { Operations::ls(wide, claimsHuge); },
                "In ls, matrix A dimension 1: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(storage[i], sample<E>(i));
}

TEST(LsNumbers, ComplexSystemsAreNotConjugated)
{
    // i * s = -1 gives s = i; the conjugated problem would give -i.
    using Z = std::complex<double>;
    Matrix<Z> A(1, 1);
    A[{0, 0}] = Z(0, 1);
    Vector<Z> x(1);
    x[0] = Z(-1, 0);
    Operations::ls(A, x);
    expectNear(x[0], Z(0, 1));
}
