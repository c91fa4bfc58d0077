"""The module functions against a NumPy reference: every element type, every container kind in every
position, views at offsets, aliasing, scalar conversion, and the calls that are refused."""

import itertools
import math
import re

import numpy as np
import pytest

import kaldra
import kaldra_numpy as kn
from conftest import (
    COMPLEX,
    DTYPES,
    KINDS,
    LETTERS,
    REAL,
    Operand,
    assert_close,
    cls,
    fill,
    flat,
    is_complex,
    matrix,
    random_values,
    scalar,
    to_array,
)
from dependent_systems import exactly_dependent, grid_values

PAIRS = list(itertools.product(KINDS, KINDS))
# Factors exactly representable in single precision, so the reference sees what the library sees.
A_FACTOR = 1.5 - 0.75j
B_FACTOR = -0.5 + 0.25j


def snapshot(*containers):
    """The elements of every container, to show that a refused call changed nothing."""
    result = []
    for c in containers:
        letter = type(c).__name__[-1]
        result.append(flat(c, letter).tolist())
    return result


def reference(values, letter):
    """Values widened for computing a reference."""
    return np.asarray(values, dtype=np.complex128 if is_complex(letter) else np.float64)


# --- level-1 kernels --------------------------------------------------------------------------------


def expected_level1(operation, a, x, y):
    """(new x, new y) for a kernel over the first len(x) elements of y."""
    n = len(x)
    y = y.copy()
    if operation == "sum":
        y[:n] = x + y[:n]
    elif operation == "axpy":
        y[:n] = a * x + y[:n]
    elif operation == "copy":
        y[:n] = x
    elif operation == "swap":
        x, y[:n] = y[:n].copy(), x
    return x, y


@pytest.mark.parametrize("operation", ["sum", "axpy", "copy", "swap"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("xkind, ykind", PAIRS)
@pytest.mark.parametrize("extra", [0, 2], ids=["same-length", "longer-y"])
def test_level1_kernels(operation, letter, xkind, ykind, extra, rng):
    n = 6
    x = Operand(letter, xkind, random_values(letter, n, rng))
    y = Operand(letter, ykind, random_values(letter, n + extra, rng))
    a = scalar(letter, A_FACTOR)
    x_before, y_before = reference(x.values(), letter), reference(y.values(), letter)

    if operation == "axpy":
        result = kaldra.axpy(a, x.obj, y.obj)
    else:
        result = getattr(kaldra, operation)(x.obj, y.obj)

    assert result is (None if operation == "swap" else y.obj)
    x_expected, y_expected = expected_level1(operation, a, x_before, y_before)
    assert_close(reference(x.values(), letter), x_expected, letter)
    assert_close(reference(y.values(), letter), y_expected, letter)
    assert x.sentinels_intact() and y.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
def test_scale(letter, kind, rng):
    x = Operand(letter, kind, random_values(letter, 6, rng))
    before = reference(x.values(), letter)
    s = scalar(letter, A_FACTOR)
    assert kaldra.scale(s, x.obj) is x.obj
    assert_close(reference(x.values(), letter), s * before, letter)
    assert x.sentinels_intact()


def test_scale_by_i_rotates_complex_elements():
    v = fill(kaldra.vecz(1), np.array([1 + 2j]))
    kaldra.scale(1j, v)
    assert v[0] == -2 + 1j


def test_copy_fills_a_matrix_column_by_column_and_back():
    v = fill(kaldra.vecd(6), np.arange(1.0, 7.0))
    a = kaldra.matd(2, 3)
    kaldra.copy(v, a)
    assert to_array(a, "d").tolist() == [[1, 3, 5], [2, 4, 6]]
    w = kaldra.vecd(8)[1:7]
    kaldra.copy(a, w)
    assert flat(w, "d").tolist() == [1, 2, 3, 4, 5, 6]


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
def test_empty_operands_change_nothing(letter, kind):
    empty = Operand(letter, kind, [])
    y = Operand(letter, "vec", [1, 2])
    assert kaldra.scale(scalar(letter, 2), empty.obj) is empty.obj
    assert kaldra.sum(empty.obj, y.obj) is y.obj
    assert kaldra.axpy(scalar(letter, 2), empty.obj, y.obj) is y.obj
    assert kaldra.copy(empty.obj, y.obj) is y.obj
    assert kaldra.swap(empty.obj, y.obj) is None
    assert y.values().tolist() == [1, 2]
    zero = kaldra.dot(empty.obj, y.obj)
    assert zero == 0 and type(zero) is (complex if is_complex(letter) else float)
    assert empty.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
def test_one_object_in_both_places(letter, kind, rng):
    values = random_values(letter, 6, rng)
    expected = reference(values, letter)
    v = Operand(letter, kind, values)
    a = scalar(letter, A_FACTOR)

    assert kaldra.copy(v.obj, v.obj) is v.obj
    assert kaldra.swap(v.obj, v.obj) is None
    assert_close(reference(v.values(), letter), expected, letter)
    assert_close(kaldra.dot(v.obj, v.obj), np.sum(expected * expected), letter)
    if is_complex(letter):
        assert_close(kaldra.hdot(v.obj, v.obj), np.sum(np.abs(expected) ** 2), letter)

    assert kaldra.sum(v.obj, v.obj) is v.obj
    expected = 2 * expected
    assert_close(reference(v.values(), letter), expected, letter)
    assert kaldra.axpy(a, v.obj, v.obj) is v.obj
    assert_close(reference(v.values(), letter), (1 + a) * expected, letter)
    assert v.sentinels_intact()


# --- dot products -----------------------------------------------------------------------------------


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("xkind, ykind", PAIRS)
@pytest.mark.parametrize("extra", [0, 2], ids=["same-length", "longer-y"])
def test_dot_products(letter, xkind, ykind, extra, rng):
    x = Operand(letter, xkind, random_values(letter, 6, rng))
    y = Operand(letter, ykind, random_values(letter, 6 + extra, rng))
    xs, ys = reference(x.values(), letter), reference(y.values(), letter)
    number = complex if is_complex(letter) else float

    result = kaldra.dot(x.obj, y.obj)
    assert type(result) is number
    assert_close(result, np.sum(xs * ys[:6]), letter)
    if is_complex(letter):
        result = kaldra.hdot(x.obj, y.obj)
        assert type(result) is complex
        assert_close(result, np.vdot(xs, ys[:6]), letter)
    assert (x.values() == xs).all() and (y.values() == ys).all()


@pytest.mark.parametrize("letter", COMPLEX)
def test_dot_conjugates_nothing_and_hdot_its_first_operand(letter, rng):
    one = Operand(letter, "vec", [1 + 1j])
    other = Operand(letter, "vec", [1 + 1j])
    assert kaldra.dot(one.obj, other.obj) == 2j
    assert kaldra.hdot(one.obj, other.obj) == 2
    x = Operand(letter, "view", random_values(letter, 5, rng))
    y = Operand(letter, "mat", random_values(letter, 5, rng))
    assert_close(kaldra.hdot(x.obj, y.obj), np.conj(kaldra.hdot(y.obj, x.obj)), letter)
    assert_close(kaldra.dot(x.obj, y.obj), kaldra.dot(y.obj, x.obj), letter)
    # A purely imaginary first operand shows which side is conjugated.
    i = Operand(letter, "vec", [1j])
    two = Operand(letter, "vec", [2])
    assert kaldra.hdot(i.obj, two.obj) == -2j
    assert kaldra.hdot(two.obj, i.obj) == 2j


def test_single_precision_dot_is_widened_exactly():
    x = fill(kaldra.vecs(1), np.array([0.1], dtype=np.float32))
    y = fill(kaldra.vecs(1), np.array([1.0], dtype=np.float32))
    assert kaldra.dot(x, y) == float(np.float32(0.1))


# --- operand too short ------------------------------------------------------------------------------

SHORT_CALLS = {
    "sum": lambda letter, x, y: kaldra.sum(x, y),
    "axpy": lambda letter, x, y: kaldra.axpy(scalar(letter, 2), x, y),
    "copy": lambda letter, x, y: kaldra.copy(x, y),
    "swap": lambda letter, x, y: kaldra.swap(x, y),
    "dot": lambda letter, x, y: kaldra.dot(x, y),
    "hdot": lambda letter, x, y: kaldra.hdot(x, y),
}


@pytest.mark.parametrize(
    "operation, letter",
    [
        (operation, letter)
        for operation in SHORT_CALLS
        for letter in LETTERS
        if operation != "hdot" or letter in COMPLEX
    ],
)
@pytest.mark.parametrize("xkind, ykind", [("vec", "vec"), ("mat", "view"), ("view", "mat")])
def test_y_shorter_than_x_is_refused(operation, letter, xkind, ykind, rng):
    x = Operand(letter, xkind, random_values(letter, 6, rng))
    y = Operand(letter, ykind, random_values(letter, 4, rng))
    before = snapshot(x.obj, y.obj)
    with pytest.raises(RuntimeError) as error:
        SHORT_CALLS[operation](letter, x.obj, y.obj)
    assert str(error.value) == f"In {operation}, vector y has 4 elements, fewer than the 6 elements of vector x"
    assert snapshot(x.obj, y.obj) == before
    assert x.sentinels_intact() and y.sentinels_intact()


# --- scalar arguments -------------------------------------------------------------------------------


class Indexable:
    def __index__(self):
        return 3


class Floatable:
    def __float__(self):
        return 3.0


class Complexable:
    def __complex__(self):
        return 3 + 1j


class FloatSubclass(float):
    pass


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize(
    "factor, value",
    [
        (3, 3),
        (True, 1),
        (-2.5, -2.5),
        (FloatSubclass(3.0), 3),
        (Indexable(), 3),
        (Floatable(), 3),
        (np.float64(3.0), 3),
        (np.int64(3), 3),
    ],
    ids=type,
)
def test_real_valued_scalars_are_accepted(letter, factor, value, rng):
    x = Operand(letter, "vec", random_values(letter, 4, rng))
    before = reference(x.values(), letter)
    assert kaldra.scale(factor, x.obj) is x.obj
    assert_close(reference(x.values(), letter), value * before, letter)


@pytest.mark.parametrize("letter", COMPLEX)
@pytest.mark.parametrize("factor", [3 + 1j, Complexable()], ids=type)
def test_complex_scalars_for_complex_types(letter, factor, rng):
    x = Operand(letter, "vec", random_values(letter, 4, rng))
    before = reference(x.values(), letter)
    kaldra.scale(factor, x.obj)
    assert_close(reference(x.values(), letter), (3 + 1j) * before, letter)


@pytest.mark.parametrize("letter", REAL)
@pytest.mark.parametrize("factor", [1j, 2 + 0j, Complexable(), "2", None, [2.0]], ids=repr)
def test_real_types_refuse_scalars_that_are_not_real_numbers(letter, factor):
    x = Operand(letter, "vec", [1, 2])
    with pytest.raises(TypeError):
        kaldra.scale(factor, x.obj)
    with pytest.raises(TypeError):
        kaldra.axpy(factor, x.obj, x.obj)
    assert x.values().tolist() == [1, 2]


@pytest.mark.parametrize("letter", COMPLEX)
@pytest.mark.parametrize("factor", ["2", None, [1j]], ids=repr)
def test_complex_types_refuse_scalars_that_are_not_numbers(letter, factor):
    x = Operand(letter, "vec", [1, 2])
    with pytest.raises(TypeError):
        kaldra.scale(factor, x.obj)
    assert x.values().tolist() == [1, 2]


@pytest.mark.parametrize("letter, factor", [("s", 0.1), ("c", 0.1 - 0.3j), ("d", 0.1), ("z", 0.1 - 0.3j)])
def test_scalars_are_rounded_to_the_element_type(letter, factor):
    x = Operand(letter, "vec", [1])
    kaldra.scale(scalar(letter, factor), x.obj)
    assert x.values()[0] == DTYPES[letter](factor)
    assert x.obj[0] == DTYPES[letter](factor).item()


@pytest.mark.parametrize("letter", LETTERS)
def test_int_factors_for_every_function_with_scalars(letter, rng):
    A = matrix(letter, random_values(letter, 6, rng).reshape(2, 3))
    X = matrix(letter, random_values(letter, 6, rng).reshape(3, 2))
    Y = cls(letter, "mat")(2, 2)
    x = Operand(letter, "vec", random_values(letter, 3, rng))
    y = Operand(letter, "view", random_values(letter, 3, rng))
    xs, ys = reference(x.values(), letter), reference(y.values(), letter)
    As, Xs = reference(to_array(A, letter), letter), reference(to_array(X, letter), letter)

    assert kaldra.axpy(2, x.obj, y.obj) is y.obj
    ys = 2 * xs + ys
    assert_close(reference(y.values(), letter), ys, letter)
    w = y.obj[0:2]
    assert kaldra.gemv(3, True, A, x.obj, w) is w
    assert_close(reference(y.values(), letter), np.concatenate([3 * As @ xs + ys[:2], ys[2:]]), letter)
    assert kaldra.gemm(1, 0, A, X, Y) is Y
    assert_close(reference(to_array(Y, letter), letter), As @ Xs, letter)


# --- calls that match no overload -------------------------------------------------------------------


def refused_calls(letter):
    """Calls that no overload accepts, with the containers they pass."""
    other = {"s": "d", "d": "s", "c": "z", "z": "c"}[letter]
    s = scalar(letter, 1)
    v, w = cls(letter, "vec")(2), cls(letter, "vec")(4)[1:3]
    A, B, C = (cls(letter, "mat")(2, 2) for _ in range(3))
    foreign = cls(other, "vec")(2)
    foreign_mat = cls(other, "mat")(2, 2)
    calls = [
        ("keyword", lambda: kaldra.scale(s, x=v)),
        ("keyword-only", lambda: kaldra.sum(x=v, y=w)),
        ("too-few", lambda: kaldra.axpy(s, v)),
        ("too-many", lambda: kaldra.copy(v, w, v)),
        ("none-container", lambda: kaldra.scale(s, None)),
        ("none-output", lambda: kaldra.sum(v, None)),
        ("none-matrix", lambda: kaldra.gemv(s, s, None, v, w)),
        ("mixed-sum", lambda: kaldra.sum(v, foreign)),
        ("mixed-dot", lambda: kaldra.dot(foreign, w)),
        ("mixed-gemv", lambda: kaldra.gemv(s, s, A, v, foreign)),
        ("mixed-gemm", lambda: kaldra.gemm(s, s, A, foreign_mat, B)),
        ("mixed-ls", lambda: kaldra.ls(foreign_mat, v)),
        ("not-a-container", lambda: kaldra.copy([1.0, 2.0], v)),
        ("ls-vector-A", lambda: kaldra.ls(v, w)),
        ("ls-view-A", lambda: kaldra.ls(w, v)),
        ("gemm-vector-A", lambda: kaldra.gemm(s, s, v, B, C)),
        ("gemm-view-X", lambda: kaldra.gemm(s, s, A, w, C)),
        ("gemm-vector-Y", lambda: kaldra.gemm(s, s, A, B, v)),
        ("matmul-view-A", lambda: kaldra.matmul(w, B, C)),
        ("matmul-vector-X", lambda: kaldra.matmul(A, v, C)),
        ("matmul-view-Y", lambda: kaldra.matmul(A, B, w)),
        ("gemv-keyword", lambda: kaldra.gemv(s, s, A, v, y=w)),
    ]
    if letter in REAL:
        calls += [
            ("hdot-real", lambda: kaldra.hdot(v, w)),
            ("hdot-real-matrix", lambda: kaldra.hdot(A, B)),
            ("complex-factor", lambda: kaldra.gemv(1.0, 1j, A, v, w)),
        ]
    return calls, (v, w, A, B, C, foreign, foreign_mat)


@pytest.mark.parametrize("letter", LETTERS)
def test_calls_matching_no_overload_raise_type_error_and_change_nothing(letter):
    calls, containers = refused_calls(letter)
    for container in containers:
        fill(container, np.arange(1.0, container.numel() + 1))
    before = snapshot(*containers)
    for name, call in calls:
        with pytest.raises(TypeError, match="incompatible function arguments") as error:
            call()
        assert "Invoked with:" in str(error.value), name
        assert snapshot(*containers) == before, name


def test_mismatch_message_names_the_call_arguments():
    with pytest.raises(TypeError) as error:
        kaldra.hdot(kaldra.vecd(1), kaldra.vecd(1))
    message = str(error.value)
    assert message.startswith("hdot(): incompatible function arguments. The following argument types are supported:")
    assert "1. (arg0: kaldra.vecc, arg1: kaldra.vecc) -> complex" in message
    assert "18. (arg0: kaldra.matz, arg1: kaldra.matz) -> complex" in message
    assert "Column vector of size: 1" in message.split("Invoked with:")[1]


def test_subclass_instances_count_as_their_class():
    class Mine(kaldra.vecd):
        pass

    v = Mine(2)
    v[0], v[1] = 1.0, 2.0
    assert kaldra.scale(2.0, v) is v
    assert flat(v, "d").tolist() == [2, 4]


# --- matrix-vector product --------------------------------------------------------------------------

GEMV_X = {"vec": None, "view": None, "mat": (4, 2)}  # a matrix x counts as its first column
GEMV_Y = {"vec": None, "view": None, "mat": (3, 2)}


@pytest.mark.parametrize("function", ["gemv", "matvec"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("xkind, ykind", PAIRS)
def test_matrix_vector_product(function, letter, xkind, ykind, rng):
    m, n = 3, 4
    A_values = random_values(letter, m * n, rng).reshape(m, n)
    A = matrix(letter, A_values)
    x_shape, y_shape = GEMV_X[xkind], GEMV_Y[ykind]
    x = Operand(letter, xkind, random_values(letter, n * (2 if x_shape else 1), rng), shape=x_shape)
    y = Operand(letter, ykind, random_values(letter, m * (2 if y_shape else 1), rng), shape=y_shape)
    xs, ys = reference(x.values(), letter), reference(y.values(), letter)
    if function == "gemv":
        a, b = scalar(letter, A_FACTOR), scalar(letter, B_FACTOR)
        result = kaldra.gemv(a, b, A, x.obj, y.obj)
    else:
        a, b = 1, 1
        result = kaldra.matvec(A, x.obj, y.obj)
    assert result is y.obj
    expected = ys.copy()
    expected[:m] = a * (reference(A_values, letter) @ xs[:n]) + b * ys[:m]
    assert_close(reference(y.values(), letter), expected, letter)
    assert (x.values() == xs).all()
    assert (to_array(A, letter) == A_values).all()
    assert x.sentinels_intact() and y.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
def test_matvec_and_gemv_non_square_and_zero_b(letter):
    # rows (1, 2, 3) and (4, 5, 6), stored as 1, 4, 2, 5, 3, 6
    A = matrix(letter, [[1, 2, 3], [4, 5, 6]])
    x = fill(cls(letter, "vec")(3), np.ones(3))
    y = fill(cls(letter, "vec")(2), np.array([10.0, 20.0]))
    kaldra.matvec(A, x, y)
    assert flat(y, letter).tolist() == [16, 35]
    kaldra.gemv(scalar(letter, 2), scalar(letter, 0), A, x, y)
    assert flat(y, letter).tolist() == [12, 30]


@pytest.mark.parametrize("letter", COMPLEX)
def test_products_conjugate_nothing(letter):
    A, x, y = matrix(letter, [[1j]]), fill(cls(letter, "vec")(1), np.array([1j])), cls(letter, "vec")(1)
    kaldra.gemv(1 + 0j, 0j, A, x, y)
    assert y[0] == -1
    X, Y = matrix(letter, [[1j]]), cls(letter, "mat")(1, 1)
    kaldra.gemm(1 + 0j, 0j, A, X, Y)
    assert Y[0, 0] == -1


GEMV_FAILURES = [
    ((2, 3), 4, 2, "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 4"),
    ((2, 3), 3, 3, "In gemv expression y = aAx + by, matrix A dimension 0: 2, doesn't match vector y dimension 0: 3"),
    ((2, 3), 4, 3, "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 4"),
    ((0, 3), 2, 0, "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 2"),
]


@pytest.mark.parametrize("function", ["gemv", "matvec"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("shape, nx, ny, message", GEMV_FAILURES)
def test_matrix_vector_shape_mismatch(function, letter, shape, nx, ny, message, rng):
    A = matrix(letter, random_values(letter, shape[0] * shape[1], rng).reshape(shape))
    x = Operand(letter, "vec", random_values(letter, nx, rng))
    y = Operand(letter, "view", random_values(letter, ny, rng))
    before = snapshot(A, x.obj, y.obj)
    with pytest.raises(RuntimeError) as error:
        if function == "gemv":
            kaldra.gemv(scalar(letter, 1), scalar(letter, 0), A, x.obj, y.obj)
        else:
            kaldra.matvec(A, x.obj, y.obj)
    assert str(error.value) == message
    assert snapshot(A, x.obj, y.obj) == before
    assert y.sentinels_intact()


@pytest.mark.parametrize("function", ["gemv", "matvec"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize(
    "Akind, xkind, ykind", [("vec", "vec", "vec"), ("view", "mat", "view"), ("view", "vec", "mat")]
)
def test_matrix_vector_product_needs_a_matrix(function, letter, Akind, xkind, ykind, rng):
    A = Operand(letter, Akind, random_values(letter, 4, rng))
    x = Operand(letter, xkind, random_values(letter, 4, rng))
    y = Operand(letter, ykind, random_values(letter, 4, rng))
    before = snapshot(A.obj, x.obj, y.obj)
    with pytest.raises(RuntimeError, match="^In gemv expression y = aAx \\+ by, A must be a matrix$"):
        if function == "gemv":
            kaldra.gemv(scalar(letter, 1), scalar(letter, 0), A.obj, x.obj, y.obj)
        else:
            kaldra.matvec(A.obj, x.obj, y.obj)
    assert snapshot(A.obj, x.obj, y.obj) == before


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize(
    "A_shape, x_shape, y_shape, message",
    [
        ((2, 3), (3, 0), (2,), "In gemv expression y = aAx + by, matrix x has 3 rows but no columns"),
        ((2, 3), (3,), (2, 0), "In gemv expression y = aAx + by, matrix y has 2 rows but no columns"),
    ],
)
def test_matrix_without_columns_as_x_or_y(letter, A_shape, x_shape, y_shape, message, rng):
    A = matrix(letter, random_values(letter, 6, rng).reshape(A_shape))
    x = cls(letter, "mat" if len(x_shape) == 2 else "vec")(*x_shape)
    y = cls(letter, "mat" if len(y_shape) == 2 else "vec")(*y_shape)
    fill(y, np.arange(1.0, y.numel() + 1))
    before = snapshot(A, x, y)
    with pytest.raises(RuntimeError) as error:
        kaldra.gemv(scalar(letter, 1), scalar(letter, 0), A, x, y)
    assert str(error.value) == message
    assert snapshot(A, x, y) == before


@pytest.mark.parametrize("letter", LETTERS)
def test_matrix_vector_product_of_empty_shapes(letter):
    # A without rows writes nothing; a 0 x 0 matrix may stand for an empty x or y.
    A, x, y = cls(letter, "mat")(0, 2), fill(cls(letter, "vec")(2), np.ones(2)), cls(letter, "mat")(0, 0)
    assert kaldra.gemv(scalar(letter, 1), scalar(letter, 1), A, x, y) is y


# --- matrix-matrix product --------------------------------------------------------------------------


@pytest.mark.parametrize("function", ["gemm", "matmul"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("m, k, n", [(2, 3, 4), (4, 1, 3), (1, 5, 1), (3, 3, 3)])
def test_matrix_matrix_product(function, letter, m, k, n, rng):
    A_values = random_values(letter, m * k, rng).reshape(m, k)
    X_values = random_values(letter, k * n, rng).reshape(k, n)
    Y_values = random_values(letter, m * n, rng).reshape(m, n)
    A, X, Y = matrix(letter, A_values), matrix(letter, X_values), matrix(letter, Y_values)
    if function == "gemm":
        a, b = scalar(letter, A_FACTOR), scalar(letter, B_FACTOR)
        assert kaldra.gemm(a, b, A, X, Y) is Y
    else:
        a, b = 1, 1
        assert kaldra.matmul(A, X, Y) is Y
    expected = a * reference(A_values, letter) @ reference(X_values, letter) + b * reference(Y_values, letter)
    assert_close(reference(to_array(Y, letter), letter), expected, letter)
    assert (to_array(A, letter) == A_values).all() and (to_array(X, letter) == X_values).all()


GEMM_FAILURES = [
    ((2, 3), (3, 4), (3, 4), "matrix A dimension 0: 2, doesn't match matrix Y dimension 0: 3"),
    ((2, 3), (3, 4), (2, 5), "matrix X dimension 1: 4, doesn't match matrix Y dimension 1: 5"),
    ((2, 3), (4, 5), (2, 5), "matrix A dimension 1: 3, doesn't match matrix X dimension 0: 4"),
    ((2, 3), (4, 5), (3, 6), "matrix A dimension 0: 2, doesn't match matrix Y dimension 0: 3"),
    ((2, 3), (4, 5), (2, 6), "matrix X dimension 1: 5, doesn't match matrix Y dimension 1: 6"),
]


@pytest.mark.parametrize("function", ["gemm", "matmul"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("A_shape, X_shape, Y_shape, message", GEMM_FAILURES)
def test_matrix_matrix_shape_mismatch(function, letter, A_shape, X_shape, Y_shape, message, rng):
    A, X, Y = (matrix(letter, random_values(letter, r * c, rng).reshape(r, c)) for r, c in (A_shape, X_shape, Y_shape))
    before = snapshot(A, X, Y)
    with pytest.raises(RuntimeError) as error:
        if function == "gemm":
            kaldra.gemm(scalar(letter, 1), scalar(letter, 0), A, X, Y)
        else:
            kaldra.matmul(A, X, Y)
    assert str(error.value) == "In gemm expression Y = aAX + bY, " + message
    assert snapshot(A, X, Y) == before


@pytest.mark.parametrize("letter", LETTERS)
def test_matrix_matrix_dimension_beyond_blas(letter):
    # Shapes that agree but hold no elements, with an inner dimension of 2^31.
    A, X, Y = cls(letter, "mat")(0, 2**31), cls(letter, "mat")(2**31, 0), cls(letter, "mat")(0, 0)
    with pytest.raises(RuntimeError) as error:
        kaldra.matmul(A, X, Y)
    assert str(error.value) == (
        "In gemm, matrix A dimension 1: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647"
    )


@pytest.mark.parametrize("letter", LETTERS)
def test_matrix_matrix_product_with_empty_inner_dimension_scales_y(letter):
    A, X = cls(letter, "mat")(2, 0), cls(letter, "mat")(0, 2)
    Y = matrix(letter, [[1, 2], [3, 4]])
    kaldra.gemm(scalar(letter, 1), scalar(letter, 2), A, X, Y)
    assert to_array(Y, letter).tolist() == [[2, 4], [6, 8]]


# --- least squares ----------------------------------------------------------------------------------


def ls_operand(letter, kind, values):
    return Operand(letter, kind, values, shape=(len(values), 1) if kind == "mat" else None)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("m, n", [(3, 3), (5, 3), (2, 4), (1, 1)], ids=["square", "over", "under", "single"])
def test_least_squares(letter, kind, m, n, rng):
    A_values = random_values(letter, m * n, rng).reshape(m, n) + 3 * np.eye(m, n, dtype=DTYPES[letter])
    A = matrix(letter, A_values)
    k = max(m, n)
    x = ls_operand(letter, kind, random_values(letter, k, rng))
    rhs = reference(x.values(), letter)[:m]
    assert kaldra.ls(A, x.obj) is None
    solution = reference(x.values(), letter)
    expected, *_ = np.linalg.lstsq(reference(A_values, letter), rhs, rcond=None)
    assert_close(solution[:n], expected, letter)
    if m > n:
        residual = np.linalg.norm(reference(A_values, letter) @ expected - rhs) ** 2
        assert_close(np.sum(np.abs(solution[n:]) ** 2), residual, letter)
    assert x.sentinels_intact()


def test_least_squares_examples():
    A = matrix("d", [[2, 0], [0, 4]])
    x = fill(kaldra.vecd(2), np.array([2.0, 8.0]))
    kaldra.ls(A, x)
    assert flat(x, "d").tolist() == pytest.approx([1, 2])

    A = matrix("d", [[1, 0], [0, 1], [1, 1]])
    x = fill(kaldra.vecd(3), np.array([1.0, 1.0, 0.0]))
    kaldra.ls(A, x)
    assert flat(x, "d") == pytest.approx([1 / 3, 1 / 3, x[2]])
    assert x[2] ** 2 == pytest.approx(4 / 3)

    A = matrix("d", [[1, 1]])
    x = fill(kaldra.vecd(2), np.array([2.0, 12345.0]))
    kaldra.ls(A, x)
    assert flat(x, "d") == pytest.approx([1, 1])


@pytest.mark.parametrize("letter", LETTERS)
def test_least_squares_changes_only_the_viewed_part(letter):
    v = fill(cls(letter, "vec")(4), np.array([7.0, 2.0, 8.0, 9.0]))
    kaldra.ls(matrix(letter, [[2, 0], [0, 4]]), v[1:3])
    assert flat(v, letter).tolist() == [7, 1, 2, 9]


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("m, n, nx", [(3, 2, 2), (2, 3, 2), (4, 4, 0)])
def test_least_squares_with_too_short_x(letter, kind, m, n, nx, rng):
    A = matrix(letter, random_values(letter, m * n, rng).reshape(m, n))
    x = ls_operand(letter, kind, random_values(letter, nx, rng))
    before = snapshot(A, x.obj)
    with pytest.raises(RuntimeError) as error:
        kaldra.ls(A, x.obj)
    assert str(error.value) == (
        f"In ls, vector x has {nx} elements, fewer than the {max(m, n)} that matrix A of size ({m}, {n}) requires"
    )
    assert snapshot(A, x.obj) == before


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize(
    "A_values, zero",
    [
        ([[1, 0], [1, 0], [2, 0]], 1),
        ([[0, 1], [0, 1]], 0),
        ([[1, 2, 3], [0, 0, 0]], 1),
        ([[0, 0], [0, 0], [0, 0]], 0),
        ([[0, 0, 0], [0, 0, 0]], 0),
    ],
    ids=["tall-last-column-zero", "square-first-column-zero", "wide-row-zero", "tall-all-zero", "wide-all-zero"],
)
def test_least_squares_with_rank_deficient_matrix(letter, kind, A_values, zero, rng):
    A = matrix(letter, A_values)
    x = ls_operand(letter, kind, random_values(letter, max(A.dim(0), A.dim(1)), rng))
    before = snapshot(x.obj)
    with pytest.raises(RuntimeError) as error:
        kaldra.ls(A, x.obj)
    assert str(error.value) == (
        f"In ls, matrix A does not have full rank: diagonal element {zero} of its triangular factor is zero"
    )
    assert snapshot(x.obj) == before
    assert x.sentinels_intact()


# --- rank-deficient least squares --------------------------------------------------------------------

NOT_FULL_RANK = "In ls, matrix A does not have full rank: "


def rank_threshold(letter, order):
    """The rank threshold for a triangular factor of the given order, max(1, 8 / sqrt(order)) eps."""
    return float(np.finfo(DTYPES[letter]).eps) * max(1.0, 8 / math.sqrt(order))


RANK_DEFICIENT = {
    # columns equal up to a factor, so that the factor's last diagonal element is rounding noise
    "two-constant-columns": [[1, 0.5, 3], [1, 1.5, 3], [1, 2.5, 3], [1, 3.5, 3], [1, 4.5, 3]],
    "duplicated-column": [[1, 5, 1], [2, -1, 2], [3, 2, 3], [-1, 4, -1]],
    "duplicated-row": [[1, 2, 3, 4], [0.5, -1, 2, 1], [1, 2, 3, 4]],
    "column-times-three": [[1, 0.5, 3], [2, 0.25, 6], [-1, 4, -3]],
    # the second column is the first plus 1e-20 in a new direction: the factor is A itself
    "nearly-dependent": [[1, 1], [0, 1e-20], [0, 0]],
    "all-zero": [[0, 0], [0, 0], [0, 0]],
}


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("case", RANK_DEFICIENT)
def test_least_squares_refuses_every_matrix_below_full_rank(letter, kind, case, rng):
    # Such an A once returned coefficients of 1e15 (constant columns), a solution other than the
    # minimum-norm one (duplicated columns) or zeros (all-zero A) as a success.
    A = matrix(letter, RANK_DEFICIENT[case])
    x = ls_operand(letter, kind, random_values(letter, max(A.dim(0), A.dim(1)), rng))
    before = snapshot(x.obj)
    with pytest.raises(RuntimeError) as error:
        kaldra.ls(A, x.obj)
    message = str(error.value)
    order = min(A.dim(0), A.dim(1))
    threshold = f"{rank_threshold(letter, order):.3g}"
    if case == "nearly-dependent":
        assert message == (
            NOT_FULL_RANK + "the reciprocal condition number of its triangular factor is 5e-21, "
            f"below the threshold {threshold} for its element type and order 2"
        )
    elif case == "all-zero":
        assert message == NOT_FULL_RANK + "diagonal element 0 of its triangular factor is zero"
        assert not flat(A, letter).any()  # the driver leaves an all-zero A as it is
    else:  # rounding decides whether the last diagonal element is exactly zero
        last = min(A.dim(0), A.dim(1)) - 1
        small = re.fullmatch(
            re.escape(NOT_FULL_RANK) + r"the reciprocal condition number of its triangular "
            r"factor is (\S+), below the threshold "
            + re.escape(threshold)
            + f" for its element type and order {order}",
            message,
        )
        assert message == NOT_FULL_RANK + f"diagonal element {last} of its triangular factor is zero" or (
            small and float(small.group(1)) < rank_threshold(letter, order)
        ), message
    assert snapshot(x.obj) == before
    assert x.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("rows", [3, 5])
def test_least_squares_solves_ill_conditioned_full_rank_systems(letter, rows):
    # Condition number 1e6 in single and 1e12 in double precision: solved, as accurately as that allows.
    condition = 1e6 if letter in "sc" else 1e12
    u, _ = np.linalg.qr(np.random.default_rng(rows).uniform(-1, 1, (rows, 3)))
    v, _ = np.linalg.qr(np.random.default_rng(10 + rows).uniform(-1, 1, (3, 3)))
    A_values = (u * [1, condition**-0.5, 1 / condition]) @ v.T * (0.6 + 0.8j if is_complex(letter) else 1)
    A_values = A_values.astype(DTYPES[letter])
    wide = reference(A_values, letter)
    assert np.linalg.cond(wide) == pytest.approx(condition, rel=0.2)
    solution = np.array([1.0, -2.0, 3.0])
    x = fill(cls(letter, "vec")(rows), (wide @ solution).astype(DTYPES[letter]))
    kaldra.ls(matrix(letter, A_values), x)
    error = np.abs(reference(flat(x, letter), letter)[:3] - solution).max()
    assert error <= condition * np.finfo(DTYPES[letter]).eps


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize(
    "rows, cols",
    [
        (1, 1),
        (10, 10),
        (11, 11),
        (12, 11),
        (11, 12),
        (32, 32),
        (40, 32),
        (32, 40),
        (33, 33),
        (45, 33),
        (33, 45),
        (3, 200),
        (200, 3),
    ],
)
@pytest.mark.parametrize("scale", ["one", "tiny", "huge"])
def test_least_squares_across_sizes_and_scales(letter, rows, cols, scale, rng):
    # Small systems are factored by the unblocked routines directly, larger ones and operands near the
    # ends of the exponent range (which need scaling) by the driver: the same solution and residual.
    real = np.float32 if letter in "sc" else np.float64
    exponent = {"one": 0, "tiny": np.finfo(real).minexp + 10, "huge": np.finfo(real).maxexp - 10}[scale]
    A_values = random_values(letter, rows * cols, rng).reshape(rows, cols)
    A_values += (4 * np.sqrt(max(rows, cols)) * np.eye(rows, cols)).astype(DTYPES[letter])
    A_scaled = (reference(A_values, letter) * 2.0**exponent).astype(DTYPES[letter])
    rhs = random_values(letter, rows, rng)
    x = kn.from_array(np.concatenate([rhs, np.zeros(max(0, cols - rows), DTYPES[letter])]))
    kaldra.ls(kn.from_array(A_scaled), x)
    got = reference(flat(x, letter), letter)
    # Scaled back by the same power of two, in double precision: exactly the system kaldra solved.
    wide = reference(A_scaled, letter) * 2.0**-exponent
    solution, *_ = np.linalg.lstsq(wide, reference(rhs, letter), rcond=None)
    assert_close(got[:cols] * 2.0**exponent, solution, letter)
    if rows > cols:
        residual = np.linalg.norm(wide @ solution - reference(rhs, letter)) ** 2
        assert_close(np.sum(np.abs(got[cols:rows]) ** 2), residual, letter)


# The relative error a full-rank solve may reach, as a multiple of condition number times eps (draws of
# sizes up to 50 stay below 1.5).
ERROR_FACTOR = 10


def bits(container, letter):
    """The container's elements bit for bit (a NaN equals nothing)."""
    return flat(container, letter).tobytes()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("value", [math.nan, math.inf, -math.inf], ids=["nan", "inf", "-inf"])
@pytest.mark.parametrize("where", ["A", "x"])
def test_least_squares_refuses_non_finite_operands(letter, kind, value, where, rng):
    # A NaN once reached the driver, which failed with a status; an infinity gave a rank refusal or NaN.
    A_values = random_values(letter, 3 * 2, rng).reshape(3, 2) + 3 * np.eye(3, 2)
    x_values = random_values(letter, 3, rng)
    if where == "A":
        A_values[2, 1] = value
        want = "In ls, matrix A has a NaN or infinite element at row 2, column 1"
    else:
        x_values[1] = value
        want = "In ls, vector x has a NaN or infinite element at index 1"
    A = matrix(letter, A_values)
    x = ls_operand(letter, kind, x_values)
    before = bits(A, letter), bits(x.obj, letter)
    with pytest.raises(RuntimeError) as error:
        kaldra.ls(A, x.obj)
    assert str(error.value) == want
    assert (bits(A, letter), bits(x.obj, letter)) == before
    assert x.sentinels_intact()


@pytest.mark.parametrize("letter", LETTERS)
def test_least_squares_ignores_what_x_holds_past_the_right_hand_side(letter):
    # With fewer rows than columns, x[m:n] does not enter the minimum-norm solution.
    x = fill(cls(letter, "vec")(2), np.array([2.0, math.nan]))
    kaldra.ls(matrix(letter, [[1, 1]]), x)
    assert flat(x, letter).tolist() == pytest.approx([1, 1])


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("rows", [1, 3])
def test_least_squares_without_columns_keeps_the_right_hand_side(letter, kind, rows, rng):
    # No unknowns: the solution is empty and b is its own residual (the driver alone would zero it).
    x = ls_operand(letter, kind, random_values(letter, rows, rng))
    before = bits(x.obj, letter)
    assert kaldra.ls(cls(letter, "mat")(rows, 0), x.obj) is None
    assert bits(x.obj, letter) == before
    assert x.sentinels_intact()


def orthonormal_columns(letter, rows, cols, rng):
    values = rng.standard_normal((rows, cols))
    if is_complex(letter):
        values = values + 1j * rng.standard_normal((rows, cols))
    q, _ = np.linalg.qr(values)
    return q


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("shape", ["tall", "wide"])
def test_least_squares_rank_rule_on_random_systems(letter, shape):
    # Exactly dependent columns (rows, for fewer rows than columns) leave a factor whose reciprocal
    # condition number is rounding noise, up to about 2.5 eps for the smallest orders: all refused.
    # Full rank with 2-norm condition number 1 / (80 eps): all solved, as accurately as that allows.
    rng = np.random.default_rng(20261210)
    eps = float(np.finfo(DTYPES[letter]).eps)
    tall = shape == "tall"
    for draw in range(150):
        order = int(rng.integers(2, 50))
        other = int(rng.integers(order if tall else order + 1, 51))
        construction = ("duplicate", "combination", "twice")[draw % 3]
        lines = exactly_dependent(letter, order, other, construction, rng)
        A = kn.from_array((lines if tall else lines.T).astype(DTYPES[letter]), cls(letter, "mat"))
        x = kn.from_array(random_values(letter, other, rng), cls(letter, "vec"))
        before = bits(x, letter)
        with pytest.raises(RuntimeError, match="^" + re.escape(NOT_FULL_RANK)):
            kaldra.ls(A, x)
        assert bits(x, letter) == before, (construction, A.dim(0), A.dim(1))
    condition = 1 / (80 * eps)
    for draw in range(60):
        order = int(rng.integers(2, 51))
        other = int(rng.integers(order if tall else order + 1, 52))
        rows, cols = (other, order) if tall else (order, other)
        U = orthonormal_columns(letter, rows, order, rng)
        V = orthonormal_columns(letter, cols, order, rng)
        # one small singular value, or singular values spread evenly on a log scale
        singular = np.ones(order) if draw % 2 else np.geomspace(1, 1 / condition, order)
        singular[-1] = 1 / condition
        A_values = ((U * singular) @ V.conj().T).astype(DTYPES[letter])
        solution = V @ grid_values(letter, order, rng)  # in the row space: the minimum-norm solution
        wide = reference(A_values, letter)
        x = kn.from_array(np.concatenate([wide @ solution, np.zeros(max(0, cols - rows))]).astype(DTYPES[letter]))
        kaldra.ls(kn.from_array(A_values), x)
        error = np.linalg.norm(reference(flat(x, letter), letter)[:cols] - solution) / np.linalg.norm(solution)
        assert error <= ERROR_FACTOR * condition * eps, (rows, cols, error / (condition * eps))


@pytest.mark.parametrize("letter", LETTERS)
def test_least_squares_leaves_the_residual_in_the_rest_of_x(letter, rng):
    # x[n:m] holds the residual of the equations, up to an orthogonal transformation: the sum of its
    # squared magnitudes is the residual sum of squares; x[m:] is not touched.
    A_values = random_values(letter, 5 * 2, rng).reshape(5, 2)
    rhs = random_values(letter, 5, rng)
    x = fill(cls(letter, "vec")(7), np.concatenate([rhs, np.array([7, 8], dtype=DTYPES[letter])]))
    kaldra.ls(matrix(letter, A_values), x)
    got = reference(flat(x, letter), letter)
    wide = reference(A_values, letter)
    solution, residual, *_ = np.linalg.lstsq(wide, reference(rhs, letter), rcond=None)
    assert_close(got[:2], solution, letter)
    assert_close(np.sum(np.abs(got[2:5]) ** 2), residual[0], letter)
    assert got[5:].tolist() == [7, 8]


# --- products whose term a*A*x is empty ----------------------------------------------------------------

POISON = [math.nan, math.inf, -math.inf]


def poisoned(letter, rows, cols, rng):
    values = random_values(letter, rows * cols, rng)
    values[: min(3, values.size)] = POISON[: min(3, values.size)]
    rng.shuffle(values)
    return matrix(letter, values.reshape(rows, cols))


def scaled_exactly(b, values):
    """b * values as a product routine writes it: exact zeros for b = 0, whatever values hold."""
    if b == 0:
        return np.zeros_like(values)
    with np.errstate(invalid="ignore"):
        return b * values


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("b", [0, 1, -2.5, math.nan])
@pytest.mark.parametrize(
    "a, inner",
    [(0, 3), (-0.0, 3), (math.nan, 0), (math.inf, 0), (-math.inf, 0)],
    ids=["a=0", "a=-0", "no-inner-a=nan", "no-inner-a=inf", "no-inner-a=-inf"],
)
def test_gemv_and_gemm_without_a_product_term_read_neither_factor(letter, b, a, inner, rng):
    # Real gemm read A and X when a was 0 (a NaN or inf in them gave NaN), and applied a NaN a to the
    # empty sum of an empty inner dimension; the result is b*y for every element type.
    y_values = np.array([1.0, -2.0, 0.0])
    A, x = poisoned(letter, 3, inner, rng), fill(cls(letter, "vec")(inner), np.full(inner, math.inf))
    y = fill(cls(letter, "vec")(3), y_values)
    assert kaldra.gemv(scalar(letter, a), scalar(letter, b), A, x, y) is y
    np.testing.assert_array_equal(flat(y, letter), scaled_exactly(b, y_values).astype(DTYPES[letter]))

    X = poisoned(letter, inner, 2, rng)
    Y = matrix(letter, np.array([[1.0, 4.0], [-2.0, 0.5], [0.0, 3.0]]))
    before = to_array(Y, letter)
    assert kaldra.gemm(scalar(letter, a), scalar(letter, b), A, X, Y) is Y
    np.testing.assert_array_equal(to_array(Y, letter), scaled_exactly(b, before))


@pytest.mark.parametrize("letter", LETTERS)
def test_products_with_zero_b_and_zero_factor_write_exact_zeros(letter, rng):
    A, x = poisoned(letter, 2, 2, rng), fill(cls(letter, "vec")(2), np.array([math.nan, 1.0]))
    y = fill(cls(letter, "vec")(2), np.array([math.inf, math.nan]))
    kaldra.gemv(scalar(letter, 0), scalar(letter, 0), A, x, y)
    assert flat(y, letter).tolist() == [0, 0]
    Y = matrix(letter, [[math.nan, math.inf], [1, -math.inf]])
    kaldra.gemm(scalar(letter, 0), scalar(letter, 0), A, poisoned(letter, 2, 2, rng), Y)
    assert to_array(Y, letter).tolist() == [[0, 0], [0, 0]]


# --- level-1 operands that overlap ---------------------------------------------------------------------

SHIFTS = [(0, 1, 4), (1, 0, 4), (0, 2, 3), (3, 0, 2), (0, 1, 20), (1, 0, 20), (0, 7, 14), (7, 0, 14)]


@pytest.mark.parametrize("operation", ["copy", "sum", "axpy"])
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("x_start, y_start, n", SHIFTS, ids=[f"x{a}-y{b}-n{n}" for a, b, n in SHIFTS])
def test_level1_operands_overlapping_shifted_read_x_as_before(operation, letter, x_start, y_start, n):
    # copy(u[0:4], u[1:5]) of u = [0, 1, 2, 3, 4] gave [0, 0, 1, 1, 3]: the routine read elements it
    # had already written. x is read as it was before the call, either way round.
    size = max(x_start, y_start) + n
    u = fill(cls(letter, "vec")(size), np.arange(size, dtype=float) - 3.5)
    before = reference(flat(u, letter), letter)
    x, y = u[x_start : x_start + n], u[y_start : y_start + n]
    a = scalar(letter, A_FACTOR)
    result = kaldra.axpy(a, x, y) if operation == "axpy" else getattr(kaldra, operation)(x, y)
    assert result is y
    expected = before.copy()
    old_x, old_y = before[x_start : x_start + n], before[y_start : y_start + n]
    expected[y_start : y_start + n] = {"copy": old_x, "sum": old_x + old_y, "axpy": a * old_x + old_y}[operation]
    assert_close(reference(flat(u, letter), letter), expected, letter)
    if operation == "copy":
        assert (reference(flat(u, letter), letter) == expected).all()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("x_range, y_range", [((0, 4), (1, 5)), ((1, 5), (0, 4)), ((0, 3), (2, 6)), ((2, 6), (0, 6))])
def test_swap_of_runs_sharing_some_elements_is_refused(letter, x_range, y_range):
    u = fill(cls(letter, "vec")(6), np.arange(6.0))
    x, y = u[x_range[0] : x_range[1]], u[y_range[0] : y_range[1]]
    with pytest.raises(RuntimeError) as error:
        kaldra.swap(x, y)
    assert str(error.value) == "In swap, vectors x and y share some but not all of their elements"
    assert flat(u, letter).tolist() == list(range(6))
    # The same run, or a y that starts at x's first element, is swapped with itself: nothing changes.
    kaldra.swap(u[1:4], u[1:4])
    kaldra.swap(u[1:4], u[1:6])
    assert flat(u, letter).tolist() == list(range(6))
