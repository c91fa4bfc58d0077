"""The batched operations of kaldra_numpy against what a NumPy user has instead, side by side in one run.

Run: OPENBLAS_NUM_THREADS=1 .venv/bin/python benchmarks/batch.py [--rounds N] [--problems N]

1. 10,000 products of 4 x 4 doubles: kn.gemm_batch against numpy.matmul(A, X, out=Y) on the same stacks.
2. 100,000 least-squares problems of 64 x 4 doubles, each side starting from the same C-ordered stacks:
   kn.ls_batch (after copying A and b into its working arrays, which it overwrites); NumPy's stable batched
   formulation (stacked numpy.linalg.qr, then Q^H b and a batched solve with R); a Python loop of
   kaldra_numpy.assign + kaldra.ls into preallocated containers; and the normal equations A^H A s = A^H b
   solved by numpy.linalg.solve in batch, which square the condition number (part 3 shows what that costs).
3. An example: a polynomial fit of condition number about 1e7, solved by ls_batch and by the normal equations.
4. A batch of one 1500 x 1500 product against kaldra.gemm on the same storage.

Every job is timed in turn within each round (so that all see the same load), by the process's CPU time (run
it with one OpenBLAS thread), and the median over the rounds is printed per problem, with the ratios the
goals name.
"""

import argparse
import os
import statistics
import time

import numpy as np

import kaldra
import kaldra_numpy as kn


def timed(job):
    """Seconds of CPU time the process spent in one run of job: with one OpenBLAS thread every side runs on
    the calling thread, and other jobs on a shared machine do not count."""
    start = time.process_time()
    job()
    return time.process_time() - start


def rounds_of(jobs, rounds):
    """Median seconds of each job over the rounds, the jobs interleaved within each round."""
    times = {name: [] for name in jobs}
    for _ in range(rounds):
        for name, job in jobs.items():
            times[name].append(timed(job))
    return {name: statistics.median(t) for name, t in times.items()}


def small_products(rounds, count=10_000):
    rng = np.random.default_rng(1)
    A, X = rng.standard_normal((count, 4, 4)), rng.standard_normal((count, 4, 4))
    Y = np.empty((count, 4, 4))
    Z = np.empty((count, 4, 4))

    def kaldra_side():
        for _ in range(20):
            kn.gemm_batch(1.0, 0.0, A, X, Y)

    def numpy_side():
        for _ in range(20):
            np.matmul(A, X, out=Z)

    medians = rounds_of({"gemm_batch": kaldra_side, "matmul": numpy_side}, rounds)
    np.testing.assert_allclose(Y, Z, rtol=1e-13, atol=1e-13)
    per = {name: t / (20 * count) for name, t in medians.items()}
    print(f"1. {count:,} products of 4 x 4 doubles, per product (median of {rounds} rounds of 20 calls)")
    print("| gemm_batch | numpy.matmul(out=) | ratio (goal <= 0.5) |")
    print("|---|---|---|")
    print(
        f"| {per['gemm_batch'] * 1e9:.1f} ns | {per['matmul'] * 1e9:.1f} ns | {per['gemm_batch'] / per['matmul']:.2f} |"
    )
    print()


def numpy_qr_solve(A, b):
    """The stable batched formulation: A = QR, then R s = Q^H b, all in NumPy's stacked routines."""
    Q, R = np.linalg.qr(A)
    return np.linalg.solve(R, (Q.conj().swapaxes(1, 2) @ b[..., None]))[..., 0]


def normal_equations(A, b):
    AH = A.conj().swapaxes(1, 2)
    return np.linalg.solve(AH @ A, AH @ b[..., None])[..., 0]


def least_squares(rounds, count):
    rng = np.random.default_rng(2)
    m, n = 64, 4
    A = rng.standard_normal((count, m, n))
    b = rng.standard_normal((count, m))
    workA, workB = np.empty_like(A), np.empty_like(b)
    M, x = kaldra.matd(m, n), kaldra.vecd(m)
    loop_out = np.empty((count, n))
    results = {}

    def batch():
        np.copyto(workA, A)
        np.copyto(workB, b)
        results["status"] = kn.ls_batch(workA, workB)

    def qr():
        results["qr"] = numpy_qr_solve(A, b)

    def loop():
        assign, ls, asarray = kn.assign, kaldra.ls, kn.asarray
        xs = asarray(x)
        for k in range(count):
            assign(M, A[k])
            assign(x, b[k])
            ls(M, x)
            loop_out[k] = xs[:n]

    def normal():
        results["normal"] = normal_equations(A, b)

    medians = rounds_of({"ls_batch": batch, "numpy qr": qr, "loop": loop, "normal": normal}, rounds)
    assert (results["status"] == 0).all()
    np.testing.assert_allclose(workB[:, :n], results["qr"], rtol=1e-9, atol=1e-12)
    np.testing.assert_array_equal(workB[:, :n], loop_out)
    per = {name: t / count for name, t in medians.items()}
    print(f"2. {count:,} least-squares problems of {m} x {n} doubles, per problem (median of {rounds} rounds)")
    print(
        "| ls_batch (with copying A, b in) | NumPy qr + Q^H b + solve | loop of assign + kaldra.ls "
        "| normal equations, numpy.linalg.solve |"
    )
    print("|---|---|---|---|")
    print(
        f"| {per['ls_batch'] * 1e6:.3f} us | {per['numpy qr'] * 1e6:.2f} us | {per['loop'] * 1e6:.2f} us "
        f"| {per['normal'] * 1e6:.3f} us |"
    )
    print(
        f"ls_batch / NumPy qr: {per['ls_batch'] / per['numpy qr']:.3f} (goal <= 0.1); "
        f"ls_batch / loop: {per['ls_batch'] / per['loop']:.3f} (goal <= 0.4); "
        f"ls_batch / normal equations: {per['ls_batch'] / per['normal']:.2f}"
    )
    print()


def lost_digits():
    t = np.linspace(0, 1, 64)
    V = np.vander(t, 10, increasing=True)
    coefficients = (-1.0) ** np.arange(10) * np.arange(1, 11)
    A = V[None].copy()
    b = (V @ coefficients)[None].copy()
    normal = normal_equations(A, b)[0]
    kn.ls_batch(A, b)
    print(
        f"3. A polynomial fit of degree 9 at 64 points in [0, 1] (condition number {np.linalg.cond(V):.1e}), "
        "exact coefficients 1, -2, 3, ..., -10:"
    )
    print(f"   largest error, ls_batch:         {np.abs(b[0, :10] - coefficients).max():.1e}")
    print(f"   largest error, normal equations: {np.abs(normal - coefficients).max():.1e}")
    print()


def large(rounds):
    rng = np.random.default_rng(3)
    size = 1500
    A, X, Y = kaldra.matd(size, size), kaldra.matd(size, size), kaldra.matd(size, size)
    for c in (A, X):
        kn.assign(c, rng.standard_normal((size, size)))
    # The same storage seen as a stack of one Fortran-ordered matrix each.
    a, x, y = (kn.asarray(c)[None] for c in (A, X, Y))
    medians = rounds_of(
        {"gemm_batch": lambda: kn.gemm_batch(1.0, 0.0, a, x, y), "gemm": lambda: kaldra.gemm(1.0, 0.0, A, X, Y)},
        rounds,
    )
    print(f"4. One 1500 x 1500 product of doubles (median of {rounds} rounds)")
    print("| gemm_batch of one | kaldra.gemm | ratio (goal <= 1.03) |")
    print("|---|---|---|")
    print(
        f"| {medians['gemm_batch'] * 1e3:.1f} ms | {medians['gemm'] * 1e3:.1f} ms | "
        f"{medians['gemm_batch'] / medians['gemm']:.3f} |"
    )


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--problems", type=int, default=100_000, help="least-squares problems in part 2")
    args = parser.parse_args()
    load = os.getloadavg()[0]
    print(
        f"{time.strftime('%Y-%m-%d %H:%M')}, load average {load:.1f}, {os.cpu_count()} CPUs, "
        f"OPENBLAS_NUM_THREADS={os.environ.get('OPENBLAS_NUM_THREADS', 'unset')}, NumPy {np.__version__}"
    )
    print()
    small_products(args.rounds)
    least_squares(args.rounds, args.problems)
    lost_digits()
    large(args.rounds)
    print(f"\nload average at the end {os.getloadavg()[0]:.1f}")


if __name__ == "__main__":
    main()
