// The floor the Python benchmarks compare against: each routine kaldra calls, called directly from C++
// on operands of the same sizes, timed the same way. Prints one JSON object per measurement.
//
// --cpu-clock before the mode times with the process's CPU time instead of the wall clock.
//
//   kaldra_driver small REPEATS CALLS   per-call time of each routine on 3 elements and 3 x 3 matrices
//   kaldra_driver large REPEATS [R]     time of one call on the large operands (median over REPEATS),
//                                       of every routine or of routine R only
//   kaldra_driver sweep REPEATS N...    time of one daxpy and one dgemm at each size N

#include <algorithm>
#include <ctime>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "direct_routines.h"

namespace {

/// The benchmarks read the process's CPU time when OpenBLAS runs one thread (the time the call itself
/// took, whatever else the shared machine runs), and the wall clock otherwise.
bool cpuClock = false;

double now()
{
    timespec ts{};
    clock_gettime(cpuClock ? CLOCK_PROCESS_CPUTIME_ID : CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
}
using ccomplex = std::complex<float>;
using zcomplex = std::complex<double>;

/// Keeps results alive so the calls are not optimised away.
volatile double sink = 0;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

/// Median over `repeats` batches of the time of one call, in seconds; `prepare` runs outside the clock.
double timeCalls(int repeats, long calls, const std::function<void()>& call, const std::function<void()>& prepare = {})
{
    std::vector<double> perCall;
    for (int r = 0; r < repeats; ++r) {
        double total = 0;
        for (long i = 0; i < calls; ++i) {
            if (prepare)
                prepare();
            const double start = now();
            call();
            total += now() - start;
        }
        perCall.push_back(total / double(calls));
    }
    return median(perCall);
}

/// Median time of one call when many calls run back to back (small operands): the clock is read
/// once per batch, so its own cost is spread over the batch.
double timeBatch(int repeats, long calls, const std::function<void()>& call)
{
    std::vector<double> perCall;
    for (int r = 0; r < repeats; ++r) {
        const double start = now();
        for (long i = 0; i < calls; ++i)
            call();
        perCall.push_back((now() - start) / double(calls));
    }
    return median(perCall);
}

void report(const char* group, const std::string& routine, long size, double seconds)
{
    std::printf("{\"group\": \"%s\", \"routine\": \"%s\", \"size\": %ld, \"seconds\": %.9g}\n", group, routine.c_str(),
                size, seconds);
}

template <typename E>
std::vector<E> filled(size_t n, double base)
{
    std::vector<E> v(n);
    for (size_t i = 0; i < n; ++i) {
        const double x = base + 1e-3 * double(i % 997);
        if constexpr (!std::is_floating_point_v<E>)
            v[i] = E(typename E::value_type(x), typename E::value_type(-x));
        else
            v[i] = E(x);
    }
    return v;
}

// The routines themselves, one overload per element type.
using namespace direct;

template <typename E>
double realPart(E value)
{
    return std::real(value);
}

/// Per-call times of every routine kaldra calls, for one element type (letter), at 3 elements / 3 x 3.
template <typename E>
void smallFor(char letter, int repeats, long calls)
{
    const int n = 3;
    auto A = filled<E>(9, 1.0), B = filled<E>(9, 0.5), C = filled<E>(9, 0.2);
    auto x = filled<E>(3, 0.3), y = filled<E>(3, 0.7);
    const E one(1), zero(0);
    const auto name = [&](const char* routine) { return std::string(1, letter) + routine; };

    report("small", name("scal"), n, timeBatch(repeats, calls, [&] { scal(n, one, x.data()); }));
    report("small", name("axpy"), n, timeBatch(repeats, calls, [&] { axpy(n, one, x.data(), y.data()); }));
    report("small", name("copy"), n, timeBatch(repeats, calls, [&] { copy(n, x.data(), y.data()); }));
    report("small", name("swap"), n, timeBatch(repeats, calls, [&] { swap(n, x.data(), y.data()); }));
    report("small", std::string(1, letter) + (std::is_floating_point_v<E> ? "dot" : "dotu"), n,
           timeBatch(repeats, calls, [&] { sink = sink + realPart(dot(n, x.data(), y.data())); }));
    if constexpr (!std::is_floating_point_v<E>)
        report("small", name("dotc"), n,
               timeBatch(repeats, calls, [&] { sink = sink + realPart(dotc(n, x.data(), y.data())); }));
    report("small", name("gemv"), n,
           timeBatch(repeats, calls, [&] { gemv(n, one, A.data(), x.data(), zero, y.data()); }));
    report("small", name("gemm"), n,
           timeBatch(repeats, calls, [&] { gemm(n, one, A.data(), B.data(), zero, C.data()); }));

    // gels overwrites A and the right-hand side: both are refilled before each call, and the time of
    // the refill alone is taken off.
    auto A0 = filled<E>(9, 0.1);
    for (int i = 0; i < n; ++i)
        A0[size_t(i) * n + i] += E(3); // diagonally dominant: full rank
    const auto b0 = x;
    auto Aw = A0, bw = b0;
    const auto refill = [&] {
        std::copy(A0.begin(), A0.end(), Aw.begin());
        std::copy(b0.begin(), b0.end(), bw.begin());
    };
    const double withRefill = timeBatch(repeats, calls / 10, [&] {
        refill();
        sink = sink + gels(n, Aw.data(), bw.data());
    });
    report("small", name("gels"), n, withRefill - timeBatch(repeats, calls / 10, refill));
}

/// Storage for the large operands, allocated the way kaldra's containers allocate theirs (one zero-filled
/// make_shared array each), so that alignment and page placement do not differ between the two sides.
struct Run {
    std::shared_ptr<double[]> storage;
    double* data() const { return storage.get(); }
};

Run run(size_t n, double base)
{
    Run r{std::make_shared<double[]>(n)};
    for (size_t i = 0; i < n; ++i)
        r.storage[i] = base + 1e-3 * double(i % 997);
    return r;
}

void small(int repeats, long calls)
{
    smallFor<float>('s', repeats, calls);
    smallFor<double>('d', repeats, calls);
    smallFor<ccomplex>('c', repeats, calls);
    smallFor<zcomplex>('z', repeats, calls);
}

/// The large operands; `only`, when not empty, names the one routine to time.
void large(int repeats, const std::string& only)
{
    const auto want = [&](const char* routine) { return only.empty() || only == routine; };
    const size_t n1 = 10'000'000;
    if (want("dscal") || want("daxpy") || want("ddot") || want("dcopy") || want("dswap")) {
        auto x = run(n1, 0.3), y = run(n1, 0.7);
        if (want("dscal"))
            report("large", "dscal", long(n1),
                   timeCalls(repeats, 1, [&] { cblas_dscal(int(n1), 1.0000001, x.data(), 1); }));
        if (want("daxpy"))
            report("large", "daxpy", long(n1),
                   timeCalls(repeats, 1, [&] { cblas_daxpy(int(n1), 1e-9, x.data(), 1, y.data(), 1); }));
        if (want("ddot"))
            report("large", "ddot", long(n1),
                   timeCalls(repeats, 1, [&] { sink = sink + cblas_ddot(int(n1), x.data(), 1, y.data(), 1); }));
        if (want("dcopy"))
            report("large", "dcopy", long(n1),
                   timeCalls(repeats, 1, [&] { cblas_dcopy(int(n1), x.data(), 1, y.data(), 1); }));
        if (want("dswap"))
            report("large", "dswap", long(n1),
                   timeCalls(repeats, 1, [&] { cblas_dswap(int(n1), x.data(), 1, y.data(), 1); }));
    }
    if (want("dgemv")) {
        const int m = 4000;
        auto A = run(size_t(m) * m, 0.1), v = run(m, 0.2), w = run(m, 0.3);
        report("large", "dgemv", m, timeCalls(repeats, 1, [&] {
                   cblas_dgemv(CblasColMajor, CblasNoTrans, m, m, 1.0, A.data(), m, v.data(), 1, 0.0, w.data(), 1);
               }));
    }
    if (want("dgemm")) {
        const int m = 1500;
        auto P = run(size_t(m) * m, 0.1), Q = run(size_t(m) * m, 0.2), R = run(size_t(m) * m, 0.0);
        report("large", "dgemm", m, timeCalls(repeats, 1, [&] {
                   cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, m, m, m, 1.0, P.data(), m, Q.data(), m, 0.0,
                               R.data(), m);
               }));
    }
    if (want("dgels")) {
        // Refilled before each call, outside the clock: gels overwrites A and the right-hand side.
        const int rows = 2000, cols = 500;
        std::vector<double> G0(size_t(rows) * cols), b0(rows);
        std::srand(5);
        for (auto& g : G0)
            g = double(std::rand()) / RAND_MAX - 0.5;
        for (auto& b : b0)
            b = double(std::rand()) / RAND_MAX - 0.5;
        auto G = G0, b = b0;
        report("large", "dgels", rows,
               timeCalls(
                   repeats, 1,
                   [&] { LAPACKE_dgels(LAPACK_COL_MAJOR, 'N', rows, cols, 1, G.data(), rows, b.data(), rows); },
                   [&] {
                       std::copy(G0.begin(), G0.end(), G.begin());
                       std::copy(b0.begin(), b0.end(), b.begin());
                   }));
    }
}

void sweep(int repeats, const std::vector<long>& sizes)
{
    for (long n : sizes) {
        auto x = run(size_t(n), 0.3), y = run(size_t(n), 0.7);
        const long calls = std::max(1L, 2'000'000 / std::max(n, 1L));
        report("sweep", "daxpy", n,
               timeBatch(repeats, calls, [&] { cblas_daxpy(int(n), 1e-9, x.data(), 1, y.data(), 1); }));
    }
    for (long n : sizes) {
        if (n > 1500)
            continue;
        auto P = run(size_t(n * n), 0.1), Q = run(size_t(n * n), 0.2), R = run(size_t(n * n), 0.0);
        const long calls = std::max(1L, 20'000'000 / std::max(n * n * n, 1L));
        report("sweep", "dgemm", n, timeBatch(repeats, calls, [&] {
                   cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, int(n), int(n), int(n), 1.0, P.data(), int(n),
                               Q.data(), int(n), 0.0, R.data(), int(n));
               }));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--cpu-clock") {
        cpuClock = true;
        --argc;
        ++argv;
    }
    const std::string mode = argc > 1 ? argv[1] : "";
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
    if (mode == "small") {
        small(repeats, argc > 3 ? std::atol(argv[3]) : 100000);
    } else if (mode == "large") {
        large(repeats, argc > 3 ? argv[3] : "");
    } else if (mode == "sweep") {
        std::vector<long> sizes;
        for (int i = 3; i < argc; ++i)
            sizes.push_back(std::atol(argv[i]));
        sweep(repeats, sizes);
    } else {
        std::fprintf(stderr, "usage: %s small|large|sweep REPEATS [CALLS | SIZES...]\n", argv[0]);
        return 2;
    }
    return 0;
}
