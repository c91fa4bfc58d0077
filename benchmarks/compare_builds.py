"""Per-call cost of every overload on small operands, for two builds of kaldra side by side.

    python benchmarks/compare_builds.py --before DIR --after DIR [--rounds N]

DIR is a folder holding a built kaldra module (the .so file). Two builds of one module cannot live in
one process, so each round runs one process per build, alternating which goes first, and each process
times every overload (the calls of benchmarks/bench.py, exact and int scalars) by CPU time with one
OpenBLAS thread. Prints, per function, how much dearer the after-build is than the before-build:
the median and the largest ratio over that function's overloads (each overload's fastest batch of all
rounds), and the overloads that became more than 5% dearer.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import timeit

HERE = os.path.dirname(os.path.abspath(__file__))


def worker(module_dir, repeats):
    sys.path.insert(0, module_dir)
    sys.path.insert(1, HERE)
    import itertools
    import time

    import bench  # noqa: E402 - after the path is set, so that it imports this build of kaldra

    assert os.path.dirname(bench.kaldra.__file__) == os.path.abspath(module_dir), bench.kaldra.__file__
    jobs = {}
    for function, (scalars, kinds_per_position) in bench.LAYOUT.items():
        for letter in bench.LETTERS_OF[function]:
            for kinds in itertools.product(*kinds_per_position):
                for ints in [False, True] if scalars else [False]:
                    stmt, env = bench.small_call(function, letter, kinds, int_scalars=ints)
                    try:
                        exec(stmt, env)
                    except RuntimeError:
                        stmt = f"try:\n    {stmt}\nexcept RuntimeError:\n    pass"
                    jobs["/".join([function, letter, "-".join(kinds), "int" if ints else "exact"])] = (stmt, env)
    best = {}
    for key, (stmt, env) in jobs.items():
        timer = timeit.Timer(stmt, globals=env, timer=time.process_time)
        number = max(1, int(0.002 / max(timer.timeit(200) / 200, 1e-9)))
        best[key] = min(timer.repeat(repeat=repeats, number=number)) / number
    json.dump(best, sys.stdout)


def run(module_dir, repeats):
    env = dict(os.environ, OPENBLAS_NUM_THREADS="1", OMP_NUM_THREADS="1")
    out = subprocess.run(
        [sys.executable, __file__, "--worker", module_dir, "--repeats", str(repeats)],
        check=True,
        capture_output=True,
        text=True,
        env=env,
    ).stdout
    return json.loads(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--before")
    parser.add_argument("--after")
    parser.add_argument("--rounds", type=int, default=4)
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--worker")
    args = parser.parse_args()
    if args.worker:
        worker(args.worker, args.repeats)
        return
    samples = {"before": [], "after": []}
    for r in range(args.rounds):
        order = ["before", "after"] if r % 2 == 0 else ["after", "before"]
        for side in order:
            samples[side].append(run(getattr(args, side), args.repeats))
        print(f"round {r + 1} of {args.rounds} done", file=sys.stderr, flush=True)
    best = {side: {k: min(s[k] for s in runs) for k in runs[0]} for side, runs in samples.items()}
    functions = list(dict.fromkeys(k.split("/")[0] for k in best["before"]))
    print(
        f"{'function':8s} {'overloads':>9s} {'before µs (min-max)':>22s} {'after µs (min-max)':>22s} "
        f"{'median after/before':>20s} {'max after/before':>17s}"
    )
    dearer = []
    for function in functions:
        keys = [k for k in best["before"] if k.split("/")[0] == function]
        ratios = {k: best["after"][k] / best["before"][k] for k in keys}
        b = [best["before"][k] * 1e6 for k in keys]
        a = [best["after"][k] * 1e6 for k in keys]
        print(
            f"{function:8s} {len(keys):9d} {min(b):10.3f}-{max(b):<10.3f} {min(a):10.3f}-{max(a):<10.3f} "
            f"{statistics.median(ratios.values()):20.3f} {max(ratios.values()):17.3f}"
        )
        dearer += [(k, v) for k, v in ratios.items() if v > 1.05]
    print(f"\noverloads more than 5% dearer: {len(dearer)} of {len(best['before'])}")
    for k, v in sorted(dearer, key=lambda kv: -kv[1])[:20]:
        print(f"  {k}: {v:.3f} ({best['before'][k] * 1e9:.0f} ns -> {best['after'][k] * 1e9:.0f} ns)")


if __name__ == "__main__":
    main()
