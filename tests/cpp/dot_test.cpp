// Dot products dot and hdot: sums against reference loops, conjugation, operand kinds and refusals.
#include <gtest/gtest.h>

#include <complex>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ComplexTypes;
using kaldra_test::ElementTypes;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

template <typename X, typename Y>
auto referenceDot(const X& x, const Y& y)
{
    typename X::SampleType result(0);
    for (size_t i = 0; i < x.numel(); ++i)
        result += x.get()[i] * y.get()[i];
    return result;
}

template <typename X, typename Y>
auto referenceHdot(const X& x, const Y& y)
{
    typename X::SampleType result(0);
    for (size_t i = 0; i < x.numel(); ++i)
        result += std::conj(x.get()[i]) * y.get()[i];
    return result;
}

// hdot exists for the complex element types only.
template <typename E>
concept HasHdot = requires(Vector<E> v) { Operations::hdot(v, v); };
static_assert(HasHdot<std::complex<float>> && HasHdot<std::complex<double>>);
static_assert(!HasHdot<float> && !HasHdot<double>);

template <typename T>
class DotTest : public ::testing::Test {};
TYPED_TEST_SUITE(DotTest, ElementTypes);

TYPED_TEST(DotTest, MatchesReferenceLoopAndChangesNothing)
{
    using E = TypeParam;
    Vector<E> x(5), y(5);
    fill(x, 1);
    fill(y, 12);
    const std::vector<E> x0 = values(x), y0 = values(y);
    EXPECT_EQ(Operations::dot(x, y), referenceDot(x, y));
    EXPECT_EQ(Operations::dot(y, x), Operations::dot(x, y));
    EXPECT_EQ(values(x), x0);
    EXPECT_EQ(values(y), y0);
}

TYPED_TEST(DotTest, EmptyXGivesZero)
{
    using E = TypeParam;
    Vector<E> x(0), y(3);
    fill(y, 1);
    EXPECT_EQ(Operations::dot(x, y), E(0));
}

TYPED_TEST(DotTest, OperandsContributeTheirElementRuns)
{
    using E = TypeParam;
    // A matrix is its flat run in storage order; a view is exactly its range; a longer y's tail is unused.
    Matrix<E> m(2, 3);
    Vector<E> v(9);
    fill(m, 1);
    fill(v, 5);
    EXPECT_EQ(Operations::dot(m, v), referenceDot(m, v));
    VectorView<E> view = v[{2, 8}];
    EXPECT_EQ(Operations::dot(m, view), referenceDot(m, view));
    EXPECT_EQ(Operations::dot(view, m), referenceDot(m, view));
    EXPECT_EQ(Operations::dot(m, m), referenceDot(m, m));
}

TYPED_TEST(DotTest, ShorterYIsRefused)
{
    using E = TypeParam;
    Vector<E> x(4);
    Matrix<E> y(1, 3);
    expectThrow([&] { (void)Operations::dot(x, y); },
                "In dot, vector y has 3 elements, fewer than the 4 elements of vector x");
    if constexpr (isComplex<E>)
        expectThrow([&] { (void)Operations::hdot(x, y); },
                    "In hdot, vector y has 3 elements, fewer than the 4 elements of vector x");
}

template <typename T>
class HdotTest : public ::testing::Test {};
TYPED_TEST_SUITE(HdotTest, ComplexTypes);

TYPED_TEST(HdotTest, ConjugatesTheFirstOperandOnly)
{
    using E = TypeParam;
    Vector<E> one(1), other(1);
    one[0] = E(1, 1);
    other[0] = E(1, 1);
    EXPECT_EQ(Operations::dot(one, other), E(0, 2));
    EXPECT_EQ(Operations::hdot(one, other), E(2, 0));

    Vector<E> x(5), y(7);
    fill(x, 1);
    fill(y, 12);
    VectorView<E> yFront = y[{0, 5}];
    EXPECT_EQ(Operations::hdot(x, y), referenceHdot(x, y));
    EXPECT_EQ(Operations::hdot(yFront, x), std::conj(Operations::hdot(x, yFront)));
    const E squares = Operations::hdot(x, x);
    EXPECT_EQ(squares.imag(), 0);
    EXPECT_EQ(squares, referenceHdot(x, x));
}
