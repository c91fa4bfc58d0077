"""Create/slice/delete cycles in mixed orders over all twelve classes, printing resident memory growth.

python -m fuzz.lifetimes --cycles 1000000 runs the cycles after a warm-up and prints how much the
resident set grew; kaldra must give every storage back when its last holder is gone, whichever of a
vector and its views goes first.
"""

import argparse
import collections
import random
import sys

import kaldra

LETTERS = "sdcz"


def resident_kib() -> int:
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * 4


def cycle(rng: random.Random, survivors: collections.deque, i: int) -> None:
    """One cycle: a vector or matrix, views and views of views, deleted in one of several orders."""
    letter = LETTERS[i % 4]
    pattern = i % 5
    n = rng.randint(0, 40)
    if pattern == 4:
        a = getattr(kaldra, "mat" + letter)(rng.randint(0, 6), rng.randint(0, 6))
        if a.numel():
            a[0, 0] = 1.0
        b = getattr(kaldra, "mat" + letter)(a.dim(0), a.dim(1))
        kaldra.copy(a, b)
        del a, b
        return
    v = getattr(kaldra, "vec" + letter)(n)
    lo = rng.randint(0, n)
    hi = rng.randint(lo, n)
    w = v[lo:hi]
    ww = w[1:] if w.numel() else w[:]
    if ww.numel():
        ww[0] = 2.0
    if pattern == 0:  # the vector goes first, the views after it
        del v
        kaldra.scale(2.0, ww)
        del w, ww
    elif pattern == 1:  # the views go first
        del ww, w
        kaldra.scale(0.5, v)
        del v
    elif pattern == 2:  # a view of a view outlives both, for a while
        del v, w
        survivors.append(ww)
        if len(survivors) > 64:
            survivors.popleft()
    else:  # middle view first, then the vector, the innermost last
        del w
        del v
        kaldra.sum(ww, ww)
        del ww


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(prog="python -m fuzz.lifetimes", description=__doc__)
    parser.add_argument("--cycles", type=int, default=1_000_000)
    parser.add_argument("--warmup", type=int, default=50_000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--limit-kib", type=int, default=1024, help="growth that fails the run")
    args = parser.parse_args(argv)

    rng = random.Random(args.seed)
    survivors: collections.deque = collections.deque()
    for i in range(args.warmup):
        cycle(rng, survivors, i)
    start = resident_kib()
    for i in range(args.cycles):
        cycle(rng, survivors, i)
    survivors.clear()
    growth = resident_kib() - start
    print(
        f"lifetimes: {args.cycles} create/slice/delete cycles after {args.warmup} warm-up cycles: "
        f"resident memory {start} KiB -> {start + growth} KiB, growth {growth} KiB"
    )
    return 0 if growth < args.limit_kib else 1


if __name__ == "__main__":
    sys.exit(main())
