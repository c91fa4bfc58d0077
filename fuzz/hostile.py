"""Hostile moves for the differential fuzzer: what ordinary Python code can do to kaldra's objects,
mixed into the random programs while the model keeps checking every storage after every step.

The moves and the outcome the model expects of each:

* subclass instances of every class (plain ones, and ones whose element access and text form are
  their own methods that call kaldra again) take the place of kaldra's own objects anywhere: they
  compute exactly as the classes they derive from;
* instances made by a class's __new__ alone are empty containers (a vector of 0 elements, a 0 x 0
  matrix) until __init__ runs on them; every operation on them gives the result for empty containers;
  __init__ on an instance that already holds a container changes nothing;
* scalars, sizes and indices whose conversion re-enters kaldra (initialises an instance made by
  __new__, even one of the same call's operands; copies or swaps containers; drops one from the
  program; attempts a __class__ rebinding; releases an array's base) or raises (KeyboardInterrupt,
  ZeroDivisionError, MemoryError): the conversion runs exactly once, before any container is read, so
  the call sees the containers as the conversion left them; its exception reaches the caller as the
  very object raised, and the call then changes nothing;
* NumPy scalars of every kind as scalars (complex ones refused with TypeError for the real element
  types, whatever their imaginary part), and as sizes and indices (integers accepted; floats, bools
  and complex refused with TypeError);
* foreign sizes and indices (Decimal, Fraction, floats, negative numbers, 2**64 and beyond, objects
  with __index__, strings, None): only integers and __index__ objects within size_t are taken, the
  rest raise TypeError; matrix indices other than a tuple of two raise TypeError;
* pickling at every protocol, copy.copy, copy.deepcopy and __reduce_ex__ raise TypeError;
* __class__ rebinding to another kind or element type raises TypeError and keeps the type; to a
  subclass of the same class the interpreter may allow it, and the object then computes as before;
* arrays from kaldra_numpy.asarray kept across steps (compared with the model after every step, and
  written through), dropped, outliving their containers, and their bases released: a release must
  either be refused or leave the storage in place, so that writes through the array still reach it.

A refused call must raise exactly the expected exception type and leave every storage bit for bit as
it was; what a conversion did before the call is applied to the model first.
"""

from __future__ import annotations

import copy
import numbers
import operator
import pickle
import subprocess
import sys
import textwrap
import warnings
from decimal import Decimal
from fractions import Fraction

import numpy as np

import kaldra

from .model import COMPLEX, DTYPES, LETTERS, Box, Expected, Runner, Storage, bits, cls, draw_real, draw_value

try:
    import kaldra_numpy
except ImportError:  # kaldra computes without NumPy's interop module; its moves are then left out
    kaldra_numpy = None

REAL_NUMPY = [np.float16, np.float32, np.float64, np.longdouble]
INT_NUMPY = [np.int8, np.int16, np.int32, np.int64, np.uint8, np.uint16, np.uint32, np.uint64]
COMPLEX_NUMPY = [np.complex64, np.complex128, np.clongdouble]
SCALAR_OPERATIONS = ["scale", "axpy", "gemv", "gemm", "setitem"]


# --------------------------------------------------------------------------------------------------
# The model's conversion rules.


def is_complex_number(value) -> bool:
    """A complex number by its type: a Python complex, a number registered as complex and not real, or
    an array of complex elements without dimensions."""
    if isinstance(value, np.ndarray):
        return np.iscomplexobj(value)
    return isinstance(value, complex) or (isinstance(value, numbers.Complex) and not isinstance(value, numbers.Real))


def scalar_of(value, letter):
    """The scalar as the element type's overload receives it, or None when it must be refused."""
    if is_complex_number(value) and letter not in COMPLEX:
        return None
    if isinstance(value, Hostile):
        value = value.value
    try:
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            v = complex(value) if letter in COMPLEX else float(value)
    except (OverflowError, TypeError):
        return None
    return DTYPES[letter](v)


def index_of(value):
    """A size or index as kaldra takes it, or None when it must be refused."""
    if isinstance(value, Hostile):
        value = value.value
    try:
        i = operator.index(value)
    except TypeError:
        return None
    return i if 0 <= i < 2**64 else None


def check_types(op, boxes, scalars):
    """The letter of a well-formed call and its scalars' values, or Expected(TypeError)."""
    letters = {b.letter for b in boxes}
    if len(letters) != 1:
        raise Expected(TypeError)
    letter = letters.pop()
    if op in ("gemm",) and any(b.kind != "mat" for b in boxes):
        raise Expected(TypeError)
    values = [scalar_of(s, letter) for s in scalars]
    if any(v is None for v in values):
        raise Expected(TypeError)
    return letter, values


# --------------------------------------------------------------------------------------------------
# Hostile objects.


class Hostile:
    """A number whose conversions count their calls and may first run an effect or raise."""

    def __init__(self, value, effect=None, error=None):
        self.value, self.effect, self.error = value, effect, error
        self.calls = 0

    def convert(self, kind):
        self.calls += 1
        if self.effect is not None:
            self.effect()
        if self.error is not None:
            raise self.error
        return kind(self.value)

    def __repr__(self):
        return f"Hostile({self.value!r}{', effect' if self.effect else ''}{', ' + type(self.error).__name__ if self.error else ''})"


class HostileReal(Hostile):
    def __float__(self):
        return self.convert(float)

    def __complex__(self):
        return self.convert(complex)


class HostileIndex(Hostile):
    def __index__(self):
        return self.convert(int)


class Plain:
    """An object with no conversion at all."""


def raising_repr(self):
    raise ZeroDivisionError("text form")


SUBCLASSES: dict = {}


def subclass(base, flavour: str):
    """A subclass of a kaldra class: plain, or with its own element access and text form."""
    key = (base, flavour)
    if key not in SUBCLASSES:
        name = f"{flavour.capitalize()}{base.__name__}"
        if flavour == "plain":
            sub = type(name, (base,), {})
        elif flavour == "raising":
            sub = type(name, (base,), {"__repr__": raising_repr})
        else:
            sub = type(name, (base,), {"reads": 0, "writes": 0})

            def getitem(self, key):
                sub.reads += 1
                return base.__getitem__(self, key)

            def setitem(self, key, value):
                sub.writes += 1
                base.__setitem__(self, key, value)

            def text(self):  # asks kaldra again from inside the call that shows it
                return f"<{name}, {self.numel()} elements> " + base.__repr__(self)

            sub.__getitem__, sub.__setitem__, sub.__repr__ = getitem, setitem, text
        SUBCLASSES[key] = sub
    return SUBCLASSES[key]


def registered(t):
    """The kaldra class a type derives from (its instance layout)."""
    for k in t.__mro__:
        if k.__module__ == "kaldra":
            return k
    return None


class BaseReader:
    """Reads a container's elements through its kaldra class, whatever its own class overrides."""

    def __init__(self, obj):
        self.obj = obj
        self.get = registered(type(obj)).__getitem__

    def __getitem__(self, key):
        return self.get(self.obj, key)


def full_view(obj):
    """A view of a whole vector or view, cut through its kaldra class."""
    return registered(type(obj)).__getitem__(obj, slice(None))


# --------------------------------------------------------------------------------------------------
# Whether releasing an asarray base is sound in this build.

RELEASE_PROBE = """
import gc, weakref, kaldra, kaldra_numpy
v = kaldra.vecd(64)
a = kaldra_numpy.asarray(v)
exporter = getattr(a.base, "obj", None)
exporter = weakref.ref(exporter) if exporter is not None else None
del v
gc.collect()
try:
    a.base.release()
except Exception:
    pass
gc.collect()
assert exporter is None or exporter() is not None, "the release let go of the storage the array uses"
others = [kaldra.vecd(64) for _ in range(64)]
for o in others:
    for i in range(64):
        o[i] = 7.0
assert not (a == 7.0).any(), "the array shows the elements of another vector"
a[:] = 5.0
assert all(o[i] == 7.0 for o in others for i in range(64)), "a write through the array reached another vector"
print("sound")
"""

_release_sound = None


def release_is_sound() -> bool:
    """Runs the release of an array's base in a separate process. Where the release lets go of the
    storage under the array (its exporter dies, or the next vectors take its memory, which the probe
    sees through the array), the release moves are left out of the programs. NumPy's own accesses are
    not instrumented, so under the sanitizers a use of the freed memory through the array may go
    unreported: the exporter's lifetime is what decides there."""
    global _release_sound
    if _release_sound is None:
        if kaldra_numpy is None:
            _release_sound = False
        else:
            probe = subprocess.run(
                [sys.executable, "-c", textwrap.dedent(RELEASE_PROBE)], capture_output=True, text=True, timeout=120
            )
            _release_sound = probe.returncode == 0 and probe.stdout.strip() == "sound"
    return _release_sound


_clongdouble_refused = None


def clongdouble_arrays_refused() -> bool:
    """Whether a 0-d array of extended-precision complex numbers is refused as a real scalar. NumPy's
    float() only warns for it (and drops the imaginary part); where kaldra takes it, such arrays are
    left out of the programs, so that the campaign goes on checking everything else."""
    global _clongdouble_refused
    if _clongdouble_refused is None:
        x = kaldra.vecd(1)
        with warnings.catch_warnings():
            warnings.simplefilter("ignore")
            try:
                kaldra.scale(np.array(1 + 1j, dtype=np.clongdouble), x)
                _clongdouble_refused = False
            except TypeError:
                _clongdouble_refused = True
    return _clongdouble_refused


# --------------------------------------------------------------------------------------------------
# The runner.


class Kept:
    """An array from asarray kept across steps, and the elements it must show."""

    def __init__(self, array, box: Box):
        self.array = array
        self.storage: Storage | None = box.storage
        self.offset, self.numel, self.shape = box.offset, box.numel, box.shape
        # The storage's elements once no container of the program holds it, shared by every array
        # over that storage (a write through one shows in the others).
        self.frozen = None

    def elements(self):
        return self.storage.arr if self.storage is not None else self.frozen

    def expected(self):
        flat = self.elements()[self.offset : self.offset + self.numel]
        return flat.reshape(self.shape, order="F") if self.shape else flat


class HostileRunner(Runner):
    def __init__(self, chooser, max_pool: int = 10, release: bool | None = None):
        super().__init__(chooser, max_pool)
        self.stats["hostile"] = 0
        self.kept: list[Kept] = []
        self.release = release_is_sound() if release is None else release

    # ----- containers: kaldra's classes, their subclasses, and instances made by __new__ alone

    def klass(self, kind, letter):
        base = cls(kind, letter)
        roll = self.ch.int(0, 99)
        if roll < 70:
            return base
        return subclass(base, "plain" if roll < 85 else "noisy")

    def new_vector(self, letter: str, n: int) -> Box:
        c = self.klass("vec", letter)
        blank = n == 0 and self.ch.chance(30)
        v = c.__new__(c) if blank else c(n)
        box = Box(v, "vec", letter, Storage(letter, n, full_view(v)), 0, n)
        box.blank = blank
        return box

    def new_matrix(self, letter: str, rows: int, cols: int) -> Box:
        c = self.klass("mat", letter)
        blank = rows == cols == 0 and self.ch.chance(30)
        a = c.__new__(c) if blank else c(rows, cols)
        box = Box(a, "mat", letter, Storage(letter, rows * cols, BaseReader(a), rows), 0, rows * cols, (rows, cols))
        box.blank = blank
        return box

    def uninitialised(self, letter=None) -> Box:
        """An instance made by __new__ alone, of a kaldra class or a subclass of one."""
        ch = self.ch
        letter = letter or ch.pick(LETTERS)
        kind = ch.pick(["vec", "vec", "mat", "view"])
        c = self.klass(kind, letter)
        obj = c.__new__(c)
        if obj.numel() != 0:
            self.fail(f"{c.__name__}.__new__ gave {obj.numel()} elements")
        if kind == "mat":
            box = Box(obj, "mat", letter, Storage(letter, 0, BaseReader(obj)), 0, 0, (0, 0))
            if (obj.dim(0), obj.dim(1)) != (0, 0):
                self.fail(f"{c.__name__}.__new__ gave shape {(obj.dim(0), obj.dim(1))}")
        else:
            box = Box(obj, kind, letter, Storage(letter, 0, full_view(obj)), 0, 0)
        box.blank = True  # no constructor has run on it
        self.add(box)
        self.note(f"uninitialised {type(obj).__name__}")
        return box

    def initialise(self, box: Box, dims):
        """The model's side of __init__ on an instance made by __new__: a new storage of zeros."""
        letter = box.letter
        if box.kind == "mat":
            rows, cols = dims
            st = Storage(letter, rows * cols, BaseReader(box.obj), rows)
            box.shape, box.numel = (rows, cols), rows * cols
        else:
            st = Storage(letter, dims[0], None)
            box.numel = dims[0]
        box.storage, box.offset, box.blank = st, 0, False
        self.storages.append(st)

    def initialised(self, box: Box):
        """After the call that ran __init__: the reader of a vector can now be cut."""
        if box.storage.reader is None:
            box.storage.reader = full_view(box.obj)

    # ----- steps

    def one_step(self):
        ch = self.ch
        if len(self.pool) < 3 or not ch.chance(40):
            super().one_step()
        else:
            self.stats["steps"] += 1
            self.stats["hostile"] += 1
            if len(self.pool) > self.max_pool:
                self.delete()
            move = ch.pick(MOVES)
            move(self)
            self.renormalise()
        self.check_kept()

    def delete(self):
        super().delete()
        self.forget_kept_storages()

    def forget_kept_storages(self):
        live = {id(s) for s in self.storages}
        frozen = {}
        for k in self.kept:
            if k.storage is not None and id(k.storage) not in live:
                k.frozen = frozen.setdefault(id(k.storage), k.storage.arr.copy())
                k.storage = None  # the arrays are now the storage's only holders

    def check_kept(self):
        for k in self.kept:
            want = k.expected()
            got = np.asarray(k.array)
            if got.shape != want.shape:
                self.fail(f"an array from asarray has shape {got.shape}, expected {want.shape}")
            same = np.ascontiguousarray(got).view(np.uint8) == np.ascontiguousarray(want).view(np.uint8)
            if not same.all():
                self.fail("an array from asarray differs from its container's elements")

    # ----- calls whose scalars or indices are hostile

    def hostile_call(self, op, scalars, boxes, hostile: Hostile | None = None, error=None, after=()):
        """Calls op with an expectation computed from the model as the conversions leave it."""
        self.stats["calls"] += 1
        desc = f"{op}({', '.join([repr(s) for s in scalars] + [f'{type(b.obj).__name__}{b.shape or b.numel}@{b.offset}' for b in boxes])})"
        self.note(desc)
        before = self.snapshot()
        expected, writes, result = None, [], None
        try:
            letter, values = check_types(op, boxes, scalars)
            if error is not None:
                raise Expected(type(error))
            writes, result = self.expect(op, letter, values, boxes)
        except Expected as e:
            expected = e
        args = list(scalars) + [b.obj for b in boxes]
        function = getattr(kaldra, op)
        if self.ch.chance(25) and not any(getattr(b, "blank", False) for b in boxes):
            # The route of calls made through the type's call slot (blank outputs stay off it: there
            # an operation still returns a copy of such an output, a known fault).
            function = (lambda f: lambda *a: type(f).__call__(f, *a))(function)
        try:
            got = function(*args)
        except BaseException as exc:  # noqa: BLE001 - KeyboardInterrupt is one of the outcomes
            if error is not None and exc is not error:
                self.fail(f"{desc}: raised {type(exc).__name__}({exc}), not the conversion's own exception")
            if hostile is not None and hostile.calls > 1:
                self.fail(f"{desc}: a scalar was converted {hostile.calls} times")
            for b in after:
                self.initialised(b)
            return self.expect_refusal(exc, expected, before, desc)
        if expected is not None:
            self.fail(f"{desc}: returned, expected {expected.etype.__name__}")
        if hostile is not None and hostile.calls != 1:
            self.fail(f"{desc}: a scalar was converted {hostile.calls} times")
        for b in after:
            self.initialised(b)
        self.check_result(op, got, boxes, result, desc)
        self.compare_all(writes, desc)

    def effect(self, operands):
        """A re-entrant action for a conversion of this call, applied to the model first.
        Returns (the action, the boxes it initialises, its description)."""
        ch = self.ch
        roll = ch.int(0, 99)
        blanks = [b for b in operands + self.pool if getattr(b, "blank", False) and b.kind != "view"]
        if roll < 35 and blanks:
            box = ch.pick(blanks)
            dims = (ch.int(0, 4), ch.int(0, 4)) if box.kind == "mat" else (ch.int(0, 6),)
            obj, init = box.obj, registered(type(box.obj)).__init__
            self.initialise(box, dims)
            return (lambda: init(obj, *dims)), [box], f"init {dims}"
        if roll < 60:
            pairs = [
                (x, y)
                for x in self.pool
                for y in self.pool
                if x.letter == y.letter and x.storage is not y.storage and y.numel >= x.numel
            ]
            if pairs:
                x, y = ch.pick(pairs)
                xv, yv = x.values().copy(), y.values()[: x.numel].copy()
                s, o = y.storage, y.offset
                s.arr[o : o + x.numel] = xv
                if ch.chance(50):
                    x.storage.arr[x.offset : x.offset + x.numel] = yv
                    return (lambda: kaldra.swap(x.obj, y.obj)), [], "swap"
                return (lambda: kaldra.copy(x.obj, y.obj)), [], "copy"
        if roll < 75 and len(self.pool) > 3:
            # By identity only, so that the container object dies inside the conversion unless the
            # call holds it as an operand.
            target = id(ch.pick(self.pool))
            pool = self.pool

            def drop():
                pool[:] = [b for b in pool if id(b) != target]

            return drop, [], "drop a container"
        if roll < 88 and self.pool:
            obj = ch.pick(self.pool).obj
            target = cls(ch.pick(["vec", "mat", "view"]), ch.pick(LETTERS))

            def rebind():
                if registered(type(obj)) is target:
                    return
                try:
                    obj.__class__ = target
                except TypeError:
                    return
                self.fail(f"__class__ of a {type(obj).__name__} rebound to {target.__name__} inside a conversion")

            return rebind, [], "rebind"
        if self.kept and self.release:
            k = ch.pick(self.kept)
            return (lambda: release(k.array)), [], "release a base"
        return (lambda: kaldra.dot(kaldra.vecd(2), kaldra.vecd(2))), [], "another call"

    def scalar_move(self):
        """An operation or element write with one scalar that is a NumPy number, or converts with an
        effect, or raises."""
        ch = self.ch
        op = ch.pick(SCALAR_OPERATIONS)
        letter = ch.pick(LETTERS)
        boxes = self.operands(op, letter)
        nscalars = {"scale": 1, "axpy": 1, "gemv": 2, "gemm": 2, "setitem": 1}[op]
        scalars = [
            float(draw_real(ch)) if letter not in COMPLEX else complex(draw_value(ch, letter)) for _ in range(nscalars)
        ]
        slot = ch.int(0, nscalars - 1)
        roll = ch.int(0, 99)
        hostile = error = None
        after: list[Box] = []
        if roll < 35:
            scalars[slot] = numpy_scalar(ch)
        else:
            effect = error = None
            what = ""
            if ch.chance(60):
                effect, after, what = self.effect(boxes)
            if ch.chance(35) or effect is None and ch.chance(60):
                error = ch.pick([KeyboardInterrupt(), ZeroDivisionError("from a conversion"), MemoryError()])
            hostile = HostileReal(draw_value(ch, letter), effect, error)
            scalars[slot] = hostile
            self.note(f"hostile scalar: {what} {type(error).__name__ if error else ''}")
        if op == "setitem":
            return self.hostile_setitem(boxes[0], scalars[0], hostile, error, after)
        self.hostile_call(op, scalars, boxes, hostile, error, after)
        self.forget_unused_storages()
        self.forget_kept_storages()

    def operands(self, op, letter):
        ch = self.ch

        def one(kinds=("vec", "view", "mat"), n=None):
            pick = [b for b in self.pool if b.letter == letter and b.kind in kinds and (n is None or b.numel == n)]
            if pick and ch.chance(60):
                return ch.pick(pick)
            if ch.chance(15):
                return self.uninitialised(letter) if "vec" in kinds else self.blank_matrix(letter)
            return self.fresh(letter, ch.int(0, 5) if n is None else n, "mat" if kinds == ("mat",) else None)

        if op in ("scale", "setitem"):
            return [one()]
        if op == "axpy":
            x = one()
            return [x, one(n=x.numel if ch.chance(70) else None)]
        if op == "gemv":
            A = one(("mat",))
            return [A, one(n=A.shape[1] if ch.chance(80) else None), one(n=A.shape[0] if ch.chance(80) else None)]
        A = one(("mat",))
        X = one(("mat",))
        return [A, X, one(("mat",))]

    def blank_matrix(self, letter):
        while True:
            box = self.uninitialised(letter)
            if box.kind == "mat":
                return box
            self.pool.remove(box)
            self.forget_unused_storages()

    def hostile_setitem(self, box: Box, value, hostile, error, after):
        """box[index] = value with a hostile value; index 0 (refused for an empty container)."""
        self.stats["calls"] += 1
        index = (0, 0) if box.kind == "mat" else 0
        self.note(f"setitem {type(box.obj).__name__}{box.shape or box.numel}[{index}] = {value!r}")
        before = self.snapshot()
        v = scalar_of(value, box.letter)
        expected = None
        if v is None:
            expected = Expected(TypeError)
        elif error is not None:
            expected = Expected(type(error))
        elif box.numel == 0:
            expected = Expected(kaldra.OutOfRangeError)
        try:
            box.obj[index] = value
        except BaseException as exc:  # noqa: BLE001
            if error is not None and exc is not error:
                self.fail(f"setitem: raised {type(exc).__name__}({exc}), not the conversion's own exception")
            if hostile is not None and hostile.calls > 1:
                self.fail(f"setitem: the value was converted {hostile.calls} times")
            for b in after:
                self.initialised(b)
            return self.expect_refusal(exc, expected, before, "setitem")
        if expected is not None:
            self.fail(f"setitem: accepted, expected {expected.etype.__name__}")
        if hostile is not None and hostile.calls != 1:
            self.fail(f"setitem: the value was converted {hostile.calls} times")
        for b in after:
            self.initialised(b)
        box.storage.arr[box.offset] = v
        self.compare_all([], "setitem")

    # ----- sizes and indices

    def index_move(self):
        """Constructors, element access, dim and slices with foreign or hostile sizes and indices."""
        ch = self.ch
        roll = ch.int(0, 99)
        value = foreign_index(ch)
        hostile = None
        error = None
        after: list[Box] = []
        if ch.chance(25):
            effect, after, what = self.effect([]) if ch.chance(60) else (None, [], "")
            if ch.chance(30):
                error = ch.pick([KeyboardInterrupt(), ZeroDivisionError("from an index"), MemoryError()])
            hostile = HostileIndex(ch.int(0, 6), effect, error)
            value = hostile
            self.note(f"hostile index: {what}")
        i = index_of(value)
        before = self.snapshot()
        self.stats["calls"] += 1

        def expect(ok):
            if error is not None:
                return Expected(type(error))
            if i is None:
                return Expected(TypeError)
            return ok()

        def done():
            if hostile is not None and hostile.calls != 1:
                self.fail(f"an index was converted {hostile.calls} times")
            for b in after:
                self.initialised(b)

        if roll < 30:  # a constructor
            letter = ch.pick(LETTERS)
            kind = ch.pick(["vec", "mat"])
            other = ch.int(0, 3)
            self.note(f"construct {kind}{letter} with {value!r}")

            def fits():
                elements = i if kind == "vec" else i * other
                if elements >= 2**64:
                    return Expected(OverflowError)
                return Expected(MemoryError) if elements >= 2**40 else None

            exp = expect(fits)
            try:
                obj = cls(kind, letter)(value) if kind == "vec" else cls(kind, letter)(value, other)
            except BaseException as exc:  # noqa: BLE001
                if error is not None and exc is not error:
                    self.fail(f"constructor: raised {type(exc).__name__}, not the conversion's own exception")
                done()
                return self.expect_refusal(exc, exp, before, "constructor")
            done()
            if exp is not None:
                self.fail(f"constructor with {value!r}: accepted, expected {exp.etype.__name__}")
            want = i if kind == "vec" else i * other
            if obj.numel() != want:
                self.fail(f"constructor with {value!r}: {obj.numel()} elements, expected {want}")
            return self.compare_all([], "constructor")
        box = self.pick_box()
        if box is None:
            return self.create()
        letter = box.letter
        if roll < 45 and box.kind != "mat":  # slice bounds
            other = None if ch.chance(50) else ch.int(-3, box.numel + 3)
            start, stop = (value, other) if ch.chance(50) else (other, value)
            self.note(f"slice {type(box.obj).__name__}[{box.numel}] [{start!r}:{stop!r}]")
            plain = lambda b: b.value if isinstance(b, Hostile) else b  # noqa: E731
            try:
                lo, hi, _ = slice(plain(start), plain(stop)).indices(box.numel)
                exp = Expected(type(error)) if error is not None else None
            except TypeError:
                exp = Expected(TypeError) if error is None else Expected(type(error))
            try:
                view = box.obj[start:stop]
            except BaseException as exc:  # noqa: BLE001
                if error is not None and exc is not error:
                    self.fail(f"slice: raised {type(exc).__name__}, not the conversion's own exception")
                done()
                return self.expect_refusal(exc, exp, before, "slice")
            done()
            if exp is not None:
                self.fail(f"slice [{start!r}:{stop!r}]: accepted, expected {exp.etype.__name__}")
            hi = max(lo, hi)
            if view.numel() != hi - lo:
                self.fail(f"slice [{start!r}:{stop!r}] of {box.numel}: {view.numel()} elements, expected {hi - lo}")
            self.add(Box(view, "view", letter, box.storage, box.offset + lo, hi - lo))
            return self.compare_all([], "slice")
        if roll < 55:  # dim
            limit = 2 if box.kind == "mat" else 1
            self.note(f"dim({value!r}) of {type(box.obj).__name__}")
            exp = expect(lambda: None if i < limit else Expected(RuntimeError))
            try:
                got = box.obj.dim(value)
            except BaseException as exc:  # noqa: BLE001
                done()
                return self.expect_refusal(exc, exp, before, "dim")
            done()
            if exp is not None:
                self.fail(f"dim({value!r}): accepted, expected {exp.etype.__name__}")
            want = box.shape[i] if box.kind == "mat" else box.numel
            if got != want:
                self.fail(f"dim({value!r}) gave {got}, expected {want}")
            return self.compare_all([], "dim")
        # element access; a matrix index puts the value in one of its two places
        if box.kind == "mat":
            rows, cols = box.shape
            other = ch.int(0, max(rows, cols))
            first = ch.chance(50)
            index = (value, other) if first else (other, value)
            ii, jj = (i, other) if first else (other, i)

            def ok():
                return Expected(kaldra.OutOfRangeError) if ii >= rows or jj >= cols else None

            pos = None if i is None else ii + jj * rows
        else:
            index = value
            ok = lambda: None if i < box.numel else Expected(kaldra.OutOfRangeError)  # noqa: E731
            pos = i
        writing = ch.chance(50)
        new = draw_value(ch, letter)
        self.note(f"{'set' if writing else 'get'}item {type(box.obj).__name__}{box.shape or box.numel} at {index!r}")
        exp = expect(ok)
        try:
            if writing:
                box.obj[index] = new
            else:
                got = box.obj[index]
        except BaseException as exc:  # noqa: BLE001
            if error is not None and exc is not error:
                self.fail(f"element access: raised {type(exc).__name__}, not the conversion's own exception")
            done()
            return self.expect_refusal(exc, exp, before, "element access")
        done()
        if exp is not None:
            self.fail(f"element access at {index!r}: accepted, expected {exp.etype.__name__}")
        if writing:
            box.storage.arr[box.offset + pos] = DTYPES[letter](new)
            return self.compare_all([], "setitem")
        want = box.values()[pos : pos + 1]
        if not np.array_equal(bits(np.array([got], dtype=DTYPES[letter]), letter), bits(want, letter)):
            self.fail(f"getitem at {index!r}: {got!r}, expected {want!r}")

    def matrix_index_move(self):
        """A matrix index that is not a tuple of two: lists, arrays, bytes, ranges, other tuples."""
        ch = self.ch
        box = self.pick_box(kinds=("mat",))
        if box is None:
            return self.create()
        self.stats["calls"] += 1
        index = ch.pick(
            [
                [0, 0],
                np.array([0, 0]),
                b"\x00\x00",
                bytearray(2),
                range(2),
                (0,),
                (0, 0, 0),
                "ab",
                [0],
                np.zeros(2, np.intp),
                (np.array([0]), 0),
                ((0, 0), 0),
                {0: 0},
                0,
                np.int64(0),
                HostileIndex(0),
            ]
        )
        self.note(f"matrix index {index!r}")
        before = self.snapshot()
        try:
            if ch.chance(50):
                box.obj[index] = 1.0
            else:
                box.obj[index]
        except BaseException as exc:  # noqa: BLE001
            return self.expect_refusal(exc, Expected(TypeError), before, "matrix index")
        self.fail(f"matrix index {index!r}: accepted")

    # ----- objects poked at

    def pickle_move(self):
        ch = self.ch
        box = ch.pick(self.pool)
        self.stats["calls"] += 1
        how = ch.int(0, 9)
        self.note(f"pickle/copy {how} of {type(box.obj).__name__}")
        before = self.snapshot()
        try:
            if how <= pickle.HIGHEST_PROTOCOL:
                pickle.dumps(box.obj, protocol=how)
            elif how == 6:
                copy.copy(box.obj)
            elif how == 7:
                copy.deepcopy(box.obj)
            elif how == 8:
                box.obj.__reduce_ex__(ch.int(0, pickle.HIGHEST_PROTOCOL))
            else:
                box.obj.__reduce__()
        except BaseException as exc:  # noqa: BLE001
            return self.expect_refusal(exc, Expected(TypeError), before, "pickle/copy")
        self.fail(f"pickling or copying a {type(box.obj).__name__} succeeded")

    def rebind_move(self):
        ch = self.ch
        box = ch.pick(self.pool)
        obj = box.obj
        old = type(obj)
        target = ch.pick(
            [
                cls(ch.pick(["vec", "view", "mat"]), ch.pick(LETTERS)),
                subclass(cls(ch.pick(["vec", "view", "mat"]), ch.pick(LETTERS)), ch.pick(["plain", "noisy"])),
                subclass(registered(old), ch.pick(["plain", "noisy"])),
                registered(old),
                Plain,
                int,
            ]
        )
        self.stats["calls"] += 1
        self.note(f"rebind {old.__name__} to {target.__name__}")
        before = self.snapshot()
        try:
            obj.__class__ = target
        except TypeError as exc:
            if type(obj) is not old:
                self.fail(f"a refused rebinding changed the type to {type(obj).__name__}")
            return self.expect_refusal(exc, Expected(TypeError), before, "rebind")
        if registered(target) is not registered(old):
            self.fail(f"__class__ of a {old.__name__} rebound to {target.__name__}")
        if type(obj) is not target:
            self.fail("rebinding did not take")
        self.compare_all([], "rebind")

    def init_move(self):
        """__init__ on an instance made by __new__ (it gets its container), or on one that holds a
        container already (nothing changes)."""
        ch = self.ch
        box = ch.pick(self.pool)
        init = registered(type(box.obj)).__init__
        dims = (ch.int(0, 4), ch.int(0, 4)) if box.kind == "mat" else (ch.int(0, 6),)
        self.stats["calls"] += 1
        self.note(f"__init__{dims} of {type(box.obj).__name__}{' (blank)' if getattr(box, 'blank', False) else ''}")
        before = self.snapshot()
        if box.kind == "view":
            try:
                init(box.obj, *dims)
            except TypeError as exc:
                return self.expect_refusal(exc, Expected(TypeError), before, "view __init__")
            self.fail("a view was constructed")
        if getattr(box, "blank", False):
            self.initialise(box, dims)
            init(box.obj, *dims)
            self.initialised(box)
            if box.obj.numel() != box.numel:
                self.fail(f"__init__{dims}: {box.obj.numel()} elements")
            return self.compare_all([], "__init__")
        try:
            init(box.obj, *dims)
        except TypeError as exc:
            return self.expect_refusal(exc, Expected(TypeError), before, "__init__ again")
        if box.obj.numel() != box.numel:
            self.fail(f"__init__ again replaced a container of {box.numel} elements by {box.obj.numel()}")
        self.compare_all([], "__init__ again")

    def message_move(self):
        """A call of mixed element types whose operands have their own text forms (one of them raising):
        the mismatch is a TypeError, whatever the text forms do."""
        ch = self.ch
        letter = ch.pick(LETTERS)
        other = ch.pick([x for x in LETTERS if x != letter])
        n = ch.int(0, 5)
        flavour = ch.pick(["noisy", "raising"])
        x = subclass(cls("vec", letter), flavour)(n)
        y = cls("vec", other)(n)
        self.stats["calls"] += 1
        self.note(f"mixed call with a {flavour} text form")
        before = self.snapshot()
        try:
            getattr(kaldra, ch.pick(["sum", "copy", "dot", "swap"]))(x, y)
        except BaseException as exc:  # noqa: BLE001
            return self.expect_refusal(exc, Expected(TypeError), before, "mixed call")
        self.fail("a call of mixed element types was accepted")

    def uninitialised_move(self):
        self.uninitialised()
        self.compare_all([], "uninitialised")

    # ----- arrays over containers

    def array_move(self):
        ch = self.ch
        if kaldra_numpy is None:
            return self.pickle_move()
        roll = ch.int(0, 99)
        if roll < 40 or not self.kept:
            box = ch.pick(self.pool)
            self.stats["calls"] += 1
            self.note(f"asarray of {type(box.obj).__name__}{box.shape or box.numel}")
            if getattr(box, "blank", False):
                # kaldra_numpy refuses an instance whose constructor never ran: it holds no storage
                try:
                    kaldra_numpy.asarray(box.obj)
                except TypeError as exc:
                    if "holds no container" not in str(exc):
                        self.fail(f"asarray of an unconstructed instance: {exc}")
                    return
                self.fail("asarray of an instance made by __new__ alone was accepted")
            a = kaldra_numpy.asarray(box.obj)
            if a.dtype != DTYPES[box.letter]:
                self.fail(f"asarray gave {a.dtype}")
            self.kept.append(Kept(a, box))
            if len(self.kept) > 6:
                self.kept.pop(0)
            return
        k = ch.pick(self.kept)
        if roll < 55:
            self.note("drop an array")
            self.kept.remove(k)
            return
        if roll < 70 and self.release:
            self.note("release an array's base")
            release(k.array)
        if k.numel:
            # a write through the array reaches the storage, whichever objects still hold it
            pos = ch.int(0, k.numel - 1)
            letter = "sdcz"[[np.float32, np.float64, np.complex64, np.complex128].index(k.array.dtype.type)]
            value = DTYPES[letter](draw_value(ch, letter))
            self.note(f"write through an array at {pos}")
            if k.array.ndim == 2:
                k.array[pos % k.shape[0], pos // k.shape[0]] = value
            else:
                k.array[pos] = value
            k.elements()[k.offset + pos] = value
        self.compare_all([], "array write")


def release(array):
    """Releases an array's base where the base has that method; a refusal is an outcome too."""
    base = array.base
    if hasattr(base, "release"):
        try:
            base.release()
        except (BufferError, TypeError, ValueError):
            pass


def numpy_scalar(ch):
    """A NumPy number of any kind: floats, integers, bools, complex."""
    kind = ch.pick(REAL_NUMPY + INT_NUMPY + COMPLEX_NUMPY + [np.bool_])
    if kind in INT_NUMPY:
        value = kind(ch.int(0 if np.issubdtype(kind, np.unsignedinteger) else -8, 8))
    elif kind is np.bool_:
        value = np.bool_(ch.chance(50))
    elif kind in COMPLEX_NUMPY:
        value = kind(complex(draw_real(ch, 3), draw_real(ch, 3) if ch.chance(70) else 0.0))
    else:
        value = kind(draw_real(ch, 3))
    if ch.chance(10) and (kind is not np.clongdouble or clongdouble_arrays_refused()):
        return np.array(value)  # a 0-d array converts as its element does
    return value


def foreign_index(ch):
    """A size or index as a caller might pass it, of any type."""
    return ch.pick(
        [
            lambda: ch.int(0, 6),
            lambda: True,
            lambda: ch.pick(INT_NUMPY)(ch.int(0, 6)),
            lambda: np.bool_(True),
            lambda: ch.pick(REAL_NUMPY)(ch.int(0, 6)),
            lambda: ch.pick(COMPLEX_NUMPY)(1),
            lambda: float(ch.int(0, 6)),
            lambda: Decimal(ch.int(0, 6)),
            lambda: Fraction(ch.int(0, 12), 2),
            lambda: -ch.int(1, 3),
            lambda: 2**64,
            lambda: 2**64 + ch.int(0, 5),
            lambda: 2**200,
            lambda: 2**62,
            lambda: 2**64 - 1,
            lambda: HostileIndex(ch.int(0, 6)),
            lambda: HostileIndex(-1),
            lambda: HostileIndex(2**70),
            lambda: "1",
            lambda: None,
            lambda: b"\x01",
            lambda: [1],
            lambda: np.array(ch.int(0, 3)),
            lambda: Plain(),
        ]
    )()


MOVES = [
    HostileRunner.scalar_move,
    HostileRunner.scalar_move,
    HostileRunner.scalar_move,
    HostileRunner.index_move,
    HostileRunner.index_move,
    HostileRunner.matrix_index_move,
    HostileRunner.pickle_move,
    HostileRunner.rebind_move,
    HostileRunner.init_move,
    HostileRunner.uninitialised_move,
    HostileRunner.message_move,
    HostileRunner.array_move,
    HostileRunner.array_move,
]
