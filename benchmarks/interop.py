"""Costs of the NumPy bridge: asarray per call, and from_array / assign bandwidth against numpy.copyto.

Run with the environment's Python: `.venv/bin/python benchmarks/interop.py [--quick]`. Prints two tables.
Bandwidth counts every byte read and every byte written (2 x the array's size per copy), the same way for
every row, so that the columns compare; each figure is the best of several repeats.
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


def copy_bandwidth(sizes, repeat):
    print()
    print("bulk copies, GB/s (read + written bytes), float64")
    header = f"{'layout':<12}{'elements':>11}{'MB':>8}{'copyto':>9}{'assign':>9}{'from_array':>12}{'np.array(F)':>13}"
    print(header)
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
            t_copyto = best_seconds(lambda: np.copyto(destination, source), number, repeat)
            t_assign = best_seconds(lambda: kn.assign(target, source), number, repeat)
            t_from = best_seconds(lambda: kn.from_array(source), number, repeat)
            t_array = best_seconds(lambda: np.array(source, order="F"), number, repeat)
            assert np.array_equal(destination, source)
            print(
                f"{layout:<12}{n:>11}{source.nbytes / 1e6:>8.1f}"
                + "".join(
                    f"{moved / t / 1e9:>{w}.2f}" for t, w in ((t_copyto, 9), (t_assign, 9), (t_from, 12), (t_array, 13))
                )
            )


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quick", action="store_true", help="fewer sizes and repeats")
    args = parser.parse_args()
    repeat = 3 if args.quick else 7
    asarray_costs(repeat)
    copy_bandwidth([10_000, 1_000_000] if args.quick else [10_000, 100_000, 1_000_000, 10_000_000], repeat)


if __name__ == "__main__":
    main()
