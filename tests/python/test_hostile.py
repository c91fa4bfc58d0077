"""Hostile Python at the boundary: pickling, __class__ rebinding, re-entrant and raising conversions,
foreign scalars and sizes, and error messages about huge containers. Each call is refused cleanly or
works soundly, and a refused call changes nothing."""

import copy
import pickle
import subprocess
import sys
import textwrap
import warnings
from decimal import Decimal
from fractions import Fraction

import numpy as np
import pytest

import kaldra

LETTERS = "sdcz"
KINDS = ("vec", "view", "mat")
CLASSES = [kind + letter for kind in KINDS for letter in LETTERS]


def make(name, size=3):
    """A container of the named class with distinct elements; views are cut from a longer vector."""
    kind, letter = name[:-1], name[-1]
    if kind == "mat":
        c = getattr(kaldra, name)(size, size)
        for i in range(size):
            c[i, i] = i + 1
        return c
    extra = 0 if kind == "vec" else 1
    v = getattr(kaldra, "vec" + letter)(size + extra)
    for i in range(size + extra):
        v[i] = i + 1
    return v[extra:] if extra else v


MATRICES = tuple(getattr(kaldra, "mat" + letter) for letter in LETTERS)


def contents(c):
    if isinstance(c, MATRICES):
        return [c[i, j] for i in range(c.dim(0)) for j in range(c.dim(1))]
    return [c[i] for i in range(c.numel())]


# --- pickling and copying: refused with TypeError for every protocol --------------------------------


@pytest.mark.parametrize("name", CLASSES)
def test_pickling_and_copying_are_refused(name):
    c = make(name)
    before = contents(c)
    for protocol in range(pickle.HIGHEST_PROTOCOL + 1):
        with pytest.raises(TypeError):
            pickle.dumps(c, protocol=protocol)
    for attempt in (copy.copy, copy.deepcopy, lambda x: x.__reduce__(), lambda x: x.__reduce_ex__(0)):
        with pytest.raises(TypeError):
            attempt(c)
    assert contents(c) == before


def test_the_common_base_class_refuses_to_build_itself():
    base = kaldra.vecd.__base__
    with pytest.raises(TypeError):
        base()
    with pytest.raises(TypeError):
        base.__new__(base)
    assert kaldra.vecd.__new__(kaldra.vecd).numel() == 0  # the classes themselves still can


# --- __class__ rebinding ------------------------------------------------------------------------------


@pytest.mark.parametrize("name", CLASSES)
def test_class_rebinding_to_another_container_is_refused(name):
    c = make(name)
    before = contents(c)
    for other in CLASSES:
        if other == name:
            continue
        with pytest.raises(TypeError):
            c.__class__ = getattr(kaldra, other)
        assert type(c) is getattr(kaldra, name)
    sub_of_other = type("Other", (getattr(kaldra, "matd" if name != "matd" else "vecd"),), {})
    with pytest.raises(TypeError):
        c.__class__ = sub_of_other
    assert contents(c) == before


def test_subclass_instances_cannot_become_another_container():
    class V(kaldra.vecd):
        pass

    class M(kaldra.matd):
        pass

    class W(kaldra.vecd):
        pass

    v = V(3)
    with pytest.raises(TypeError):
        v.__class__ = M
    with pytest.raises(TypeError):
        v.__class__ = kaldra.matd
    v.__class__ = W  # the same container inside: the interpreter allows it, and it stays sound
    assert type(v) is W and kaldra.scale(2.0, v) is v


def test_foreign_layout_cannot_claim_a_container_class():
    """A metaclass whose mro() names a kaldra class is refused at class creation."""

    class Meta(type):
        def mro(cls):
            return [cls, kaldra.vecd, object]

    with pytest.raises(TypeError):
        Meta("Fake", (kaldra.matd,), {})


# --- conversions: once, strict, exceptions through unchanged -----------------------------------------


class Counting:
    """A number whose conversions count their calls."""

    calls = 0

    def __init__(self, value):
        self.value = value

    def __float__(self):
        Counting.calls += 1
        return float(self.value)

    def __index__(self):
        Counting.calls += 1
        return int(self.value)

    def __complex__(self):
        Counting.calls += 1
        return complex(self.value)


class Raising:
    def __init__(self, error):
        self.error = error

    def __float__(self):
        raise self.error

    def __index__(self):
        raise self.error

    def __complex__(self):
        raise self.error


CALLS = {
    "scale": lambda s, x, letter: (kaldra.scale, (s, x)),
    "axpy": lambda s, x, letter: (kaldra.axpy, (s, x, make("vec" + letter))),
    "gemv": lambda s, x, letter: (kaldra.gemv, (s, 1.0, make("mat" + letter), x, make("vec" + letter))),
    "gemv-b": lambda s, x, letter: (kaldra.gemv, (1.0, s, make("mat" + letter), x, make("vec" + letter))),
    "gemm": lambda s, x, letter: (
        kaldra.gemm,
        (s, 1.0, make("mat" + letter), make("mat" + letter), make("mat" + letter)),
    ),
    "setitem": lambda s, x, letter: (x.__setitem__, (0, s)),
}


@pytest.mark.parametrize("how", CALLS)
@pytest.mark.parametrize("letter", LETTERS)
def test_each_scalar_is_converted_once(how, letter):
    x = make("vec" + letter)
    function, args = CALLS[how](Counting(2), x, letter)
    Counting.calls = 0
    function(*args)
    assert Counting.calls == 1


@pytest.mark.parametrize("error", [KeyboardInterrupt, ZeroDivisionError("boom"), MemoryError])
@pytest.mark.parametrize("how", CALLS)
@pytest.mark.parametrize("letter", LETTERS)
def test_a_conversion_error_propagates_unchanged(error, how, letter):
    x = make("vec" + letter)
    function, args = CALLS[how](Raising(error), x, letter)
    operands = [a for a in args if not isinstance(a, Raising)]
    before = [contents(a) for a in operands if hasattr(a, "numel")]
    with pytest.raises(type(error) if isinstance(error, BaseException) else error) as raised:
        function(*args)
    if isinstance(error, BaseException):
        assert raised.value is error
    assert [contents(a) for a in operands if hasattr(a, "numel")] == before


COMPLEX_VALUES = {
    "complex": 2 + 5j,
    "complex-zero-imag": 2 + 0j,
    "np.complex128": np.complex128(2 + 5j),
    "np.complex64": np.complex64(2 + 5j),
    "np.clongdouble": np.clongdouble(2 + 5j),
    "0-d complex128 array": np.array(2 + 5j),
    "0-d clongdouble array": np.array(2 + 5j, dtype=np.clongdouble),
    "0-d complex64 array, no imaginary part": np.array(2 + 0j, dtype=np.complex64),
}


@pytest.mark.parametrize("value", COMPLEX_VALUES.values(), ids=COMPLEX_VALUES)
@pytest.mark.parametrize("how", CALLS)
@pytest.mark.parametrize("letter", "sd")
@pytest.mark.filterwarnings("default")  # whatever the warning filters say
def test_complex_values_are_refused_for_real_scalars(value, how, letter):
    x = make("vec" + letter)
    function, args = CALLS[how](value, x, letter)
    before = contents(x)
    with pytest.raises(TypeError):
        function(*args)
    assert contents(x) == before


ZERO_D_COMPLEX = [
    pytest.param(np.complex64, id="complex64"),
    pytest.param(np.complex128, id="complex128"),
    # NumPy's float() of such an array warns and drops the imaginary part instead of raising.
    pytest.param(np.clongdouble, id="clongdouble"),
]


@pytest.mark.parametrize("dtype", ZERO_D_COMPLEX)
@pytest.mark.parametrize("how", CALLS)
@pytest.mark.parametrize("letter", "sd")
@pytest.mark.parametrize("warnings_as", ["ignore", "error"])
def test_complex_arrays_without_dimensions_are_refused_for_real_scalars(dtype, how, letter, warnings_as):
    x = make("vec" + letter)
    function, args = CALLS[how](np.array(2 + 5j, dtype=dtype), x, letter)
    before = contents(x)
    with warnings.catch_warnings():
        warnings.simplefilter(warnings_as)
        with pytest.raises(TypeError):
            function(*args)
    assert contents(x) == before


REAL_VALUES = {
    "Decimal": (Decimal("2.5"), 2.5),
    "Fraction": (Fraction(5, 2), 2.5),
    "np.float32": (np.float32(2.5), 2.5),
    "np.int8": (np.int8(-2), -2.0),
    "np.bool_": (np.bool_(True), 1.0),
    "np.longdouble": (np.longdouble(2.5), 2.5),
    "0-d float32 array": (np.array(2.5, dtype=np.float32), 2.5),
    "0-d longdouble array": (np.array(2.5, dtype=np.longdouble), 2.5),
}


@pytest.mark.parametrize("value", REAL_VALUES.values(), ids=REAL_VALUES)
@pytest.mark.parametrize("letter", LETTERS)
def test_real_numbers_of_other_types_are_taken_by_value(value, letter):
    scalar, expected = value
    x = make("vec" + letter)
    assert kaldra.scale(scalar, x) is x
    assert x[0] == expected
    x[1] = scalar
    assert x[1] == expected


@pytest.mark.parametrize("letter", "cz")
def test_complex_numbers_of_other_types_are_taken_by_value(letter):
    x = make("vec" + letter)
    for scalar in (np.complex64(1 - 2j), np.complex128(1 - 2j), Counting(1 - 2j)):
        x[0] = scalar
        assert x[0] == 1 - 2j


NOT_INDICES = {
    "float": 1.0,
    "np.float32": np.float32(1.9),
    "np.float64": np.float64(1.0),
    "Decimal": Decimal("2.9"),
    "Fraction": Fraction(1),
    "negative": -1,
    "huge": 2**64,
    "str": "1",
    "None": None,
}


@pytest.mark.parametrize("value", NOT_INDICES.values(), ids=NOT_INDICES)
def test_sizes_and_indices_take_integers_only(value):
    v = make("vecd")
    m = make("matd")
    before = contents(v), contents(m)
    attempts = [
        lambda: kaldra.vecd(value),
        lambda: kaldra.matd(value, 2),
        lambda: kaldra.matd(2, value),
        lambda: v[value],
        lambda: v.__setitem__(value, 1.0),
        lambda: v.dim(value),
        lambda: m[value, 0],
        lambda: m.__setitem__((0, value), 1.0),
        lambda: m.dim(value),
    ]
    for attempt in attempts:
        with pytest.raises(TypeError):
            attempt()
    assert (contents(v), contents(m)) == before


def test_index_objects_and_numpy_integers_are_indices():
    v = make("vecd", 5)
    m = make("matd", 3)
    assert v[np.int64(2)] == 3.0 and v[Counting(4)] == 5.0
    assert kaldra.vecd(np.uint8(4)).numel() == 4
    assert kaldra.matd(Counting(2), np.int32(3)).dim(1) == 3
    assert m[np.int64(1), Counting(1)] == 2.0
    assert v[np.int64(1) : Counting(3)].numel() == 2


@pytest.mark.parametrize("index", [[1, 1], np.array([0, 1]), b"\x00\x01", range(2), (1,), (1, 1, 1), "ab"], ids=repr)
def test_a_matrix_index_is_a_tuple_of_two(index):
    m = make("matd")
    before = contents(m)
    with pytest.raises(TypeError):
        m[index]
    with pytest.raises(TypeError):
        m[index] = 3.0
    assert contents(m) == before


# --- re-entrant conversions that replace or free a container -----------------------------------------


@pytest.mark.parametrize("letter", LETTERS)
def test_a_container_initialised_by_a_conversion_of_the_same_call(letter):
    """The container is taken only after every conversion ran: the call sees the new one."""
    cls = getattr(kaldra, "vec" + letter)
    c = cls.__new__(cls)

    class Sneaky:
        def __float__(self):
            cls.__init__(c, 2)
            return 5.0

        __complex__ = lambda self: complex(self.__float__())  # noqa: E731

        def __index__(self):
            cls.__init__(c, 2)
            return 0

    c[0] = Sneaky()
    assert c.numel() == 2 and c[0] == 5.0
    d = cls.__new__(cls)
    c = d
    d[Sneaky()] = 1.0
    assert d.numel() == 2 and d[0] == 1.0
    e = cls.__new__(cls)
    c = e
    assert kaldra.scale(Sneaky(), e) is e and e.numel() == 2


# --- instances made by __new__ alone -------------------------------------------------------------------


def blank(kind, letter):
    c = getattr(kaldra, kind + letter)
    return c.__new__(c)


OUTPUT_CALLS = {
    "scale": lambda A, x, y: kaldra.scale(2.0, y),
    "sum": lambda A, x, y: kaldra.sum(x, y),
    "axpy": lambda A, x, y: kaldra.axpy(3.0, x, y),
    "copy": lambda A, x, y: kaldra.copy(x, y),
    "gemv": lambda A, x, y: kaldra.gemv(1.0, 2.0, A, x, y),
    "matvec": lambda A, x, y: kaldra.matvec(A, x, y),
    "gemm": lambda A, x, y: kaldra.gemm(1.0, 0.0, A, A, y),
    "matmul": lambda A, x, y: kaldra.matmul(A, A, y),
}
OUTPUT_KINDS = [(how, kind) for how in OUTPUT_CALLS for kind in (("mat",) if how in ("gemm", "matmul") else KINDS)]


@pytest.mark.parametrize("how, kind", OUTPUT_KINDS)
@pytest.mark.parametrize("letter", LETTERS)
def test_an_operation_returns_its_unconstructed_output_itself(how, kind, letter):
    """Such an instance is an empty container: the call gives the empty result, and returns the
    instance passed for the output, not a new object."""
    y = blank(kind, letter)
    assert OUTPUT_CALLS[how](blank("mat", letter), blank("vec", letter), y) is y
    assert y.numel() == 0


@pytest.mark.parametrize("how", ["scale", "axpy", "matmul"])
def test_the_call_slot_route_returns_an_unconstructed_output_itself(how):
    function = getattr(kaldra, how)
    kind = "mat" if how == "matmul" else "vec"
    y = blank(kind, "d")
    args = {"scale": (2.0, y), "axpy": (2.0, blank("vec", "d"), y), "matmul": (blank("mat", "d"), blank("mat", "d"), y)}
    assert type(function).__call__(function, *args[how]) is y


@pytest.mark.parametrize("letter", LETTERS)
def test_an_unconstructed_instance_used_once_still_takes_its_constructor(letter):
    v, m = blank("vec", letter), blank("mat", letter)
    assert kaldra.scale(1.0, v) is v and kaldra.matmul(m, m, m) is m
    type(v).__init__(v, 3)
    type(m).__init__(m, 2, 3)
    assert v.numel() == 3 and (m.dim(0), m.dim(1)) == (2, 3)
    v[2] = 4.0
    assert kaldra.dot(v, v) == 16.0


def test_a_slice_bound_conversion_runs_before_the_view_is_cut():
    v = kaldra.vecd.__new__(kaldra.vecd)

    class Bound:
        def __index__(self):
            kaldra.vecd.__init__(v, 4)
            return 3

    w = v[1 : Bound()]
    assert w.numel() == 2


# --- error messages stay readable ----------------------------------------------------------------------


def test_messages_show_at_most_a_thousand_characters_of_each_argument():
    big = kaldra.vecd(10**6)
    with pytest.raises(TypeError) as error:
        kaldra.sum(big, kaldra.vecs(10**6))
    message = str(error.value)
    shown = message.split("Invoked with: ", 1)[1].rsplit("\n", 1)[0]
    assert len(shown) < 2 * 1000 + 10
    assert shown.startswith("Column vector of size: 1000000\n[")
    with pytest.raises(TypeError) as error:
        big[-1]
    assert len(str(error.value)) < 1500
    with pytest.raises(TypeError) as error:
        kaldra.scale("é" * 5000, big)
    assert "'" + "é" * 995 + " ..., Column vector" in str(error.value)


def test_short_messages_are_exactly_the_library_ones():
    v = kaldra.vecd(2)
    with pytest.raises(TypeError) as error:
        kaldra.scale(1.0, v, v)
    assert str(error.value).endswith(f"\nInvoked with: 1.0, {v!r}, {v!r}\nscale() takes 2 arguments, 3 given")
    with pytest.raises(TypeError) as error:
        kaldra.scale(1.0, x=v)
    assert str(error.value).endswith(
        f"\nInvoked with: 1.0; kwargs: x={v!r}\nkaldra takes positional arguments only; keywords given: x"
    )


# --- one interpreter, one initialisation --------------------------------------------------------------


def run_python(code, timeout=60):
    return subprocess.run(
        [sys.executable, "-c", textwrap.dedent(code)], capture_output=True, text=True, timeout=timeout
    )


SUBINTERPRETER_CASES = {
    "repeated-subinterpreter-imports": """
        import _xxsubinterpreters as s
        for _ in range(6):
            i = s.create(isolated=False)
            try:
                s.run_string(i, "import kaldra")
            except Exception as e:
                assert "main interpreter" in str(e), e
            s.destroy(i)
        import kaldra
        print(kaldra.scale(2.0, kaldra.vecd(2)).numel())
        """,
    "classes-after-subinterpreter": """
        import _xxsubinterpreters as s
        i = s.create(isolated=False)
        try:
            s.run_string(i, "import kaldra; kaldra.vecs(2)")
        except Exception:
            pass
        s.destroy(i)
        others = [type("C%d" % k, (), {})() for k in range(200)]
        import kaldra
        for o in others:
            try:
                kaldra.scale(2.0, o)
            except TypeError:
                pass
        print(kaldra.vecd(3)[::1].numel())
        """,
    "dead-thread-state": """
        import _xxsubinterpreters as s
        i = s.create(isolated=False)
        try:
            s.run_string(i, "import kaldra")
        except Exception:
            pass
        s.destroy(i)
        import kaldra, kaldra_numpy
        try:
            kaldra.vecd(3)[::0]
        except ValueError:
            pass
        print(kaldra_numpy.asarray(kaldra.vecd(2)).shape[0])
        """,
    "main-first": """
        import kaldra
        import _xxsubinterpreters as s
        i = s.create(isolated=False)
        try:
            s.run_string(i, "import kaldra; kaldra.vecd(3)[::0]")
        except Exception as e:
            assert "main interpreter" in str(e), e
        s.destroy(i)
        print(kaldra.vecd(2).numel())
        """,
    "reimport": """
        import importlib, sys
        import kaldra
        first = kaldra
        del sys.modules["kaldra"]
        import kaldra
        assert kaldra is first
        assert importlib.reload(kaldra) is first
        print(kaldra.scale(1.0, kaldra.vecd(2)).numel())
        """,
}


@pytest.mark.parametrize("code", SUBINTERPRETER_CASES.values(), ids=SUBINTERPRETER_CASES)
def test_one_interpreter_one_initialisation(code):
    result = run_python(code)
    assert result.returncode == 0, result.stderr
    assert result.stdout.strip() in {"2", "1", "3"}, result.stdout
