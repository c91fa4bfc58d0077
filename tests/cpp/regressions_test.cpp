// Regressions: faults of the BLAS builds underneath that the operations mend, kept mended.
#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <new>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
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

template <typename T>
class RegressionTest : public ::testing::Test {};
TYPED_TEST_SUITE(RegressionTest, ElementTypes);

// Complex axpy of a run onto itself read real parts it had already updated: axpy(a, v, v) has to
// give (1 + a) * v, also when y is a view over exactly the run of x.
TYPED_TEST(RegressionTest, AxpyOfARunOntoItself)
{
    using E = TypeParam;
    const E a = sample<E>(3);
    Vector<E> v(5);
    fill(v, 1);
    const std::vector<E> v0 = values(v);
    Operations::axpy(a, v, v);
    for (size_t i = 0; i < v.numel(); ++i)
        EXPECT_EQ(v[i], (E(1) + a) * v0[i]) << i;

    fill(v, 1);
    VectorView<E> same = v[{0, 5}];
    Operations::axpy(a, v, same);
    for (size_t i = 0; i < v.numel(); ++i)
        EXPECT_EQ(v[i], (E(1) + a) * v0[i]) << i;

    fill(v, 1);
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
