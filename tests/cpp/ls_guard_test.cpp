// ls stays inside A, in the driver (complex underdetermined systems) and in the rank check of the
// factor it leaves: A's storage is placed right before a page that may not be read, so a read past its
// end ends the test with a fault instead of passing unseen.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <vector>

#include "Operations/Operations"

namespace {

// While `guarding` is set, every allocation ends exactly at a page the process may not touch.
bool guarding = false;
constexpr int maxGuarded = 64;
void* guarded[maxGuarded];
int numGuarded = 0;

void* guardedAllocation(std::size_t size)
{
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t rounded = (size + 15) / 16 * 16;
    const std::size_t span = (rounded + page - 1) / page * page + page;
    void* base = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED || numGuarded == maxGuarded)
        throw std::bad_alloc();
    char* guard = static_cast<char*>(base) + span - page;
    mprotect(guard, page, PROT_NONE);
    void* block = guard - rounded;
    guarded[numGuarded++] = block;
    return block;
}

bool isGuarded(void* p)
{
    for (int i = 0; i < numGuarded; ++i)
        if (guarded[i] == p)
            return true;
    return false;
}

} // namespace

void* operator new(std::size_t size)
{
    if (guarding)
        return guardedAllocation(size);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

// The replacement pair works on malloc and free, which the compiler cannot see through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    if (!isGuarded(p)) // guarded blocks are left mapped: the test makes only a few
        std::free(p);
}
#pragma GCC diagnostic pop

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

template <typename T>
class LsGuardTest : public ::testing::Test {};
using ComplexTypes = ::testing::Types<std::complex<float>, std::complex<double>>;
TYPED_TEST_SUITE(LsGuardTest, ComplexTypes);

TYPED_TEST(LsGuardTest, UnderdeterminedSolveReadsNothingPastA)
{
    using namespace Algorithms;
    const size_t m = 12, n = 20;
    guarding = true;
    Matrix<TypeParam> A(m, n);
    guarding = false;
    Vector<TypeParam> x(n);
    std::vector<TypeParam> original(m * n);
    for (size_t j = 0; j < n; ++j)
        for (size_t i = 0; i < m; ++i) {
            const TypeParam value(double((i * 7 + j * 3) % 5) - 2.0 + (i == j ? double(n) : 0.0), double((i + j) % 3));
            A[{i, j}] = value;
            original[i + j * m] = value;
        }
    for (size_t i = 0; i < n; ++i)
        x[i] = TypeParam(1.0, -0.5);
    Operations::ls(A, x);
    // A has full row rank, so the minimum-norm solution s satisfies A s = b up to rounding.
    const double tolerance = std::is_same_v<TypeParam, std::complex<float>> ? 1e-4 : 1e-12;
    for (size_t i = 0; i < m; ++i) {
        TypeParam row(0);
        for (size_t j = 0; j < n; ++j)
            row += original[i + j * m] * x[j];
        EXPECT_NEAR(std::abs(row - TypeParam(1.0, -0.5)), 0.0, tolerance) << "row " << i;
    }
}

template <typename T>
class LsRankCheckGuardTest : public ::testing::Test {};
using ElementTypes = ::testing::Types<float, double, std::complex<float>, std::complex<double>>;
TYPED_TEST_SUITE(LsRankCheckGuardTest, ElementTypes);

// The condition estimate reads the triangular factor up to A's last element when A is square.
TYPED_TEST(LsRankCheckGuardTest, ConditionEstimateReadsNothingPastA)
{
    using namespace Algorithms;
    for (const size_t m : {size_t(1), size_t(7), size_t(33)})
        for (const size_t n : {m, (m + 1) / 2}) {
            guarding = true;
            Matrix<TypeParam> A(m, n);
            guarding = false;
            Vector<TypeParam> x(m);
            for (size_t j = 0; j < n; ++j)
                for (size_t i = 0; i < m; ++i)
                    A[{i, j}] = TypeParam(double((i * 5 + j * 3) % 7) - 3.0 + (i == j ? double(m) : 0.0));
            for (size_t i = 0; i < m; ++i)
                x[i] = TypeParam(1.0);
            Operations::ls(A, x);
            EXPECT_TRUE(std::isfinite(std::abs(x[0]))) << m << " x " << n;
        }
}
