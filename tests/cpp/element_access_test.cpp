// Element access and range views: checked reads and writes, their messages, and views of views.
#include <gtest/gtest.h>

#include <complex>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "Types/Types"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::ElementTypes;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

// Code that catches std::runtime_error keeps catching index errors.
static_assert(std::is_base_of_v<std::runtime_error, OutOfRangeError>);

template <typename T>
class ElementAccessTest : public ::testing::Test {};
TYPED_TEST_SUITE(ElementAccessTest, ElementTypes);

TYPED_TEST(ElementAccessTest, VectorIndexChecks)
{
    using E = TypeParam;
    Vector<E> v(4);
    fill(v, 1);
    const Vector<E>& constant = v;
    EXPECT_EQ(v[3], sample<E>(4));
    EXPECT_EQ(constant[3], sample<E>(4));
    v[0] = sample<E>(9);
    EXPECT_EQ(v.get()[0], sample<E>(9));

    expectThrow<OutOfRangeError>([&] { (void)v[4]; }, "index 4 exceeds max number of elements 4");
    expectThrow<OutOfRangeError>([&] { (void)constant[4]; }, "index 4 exceeds max number of elements 4");
    expectThrow<OutOfRangeError>([&] { (void)v[size_t(-1)]; },
                                 "index 18446744073709551615 exceeds max number of elements 4");
    Vector<E> empty(0);
    expectThrow<OutOfRangeError>([&] { (void)empty[0]; }, "index 0 exceeds max number of elements 0");
}

TYPED_TEST(ElementAccessTest, ViewIndicesCountFromTheViewsFirstElement)
{
    using E = TypeParam;
    Vector<E> v(6);
    fill(v, 1);
    VectorView<E> view = v[{2, 5}];
    const VectorView<E>& constant = view;
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(view[i], v[2 + i]);
        EXPECT_EQ(constant[i], v[2 + i]);
    }
    view[1] = sample<E>(20);
    EXPECT_EQ(v[3], sample<E>(20));
    v[4] = sample<E>(21);
    EXPECT_EQ(view[2], sample<E>(21));

    expectThrow<OutOfRangeError>([&] { (void)view[3]; }, "index 3 exceeds max number of elements 3");
    expectThrow<OutOfRangeError>([&] { (void)constant[3]; }, "index 3 exceeds max number of elements 3");
}

TYPED_TEST(ElementAccessTest, RangesOfVectorsAndViews)
{
    using E = TypeParam;
    Vector<E> v(5);
    fill(v, 1);

    VectorView<E> all = v[{0, 5}];
    EXPECT_EQ(all.numel(), 5u);
    EXPECT_EQ(all.get(), v.get());
    VectorView<E> none = v[{2, 2}];
    EXPECT_EQ(none.numel(), 0u);
    EXPECT_EQ(none.get(), v.get() + 2);
    VectorView<E> atEnd = v[{5, 5}];
    EXPECT_EQ(atEnd.numel(), 0u);

    VectorView<E> view = v[{2, 5}];
    VectorView<E> inner = view[{1, 2}];
    EXPECT_EQ(inner.numel(), 1u);
    EXPECT_EQ(inner.get(), v.get() + 3);
    inner[0] = sample<E>(30);
    EXPECT_EQ(v[3], sample<E>(30));
    VectorView<E> wholeView = view[{0, 3}];
    EXPECT_EQ(wholeView.get(), v.get() + 2);
    EXPECT_EQ(wholeView.numel(), 3u);
}

TYPED_TEST(ElementAccessTest, RangeRefusals)
{
    using E = TypeParam;
    Vector<E> v(5);
    VectorView<E> view = v[{2, 5}];
    struct Case {
        size_t first, second;
        const char* onVector;
        const char* onView;
        bool pastTheEnd; // an end past the last element is an OutOfRangeError, a reversed range is not
    };
    const Case cases[] = {
        {0, 6, "index 6 exceeds max number of elements 5", "index 6 exceeds max number of elements 3", true},
        {3, 2, "range start 3 lies after range end 2", "range start 3 lies after range end 2", false},
        {1, 0, "range start 1 lies after range end 0", "range start 1 lies after range end 0", false},
        // The end is checked first: an end outside the container is reported as such.
        {9, 7, "index 7 exceeds max number of elements 5", "index 7 exceeds max number of elements 3", true},
    };
    for (const Case& c : cases) {
        const auto onVector = [&] { (void)v[std::pair<size_t, size_t>{c.first, c.second}]; };
        const auto onView = [&] { (void)view[std::pair<size_t, size_t>{c.first, c.second}]; };
        if (c.pastTheEnd) {
            expectThrow<OutOfRangeError>(onVector, c.onVector);
            expectThrow<OutOfRangeError>(onView, c.onView);
        } else {
            expectThrow(onVector, c.onVector);
            expectThrow(onView, c.onView);
        }
    }
    EXPECT_EQ(view.numel(), 3u);
}

TYPED_TEST(ElementAccessTest, MatrixElementsAndTheirMessages)
{
    using E = TypeParam;
    Matrix<E> m(2, 3);
    fill(m, 1);
    const Matrix<E>& constant = m;
    for (size_t i = 0; i < 2; ++i)
        for (size_t j = 0; j < 3; ++j) {
            EXPECT_EQ((m[{i, j}]), m.get()[i + 2 * j]);
            EXPECT_EQ((constant[{i, j}]), m.get()[i + 2 * j]);
        }
    m[{1, 2}] = sample<E>(40);
    EXPECT_EQ(m.get()[5], sample<E>(40));

    const size_t half = size_t(1) << 63;
    struct Case {
        size_t row, column;
        const char* message;
    };
    const Case cases[] = {
        {2, 0, "index for dimension 02exceeds max number of elements for that dimension 2"},
        {0, 3, "requested array index 6exceeds max number of elements 6"},
        {6, 3, "requested array index 12exceeds max number of elements 6"},
        {7, 0, "requested array index 7exceeds max number of elements 6"},
        // 2 * 2^63 wraps around to 0: the position is inside the storage, the column is not.
        {0, half, "index for dimension 19223372036854775808exceeds max number of elements for that dimension 3"},
    };
    for (const Case& c : cases) {
        expectThrow<OutOfRangeError>([&] { (void)m[{c.row, c.column}]; }, c.message);
        expectThrow<OutOfRangeError>([&] { (void)constant[{c.row, c.column}]; }, c.message);
    }

    Matrix<E> tall(7, 3);
    expectThrow<OutOfRangeError>([&] { (void)tall[{7, 0}]; },
                                 "index for dimension 07exceeds max number of elements for that dimension 7");
    Matrix<E> rowsOnly(2, 0);
    expectThrow<OutOfRangeError>([&] { (void)rowsOnly[{0, 0}]; },
                                 "requested array index 0exceeds max number of elements 0");
}
