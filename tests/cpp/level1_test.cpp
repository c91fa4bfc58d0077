// Element-wise kernels scale, axpy, sum, copy and swap: arithmetic, operand kinds and refusals.
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

template <typename T>
class Level1Test : public ::testing::Test {};
TYPED_TEST_SUITE(Level1Test, ElementTypes);

TYPED_TEST(Level1Test, ScaleMultipliesEveryElement)
{
    using E = TypeParam;
    Vector<E> x(5);
    fill(x, 1);
    const std::vector<E> before = values(x);
    const E s = sample<E>(7);
    EXPECT_EQ(&Operations::scale(s, x), &x);
    for (size_t i = 0; i < x.numel(); ++i)
        EXPECT_EQ(x[i], s * before[i]) << i;
}

TYPED_TEST(Level1Test, TwoOperandKernelsMatchReferenceLoops)
{
    using E = TypeParam;
    const size_t n = 5;
    Vector<E> x(n), y(n);
    fill(x, 1);
    fill(y, 20);
    const std::vector<E> x0 = values(x), y0 = values(y);
    const E a = sample<E>(7);

    EXPECT_EQ(&Operations::axpy(a, x, y), &y);
    for (size_t i = 0; i < n; ++i)
        EXPECT_EQ(y[i], a * x0[i] + y0[i]) << "axpy " << i;
    EXPECT_EQ(values(x), x0);

    fill(y, 20);
    EXPECT_EQ(&Operations::sum(x, y), &y);
    for (size_t i = 0; i < n; ++i)
        EXPECT_EQ(y[i], x0[i] + y0[i]) << "sum " << i;

    fill(y, 20);
    EXPECT_EQ(&Operations::copy(x, y), &y);
    EXPECT_EQ(values(y), x0);

    fill(y, 20);
    Operations::swap(x, y);
    EXPECT_EQ(values(x), y0);
    EXPECT_EQ(values(y), x0);
}

TYPED_TEST(Level1Test, OnlyTheFirstElementsOfALongerYTakePart)
{
    using E = TypeParam;
    Vector<E> x(3), y(5);
    fill(x, 1);
    const auto check = [&](auto kernel, auto expected, const char* name) {
        fill(y, 10);
        const std::vector<E> y0 = values(y);
        kernel();
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(y[i], expected(i, y0[i])) << name << " " << i;
        EXPECT_EQ(y[3], y0[3]) << name;
        EXPECT_EQ(y[4], y0[4]) << name;
    };
    const std::vector<E> x0 = values(x);
    const E a = sample<E>(2);
    check([&] { Operations::axpy(a, x, y); }, [&](size_t i, E old) { return a * x0[i] + old; }, "axpy");
    check([&] { Operations::sum(x, y); }, [&](size_t i, E old) { return x0[i] + old; }, "sum");
    check([&] { Operations::copy(x, y); }, [&](size_t i, E) { return x0[i]; }, "copy");
    check([&] { Operations::swap(x, y); }, [&](size_t i, E) { return x0[i]; }, "swap");
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(x[i], sample<E>(10 + int(i))) << "swap gave x the first elements of y";
}

TYPED_TEST(Level1Test, ShorterYIsRefusedAndNothingChanges)
{
    using E = TypeParam;
    Vector<E> x(3);
    Vector<E> backing(4);
    fill(x, 1);
    fill(backing, 10);
    VectorView<E> y = backing[{1, 3}];
    const std::vector<E> x0 = values(x), backing0 = values(backing);
    const auto message = [](const char* op) {
        return std::string("In ") + op + ", vector y has 2 elements, fewer than the 3 elements of vector x";
    };
    expectThrow([&] { Operations::axpy(sample<E>(1), x, y); }, message("axpy"));
    expectThrow([&] { Operations::sum(x, y); }, message("sum"));
    expectThrow([&] { Operations::copy(x, y); }, message("copy"));
    expectThrow([&] { Operations::swap(x, y); }, message("swap"));
    EXPECT_EQ(values(x), x0);
    EXPECT_EQ(values(backing), backing0);

    Matrix<E> wide(1, 3);
    Vector<E> empty(0);
    expectThrow([&] { Operations::copy(wide, empty); },
                "In copy, vector y has 0 elements, fewer than the 3 elements of vector x");
}

TYPED_TEST(Level1Test, EmptyXChangesNothing)
{
    using E = TypeParam;
    Vector<E> x(0), y(2);
    fill(y, 1);
    const std::vector<E> y0 = values(y);
    EXPECT_EQ(&Operations::scale(sample<E>(1), x), &x);
    EXPECT_EQ(&Operations::axpy(sample<E>(1), x, y), &y);
    EXPECT_EQ(&Operations::sum(x, y), &y);
    EXPECT_EQ(&Operations::copy(x, y), &y);
    Operations::swap(x, y);
    EXPECT_EQ(values(y), y0);
}

TYPED_TEST(Level1Test, KindsMatterOnlyThroughTheirElementRuns)
{
    using E = TypeParam;
    Vector<E> v(6);
    fill(v, 1);
    Matrix<E> m(2, 3);
    EXPECT_EQ(&Operations::copy(v, m), &m);
    for (size_t i = 0; i < 2; ++i)
        for (size_t j = 0; j < 3; ++j)
            EXPECT_EQ((m[{i, j}]), v[i + 2 * j]);

    Vector<E> backing(8);
    VectorView<E> view = backing[{1, 7}];
    Operations::copy(m, view);
    EXPECT_EQ(backing[0], E(0));
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(backing[1 + i], v[i]);
    EXPECT_EQ(backing[7], E(0));

    // A view operand covers exactly its range; the vector and other views see the change.
    Vector<E> w(6);
    fill(w, 1);
    const std::vector<E> w0 = values(w);
    VectorView<E> middle = w[{2, 5}];
    VectorView<E> overlapping = w[{3, 6}];
    const E s = sample<E>(5);
    Operations::scale(s, middle);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(w[i], (i >= 2 && i < 5) ? s * w0[i] : w0[i]) << i;
    EXPECT_EQ(overlapping[0], s * w0[3]);

    Matrix<E> mm(3, 2);
    fill(mm, 30);
    const std::vector<E> mm0 = values(mm);
    Operations::axpy(s, middle, mm);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(mm.get()[i], i < 3 ? s * middle[i] + mm0[i] : mm0[i]) << i;
}

TYPED_TEST(Level1Test, OneObjectInBothPlaces)
{
    using E = TypeParam;
    Vector<E> v(4);
    fill(v, 1);
    const std::vector<E> v0 = values(v);
    Operations::sum(v, v);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(v[i], E(2) * v0[i]);
    fill(v, 1);
    Operations::copy(v, v);
    EXPECT_EQ(values(v), v0);
    Operations::swap(v, v);
    EXPECT_EQ(values(v), v0);
}

template <typename T>
class ComplexLevel1Test : public ::testing::Test {};
TYPED_TEST_SUITE(ComplexLevel1Test, ComplexTypes);

TYPED_TEST(ComplexLevel1Test, ComplexFactorsAndNoConjugation)
{
    using E = TypeParam;
    Vector<E> v(1);
    v[0] = E(1, 2);
    Operations::scale(E(0, 1), v);
    EXPECT_EQ(v[0], E(-2, 1));

    Vector<E> x(2), y(2);
    x[0] = E(1, 2);
    x[1] = E(0, -3);
    y[0] = E(4, -1);
    y[1] = E(2, 2);
    Operations::sum(x, y);
    EXPECT_EQ(y[0], E(5, 1));
    EXPECT_EQ(y[1], E(2, -1));
    Operations::axpy(E(0, 1), x, y);
    EXPECT_EQ(y[0], E(3, 2));
    EXPECT_EQ(y[1], E(5, -1));
}

// Operands that overlap shifted: x is read as it was before the call, for a shift either way and
// runs long enough for the routines' unrolled paths. The expected values are those of disjoint copies.
TYPED_TEST(Level1Test, ShiftedOverlapReadsXAsBeforeTheCall)
{
    using E = TypeParam;
    const size_t length = 37;
    struct Case {
        size_t xStart, yStart, count;
    };
    const Case cases[] = {
        {0, 1, 36}, {1, 0, 36}, {0, 2, 35}, {2, 0, 35}, {0, 5, 32}, {5, 0, 32}, {0, 1, 4}, {1, 0, 4},
    };
    const E a = sample<E>(2);
    const auto check = [&](const char* name, auto kernel, auto expected) {
        for (const Case& c : cases) {
            Vector<E> v(length);
            fill(v, 3);
            const std::vector<E> v0 = values(v);
            VectorView<E> x = v[{c.xStart, c.xStart + c.count}];
            VectorView<E> y = v[{c.yStart, c.yStart + c.count}];
            kernel(x, y);
            for (size_t i = 0; i < length; ++i) {
                const bool written = i >= c.yStart && i < c.yStart + c.count;
                const E want = written ? expected(v0[c.xStart + i - c.yStart], v0[i]) : v0[i];
                EXPECT_EQ(v[i], want) << name << " x at " << c.xStart << ", y at " << c.yStart << ", element " << i;
            }
        }
    };
    check("copy", [](auto& x, auto& y) { Operations::copy(x, y); }, [](E xi, E) { return xi; });
    check("sum", [](auto& x, auto& y) { Operations::sum(x, y); }, [](E xi, E yi) { return xi + yi; });
    check("axpy", [&](auto& x, auto& y) { Operations::axpy(a, x, y); }, [&](E xi, E yi) { return a * xi + yi; });

    // A matrix as x over the same storage as a view y is the same flat run.
    Matrix<E> m(3, 2);
    fill(m, 1);
    const std::vector<E> m0 = values(m);
    Matrix<E> alias(m);
    Operations::copy(m, alias);
    EXPECT_EQ(values(m), m0);
}

// Swap of runs that overlap shifted is refused and changes nothing; a run swapped with itself (also a
// view over the same elements, or a longer y that starts there) stays as it is.
TYPED_TEST(Level1Test, SwapOfShiftedRunsIsRefused)
{
    using E = TypeParam;
    Vector<E> v(9);
    fill(v, 1);
    const std::vector<E> v0 = values(v);
    const std::pair<size_t, size_t> shifted[][2] = {
        {{0, 4}, {1, 5}},
        {{1, 5}, {0, 4}},
        {{0, 4}, {3, 9}},
        {{2, 9}, {0, 7}},
    };
    for (const auto& pair : shifted) {
        VectorView<E> x = v[pair[0]], y = v[pair[1]];
        expectThrow([&] { Operations::swap(x, y); },
                    "In swap, vectors x and y share some but not all of their elements");
        EXPECT_EQ(values(v), v0);
    }
    VectorView<E> x = v[{2, 6}], same = v[{2, 6}], longer = v[{2, 9}];
    Operations::swap(x, same);
    Operations::swap(x, longer);
    Operations::swap(v, v);
    EXPECT_EQ(values(v), v0);
    // Disjoint runs of one storage exchange as before.
    VectorView<E> left = v[{0, 3}], right = v[{5, 8}];
    Operations::swap(left, right);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(v[i], v0[5 + i]);
        EXPECT_EQ(v[5 + i], v0[i]);
    }
}
