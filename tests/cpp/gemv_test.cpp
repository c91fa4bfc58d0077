// Matrix-vector products gemv and matvec: arithmetic, shape checks and their messages, refusals.
#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <memory>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

/// y_i <- a * sum_j A(i, j) x_j + b * y_i, over the first rows(A) elements of y.
template <typename E>
std::vector<E> referenceGemv(E a, E b, const Matrix<E>& A, const std::vector<E>& x, std::vector<E> y)
{
    for (size_t i = 0; i < A.template dim<0>(); ++i) {
        E product(0);
        for (size_t j = 0; j < A.template dim<1>(); ++j)
            product += A[{i, j}] * x[j];
        y[i] = a * product + b * y[i];
    }
    return y;
}

template <typename T>
class GemvTest : public ::testing::Test {};
TYPED_TEST_SUITE(GemvTest, ElementTypes);

TYPED_TEST(GemvTest, MatchesReferenceLoop)
{
    using E = TypeParam;
    Matrix<E> A(2, 3);
    Vector<E> x(3), y(2);
    fill(A, 1);
    fill(x, 10);
    fill(y, 20);
    const E a = sample<E>(3), b = sample<E>(5);
    const std::vector<E> A0 = values(A), x0 = values(x), expected = referenceGemv(a, b, A, x0, values(y));
    EXPECT_EQ(&Operations::gemv(a, b, A, x, y), &y);
    EXPECT_EQ(values(y), expected);
    EXPECT_EQ(values(A), A0);
    EXPECT_EQ(values(x), x0);

    fill(y, 20);
    const std::vector<E> added = referenceGemv(E(1), E(1), A, x0, values(y));
    EXPECT_EQ(&Operations::matvec(A, x, y), &y);
    EXPECT_EQ(values(y), added);
}

TYPED_TEST(GemvTest, MatrixAndViewOperandsUseTheirFirstColumnOrRange)
{
    using E = TypeParam;
    Matrix<E> A(2, 3);
    fill(A, 1);
    // A 3 x 2 matrix as x: its first column alone enters the product.
    Matrix<E> x(3, 2);
    fill(x, 10);
    Vector<E> backing(4);
    fill(backing, 20);
    VectorView<E> y = backing[{1, 3}];
    const std::vector<E> backing0 = values(backing);
    const std::vector<E> expected =
        referenceGemv(sample<E>(2), sample<E>(4), A, {x.get(), x.get() + 3}, {backing0[1], backing0[2]});
    Operations::gemv(sample<E>(2), sample<E>(4), A, x, y);
    EXPECT_EQ(backing[0], backing0[0]);
    EXPECT_EQ(backing[1], expected[0]);
    EXPECT_EQ(backing[2], expected[1]);
    EXPECT_EQ(backing[3], backing0[3]);

    // A 2 x 3 matrix as y: only its first column is written.
    Matrix<E> yMatrix(2, 3);
    fill(yMatrix, 30);
    const std::vector<E> y0 = values(yMatrix);
    Vector<E> xVector(3);
    fill(xVector, 40);
    Operations::matvec(A, xVector, yMatrix);
    const std::vector<E> column = referenceGemv(E(1), E(1), A, values(xVector), {y0[0], y0[1]});
    EXPECT_EQ(yMatrix.get()[0], column[0]);
    EXPECT_EQ(yMatrix.get()[1], column[1]);
    EXPECT_EQ(std::vector<E>(yMatrix.get() + 2, yMatrix.get() + 6), std::vector<E>(y0.begin() + 2, y0.end()));
}

TYPED_TEST(GemvTest, ShapeMismatchesAreRefusedAndYKeepsItsValues)
{
    using E = TypeParam;
    Matrix<E> A(2, 3);
    struct Case {
        size_t nx, ny;
        const char* message;
    };
    const Case cases[] = {
        {4, 2, "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 4"},
        {3, 3, "In gemv expression y = aAx + by, matrix A dimension 0: 2, doesn't match vector y dimension 0: 3"},
        {4, 3, "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 4"},
        {0, 0, "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 0"},
    };
    for (const Case& c : cases) {
        Vector<E> x(c.nx), y(c.ny);
        fill(y, 1);
        const std::vector<E> y0 = values(y);
        expectThrow([&] { Operations::gemv(sample<E>(1), sample<E>(2), A, x, y); }, c.message);
        expectThrow([&] { Operations::matvec(A, x, y); }, c.message);
        EXPECT_EQ(values(y), y0);
    }
    // The texts say "vector" also for matrix operands, whose length is their row count.
    Matrix<E> x(4, 1);
    Matrix<E> y(2, 1);
    expectThrow([&] { Algorithms::validate_gemv(A, x, y); },
                "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 4");
}

TYPED_TEST(GemvTest, NonMatrixAIsRefused)
{
    using E = TypeParam;
    Vector<E> A(6), x(3), y(2);
    fill(A, 1);
    fill(y, 10);
    const std::vector<E> y0 = values(y);
    VectorView<E> view = A[{0, 2}];
    const std::string message = "In gemv expression y = aAx + by, A must be a matrix";
    expectThrow([&] { Operations::gemv(sample<E>(1), sample<E>(2), A, x, y); }, message);
    expectThrow([&] { Operations::matvec(view, x, y); }, message);
    expectThrow([&] { validate_gemv(view, view, view); }, message);
    EXPECT_EQ(values(y), y0);
}

TYPED_TEST(GemvTest, MatrixWithRowsButNoColumnsIsRefusedAsXOrY)
{
    using E = TypeParam;
    Matrix<E> A(2, 3);
    Matrix<E> noColumnsX(3, 0);
    Vector<E> x(3), y(2);
    fill(y, 1);
    const std::vector<E> y0 = values(y);
    expectThrow([&] { Operations::gemv(sample<E>(1), sample<E>(2), A, noColumnsX, y); },
                "In gemv expression y = aAx + by, matrix x has 3 rows but no columns");
    EXPECT_EQ(values(y), y0);
    Matrix<E> noColumnsY(2, 0);
    expectThrow([&] { Operations::matvec(A, x, noColumnsY); },
                "In gemv expression y = aAx + by, matrix y has 2 rows but no columns");
}

TYPED_TEST(GemvTest, EmptyDimensions)
{
    using E = TypeParam;
    // No columns: y <- b*y.
    Matrix<E> noColumns(2, 0);
    Vector<E> noX(0), y(2);
    Matrix<E> noXMatrix(0, 3);
    fill(y, 1);
    const std::vector<E> y0 = values(y);
    const E b = sample<E>(3);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Operations::gemv(sample<E>(1), b, noColumns, noX, y);
    EXPECT_EQ(y[0], b * y0[0]);
    EXPECT_EQ(y[1], b * y0[1]);
    Operations::matvec(noColumns, noXMatrix, y);
    EXPECT_EQ(y[0], b * y0[0]);

    // No rows: the leading dimension is still 1, nothing is written and nothing complains.
    Matrix<E> noRows(0, 3);
    Vector<E> x(3), noY(0);
    fill(x, 1);
    Operations::gemv(sample<E>(1), b, noRows, x, noY);
    Operations::matvec(noRows, x, noY);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TYPED_TEST(GemvTest, DimensionsBeyondTheBlasIntegerAreRefusedBeforeAnythingIsTouched)
{
    using E = TypeParam;
    const size_t huge = size_t(1) << 31;
    // A view made directly from a range claims any element count; only four elements exist behind it.
    auto storage = std::make_shared<E[]>(4);
    for (int i = 0; i < 4; ++i)
        storage[i] = sample<E>(i);
    VectorView<E> claimsHuge(std::pair<size_t, size_t>{0, huge}, storage);
    Vector<E> empty(0);

    Matrix<E> tall(huge, 0);
    expectThrow([&] { Operations::gemv(sample<E>(1), sample<E>(2), tall, empty, claimsHuge); },
                "In gemv, matrix A dimension 0: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647");
    Matrix<E> wide(0, huge);
    expectThrow([&] { Operations::matvec(wide, claimsHuge, empty); },
                "In gemv, matrix A dimension 1: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(storage[i], sample<E>(i));
}

TEST(GemvNumbers, NonSquareLayoutAndNoConjugation)
{
    // Rows (1, 2, 3) and (4, 5, 6), stored column by column.
    Matrix<double> A(2, 3);
    const double stored[] = {1, 4, 2, 5, 3, 6};
    std::copy(std::begin(stored), std::end(stored), A.get());
    Vector<double> x(3), y(2);
    x[0] = 1;
    x[1] = 1;
    x[2] = 1;
    Operations::matvec(A, x, y);
    EXPECT_EQ(values(y), (std::vector<double>{6, 15}));

    using Z = std::complex<float>;
    Matrix<Z> I(1, 1);
    Vector<Z> ix(1), iy(1);
    I[{0, 0}] = Z(0, 1);
    ix[0] = Z(0, 1);
    iy[0] = Z(7, 7);
    Operations::gemv(Z(1), Z(0), I, ix, iy);
    EXPECT_EQ(iy[0], Z(-1, 0));
}

// With a zero factor, or an A without columns, the product term is empty: y <- b*y without reading A or
// x, whatever they hold (here NaN and infinities) and whatever a is then, for every element type.
TYPED_TEST(GemvTest, EmptyProductTermReadsNeitherANorX)
{
    using E = TypeParam;
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        size_t columns;
        E a;
    };
    const Case cases[] = {
        {"a = 0", 3, E(0)},
        {"a = -0", 3, E(-0.0)},
        {"no columns, a = NaN", 0, E(nan)},
        {"no columns, a = inf", 0, E(inf)},
        {"no columns, a = -inf", 0, E(-inf)},
    };
    const E bs[] = {E(0), E(1), sample<E>(3), E(nan)};
    for (const Case& c : cases)
        for (const E b : bs) {
            Matrix<E> A(2, c.columns);
            Vector<E> x(c.columns), y(2);
            fill(A, 1);
            fill(x, 5);
            if (c.columns > 0) {
                A[{0, 0}] = E(nan);
                A[{1, 1}] = E(inf);
                x[2] = E(-inf);
            }
            fill(y, 9);
            const std::vector<E> A0 = values(A), x0 = values(x), y0 = values(y);
            EXPECT_EQ(&Operations::gemv(c.a, b, A, x, y), &y);
            for (size_t i = 0; i < 2; ++i) {
                if (detail::isNaN(b))
                    EXPECT_TRUE(detail::isNaN(y[i])) << c.name << ", b " << b << ": " << y[i];
                else
                    EXPECT_EQ(y[i], b * y0[i]) << c.name << ", b " << b << ", element " << i;
            }
            EXPECT_EQ(values(x), x0);
        }
    // b = 0 gives exact zeros even over an infinity or NaN in y.
    Matrix<E> A(2, 3);
    Vector<E> x(3), y(2);
    A[{0, 0}] = E(nan);
    y[0] = E(inf);
    y[1] = E(nan);
    Operations::gemv(E(0), E(0), A, x, y);
    EXPECT_EQ(values(y), (std::vector<E>{E(0), E(0)}));
}
