"""Every error message the documentation quotes is the one kaldra gives: the README's and docs/'s error
tables (the backticked text of their "Message", "Last line" and "Example text" columns) and the double-quoted
text of the stub docstrings. Each quote is triggered here and compared with what was raised, so a quote of a
message kaldra no longer gives fails instead of misleading a reader."""

import ast
import pathlib
import pickle
import re

import numpy as np
import pytest

import kaldra
import kaldra_numpy as kn

ROOT = pathlib.Path(__file__).resolve().parents[2]
PAGES = [ROOT / "README.md", *sorted((ROOT / "docs").glob("*.md"))]
STUBS = [ROOT / "src" / "stubs" / f"{name}.pyi" for name in ("kaldra", "kaldra_numpy")]
MESSAGE_COLUMNS = ("Message", "Last line", "Example text")


def table_quotes(page):
    """The backticked text of the message columns of every table of a page."""
    quotes, columns = set(), None
    for line in page.read_text().splitlines():
        if not line.startswith("|"):
            columns = None
            continue
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if columns is None:  # the header row
            columns = [k for k, cell in enumerate(cells) if cell.startswith(MESSAGE_COLUMNS)]
        elif not set(line) <= set("|-: "):  # not the delimiter row
            for k in columns:
                quotes.update(re.findall(r"`([^`]+)`", cells[k]))
    return quotes


def docstring_quotes(stub):
    """The double-quoted text of every docstring of a stub, with the refilled lines joined again."""
    quotes = set()
    for node in ast.walk(ast.parse(stub.read_text())):
        if isinstance(node, ast.Module | ast.ClassDef | ast.FunctionDef) and ast.get_docstring(node):
            quotes.update(re.findall(r'"([^"]+)"', " ".join(ast.get_docstring(node).split())))
    return quotes


def quoted():
    return set().union(*map(table_quotes, PAGES), *map(docstring_quotes, STUBS))


# Quoted text that is not a message: code in a message column, and what print shows (test_containers.py).
NOT_MESSAGES = {
    "dim",
    "list(A)",
    "x[i] = 1j",
    "Column vector of size: n",
    "Matrix of size: (r, c)",
    "[element]",
    "[e0, e1, ...]",
    "...",
}

# Messages the test process cannot produce, and where they are checked instead.
ELSEWHERE = {
    "kaldra_numpy needs NumPy; install it with: pip install 'kaldra[numpy]'": "test_numpy_interop.py, without NumPy",
    "Python version mismatch: module was compiled for Python 3.12, but the interpreter version is ...": (
        "test_module.py: another interpreter"
    ),
    "range start 3 lies after range end 1": "tests/cpp: Python's slices clamp their bounds instead",
    # An operand of 2^31 elements (16 GiB) gets there: the shape checks come first.
    "In gemv, matrix A dimension 0: m exceeds the largest dimension BLAS accepts, 2147483647": "tests/cpp/gemv_test",
    "In ls, matrix A dimension 0: m exceeds the largest dimension BLAS accepts, 2147483647": "tests/cpp/ls_test",
}

v, s, z = kaldra.vecd(3), kaldra.vecs(3), kaldra.vecz(3)
A = kaldra.matd(2, 3)
BEYOND_BLAS = (kaldra.matd(2**31, 0), kaldra.matd(0, 0), kaldra.matd(2**31, 0))  # no elements


def matrix(rows):
    M = kaldra.matd(len(rows), len(rows[0]))
    for i, row in enumerate(rows):
        for j, value in enumerate(row):
            M[i, j] = value
    return M


def vector(values):
    x = kaldra.vecd(len(values))
    for k, value in enumerate(values):
        x[k] = value
    return x


def assign(container, index, value):
    container[index] = value


def rebind_class():
    x = kaldra.vecd(1)
    x.__class__ = kaldra.vecs


def import_in_a_subinterpreter():
    import _xxsubinterpreters as interpreters

    interpreter = interpreters.create(isolated=False)
    try:
        interpreters.run_string(interpreter, "import kaldra")
    except interpreters.RunFailedError as error:
        kind, _, message = str(error).partition(": ")
        assert kind == "<class 'ImportError'>"
        raise ImportError(message) from None
    finally:
        interpreters.destroy(interpreter)


# (quote, exception, call, {placeholder of the quote: its value in this call}); where the quote is only the
# end of the message (a docstring quotes the beginning separately), the placeholders hold END: True.
END = "end"
MESSAGES = [
    # containers and indices
    ("index 3 exceeds max number of elements 3", kaldra.OutOfRangeError, lambda: v[3], {}),
    ("index 5 exceeds max number of elements 3", kaldra.OutOfRangeError, lambda: v[5], {}),
    ("index i exceeds max number of elements n", kaldra.OutOfRangeError, lambda: v[3], {"i": "3", "n": "3"}),
    ("requested array index 6exceeds max number of elements 6", kaldra.OutOfRangeError, lambda: A[0, 3], {}),
    (
        "requested array index Lexceeds max number of elements N",
        kaldra.OutOfRangeError,
        lambda: A[0, 3],
        {"Lexceeds": "6exceeds", "N": "6"},
    ),
    (
        "index for dimension 02exceeds max number of elements for that dimension 2",
        kaldra.OutOfRangeError,
        lambda: A[2, 0],
        {},
    ),
    (
        "index for dimension 0Iexceeds max number of elements for that dimension R",
        kaldra.OutOfRangeError,
        lambda: A[2, 0],
        {"0Iexceeds": "02exceeds", "R": "2"},
    ),
    ("__getitem__(): incompatible function arguments. ...", TypeError, lambda: v[-1], {}),
    ("the index is negative: ...", TypeError, lambda: v[-1], {}),
    ("stepsizes larger than 1 invalid for vector", RuntimeError, lambda: v[::2], {}),
    ("dimension 1 invalid for vector", RuntimeError, lambda: v.dim(1), {}),
    ("dimension idx invalid for vector", RuntimeError, lambda: v.dim(1), {"idx": "1"}),
    ("dimension idx invalid for matrix", RuntimeError, lambda: A.dim(2), {"idx": "2"}),
    ("kaldra.viewd: No constructor defined!", TypeError, lambda: kaldra.viewd(), {}),
    (
        "a view has no constructor: slice a vector or a view, as in x[1:3]",
        TypeError,
        lambda: kaldra.viewd(),
        {},
    ),
    ("__init__(): incompatible constructor arguments. ...", TypeError, lambda: kaldra.vecd(-1), {}),
    ("the size is negative: ...", TypeError, lambda: kaldra.vecd(-1), {}),
    (
        "matrix of size (4294967296, 4294967296) has more elements than a size_t can count",
        OverflowError,
        lambda: kaldra.matd(2**32, 2**32),
        {},
    ),
    (
        "matrix of size (18446744073709551615, 2) has more elements than a size_t can count",
        OverflowError,
        lambda: kaldra.matd(2**64 - 1, 2),
        {},
    ),
    (
        "matrix of size (r, c) has more elements than a size_t can count",
        OverflowError,
        lambda: kaldra.matd(2**33, 2**31),
        {"r": "8589934592", "c": "2147483648"},
    ),
    ("std::bad_alloc", MemoryError, lambda: kaldra.vecd(2**59), {}),
    ("object of type 'kaldra.vecd' has no len()", TypeError, lambda: len(v), {}),
    ("cannot pickle 'kaldra.vecd' object", TypeError, lambda: pickle.dumps(v), {}),
    ("__class__ assignment: 'kaldra.vecs' object layout differs from 'kaldra.vecd'", TypeError, rebind_class, {}),
    # operations
    (
        "dot(): incompatible function arguments. The following argument types are supported: ...",
        TypeError,
        lambda: kaldra.dot(v, s),
        {},
    ),
    ("Invoked with: ...", TypeError, lambda: kaldra.dot(v, s), {}),
    (
        "In sum, vector y has 2 elements, fewer than the 3 elements of vector x",
        RuntimeError,
        lambda: kaldra.sum(v, kaldra.vecd(2)),
        {},
    ),
    *[
        (
            f"In {name}, vector y has N elements, fewer than the M elements of vector x",
            RuntimeError,
            call,
            {"N": "2", "M": "3"},
        )
        for name, call in [
            ("sum", lambda: kaldra.sum(v, kaldra.vecd(2))),
            ("axpy", lambda: kaldra.axpy(1.0, v, kaldra.vecd(2))),
            ("copy", lambda: kaldra.copy(v, kaldra.vecd(2))),
            ("swap", lambda: kaldra.swap(v, kaldra.vecd(2))),
            ("dot", lambda: kaldra.dot(v, kaldra.vecd(2))),
            ("hdot", lambda: kaldra.hdot(z, kaldra.vecz(2))),
        ]
    ],
    (
        "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 4",
        RuntimeError,
        lambda: kaldra.gemv(1.0, 0.0, A, kaldra.vecd(4), kaldra.vecd(2)),
        {},
    ),
    (
        "In gemv expression y = aAx + by, ...",
        RuntimeError,
        lambda: kaldra.gemv(1.0, 0.0, A, kaldra.vecd(4), kaldra.vecd(2)),
        {},
    ),
    (
        "matrix A dimension 1: n, doesn't match vector x dimension 0: k",
        RuntimeError,
        lambda: kaldra.matvec(A, kaldra.vecd(4), kaldra.vecd(2)),
        {"n": "3", "k": "4", END: True},
    ),
    (
        "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
        RuntimeError,
        lambda: kaldra.gemv(1.0, 0.0, A, v, kaldra.vecd(5)),
        {"m": "2", "k": "5", END: True},
    ),
    ("In gemv expression y = aAx + by, A must be a matrix", RuntimeError, lambda: kaldra.gemv(1.0, 0.0, v, v, v), {}),
    ("A must be a matrix", RuntimeError, lambda: kaldra.matvec(v, v, v), {END: True}),
    (
        "In gemv expression y = aAx + by, matrix x has 3 rows but no columns",
        RuntimeError,
        lambda: kaldra.gemv(1.0, 0.0, A, kaldra.matd(3, 0), kaldra.vecd(2)),
        {},
    ),
    (
        "... matrix x has 3 rows but no columns",
        RuntimeError,
        lambda: kaldra.gemv(1.0, 0.0, A, kaldra.matd(3, 0), kaldra.vecd(2)),
        {},
    ),
    (
        "matrix y has m rows but no columns",
        RuntimeError,
        lambda: kaldra.gemv(1.0, 0.0, A, v, kaldra.matd(2, 0)),
        {"m": "2", END: True},
    ),
    (
        "In gemm expression Y = aAX + bY, matrix A dimension 1: 3, doesn't match matrix X dimension 0: 2",
        RuntimeError,
        lambda: kaldra.gemm(1.0, 0.0, A, kaldra.matd(2, 2), kaldra.matd(2, 2)),
        {},
    ),
    (
        "In gemm expression Y = aAX + bY, matrix A dimension 0: m, doesn't match matrix Y dimension 0: r",
        RuntimeError,
        lambda: kaldra.matmul(A, kaldra.matd(3, 2), kaldra.matd(3, 2)),
        {"m": "2", "r": "3"},
    ),
    (
        "In gemm, matrix A dimension 0: 2147483648 exceeds the largest dimension BLAS accepts, 2147483647",
        RuntimeError,
        lambda: kaldra.gemm(1.0, 0.0, *BEYOND_BLAS),
        {},
    ),
    (
        "In gemm, matrix A dimension 0: m exceeds the largest dimension BLAS accepts, 2147483647",
        RuntimeError,
        lambda: kaldra.matmul(*BEYOND_BLAS),
        {"m": "2147483648"},
    ),
    (
        "In swap, vectors x and y share some but not all of their elements",
        RuntimeError,
        lambda: kaldra.swap(v[0:2], v[1:3]),
        {},
    ),
    (
        "In ls, vector x has 2 elements, fewer than the 3 that matrix A of size (3, 2) requires",
        RuntimeError,
        lambda: kaldra.ls(kaldra.matd(3, 2), kaldra.vecd(2)),
        {},
    ),
    (
        "In ls, vector x has N elements, fewer than the K that matrix A of size (m, n) requires",
        RuntimeError,
        lambda: kaldra.ls(kaldra.matd(2, 4), kaldra.vecd(3)),
        {"N": "3", "K": "4", "m": "2", "n": "4"},
    ),
    ("In ls, vector x shares elements with matrix A", RuntimeError, lambda: kaldra.ls(A, A), {}),
    (
        "In ls, matrix A does not have full rank: diagonal element 1 of its triangular factor is zero",
        RuntimeError,
        # the first column is the first unit vector, so the factor is A itself
        lambda: kaldra.ls(matrix([[1, 2], [0, 0], [0, 0]]), kaldra.vecd(3)),
        {},
    ),
    (
        "In ls, matrix A does not have full rank: the reciprocal condition number of its triangular factor is "
        "2.92e-17, below the threshold 1.03e-15 for its element type and order 3",
        RuntimeError,
        lambda: kaldra.ls(matrix([[1, 0, 0], [0, 1, 0], [0, 0, 2.92e-17]]), kaldra.vecd(3)),
        {},
    ),
    (
        "In ls, matrix A does not have full rank: ...",
        RuntimeError,
        lambda: kaldra.ls(kaldra.matd(2, 2), kaldra.vecd(2)),
        {},
    ),
    (
        "In ls, matrix A has a NaN or infinite element at row 2, column 1",
        RuntimeError,
        lambda: kaldra.ls(matrix([[1, 0], [0, 1], [0, float("nan")]]), kaldra.vecd(3)),
        {},
    ),
    (
        "In ls, matrix A has a NaN or infinite element at row i, column j",
        RuntimeError,
        lambda: kaldra.ls(matrix([[1, float("inf")], [0, 1], [0, float("nan")]]), kaldra.vecd(3)),
        {"i": "0", "j": "1"},
    ),
    (
        "In ls, vector x has a NaN or infinite element at index 1",
        RuntimeError,
        lambda: kaldra.ls(matrix([[1, 0], [0, 1], [1, 1]]), vector([0, float("inf"), 0])),
        {},
    ),
    (
        "In ls, vector x has a NaN or infinite element at index i",
        RuntimeError,
        lambda: kaldra.ls(matrix([[1, 0, 0], [0, 1, 0]]), vector([0, float("nan"), float("nan")])),
        {"i": "1"},
    ),
    # the last line of a call no overload fits
    ("kaldra takes positional arguments only; keywords given: x, y", TypeError, lambda: kaldra.dot(x=v, y=v), {}),
    ("dot() takes 2 arguments, 3 given", TypeError, lambda: kaldra.dot(v, v, v), {}),
    ("vecd() takes 1 argument, 0 given", TypeError, lambda: kaldra.vecd(), {}),
    ("argument 2 of dot() is a list, not a kaldra container", TypeError, lambda: kaldra.dot(v, [1.0]), {}),
    ("... is None, ...", TypeError, lambda: kaldra.dot(v, None), {}),
    (
        "argument 3 of gemv() is a numpy.ndarray, not a kaldra container: kaldra_numpy.from_array makes a "
        "container of it",
        TypeError,
        lambda: kaldra.gemv(1.0, 0.0, np.zeros((2, 2)), v, v),
        {},
    ),
    (
        "containers of different element types: kaldra.vecd, kaldra.vecs; all containers of one call must have "
        "the same one",
        TypeError,
        lambda: kaldra.dot(v, s),
        {},
    ),
    (
        "hdot() has no overload for kaldra.vecd: it takes containers whose class name ends in c or z",
        TypeError,
        lambda: kaldra.hdot(v, v),
        {},
    ),
    ("argument 1 of ls() must be a kaldra.matd, not a kaldra.vecd", TypeError, lambda: kaldra.ls(v, v), {}),
    (
        "argument 1 of scale() is a complex number, and kaldra.vecd holds real numbers",
        TypeError,
        lambda: kaldra.scale(1j, v),
        {},
    ),
    ("the value is a complex number, ...", TypeError, lambda: assign(v, 0, 1j), {}),
    ("argument 1 of scale() must be a real number, not str", TypeError, lambda: kaldra.scale("2", v), {}),
    ("... must be a number, not str", TypeError, lambda: kaldra.scale("2", z), {}),
    ("argument 1 of scale() is too large to be a float", TypeError, lambda: kaldra.scale(10**400, v), {}),
    (
        "the index is negative: indices count from 0, and the last element of x is x[x.numel() - 1]",
        TypeError,
        lambda: v[-1],
        {},
    ),
    ("the size is negative: sizes and indices count from 0", TypeError, lambda: kaldra.vecd(-1), {}),
    ("the index must be an int or a slice, not float", TypeError, lambda: v[1.0], {}),
    ("the size must be an int, ...", TypeError, lambda: kaldra.vecd(2.0), {}),
    ("the row index must be an int, ...", TypeError, lambda: A[1.5, 0], {}),
    ("the index is too large for a size or an index", TypeError, lambda: v[2**64], {}),
    ("the index must be a pair (row, column) of ints, as in A[i, j], not int", TypeError, lambda: A[0], {}),
    ("... not 3 items", TypeError, lambda: A[0, 1, 2], {}),
    (
        "elements are assigned one at a time: the index must be an int, not a slice",
        TypeError,
        lambda: assign(v, slice(1, 3), 1.0),
        {},
    ),
    ("numel() of kaldra.vecd was called on a kaldra.vecs", TypeError, lambda: kaldra.vecd.numel(s), {}),
    # kaldra_numpy
    (
        "In asarray, expected a kaldra container (vecs, views, mats, vecd, viewd, matd, vecc, viewc, matc, vecz, "
        "viewz or matz), got an object of type list",
        TypeError,
        lambda: kn.asarray([1.0]),
        {},
    ),
    (
        "In asarray, the vecd object holds no container: it was created without running __init__",
        TypeError,
        lambda: kn.asarray(kaldra.vecd.__new__(kaldra.vecd)),
        {},
    ),
    ("In from_array, expected a numpy.ndarray, got an object of type list", TypeError, lambda: kn.from_array([1]), {}),
    (
        "In from_array, the array has dtype int64; expected float32, float64, complex64 or complex128 in native "
        "byte order",
        TypeError,
        lambda: kn.from_array(np.zeros(2, np.int64)),
        {},
    ),
    (
        "In from_array, the array has dtype float32 but vecd holds float64 elements",
        TypeError,
        lambda: kn.from_array(np.zeros(2, np.float32), kaldra.vecd),
        {},
    ),
    (
        "In from_array, the array has 3 dimensions; expected 1 (for a vector) or 2 (for a matrix)",
        ValueError,
        lambda: kn.from_array(np.zeros((1, 1, 1))),
        {},
    ),
    (
        "In from_array, the array has 1 dimensions but matd needs 2",
        ValueError,
        lambda: kn.from_array(np.zeros(2), kaldra.matd),
        {},
    ),
    (
        "In assign, the array has shape (2,) but vecd of shape (3,) needs an array of that shape",
        ValueError,
        lambda: kn.assign(v, np.zeros(2)),
        {},
    ),
    (
        "In from_array, cls is viewd, a view class: a view shares the storage of another container, and "
        "from_array makes a new one (a vecd)",
        TypeError,
        lambda: kn.from_array(np.zeros(2), kaldra.viewd),
        {},
    ),
    (
        "In from_array, expected a kaldra vector or matrix class (vecs, mats, vecd, matd, vecc, matc, vecz or "
        "matz, or a subclass of one) or None as cls, got the class int",
        TypeError,
        lambda: kn.from_array(np.zeros(2), int),
        {},
    ),
    (
        "In asarray, a matd of shape (0, 9223372036854775808) is too large for a NumPy array, ...",
        ValueError,
        lambda: kn.asarray(kaldra.matd(0, 2**63)),
        {},
    ),
    # importing
    (
        "kaldra can only be imported in the main interpreter, not in a subinterpreter",
        ImportError,
        import_in_a_subinterpreter,
        {},
    ),
]


def expected_text(quote, placeholders):
    """The quote with its placeholders (whole words) replaced by this call's values."""
    for name, value in placeholders.items():
        if name != END:
            quote = re.sub(rf"\b{re.escape(name)}\b", value, quote)
    return quote


def shows(message, quote, placeholders):
    """Whether the message is what the quote shows: the whole message or one of its lines, where "..." stands
    for the rest of the line at the quote's end, its beginning or both; or, marked END, the message's end."""
    text = expected_text(quote, placeholders)
    if placeholders.get(END):
        return message.endswith(" " + text)
    lines = [message, *message.split("\n")]
    if text.startswith("... ") and text.endswith(", ..."):
        return any(text[3:-3] in line for line in lines)
    if text.endswith(" ..."):
        return any(line.startswith(text[:-4]) for line in lines)
    if text.startswith("... "):
        return any(line.endswith(text[3:]) for line in lines)
    return text in lines


def test_every_quoted_message_is_triggered_here_or_said_where_it_is_checked():
    rows = [quote for quote, *_ in MESSAGES]
    assert len(rows) == len(set(rows)), "a quote with two rows"
    known = set(rows) | set(ELSEWHERE) | NOT_MESSAGES
    found = quoted()
    assert found - known == set(), "quoted, but not triggered in this test"
    assert known - found == set(), "no longer quoted anywhere: drop the row"


@pytest.mark.parametrize(("quote", "exception", "call", "placeholders"), MESSAGES, ids=[row[0] for row in MESSAGES])
def test_a_quoted_message_is_the_one_raised(quote, exception, call, placeholders):
    with pytest.raises(exception) as error:
        call()
    assert shows(str(error.value), quote, placeholders), str(error.value)
