// Regressions: faults of the BLAS builds underneath that the operations mend, kept mended.
#include <gtest/gtest.h>

#include <complex>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

template <typename T>
class ContainerRegressionTest : public ::testing::Test {};
TYPED_TEST_SUITE(ContainerRegressionTest, ElementTypes);

// The shared array factory added the size of its count block to the element count unchecked: a
// count within a few elements of the largest size_t wrapped into a tiny allocation, which was then
// zero-filled far past its end.
TYPED_TEST(ContainerRegressionTest, ElementCountsNearTheLargestSizeAreRefused)
{
    using E = TypeParam;
    const size_t most = std::numeric_limits<size_t>::max();
    EXPECT_THROW(Vector<E>{most}, std::bad_array_new_length);
    EXPECT_THROW(Vector<E>{most - 1}, std::bad_array_new_length);
    EXPECT_THROW((Matrix<E>{most, 1}), std::bad_array_new_length);
    EXPECT_THROW((Matrix<E>{3, most / 3}), std::bad_array_new_length);
}

// The view constructor took the element count as stop - start unchecked: a start after the stop gave
// a view of nearly 2^64 elements, whose next read went far out of bounds. Such a range now gives an
// empty view at its start, as a slice does.
TYPED_TEST(ContainerRegressionTest, AViewWhoseStartLiesAfterItsStopIsEmpty)
{
    using E = TypeParam;
    const std::shared_ptr<E[]> storage = std::make_shared<E[]>(4);
    for (const auto& [first, second] : {std::pair<size_t, size_t>{3, 1}, {4, 0}, {4, 3}}) {
        SCOPED_TRACE(testing::Message() << "range " << first << ", " << second);
        VectorView<E> view({first, second}, storage);
        EXPECT_EQ(view.numel(), 0u);
        EXPECT_EQ(view.get(), storage.get() + first);
        EXPECT_EQ(view.begin(), view.end());
        expectThrow<OutOfRangeError>([&] { (void)view[0]; }, "index 0 exceeds max number of elements 0");
        Vector<E> y(2);
        fill(y, 1);
        const std::vector<E> before = values(y);
        Operations::sum(view, y);
        Operations::copy(view, y);
        EXPECT_EQ(values(y), before);
    }
}

template <typename T>
class RegressionTest : public ::testing::Test {};
TYPED_TEST_SUITE(RegressionTest, ElementTypes);

// Complex axpy of a run onto itself read real parts it had already updated, and its later stand-in
// (1 + a) * v dropped NaN and inf and rounded differently: axpy(a, v, v) has to give bit for bit what
// axpy(a, copy of v, v) gives, for every factor, also when y is a view over exactly the run of x and
// for runs long enough to be split among threads.
TYPED_TEST(RegressionTest, AxpyOfARunOntoItselfIsAxpyOfACopy)
{
    using E = TypeParam;
    using R = decltype(std::abs(E()));
    const R inf = std::numeric_limits<R>::infinity(), nan = std::numeric_limits<R>::quiet_NaN();
    std::vector<E> factors = {sample<E>(3), E(-1), E(R(-0.5)), E(0), E(inf), E(nan)};
    if constexpr (isComplex<E>)
        factors.insert(factors.end(), {E(0, 1), E(R(0.75), R(-1.25)), E(0, inf), E(0, nan), E(inf, inf)});
    for (size_t n : {size_t(1), size_t(7), size_t(33), size_t(100003)}) {
        Vector<E> v(n);
        const auto reset = [&] {
            for (size_t i = 0; i < n; ++i)
                v[i] = sample<E>(int(i)) / E(R(3)); // not exact: the rounding shows
            if (n > 4) {
                v[1] = E(inf);
                v[2] = E(nan);
                v[3] = -E(inf);
                if constexpr (isComplex<E>)
                    v[4] = E(1, inf);
            }
        };
        for (const E a : factors) {
            SCOPED_TRACE(testing::Message() << "n " << n << ", a " << a);
            reset();
            Vector<E> expected(n), copyOfV(n);
            Operations::copy(v, expected);
            Operations::copy(v, copyOfV);
            Operations::axpy(a, copyOfV, expected);

            Operations::axpy(a, v, v);
            EXPECT_EQ(std::memcmp(v.get(), expected.get(), n * sizeof(E)), 0);
            reset();
            VectorView<E> same = v[{0, n}];
            Operations::axpy(a, v, same);
            EXPECT_EQ(std::memcmp(v.get(), expected.get(), n * sizeof(E)), 0);
        }
    }
}

TYPED_TEST(RegressionTest, SumOfARunOntoItselfIsTwice)
{
    using E = TypeParam;
    Vector<E> v(5);
    fill(v, 1);
    const std::vector<E> v0 = values(v);
    VectorView<E> same = v[{0, 5}];
    Operations::sum(same, v);
    for (size_t i = 0; i < v.numel(); ++i)
        EXPECT_EQ(v[i], E(2) * v0[i]) << i;
}

// sscal wrote zeros for a NaN factor; a product with NaN is NaN.
TYPED_TEST(RegressionTest, ScaleByNotANumberGivesNotANumber)
{
    using E = TypeParam;
    Vector<E> v(4);
    fill(v, 1);
    v[2] = E(0);
    Operations::scale(E(std::numeric_limits<double>::quiet_NaN()), v);
    for (size_t i = 0; i < v.numel(); ++i)
        EXPECT_TRUE(detail::isNaN(v[i])) << i << ": " << v[i];
}

// sgemv dropped a NaN beta and left y as if beta were 0; b * y is NaN.
TYPED_TEST(RegressionTest, GemvWithNotANumberBetaGivesNotANumber)
{
    using E = TypeParam;
    Matrix<E> A(2, 3);
    Vector<E> x(3), y(2);
    fill(A, 1);
    fill(x, 5);
    fill(y, 9);
    const E nan(std::numeric_limits<double>::quiet_NaN());
    Operations::gemv(sample<E>(1), nan, A, x, y);
    EXPECT_TRUE(detail::isNaN(y[0])) << y[0];
    EXPECT_TRUE(detail::isNaN(y[1])) << y[1];

    // With a zero y as well: 0 * NaN is NaN, not the product alone.
    Vector<E> zeros(2);
    Operations::gemv(sample<E>(1), nan, A, x, zeros);
    EXPECT_TRUE(detail::isNaN(zeros[0])) << zeros[0];
    EXPECT_TRUE(detail::isNaN(zeros[1])) << zeros[1];
}
