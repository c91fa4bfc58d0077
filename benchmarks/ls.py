"""ls alone: what a small solve costs against scipy's ?gels, what a large one costs against the LAPACKE
driver called directly, and what the operand scan costs against the driver's own NaN check.

Run: OPENBLAS_NUM_THREADS=1 python benchmarks/ls.py [--rounds N]   (with the kaldra to measure on the path)

1. 3 x 3, every element type, x of each kind: kaldra.ls against scipy.linalg.lapack.?gels on arrays of
   the same problem, interleaved round by round (bench.py's builders). Both sides refill their operands:
   kaldra's refill is timed alone and taken off; scipy's ?gels copies its arrays itself.
2. 2000 x 500, double: kaldra.ls against LAPACKE_dgels called through ctypes on the very storage of
   kaldra's containers, refilled before every timed call.
3. The same A, with a NaN in the last element of the right-hand side: kaldra.ls refuses it after reading
   all of A and b, and LAPACKE_dge_nancheck reads A as the driver does before it solves.

Prints medians and ratios.
"""

import argparse
import ctypes
import os
import statistics
import sys
import time

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench  # noqa: E402

import kaldra  # noqa: E402
import kaldra_numpy as kn  # noqa: E402

KINDS = ("vec", "view", "mat")


def small(rounds):
    jobs = {}
    for letter in bench.LETTERS:
        for kind in KINDS:
            stmt, env = bench.small_call("ls", letter, ("mat", kind))
            jobs[("ls", letter, kind)] = (stmt, env)
            jobs[("refill", letter, kind)] = (stmt.rsplit(";", 1)[0], env)
        jobs[("scipy", letter)] = bench.scipy_call("ls", letter)
    medians, fastest = bench.measure_rounds(jobs, rounds)
    print("3 x 3, per call (median over rounds): kaldra.ls (refill taken off) against scipy's ?gels; the")
    print("last column compares each side's fastest batch")
    print("| type | scipy ?gels | ls, x vec | ls, x view | ls, x mat | worst ls / ?gels | same, fastest |")
    print("|---|---|---|---|---|---|---|")
    for letter in bench.LETTERS:
        scipy = medians[("scipy", letter)]
        times = [medians[("ls", letter, k)] - medians[("refill", letter, k)] for k in KINDS]
        best = [fastest[("ls", letter, k)] - fastest[("refill", letter, k)] for k in KINDS]
        cells = " | ".join(f"{t * 1e9:.0f} ns" for t in times)
        print(
            f"| {letter} | {scipy * 1e9:.0f} ns | {cells} | {max(times) / scipy:.2f} "
            f"| {max(best) / fastest[('scipy', letter)]:.2f} |"
        )


def lapacke():
    """LAPACKE_dgels and LAPACKE_dge_nancheck of the library kaldra loaded (bench.direct_libraries)."""
    import glob

    bundled = sorted(glob.glob(os.path.join(os.path.dirname(kaldra.__file__), "kaldra.libs", "libscipy_openblas*.so")))
    library, prefix = (ctypes.CDLL(bundled[0]), "scipy_") if bundled else (ctypes.CDLL("liblapacke.so.3"), "")
    i, p = ctypes.c_int, ctypes.c_void_p
    gels = getattr(library, prefix + "LAPACKE_dgels")
    gels.argtypes, gels.restype = [i, ctypes.c_char, i, i, i, p, i, p, i], i
    nancheck = getattr(library, prefix + "LAPACKE_dge_nancheck")
    nancheck.argtypes, nancheck.restype = [i, i, i, p, i], i
    return gels, nancheck


def large(rounds):
    rows, cols = 2000, 500
    g = np.random.default_rng(5)
    A0 = kn.from_array(np.asfortranarray(g.uniform(-0.5, 0.5, (rows, cols))))
    b0 = kn.from_array(g.uniform(-0.5, 0.5, rows))
    A, b = kaldra.matd(rows, cols), kaldra.vecd(rows)
    gels, nancheck = lapacke()
    pA, pb = bench.storage(A), bench.storage(b)
    kaldra.copy(A0, A)
    assert np.array_equal(
        np.ctypeslib.as_array(ctypes.cast(pA, ctypes.POINTER(ctypes.c_double)), (rows * cols,)),
        kn.asarray(A0).ravel(order="F"),
    ), "unexpected container layout"

    def refill():
        kaldra.copy(A0, A)
        kaldra.copy(b0, b)

    def timed(call):
        refill()
        start = time.process_time()
        call()
        return time.process_time() - start

    def refused():
        try:
            kaldra.ls(A, b)
        except RuntimeError:
            pass

    sides = {
        "kaldra.ls": lambda: kaldra.ls(A, b),
        "LAPACKE_dgels": lambda: gels(bench.COL_MAJOR, b"N", rows, cols, 1, pA, rows, pb, rows),
    }
    samples = {key: [] for key in [*sides, "scan", "nancheck"]}
    for r in range(rounds):
        for key in sides if r % 2 else reversed(list(sides)):
            samples[key].append(timed(sides[key]))
        # a NaN as the last element of the right-hand side: ls reads all of A and b before refusing
        kaldra.copy(A0, A)
        kaldra.copy(b0, b)
        b[rows - 1] = float("nan")
        for _ in range(5):
            start = time.process_time()
            refused()
            samples["scan"].append(time.process_time() - start)
            start = time.process_time()
            nancheck(bench.COL_MAJOR, rows, cols, pA, rows)
            samples["nancheck"].append(time.process_time() - start)
    med = {k: statistics.median(v) for k, v in samples.items()}
    best = {k: min(v) for k, v in samples.items()}
    print(f"\n{rows} x {cols}, double, one call (median of {rounds} rounds; fastest in brackets)")
    print("| side | time | kaldra / direct |")
    print("|---|---|---|")
    for key in sides:
        ratio = med[key] / med["LAPACKE_dgels"]
        print(f"| {key} | {med[key] * 1e3:.2f} ms ({best[key] * 1e3:.2f}) | {ratio:.3f} |")
    print(f"| ls refusing a NaN b after reading A and b | {med['scan'] * 1e6:.0f} µs ({best['scan'] * 1e6:.0f}) | |")
    print(f"| LAPACKE_dge_nancheck of A | {med['nancheck'] * 1e6:.0f} µs ({best['nancheck'] * 1e6:.0f}) | |")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("--large-rounds", type=int, default=15)
    args = parser.parse_args()
    # With one OpenBLAS thread, the process's CPU time: what the calls took, whatever else the shared
    # machine runs meanwhile (as bench.py does).
    if os.environ.get("OPENBLAS_NUM_THREADS") == "1":
        bench.CLOCK = time.process_time
    print(f"kaldra from {kaldra.__file__}")
    small(args.rounds)
    if args.large_rounds:
        large(args.large_rounds)


if __name__ == "__main__":
    main()
