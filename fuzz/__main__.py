"""Fuzz campaign: python -m fuzz --seed SEED --ops N runs random programs of N steps in all against the
NumPy model and stops at the first difference, printing the program's last steps."""

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
    args = parser.parse_args(argv)

    totals = {"steps": 0, "calls": 0, "refused": 0, "unchecked": 0, "threshold": 0, "deficient accepted": 0}
    started = time.monotonic()
    programs = 0
    next_report = 0
    while totals["steps"] < args.ops:
        program_seed = args.seed * 1_000_003 + programs
        runner = Runner(RandomChooser(random.Random(program_seed)))
        steps = min(args.program, args.ops - totals["steps"])
        try:
            runner.run(steps)
        except Mismatch as exc:
            print(f"fuzz: difference in program {programs} (seed {program_seed}):\n{exc}", file=sys.stderr)
            return 1
        for key in totals:
            totals[key] += runner.stats[key]
        programs += 1
        if totals["steps"] >= next_report:
            print(f"fuzz: {totals['steps']} steps, {totals['calls']} operation calls, "
                  f"{time.monotonic() - started:.0f} s", flush=True)
            next_report += max(args.ops // 10, 1)
    print(f"fuzz: seed {args.seed}: {totals['steps']} steps in {programs} programs, {totals['calls']} operation "
          f"calls ({totals['refused']} refused as expected, {totals['unchecked']} ls results not compared for "
          f"a non-finite input; ls at the rank threshold: {totals['threshold']}, exactly rank deficient "
          f"but accepted: {totals['deficient accepted']}), no difference, {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
