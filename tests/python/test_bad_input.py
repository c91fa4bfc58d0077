"""Every way a caller can get an argument wrong gives a clear Python exception and changes nothing."""

import copy
import pickle
from decimal import Decimal
from fractions import Fraction

import numpy as np
import pytest

import kaldra


@pytest.fixture
def world():
    """One container of each kind and element type used below, filled with distinct values."""
    made = {
        "vd": kaldra.vecd(3),
        "vs": kaldra.vecs(3),
        "vz": kaldra.vecz(3),
        "vc": kaldra.vecc(3),
        "short": kaldra.vecd(2),
        "Ad": kaldra.matd(2, 3),
        "Xd": kaldra.matd(3, 2),
        "Yd": kaldra.matd(2, 2),
        "Az": kaldra.matz(2, 2),
        "empty_cols": kaldra.matd(2, 0),
    }
    base = kaldra.vecd(6)
    made["view"] = base[1:4]
    made["base"] = base
    value = 1.0
    for name, c in made.items():
        if c.numel() == 0:
            continue
        if isinstance(c, (kaldra.matd, kaldra.matz)):
            for j in range(c.dim(1)):
                for i in range(c.dim(0)):
                    c[i, j] = value
                    value += 1.25
        elif name != "view":
            for i in range(c.numel()):
                c[i] = complex(value, -value) if isinstance(c, (kaldra.vecz, kaldra.vecc)) else value
                value += 1.25
    return made


def contents(world):
    out = {}
    for name, c in world.items():
        if isinstance(c, (kaldra.matd, kaldra.matz)):
            out[name] = [c[i, j] for j in range(c.dim(1)) for i in range(c.dim(0))]
        else:
            out[name] = [c[i] for i in range(c.numel())]
    return out


# (description, call taking the world, exception type, exact message or None for the binding's own)
CASES = [
    # constructors: types, signs, sizes beyond memory or size_t, keywords, None
    ("size -1", lambda w: kaldra.vecd(-1), TypeError, None),
    ("size float", lambda w: kaldra.vecd(3.0), TypeError, None),
    ("size str", lambda w: kaldra.vecs("3"), TypeError, None),
    ("size None", lambda w: kaldra.vecz(None), TypeError, None),
    ("size 2**64", lambda w: kaldra.vecd(2**64), TypeError, None),
    ("no size", lambda w: kaldra.vecc(), TypeError, None),
    ("size keyword", lambda w: kaldra.vecd(size=3), TypeError, None),
    ("matrix one size", lambda w: kaldra.matd(2), TypeError, None),
    ("matrix negative", lambda w: kaldra.matd(2, -1), TypeError, None),
    (
        "matrix 2**40 x 2**40",
        lambda w: kaldra.matd(2**40, 2**40),
        OverflowError,
        "matrix of size (1099511627776, 1099511627776) has more elements than a size_t can count",
    ),
    (
        "matrix 2**64-1 x 2",
        lambda w: kaldra.mats(2**64 - 1, 2),
        OverflowError,
        "matrix of size (18446744073709551615, 2) has more elements than a size_t can count",
    ),
    ("view constructor", lambda w: kaldra.viewd(), TypeError, None),
    # element access
    ("index -1", lambda w: w["vd"][-1], TypeError, None),
    ("index float", lambda w: w["vd"][1.0], TypeError, None),
    ("index None", lambda w: w["vd"][None], TypeError, None),
    ("index str", lambda w: w["view"]["a"], TypeError, None),
    ("index past end", lambda w: w["vd"][3], kaldra.OutOfRangeError, "index 3 exceeds max number of elements 3"),
    ("view index past end", lambda w: w["view"][3], kaldra.OutOfRangeError, "index 3 exceeds max number of elements 3"),
    (
        "index 2**64-1",
        lambda w: w["vd"][2**64 - 1],
        kaldra.OutOfRangeError,
        "index 18446744073709551615 exceeds max number of elements 3",
    ),
    (
        "write past end",
        lambda w: w["vd"].__setitem__(5, 1.0),
        kaldra.OutOfRangeError,
        "index 5 exceeds max number of elements 3",
    ),
    ("write str", lambda w: w["vd"].__setitem__(0, "1"), TypeError, None),
    ("write None", lambda w: w["vz"].__setitem__(0, None), TypeError, None),
    ("write complex to real", lambda w: w["vs"].__setitem__(0, 1j), TypeError, None),
    ("write 2**1100", lambda w: w["vd"].__setitem__(0, 2**1100), TypeError, None),
    ("matrix one index", lambda w: w["Ad"][0], TypeError, None),
    ("matrix three indices", lambda w: w["Ad"][0, 0, 0], TypeError, None),
    ("matrix negative index", lambda w: w["Ad"][-1, 0], TypeError, None),
    (
        "matrix past storage",
        lambda w: w["Ad"][0, 3],
        kaldra.OutOfRangeError,
        "requested array index 6exceeds max number of elements 6",
    ),
    (
        "matrix row past end",
        lambda w: w["Ad"][2, 0],
        kaldra.OutOfRangeError,
        "index for dimension 02exceeds max number of elements for that dimension 2",
    ),
    (
        "matrix column wraps",
        lambda w: w["Ad"][0, 2**63],
        kaldra.OutOfRangeError,
        "index for dimension 19223372036854775808exceeds max number of elements for that dimension 3",
    ),
    (
        "matrix write past end",
        lambda w: w["Ad"].__setitem__((5, 5), 1.0),
        kaldra.OutOfRangeError,
        "requested array index 15exceeds max number of elements 6",
    ),
    ("dim -1", lambda w: w["vd"].dim(-1), TypeError, None),
    ("dim 1 of a vector", lambda w: w["view"].dim(1), RuntimeError, "dimension 1 invalid for vector"),
    ("dim 2 of a matrix", lambda w: w["Ad"].dim(2), RuntimeError, "dimension 2 invalid for matrix"),
    # slices
    ("slice step 2", lambda w: w["vd"][::2], RuntimeError, "stepsizes larger than 1 invalid for vector"),
    ("slice step -1", lambda w: w["view"][::-1], RuntimeError, "stepsizes larger than 1 invalid for vector"),
    ("slice step 0", lambda w: w["vd"][::0], ValueError, None),
    ("slice float bound", lambda w: w["vd"][1.5:], TypeError, None),
    ("slice str bound", lambda w: w["vd"]["a":], TypeError, None),
    ("slice of a matrix", lambda w: w["Ad"][0:1], TypeError, None),
    # operations: wrong kinds, element types, scalars, keywords, None, argument counts
    ("complex scale of real", lambda w: kaldra.scale(1j, w["vd"]), TypeError, None),
    ("str scale", lambda w: kaldra.scale("2", w["vd"]), TypeError, None),
    ("None scale", lambda w: kaldra.scale(None, w["vz"]), TypeError, None),
    ("scale 2**1100", lambda w: kaldra.scale(2**1100, w["vd"]), TypeError, None),
    ("scale NumPy array", lambda w: kaldra.scale(np.array([2.0]), w["vd"]), TypeError, None),
    ("scale of a list", lambda w: kaldra.scale(2.0, [1.0, 2.0]), TypeError, None),
    ("scale of a NumPy array", lambda w: kaldra.scale(2.0, np.ones(3)), TypeError, None),
    ("scale of None", lambda w: kaldra.scale(2.0, None), TypeError, None),
    ("scale by keyword", lambda w: kaldra.scale(s=2.0, x=w["vd"]), TypeError, None),
    ("scale one argument", lambda w: kaldra.scale(w["vd"]), TypeError, None),
    ("scale three arguments", lambda w: kaldra.scale(2.0, w["vd"], w["vd"]), TypeError, None),
    ("sum mixed types", lambda w: kaldra.sum(w["vs"], w["vd"]), TypeError, None),
    ("axpy mixed complex", lambda w: kaldra.axpy(1.0, w["vc"], w["vz"]), TypeError, None),
    ("copy None", lambda w: kaldra.copy(w["vd"], None), TypeError, None),
    ("swap keyword", lambda w: kaldra.swap(w["vd"], y=w["vd"]), TypeError, None),
    ("hdot of real", lambda w: kaldra.hdot(w["vd"], w["vd"]), TypeError, None),
    ("dot of a tuple", lambda w: kaldra.dot((1.0,), w["vd"]), TypeError, None),
    (
        "sum short y",
        lambda w: kaldra.sum(w["vd"], w["short"]),
        RuntimeError,
        "In sum, vector y has 2 elements, fewer than the 3 elements of vector x",
    ),
    (
        "axpy short y",
        lambda w: kaldra.axpy(2.0, w["Ad"], w["view"]),
        RuntimeError,
        "In axpy, vector y has 3 elements, fewer than the 6 elements of vector x",
    ),
    (
        "copy short y",
        lambda w: kaldra.copy(w["base"], w["vd"]),
        RuntimeError,
        "In copy, vector y has 3 elements, fewer than the 6 elements of vector x",
    ),
    (
        "swap short y",
        lambda w: kaldra.swap(w["vd"], w["short"]),
        RuntimeError,
        "In swap, vector y has 2 elements, fewer than the 3 elements of vector x",
    ),
    (
        "dot short y",
        lambda w: kaldra.dot(w["vd"], w["short"]),
        RuntimeError,
        "In dot, vector y has 2 elements, fewer than the 3 elements of vector x",
    ),
    (
        "hdot short y",
        lambda w: kaldra.hdot(w["vz"], kaldra.vecz(1)),
        RuntimeError,
        "In hdot, vector y has 1 elements, fewer than the 3 elements of vector x",
    ),
    ("ls vector A", lambda w: kaldra.ls(w["vd"], w["vd"]), TypeError, None),
    ("ls mixed types", lambda w: kaldra.ls(w["Ad"], w["vs"]), TypeError, None),
    (
        "ls short x",
        lambda w: kaldra.ls(w["Ad"], w["short"]),
        RuntimeError,
        "In ls, vector x has 2 elements, fewer than the 3 that matrix A of size (2, 3) requires",
    ),
    (
        "gemv vector A",
        lambda w: kaldra.gemv(1.0, 0.0, w["vd"], w["vd"], w["vd"]),
        RuntimeError,
        "In gemv expression y = aAx + by, A must be a matrix",
    ),
    (
        "gemv x length",
        lambda w: kaldra.gemv(1.0, 0.0, w["Ad"], w["short"], w["short"]),
        RuntimeError,
        "In gemv expression y = aAx + by, matrix A dimension 1: 3, doesn't match vector x dimension 0: 2",
    ),
    (
        "matvec y length",
        lambda w: kaldra.matvec(w["Ad"], w["vd"], w["vd"]),
        RuntimeError,
        "In gemv expression y = aAx + by, matrix A dimension 0: 2, doesn't match vector y dimension 0: 3",
    ),
    (
        "gemv y without columns",
        lambda w: kaldra.gemv(1.0, 1.0, w["Yd"], w["short"], w["empty_cols"]),
        RuntimeError,
        "In gemv expression y = aAx + by, matrix y has 2 rows but no columns",
    ),
    ("gemv complex factor", lambda w: kaldra.gemv(1j, 0.0, w["Ad"], w["vd"], w["short"]), TypeError, None),
    ("gemv four arguments", lambda w: kaldra.gemv(1.0, w["Ad"], w["vd"], w["short"]), TypeError, None),
    ("gemm vector operand", lambda w: kaldra.gemm(1.0, 0.0, w["Ad"], w["vd"], w["Yd"]), TypeError, None),
    (
        "gemm inner dimension",
        lambda w: kaldra.gemm(1.0, 0.0, w["Ad"], w["Yd"], w["Yd"]),
        RuntimeError,
        "In gemm expression Y = aAX + bY, matrix A dimension 1: 3, doesn't match matrix X dimension 0: 2",
    ),
    (
        "matmul rows",
        lambda w: kaldra.matmul(w["Xd"], w["Yd"], w["Yd"]),
        RuntimeError,
        "In gemm expression Y = aAX + bY, matrix A dimension 0: 3, doesn't match matrix Y dimension 0: 2",
    ),
    ("matmul mixed types", lambda w: kaldra.matmul(w["Az"], w["Yd"], w["Yd"]), TypeError, None),
]


class Index:
    """An object with an index conversion, giving `value` or raising it."""

    def __init__(self, value):
        self.value = value

    def __index__(self):
        if isinstance(self.value, BaseException):
            raise self.value
        return self.value


class Real:
    """An object with a float conversion that raises."""

    def __init__(self, error):
        self.error = error

    def __float__(self):
        raise self.error

    __complex__ = __float__


def unconstructed(name):
    c = getattr(kaldra, name)
    return c.__new__(c)


def subclass_instance(name, *args):
    return type("Sub", (getattr(kaldra, name),), {})(*args)


def rebind(obj, cls):
    obj.__class__ = cls


# What hostile Python code passes: NumPy numbers of every kind where sizes and indices are expected,
# index objects out of range, conversions that raise, pickling and rebinding of the less common
# instances (made by __new__ alone, of subclasses).
CASES += [
    ("size np.float16", lambda w: kaldra.mats(np.float16(2)), TypeError, None),
    ("size np.longdouble", lambda w: kaldra.vecz(np.longdouble(2)), TypeError, None),
    ("size np.bool_", lambda w: kaldra.vecd(np.bool_(True)), TypeError, None),
    ("size np.complex128", lambda w: kaldra.vecc(np.complex128(2)), TypeError, None),
    ("size Fraction", lambda w: kaldra.matz(2, Fraction(4, 2)), TypeError, None),
    ("size __index__ negative", lambda w: kaldra.vecd(Index(-1)), TypeError, None),
    ("size __index__ 2**64", lambda w: kaldra.matd(Index(2**64), 1), TypeError, None),
    ("size __index__ returns float", lambda w: kaldra.vecd(Index(2.0)), TypeError, None),
    ("size __index__ raises", lambda w: kaldra.vecs(Index(ZeroDivisionError("no size"))), ZeroDivisionError, "no size"),
    ("index np.bool_", lambda w: w["vd"][np.bool_(False)], TypeError, None),
    ("index np.float16", lambda w: w["vz"][np.float16(1)], TypeError, None),
    ("index np.complex64", lambda w: w["vc"][np.complex64(1)], TypeError, None),
    ("view index np.float32", lambda w: w["view"][np.float32(1)], TypeError, None),
    ("view index Decimal", lambda w: w["view"].__setitem__(Decimal(1), 2.0), TypeError, None),
    ("index 1-element array", lambda w: w["vd"][np.array([1])], TypeError, None),
    ("index __index__ raises", lambda w: w["vs"].__setitem__(Index(KeyError("no index")), 1.0), KeyError, None),
    ("matrix index np.float64", lambda w: w["Ad"][np.int64(0), np.float64(0)], TypeError, None),
    ("matrix index with an array", lambda w: w["Ad"][np.array([0]), 0], TypeError, None),
    ("matrix index __index__ 2**64", lambda w: w["Az"].__setitem__((0, Index(2**64)), 1.0), TypeError, None),
    (
        "matrix index __index__ raises",
        lambda w: w["Ad"][0, Index(ArithmeticError("no column"))],
        ArithmeticError,
        "no column",
    ),
    ("dim np.bool_", lambda w: w["Ad"].dim(np.bool_(True)), TypeError, None),
    ("slice np.float64 bound", lambda w: w["vd"][np.float64(1) :], TypeError, None),
    ("slice Decimal bound", lambda w: w["view"][: Decimal(2)], TypeError, None),
    ("slice bound raises", lambda w: w["vd"][Index(LookupError("no bound")) :], LookupError, "no bound"),
    ("np.complex64 zero imaginary for vecs", lambda w: kaldra.scale(np.complex64(2), w["vs"]), TypeError, None),
    (
        "np.clongdouble for gemm of matd",
        lambda w: kaldra.gemm(1.0, np.clongdouble(0), w["Ad"], w["Xd"], w["Yd"]),
        TypeError,
        None,
    ),
    (
        "scale float conversion raises",
        lambda w: kaldra.scale(Real(ValueError("no scalar")), w["vz"]),
        ValueError,
        "no scalar",
    ),
    (
        "axpy float conversion raises",
        lambda w: kaldra.axpy(Real(OverflowError("too big")), w["vd"], w["base"]),
        OverflowError,
        "too big",
    ),
    ("pickle unconstructed vector", lambda w: pickle.dumps(unconstructed("vecd"), 2), TypeError, None),
    ("deepcopy unconstructed matrix", lambda w: copy.deepcopy(unconstructed("matz")), TypeError, None),
    ("pickle unconstructed view", lambda w: pickle.dumps(unconstructed("viewc"), 5), TypeError, None),
    ("copy subclass instance", lambda w: copy.copy(subclass_instance("vecs", 2)), TypeError, None),
    ("pickle subclass matrix", lambda w: pickle.dumps(subclass_instance("matd", 2, 2), 0), TypeError, None),
    ("rebind unconstructed vector to matrix", lambda w: rebind(unconstructed("vecd"), kaldra.matd), TypeError, None),
    ("rebind view to vector", lambda w: rebind(w["view"], kaldra.vecd), TypeError, None),
    ("rebind matrix to a plain class", lambda w: rebind(w["Ad"], type("Plain", (), {})), TypeError, None),
]


@pytest.mark.parametrize("call, error, message", [c[1:] for c in CASES], ids=[c[0] for c in CASES])
def test_bad_argument_raises_and_changes_nothing(world, call, error, message):
    before = contents(world)
    with pytest.raises(error) as caught:
        call(world)
    if message is not None:
        assert str(caught.value) == message
    assert contents(world) == before


ALLOCATIONS = [
    ("vecd(2**62)", lambda: kaldra.vecd(2**62)),
    ("vecz(2**59)", lambda: kaldra.vecz(2**59)),
    ("vecs(2**40)", lambda: kaldra.vecs(2**40)),
    ("matd(2**31, 2**31)", lambda: kaldra.matd(2**31, 2**31)),
    ("matc(2**20, 2**30)", lambda: kaldra.matc(2**20, 2**30)),
]


@pytest.mark.parametrize("make", [a[1] for a in ALLOCATIONS], ids=[a[0] for a in ALLOCATIONS])
def test_sizes_beyond_memory_raise_memory_error(make):
    with pytest.raises(MemoryError):
        make()
    # The module is still usable afterwards.
    v = kaldra.vecd(2)
    v[1] = 3.0
    assert kaldra.dot(v, v) == 9.0
