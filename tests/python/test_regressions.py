"""Regressions: results the BLAS routines got wrong on their own, each pinned to the input that showed it."""

import math

import numpy as np
import pytest

import kaldra
from conftest import COMPLEX, KINDS, LETTERS, Operand, assert_close, cls, fill, flat, matrix, scalar


@pytest.mark.parametrize("letter", COMPLEX)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("n", [1, 7, 16, 33])
@pytest.mark.parametrize("factor", [0.5 + 1.5j, -2j, 1j])
def test_complex_axpy_onto_itself(letter, kind, n, factor):
    # Complex axpy with x and y the same run read real parts it had already updated: for most
    # lengths axpy(0.5 + 1.5j, v, v) was off by whole units instead of giving (1 + a) v.
    values = np.array([1 + 2j, 3 - 1j, 0.5 + 0.5j, 2] * 9)[:n]
    v = Operand(letter, kind, values)
    assert kaldra.axpy(factor, v.obj, v.obj) is v.obj
    assert_close(v.values(), (1 + factor) * values, letter)
    assert v.sentinels_intact()


@pytest.mark.parametrize("letter", COMPLEX)
def test_complex_sum_onto_itself(letter):
    values = np.array([1 + 2j, 3 - 1j, 0.5 + 0.5j, 2] * 4)
    v = Operand(letter, "vec", values)
    kaldra.sum(v.obj, v.obj)
    assert_close(v.values(), 2 * values, letter)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
def test_nan_scale_factor_gives_nan(letter, kind):
    # sscal wrote zeros for a NaN factor, hiding the NaN from every later result.
    v = Operand(letter, kind, [1, -2, 0, 4])
    kaldra.scale(scalar(letter, math.nan), v.obj)
    assert np.isnan(v.values()).all()
    assert v.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", ["vec", "view", "mat"])
def test_nan_b_in_gemv_reaches_y(letter, kind):
    # sgemv dropped a NaN beta and returned a finite y.
    A = matrix(letter, [[1, 1], [1, 1]])
    x = fill(cls(letter, "vec")(2), np.ones(2))
    y = Operand(letter, kind, [1, 2], shape=(2, 1))
    kaldra.gemv(scalar(letter, 1), scalar(letter, math.nan), A, x, y.obj)
    assert np.isnan(y.values()).all()
    assert y.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("b", [3, 0, math.nan])
def test_gemv_with_matrix_without_columns_scales_y_by_b(letter, b):
    # With A of no columns sgemv left y untouched instead of y <- b y.
    A, x = cls(letter, "mat")(2, 0), cls(letter, "vec")(0)
    y = fill(cls(letter, "vec")(2), np.array([1.0, -2.0]))
    kaldra.gemv(scalar(letter, 1), scalar(letter, b), A, x, y)
    expected = np.array([1.0, -2.0]) * b
    np.testing.assert_array_equal(flat(y, letter), expected)
