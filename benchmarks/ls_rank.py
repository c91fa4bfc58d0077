"""How well ls's rank rule separates exactly rank-deficient systems from full-rank ones, measured on
seeded random draws through kaldra itself (no timing).

Run: python benchmarks/ls_rank.py [--draws N] [--seed S]

1. Exactly rank-deficient A: one column (for fewer rows than columns, one row) is a copy of another,
   twice another, or an integer combination of up to four others, with entries on a grid of 2**-12 so
   that the dependence is exact in every element type. Sizes 2-50, m >= n and m < n, the four element
   types, N draws each. Prints the share refused.
2. Full-rank A = U diag(s) V^H with random orthonormal U and V and 2-norm condition number 1 / (80 eps)
   (one small singular value, or all spread on a log scale): prints the share solved and the largest
   relative error of the solution as a multiple of condition number times eps.
"""

import argparse
import os
import sys
import time

import numpy as np

import kaldra
import kaldra_numpy as kn

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "python"))
from dependent_systems import exactly_dependent, grid_values  # noqa: E402

LETTERS = "sdcz"
DTYPES = {"s": np.float32, "d": np.float64, "c": np.complex64, "z": np.complex128}
WIDE = {"s": np.float64, "d": np.float64, "c": np.complex128, "z": np.complex128}


def shape_of(tall, rng, top=50):
    order = int(rng.integers(2, top if tall else top - 1))
    other = int(rng.integers(order if tall else order + 1, top + 1))
    return (other, order) if tall else (order, other)


def solves(A, b):
    """None when ls refused A, else the solution."""
    x = kn.from_array(b)
    try:
        kaldra.ls(kn.from_array(A), x)
    except RuntimeError as error:
        if not str(error).startswith("In ls, matrix A does not have full rank: "):
            raise
        return None
    return kn.asarray(x)


def orthonormal(letter, rows, cols, rng):
    values = rng.standard_normal((rows, cols))
    if letter in "cz":
        values = values + 1j * rng.standard_normal((rows, cols))
    return np.linalg.qr(values)[0]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--draws", type=int, default=10_000, help="draws per construction, shape and type")
    parser.add_argument("--full-draws", type=int, default=2_000, help="full-rank draws per shape and type")
    parser.add_argument("--seed", type=int, default=20261210)
    args = parser.parse_args()
    started = time.monotonic()
    print(f"exactly rank-deficient A, {args.draws} draws each, sizes 2-50: share refused")
    print("| type | construction | m >= n | m < n |")
    print("|---|---|---|---|")
    for letter in LETTERS:
        for construction in ("duplicate", "twice", "combination"):
            cells = []
            for tall in (True, False):
                rng = np.random.default_rng([args.seed, LETTERS.index(letter), len(construction), tall])
                refused = 0
                for _ in range(args.draws):
                    rows, cols = shape_of(tall, rng)
                    order, other = min(rows, cols), max(rows, cols)
                    lines = exactly_dependent(letter, order, other, construction, rng)
                    A = (lines if tall else lines.T).astype(DTYPES[letter], order="F")
                    b = grid_values(letter, other, rng).astype(DTYPES[letter])
                    refused += solves(A, b) is None
                cells.append(f"{100 * refused / args.draws:.2f}%")
            print(f"| {letter} | {construction} | " + " | ".join(cells) + " |")
    print()
    print(f"full-rank A of 2-norm condition number 1 / (80 eps), {args.full_draws} draws each, sizes 2-50")
    print("| type | shape | solved | largest error / (condition x eps) |")
    print("|---|---|---|---|")
    for letter in LETTERS:
        eps = float(np.finfo(DTYPES[letter]).eps)
        condition = 1 / (80 * eps)
        for tall in (True, False):
            rng = np.random.default_rng([args.seed, 7, LETTERS.index(letter), tall])
            solved, worst = 0, 0.0
            for draw in range(args.full_draws):
                rows, cols = shape_of(tall, rng, 51)
                order = min(rows, cols)
                U, V = orthonormal(letter, rows, order, rng), orthonormal(letter, cols, order, rng)
                singular = np.ones(order) if draw % 2 else np.geomspace(1, 1 / condition, order)
                singular[-1] = 1 / condition
                A = ((U * singular) @ V.conj().T).astype(DTYPES[letter], order="F")
                solution = V @ grid_values(letter, order, rng)
                b = np.concatenate([A.astype(WIDE[letter]) @ solution, np.zeros(max(0, cols - rows))])
                x = solves(A, b.astype(DTYPES[letter]))
                if x is not None:
                    solved += 1
                    error = np.linalg.norm(x[:cols].astype(WIDE[letter]) - solution) / np.linalg.norm(solution)
                    worst = max(worst, error / (condition * eps))
            print(
                f"| {letter} | {'m >= n' if tall else 'm < n'} | {100 * solved / args.full_draws:.2f}% | {worst:.3g} |"
            )
    print(f"\n{time.monotonic() - started:.0f} s")


if __name__ == "__main__":
    main()
