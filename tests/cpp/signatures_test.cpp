// What the container and product declarations promise: which calls cannot throw (copies, moves, size
// and pointer reads) and which can (construction allocates, checked access throws). Which results may
// not be dropped is checked by compile_fail/discarded.cpp.
#include <gtest/gtest.h>

#include <complex>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>

#include "Operations/Operations"

using namespace Algorithms;

template <typename C>
class SignaturesTest : public ::testing::Test {};
using Containers = ::testing::Types<Vector<float>, VectorView<float>, Matrix<float>, Vector<double>, VectorView<double>,
                                    Matrix<double>, Vector<std::complex<float>>, VectorView<std::complex<float>>,
                                    Matrix<std::complex<float>>, Vector<std::complex<double>>,
                                    VectorView<std::complex<double>>, Matrix<std::complex<double>>>;
TYPED_TEST_SUITE(SignaturesTest, Containers);

/// An index of the container's element operator: (row, column) for a matrix, a position for a vector.
template <typename C>
using Index = std::conditional_t<isMatrix<C>, std::pair<size_t, size_t>, size_t>;

TYPED_TEST(SignaturesTest, CopiesMovesAndReadsOfTheHandleCannotThrow)
{
    using C = TypeParam;
    static_assert(std::is_nothrow_copy_constructible_v<C>);
    static_assert(std::is_nothrow_move_constructible_v<C>);
    static_assert(std::is_nothrow_destructible_v<C>);
    static_assert(noexcept(std::declval<const C&>().get()));
    static_assert(noexcept(std::declval<const C&>().numel()));
    static_assert(noexcept(std::declval<const C&>().template dim<0>()));
    if constexpr (isMatrix<C>)
        static_assert(noexcept(std::declval<const C&>().template dim<1>()));
    else
        static_assert(
            std::is_nothrow_constructible_v<VectorView<typename C::SampleType>, const std::pair<size_t, size_t>&,
                                            const std::shared_ptr<typename C::SampleType[]>&>);
}

TYPED_TEST(SignaturesTest, AllocationAndCheckedAccessMayThrow)
{
    using C = TypeParam;
    static_assert(!noexcept(std::declval<C&>()[std::declval<Index<C>>()]));
    static_assert(!noexcept(std::declval<const C&>()[std::declval<Index<C>>()]));
    if constexpr (isMatrix<C>) {
        static_assert(!std::is_nothrow_constructible_v<C, size_t, size_t>);
    } else {
        static_assert(!noexcept(std::declval<C&>()[std::declval<std::pair<size_t, size_t>>()]));
        if constexpr (!std::is_same_v<C, VectorView<typename C::SampleType>>)
            static_assert(!std::is_nothrow_constructible_v<C, size_t>);
    }
    // The products check their operands' shapes; dot and hdot check their lengths.
    static_assert(!noexcept(Operations::dot(std::declval<const C&>(), std::declval<C&>())));
}
