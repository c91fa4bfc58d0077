"""Matrices with exactly dependent columns, the same in every element type: the rank rule of ls is tested
on them (test_operations.py) and measured on them (benchmarks/ls_rank.py)."""

import numpy as np


def grid_values(letter, shape, rng):
    """Values on a grid of 2**-12, so that small integer combinations of them are exact in every type."""
    values = np.round(rng.standard_normal(shape) * 4096) / 4096
    if letter in "cz":
        values = values + 1j * np.round(rng.standard_normal(shape) * 4096) / 4096
    return values


def exactly_dependent(letter, lines, length, construction, rng):
    """`lines` columns of `length` elements, one of them an exact copy ("duplicate"), double ("twice") or
    integer combination ("combination") of others."""
    A = grid_values(letter, (length, lines), rng)
    j = rng.integers(lines)
    others = [i for i in range(lines) if i != j]
    if construction == "duplicate":
        A[:, j] = A[:, rng.choice(others)]
    elif construction == "twice":
        A[:, j] = 2 * A[:, rng.choice(others)]
    else:
        picked = rng.choice(others, size=min(len(others), rng.integers(1, 5)), replace=False)
        A[:, j] = A[:, picked] @ rng.choice([-3, -2, -1, 1, 2, 3], size=len(picked))
    return A
