// What kaldra's C++ operations cost per call beyond the routine they wrap: each operation against the
// same CBLAS or LAPACKE routine called directly on the same storage, on 4 x 4 and 200 x 200 operands
// (vectors of 4 and 200 elements), for the four element types. Prints a table of medians.
//
//   kaldra_overhead [ROUNDS [OPERATION/TYPE/N ...]]
//
// Cases named after ROUNDS are measured alone, e.g. `kaldra_overhead 41 gemm/d/4 gemv/d/4 axpy/d/4` for
// the hot small calls, where the checks weigh most.
//
// Run it with OPENBLAS_NUM_THREADS=1: the clock is then the process's CPU time, which the other work on
// a shared machine does not inflate (with threads, the wall clock is used instead).

#include <algorithm>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <type_traits>
#include <vector>

#include "Operations/Operations"
#include "direct_routines.h"

namespace {

using Algorithms::Matrix;
using Algorithms::Operations;
using Algorithms::Vector;
using cfloat = std::complex<float>;
using zdouble = std::complex<double>;

bool cpuClock = false;

/// The cases to measure, as OPERATION/TYPE/N; all when empty.
std::vector<std::string> selected;

bool isSelected(const char* op, const char* type, size_t n)
{
    const std::string name = std::string(op) + "/" + type + "/" + std::to_string(n);
    return selected.empty() || std::find(selected.begin(), selected.end(), name) != selected.end();
}

double now()
{
    timespec ts{};
    clock_gettime(cpuClock ? CLOCK_PROCESS_CPUTIME_ID : CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
}

/// Keeps results alive so that no call is optimised away.
volatile double sink = 0;

template <typename E>
void consume(E value)
{
    sink = sink + double(std::real(value));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

/// Seconds per call of `calls` back-to-back calls.
template <typename F>
double batch(long calls, F& call)
{
    const double start = now();
    for (long i = 0; i < calls; ++i)
        call();
    return (now() - start) / double(calls);
}

/// Times both forms in alternating batches (which goes first alternates too, so neither profits from
/// a warmer cache), and prints the medians, the median of the per-round differences and the median of
/// the per-round ratios: a round's two batches run moments apart, so its ratio sees the same load.
template <typename K, typename R>
void measure(const char* op, const char* type, size_t n, int rounds, long calls, K kaldraCall, R rawCall)
{
    if (!isSelected(op, type, n))
        return;
    batch(calls, kaldraCall);
    batch(calls, rawCall);
    std::vector<double> kaldra, raw, difference, ratio;
    for (int r = 0; r < rounds; ++r) {
        double k = 0, c = 0;
        if (r % 2) {
            k = batch(calls, kaldraCall);
            c = batch(calls, rawCall);
        } else {
            c = batch(calls, rawCall);
            k = batch(calls, kaldraCall);
        }
        kaldra.push_back(k);
        raw.push_back(c);
        difference.push_back(k - c);
        ratio.push_back(k / c);
    }
    const double ns = 1e9;
    std::printf("%-7s %-4s %4zu %12.1f %12.1f %10.1f %8.3f\n", op, type, n, median(raw) * ns, median(kaldra) * ns,
                median(difference) * ns, median(ratio));
}

template <typename E>
void fillValues(E* x, size_t count, double base)
{
    for (size_t i = 0; i < count; ++i) {
        const double v = base + 1e-3 * double(i % 97);
        if constexpr (std::is_floating_point_v<E>)
            x[i] = E(v);
        else
            x[i] = E(typename E::value_type(v), typename E::value_type(-0.5 * v));
    }
}

/// Calls per batch: at least a few milliseconds of work, and never fewer than 20 calls.
long callsFor(double flopsPerCall) { return std::max(20L, long(1e7 / std::max(flopsPerCall, 100.0))); }

/// Every operation of one element type and size. kaldra's containers and the raw routines work on
/// the very same storage (the raw calls take the containers' get()), so both see the same data.
template <typename E>
void measureType(const char* type, size_t n, int rounds)
{
    const int ni = int(n);
    Vector<E> x(n), y(n);
    Matrix<E> A(n, n), X(n, n), Y(n, n), lsA(n, n), keepA(n, n);
    fillValues(x.get(), n, 0.5);
    fillValues(y.get(), n, 0.25);
    fillValues(A.get(), A.numel(), 0.1);
    fillValues(X.get(), X.numel(), 0.2);
    fillValues(Y.get(), Y.numel(), 0.3);
    // A diagonally dominant matrix for ls, copied in before every solve since ls overwrites it.
    fillValues(keepA.get(), keepA.numel(), 0.01);
    for (size_t i = 0; i < n; ++i)
        keepA[{i, i}] += E(float(n));
    Vector<E> rhs(n), keepRhs(n);
    fillValues(keepRhs.get(), n, 1.0);

    // Factors that keep the values bounded over many calls and take no special path of a routine.
    const E grow = E(1.0000001f);
    const E small = E(1e-7f);
    const E one = E(1);
    const double level1 = double(n), level2 = 2.0 * double(n * n), level3 = 2.0 * double(n * n * n);

    measure(
        "scale", type, n, rounds, callsFor(level1), [&] { Operations::scale(grow, x); },
        [&] { direct::scal(ni, grow, x.get()); });
    measure(
        "axpy", type, n, rounds, callsFor(level1), [&] { Operations::axpy(small, x, y); },
        [&] { direct::axpy(ni, small, x.get(), y.get()); });
    measure(
        "copy", type, n, rounds, callsFor(level1), [&] { Operations::copy(x, y); },
        [&] { direct::copy(ni, x.get(), y.get()); });
    measure(
        "dot", type, n, rounds, callsFor(level1), [&] { consume(Operations::dot(x, y)); },
        [&] { consume(direct::dot(ni, x.get(), y.get())); });
    measure(
        "gemv", type, n, rounds, callsFor(level2), [&] { Operations::gemv(small, one, A, x, y); },
        [&] { direct::gemv(ni, small, A.get(), x.get(), one, y.get()); });
    measure(
        "gemm", type, n, rounds, callsFor(level3), [&] { Operations::gemm(small, one, A, X, Y); },
        [&] { direct::gemm(ni, small, A.get(), X.get(), one, Y.get()); });
    const size_t bytesA = sizeof(E) * A.numel(), bytesRhs = sizeof(E) * n;
    measure(
        "ls", type, n, rounds, callsFor(level3),
        [&] {
            std::memcpy(lsA.get(), keepA.get(), bytesA);
            std::memcpy(rhs.get(), keepRhs.get(), bytesRhs);
            Operations::ls(lsA, rhs);
        },
        [&] {
            std::memcpy(lsA.get(), keepA.get(), bytesA);
            std::memcpy(rhs.get(), keepRhs.get(), bytesRhs);
            consume(direct::gels(ni, lsA.get(), rhs.get()));
        });
    consume(x[0] + y[0] + Y[{0, 0}] + rhs[0]);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    selected.assign(argv + std::min(argc, 2), argv + argc);
    const char* threads = std::getenv("OPENBLAS_NUM_THREADS");
    cpuClock = threads != nullptr && std::string(threads) == "1";
    std::printf("# kaldra C++ operations against the routine called directly; ns per call, median of %d rounds, "
                "%s clock\n",
                rounds, cpuClock ? "process CPU" : "wall");
    std::printf("%-7s %-4s %4s %12s %12s %10s %8s\n", "op", "type", "n", "raw", "kaldra", "extra", "ratio");
    for (size_t n : {size_t(4), size_t(200)}) {
        measureType<float>("s", n, rounds);
        measureType<double>("d", n, rounds);
        measureType<cfloat>("c", n, rounds);
        measureType<zdouble>("z", n, rounds);
    }
    return 0;
}
