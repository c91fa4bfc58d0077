"""What the shape of a Dask cluster costs kaldra: the pipeline of examples/dask_least_squares.py on worker
processes of one thread each, on one process with two threads, and with OpenBLAS at two threads.

All the clusters are started first, each with its own copy of the data, and the rounds are interleaved
(every cluster and kernel once per round), so that the load of a shared machine falls on all alike.
Prints, for each cluster and kernel, the median wall time and the median processor time of the workers,
and each cluster's wall time relative to the first. Everything listens on 127.0.0.1.
"""

import argparse
import contextlib
import importlib.util
import os
import pathlib
import statistics
import sys
import time

import cloudpickle
from distributed import Client, LocalCluster, wait

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "examples" / "dask_least_squares.py"
spec = importlib.util.spec_from_file_location("dask_least_squares", EXAMPLE)
assert spec is not None and spec.loader is not None
example = importlib.util.module_from_spec(spec)
sys.modules[spec.name] = example
spec.loader.exec_module(example)
cloudpickle.register_pickle_by_value(example)  # the workers cannot import the example by name

SHAPES = {
    "2 processes x 1 thread": {"n_workers": 2, "threads_per_worker": 1, "blas": 1},
    "1 process x 2 threads": {"n_workers": 1, "threads_per_worker": 2, "blas": 1},
    "2 processes x 1 thread, OpenBLAS 2": {"n_workers": 2, "threads_per_worker": 1, "blas": 2},
}
KERNELS = ("kaldra", "kaldra ls_batch", "stacked QR", "normal equations")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--groups", type=int, default=200_000, help="number of regressions (default 200000)")
    parser.add_argument("--block", type=int, default=5_000, help="groups per block (default 5000)")
    parser.add_argument("--rounds", type=int, default=5, help="interleaved rounds (default 5)")
    args = parser.parse_args()

    with contextlib.ExitStack() as stack:
        clients, data = {}, {}
        for name, shape in SHAPES.items():
            # The worker processes start with this environment (see the example).
            os.environ.update({v: str(shape["blas"]) for v in example.BLAS_VARIABLES})
            cluster = stack.enter_context(
                LocalCluster(
                    n_workers=shape["n_workers"],
                    threads_per_worker=shape["threads_per_worker"],
                    processes=True,
                    host="127.0.0.1",
                    scheduler_port=0,
                    dashboard_address="127.0.0.1:0",
                )
            )
            client = stack.enter_context(Client(cluster, set_as_default=False))
            designs, _, observations = example.make_data(args.groups, 64, 4, args.block, 2026)
            designs, observations = client.persist([designs, observations])
            with client.as_current():
                wait([designs, observations])
            clients[name], data[name] = client, (designs, observations)
            threads = sorted({t for counts in client.run(example.blas_threads).values() for t in counts})
            print(f"{name}: OpenBLAS threads per worker {threads}")

        wall = {(s, k): [] for s in SHAPES for k in KERNELS}
        cpu = {(s, k): [] for s in SHAPES for k in KERNELS}
        for _ in range(args.rounds):
            for name, client in clients.items():
                for kernel in KERNELS:
                    before = sum(client.run(time.process_time).values())
                    start = time.perf_counter()
                    client.compute(example.pipeline(example.KERNELS[kernel], *data[name]), sync=True)
                    wall[name, kernel].append(time.perf_counter() - start)
                    cpu[name, kernel].append(sum(client.run(time.process_time).values()) - before)

    print(f"{args.groups} groups of 64 x 4, medians of {args.rounds} interleaved rounds")
    first = next(iter(SHAPES))
    for kernel in KERNELS:
        for name in SHAPES:
            w, c = statistics.median(wall[name, kernel]), statistics.median(cpu[name, kernel])
            relative = w / statistics.median(wall[first, kernel])
            print(f"{kernel:17} {name:35} {w:7.3f} s wall ({relative:.2f}x), {c:7.3f} s processor")
    return 0


if __name__ == "__main__":
    sys.exit(main())
