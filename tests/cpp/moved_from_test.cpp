// Moved-from containers: a move copies the handle, so the source stays a full container of the same
// elements, in every accessor and every operation.
#include <gtest/gtest.h>

#include <complex>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "Operations/Operations"
#include "test_elements.h"

using namespace Algorithms;
using kaldra_test::expectThrow;
using kaldra_test::fill;
using kaldra_test::sample;
using kaldra_test::values;

template <typename... E>
using KindsOf = ::testing::Types<Vector<E>..., VectorView<E>..., Matrix<E>...>;
using Containers = KindsOf<float, double, std::complex<float>, std::complex<double>>;

/// A container of six elements, sample(seed) to sample(seed + 5) in storage order: a vector, a view
/// into the middle of a longer vector (its storage is kept alive by the view), or a 2 x 3 matrix.
template <typename C>
C make(int seed)
{
    using E = typename C::SampleType;
    if constexpr (isMatrix<C>) {
        C m(2, 3);
        fill(m, seed);
        return m;
    } else if constexpr (std::is_same_v<C, Vector<E>>) {
        C v(6);
        fill(v, seed);
        return v;
    } else {
        Vector<E> owner(8);
        fill(owner, seed - 1);
        return owner[{1, 7}];
    }
}

/// A container that has been moved from, and the one it was moved into.
template <typename C>
struct Moved {
    C from;
    C to;
    explicit Moved(int seed) : from(make<C>(seed)), to(std::move(from)) {}
};

template <typename C>
class MovedFromTest : public ::testing::Test {};
TYPED_TEST_SUITE(MovedFromTest, Containers);

TYPED_TEST(MovedFromTest, KeepsItsSizesAndElements)
{
    using C = TypeParam;
    static_assert(std::is_nothrow_move_constructible_v<C>);
    static_assert(std::is_copy_constructible_v<C>);
    static_assert(!std::is_copy_assignable_v<C> && !std::is_move_assignable_v<C>);

    Moved<C> m(1);
    const std::vector<typename C::SampleType> expected = values(make<C>(1));
    EXPECT_EQ(m.from.numel(), 6u);
    EXPECT_EQ(m.from.template dim<0>(), m.to.template dim<0>());
    if constexpr (isMatrix<C>) {
        EXPECT_EQ(m.from.template dim<0>(), 2u);
        EXPECT_EQ(m.from.template dim<1>(), 3u);
    }
    EXPECT_EQ(m.from.get(), m.to.get());
    EXPECT_EQ(values(m.from), expected);
    EXPECT_EQ(values(m.to), expected);

    // Moving the moved-from container again hands on the same handle once more.
    C again(std::move(m.from));
    EXPECT_EQ(again.get(), m.to.get());
    EXPECT_EQ(m.from.get(), m.to.get());
}

TYPED_TEST(MovedFromTest, CheckedAccessReachesTheSameElements)
{
    using C = TypeParam;
    using E = typename C::SampleType;
    Moved<C> m(1);
    const C& constFrom = m.from;
    if constexpr (isMatrix<C>) {
        EXPECT_EQ((m.from[{1, 2}]), sample<E>(6));
        EXPECT_EQ((constFrom[{0, 1}]), sample<E>(3));
        m.from[{1, 0}] = sample<E>(40);
        EXPECT_EQ((m.to[{1, 0}]), sample<E>(40));
        expectThrow<OutOfRangeError>([&] { m.from[{0, 3}] = E(0); },
                                     "requested array index 6exceeds max number of elements 6");
        expectThrow<OutOfRangeError>([&] { (void)constFrom[{2, 0}]; },
                                     "index for dimension 02exceeds max number of elements for that dimension 2");
    } else {
        EXPECT_EQ(m.from[5], sample<E>(6));
        EXPECT_EQ(constFrom[0], sample<E>(1));
        m.from[2] = sample<E>(40);
        EXPECT_EQ(m.to[2], sample<E>(40));
        expectThrow<OutOfRangeError>([&] { m.from[6] = E(0); }, "index 6 exceeds max number of elements 6");
        expectThrow<OutOfRangeError>([&] { (void)constFrom[6]; }, "index 6 exceeds max number of elements 6");

        VectorView<E> view = m.from[{2, 6}];
        EXPECT_EQ(view.numel(), 4u);
        EXPECT_EQ(view.get(), m.to.get() + 2);
        EXPECT_EQ(view[0], sample<E>(40));
        expectThrow<OutOfRangeError>([&] { (void)m.from[{0, 7}]; }, "index 7 exceeds max number of elements 6");
    }
}

// Every operation, given moved-from operands, does exactly what it does with operands that were never
// moved: the same result and the same elements afterwards in every operand.
TYPED_TEST(MovedFromTest, OperationsActOnTheSameElements)
{
    using C = TypeParam;
    using E = typename C::SampleType;
    // A square matrix whose order is the operands' dim<0>(), so that it fits both products and ls; the
    // large diagonal gives it full rank.
    const size_t d = make<C>(0).template dim<0>();
    auto makeA = [d] {
        Matrix<E> A(d, d);
        fill(A, 40);
        for (size_t i = 0; i < d; ++i)
            A[{i, i}] += E(20);
        return A;
    };
    struct MovedA {
        Matrix<E> from, to;
        explicit MovedA(Matrix<E> source) : from(std::move(source)), to(std::move(from)) {}
    };

    auto check = [&](const char* name, auto operation) {
        SCOPED_TRACE(name);
        C x = make<C>(1), y = make<C>(20);
        Matrix<E> A = makeA();
        const E expected = operation(x, y, A);

        Moved<C> mx(1), my(20);
        MovedA mA(makeA());
        EXPECT_EQ(operation(mx.from, my.from, mA.from), expected);
        EXPECT_EQ(values(mx.from), values(x));
        EXPECT_EQ(values(my.from), values(y));
        EXPECT_EQ(values(mA.from), values(A));
    };
    const E s = sample<E>(3);
    const E t = sample<E>(5);
    check("scale", [&](auto& x, auto&, auto&) {
        EXPECT_EQ(&Operations::scale(s, x), &x);
        return E(0);
    });
    check("axpy", [&](auto& x, auto& y, auto&) {
        EXPECT_EQ(&Operations::axpy(s, x, y), &y);
        return E(0);
    });
    check("sum", [&](auto& x, auto& y, auto&) {
        EXPECT_EQ(&Operations::sum(x, y), &y);
        return E(0);
    });
    check("copy", [&](auto& x, auto& y, auto&) {
        EXPECT_EQ(&Operations::copy(x, y), &y);
        return E(0);
    });
    check("swap", [&](auto& x, auto& y, auto&) {
        Operations::swap(x, y);
        return E(0);
    });
    check("dot", [&](auto& x, auto& y, auto&) { return Operations::dot(x, y); });
    if constexpr (isComplex<E>)
        check("hdot", [&](auto& x, auto& y, auto&) { return Operations::hdot(x, y); });
    check("gemv", [&](auto& x, auto& y, auto& A) {
        EXPECT_EQ(&Operations::gemv(s, t, A, x, y), &y);
        return E(0);
    });
    check("matvec", [&](auto& x, auto& y, auto& A) {
        EXPECT_EQ(&Operations::matvec(A, x, y), &y);
        return E(0);
    });
    check("ls", [&](auto& x, auto&, auto& A) {
        Operations::ls(A, x);
        return E(0);
    });
    if constexpr (isMatrix<C>) {
        check("gemm", [&](auto& X, auto& Y, auto& A) {
            EXPECT_EQ(&Operations::gemm(s, t, A, X, Y), &Y);
            return E(0);
        });
        check("matmul", [&](auto& X, auto& Y, auto& A) {
            EXPECT_EQ(&Operations::matmul(A, X, Y), &Y);
            return E(0);
        });
    }
}

TYPED_TEST(MovedFromTest, ShowsTheSameText)
{
    using C = TypeParam;
    auto text = [](const C& c) {
        std::stringstream stream;
        Operations::show(c, stream);
        return stream.str();
    };
    Moved<C> m(1);
    EXPECT_EQ(text(m.from), text(make<C>(1)));
}

// The shape checks read a moved-from container's true sizes and refuse it with the usual messages.
TYPED_TEST(MovedFromTest, ShapeChecksSeeItsSizes)
{
    using C = TypeParam;
    using E = typename C::SampleType;
    Moved<C> m(1);
    const std::vector<E> before = values(m.to);
    Matrix<E> wide(3, 7);
    const std::string dims = std::to_string(m.from.template dim<0>());
    expectThrow([&] { Operations::matvec(wide, m.from, m.from); },
                "In gemv expression y = aAx + by, matrix A dimension 1: 7, doesn't match vector x dimension 0: " +
                    dims);
    Vector<E> shorter(5);
    expectThrow([&] { Operations::copy(m.from, shorter); },
                "In copy, vector y has 5 elements, fewer than the 6 elements of vector x");
    if constexpr (isMatrix<C>) {
        expectThrow([&] { Operations::matmul(wide, m.from, m.from); },
                    "In gemm expression Y = aAX + bY, matrix A dimension 0: 3, doesn't match matrix Y dimension 0: 2");
    }
    EXPECT_EQ(values(m.to), before);
}
