// Containers: construction, zero fill, containers made for overwrite, shared storage of copies and views,
// and size refusals (moves are in moved_from_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "Types/Types"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

template <typename T>
class ContainerTest : public ::testing::Test {};
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

TYPED_TEST(ContainerTest, SizesAndLayout)
{
    using E = TypeParam;
    static_assert(std::is_same_v<typename Vector<E>::SampleType, E>);
    static_assert(std::is_same_v<typename VectorView<E>::SampleType, E>);
    static_assert(std::is_same_v<typename Matrix<E>::SampleType, E>);

    Vector<E> v(5);
    EXPECT_EQ(v.numel(), 5u);
    EXPECT_EQ(v.template dim<0>(), 5u);

    Matrix<E> m(2, 3);
    EXPECT_EQ(m.numel(), 6u);
    EXPECT_EQ(m.template dim<0>(), 2u);
    EXPECT_EQ(m.template dim<1>(), 3u);
    m[{1, 2}] = sample<E>(1);
    EXPECT_EQ(m.get()[1 + 2 * 2], sample<E>(1));

    VectorView<E> view(std::pair<size_t, size_t>{2, 4}, std::shared_ptr<E[]>(std::make_shared<E[]>(5)));
    EXPECT_EQ(view.numel(), 2u);
    EXPECT_EQ(view.template dim<0>(), 2u);
}

TYPED_TEST(ContainerTest, EmptyContainersAreValid)
{
    using E = TypeParam;
    Vector<E> v(0);
    Matrix<E> rowsOnly(3, 0);
    Matrix<E> columnsOnly(0, 4);
    EXPECT_EQ(v.numel(), 0u);
    EXPECT_EQ(rowsOnly.numel(), 0u);
    EXPECT_EQ(rowsOnly.template dim<0>(), 3u);
    EXPECT_EQ(columnsOnly.numel(), 0u);
    EXPECT_EQ(columnsOnly.template dim<1>(), 4u);
    // More rows than BLAS can count is still a valid empty matrix.
    Matrix<E> tall(size_t(1) << 31, 0);
    EXPECT_EQ(tall.numel(), 0u);
}

TYPED_TEST(ContainerTest, CopiesShareStorage)
{
    using E = TypeParam;
    Vector<E> a(3);
    Vector<E> b(a);
    EXPECT_EQ(b.get(), a.get());
    EXPECT_EQ(b.numel(), 3u);
    b[1] = sample<E>(2);
    EXPECT_EQ(a[1], sample<E>(2));

    Matrix<E> m(2, 2);
    Matrix<E> n(m);
    EXPECT_EQ(n.get(), m.get());
    n[{1, 0}] = sample<E>(3);
    EXPECT_EQ((m[{1, 0}]), sample<E>(3));

    VectorView<E> view = a[{1, 3}];
    VectorView<E> viewCopy(view);
    EXPECT_EQ(viewCopy.get(), view.get());
    viewCopy[1] = sample<E>(4);
    EXPECT_EQ(a[2], sample<E>(4));
}

TYPED_TEST(ContainerTest, ViewSharesStorageAndOutlivesItsVector)
{
    using E = TypeParam;
    std::unique_ptr<Vector<E>> v = std::make_unique<Vector<E>>(5);
    fill(*v, 1);
    VectorView<E> view = (*v)[{2, 5}];
    EXPECT_EQ(view.numel(), 3u);
    EXPECT_EQ(view.get(), v->get() + 2);
    view[0] = sample<E>(10);
    EXPECT_EQ((*v)[2], sample<E>(10));
    (*v)[4] = sample<E>(11);
    EXPECT_EQ(view[2], sample<E>(11));

    v.reset();
    EXPECT_EQ(view[0], sample<E>(10));
    EXPECT_EQ(view[1], sample<E>(4));
    EXPECT_EQ(view[2], sample<E>(11));
}

TYPED_TEST(ContainerTest, MatrixElementCountOverflowIsRefused)
{
    using E = TypeParam;
    const size_t most = std::numeric_limits<size_t>::max();
    expectThrow<std::overflow_error>([&] { Matrix<E> m(most, 2); },
                                     "matrix of size (18446744073709551615, 2) has more elements than a size_t "
                                     "can count");
    expectThrow<std::overflow_error>([&] { Matrix<E> m(size_t(1) << 32, size_t(1) << 32); },
                                     "matrix of size (4294967296, 4294967296) has more elements than a size_t "
                                     "can count");
}

TYPED_TEST(ContainerTest, StorageBeyondWhatCanBeAllocatedIsRefused)
{
    using E = TypeParam;
    // The element count fits in size_t, its byte size does not.
    EXPECT_THROW((Matrix<E>(size_t(1) << 31, size_t(1) << 31)), std::bad_alloc);
    EXPECT_THROW(Vector<E>(size_t(1) << 62), std::bad_alloc);
}

// A container made for overwrite holds exactly what its fill wrote, and exists only once that fill has
// returned: a fill that throws leaves nothing behind (a leak shows in the sanitized build).
TYPED_TEST(ContainerTest, MadeForOverwriteHoldsWhatTheFillWrote)
{
    using E = TypeParam;
    const auto writeSamples = [](size_t numel) {
        return [numel](E* elements) {
            for (size_t i = 0; i < numel; ++i)
                elements[i] = sample<E>(int(i) + 1);
        };
    };
    const Vector<E> v = Vector<E>::forOverwrite(5, writeSamples(5));
    const Matrix<E> m = Matrix<E>::forOverwrite(2, 3, writeSamples(6));
    EXPECT_EQ(v.numel(), 5u);
    EXPECT_EQ(m.template dim<0>(), 2u);
    EXPECT_EQ(m.template dim<1>(), 3u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(v[i], sample<E>(int(i) + 1)) << i;
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ((m[{i % 2, i / 2}]), sample<E>(int(i) + 1)) << i;

    // Empty ones are valid and need nothing written.
    EXPECT_EQ(Vector<E>::forOverwrite(0, [](E*) {}).numel(), 0u);
    EXPECT_EQ((Matrix<E>::forOverwrite(3, 0, [](E*) {}).template dim<0>()), 3u);

    EXPECT_THROW((void)Vector<E>::forOverwrite(4, [](E*) { throw std::runtime_error("fill failed"); }),
                 std::runtime_error);
    EXPECT_THROW((void)Matrix<E>::forOverwrite(2, 2, [](E*) { throw std::runtime_error("fill failed"); }),
                 std::runtime_error);
}

// Sizes are refused as the zero-filled constructors refuse them, before the fill runs.
TYPED_TEST(ContainerTest, MadeForOverwriteRefusesSizesBeforeTheFill)
{
    using E = TypeParam;
    bool filled = false;
    const auto fill = [&](E*) { filled = true; };
    const size_t most = std::numeric_limits<size_t>::max();
    EXPECT_THROW((void)Vector<E>::forOverwrite(most, fill), std::bad_array_new_length);
    EXPECT_THROW((void)Vector<E>::forOverwrite(size_t(1) << 62, fill), std::bad_alloc);
    EXPECT_THROW((void)Matrix<E>::forOverwrite(most, 2, fill), std::overflow_error);
    EXPECT_THROW((void)Matrix<E>::forOverwrite(size_t(1) << 31, size_t(1) << 31, fill), std::bad_alloc);
    EXPECT_FALSE(filled);
}

// The usual constructors zero their elements also in memory that held other values just before (a
// container made for overwrite, freed), at sizes from the small allocations to those on huge pages.
TYPED_TEST(ContainerTest, NewContainersReadAsZeroInReusedMemory)
{
    using E = TypeParam;
    const auto expectZeros = [](const auto& c) {
        for (size_t i = 0; i < c.numel(); ++i)
            ASSERT_EQ(c.get()[i], E(0)) << i;
    };
    for (size_t n : {size_t(4), size_t(1000), size_t(1) << 20}) {
        SCOPED_TRACE(n);
        const auto leaveDirtyMemory = [n] {
            const auto dirty =
                Vector<E>::forOverwrite(n, [n](E* elements) { std::fill(elements, elements + n, sample<E>(1)); });
        };
        leaveDirtyMemory();
        expectZeros(Vector<E>(n));
        leaveDirtyMemory();
        expectZeros(Matrix<E>(n / 2, 2));
    }
}
