"""The container classes: construction, sizes, element access, slicing into views, and text form."""

import gc
import math
import pickle
import subprocess
import sys

import numpy as np
import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import kaldra
from conftest import COMPLEX, DTYPES, LETTERS, REAL, cls, fill, flat


@pytest.fixture(params=LETTERS)
def letter(request):
    return request.param


def counted(letter, n):
    """A vector whose element k holds k + 1."""
    return fill(cls(letter, "vec")(n), np.arange(1, n + 1, dtype=DTYPES[letter]))


# --- construction and sizes -------------------------------------------------------------------------


def test_new_vector_is_zero_with_its_sizes(letter):
    v = cls(letter, "vec")(3)
    assert (v.numel(), v.dim(0)) == (3, 3)
    assert [v[k] for k in range(3)] == [0, 0, 0]
    zero = type(v[0])
    assert zero is (complex if letter in COMPLEX else float)
    with pytest.raises(RuntimeError, match="^dimension 1 invalid for vector$"):
        v.dim(1)


def test_new_matrix_is_zero_with_its_sizes(letter):
    a = cls(letter, "mat")(2, 3)
    assert (a.dim(0), a.dim(1), a.numel()) == (2, 3, 6)
    assert flat(a, letter).tolist() == [0] * 6
    with pytest.raises(RuntimeError, match="^dimension 2 invalid for matrix$"):
        a.dim(2)


@pytest.mark.parametrize("kind, size", [("vec", (0,)), ("mat", (0, 4)), ("mat", (3, 0))])
def test_empty_containers(letter, kind, size):
    assert cls(letter, kind)(*size).numel() == 0


@pytest.mark.parametrize("kind, size", [("vec", (-1,)), ("vec", (2.0,)), ("vec", ()), ("mat", (2,)), ("mat", (2, -3))])
def test_sizes_that_do_not_convert(letter, kind, size):
    with pytest.raises(TypeError):
        cls(letter, kind)(*size)


def test_vector_too_large_for_memory():
    with pytest.raises(MemoryError):
        kaldra.vecd(2**62)


@pytest.mark.parametrize("size", [(2**40, 2**40), (2**32, 2**32), (2**63, 3)])
def test_matrix_whose_element_count_overflows(size):
    # The element count would wrap around; no matrix may promise more elements than it holds.
    with pytest.raises((OverflowError, MemoryError)):
        kaldra.matd(*size)


HUGE_SIZES = [(2**64 - 1,), (2**64 - 2**10,), (2**63 + 1,), (1, 2**64 - 1), (2**32 - 1, 2**32 + 1), (2**62, 3)]

ALLOCATION_PROBE = """
import sys
import kaldra
for size in eval(sys.argv[2]):
    kind = "vec" if len(size) == 1 else "mat"
    try:
        getattr(kaldra, kind + sys.argv[1])(*size)
        print("created", size)
    except (MemoryError, OverflowError) as error:
        print(type(error).__name__, size)
"""


def test_sizes_near_the_largest_count_are_refused(letter):
    # Counts whose byte size wraps around must not become a small allocation filled far past its end;
    # run apart so that such a fault shows as a failure rather than ending the test session.
    result = subprocess.run(
        [sys.executable, "-c", ALLOCATION_PROBE, letter, repr(HUGE_SIZES)], capture_output=True, text=True, timeout=120
    )
    assert result.returncode == 0, result.stderr
    outcomes = [line.split(" ", 1) for line in result.stdout.splitlines()]
    assert [size for _, size in outcomes] == [str(size) for size in HUGE_SIZES]
    assert {error for error, _ in outcomes} <= {"MemoryError", "OverflowError"}


def test_matrix_too_large_for_memory():
    with pytest.raises(MemoryError):
        kaldra.matz(2**31, 2**31)


# --- element access ---------------------------------------------------------------------------------


@pytest.mark.parametrize("value", [1.5, -2, 0.1, True])
def test_vector_elements_read_back_rounded_to_the_element_type(letter, value):
    v = cls(letter, "vec")(2)
    v[1] = value
    expected = DTYPES[letter](value).item()
    assert v[1] == expected and type(v[1]) is type(expected)
    assert v[0] == 0


def test_single_precision_value_reads_back_as_stored():
    v = kaldra.vecs(1)
    v[0] = 0.1
    assert v[0] == 0.10000000149011612


@pytest.mark.parametrize("letter", COMPLEX)
def test_complex_elements_take_ints_and_floats(letter):
    v = cls(letter, "vec")(3)
    v[0], v[1], v[2] = 2, -0.5, 1 - 2j
    assert [v[k] for k in range(3)] == [2 + 0j, -0.5 + 0j, 1 - 2j]
    assert type(v[0]) is complex


@pytest.mark.parametrize("letter", REAL)
@pytest.mark.parametrize("kind", ["vec", "mat"])
def test_complex_value_into_real_container_is_refused(letter, kind):
    c = cls(letter, kind)(*((2,) if kind == "vec" else (2, 2)))
    index = 0 if kind == "vec" else (0, 0)
    with pytest.raises(TypeError):
        c[index] = 1 + 1j
    with pytest.raises(TypeError):
        c[index] = "1"
    assert c[index] == 0


def test_vector_index_checks(letter):
    v = counted(letter, 5)
    assert v[4] == 5
    with pytest.raises(RuntimeError, match="^index 5 exceeds max number of elements 5$"):
        v[5]
    with pytest.raises(RuntimeError, match="^index 5 exceeds max number of elements 5$"):
        v[5] = 1
    for bad in (-1, 1.0, "1", None, (0, 0)):
        with pytest.raises(TypeError):
            v[bad]
        with pytest.raises(TypeError):
            v[bad] = 1
    assert flat(v, letter).tolist() == [1, 2, 3, 4, 5]


@pytest.mark.parametrize(
    "index, message",
    [
        ((2, 0), "index for dimension 02exceeds max number of elements for that dimension 2"),
        ((0, 3), "requested array index 6exceeds max number of elements 6"),
        ((1, 7), "requested array index 15exceeds max number of elements 6"),
        # j * rows wraps around and the linear position falls back inside the storage
        ((0, 2**63), "index for dimension 12^63exceeds max number of elements for that dimension 3"),
    ],
)
def test_matrix_index_checks(letter, index, message):
    a = cls(letter, "mat")(2, 3)
    message = message.replace("2^63", str(2**63))
    with pytest.raises(RuntimeError) as error:
        a[index]
    assert str(error.value) == message
    with pytest.raises(RuntimeError) as error:
        a[index] = 1
    assert str(error.value) == message
    assert flat(a, letter).tolist() == [0] * 6


def test_matrix_elements_are_column_major(letter):
    a = cls(letter, "mat")(2, 3)
    a[1, 2] = 4.0
    a[0, 1] = 3
    assert a[1, 2] == 4.0
    assert flat(a, letter).tolist() == [0, 0, 3, 0, 0, 4]
    for bad in ((0,), (0, 0, 0), (-1, 0), (0.0, 0), 0):
        with pytest.raises(TypeError):
            a[bad]


def test_element_read_is_a_snapshot(letter):
    v = counted(letter, 2)
    first = v[0]
    v[0] = 9
    assert first == 1


@pytest.mark.parametrize("call", [lambda v: v.dim(idx=0), lambda v: v.numel(1), lambda v: v.dim()])
def test_methods_take_no_keywords_or_extra_arguments(call):
    with pytest.raises(TypeError):
        call(kaldra.vecd(2))


# --- slicing ----------------------------------------------------------------------------------------

SLICES = [
    slice(None),
    slice(1, 3),
    slice(2, None),
    slice(-2, None),
    slice(None, -1),
    slice(-10, 10),
    slice(5, None),
    slice(2, 2),
    slice(4, 1),
    slice(-1, -3),
    slice(1, 3, 1),
    slice(7, 9),
    slice(10**30, None),
    slice(-(10**30), None),
    slice(None, 10**30),
    slice(3, -(10**30)),
]


@pytest.mark.parametrize("piece", SLICES, ids=str)
@pytest.mark.parametrize("source", ["vec", "view"])
def test_slice_selects_what_a_list_slice_selects(letter, piece, source):
    # A view source is itself cut from a longer vector, so its slices must count from its own start.
    base = counted(letter, 7)
    v = base if source == "vec" else base[1:6]
    elements = flat(v, letter).tolist()
    w = v[piece]
    assert type(w) is cls(letter, "view")
    assert w.numel() == len(elements[piece])
    assert flat(w, letter).tolist() == elements[piece]


bounds = st.one_of(st.none(), st.integers(-12, 12))


@settings(max_examples=200, deadline=None)
@given(n=st.integers(0, 8), start=bounds, stop=bounds, step=st.sampled_from([None, 1]), offset=st.integers(0, 2))
def test_any_slice_selects_what_a_list_slice_selects(n, start, stop, step, offset):
    base = counted("d", n + 2 * offset)
    v = base[offset : offset + n] if offset else base
    elements = flat(v, "d").tolist()
    w = v[start:stop:step]
    assert flat(w, "d").tolist() == elements[start:stop:step]


@pytest.mark.parametrize("step", [2, -1, -2, 3])
def test_steps_other_than_one_are_refused(letter, step):
    with pytest.raises(RuntimeError, match="^stepsizes larger than 1 invalid for vector$"):
        counted(letter, 5)[::step]


@pytest.mark.parametrize("piece, error", [(slice(None, None, 0), ValueError), (slice(1.0, 3), TypeError)])
def test_slices_that_do_not_normalise(letter, piece, error):
    with pytest.raises(error):
        counted(letter, 5)[piece]


def test_view_shares_storage_both_ways(letter):
    v = counted(letter, 5)
    w = v[1:4]
    ww = w[1:3]
    assert (w.numel(), ww.numel()) == (3, 2)
    assert ww[0] == v[2]
    w[0] = 7
    assert v[1] == 7
    ww[1] = 8
    assert v[3] == 8 and w[2] == 8
    v[2] = -1
    assert w[1] == -1 and ww[0] == -1
    assert flat(v, letter).tolist() == [1, 7, -1, 8, 5]


def test_view_index_checks_count_from_its_own_start(letter):
    w = counted(letter, 5)[2:5]
    assert [w[k] for k in range(3)] == [3, 4, 5]
    with pytest.raises(RuntimeError, match="^index 3 exceeds max number of elements 3$"):
        w[3]
    with pytest.raises(RuntimeError, match="^dimension 1 invalid for vector$"):
        w.dim(1)
    assert w.dim(0) == 3


def test_view_keeps_storage_alive(letter):
    v = counted(letter, 6)
    w = v[2:5]
    ww = w[1:]
    del v
    gc.collect()
    clutter = [cls(letter, "vec")(6) for _ in range(50)]
    w[0] = 30
    assert flat(w, letter).tolist() == [30, 4, 5]
    del w
    gc.collect()
    assert flat(ww, letter).tolist() == [4, 5]
    del clutter


def test_slice_assignment_is_refused(letter):
    v = counted(letter, 4)
    with pytest.raises(TypeError):
        v[1:3] = 0
    assert flat(v, letter).tolist() == [1, 2, 3, 4]


# --- iteration and the index error ------------------------------------------------------------------

VECTOR_CLASSES = [(letter, kind) for letter in LETTERS for kind in ("vec", "view")]


def vector_of(letter, kind, values):
    """A vec<letter>, or a view<letter> cut from the middle of a longer vector, holding values."""
    n = len(values)
    target = cls(letter, "vec")(n) if kind == "vec" else counted(letter, n + 2)[1 : n + 1]
    for k, value in enumerate(values):
        target[k] = value
    return target


@pytest.mark.parametrize("letter, kind", VECTOR_CLASSES)
def test_vectors_and_views_iterate_over_their_elements(letter, kind):
    values = [3, -1, 2] if letter in REAL else [3 + 1j, -1, 2j]
    x = vector_of(letter, kind, values)
    assert list(x) == values
    assert tuple(x) == tuple(values)
    assert list(enumerate(x)) == list(enumerate(values))
    a, b, c = x
    assert [a, b, c] == values
    assert values[2] in x and 7 not in x
    assert sum(x) == sum(values)
    assert max(x, key=abs) == max(values, key=abs)
    assert sorted(x, key=abs) == sorted(values, key=abs)
    if letter in REAL:
        assert (max(x), min(x), sorted(x)) == (3, -1, [-1, 2, 3])
    assert list(vector_of(letter, kind, [])) == []
    with pytest.raises(ValueError, match="too many values"):
        a, b = x


def the_index_errors(letter, kind):
    """(what, call, message) for every checked read and write past the end of a kind."""
    if kind == "mat":
        a = cls(letter, "mat")(2, 3)
        return [
            ("read", lambda: a[2, 0], "index for dimension 02exceeds max number of elements for that dimension 2"),
            ("write", lambda: a.__setitem__((0, 3), 1), "requested array index 6exceeds max number of elements 6"),
            (
                "library",
                lambda: library_call(a, "__getitem__", (0, 3)),
                "requested array index 6exceeds max number of elements 6",
            ),
        ]
    x = vector_of(letter, kind, [1, 2, 3])
    return [
        ("read", lambda: x[3], "index 3 exceeds max number of elements 3"),
        ("write", lambda: x.__setitem__(3, 1), "index 3 exceeds max number of elements 3"),
        ("library", lambda: library_call(x, "__setitem__", 4, 1), "index 4 exceeds max number of elements 3"),
    ]


def library_call(obj, name, *args):
    """The method called through its builtin's call slot, the route that ends in the library's dispatcher."""
    builtin = vars(type(obj))[name].__func__
    return type(builtin).__call__(builtin, obj, *args)


@pytest.mark.parametrize("kind", ["vec", "view", "mat"])
def test_an_index_past_the_end_is_both_a_runtime_and_an_index_error(letter, kind):
    for what, call, message in the_index_errors(letter, kind):
        with pytest.raises(kaldra.OutOfRangeError) as error:
            call()
        assert type(error.value) is kaldra.OutOfRangeError, what
        assert isinstance(error.value, RuntimeError) and isinstance(error.value, IndexError), what
        assert str(error.value) == message, what


def test_the_index_error_class():
    assert kaldra.OutOfRangeError.__module__ == "kaldra"
    assert kaldra.OutOfRangeError.__mro__[1:3] == (RuntimeError, IndexError)
    error = pickle.loads(pickle.dumps(kaldra.OutOfRangeError("index 3 exceeds max number of elements 3")))
    assert type(error) is kaldra.OutOfRangeError
    assert str(error) == "index 3 exceeds max number of elements 3"
    # The other errors of the containers stay plain RuntimeErrors.
    for call in (lambda: kaldra.vecd(3).dim(1), lambda: kaldra.vecd(3)[::2]):
        with pytest.raises(RuntimeError) as refused:
            call()
        assert type(refused.value) is RuntimeError


def test_the_index_error_class_is_immutable():
    # As the built-in exception classes: iteration's end cannot be rebased or repatched away.
    original = kaldra.OutOfRangeError.__bases__
    for change in (
        lambda: setattr(kaldra.OutOfRangeError, "__bases__", (ValueError,)),
        lambda: setattr(kaldra.OutOfRangeError, "__str__", lambda self: "patched"),
        lambda: setattr(kaldra.OutOfRangeError, "__doc__", None),
        lambda: delattr(kaldra.OutOfRangeError, "__module__"),
    ):
        with pytest.raises(TypeError, match="immutable type"):
            change()
    assert kaldra.OutOfRangeError.__bases__ == original
    assert len(list(kaldra.vecd(2))) == 2

    class Sub(kaldra.OutOfRangeError):
        pass

    Sub.note = "a subclass stays mutable"
    with pytest.raises(IndexError):
        raise Sub("index 2 exceeds max number of elements 2")


def test_matrices_are_not_iterable_by_one_index(letter):
    # A matrix index is a pair: the first element read of the iteration protocol is refused.
    a = cls(letter, "mat")(2, 2)
    with pytest.raises(TypeError) as error:
        list(a)
    assert str(error.value).endswith(
        "\nInvoked with: " + repr(a) + ", 0\nthe index must be a pair (row, column) of ints, as in A[i, j], not int"
    )


# --- text form --------------------------------------------------------------------------------------


def test_vector_text():
    v = kaldra.vecd(2)
    v[0], v[1] = 1.5, -2
    assert repr(v) == "Column vector of size: 2\n[1.50000000000000e+00]\n[-2.00000000000000e+00]\n"
    assert str(v) == repr(v)


def test_view_text_shows_its_own_elements():
    v = counted("d", 5)
    assert repr(v[2:5]) == (
        "Column vector of size: 3\n[3.00000000000000e+00]\n[4.00000000000000e+00]\n[5.00000000000000e+00]\n"
    )
    assert repr(v[3:1]) == "Column vector of size: 0\n"


@pytest.mark.parametrize(
    "letter, value, text",
    [
        ("s", 0.1, "1.00000001490116e-01"),
        ("d", -0.25, "-2.50000000000000e-01"),
        ("c", 1, "(1.00000000000000e+00,0.00000000000000e+00)"),
        ("z", 1 - 0.25j, "(1.00000000000000e+00,-2.50000000000000e-01)"),
        ("d", math.inf, " " * 11 + "inf"),
        ("s", math.nan, " " * 11 + "nan"),
        ("d", -math.inf, " " * 10 + "-inf"),
    ],
)
def test_element_text(letter, value, text):
    v = cls(letter, "vec")(1)
    v[0] = value
    assert repr(v) == f"Column vector of size: 1\n[{text}]\n"


def row_text(values):
    return "[" + ", ".join(f"{value:.14e}" if value != "..." else value for value in values) + "]\n"


@pytest.mark.parametrize("columns", [1, 3, 4, 5, 7])
def test_matrix_text_shortens_long_rows(columns):
    a = kaldra.matd(2, columns)
    for j in range(columns):
        a[0, j] = j + 1
    shown = list(range(1, columns + 1)) if columns <= 4 else [1, 2, 3, "...", columns]
    zeros = [0.0 if value != "..." else value for value in shown]
    assert repr(a) == f"Matrix of size: (2, {columns})\n" + row_text(shown) + row_text(zeros)


def test_matrix_without_rows_shows_its_size_only():
    assert repr(kaldra.matc(0, 3)) == "Matrix of size: (0, 3)\n"


def test_matrix_with_rows_but_no_columns_shows_an_empty_row_each(letter):
    assert repr(cls(letter, "mat")(2, 0)) == "Matrix of size: (2, 0)\n[]\n[]\n"
    assert repr(cls(letter, "mat")(0, 0)) == "Matrix of size: (0, 0)\n"
