// What kaldra does with zero factors over non-finite elements, the same on every BLAS build: the
// builds differ here (newer OpenBLAS releases multiply where older ones write zeros).
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;

template <typename T>
class ConventionsTest : public ::testing::Test {};
TYPED_TEST_SUITE(ConventionsTest, ElementTypes);

template <typename E>
Vector<E> nonFinite()
{
    Vector<E> v(4);
    v[0] = E(std::numeric_limits<double>::infinity());
    v[1] = E(-std::numeric_limits<double>::infinity());
    v[2] = E(std::numeric_limits<double>::quiet_NaN());
    v[3] = E(1);
    return v;
}

TYPED_TEST(ConventionsTest, ScaleByZeroWritesZerosOverInfAndNaN)
{
    using E = TypeParam;
    for (const double zero : {0.0, -0.0}) {
        Vector<E> v = nonFinite<E>();
        Operations::scale(E(zero), v);
        for (size_t i = 0; i < v.numel(); ++i)
            EXPECT_EQ(v[i], E(0)) << i << ": " << v[i];
    }
}

TYPED_TEST(ConventionsTest, AxpyByZeroLeavesYAlone)
{
    using E = TypeParam;
    const Vector<E> x = nonFinite<E>();
    Vector<E> y(4);
    for (size_t i = 0; i < y.numel(); ++i)
        y[i] = E(double(i) + 1);
    Operations::axpy(E(0), x, y);
    for (size_t i = 0; i < y.numel(); ++i)
        EXPECT_EQ(y[i], E(double(i) + 1)) << i;
}

TYPED_TEST(ConventionsTest, ProductsWithZeroBetaDoNotReadY)
{
    using E = TypeParam;
    Matrix<E> A(2, 2), Y(2, 2);
    Vector<E> x(2), y(2);
    for (size_t i = 0; i < 2; ++i) {
        A[{i, i}] = E(1);
        x[i] = E(2);
        y[i] = E(std::numeric_limits<double>::quiet_NaN());
        Y[{i, 0}] = Y[{i, 1}] = E(std::numeric_limits<double>::infinity());
    }
    Operations::gemv(E(1), E(0), A, x, y);
    Operations::gemm(E(1), E(0), A, A, Y);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(y[i], E(2)) << i;
        EXPECT_EQ((Y[{i, i}]), E(1)) << i;
        EXPECT_EQ((Y[{i, 1 - i}]), E(0)) << i;
    }
}
