"""Fuzz campaign: python -m fuzz --seed SEED --ops N runs random programs of N steps in all against the
NumPy model and stops at the first difference, printing the program's last steps. With --hostile the
programs mix in what hostile Python does to kaldra's objects (fuzz/hostile.py)."""

import argparse
import random
import sys
import time

from .model import Mismatch, RandomChooser, Runner


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(prog="python -m fuzz", description=__doc__)
    parser.add_argument("--seed", type=int, default=1, help="seed of the campaign (default 1)")
    parser.add_argument("--ops", type=int, default=10000, help="program steps to run in all (default 10000)")
    parser.add_argument("--program", type=int, default=500, help="steps per program before a fresh pool")
    parser.add_argument("--hostile", action="store_true", help="mix hostile moves into the programs")
    args = parser.parse_args(argv)

    make_runner = Runner
    if args.hostile:
        from .hostile import HostileRunner, clongdouble_arrays_refused, release_is_sound

        make_runner = HostileRunner
        print(
            "fuzz: hostile moves; releases of asarray bases "
            + ("included" if release_is_sound() else "left out (in this build a release frees the storage)")
            + "; 0-d clongdouble arrays as scalars "
            + ("included" if clongdouble_arrays_refused() else "left out (this build takes them as real numbers)"),
            flush=True,
        )
    totals = {
        "steps": 0,
        "calls": 0,
        "refused": 0,
        "unchecked": 0,
        "threshold": 0,
        "deficient accepted": 0,
        "hostile": 0,
    }
    started = time.monotonic()
    programs = 0
    next_report = 0
    while totals["steps"] < args.ops:
        program_seed = args.seed * 1_000_003 + programs
        runner = make_runner(RandomChooser(random.Random(program_seed)))
        steps = min(args.program, args.ops - totals["steps"])
        try:
            runner.run(steps)
        except Mismatch as exc:
            print(f"fuzz: difference in program {programs} (seed {program_seed}):\n{exc}", file=sys.stderr)
            return 1
        for key in totals:
            totals[key] += runner.stats.get(key, 0)
        programs += 1
        if totals["steps"] >= next_report:
            print(
                f"fuzz: {totals['steps']} steps, {totals['calls']} operation calls, {time.monotonic() - started:.0f} s",
                flush=True,
            )
            next_report += max(args.ops // 10, 1)
    hostile = f", {totals['hostile']} of the steps hostile moves" if args.hostile else ""
    print(
        f"fuzz: seed {args.seed}: {totals['steps']} steps in {programs} programs, {totals['calls']} operation "
        f"calls ({totals['refused']} refused as expected, {totals['unchecked']} ls results not compared for "
        f"a non-finite input; ls at the rank threshold: {totals['threshold']}, exactly rank deficient "
        f"but accepted: {totals['deficient accepted']}{hostile}), no difference, "
        f"{time.monotonic() - started:.0f} s"
    )
    return 0


if __name__ == "__main__":
    sys.exit(main())
