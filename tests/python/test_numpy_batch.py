"""kaldra_numpy's batched operations: gemm_batch, gemv_batch and ls_batch on stacked arrays, against NumPy and
against kaldra's own gemm and ls problem by problem; refusals that name the operand and write nothing."""

import numpy as np
import pytest

import kaldra
import kaldra_numpy as kn
from conftest import DTYPES, LETTERS, RTOL, cls, matrix, to_array

EPS = {letter: np.finfo(DTYPES[letter]).eps for letter in LETTERS}


def stack(rng, letter, shape, order="C", integers=False):
    """A stack of shape (count, rows, cols) (or any shape) in C order, or with each matrix in Fortran order
    ("F": the matrices one after another, as numpy.swapaxes of a C-contiguous stack gives them)."""
    if integers:
        values = rng.integers(-4, 5, shape).astype(np.float64)
        if letter in "cz":
            values = values + 1j * rng.integers(-4, 5, shape)
    else:
        values = rng.uniform(-1, 1, shape)
        if letter in "cz":
            values = values + 1j * rng.uniform(-1, 1, shape)
    values = values.astype(DTYPES[letter])
    if order == "F" and values.ndim >= 2:
        return np.ascontiguousarray(values.swapaxes(-1, -2)).swapaxes(-1, -2)
    return np.ascontiguousarray(values)


def scalars(letter):
    return (0.5 - 0.25j, 1.5 + 0.5j) if letter in "cz" else (0.5, 1.5)


def gemm_reference(a, b, A, X, Y):
    """The product in higher precision, rounded once: a reference independent of the routines' order."""
    wide = np.complex256 if np.iscomplexobj(Y) else np.float128
    return (a * (A.astype(wide) @ X.astype(wide)) + b * Y.astype(wide)).astype(Y.dtype)


SIZES = [(1, 1, 1), (4, 4, 4), (3, 2, 4), (2, 4, 1), (7, 5, 6), (16, 3, 9)]


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("m, k, n", SIZES)
@pytest.mark.parametrize("orders", ["CCC", "FFF", "CFC", "FCF", "FFC", "CCF"])
@pytest.mark.parametrize("shared", ["", "A", "X"])
def test_gemm_batch_computes_every_product(rng, letter, m, k, n, orders, shared):
    count = 5
    a, b = scalars(letter)
    A = stack(rng, letter, (m, k) if shared == "A" else (count, m, k), orders[0])
    X = stack(rng, letter, (k, n) if shared == "X" else (count, k, n), orders[1])
    Y = stack(rng, letter, (count, m, n), orders[2])
    expected = gemm_reference(a, b, A, X, Y)
    assert kn.gemm_batch(a, b, A, X, Y) is Y
    np.testing.assert_allclose(Y, expected, rtol=RTOL[letter], atol=RTOL[letter])


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("m, k, n", [(4, 4, 4), (1, 1, 1), (3, 4, 2), (4, 1, 3), (2, 3, 4)])
@pytest.mark.parametrize("orders", ["CCC", "FFF", "CFF", "FCC"])
@pytest.mark.parametrize("b", [0.0, 1.0, -2.0])
def test_small_products_agree_with_the_routine(rng, letter, m, k, n, orders, b):
    """Up to 4 x 4 gemm_batch runs a kernel of its own: on integers (exact in every order) it gives kaldra.gemm's
    result bit for bit, and on random values the same to the last unit in the last place of the terms' size."""
    a = scalars(letter)[0]
    for integers in (True, False):
        A = stack(rng, letter, (6, m, k), orders[0], integers)
        X = stack(rng, letter, (6, k, n), orders[1], integers)
        Y = stack(rng, letter, (6, m, n), orders[2], integers)
        routine = []
        for p in range(6):
            y = matrix(letter, Y[p])
            kaldra.gemm(a, b, matrix(letter, A[p]), matrix(letter, X[p]), y)
            routine.append(to_array(y, letter))
        size = abs(a) * (np.abs(A) @ np.abs(X)) + abs(b) * np.abs(Y)
        kn.gemm_batch(a, b, A, X, Y)
        if integers:
            np.testing.assert_array_equal(Y, routine)
        else:
            assert (np.abs(Y - np.array(routine)) <= 2 * EPS[letter] * size).all()


@pytest.mark.parametrize("letter", LETTERS)
def test_gemm_batch_factors_follow_gemm(rng, letter):
    A, X = stack(rng, letter, (3, 2, 2)), stack(rng, letter, (3, 2, 2))
    A[0, 0, 0] = np.nan
    Y = np.full((3, 2, 2), np.nan, DTYPES[letter])
    kn.gemm_batch(0.0, 0.0, A, X, Y)  # a = 0 reads neither A nor X; b = 0 writes zeros over NaN
    assert (Y == 0).all() and not np.signbit(Y.real).any()
    Y[...] = np.nan
    A[0, 0, 0] = 1
    kn.gemm_batch(1.0, 0.0, A, X, Y)
    np.testing.assert_allclose(Y, A @ X, rtol=RTOL[letter])
    kn.gemm_batch(1.0, np.nan, A, X, Y)  # a NaN b is NaN, whatever the routine makes of it
    assert np.isnan(Y).all()
    Y = np.ones((3, 2, 2), DTYPES[letter])
    kn.gemm_batch(1.0, 2.0, np.zeros((3, 2, 0), DTYPES[letter]), np.zeros((3, 0, 2), DTYPES[letter]), Y)
    assert (Y == 2).all()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("size", [2, 6])
def test_gemm_batch_reads_inputs_as_they_were_when_y_is_one_of_them(rng, letter, size):
    A = stack(rng, letter, (3, size, size))
    X = stack(rng, letter, (3, size, size))
    expected = A @ X + A
    kn.gemm_batch(1.0, 1.0, A, X, A)  # Y is A itself
    np.testing.assert_allclose(A, expected, rtol=RTOL[letter] * 10, atol=RTOL[letter] * 10)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("shared", ["", "A", "x", "Ax"])
@pytest.mark.parametrize("order", "CF")
@pytest.mark.parametrize("m, n", [(3, 4), (1, 1), (9, 7)])
def test_gemv_batch_computes_every_product(rng, letter, shared, order, m, n):
    count = 4
    a, b = scalars(letter)
    A = stack(rng, letter, (m, n) if "A" in shared else (count, m, n), order)
    x = stack(rng, letter, (n,) if "x" in shared else (count, n))
    y = stack(rng, letter, (count, m))
    expected = a * np.einsum("...ij,...j->...i", A, np.broadcast_to(x, (count, n))) + b * y
    assert kn.gemv_batch(a, b, A, x, y) is y
    np.testing.assert_allclose(y, expected, rtol=RTOL[letter], atol=RTOL[letter])


def kaldra_ls(letter, A, b):
    """kaldra.ls on one problem: the solution vector and the factorization, or the refusal's message."""
    M, x = matrix(letter, A), kaldra.vecd(0)
    x = cls(letter, "vec")(len(b))
    kn.assign(x, np.ascontiguousarray(b))
    try:
        kaldra.ls(M, x)
    except RuntimeError as error:
        return str(error), to_array(M, letter), kn.asarray(x).copy()
    return None, to_array(M, letter), kn.asarray(x).copy()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("m, n", [(64, 4), (3, 3), (2, 5), (40, 33), (5, 0), (0, 3), (1, 1)])
@pytest.mark.parametrize("order", "CF")
def test_ls_batch_solves_as_ls_does(rng, letter, m, n, order):
    """Every problem bit for bit as kaldra.ls solves it, the factorization in A too, whatever A's order."""
    count = 3
    A = stack(rng, letter, (count, m, n), order)
    B = stack(rng, letter, (count, max(m, n) + 1))
    expected = [kaldra_ls(letter, A[p], B[p]) for p in range(count)]
    status = kn.ls_batch(A, B)
    assert status.dtype == np.int8 and status.shape == (count,) and (status == 0).all()
    for p, (refusal, factored, solution) in enumerate(expected):
        assert refusal is None
        np.testing.assert_array_equal(A[p], factored)
        np.testing.assert_array_equal(B[p], solution)


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("order", "CF")
def test_ls_batch_refuses_problem_by_problem(rng, letter, order):
    """A refused problem gets its status and NaN as its solution; its A is as ls leaves it; the others are solved."""
    A = stack(rng, letter, (5, 6, 3), order)
    B = stack(rng, letter, (5, 6))
    A[1, 2, 1] = np.inf
    B[2, 5] = np.nan
    A[3, :, 2] = 2 * A[3, :, 0]  # dependent columns
    B[4, 0] = np.nan  # past the solution but in the right-hand side
    before_A, before_B = A.copy(), B.copy()
    expected = [kaldra_ls(letter, before_A[p], before_B[p]) for p in range(5)]
    status = kn.ls_batch(A, B)
    np.testing.assert_array_equal(status, [0, 1, 2, 3, 2])
    for p in (1, 2, 4):
        np.testing.assert_array_equal(A[p], before_A[p])  # refused before anything was written
    np.testing.assert_array_equal(A[3], expected[3][1])  # the factorization ls leaves
    assert expected[3][0].startswith("In ls, matrix A does not have full rank")
    for p in (1, 2, 3, 4):
        assert np.isnan(B[p, :3]).all()
        np.testing.assert_array_equal(B[p, 3:], before_B[p, 3:])
    np.testing.assert_array_equal(A[0], expected[0][1])
    np.testing.assert_array_equal(B[0], expected[0][2])


def test_ls_batch_of_no_columns_keeps_b_and_of_no_problems_returns_an_empty_status():
    B = np.arange(6.0).reshape(2, 3)
    assert (kn.ls_batch(np.zeros((2, 3, 0)), B) == 0).all()
    np.testing.assert_array_equal(B, np.arange(6.0).reshape(2, 3))
    assert kn.ls_batch(np.zeros((0, 4, 2)), np.zeros((0, 4))).shape == (0,)


def test_ls_batch_keeps_the_digits_the_normal_equations_lose():
    """A polynomial fit of condition number 3.6e6: the normal equations square it and lose most digits."""
    t = np.linspace(0, 1, 64)
    V = np.vander(t, 10, increasing=True)
    coefficients = (-1.0) ** np.arange(10) * np.arange(1, 11)
    A = np.broadcast_to(V, (8, 64, 10)).copy()
    B = np.broadcast_to(V @ coefficients, (8, 64)).copy()
    normal = np.linalg.solve(A.swapaxes(1, 2) @ A, (A.swapaxes(1, 2) @ B[..., None]))[..., 0]
    assert (kn.ls_batch(A, B) == 0).all()
    assert np.abs(B[:, :10] - coefficients).max() < 1e-8
    assert np.abs(normal - coefficients).max() > 1e-5


def bad_calls():
    """(call, exception, message) for refused calls, each on fresh operands."""
    d = np.float64

    def g(**changes):
        args = {
            "a": 1.0,
            "b": 0.0,
            "A": np.ones((2, 3, 4)),
            "X": np.ones((2, 4, 5)),
            "Y": np.ones((2, 3, 5)),
        }
        args.update(changes)
        return lambda: kn.gemm_batch(args["a"], args["b"], args["A"], args["X"], args["Y"])

    def v(**changes):
        args = {"a": 1.0, "b": 0.0, "A": np.ones((2, 3, 4)), "x": np.ones((2, 4)), "y": np.ones((2, 3))}
        args.update(changes)
        return lambda: kn.gemv_batch(args["a"], args["b"], args["A"], args["x"], args["y"])

    def ls(**changes):
        args = {"A": np.ones((2, 3, 2)), "B": np.ones((2, 3))}
        args.update(changes)
        return lambda: kn.ls_batch(args["A"], args["B"])

    readonly = np.ones((2, 3, 5))
    readonly.flags.writeable = False
    unaligned = np.frombuffer(bytearray(2 * 3 * 5 * 8 + 1), dtype=d, offset=1, count=30).reshape(2, 3, 5)
    shared = np.ones((2, 3, 2))
    prefix = "In gemm_batch, "
    return [
        (g(A=[[1.0]]), TypeError, prefix + "array A is an object of type list, not a numpy.ndarray"),
        (g(X=np.ones((2, 4, 5), np.int64)), TypeError, prefix + "array X has dtype int64 but array A has float64"),
        (g(A=np.ones((2, 3, 4), np.int32)), TypeError, prefix + "array A has dtype int32; expected float32"),
        (g(Y=np.ones((2, 3, 5), ">f8")), TypeError, prefix + "array Y has dtype >f8 but array A has float64"),
        (g(Y=np.ones((3, 5))), ValueError, prefix + r"array Y has 2 dimensions; expected 3 \(a stack of matrices\)$"),
        (g(A=np.ones(3)), ValueError, prefix + r"array A has 1 dimensions; expected 3 .* or 2 \(one matrix for"),
        (g(A=np.ones((3, 3, 4))), ValueError, prefix + "array A holds 3 problems .* but array Y holds 2"),
        (
            g(A=np.ones((2, 4, 4))),
            ValueError,
            r"In gemm_batch expression Y\[k\] = aA\[k\]X\[k\] \+ bY\[k\], array A dimension 1: 4, doesn't match "
            "array Y dimension 1: 3",
        ),
        (g(X=np.ones((4, 6))), ValueError, "array X dimension 1: 6, doesn't match array Y dimension 2: 5"),
        (g(A=np.ones((2, 3, 3))), ValueError, "array A dimension 2: 3, doesn't match array X dimension 1: 4"),
        (g(A=np.ones((2, 3, 8))[:, :, ::2]), ValueError, prefix + r"array A has strides \(192, 64, 16\): each"),
        (g(Y=np.ones((5, 3, 2)).T), ValueError, prefix + "array Y has strides"),
        (g(Y=readonly), ValueError, prefix + "array Y is read-only"),
        (g(Y=unaligned), ValueError, prefix + "array Y is not aligned to its element size"),
        (g(a=1j), TypeError, prefix + "a is a complex number, and arrays of dtype float64 hold real numbers"),
        (g(b="1"), TypeError, prefix + "b must be a real number, not str"),
        (
            g(
                a=1j,
                b=None,
                A=np.ones((2, 3, 4), np.complex64),
                X=np.ones((2, 4, 5), np.complex64),
                Y=np.ones((2, 3, 5), np.complex64),
            ),
            TypeError,
            prefix + "b must be a number, not NoneType",
        ),
        (v(x=np.ones((2, 5))), ValueError, "array A dimension 2: 4, doesn't match array x dimension 1: 5"),
        (v(y=np.ones((2, 4))), ValueError, "array A dimension 1: 3, doesn't match array y dimension 1: 4"),
        (v(x=np.ones((3, 4))), ValueError, "In gemv_batch, array x holds 3 problems"),
        (v(y=np.ones((2, 3, 1))), ValueError, r"In gemv_batch, array y has 3 dimensions; expected 2 \(a stack of"),
        (ls(B=np.ones((3, 3))), ValueError, "In ls_batch, array B holds 3 problems .* but array A holds 2"),
        (ls(B=np.ones((2, 2))), ValueError, "In ls_batch, array B has 2 elements per problem .* fewer than the 3"),
        (
            ls(A=np.ones((3, 2))),
            ValueError,
            r"In ls_batch, array A has 2 dimensions; expected 3 \(a stack of matrices\)$",
        ),
        (ls(A=shared, B=shared[:, :, 0]), ValueError, "In ls_batch, array B has strides"),
        (ls(A=shared, B=shared.reshape(2, 6)), ValueError, "In ls_batch, array B shares memory with array A"),
        (ls(A=np.ones((2, 3, 2), np.complex128)), TypeError, "In ls_batch, array B has dtype float64 but array A has"),
    ]


@pytest.mark.parametrize("call, error, message", bad_calls())
def test_refused_calls_name_the_operand_and_write_nothing(call, error, message):
    arrays = [cell.cell_contents for cell in call.__closure__ or () if isinstance(cell.cell_contents, dict)]
    before = {
        name: value.copy()
        for args in arrays
        for name, value in args.items()
        if isinstance(value, np.ndarray) and value.flags.writeable
    }
    with pytest.raises(error, match=message):
        call()
    for args in arrays:
        for name, value in before.items():
            np.testing.assert_array_equal(args[name], value, err_msg=name)


class CallbackArray(np.ndarray):
    """An array whose buffer is acquired through Python code that first runs `self.callback`."""

    def __buffer__(self, flags):
        self.callback()
        return memoryview(self.view(np.ndarray))


class Reentrant:
    """A number whose conversion runs Python code (which raises)."""

    def __init__(self, raised):
        self.raised = raised

    def __float__(self):
        raise self.raised("from __float__")


@pytest.mark.parametrize("raised", [KeyboardInterrupt, ValueError])
def test_exceptions_of_python_code_go_through_and_nothing_is_written(raised):
    Y = np.ones((2, 2, 2))
    source = np.ones((2, 2, 2)).view(CallbackArray)
    source.callback = lambda: (_ for _ in ()).throw(raised("from the callback"))
    with pytest.raises(raised, match="^from the callback$"):
        kn.gemm_batch(1.0, 0.0, source, np.ones((2, 2, 2)), Y)
    with pytest.raises(raised, match="^from __float__$"):
        kn.gemm_batch(Reentrant(raised), 0.0, np.ones((2, 2, 2)), np.ones((2, 2, 2)), Y)
    A = np.ones((2, 2, 2))
    B = np.ones((2, 2)).view(CallbackArray)
    B.callback = source.callback
    with pytest.raises(raised, match="^from the callback$"):
        kn.ls_batch(A, B)
    assert (Y == 1).all() and (A == 1).all() and (np.asarray(B) == 1).all()


def test_a_writable_array_of_a_subclass_is_written_in_place():
    Y = np.zeros((2, 2, 2)).view(CallbackArray)
    Y.callback = lambda: None
    assert kn.gemm_batch(1.0, 0.0, np.ones((2, 2, 2)), np.ones((2, 2, 2)), Y) is Y
    assert (np.asarray(Y) == 2).all()
