"""The operation functions' front path agrees with the binding library's own overload resolution.

A plain call `f(*args)` goes through the front path, which answers calls made of exactly the registered
classes and plain numbers and hands all others to the library. `type(f).__call__(f, *args)` enters the
function through its type's call slot, which is the library's dispatcher alone. Every test here makes
the same call both ways on the same objects (restored in between) and compares what comes back, what
is raised and what the containers hold afterwards.
"""

import ctypes
import itertools
import types

import numpy as np
import pytest

import kaldra
from conftest import COMPLEX, FUNCTIONS, KINDS, LETTERS, layout, letters_of, module_functions


class FloatSub(float):
    pass


class IntSub(int):
    pass


class ComplexSub(complex):
    pass


class HasFloat:
    def __float__(self):
        return 1.5


class HasIndex:
    def __index__(self):
        return 3


class HasComplex:
    def __complex__(self):
        return 0.5 - 2j


# Scalars as the caller passes them: exact types take the front path, the others go to the library.
SCALARS = {
    "float": 1.25,
    "minus-one": -1.0,
    "int": 2,
    "big-int": 2**53 + 1,
    "huge-int": 10**400,
    "bool": True,
    "float-subclass": FloatSub(0.75),
    "int-subclass": IntSub(-3),
    "complex": 0.5 + 1.5j,
    "complex-subclass": ComplexSub(2 - 1j),
    "__float__": HasFloat(),
    "__index__": HasIndex(),
    "__complex__": HasComplex(),
    "numpy-float64": np.float64(0.5),
    "numpy-int64": np.int64(4),
    "nan": float("nan"),
    "None": None,
    "str": "2",
}


def subclass_of(cls):
    return type("Sub" + cls.__name__, (cls,), {})


SUBCLASSES = {name: subclass_of(getattr(kaldra, name)) for name in (k + t for k in KINDS for t in LETTERS)}
MATRIX_CLASSES = tuple(getattr(kaldra, "mat" + t) for t in LETTERS)


class Operands:
    """Containers of one call with the storage behind them, their contents and a way to restore them."""

    def __init__(self, rng, letter, kinds, subclass=False, size=3):
        self.owners = []  # every object whose storage a call may change
        self.args = []
        for kind in kinds:
            name = kind + letter
            if kind == "mat":
                cls = SUBCLASSES[name] if subclass else getattr(kaldra, name)
                obj = cls(size, size)
                self.owners.append(obj)
            elif kind == "vec":
                cls = SUBCLASSES[name] if subclass else getattr(kaldra, name)
                obj = cls(size)
                self.owners.append(obj)
            else:
                parent = kaldra.__dict__["vec" + letter](size + 1)
                self.owners.append(parent)
                obj = parent[1 : size + 1]
            self.args.append(obj)
        complex_values = letter in COMPLEX
        for owner in self.owners:
            for key in self.keys(owner):
                value = rng.uniform(-2, 2)
                if complex_values:
                    value = complex(value, rng.uniform(-2, 2))
                owner[key] = value
        self.initial = self.state()

    @staticmethod
    def keys(owner):
        if isinstance(owner, MATRIX_CLASSES):
            return list(itertools.product(range(owner.dim(0)), range(owner.dim(1))))
        return list(range(owner.numel()))

    def state(self):
        return [[owner[key] for key in self.keys(owner)] for owner in self.owners]

    def restore(self):
        for owner, values in zip(self.owners, self.initial):
            for key, value in zip(self.keys(owner), values):
                owner[key] = value


def outcome(call, args):
    """What a call gave: ('value', v) or ('same', position) for a returned argument, or the exception."""
    try:
        result = call(*args)
    except Exception as error:  # noqa: BLE001 - every exception is compared
        return ("raised", type(error), str(error))
    for position, arg in enumerate(args):
        if result is arg:
            return ("same", position)
    if isinstance(result, (float, complex)):
        return ("value", type(result), repr(result))
    return ("value", type(result), result)


def through_library(function):
    return lambda *args: type(function).__call__(function, *args)


def assert_agree(name, args, operands):
    function = getattr(kaldra, name)
    front = outcome(function, args)
    front_state = operands.state()
    operands.restore()
    library = outcome(through_library(function), args)
    assert front == library
    assert repr(front_state) == repr(operands.state())
    operands.restore()
    return front


def container_combinations(name):
    _, kinds = layout(name)
    return list(itertools.product(*kinds))


@pytest.mark.parametrize("name", sorted(FUNCTIONS))
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("subclass", [False, True], ids=["exact", "subclass"])
def test_every_overload_agrees_with_the_library(name, letter, subclass):
    """Every container combination, once with exact classes (front path) and once with subclasses."""
    rng = np.random.default_rng(7)
    scalars, _ = layout(name)
    scalar = 1.5 - 0.5j if letter in COMPLEX else 1.5
    for kinds in container_combinations(name):
        operands = Operands(rng, letter, kinds, subclass=subclass)
        args = [scalar] * scalars + operands.args
        result = assert_agree(name, args, operands)
        if letter not in letters_of(name):
            assert result[:2] == ("raised", TypeError)


@pytest.mark.parametrize("scalar", list(SCALARS.values()), ids=list(SCALARS))
@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("name", [name for name, facts in FUNCTIONS.items() if facts["scalars"]])
def test_scalar_conversions_agree(name, letter, scalar):
    """Every kind of scalar in every scalar position, on the first and the last container combination."""
    rng = np.random.default_rng(11)
    scalars, _ = layout(name)
    plain = 0.5 - 1j if letter in COMPLEX else 0.5
    combinations = container_combinations(name)
    for kinds in {combinations[0], combinations[-1]}:
        for position in range(scalars):
            operands = Operands(rng, letter, kinds)
            given = [plain] * scalars
            given[position] = scalar
            assert_agree(name, given + operands.args, operands)


def test_int_and_float_scalars_give_the_same_numbers():
    """An int scalar is taken as the float of the same value, for real and complex element types."""
    rng = np.random.default_rng(3)
    for letter in LETTERS:
        a = Operands(rng, letter, ("mat", "vec", "vec"))
        b = Operands(rng, letter, ("mat", "vec", "vec"))
        b.initial = a.initial
        b.restore()
        assert kaldra.gemv(2, -1, *a.args) is a.args[2]
        assert kaldra.gemv(2.0, -1.0, *b.args) is b.args[2]
        assert a.state() == b.state()


@pytest.mark.parametrize(
    "call",
    [
        pytest.param(lambda v, w, m: (kaldra.scale, (2.0, v), {}), id="scale-float"),
        pytest.param(lambda v, w, m: (kaldra.scale, (), {"s": 2.0, "x": v}), id="keywords-only"),
        pytest.param(lambda v, w, m: (kaldra.scale, (2.0,), {"x": v}), id="keyword-container"),
        pytest.param(lambda v, w, m: (kaldra.dot, (v,), {}), id="too-few"),
        pytest.param(lambda v, w, m: (kaldra.dot, (v, v, v), {}), id="too-many"),
        pytest.param(lambda v, w, m: (kaldra.dot, (v, None), {}), id="None"),
        pytest.param(lambda v, w, m: (kaldra.dot, (v, w), {}), id="two-element-types"),
        pytest.param(lambda v, w, m: (kaldra.hdot, (v, v), {}), id="hdot-real"),
        pytest.param(lambda v, w, m: (kaldra.gemm, (1.0, 0.0, v, m, m), {}), id="gemm-vector"),
        pytest.param(lambda v, w, m: (kaldra.ls, (v, v), {}), id="ls-vector"),
        pytest.param(lambda v, w, m: (kaldra.scale, (1j, v), {}), id="complex-for-real"),
        pytest.param(lambda v, w, m: (kaldra.gemv, (1.0, 0.0, m, v, kaldra.vecd(2)), {}), id="shape"),
        pytest.param(lambda v, w, m: (kaldra.gemv, (1.0, 0.0, v, v, v), {}), id="not-a-matrix"),
        pytest.param(lambda v, w, m: (kaldra.matmul, (m, m, kaldra.matd(3, 2)), {}), id="matmul-shape"),
        pytest.param(lambda v, w, m: (kaldra.ls, (kaldra.matd(3, 3), v), {}), id="ls-rank"),
        pytest.param(lambda v, w, m: (kaldra.scale, (2.0, object()), {}), id="object"),
    ],
)
def test_refusals_and_failures_agree(call):
    """The same TypeError listing, RuntimeError text or result, and nothing changed by a refused call."""
    v = kaldra.vecd(3)
    w = kaldra.vecs(3)
    m = kaldra.matd(3, 3)
    for i in range(3):
        v[i] = i + 1.0
        m[i, i] = 2.0
    function, args, kwargs = call(v, w, m)
    before = [v[i] for i in range(3)]

    def run(how):
        try:
            return ("result", how(*args, **kwargs))
        except Exception as error:  # noqa: BLE001 - every exception is compared
            return ("raised", type(error), str(error))

    front = run(function)
    if front[0] == "raised":
        assert [v[i] for i in range(3)] == before
    library = run(lambda *a, **k: type(function).__call__(function, *a, **k))
    if front[0] == "result":
        front, library = front[1], library[1]
        assert front is library
    else:
        assert front == library


def test_other_call_protocols_reach_the_same_results():
    """Calls made through *args, functools.partial and map reach the same results."""
    import functools

    v = kaldra.vecz(3)
    v[0], v[1], v[2] = 1 + 1j, 2, -1j
    assert kaldra.scale(*(2, v)) is v
    assert functools.partial(kaldra.scale, 0.5)(v) is v
    assert list(map(kaldra.dot, [v], [v])) == [kaldra.dot(v, v)]
    assert [v[i] for i in range(3)] == [1 + 1j, 2, -1j]


def test_functions_stay_the_library_objects():
    """Same type, names, docstring listing and overload record as the library made them."""
    for name in module_functions():
        function = getattr(kaldra, name)
        assert type(function) is types.BuiltinFunctionType
        assert function.__name__ == name
        assert function.__qualname__.endswith(name)
        assert function.__module__ == "kaldra"
        assert type(function.__self__).__name__ == "PyCapsule"
        assert function.__doc__.startswith(f"{name}(*args, **kwargs)\nOverloaded function.\n\n1. {name}(")


def builtin_functions():
    """Every function of the module and every method of its classes, as the builtin function behind it."""
    for name, value in vars(kaldra).items():
        if isinstance(value, types.BuiltinFunctionType):
            yield name, value
        elif isinstance(value, type):
            for method, entry in vars(value).items():
                if isinstance(getattr(entry, "__func__", None), types.BuiltinFunctionType):
                    yield f"{name}.{method}", entry.__func__


# Methods left to the binding library: __repr__, which the interpreter calls through the type's slot, and
# the library's own hook for other modules built with it.
LIBRARY_METHODS = {"__repr__", "_pybind11_conduit_v1_"}


def test_front_path_is_attached_to_every_function_and_method():
    """Each function object carries a vectorcall entry (CPython 3.12 builtin function layout), which the
    binding library leaves empty and the front path sets."""
    # PyCFunctionObject: PyObject_HEAD (2 words), m_ml, m_self, m_module, m_weakreflist, vectorcall.
    offset = 6 * ctypes.sizeof(ctypes.c_void_p)
    found = dict(builtin_functions())
    assert set(module_functions()) < set(found) and "vecd.__init__" in found
    for where, function in found.items():
        attached = ctypes.c_void_p.from_address(id(function) + offset).value is not None
        assert attached == (where.rpartition(".")[2] not in LIBRARY_METHODS), where
    assert ctypes.c_void_p.from_address(id(len) + offset).value  # the layout holds for builtins in general


@pytest.mark.parametrize("route", ["front", "library"])
def test_calls_leave_reference_counts_as_they_were(route):
    """Returned arguments, None, new numbers and raised errors leak no reference on either route."""
    import sys

    v, w, m = kaldra.vecz(3), kaldra.vecz(3), kaldra.matz(3, 3)
    short = kaldra.vecz(2)
    calls = [
        (kaldra.scale, (2, v)),
        (kaldra.gemv, (1j, 0.5, m, v, w)),
        (kaldra.swap, (v, w)),
        (kaldra.hdot, (v, w)),
        (kaldra.gemv, (1j, 0.5, m, v, short)),  # RuntimeError
        (kaldra.dot, (v, None)),  # TypeError
    ]
    objects = [v, w, m, short]
    before = [sys.getrefcount(o) for o in objects]
    for function, args in calls:
        call = function if route == "front" else through_library(function)
        for _ in range(100):
            try:
                call(*args)
            except (RuntimeError, TypeError):
                pass
    assert [sys.getrefcount(o) for o in objects] == before
