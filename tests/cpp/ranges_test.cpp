// Containers as standard ranges: the range concepts they model, and range-for, std::span and the
// standard algorithms on their elements (a matrix's in storage order, column by column).
#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <cstddef>
#include <iterator>
#include <numeric>
#include <ranges>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "Types/Types"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

template <typename C>
class RangeTest : public ::testing::Test {
protected:
    using E = typename C::SampleType;

    /// A container of the kind under test with n elements (an even n for a matrix: two rows). A view
    /// starts one element into the vector it is cut from, so that an iterator that forgot the offset
    /// reads the wrong elements.
    C make(size_t n)
    {
        if constexpr (isMatrix<C>)
            return C(2, n / 2);
        else if constexpr (std::is_same_v<C, VectorView<E>>)
            return m_base[{1, 1 + n}];
        else
            return C(n);
    }

    Vector<E> m_base{10};
};
using Containers = ::testing::Types<Vector<float>, VectorView<float>, Matrix<float>, Vector<double>, VectorView<double>,
                                    Matrix<double>, Vector<std::complex<float>>, VectorView<std::complex<float>>,
                                    Matrix<std::complex<float>>, Vector<std::complex<double>>,
                                    VectorView<std::complex<double>>, Matrix<std::complex<double>>>;
TYPED_TEST_SUITE(RangeTest, Containers);

TYPED_TEST(RangeTest, ModelsContiguousSizedRanges)
{
    using C = TypeParam;
    using E = typename C::SampleType;
    static_assert(std::ranges::contiguous_range<C> && std::ranges::sized_range<C>);
    static_assert(std::ranges::contiguous_range<const C> && std::ranges::sized_range<const C>);
    // const guards the handle, not the elements: a const container's range is writable too.
    static_assert(std::is_same_v<std::ranges::iterator_t<const C>, E*>);
    static_assert(std::is_same_v<std::ranges::range_reference_t<const C>, E&>);
    static_assert(std::is_same_v<std::ranges::range_size_t<C>, size_t>);
    // A temporary may hold the last share of its storage, so its iterators must not outlive it.
    static_assert(!std::ranges::borrowed_range<C>);
    static_assert(noexcept(std::declval<const C&>().begin()) && noexcept(std::declval<const C&>().end()) &&
                  noexcept(std::declval<const C&>().size()));
}

TYPED_TEST(RangeTest, RangeForAndSpanSeeTheElementsInStorageOrder)
{
    using E = typename TypeParam::SampleType;
    const TypeParam c = this->make(6);
    fill(c, 3);
    EXPECT_EQ(c.size(), c.numel());
    EXPECT_EQ(std::ranges::size(c), 6u);

    std::vector<E> seen;
    for (E& element : c)
        seen.push_back(element);
    EXPECT_EQ(seen, values(c));

    const std::span<E> span(c);
    EXPECT_EQ(span.data(), c.get());
    EXPECT_EQ(span.size(), c.numel());
    span[5] = sample<E>(40); // a write through the span is a write to the shared storage
    EXPECT_EQ(c.get()[5], sample<E>(40));
    if constexpr (isMatrix<TypeParam>) {
        EXPECT_EQ((c[{1, 2}]), sample<E>(40)); // storage order is column by column
    }
}

TYPED_TEST(RangeTest, AlgorithmsWorkOnTheContainersElementsOnly)
{
    using E = typename TypeParam::SampleType;
    TypeParam c = this->make(4);
    fill(c, 1);
    const std::vector<E> before = values(c);
    EXPECT_EQ(std::accumulate(c.begin(), c.end(), E(0)), before[0] + before[1] + before[2] + before[3]);
    EXPECT_EQ(std::ranges::find(c, before[2]), c.begin() + 2);

    std::ranges::reverse(c);
    EXPECT_EQ(values(c), std::vector<E>(before.rbegin(), before.rend()));
    if constexpr (!isComplex<E>) {
        std::ranges::sort(c);
        EXPECT_TRUE(std::ranges::is_sorted(c));
    }
    std::ranges::fill(c, sample<E>(7));
    EXPECT_EQ(std::ranges::count(c, sample<E>(7)), 4);
    // A view's algorithms stay inside its window of the shared storage.
    EXPECT_EQ(this->m_base.get()[0], E(0));
    EXPECT_EQ(this->m_base.get()[5], E(0));
}

TYPED_TEST(RangeTest, EmptyContainersAreEmptyRanges)
{
    const TypeParam c = this->make(0);
    EXPECT_EQ(c.begin(), c.end());
    EXPECT_TRUE(std::ranges::empty(c));
    for ([[maybe_unused]] auto& element : c)
        ADD_FAILURE() << "an empty container has no element to visit";
}
