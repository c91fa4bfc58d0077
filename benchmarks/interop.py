"""Costs of the NumPy bridge: asarray per call, and from_array / assign against numpy.copyto and ndarray.copy.

Run with the environment's Python: `.venv/bin/python benchmarks/interop.py [--quick]`. Prints three tables.
Bandwidth counts every byte read and every byte written (2 x the array's size per copy), the same way for
every row, so that the columns compare; each figure is the best of several repeats, and the statements
compared in one row are timed in turn within each repeat, so that the ratios hold on a busy machine.
"""

import argparse
import timeit

import numpy as np

import kaldra
import kaldra_numpy as kn


def best_seconds(statement, number, repeat):
    return min(timeit.repeat(statement, number=number, repeat=repeat)) / number


def asarray_costs(repeat):
    print(f"asarray, cost of one call (best of {repeat} runs)")
    print(f"{'container':<28}{'elements':>12}{'us/call':>10}")
    cases = [
        ("vecd", lambda n: kaldra.vecd(n)),
        ("view of vecd", lambda n: kaldra.vecd(n)[1:n]),
        ("matz", lambda n: kaldra.matz(n // 1000 or 1, 1000)),
    ]
    for name, make in cases:
        for n in (1_000, 10_000_000):
            c = make(n)
            seconds = best_seconds(lambda: kn.asarray(c), 20_000, repeat)
            print(f"{name:<28}{c.numel():>12}{seconds * 1e6:>10.2f}")
    baseline = np.zeros(10)
    print(
        f"{'reference: numpy.asarray(ndarray)':<40}{best_seconds(lambda: np.asarray(baseline), 20_000, repeat) * 1e6:>10.2f}"
    )
    view_of = memoryview(baseline)
    print(
        f"{'reference: numpy.asarray(memoryview)':<40}{best_seconds(lambda: np.asarray(view_of), 20_000, repeat) * 1e6:>10.2f}"
    )


def interleaved_best(statements, number, repeat):
    """Best seconds per call of each statement, the statements timed in turn within every repeat, so that
    a change in the machine's load reaches all of them alike."""
    best = [float("inf")] * len(statements)
    for _ in range(repeat):
        for k, statement in enumerate(statements):
            best[k] = min(best[k], timeit.timeit(statement, number=number) / number)
    return best


def copy_bandwidth(sizes, repeat):
    print()
    print("bulk copies, GB/s (read + written bytes), float64; from/copy(F): from_array's time over copy(order='F')'s")
    header = f"{'layout':<12}{'elements':>11}{'MB':>8}{'copyto':>9}{'assign':>9}{'from_array':>12}{'copy(F)':>9}"
    print(header + f"{'from/copy(F)':>14}")
    rng = np.random.default_rng(0)
    for n in sizes:
        cols = 100
        rows = n // cols
        layouts = {
            "1-D": rng.standard_normal(n),
            "2-D F": np.asfortranarray(rng.standard_normal((rows, cols))),
            "2-D C": rng.standard_normal((rows, cols)),
        }
        for layout, source in layouts.items():
            target = kaldra.vecd(n) if source.ndim == 1 else kaldra.matd(rows, cols)
            destination = kn.asarray(target)  # copyto writes the same column-major storage
            number = max(1, int(2e8 // source.nbytes))
            moved = 2 * source.nbytes
            times = interleaved_best(
                [
                    lambda: np.copyto(destination, source),
                    lambda: kn.assign(target, source),
                    lambda: kn.from_array(source),
                    lambda: source.copy(order="F"),
                ],
                number,
                repeat,
            )
            assert np.array_equal(destination, source)
            print(
                f"{layout:<12}{n:>11}{source.nbytes / 1e6:>8.1f}"
                + "".join(f"{moved / t / 1e9:>{w}.2f}" for t, w in zip(times, (9, 9, 12, 9)))
                + f"{times[2] / times[3]:>14.2f}"
            )


def small_copy_costs(repeat):
    print()
    print("from_array of small arrays, cost of one call against ndarray.copy(order='F'), float64 and complex128")
    print(f"{'array':<24}{'from_array us':>15}{'copy(F) us':>12}{'ratio':>8}")
    cases = {
        "1-D, 10": np.arange(10.0),
        "1-D, 1000": np.arange(1000.0),
        "2-D F, 10 x 10": np.asfortranarray(np.arange(100.0).reshape(10, 10)),
        "2-D C, 10 x 10": np.arange(100.0).reshape(10, 10),
        "2-D C, 100 x 100": np.arange(10_000.0).reshape(100, 100),
        "1-D complex, 1000": np.arange(1000.0) * (1 + 1j),
    }
    for name, source in cases.items():
        t_from, t_copy = interleaved_best(
            [lambda: kn.from_array(source), lambda: source.copy(order="F")], 20_000, repeat
        )
        print(f"{name:<24}{t_from * 1e6:>15.3f}{t_copy * 1e6:>12.3f}{t_from / t_copy:>8.2f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="fewer sizes and repeats")
    args = parser.parse_args()
    repeat = 3 if args.quick else 7
    asarray_costs(repeat)
    small_copy_costs(repeat)
    copy_bandwidth([10_000, 1_000_000] if args.quick else [10_000, 100_000, 1_000_000, 10_000_000], repeat)


if __name__ == "__main__":
    main()
