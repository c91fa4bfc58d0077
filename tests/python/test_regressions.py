"""Regressions: results the BLAS routines got wrong on their own, each pinned to the input that showed it."""

import math

import numpy as np
import pytest

import kaldra
from conftest import (
    COMPLEX,
    KINDS,
    LETTERS,
    MATRIX_CLASSES,
    Operand,
    assert_close,
    cls,
    fill,
    flat,
    is_complex,
    matrix,
    random_values,
    scalar,
)


def same_bits(a, b):
    return a.tobytes() == b.tobytes()


def copy_of(container):
    """A new vector or matrix holding the elements of `container` (a view gives a vector)."""
    if isinstance(container, MATRIX_CLASSES):
        other = type(container)(container.dim(0), container.dim(1))
    else:
        other = getattr(kaldra, "vec" + type(container).__name__[-1])(container.numel())
    return kaldra.copy(container, other)


INF, NAN = math.inf, math.nan
SPECIAL_FACTORS = [0.5 + 1.5j, -1, -0.5, 1j, 0, INF, NAN, complex(0, INF), complex(0, NAN), complex(INF, INF)]


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("n", [1, 7, 33, 20_001])
def test_axpy_onto_itself_is_axpy_of_a_copy(letter, kind, n, rng):
    # Complex axpy with x and y the same run read real parts it had already updated, and its stand-in
    # (1 + a) x dropped NaN and inf and rounded differently from a separate copy of x. Long runs are
    # split among threads, each piece with a tail of its own.
    values = random_values(letter, n, rng) / 3
    values[1:5:3] = INF
    values[2:6:3] = NAN
    if is_complex(letter):
        values[3:7:3] = complex(1, -INF)
    factors = SPECIAL_FACTORS if is_complex(letter) else {scalar(letter, f) for f in SPECIAL_FACTORS}
    v = Operand(letter, kind, values)
    original = copy_of(v.obj)
    for a in factors:
        kaldra.copy(original, v.obj)
        expected = copy_of(v.obj)
        kaldra.axpy(a, copy_of(v.obj), expected)
        assert kaldra.axpy(a, v.obj, v.obj) is v.obj
        assert same_bits(v.values(), flat(expected, letter)), a
        assert v.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
def test_axpy_by_minus_one_onto_itself_keeps_nan_and_inf(letter):
    # (1 + a) x turned NaN and inf into 0 at a = -1; x - x of them is NaN, as for two separate copies.
    v = Operand(letter, "vec", [NAN, INF, -INF, 3])
    kaldra.axpy(scalar(letter, -1), v.obj, v.obj)
    result = v.values()
    assert np.isnan(result[:3]).all()
    assert result[3] == 0


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


def column_major(container, letter):
    return flat(container, letter).astype(np.complex128 if letter in COMPLEX else np.float64)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("function, a, b", [("gemv", 2, 1), ("gemv", 1, 0), ("matvec", 1, 1)])
@pytest.mark.parametrize("case", ["y-is-x", "y-is-A", "y-overlaps-x"])
def test_gemv_output_sharing_elements_with_an_input(letter, function, a, b, case):
    # The routine writes y while it still reads A and x: gemv(1, 0, A, v, v) returned zeros.
    A_values = np.array([[1, 2], [3, 4]] if case != "y-overlaps-x" else [[1, 2, 3], [4, 5, 6]])
    A = matrix(letter, A_values)
    m, n = A_values.shape
    storage = fill(cls(letter, "vec")(4), np.array([1.0, 2.0, 3.0, 0.0]))
    if case == "y-is-x":
        x = y = storage[0:2]
    elif case == "y-is-A":
        x, y = storage[0:2], A  # a matrix y is its first column
    else:
        x, y = storage[0:3], storage[1:3]
    expected = a * A_values @ column_major(x, letter)[:n] + b * column_major(y, letter)[:m]

    if function == "gemv":
        assert kaldra.gemv(scalar(letter, a), scalar(letter, b), A, x, y) is y
    else:
        assert kaldra.matvec(A, x, y) is y
    assert_close(column_major(y, letter)[:m], expected, letter)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("size", [2, 70])
@pytest.mark.parametrize("case", ["Y-is-X", "Y-is-A", "all-three"])
@pytest.mark.parametrize("b", [0, 1])
def test_gemm_output_sharing_elements_with_an_input(letter, size, case, b, rng):
    # Complex gemm with Y the same matrix as A or X returned zeros.
    A_values = rng.uniform(-1, 1, (size, size)).round(2)
    X_values = rng.uniform(-1, 1, (size, size)).round(2)
    A, X = matrix(letter, A_values), matrix(letter, X_values)
    if case == "Y-is-X":
        Y, Y_values = X, X_values
    elif case == "Y-is-A":
        Y, Y_values = A, A_values
    else:
        X = Y = A
        X_values = Y_values = A_values
    expected = 1.5 * A_values @ X_values + b * Y_values
    assert kaldra.gemm(scalar(letter, 1.5), scalar(letter, b), A, X, Y) is Y
    assert_close(column_major(Y, letter).reshape(size, size).T, expected, letter)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("shape", [(2, 2), (3, 2), (2, 3)])
def test_least_squares_with_x_the_matrix_itself_is_refused(letter, shape, rng):
    # The driver wrote its factorization and the solution into the same elements and returned
    # neither, without a word.
    A = matrix(letter, rng.uniform(1, 2, shape))
    before = flat(A, letter).tolist()
    with pytest.raises(RuntimeError, match="^In ls, vector x shares elements with matrix A$"):
        kaldra.ls(A, A)
    assert flat(A, letter).tolist() == before


@pytest.mark.parametrize("name", [kind + letter for kind in ("vec", "view", "mat") for letter in "sdcz"])
def test_instance_made_by_new_alone_behaves_as_empty(name):
    # Calling __new__ without __init__ once handed uninitialised memory to the methods as a container.
    cls = getattr(kaldra, name)
    c = cls.__new__(cls)
    assert c.numel() == 0
    assert repr(c).startswith("Column vector of size: 0" if name[0] == "v" else "Matrix of size: (0, 0)")
    with pytest.raises(RuntimeError):
        c[0, 0] if name.startswith("mat") else c[0]
    assert kaldra.scale(2.0, c) is c  # the argument itself, as for any container
    assert type(kaldra.scale).__call__(kaldra.scale, 2.0, c) is c
    assert c.numel() == 0
