"""One large least-squares problem on a local Dask cluster: Dask's own dask.array.linalg.lstsq on NumPy
blocks, against kaldra.ls on the whole matrix gathered into one task.

The other side of examples/dask_least_squares.py: there, many small problems, one kaldra call per group
inside each block; here, one tall problem whose rows are spread over the blocks. Dask's lstsq factors each
block where it lies and combines the small triangular factors (a tall-and-skinny QR), so the matrix never
travels; kaldra has no distributed factorization, so its only way is to gather every block into one task.
Prints the median wall time of each over a few interleaved rounds, their ratio, and whether the solutions
agree. Starts and stops its own cluster on 127.0.0.1.
"""

import argparse
import statistics
import sys
import time

import dask
import dask.array as da
import numpy as np
import numpy.typing as npt
from distributed import Client, LocalCluster, wait

import kaldra
import kaldra_numpy

Array = npt.NDArray[np.float64]


def kaldra_whole(design_blocks: list[Array], observation_blocks: list[Array]) -> Array:
    """The solution of the whole system, in one task: every block copied into one container, one ls."""
    design = kaldra_numpy.from_array(np.concatenate(design_blocks))
    rhs = kaldra_numpy.from_array(np.concatenate(observation_blocks))
    kaldra.ls(design, rhs)
    return kaldra_numpy.asarray(rhs)[: design.dim(1)].copy()


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rows", type=int, default=4_000_000, help="rows of the system (default 4000000)")
    parser.add_argument("--cols", type=int, default=4, help="columns (default 4)")
    parser.add_argument("--block", type=int, default=100_000, help="rows per block (default 100000)")
    parser.add_argument("--workers", type=int, default=2, help="worker processes (default 2)")
    parser.add_argument("--rounds", type=int, default=3, help="interleaved rounds (default 3)")
    args = parser.parse_args()

    with (
        LocalCluster(
            n_workers=args.workers,
            threads_per_worker=1,
            processes=True,
            host="127.0.0.1",
            scheduler_port=0,
            dashboard_address="127.0.0.1:0",
        ) as cluster,
        Client(cluster) as client,
    ):
        rng = da.random.default_rng(2026)
        design = rng.standard_normal((args.rows, args.cols), chunks=(args.block, args.cols))
        observations = design @ da.ones(args.cols, chunks=args.cols) + 0.1 * rng.standard_normal(
            args.rows, chunks=args.block
        )
        design, observations = client.persist([design, observations])
        wait([design, observations])
        print(
            f"cluster: {args.workers} worker processes x 1 thread on 127.0.0.1; "
            f"system: {args.rows} x {args.cols} in {design.numblocks[0]} blocks of {args.block} rows"
        )

        def dask_lstsq() -> Array:
            solution: Array = da.linalg.lstsq(design, observations)[0].compute()
            return solution

        def kaldra_gathered() -> Array:
            task = dask.delayed(kaldra_whole)(
                list(design.to_delayed().ravel()), list(observations.to_delayed().ravel())
            )
            solution: Array = task.compute()
            return solution

        sides = {"dask.array.linalg.lstsq": dask_lstsq, "kaldra.ls in one task": kaldra_gathered}
        seconds: dict[str, list[float]] = {name: [] for name in sides}
        solutions: dict[str, Array] = {}
        for _ in range(args.rounds):
            for name, side in sides.items():
                start = time.perf_counter()
                solutions[name] = side()
                seconds[name].append(time.perf_counter() - start)

    median = {name: statistics.median(times) for name, times in seconds.items()}
    for name, times in seconds.items():
        print(f"{name + ':':26} {median[name]:7.3f} s  (rounds: {', '.join(f'{s:.3f}' for s in times)})")
    first, second = sides
    print(f"{second} / {first}: {median[second] / median[first]:.2f}")
    difference = float(np.abs(solutions[second] - solutions[first]).max())
    print(f"largest difference of the solutions: {difference:.1e}")
    agree = difference <= 1e-10
    print("solutions agree" if agree else "SOLUTIONS DIFFER")
    return 0 if agree else 1


if __name__ == "__main__":
    sys.exit(main())
