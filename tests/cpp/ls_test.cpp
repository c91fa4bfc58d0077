// Least squares ls: square, over- and underdetermined systems, operand kinds, refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
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
    // A zero column (or row) keeps the triangular factor's diagonal element exactly zero; it is counted
    // from 0, as the column (row) of A that made it.
    const Case cases[] = {
        {3,
         2,
         {1, 0, 2, 0, 3, 0},
         "In ls, matrix A does not have full rank: diagonal element 1 of its triangular factor is zero"},
        {2,
         2,
         {0, 1, 0, 1},
         "In ls, matrix A does not have full rank: diagonal element 0 of its triangular factor is zero"},
        {2,
         3,
         {1, 2, 3, 0, 0, 0},
         "In ls, matrix A does not have full rank: diagonal element 1 of its triangular factor is zero"},
        // The driver skips an all-zero A and leaves it as it is: the same refusal.
        {3,
         2,
         {0, 0, 0, 0, 0, 0},
         "In ls, matrix A does not have full rank: diagonal element 0 of its triangular factor is zero"},
        {2,
         3,
         {0, 0, 0, 0, 0, 0},
         "In ls, matrix A does not have full rank: diagonal element 0 of its triangular factor is zero"},
        {1, 1, {0}, "In ls, matrix A does not have full rank: diagonal element 0 of its triangular factor is zero"},
        // Nearly dependent: the second column is the first plus 1e-20 in a new direction. Its factor
        // is A itself, [[1, 1], [0, 1e-20]], of reciprocal condition number 1 / (1 * 2e20).
        {3, 2, {1, 1, 0, 1e-20, 0, 0}, nullptr},
        {2, 3, {1, 0, 0, 1, 1e-20, 0}, nullptr},
    };
    // The threshold for a factor of order 2: eps * 8 / sqrt(2).
    const std::string threshold = std::is_same_v<decltype(std::abs(E())), float> ? "6.74e-07" : "1.26e-15";
    for (const Case& c : cases) {
        Matrix<E> A(c.rows, c.cols);
        for (size_t i = 0; i < c.rows; ++i)
            for (size_t j = 0; j < c.cols; ++j)
                A[{i, j}] = E(c.elements[i * c.cols + j]);
        Vector<E> x(4);
        fill(x, 1);
        const std::vector<E> x0 = values(x);
        const std::string message = c.message ? std::string(c.message)
                                              : "In ls, matrix A does not have full rank: the reciprocal condition "
                                                "number of its triangular factor is 5e-21, below the threshold " +
                                                    threshold + " for its element type and order 2";
        expectThrow([&] { Operations::ls(A, x); }, message);
        EXPECT_EQ(values(x), x0);
    }
}

/// The message of a refused ls, or "" when it solved.
template <typename E>
std::string lsRefusal(Matrix<E>& A, Vector<E>& x)
{
    try {
        Operations::ls(A, x);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

// Columns that depend on each other only up to rounding: the factor's last diagonal element is rounding
// noise, exactly zero or not as the arithmetic falls, and either way A is refused.
TYPED_TEST(LsTest, ConstantAndDuplicatedColumnsAreRefused)
{
    using E = TypeParam;
    struct Case {
        const char* name;
        size_t rows, cols;
        std::vector<double> elements;
    };
    const Case cases[] = {
        {"two constant columns", 5, 3, {1, 0.5, 3, 1, 1.5, 3, 1, 2.5, 3, 1, 3.5, 3, 1, 4.5, 3}},
        {"intercept twice", 4, 3, {1, 2, 1, 1, 3, 1, 1, 5, 1, 1, 7, 1}},
        {"duplicated column", 4, 3, {1, 5, 1, 2, -1, 2, 3, 2, 3, -1, 4, -1}},
        {"duplicated row", 3, 4, {1, 2, 3, 4, 0.5, -1, 2, 1, 1, 2, 3, 4}},
        {"column times three", 3, 3, {1, 0.5, 3, 2, 0.25, 6, -1, 4, -3}},
    };
    const std::string zero = "In ls, matrix A does not have full rank: diagonal element ";
    const std::string small = "In ls, matrix A does not have full rank: the reciprocal condition number";
    for (const Case& c : cases) {
        Matrix<E> A(c.rows, c.cols);
        for (size_t i = 0; i < c.rows; ++i)
            for (size_t j = 0; j < c.cols; ++j)
                A[{i, j}] = E(c.elements[i * c.cols + j]);
        Vector<E> x(5);
        fill(x, 1);
        const std::vector<E> x0 = values(x);
        const std::string message = lsRefusal(A, x);
        EXPECT_TRUE(message.starts_with(zero) || message.starts_with(small)) << c.name << ": '" << message << "'";
        EXPECT_EQ(values(x), x0) << c.name;
    }
}

// Full rank but ill-conditioned: condition number 1e6 in single and 1e12 in double precision still
// solve, to the accuracy that condition allows. A = U diag(s) V^T, U of entries +-1/2 (or V itself).
TYPED_TEST(LsTest, IllConditionedFullRankSystemsSolve)
{
    using E = TypeParam;
    using R = decltype(std::abs(E()));
    const double condition = std::is_same_v<R, float> ? 1e6 : 1e12;
    const double singular[] = {1, std::sqrt(1 / condition), 1 / condition};
    const double U[4][3] = {{0.5, 0.5, 0.5}, {0.5, -0.5, 0.5}, {0.5, 0.5, -0.5}, {0.5, -0.5, -0.5}};
    const double V[3][3] = {{0.6, -0.8, 0}, {0.64, 0.48, -0.6}, {0.48, 0.36, 0.8}};
    E phase(1);
    if constexpr (isComplex<E>)
        phase = E(R(0.6), R(0.8));
    for (const size_t rows : {size_t(3), size_t(4)}) {
        Matrix<E> A(rows, 3);
        std::vector<E> original(rows * 3);
        for (size_t i = 0; i < rows; ++i)
            for (size_t j = 0; j < 3; ++j) {
                double sum = 0;
                for (size_t l = 0; l < 3; ++l)
                    sum += (rows == 3 ? V[i][l] : U[i][l]) * singular[l] * V[j][l];
                A[{i, j}] = original[i + j * rows] = E(R(sum)) * phase;
            }
        // b = A s for s = (1, -2, 3): a consistent system, whose solution is s.
        const E s[] = {E(1), E(-2), E(3)};
        Vector<E> x(rows);
        for (size_t i = 0; i < rows; ++i)
            for (size_t j = 0; j < 3; ++j)
                x[i] += original[i + j * rows] * s[j];
        Operations::ls(A, x);
        double error = 0;
        for (size_t j = 0; j < 3; ++j)
            error = std::max(error, double(std::abs(x[j] - s[j])) / 3);
        EXPECT_LE(error, condition * double(std::numeric_limits<R>::epsilon())) << rows << " rows";
    }
}

// Full rank at any scale: the condition number does not change when A is multiplied by a power of ten,
// even where the squares of its elements (or of its inverse's) would leave the exponent range.
TYPED_TEST(LsTest, BadlyScaledFullRankSystemsSolve)
{
    using E = TypeParam;
    using R = decltype(std::abs(E()));
    const double far = std::is_same_v<R, float> ? 1e25 : 1e170;
    for (const double scale : {1 / far, far})
        for (const bool tall : {true, false}) {
            const size_t rows = tall ? 4 : 3, cols = tall ? 3 : 4;
            Matrix<E> A(rows, cols);
            for (size_t j = 0; j < cols; ++j)
                for (size_t i = 0; i < rows; ++i)
                    A[{i, j}] = E(R(scale * ((i == j ? 4.0 : 0.0) + double((i + 2 * j) % 3) / 4)));
            // b = A s for s = (1, -2, 3) (and 0 for a fourth column): a consistent system, whose
            // solution leaves no residual.
            const double s[] = {1, -2, 3};
            Vector<E> x(4);
            for (size_t i = 0; i < rows; ++i)
                for (size_t j = 0; j < 3; ++j)
                    x[i] += A[{i, j}] * E(R(s[j]));
            const std::vector<E> A0 = values(A);
            Operations::ls(A, x);
            // the residual of the solution, relative to b's scale
            for (size_t i = 0; i < rows; ++i) {
                E row = 0;
                for (size_t j = 0; j < cols; ++j)
                    row += A0[i + j * rows] * x[j];
                double b = 0;
                for (size_t j = 0; j < 3; ++j)
                    b += double(std::real(A0[i + j * rows])) * s[j];
                EXPECT_NEAR(double(std::real(row)) / scale, b / scale, 1e-3) << scale << (tall ? " tall" : " wide");
            }
        }
}

// A NaN or an infinity in A or in the right-hand side is refused before the driver runs, naming the
// operand and the element; past the right-hand side (m < n) x's elements do not enter the solution.
TYPED_TEST(LsTest, NonFiniteOperandsAreRefusedBeforeAnythingIsWritten)
{
    using E = TypeParam;
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Case {
        size_t rows, cols;
        bool inA;
        size_t row, column; // of A, or (index, 0) of x
        double value;
        const char* message;
    };
    const Case cases[] = {
        {2, 2, true, 1, 0, nan, "In ls, matrix A has a NaN or infinite element at row 1, column 0"},
        {3, 2, true, 2, 1, inf, "In ls, matrix A has a NaN or infinite element at row 2, column 1"},
        {2, 3, true, 0, 2, -inf, "In ls, matrix A has a NaN or infinite element at row 0, column 2"},
        {2, 2, false, 1, 0, nan, "In ls, vector x has a NaN or infinite element at index 1"},
        {3, 2, false, 2, 0, -inf, "In ls, vector x has a NaN or infinite element at index 2"},
        {3, 0, false, 0, 0, inf, "In ls, vector x has a NaN or infinite element at index 0"},
        {2, 3, false, 2, 0, nan, nullptr},
    };
    for (const Case& c : cases) {
        Matrix<E> A(c.rows, c.cols);
        for (size_t j = 0; j < c.cols; ++j)
            for (size_t i = 0; i < c.rows; ++i)
                A[{i, j}] = E(i == j ? 4.0 : 1.0);
        Vector<E> x(3);
        fill(x, 1);
        if (c.inA)
            A[{c.row, c.column}] = E(c.value);
        else
            x[c.row] = E(c.value);
        const std::vector<E> A0 = values(A), x0 = values(x);
        // bit for bit: a NaN equals nothing
        auto same = [](const std::vector<E>& a, const std::vector<E>& b) {
            return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(E)) == 0);
        };
        if (c.message) {
            expectThrow([&] { Operations::ls(A, x); }, c.message);
            EXPECT_TRUE(same(values(A), A0)) << c.message;
            EXPECT_TRUE(same(values(x), x0)) << c.message;
        } else {
            Operations::ls(A, x);
            for (size_t i = 0; i < 3; ++i)
                EXPECT_TRUE(std::isfinite(std::abs(x[i]))) << "element " << i;
        }
    }
    // Complex elements: either part.
    if constexpr (isComplex<E>) {
        Matrix<E> A = byRows<E>(2, 2, {2, 0, 0, 4});
        A[{0, 1}] = E(0, inf);
        Vector<E> x(2);
        expectThrow([&] { Operations::ls(A, x); }, "In ls, matrix A has a NaN or infinite element at row 0, column 1");
    }
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

// No unknowns: the solution is empty and the right-hand side is its own residual, kept as it is (the
// driver's quick return would zero it).
TYPED_TEST(LsTest, NoColumnsKeepTheRightHandSide)
{
    using E = TypeParam;
    for (const size_t rows : {size_t(1), size_t(3)}) {
        Matrix<E> noColumns(rows, 0);
        Vector<E> b(4);
        fill(b, 2);
        const std::vector<E> b0 = values(b);
        Operations::ls(noColumns, b);
        EXPECT_EQ(values(b), b0) << rows << " rows";
    }
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
