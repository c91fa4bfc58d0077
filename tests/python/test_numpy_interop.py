"""kaldra_numpy: arrays over containers without a copy, copies of arrays into new and existing containers."""

import gc
import subprocess
import sys

import numpy as np
import pytest
from hypothesis import given, settings
from hypothesis import strategies as st

import kaldra
import kaldra_numpy as kn

DTYPES = {"s": np.float32, "d": np.float64, "c": np.complex64, "z": np.complex128}
LETTERS = list(DTYPES)


def sample(letter, shape, start=1):
    """Distinct values of the letter's dtype (complex ones with an imaginary part)."""
    values = np.arange(start, start + int(np.prod(shape)), dtype=np.float64).reshape(shape)
    if letter in "cz":
        values = values - 0.5j * values
    return values.astype(DTYPES[letter])


def vector(letter, n, start=1):
    v = getattr(kaldra, "vec" + letter)(n)
    for i, value in enumerate(sample(letter, (n,), start)):
        v[i] = value
    return v


def matrix(letter, rows, cols, start=1):
    a = getattr(kaldra, "mat" + letter)(rows, cols)
    values = sample(letter, (rows, cols), start)
    for i in range(rows):
        for j in range(cols):
            a[i, j] = values[i, j]
    return a


# Each kind: how to make a container of 2 x 3 (matrix) or 4 (vector, view) elements, and what asarray gives.
KINDS = {
    "vec": (lambda letter: vector(letter, 4), (4,)),
    "view": (lambda letter: vector(letter, 7)[2:6], (4,)),
    "mat": (lambda letter: matrix(letter, 2, 3), (2, 3)),
}


def read(c):
    """The container's elements through kaldra's own element access, as a NumPy array."""
    if isinstance(c, tuple(getattr(kaldra, "mat" + letter) for letter in LETTERS)):
        rows, cols = c.dim(0), c.dim(1)
        return np.array([[c[i, j] for j in range(cols)] for i in range(rows)]).reshape(rows, cols)
    return np.array([c[i] for i in range(c.numel())])


@pytest.mark.parametrize("kind", KINDS)
@pytest.mark.parametrize("letter", LETTERS)
class TestAsarray:
    def test_layout_and_values(self, kind, letter):
        make, shape = KINDS[kind]
        c = make(letter)
        a = kn.asarray(c)
        assert type(a) is np.ndarray
        assert a.shape == shape and a.dtype == DTYPES[letter]
        assert a.flags.f_contiguous and a.flags.writeable
        np.testing.assert_array_equal(a, read(c))

    def test_writes_are_seen_both_ways(self, kind, letter):
        make, shape = KINDS[kind]
        c = make(letter)
        a = kn.asarray(c)
        last = (shape[0] - 1, shape[1] - 1) if kind == "mat" else shape[0] - 1
        a[last] = 42
        assert c[last] == 42
        c[last] = 7
        assert a[last] == 7
        kaldra.scale(2.0, c)
        np.testing.assert_array_equal(a, read(c))

    def test_no_copy_on_repeated_calls(self, kind, letter):
        c = KINDS[kind][0](letter)
        first, second = kn.asarray(c), kn.asarray(c)
        assert np.shares_memory(first, second)
        assert first.ctypes.data == second.ctypes.data

    def test_array_keeps_storage_alive(self, kind, letter):
        make, shape = KINDS[kind]
        c = make(letter)
        a = kn.asarray(c)
        expected = a.copy()
        del c
        gc.collect()
        # Fresh containers of the same size would reuse freed storage and overwrite it.
        others = [kn.asarray(make(letter)) for _ in range(20)]
        for other in others:
            other[...] = -3
        np.testing.assert_array_equal(a, expected)
        a[...] = 5  # still writable memory of its own
        assert (a == 5).all()


def test_view_array_covers_its_range_and_outlives_vector_and_view():
    x = vector("d", 6)
    a = kn.asarray(x[1:4])
    b = kn.asarray(x)
    np.testing.assert_array_equal(a, [2.0, 3.0, 4.0])
    a[0] = -1.0
    assert b[1] == -1.0 and x[1] == -1.0
    del x
    gc.collect()
    np.testing.assert_array_equal(b, [1.0, -1.0, 3.0, 4.0, 5.0, 6.0])


@pytest.mark.parametrize(
    "make, shape",
    [
        (lambda: kaldra.vecd(0), (0,)),
        (lambda: kaldra.vecd(3)[2:2], (0,)),
        (lambda: kaldra.matd(0, 3), (0, 3)),
        (lambda: kaldra.matd(3, 0), (3, 0)),
    ],
)
def test_asarray_of_empty_containers(make, shape):
    assert kn.asarray(make()).shape == shape


@pytest.mark.parametrize(
    "bad, name", [([1.0, 2.0], "list"), (np.zeros(3), "ndarray"), (None, "NoneType"), (kaldra.vecd, "pybind11_type")]
)
def test_asarray_refuses_what_is_not_a_container(bad, name):
    with pytest.raises(
        TypeError,
        match=r"^In asarray, expected a kaldra container \(vecs, views, mats, .* or matz\), "
        f"got an object of type {name}$",
    ):
        kn.asarray(bad)


def test_subclass_of_a_container_class_is_accepted():
    class Samples(kaldra.vecd):
        pass

    s = Samples(3)
    kn.assign(s, np.array([1.0, 2.0, 3.0]))
    assert s[2] == 3.0
    np.testing.assert_array_equal(kn.asarray(s), [1.0, 2.0, 3.0])


def layouts(letter):
    """Arrays of one dtype in many layouts: (name, array)."""
    base = sample(letter, (6, 5))
    unaligned_bytes = bytearray(base.nbytes + 1)
    unaligned = np.frombuffer(unaligned_bytes, dtype=base.dtype, count=base.size, offset=1).reshape(6, 5)
    unaligned[...] = base
    tall = sample(letter, (70, 45))  # more than one tile of the blocked copy each way
    return [
        ("vector", base[:, 0].copy()),
        ("strided vector", base.ravel()[::3]),
        ("reversed vector", base.ravel()[::-1]),
        ("broadcast vector", np.broadcast_to(base[0, 0], (4,))),
        ("C order", base),
        ("Fortran order", np.asfortranarray(base)),
        ("transposed", base.T),
        ("sliced", base[1:5:2, ::2]),
        ("reversed both ways", base[::-1, ::-1]),
        ("unaligned", unaligned),
        ("large C order", tall),
        ("large strided", tall[::3, ::2]),
        ("one row", base[:1]),
        ("one column", base[:, :1]),
        ("empty rows", base[:0]),
        ("read-only", np.broadcast_to(base[0], (3, 5))),
    ]


@pytest.mark.parametrize("letter", LETTERS)
def test_from_array_copies_every_layout(letter):
    for name, array in layouts(letter):
        c = kn.from_array(array)
        kind = "vec" if array.ndim == 1 else "mat"
        assert type(c) is getattr(kaldra, kind + letter), name
        np.testing.assert_array_equal(read(c), array, err_msg=name)
        np.testing.assert_array_equal(kn.asarray(c), array, err_msg=name)
        if array.size and array.flags.writeable:
            before = array.copy()
            array.flat[0] += 1  # a copy: the container does not follow the array
            np.testing.assert_array_equal(kn.asarray(c), before, err_msg=name)
            array.flat[0] -= 1


@settings(max_examples=80, deadline=None)
@given(
    letter=st.sampled_from(LETTERS),
    rows=st.integers(0, 150),
    cols=st.integers(0, 150),
    row_step=st.sampled_from([1, 2, -1, -3]),
    col_step=st.sampled_from([1, 2, -1, -3]),
    order=st.sampled_from("CF"),
)
def test_any_strides_copy_like_numpy(letter, rows, cols, row_step, col_step, order):
    base = np.asarray(sample(letter, (rows * abs(row_step), cols * abs(col_step))), order=order)
    array = base[::row_step, ::col_step]
    np.testing.assert_array_equal(kn.asarray(kn.from_array(array)), array)
    target = getattr(kaldra, "mat" + letter)(rows, cols)
    kn.assign(target, array)
    np.testing.assert_array_equal(kn.asarray(target), array)
    if rows:
        column = getattr(kaldra, "vec" + letter)(rows)
        kn.assign(column, array[:, -1] if cols else np.zeros(rows, DTYPES[letter]))
        np.testing.assert_array_equal(kn.asarray(column), array[:, -1] if cols else 0)


def test_from_array_of_array_from_asarray_is_a_new_storage():
    x = vector("z", 5)
    y = kn.from_array(kn.asarray(x))
    y[0] = 100
    assert x[0] == 1 - 0.5j


@pytest.mark.parametrize(
    "bad, error, message",
    [
        ([1.0, 2.0], TypeError, "expected a numpy.ndarray, got an object of type list"),
        (np.float64(1.0), TypeError, "expected a numpy.ndarray, got an object of type float64"),
        (
            np.zeros(3, dtype=np.int64),
            TypeError,
            "the array has dtype int64; expected float32, float64, complex64 or complex128 in native byte order",
        ),
        (np.zeros(3, dtype=np.float16), TypeError, "the array has dtype float16; expected"),
        (np.zeros(3, dtype=">f8"), TypeError, "the array has dtype >f8; expected"),
        (np.zeros(3, dtype=object), TypeError, "the array has dtype object; expected"),
        (np.zeros(3, dtype="datetime64[s]"), TypeError, r"the array has dtype datetime64\[s\]; expected"),
        (np.zeros(3, dtype=[("a", "f8")]), TypeError, r"the array has dtype \[\('a', '<f8'\)\]; expected"),
        (np.array(1.0), ValueError, r"the array has 0 dimensions; expected 1 \(for a vector\) or 2 \(for a matrix\)"),
        (np.zeros((2, 2, 2)), ValueError, "the array has 3 dimensions; expected 1"),
    ],
)
def test_from_array_refusals(bad, error, message):
    with pytest.raises(error, match="^In from_array, " + message):
        kn.from_array(bad)


VECTOR_AND_MATRIX = [(letter, kind) for letter in LETTERS for kind in ("vec", "mat")]


@pytest.mark.parametrize("letter, kind", VECTOR_AND_MATRIX)
def test_from_array_makes_the_class_asked_for(letter, kind):
    target = getattr(kaldra, kind + letter)
    for name, array in layouts(letter):
        if array.ndim != (2 if kind == "mat" else 1):
            continue
        c = kn.from_array(array, target)
        assert type(c) is target, name
        np.testing.assert_array_equal(kn.asarray(c), array, err_msg=name)
    assert (
        type(kn.from_array(sample(letter, (3, 2))[:, 0] if kind == "vec" else sample(letter, (3, 2)), cls=None))
        is target
    )


@pytest.mark.parametrize("letter, kind", VECTOR_AND_MATRIX)
def test_from_array_makes_a_subclass_without_running_its_init(letter, kind):
    class Derived(getattr(kaldra, kind + letter)):
        def __init__(self, *args):
            raise AssertionError("from_array ran __init__")

    array = sample(letter, (3, 2) if kind == "mat" else (5,))
    c = kn.from_array(array, Derived)
    assert type(c) is Derived
    np.testing.assert_array_equal(read(c), array)
    np.testing.assert_array_equal(kn.asarray(c), array)


@pytest.mark.parametrize(
    "array, target, error, message",
    [
        (
            np.zeros(3, np.float32),
            kaldra.vecd,
            TypeError,
            "the array has dtype float32 but vecd holds float64 elements",
        ),
        (np.zeros((2, 2), np.int64), kaldra.matz, TypeError, "the array has dtype int64 but matz holds complex128"),
        (np.zeros(3, ">f8"), kaldra.vecd, TypeError, "the array has dtype >f8 but vecd holds float64"),
        (np.zeros(3), kaldra.matd, ValueError, "the array has 1 dimensions but matd needs 2$"),
        (np.zeros((3, 1), np.complex64), kaldra.vecc, ValueError, "the array has 2 dimensions but vecc needs 1$"),
        (np.zeros(()), object, TypeError, "expected a kaldra vector or matrix class .* got the class object$"),
        (
            np.zeros(3),
            kaldra.viewd,
            TypeError,
            "cls is viewd, a view class: a view shares the storage of another "
            r"container, and from_array makes a new one \(a vecd\)$",
        ),
        (np.zeros(3), type("Window", (kaldra.viewd,), {}), TypeError, "cls is Window, a view class"),
        (
            np.zeros(3),
            float,
            TypeError,
            r"expected a kaldra vector or matrix class \(vecs, mats, vecd, matd, vecc, "
            r"matc, vecz or matz, or a subclass of one\) or None as cls, got the class float$",
        ),
        (np.zeros(3), "vecd", TypeError, "expected .* or None as cls, got an object of type str$"),
        ([1.0, 2.0], kaldra.vecd, TypeError, "expected a numpy.ndarray, got an object of type list$"),
    ],
)
def test_from_array_refuses_what_does_not_fit_the_class(array, target, error, message):
    with pytest.raises(error, match="^In from_array, " + message):
        kn.from_array(array, target)


def test_functions_take_the_keywords_their_documentation_names():
    x = vector("d", 3)
    np.testing.assert_array_equal(kn.asarray(c=x), [1.0, 2.0, 3.0])
    kn.assign(c=x, a=np.array([4.0, 5.0, 6.0]))
    kn.assign(x[1:3], a=np.array([7.0, 8.0]))
    np.testing.assert_array_equal(read(x), [4.0, 7.0, 8.0])
    assert type(kn.from_array(a=np.zeros((2, 2)), cls=kaldra.matd)) is kaldra.matd
    assert type(kn.from_array(np.zeros(2, np.complex64), cls=kaldra.vecc)) is kaldra.vecc
    for call in (
        lambda: kn.asarray(x=x),
        lambda: kn.assign(x, array=np.zeros(3)),
        lambda: kn.from_array(array=x),
        lambda: kn.from_array(np.zeros(3), kaldra.vecd, cls=kaldra.vecd),
        kn.asarray,
    ):
        with pytest.raises(TypeError, match="incompatible function arguments"):
            call()
    np.testing.assert_array_equal(read(x), [4.0, 7.0, 8.0])


@pytest.mark.parametrize("letter", LETTERS)
class TestAssign:
    def test_vector_and_matrix(self, letter):
        x = getattr(kaldra, "vec" + letter)(5)
        assert kn.assign(x, sample(letter, (10,))[::2]) is None
        np.testing.assert_array_equal(read(x), sample(letter, (10,))[::2])
        a = getattr(kaldra, "mat" + letter)(4, 3)
        values = sample(letter, (4, 3))
        kn.assign(a, values)  # C order into column-major storage
        np.testing.assert_array_equal(read(a), values)

    def test_view_changes_its_range_only(self, letter):
        x = vector(letter, 8)
        before = kn.asarray(x).copy()
        kn.assign(x[3:6], sample(letter, (3,), start=100))
        after = kn.asarray(x)
        np.testing.assert_array_equal(after[3:6], sample(letter, (3,), start=100))
        np.testing.assert_array_equal(np.delete(after, [3, 4, 5]), np.delete(before, [3, 4, 5]))

    @pytest.mark.parametrize(
        "kind, bad_shape",
        [
            ("vec", (3,)),
            ("vec", (5,)),
            ("vec", (4, 1)),
            ("view", (5,)),
            ("view", (1, 4)),
            ("mat", (3, 2)),
            ("mat", (6,)),
            ("mat", (2, 3, 1)),
        ],
    )
    def test_shape_mismatch_changes_nothing(self, letter, kind, bad_shape):
        c = KINDS[kind][0](letter)
        before = read(c)
        with pytest.raises(ValueError, match=rf"In assign, the array has shape .* but {kind}{letter} of shape"):
            kn.assign(c, np.ones(bad_shape, dtype=DTYPES[letter]))
        np.testing.assert_array_equal(read(c), before)

    def test_dtype_mismatch_changes_nothing(self, letter):
        for kind, (make, shape) in KINDS.items():
            c = make(letter)
            before = read(c)
            for other in [*(DTYPES[o] for o in LETTERS if o != letter), np.int32]:
                with pytest.raises(TypeError, match=f"In assign, the array has dtype .* but {kind}{letter} holds"):
                    kn.assign(c, np.ones(shape, dtype=other))
            np.testing.assert_array_equal(read(c), before)

    def test_overlapping_source_gives_what_a_copy_would(self, letter):
        x = vector(letter, 9)
        a = kn.asarray(x)
        original = a.copy()
        kn.assign(x, a[::-1])
        np.testing.assert_array_equal(a, original[::-1])
        kn.assign(x[1:9], a[0:8])  # shift right by one, through a view over the same storage
        np.testing.assert_array_equal(a[1:], original[::-1][:8])
        kn.assign(x, a)  # onto itself
        np.testing.assert_array_equal(a[1:], original[::-1][:8])
        m = matrix(letter, 3, 3)
        am = kn.asarray(m)
        expected = am.T.copy()
        kn.assign(m, am.T)  # in-place transpose
        np.testing.assert_array_equal(am, expected)


def test_assign_refuses_non_arrays_and_non_containers():
    x = vector("d", 3)
    with pytest.raises(TypeError, match="In assign, expected a numpy.ndarray, got an object of type list"):
        kn.assign(x, [1.0, 2.0, 3.0])
    with pytest.raises(TypeError, match="^In assign, expected a kaldra container .* got an object of type ndarray"):
        kn.assign(np.zeros(3), np.zeros(3))
    np.testing.assert_array_equal(read(x), [1.0, 2.0, 3.0])


def run_python(code):
    return subprocess.run([sys.executable, "-W", "error", "-c", code], capture_output=True, text=True, timeout=120)


def test_kaldra_works_without_numpy_and_kaldra_numpy_says_what_is_missing():
    result = run_python(
        "import sys\n"
        "sys.modules['numpy'] = None  # every import of numpy now fails\n"
        "import kaldra\n"
        "x = kaldra.vecd(3); x[0] = 2.0\n"
        "assert kaldra.dot(x, x) == 4.0\n"
        "try:\n"
        "    import kaldra_numpy\n"
        "except ImportError as error:\n"
        "    print(error)\n"
        "assert 'numpy' not in [m for m in sys.modules if sys.modules[m] is not None]\n"
    )
    assert result.returncode == 0, result.stderr
    assert result.stdout == "kaldra_numpy needs NumPy; install it with: pip install 'kaldra[numpy]'\n"


def test_importing_kaldra_numpy_leaves_kaldra_unchanged():
    result = run_python(
        "import kaldra\n"
        "before = {name: (getattr(kaldra, name), getattr(kaldra, name).__doc__) for name in dir(kaldra)}\n"
        "import kaldra_numpy\n"
        "after = {name: (getattr(kaldra, name), getattr(kaldra, name).__doc__) for name in dir(kaldra)}\n"
        "assert before == after, set(before) ^ set(after)\n"
        "assert sorted(kaldra_numpy.__all__ if hasattr(kaldra_numpy, '__all__') else "
        "[n for n in dir(kaldra_numpy) if not n.startswith('__')]) == "
        "['asarray', 'assign', 'from_array', 'gemm_batch', 'gemv_batch', 'ls_batch']\n"
    )
    assert result.returncode == 0, result.stderr


# Each failing call with the exception and the start of the message it must raise, whichever module loaded
# first: in the wheel each module carries its own C++ runtime, so each must translate its own exceptions.
FAILING_CALLS = [
    ("kaldra.gemv(1.0, 0.0, kaldra.matd(2, 3), kaldra.vecd(4), kaldra.vecd(2))", "RuntimeError", "In gemv"),
    ("kaldra.matmul(kaldra.matd(2, 3), kaldra.matd(2, 3), kaldra.matd(2, 3))", "RuntimeError", "In gemm"),
    ("kaldra.vecd(2)[5]", "OutOfRangeError", "index 5 exceeds"),
    ("kaldra.vecd(2**62)", "MemoryError", ""),
    ("kaldra.sum(1, 2)", "TypeError", "sum(): incompatible function arguments"),
    ("kn.assign(kaldra.vecd(2), numpy.zeros(3))", "ValueError", "In assign, the array has shape (3,)"),
    ("kn.from_array(numpy.zeros(3, dtype=numpy.int32))", "TypeError", "In from_array, the array has dtype int32"),
    ("kn.ls_batch(numpy.ones((2, 2, 2)), numpy.ones((3, 2)))", "ValueError", "In ls_batch, array B holds 3"),
]


@pytest.mark.parametrize("first", ["kaldra", "kaldra_numpy"])
def test_errors_are_translated_whichever_module_loads_first(first):
    calls = "".join(
        f"try:\n    {call}\nexcept Exception as error:\n    print(type(error).__name__, str(error)[:40])\n"
        for call, _, _ in FAILING_CALLS
    )
    result = run_python(f"import {first}\nimport kaldra, numpy, kaldra_numpy as kn\n{calls}")
    assert result.returncode == 0, result.stderr
    lines = result.stdout.splitlines()
    assert len(lines) == len(FAILING_CALLS)
    for line, (call, error, start) in zip(lines, FAILING_CALLS):
        assert line.startswith(f"{error} {start}"), (call, line)
