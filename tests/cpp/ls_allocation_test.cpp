// A small ls touches no allocator, nor does a solve of any size given its workspace (as a batch of
// systems gives it): every malloc, calloc and realloc of the process is counted while systems of every
// element type and shape are solved, after one warm-up solve of each.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <complex>
#include <cstddef>
#include <limits>
#include <vector>

#include "Operations/Operations"

#if !defined(__SANITIZE_ADDRESS__)
#define KALDRA_COUNTS_ALLOCATIONS 1

// glibc's own entry points, which the replacements below hand every request to.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* p, std::size_t size);
extern "C" void __libc_free(void* p);

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
void count()
{
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

// Replacing malloc and its kin in the program replaces them for every library it loads, LAPACKE's
// and the C++ runtime's operator new included.
extern "C" void* malloc(std::size_t size)
{
    count();
    return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count_, std::size_t size)
{
    count();
    return __libc_calloc(count_, size);
}
extern "C" void* realloc(void* p, std::size_t size)
{
    count();
    return __libc_realloc(p, size);
}
extern "C" void free(void* p) { __libc_free(p); }
#endif

template <typename T>
class LsAllocationTest : public ::testing::Test {};
using ElementTypes = ::testing::Types<float, double, std::complex<float>, std::complex<double>>;
TYPED_TEST_SUITE(LsAllocationTest, ElementTypes);

TYPED_TEST(LsAllocationTest, SmallSolvesAllocateNothing)
{
#ifndef KALDRA_COUNTS_ALLOCATIONS
    GTEST_SKIP() << "the address sanitizer owns malloc in this build";
#else
    using namespace Algorithms;
    using E = TypeParam;
    struct Shape {
        size_t rows, cols;
    };
    // Square, tall, wide (for complex types the wide path factors a copy of A), a row and a column.
    const Shape shapes[] = {{3, 3}, {5, 3}, {3, 5}, {1, 4}, {4, 1}, {6, 6}};
    for (const Shape& s : shapes) {
        Matrix<E> original(s.rows, s.cols), A(s.rows, s.cols);
        for (size_t j = 0; j < s.cols; ++j)
            for (size_t i = 0; i < s.rows; ++i)
                original[{i, j}] = E(double((i * 3 + j * 5) % 7) / 7 + (i == j ? 4.0 : 0.0));
        Vector<E> b(std::max(s.rows, s.cols)), x(std::max(s.rows, s.cols));
        for (size_t i = 0; i < b.numel(); ++i)
            b[i] = E(double(i) + 1);
        auto solve = [&] {
            std::copy(original.get(), original.get() + original.numel(), A.get());
            std::copy(b.get(), b.get() + b.numel(), x.get());
            Operations::ls(A, x);
        };
        solve();
        allocations = 0;
        counting = true;
        for (int i = 0; i < 100; ++i)
            solve();
        counting = false;
        EXPECT_EQ(allocations.load(), 0) << s.rows << " x " << s.cols;
    }
#endif
}

// A batch of systems gives solveInPlace the workspace lsWorkspace names once, for systems of every size
// and road: the driver's too (order past 32, or operands the driver scales), which then allocates nothing.
TYPED_TEST(LsAllocationTest, SolvesInTheirGivenWorkspaceAllocateNothing)
{
#ifndef KALDRA_COUNTS_ALLOCATIONS
    GTEST_SKIP() << "the address sanitizer owns malloc in this build";
#else
    using namespace Algorithms;
    using E = TypeParam;
    struct Shape {
        size_t rows, cols;
        double scale;
    };
    // The last has elements so large that the driver scales them, which the unblocked road leaves to it.
    using R = decltype(std::abs(E()));
    const double huge = double(std::numeric_limits<R>::max()) / 64;
    const Shape shapes[] = {{64, 4, 1}, {40, 34, 1}, {34, 40, 1}, {200, 3, 1}, {5, 3, huge}};
    for (const Shape& s : shapes) {
        const size_t k = std::max(s.rows, s.cols);
        std::vector<E> original(s.rows * s.cols), A(original.size()), b(k), x(k);
        // Pseudo-random elements in [0, 1) and a heavy diagonal: of full rank, well conditioned.
        unsigned state = 12345;
        for (size_t j = 0; j < s.cols; ++j)
            for (size_t i = 0; i < s.rows; ++i) {
                state = state * 1103515245u + 12345u;
                original[i + j * s.rows] = E(s.scale * (double(state >> 8) / double(1u << 24) + (i == j ? 4.0 : 0.0)));
            }
        for (size_t i = 0; i < k; ++i)
            b[i] = E(double(i) + 1);
        std::vector<E> work(Operations::lsWorkspace(s.rows, s.cols, A.data(), x.data()));
        auto solve = [&] {
            std::copy(original.begin(), original.end(), A.begin());
            std::copy(b.begin(), b.end(), x.begin());
            EXPECT_FALSE(Operations::solveInPlace(A.data(), s.rows, s.cols, x.data(), work.data(), work.size()));
        };
        solve();
        allocations = 0;
        counting = true;
        for (int i = 0; i < 20; ++i)
            solve();
        counting = false;
        EXPECT_EQ(allocations.load(), 0) << s.rows << " x " << s.cols;
    }
#endif
}
