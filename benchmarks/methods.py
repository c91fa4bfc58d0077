"""Container methods against NumPy's equivalents, per call, for the four element types.

    python benchmarks/methods.py [--rounds N] [--messages]

Element reads and writes (vector, view, matrix), numel() against size, dim(i) against shape[i] and
slicing into a new view against NumPy's basic slicing, on 3-element vectors and 3 x 3 matrices. The
calls are interleaved round by round and timed by CPU time; each figure is the median of the rounds.
Prints a Markdown table with the ratio kaldra / NumPy, then what an argument-mismatch TypeError costs in
its worst cases (huge containers, collections, strings, arrays, record dtypes, ints and argument counts) and
how long it is; --messages prints the latter only.
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
    parser.add_argument("--messages", action="store_true", help="time the argument-mismatch TypeErrors only")
    args = parser.parse_args()
    if args.messages:
        messages()
        return
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
    messages()


# Argument-mismatch TypeErrors, the worst cases for the message's size: big containers, long built-in
# collections, strings and bytes, NumPy arrays that NumPy would print in full, the longest overload
# listing, and huge argument counts (whose figure includes passing the arguments).
MESSAGES = [
    ("`sum(vecd(3), vecs(3))`", "kaldra.sum(x3, s3)"),
    ("`sum(vecd(10**7), vecs(3))`", "kaldra.sum(x7, s3)"),
    ("`x[-1]`", "x3[-1]"),
    ("`gemv(1.0, 0.0, numpy.zeros((2, 2)), x, y)` (longest listing)", "kaldra.gemv(1.0, 0.0, a22, x3, x3)"),
    ("`dot(x, [0.1] * 10**7)`", "kaldra.dot(x3, floats)"),
    ("`dot(x, 'x' * 10**8)`", "kaldra.dot(x3, text)"),
    ("`dot(x, b'x' * 10**8)`", "kaldra.dot(x3, data)"),
    ("`dot(x, set(range(10**6)))`", "kaldra.dot(x3, numbers)"),
    ("`dot(x, {i: i for i in range(10**6)})`", "kaldra.dot(x3, table)"),
    ("`dot(x, numpy.zeros(10**7))`", "kaldra.dot(x3, a7)"),
    ("`dot(x, numpy.zeros((2,) * 20))`", "kaldra.dot(x3, a20)"),
    ("`dot(x, numpy.zeros(3, <record dtype of 16**4 fields, 4 deep>))`", "kaldra.dot(x3, records)"),
    ("`dot(x, 10**5000)`", "kaldra.dot(x3, power)"),
    ("`dot(x, 1 << 10**8)`", "kaldra.dot(x3, huge)"),
    ("`dot(*[w] * 10**5)`", "kaldra.dot(*many)"),
    ("`len(*[w] * 10**5)`: the interpreter passing those arguments, for reference", "len(*many)"),
    ("`dot(**{...10**5 keywords})`", "kaldra.dot(**keywords)"),
    ("`len(**{...10**5 keywords})`: the interpreter passing those keywords, for reference", "len(**keywords)"),
]


def record_dtype(fields, depth):
    """A record dtype of `fields` fields, each a record of the same kind, `depth` levels deep."""
    dtype = np.dtype("f8")
    for _ in range(depth):
        dtype = np.dtype([(f"f{i}", dtype) for i in range(fields)])
    return dtype


def messages():
    w = kaldra.vecd(1)
    env = {
        "kaldra": kaldra,
        "x3": kaldra.vecd(3),
        "s3": kaldra.vecs(3),
        "x7": kaldra.vecd(10**7),
        "a22": np.zeros((2, 2)),
        "floats": [0.1] * 10**7,
        "text": "x" * 10**8,
        "data": b"x" * 10**8,
        "numbers": set(range(10**6)),
        "table": {i: i for i in range(10**6)},
        "a7": np.zeros(10**7),
        "a20": np.zeros((2,) * 20),
        "records": np.zeros(3, record_dtype(16, 4)),
        "power": 10**5000,
        "huge": 1 << 10**8,
        "many": [w] * 10**5,
        "keywords": {f"k{i}": w for i in range(10**5)},
    }
    print("| argument-mismatch TypeError of | µs per call | characters |")
    print("|---|---|---|")
    for what, statement in MESSAGES:
        call = compile(statement, "<message>", "eval")

        def once(call=call):
            try:
                eval(call, env)
            except TypeError as error:
                return error
            raise AssertionError(statement + " did not raise TypeError")

        timer = timeit.Timer(once, timer=time.process_time)
        single = timer.timeit(1)
        number = max(1, int(0.02 / max(single, 1e-9)))
        best = min(timer.repeat(5, number)) / number
        print(f"| {what} | {best * 1e6:.1f} | {len(str(once()))} |")


if __name__ == "__main__":
    main()
