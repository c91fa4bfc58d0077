// Long runs processed piece by piece, walked on small data: pieces of three elements at most.
#define KALDRA_BLAS_PIECE_SIZE 3

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

static_assert(detail::blasPieceSize == 3);

template <typename T>
class PiecesTest : public ::testing::Test {};
TYPED_TEST_SUITE(PiecesTest, ElementTypes);

// Runs of one piece, of whole pieces, and with a short last piece; y is two longer than x and
// starts at an offset, so writes past the run or before it would show.
static const size_t runLengths[] = {1, 3, 6, 7, 8};

TYPED_TEST(PiecesTest, LevelOneKernelsCoverEveryElementOnce)
{
    using E = TypeParam;
    const E a = sample<E>(5);
    for (size_t n : runLengths) {
        SCOPED_TRACE(n);
        Vector<E> x(n), backing(n + 3);
        VectorView<E> y = backing[{1, n + 3}];
        const auto reset = [&] {
            fill(x, 1);
            fill(backing, 20);
        };
        reset();
        const std::vector<E> x0 = values(x), b0 = values(backing);
        const auto expectY = [&](auto expected, const char* name) {
            EXPECT_EQ(backing[0], b0[0]) << name;
            for (size_t i = 0; i < n; ++i)
                EXPECT_EQ(y[i], expected(i)) << name << " " << i;
            EXPECT_EQ(backing[n + 1], b0[n + 1]) << name;
            EXPECT_EQ(backing[n + 2], b0[n + 2]) << name;
        };

        VectorView<E> run = backing[{1, n + 1}];
        Operations::scale(a, run);
        expectY([&](size_t i) { return a * b0[1 + i]; }, "scale");
        reset();
        Operations::axpy(a, x, y);
        expectY([&](size_t i) { return a * x0[i] + b0[1 + i]; }, "axpy");
        reset();
        Operations::sum(x, y);
        expectY([&](size_t i) { return x0[i] + b0[1 + i]; }, "sum");
        reset();
        Operations::copy(x, y);
        expectY([&](size_t i) { return x0[i]; }, "copy");
        reset();
        Operations::swap(x, y);
        expectY([&](size_t i) { return x0[i]; }, "swap");
        for (size_t i = 0; i < n; ++i)
            EXPECT_EQ(x[i], b0[1 + i]) << "swap " << i;
    }
}

TYPED_TEST(PiecesTest, DotsAddThePartialSums)
{
    using E = TypeParam;
    for (size_t n : runLengths) {
        SCOPED_TRACE(n);
        Vector<E> x(n), y(n + 2);
        fill(x, 1);
        fill(y, 11);
        E expected(0), expectedConjugated(0);
        for (size_t i = 0; i < n; ++i) {
            expected += x[i] * y[i];
            if constexpr (isComplex<E>) {
                expectedConjugated += std::conj(x[i]) * y[i];
            }
        }
        EXPECT_EQ(Operations::dot(x, y), expected);
        if constexpr (isComplex<E>) {
            EXPECT_EQ(Operations::hdot(x, y), expectedConjugated);
        }
    }
}

TYPED_TEST(PiecesTest, MendedPathsWorkPieceByPiece)
{
    using E = TypeParam;
    for (size_t n : runLengths) {
        SCOPED_TRACE(n);
        // One run in both places: a * v + v over every piece, as with a copy of v.
        Vector<E> v(n);
        fill(v, 1);
        const std::vector<E> v0 = values(v);
        const E a = sample<E>(5);
        Operations::axpy(a, v, v);
        for (size_t i = 0; i < n; ++i)
            EXPECT_EQ(v[i], a * v0[i] + v0[i]) << i;

        // A NaN factor reaches every element.
        Operations::scale(E(std::numeric_limits<double>::quiet_NaN()), v);
        for (size_t i = 0; i < n; ++i)
            EXPECT_TRUE(detail::isNaN(v[i])) << i;
    }
}

TYPED_TEST(PiecesTest, ShorterYIsStillRefusedWhole)
{
    using E = TypeParam;
    Vector<E> x(7), y(6);
    fill(y, 1);
    const std::vector<E> y0 = values(y);
    expectThrow([&] { Operations::copy(x, y); },
                "In copy, vector y has 6 elements, fewer than the 7 elements of vector x");
    EXPECT_EQ(values(y), y0);
}
