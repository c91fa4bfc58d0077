# dask and distributed ship type information but leave most functions unannotated.
# mypy: allow-untyped-calls
"""Many small least-squares fits on a Dask cluster, with kaldra as the kernel of each block.

200,000 groups, each a regression of 64 observations on 4 coefficients (an intercept and three
covariates), held as two Dask arrays chunked by groups: the designs, of shape (groups, 64, 4), and the
observations, of shape (groups, 64). A `distributed.LocalCluster` of worker processes on 127.0.0.1
(one thread each, OpenBLAS at one thread per worker) holds the data; every block of groups is solved by
one task, whose kernel is one of:

- kaldra: one `kaldra.ls` per group, on a matrix and a vector made once per block and refilled for each
  group (`kaldra_numpy.assign`), the solution read back through `kaldra_numpy.asarray` without a copy;
- kaldra ls_batch: `kaldra_numpy.ls_batch` on copies of the whole block, every group in one call;
- lstsq: `numpy.linalg.lstsq` per group, the kernel a NumPy user writes first;
- stacked QR: NumPy on the whole block at once, `numpy.linalg.qr` of the stacked designs and a
  back substitution vectorised over the groups;
- normal equations: NumPy on the whole block at once, `numpy.linalg.solve` of the stacked A^T A x = A^T b
  (fast, but accurate only for well-conditioned designs such as these).

Containers do not pickle: blocks travel between processes as NumPy arrays, and the containers live only
inside the task. The script prints the cluster's shape, the wall time of each pipeline and the processor
time its workers spent (medians of a few interleaved rounds), each against the lstsq pipeline's, and
checks every kernel's solutions against NumPy's; its last line says whether they agree. It starts
and stops the cluster itself. `--help` lists the sizes and cluster shapes it takes.

Needs NumPy, dask.array, dask.distributed and threadpoolctl besides kaldra: pip install 'kaldra[dask]'.
"""

import argparse
import os
import statistics
import sys
import time
from collections.abc import Callable

import dask.array as da
import numpy as np
import numpy.typing as npt
import threadpoolctl  # type: ignore[import-untyped]
from distributed import Client, LocalCluster, wait

import kaldra
import kaldra_numpy

Array = npt.NDArray[np.float64]
# The variables by which OpenBLAS (and any OpenMP build of it) takes its thread count.
BLAS_VARIABLES = ("OPENBLAS_NUM_THREADS", "OMP_NUM_THREADS")
Kernel = Callable[[Array, Array], Array]


def kaldra_kernel(a: Array, b: Array) -> Array:
    """The least-squares solutions of one block of groups: a of shape (g, m, n), b of (g, m), the result
    of (g, n). A group whose design kaldra refuses (not of full rank, or holding a NaN) gets NaN."""
    g, m, n = a.shape
    design = kaldra.matd(m, n)  # made once per block and refilled for every group
    rhs = kaldra.vecd(m)
    solution = kaldra_numpy.asarray(rhs)[:n]  # a NumPy view of rhs's storage: no copy
    out = np.empty((g, n))
    for i in range(g):
        kaldra_numpy.assign(design, a[i])
        kaldra_numpy.assign(rhs, b[i])
        try:
            kaldra.ls(design, rhs)  # rhs[:n] <- the solution; design <- its QR factorization
        except RuntimeError:
            out[i] = np.nan
            continue
        out[i] = solution
    return out


def kaldra_batch_kernel(a: Array, b: Array) -> Array:
    """The same solutions by kaldra_numpy.ls_batch: every group of the block in one call, a loop in C++
    with no Python per group. ls_batch works in place, and a task must not change its input blocks (Dask
    may hand them to other tasks too), so it solves copies; a group it refuses gets NaN."""
    designs, rhs = a.copy(), b.copy()  # ls_batch writes into both
    kaldra_numpy.ls_batch(designs, rhs)
    return np.ascontiguousarray(rhs[:, : a.shape[2]])


def lstsq_kernel(a: Array, b: Array) -> Array:
    """The same solutions by numpy.linalg.lstsq, group by group."""
    out = np.empty((a.shape[0], a.shape[2]))
    for i in range(a.shape[0]):
        out[i] = np.linalg.lstsq(a[i], b[i], rcond=None)[0]
    return out


def stacked_qr_kernel(a: Array, b: Array) -> Array:
    """The same solutions by NumPy on the whole block: the QR factorizations of the stacked designs, Q^T b,
    and R x = Q^T b by back substitution, each step vectorised over the groups."""
    q, r = np.linalg.qr(a)  # q of (g, m, n), r of (g, n, n)
    c: Array = np.matmul(b[:, np.newaxis, :], q)[:, 0, :]  # Q^T b, of (g, n)
    n = a.shape[2]
    x: Array = np.empty_like(c)
    for k in range(n - 1, -1, -1):
        x[:, k] = (c[:, k] - np.einsum("gj,gj->g", r[:, k, k + 1 :], x[:, k + 1 :])) / r[:, k, k]
    return x


def normal_equations_kernel(a: Array, b: Array) -> Array:
    """The same solutions by NumPy on the whole block through the normal equations A^T A x = A^T b, solved
    for all groups at once. The fastest, but they square the condition number of every design: fine for
    the well-conditioned designs here, digits lost on ill-conditioned ones."""
    at = a.transpose(0, 2, 1)
    x: Array = np.linalg.solve(at @ a, at @ b[:, :, np.newaxis])[:, :, 0]
    return x


KERNELS: dict[str, Kernel] = {
    "kaldra": kaldra_kernel,
    "kaldra ls_batch": kaldra_batch_kernel,
    "lstsq": lstsq_kernel,
    "stacked QR": stacked_qr_kernel,
    "normal equations": normal_equations_kernel,
}


def pipeline(kernel: Kernel, designs: da.Array, observations: da.Array) -> da.Array:
    """One task per block of groups: the kernel maps a block of designs (g, m, n) and the matching block
    of observations (g, m) to the block's solutions (g, n). Blocks must hold whole groups, so the arrays
    are chunked along the groups only (a no-op when they are already)."""
    designs = designs.rechunk({1: -1, 2: -1})
    observations = observations.rechunk({0: designs.chunks[0], 1: -1})
    solutions: da.Array = da.blockwise(
        kernel, "gn", designs, "gmn", observations, "gm", dtype=np.float64, concatenate=True
    )
    return solutions


def make_data(groups: int, rows: int, cols: int, block: int, seed: int) -> tuple[da.Array, da.Array, da.Array]:
    """Designs with an intercept column and standard normal covariates, true coefficients, and observations
    that follow them with noise of standard deviation 0.1, all chunked by blocks of groups."""
    rng = da.random.default_rng(seed)
    covariates = rng.standard_normal((groups, rows, cols - 1), chunks=(block, rows, cols - 1))
    designs = da.concatenate([da.ones((groups, rows, 1), chunks=(block, rows, 1)), covariates], axis=2)
    truth = rng.standard_normal((groups, cols), chunks=(block, cols))
    noise = 0.1 * rng.standard_normal((groups, rows), chunks=(block, rows))
    observations = da.einsum("gmn,gn->gm", designs, truth) + noise
    return designs.rechunk({2: -1}), truth, observations


def blas_threads() -> list[int]:
    """The thread counts of the OpenBLAS libraries loaded in this process (kaldra's and NumPy's)."""
    return sorted(
        {info["num_threads"] for info in threadpoolctl.threadpool_info() if info["internal_api"] == "openblas"}
    )


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--groups", type=int, default=200_000, help="number of regressions (default 200000)")
    parser.add_argument("--rows", type=int, default=64, help="observations per group (default 64)")
    parser.add_argument("--cols", type=int, default=4, help="coefficients per group (default 4)")
    parser.add_argument("--block", type=int, default=5_000, help="groups per block (default 5000)")
    parser.add_argument("--workers", type=int, default=2, help="worker processes (default 2)")
    parser.add_argument("--threads-per-worker", type=int, default=1, help="threads per worker (default 1)")
    parser.add_argument("--blas-threads", type=int, default=1, help="OpenBLAS threads per worker (default 1)")
    parser.add_argument("--rounds", type=int, default=3, help="interleaved rounds of the pipelines (default 3)")
    parser.add_argument("--seed", type=int, default=2026)
    args = parser.parse_args()
    counts = (args.groups, args.block, args.workers, args.threads_per_worker, args.blas_threads, args.rounds)
    if args.cols < 2 or args.rows < args.cols or min(counts) < 1:
        parser.error("the counts must be at least 1, and rows >= cols >= 2")

    # Worker processes with one thread each: every kaldra call holds its process's interpreter lock, so
    # threads of one worker would take turns. OpenBLAS reads its thread count once, when it is loaded, and
    # a worker process loads it as soon as it starts (it imports this script, and so NumPy and kaldra):
    # the count must be in the environment the worker process starts with. The nannies that start the
    # workers run in this process and pass on its environment, which takes precedence over their
    # configuration (distributed.nanny.pre-spawn-environ); LocalCluster(env=...) arrives too late.
    os.environ.update({name: str(args.blas_threads) for name in BLAS_VARIABLES})
    with (
        LocalCluster(
            n_workers=args.workers,
            threads_per_worker=args.threads_per_worker,
            processes=True,
            host="127.0.0.1",
            scheduler_port=0,
            dashboard_address="127.0.0.1:0",  # its status pages too on loopback, on a free port
        ) as cluster,
        Client(cluster) as client,
    ):
        designs, truth, observations = make_data(args.groups, args.rows, args.cols, args.block, args.seed)
        designs, truth, observations = client.persist([designs, truth, observations])
        wait([designs, truth, observations])
        threads = sorted({t for counts in client.run(blas_threads).values() for t in counts})
        print(
            f"cluster: {args.workers} worker processes x {args.threads_per_worker} thread(s) on 127.0.0.1, "
            f"OpenBLAS threads per worker: {', '.join(map(str, threads))}"
        )
        print(
            f"data: {args.groups} groups of {args.rows} x {args.cols} in {designs.numblocks[0]} blocks "
            f"of up to {args.block} groups"
        )

        # Wall time of each pipeline, and the processor time its workers spent: on a shared machine the
        # wall time grows with the other jobs' load, the processor time much less.
        seconds: dict[str, list[float]] = {name: [] for name in KERNELS}
        cpu_seconds: dict[str, list[float]] = {name: [] for name in KERNELS}
        solutions: dict[str, Array] = {}
        for _ in range(args.rounds):
            for name, kernel in KERNELS.items():
                cpu_before = sum(client.run(time.process_time).values())
                start = time.perf_counter()
                solutions[name] = pipeline(kernel, designs, observations).compute()
                seconds[name].append(time.perf_counter() - start)
                cpu_seconds[name].append(sum(client.run(time.process_time).values()) - cpu_before)
        # An independent check of the whole pipeline: a sample of groups fetched to this process and
        # solved here by numpy.linalg.lstsq.
        sample = np.random.default_rng(args.seed).choice(args.groups, size=min(args.groups, 1_000), replace=False)
        sample.sort()
        sample_designs, sample_observations, sample_truth = client.compute(
            [designs[sample], observations[sample], truth[sample]], sync=True
        )

    wall = {name: statistics.median(times) for name, times in seconds.items()}
    cpu = {name: statistics.median(times) for name, times in cpu_seconds.items()}
    print(f"median of {args.rounds} round(s): wall time and processor time of the workers, each against lstsq")
    for name in KERNELS:
        rounds = ", ".join(f"{s:.2f}" for s in seconds[name])
        print(
            f"{name + ' kernel:':25} {wall[name]:6.3f} s wall ({wall[name] / wall['lstsq']:.2f}x), "
            f"{cpu[name]:6.3f} s processor ({cpu[name] / cpu['lstsq']:.2f}x)  (wall: {rounds})"
        )
    print(f"kaldra / lstsq: {wall['kaldra'] / wall['lstsq']:.2f} in wall time")

    # The designs are far from rank deficient (Gaussian columns and an intercept: condition numbers of a
    # few units), so solutions in double precision agree to about 1e-14; 1e-10 leaves ample room.
    def difference(solution: Array, reference: Array) -> float:
        return float((np.abs(solution - reference) / np.abs(reference).max(axis=1, keepdims=True)).max())

    local = np.array([np.linalg.lstsq(a, b, rcond=None)[0] for a, b in zip(sample_designs, sample_observations)])
    differences = {
        **{
            f"{name} against lstsq in this process ({sample.size} groups)": difference(solutions[name][sample], local)
            for name in ("kaldra", "kaldra ls_batch")
        },
        **{
            f"{name} against the lstsq kernel": difference(solutions[name], solutions["lstsq"])
            for name in KERNELS
            if name != "lstsq"
        },
    }
    for name, value in differences.items():
        print(f"largest relative difference, {name}: {value:.1e}")
    error = float(np.abs(local - sample_truth).max())
    print(f"largest error of a fitted coefficient against the truth: {error:.3f} (noise 0.1, {args.rows} rows)")
    agree = all(value <= 1e-10 for value in differences.values())
    print("answers agree with NumPy" if agree else "ANSWERS DIFFER FROM NUMPY")
    return 0 if agree else 1


if __name__ == "__main__":
    sys.exit(main())
