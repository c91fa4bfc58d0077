"""Container methods against NumPy's equivalents, per call, for the four element types.

    python benchmarks/methods.py [--rounds N]

Element reads and writes (vector, view, matrix), numel() against size, dim(i) against shape[i] and
slicing into a new view against NumPy's basic slicing, on 3-element vectors and 3 x 3 matrices. The
calls are interleaved round by round and timed by CPU time; each figure is the median of the rounds.
Prints a Markdown table with the ratio kaldra / NumPy, then what an argument-mismatch TypeError costs
with a 3-element and with a 10^7-element container among the arguments.
"""

import argparse
import statistics
import time
import timeit

import numpy as np

import kaldra

LETTERS = "sdcz"
DTYPES = {"s": np.float32, "d": np.float64, "c": np.complex64, "z": np.complex128}

# (what, kaldra statement, NumPy statement)
CALLS = [
    ("vector read `x[1]`", "x[1]", "a[1]"),
    ("view read `w[1]`", "w[1]", "b[1]"),
    ("vector write `x[1] = v`", "x[1] = v", "a[1] = v"),
    ("view write `w[1] = v`", "w[1] = v", "b[1] = v"),
    ("matrix read `A[1, 2]`", "A[1, 2]", "M[1, 2]"),
    ("matrix write `A[1, 2] = v`", "A[1, 2] = v", "M[1, 2] = v"),
    ("`x.numel()` / `a.size`", "x.numel()", "a.size"),
    ("`A.dim(1)` / `M.shape[1]`", "A.dim(1)", "M.shape[1]"),
    ("slice `x[0:2]`", "x[0:2]", "a[0:2]"),
]


def environment(letter):
    value = 2.0 + (1j if letter in "cz" else 0)
    parent = getattr(kaldra, "vec" + letter)(5)
    array = np.zeros(5, dtype=DTYPES[letter])
    return {
        "x": getattr(kaldra, "vec" + letter)(3),
        "w": parent[1:4],
        "A": getattr(kaldra, "mat" + letter)(3, 3),
        "a": np.zeros(3, dtype=DTYPES[letter]),
        "b": array[1:4],
        "M": np.zeros((3, 3), dtype=DTYPES[letter]),
        "v": value,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--rounds", type=int, default=9)
    args = parser.parse_args()
    jobs = {}
    for letter in LETTERS:
        env = environment(letter)
        for what, ours, theirs in CALLS:
            jobs[(letter, what, "kaldra")] = timeit.Timer(ours, globals=env, timer=time.process_time)
            jobs[(letter, what, "numpy")] = timeit.Timer(theirs, globals=env, timer=time.process_time)
    numbers = {key: max(1, int(0.005 / max(timer.timeit(1000) / 1000, 1e-9))) for key, timer in jobs.items()}
    samples = {key: [] for key in jobs}
    for r in range(args.rounds):
        order = list(jobs) if r % 2 == 0 else list(reversed(jobs))
        for key in order:
            samples[key].append(jobs[key].timeit(numbers[key]) / numbers[key])
    median = {key: statistics.median(v) for key, v in samples.items()}
    header = "| call | " + " | ".join(f"{t}: kaldra / NumPy ns (ratio)" for t in LETTERS) + " |"
    print(header)
    print("|" + "---|" * (len(LETTERS) + 1))
    for what, _, _ in CALLS:
        cells = []
        for letter in LETTERS:
            ours, theirs = median[(letter, what, "kaldra")], median[(letter, what, "numpy")]
            cells.append(f"{ours * 1e9:.0f} / {theirs * 1e9:.0f} ({ours / theirs:.2f})")
        print(f"| {what} | " + " | ".join(cells) + " |")

    print()
    for n in (3, 10**7):
        env = {"f": kaldra.sum, "x": kaldra.vecd(n), "y": kaldra.vecs(3)}
        timer = timeit.Timer("try:\n    f(x, y)\nexcept TypeError:\n    pass", globals=env, timer=time.process_time)
        print(f"TypeError of sum(vecd({n}), vecs(3)): {min(timer.repeat(5, 200)) / 200 * 1e6:.1f} µs")


if __name__ == "__main__":
    main()
