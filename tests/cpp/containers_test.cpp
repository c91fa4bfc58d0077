// Containers: construction, zero fill and shared storage.
#include <gtest/gtest.h>

#include <complex>

#include "Types/Types"

using namespace Algorithms;

template <typename T>
class ContainerTest : public ::testing::Test {};
using ElementTypes = ::testing::Types<float, double, std::complex<float>, std::complex<double>>;
TYPED_TEST_SUITE(ContainerTest, ElementTypes);

TYPED_TEST(ContainerTest, NewContainersReadAsZero)
{
    Vector<TypeParam> v(4);
    Matrix<TypeParam> m(2, 3);
    for (size_t i = 0; i < v.numel(); ++i)
        EXPECT_EQ(v.get()[i], TypeParam(0));
    for (size_t i = 0; i < m.numel(); ++i)
        EXPECT_EQ(m.get()[i], TypeParam(0));
}
