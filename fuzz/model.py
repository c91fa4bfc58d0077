"""NumPy model of kaldra and a runner of random programs that checks kaldra against it step by step.

The model keeps one NumPy array per live storage (a vector's or a matrix's element array, shared by
every view cut from it) and, for every container object of the program, where it lies in that storage.
After every step it reads every storage back through kaldra and compares it with the model:

* a refused call (any exception) must raise exactly the expected exception and message, and leave
  every storage bit for bit as it was;
* elements a call does not write must be bit for bit unchanged;
* elements it writes are compared with the NumPy result, within a rounding bound for the element
  precision (copy and swap exactly), NaN matching NaN and each infinity itself.

What is not compared bit-exactly, and why:

* Arithmetic results are compared within a bound of a few units of rounding times the magnitude of
  the terms (float32: 2**-24, float64: 2**-53), never bit for bit: BLAS kernels may fuse multiply-adds
  and sum in any order.
* Complex results from non-finite inputs: NumPy and BLAS form complex products differently (BLAS drops
  multiplications by a zero imaginary part, NumPy does not, so inf*0 gives NaN in one and not in the
  other). Such an element must be non-finite in kaldra too; which component holds the inf or NaN is
  not compared.
* Elements of gemv, gemm and dot results that a non-finite input reaches through a product term: the
  reductions may skip or reorder terms, so inf - inf and 0*inf have no fixed outcome. They are not
  compared; every other element is.
* kaldra follows these BLAS conventions, and the model encodes them: scale by 0 writes zeros (even
  over inf and NaN); axpy by 0 leaves y alone; gemv and gemm with b = 0 do not read y (or Y). A
  product with a = 0 or an empty inner dimension has no product term at all: y <- b*y exactly, A and x
  are not read (an inf or NaN in them, or a non-finite a, changes nothing), for every element type.
* Overlapping operands are compared like any others. The level-1 operations read x as it was before
  the call whatever the overlap (axpy and sum of a run onto itself give what a separate copy of x
  gives, for every factor); swap refuses runs that overlap shifted and leaves a run swapped with
  itself alone; the products compute from their inputs' values before the call; ls refuses an x that
  shares elements with A.
* ls refuses a NaN or an infinity in A (the first in storage order) or in the right-hand side (x's
  first m elements; those past it do not enter the solution) before the driver runs, and changes
  nothing. Without columns it keeps x as it is (b is its own residual); without rows it zeroes the
  solution x[:n].
* ls follows kaldra's rank rule on the triangular factor the driver leaves in A (read back and first
  checked to reproduce A^H A, or A A^H): a diagonal element that is exactly zero is refused with its
  index; otherwise a reciprocal condition number below the threshold max(1, 8 / sqrt(k)) eps for a
  factor of order k is refused with that number. The model computes the factor's exact 1-norm
  reciprocal condition number in long double; the library computes it in the element type (exactly
  for these small factors, from the inverse), which agrees up to rounding, so only within 25% of the
  threshold either outcome is taken (counted as "threshold"). An A that is exactly rank deficient
  (duplicated or constant columns) whose rounded factor still lies above the threshold is accepted by
  that rule: its solution is rounding noise and is not compared (counted as "deficient accepted").
  Every other outcome is compared: the message, x restored bit for bit after a refusal, the solution
  within the perturbation bound of least squares (condition number and its square times the
  residual) after a success.
* After every compared step the model takes the written elements over from kaldra, so rounding does
  not pile up from step to step.
"""

from __future__ import annotations

import math
import pathlib
import re
import tomllib
from dataclasses import dataclass, field

import numpy as np

import kaldra

LETTERS = "sdcz"
DTYPES = {"s": np.float32, "d": np.float64, "c": np.complex64, "z": np.complex128}
WIDE = {"s": np.float64, "d": np.float64, "c": np.complex128, "z": np.complex128}
EPS = {"s": 2.0**-24, "d": 2.0**-53, "c": 2.0**-24, "z": 2.0**-53}
TINY = {"s": 1e-35, "d": 1e-300, "c": 1e-35, "z": 1e-300}
BITS = {"s": np.uint32, "d": np.uint64, "c": np.uint64, "z": np.uint64}
COMPLEX = set("cz")
INF, NAN = math.inf, math.nan
# The head of kaldra's rank messages, and the precision of each element type's real part.
NOT_FULL_RANK = "In ls, matrix A does not have full rank: "
MACHINE_EPS = {"s": float(np.finfo(np.float32).eps), "d": float(np.finfo(np.float64).eps)}
MACHINE_EPS.update(c=MACHINE_EPS["s"], z=MACHINE_EPS["d"])
# How far kaldra's reciprocal condition number of a small triangular factor, computed in the element
# type, may lie from the exact value.
THRESHOLD_BAND = 1.25


def rank_threshold(letter: str, order: int) -> float:
    """kaldra's rank threshold for a triangular factor of the given order: max(1, 8 / sqrt(order)) eps."""
    return MACHINE_EPS[letter] * max(1.0, 8.0 / math.sqrt(order))


def cls(kind: str, letter: str):
    return getattr(kaldra, kind + letter)


# --------------------------------------------------------------------------------------------------
# Choices: the same program generator runs on a seeded random source or on hypothesis draws.


class RandomChooser:
    def __init__(self, rng):
        self.rng = rng

    def int(self, lo: int, hi: int) -> int:
        return self.rng.randint(lo, hi)

    def pick(self, seq):
        return seq[self.rng.randrange(len(seq))]

    def chance(self, percent: int) -> bool:
        return self.rng.randrange(100) < percent


class HypothesisChooser:
    def __init__(self, data):
        from hypothesis import strategies as st

        self.data = data
        self.st = st

    def int(self, lo: int, hi: int) -> int:
        return self.data.draw(self.st.integers(lo, hi))

    def pick(self, seq):
        return seq[self.int(0, len(seq) - 1)]

    def chance(self, percent: int) -> bool:
        return self.int(0, 99) < percent


def draw_real(ch, special: int = 4) -> float:
    roll = ch.int(0, 99)
    if roll < special:
        return ch.pick([INF, -INF, NAN])
    if roll < special + 4:
        return ch.pick([0.0, -0.0])
    if roll < 75:
        return ch.int(-16, 16) / 4.0
    return ch.int(-(10**6), 10**6) / 2.0**18


def draw_value(ch, letter: str, special: int = 4):
    if letter in COMPLEX:
        return complex(draw_real(ch, special), draw_real(ch, special))
    return draw_real(ch, special)


def draw_scalar(ch, letter: str):
    """A scalar as a caller might pass it: float, int, bool, complex, NumPy scalar; specials included."""
    roll = ch.int(0, 99)
    if roll < 12:
        return ch.pick([0, 1, -1, 2, 3, True])
    if roll < 20:
        return ch.pick([0.0, -0.0, 1.0, -1.0, INF, -INF, NAN])
    if roll < 24:
        return np.float64(draw_real(ch, 0))
    if letter in COMPLEX or roll < 27:  # a complex scalar for a real call must be refused
        if ch.chance(60):
            return complex(draw_real(ch, 3), draw_real(ch, 3))
    return draw_real(ch, 3)


def scalar_value(value, letter: str):
    """The scalar as the overload of that element type receives it, or None when it cannot convert."""
    if isinstance(value, complex) and letter not in COMPLEX:
        return None
    v = complex(value) if letter in COMPLEX else float(value)
    return DTYPES[letter](v)


# --------------------------------------------------------------------------------------------------
# Model state.


@dataclass(eq=False)
class Storage:
    letter: str
    size: int
    reader: object  # a kaldra object through which all elements are read: a full view or the matrix
    rows: int = 0  # for a matrix storage
    arr: np.ndarray = field(init=False)

    def __post_init__(self):
        self.arr = np.zeros(self.size, dtype=DTYPES[self.letter])

    def read(self) -> np.ndarray:
        r = self.reader
        if self.rows:
            rows = self.rows
            vals = [r[i % rows, i // rows] for i in range(self.size)]
        else:
            vals = [r[i] for i in range(self.size)]
        return np.array(vals, dtype=DTYPES[self.letter])


@dataclass(eq=False)
class Box:
    """One container object of the program and where it lies."""

    obj: object
    kind: str  # vec, view or mat
    letter: str
    storage: Storage
    offset: int
    numel: int
    shape: tuple = ()

    @property
    def dim0(self) -> int:
        return self.shape[0] if self.kind == "mat" else self.numel

    def region(self, n: int | None = None, start: int = 0):
        n = self.numel if n is None else n
        return (self.storage, self.offset + start, n)

    def values(self) -> np.ndarray:
        return self.storage.arr[self.offset : self.offset + self.numel]


class Mismatch(AssertionError):
    pass


class Expected(Exception):
    """An outcome of a call: the exception type and, when it is kaldra's own, its message."""

    def __init__(self, etype, message=None):
        super().__init__(message)
        self.etype, self.message = etype, message


def overlap(r1, r2) -> bool:
    s1, o1, n1 = r1
    s2, o2, n2 = r2
    return s1 is s2 and n1 > 0 and n2 > 0 and o1 < o2 + n2 and o2 < o1 + n1


def same_start(r1, r2) -> bool:
    return r1[0] is r2[0] and r1[1] == r2[1]


def bits(a: np.ndarray, letter: str) -> np.ndarray:
    return np.ascontiguousarray(a).view(BITS[letter])


def nonfinite(a) -> np.ndarray:
    a = np.asarray(a)
    return ~np.isfinite(a.real) | ~np.isfinite(a.imag) if np.iscomplexobj(a) else ~np.isfinite(a)


class Write:
    """What a successful call writes into one region: expected values and how to compare them."""

    def __init__(self, region, expected=None, bound=None, tol=0.0, exact=False, loose=None, checked=True):
        self.region = region
        self.expected, self.bound, self.tol = expected, bound, tol
        self.exact, self.loose, self.checked = exact, loose, checked


# --------------------------------------------------------------------------------------------------
# Operation semantics: each returns (result check, [Write]) or raises Expected.


def short_message(op, x: Box, y: Box):
    return f"In {op}, vector y has {y.numel} elements, fewer than the {x.numel} elements of vector x"


def gemv_message(kind, *numbers):
    head = "In gemv expression y = aAx + by, "
    if kind == "matrix":
        return head + "A must be a matrix"
    if kind == "x":
        return head + f"matrix A dimension 1: {numbers[0]}, doesn't match vector x dimension 0: {numbers[1]}"
    if kind == "y":
        return head + f"matrix A dimension 0: {numbers[0]}, doesn't match vector y dimension 0: {numbers[1]}"
    return head + f"matrix {numbers[0]} has {numbers[1]} rows but no columns"


def gemm_message(first, d1, v1, second, d2, v2):
    return (
        f"In gemm expression Y = aAX + bY, matrix {first} dimension {d1}: {v1}, "
        f"doesn't match matrix {second} dimension {d2}: {v2}"
    )


def wide(a, letter):
    return np.asarray(a).astype(WIDE[letter])


def scal_values(s, x, letter):
    """s*x as kaldra's scale computes it: zeros for a zero factor (the BLAS convention)."""
    if s == 0 and not np.isnan(s):
        return np.zeros_like(wide(x, letter))
    with np.errstate(all="ignore"):
        return wide(s, letter) * wide(x, letter)


def elementwise_check(letter, n_terms=2):
    return 8 * n_terms * EPS[letter]


class Model:
    """Expected outcomes of the operations for boxes and scalar values."""

    @staticmethod
    def check_types(op, boxes, scalars):
        letters = {b.letter for b in boxes}
        if len(letters) != 1:
            raise Expected(TypeError)
        letter = letters.pop()
        if letter not in FUNCTIONS[op].get("letters", LETTERS):
            raise Expected(TypeError)
        if any(kinds == "mat" and b.kind != "mat" for kinds, b in zip(FUNCTIONS[op]["containers"].values(), boxes)):
            raise Expected(TypeError)
        values = [scalar_value(s, letter) for s in scalars]
        if any(v is None for v in values):
            raise Expected(TypeError)
        return letter, values

    @staticmethod
    def scale(letter, s, x: Box):
        exp = scal_values(s, x.values(), letter)
        with np.errstate(all="ignore"):
            bound = np.abs(wide(s, letter)) * np.abs(wide(x.values(), letter))
        return [Write(x.region(), exp, bound, elementwise_check(letter))]

    @staticmethod
    def axpy(letter, a, x: Box, y: Box, op="axpy"):
        if y.numel < x.numel:
            raise Expected(RuntimeError, short_message(op, x, y))
        n = x.numel
        yr = y.region(n)
        xv, yv = wide(x.values(), letter), wide(y.values()[:n], letter)
        if n == 0 or a == 0:
            return []
        # x as it was before the call, whatever the overlap: x and y the same run give what a separate
        # copy of x gives, NaN and inf included
        with np.errstate(all="ignore"):
            exp = wide(a, letter) * xv + yv
            bound = np.abs(wide(a, letter)) * np.abs(xv) + np.abs(yv)
        return [Write(yr, exp, bound, elementwise_check(letter, 3))]

    @staticmethod
    def copy(letter, x: Box, y: Box):
        if y.numel < x.numel:
            raise Expected(RuntimeError, short_message("copy", x, y))
        return [Write(y.region(x.numel), x.values().copy(), exact=True)]

    @staticmethod
    def swap(letter, x: Box, y: Box):
        if y.numel < x.numel:
            raise Expected(RuntimeError, short_message("swap", x, y))
        xr, yr = x.region(), y.region(x.numel)
        if same_start(xr, yr):
            return [Write(xr, x.values().copy(), exact=True)]
        if overlap(xr, yr):
            raise Expected(RuntimeError, "In swap, vectors x and y share some but not all of their elements")
        return [Write(xr, y.values()[: x.numel].copy(), exact=True), Write(yr, x.values().copy(), exact=True)]

    @staticmethod
    def dot(letter, x: Box, y: Box, conj=False, op="dot"):
        if y.numel < x.numel:
            raise Expected(RuntimeError, short_message(op, x, y))
        xv, yv = wide(x.values(), letter), wide(y.values()[: x.numel], letter)
        if conj:
            xv = np.conj(xv)
        with np.errstate(all="ignore"):
            exp = np.sum(xv * yv) if len(xv) else WIDE[letter](0)
            bound = np.sum(np.abs(xv) * np.abs(yv))
        loose = bool(np.any(nonfinite(xv)) or np.any(nonfinite(yv)))
        return exp, bound, 8 * (len(xv) + 2) * EPS[letter], loose

    @staticmethod
    def gemv(letter, a, b, A: Box, x: Box, y: Box):
        if A.kind != "mat":
            raise Expected(RuntimeError, gemv_message("matrix"))
        m, n = A.shape
        if n != x.dim0:
            raise Expected(RuntimeError, gemv_message("x", n, x.dim0))
        if m != y.dim0:
            raise Expected(RuntimeError, gemv_message("y", m, y.dim0))
        for name, box in (("x", x), ("y", y)):
            if box.kind == "mat" and box.shape[0] > 0 and box.shape[1] == 0:
                raise Expected(RuntimeError, gemv_message("columns", name, box.shape[0]))
        yr = y.region(m)
        if m == 0:
            return []
        # y may share elements with A or x: the product is that of their values before the call.
        Av = wide(A.values(), letter).reshape((m, n), order="F")
        xv, yv = wide(x.values()[:n], letter), wide(y.values()[:m], letter)
        a, b = wide(a, letter), wide(b, letter)
        term = bool(n and a != 0)  # without columns or with a = 0 there is no product term
        with np.errstate(all="ignore"):
            old = np.zeros(m, dtype=WIDE[letter]) if b == 0 else b * yv
            exp = old + a * (Av @ xv) if term else old
            bound = (np.abs(a) * (np.abs(Av) @ np.abs(xv)) if term else 0) + (0 if b == 0 else np.abs(b) * np.abs(yv))
            contaminated = (nonfinite(Av).any(axis=1) | bool(nonfinite(xv).any())) if term else np.zeros(m, bool)
            # a*(sum) and sum(a*terms) differ for an infinite a; a NaN a gives NaN either way.
            contaminated = contaminated | bool(term and np.isinf(a))
        loose = contaminated | (nonfinite(yv) & (b != 0)) if letter in COMPLEX else contaminated
        return [Write(yr, exp, bound, 8 * (n + 3) * EPS[letter], loose=loose)]

    @staticmethod
    def gemm(letter, a, b, A: Box, X: Box, Y: Box):
        if A.shape[0] != Y.shape[0]:
            raise Expected(RuntimeError, gemm_message("A", 0, A.shape[0], "Y", 0, Y.shape[0]))
        if X.shape[1] != Y.shape[1]:
            raise Expected(RuntimeError, gemm_message("X", 1, X.shape[1], "Y", 1, Y.shape[1]))
        if A.shape[1] != X.shape[0]:
            raise Expected(RuntimeError, gemm_message("A", 1, A.shape[1], "X", 0, X.shape[0]))
        m, k = A.shape
        n = X.shape[1]
        yr = Y.region()
        if m * n == 0:
            return []
        # Y may be A or X itself: the product is that of their values before the call.
        Av = wide(A.values(), letter).reshape((m, k), order="F")
        Xv = wide(X.values(), letter).reshape((k, n), order="F")
        Yv = wide(Y.values(), letter).reshape((m, n), order="F")
        a, b = wide(a, letter), wide(b, letter)
        term = bool(k and a != 0)  # with k = 0 or a = 0 there is no product term
        with np.errstate(all="ignore"):
            old = np.zeros_like(Yv) if b == 0 else b * Yv
            exp = old + a * (Av @ Xv) if term else old
            bound = (np.abs(a) * (np.abs(Av) @ np.abs(Xv)) if term else 0) + (0 if b == 0 else np.abs(b) * np.abs(Yv))
            if term:
                contaminated = nonfinite(Av).any(axis=1)[:, None] | nonfinite(Xv).any(axis=0)[None, :]
            else:
                contaminated = np.zeros((m, n), bool)
            # a*(sum) and sum(a*terms) differ for an infinite a; a NaN a gives NaN either way.
            contaminated = contaminated | bool(term and np.isinf(a))
        loose = contaminated | (nonfinite(Yv) & (b != 0)) if letter in COMPLEX else contaminated
        return [
            Write(
                yr,
                exp.ravel(order="F"),
                bound.ravel(order="F") if np.ndim(bound) else bound,
                8 * (k + 3) * EPS[letter],
                loose=loose.ravel(order="F"),
            )
        ]


# --------------------------------------------------------------------------------------------------
# The runner: a program of random steps over a pool of containers, each step checked against the model.


# The functions the model draws and computes (Runner.operation, Runner.expect, Model); a test fails when the
# module has a function this list lacks. Which element types and kinds each function takes and what it
# returns come from the functions' facts.
OPERATIONS = ["scale", "sum", "dot", "copy", "swap", "axpy", "hdot", "ls", "matvec", "gemv", "gemm", "matmul"]
FUNCTIONS = tomllib.loads(
    (pathlib.Path(__file__).resolve().parents[1] / "src" / "kaldra_pybind" / "functions.toml").read_text()
)


class Runner:
    def __init__(self, chooser, max_pool: int = 10):
        self.ch = chooser
        self.pool: list[Box] = []
        self.storages: list[Storage] = []
        self.max_pool = max_pool
        self.stats = {"steps": 0, "calls": 0, "refused": 0, "unchecked": 0, "threshold": 0, "deficient accepted": 0}
        self.log: list[str] = []

    # ----- bookkeeping

    def note(self, text: str):
        self.log.append(text)
        if len(self.log) > 40:
            del self.log[:-40]

    def fail(self, text: str):
        raise Mismatch(text + "\nlast steps:\n  " + "\n  ".join(self.log))

    def add(self, box: Box):
        self.pool.append(box)
        if box.storage not in self.storages:
            self.storages.append(box.storage)

    def forget_unused_storages(self):
        live = {id(b.storage) for b in self.pool}
        self.storages = [s for s in self.storages if id(s) in live]

    def new_vector(self, letter: str, n: int) -> Box:
        v = cls("vec", letter)(n)
        st = Storage(letter, n, v[:])  # the reader is a view, so the vector object itself can die
        return Box(v, "vec", letter, st, 0, n)

    def new_matrix(self, letter: str, rows: int, cols: int) -> Box:
        a = cls("mat", letter)(rows, cols)
        st = Storage(letter, rows * cols, a, rows)
        return Box(a, "mat", letter, st, 0, rows * cols, (rows, cols))

    def fill(self, box: Box, values):
        """Writes values into a box through kaldra and the model alike."""
        rows = box.shape[0] if box.kind == "mat" else 0
        for i, v in enumerate(values):
            if rows:
                box.obj[i % rows, i // rows] = v
            else:
                box.obj[i] = v
        box.storage.arr[box.offset : box.offset + len(values)] = np.array(values, dtype=DTYPES[box.letter])

    def random_fill(self, box: Box, special: int = 4):
        self.fill(box, [draw_value(self.ch, box.letter, special) for _ in range(box.numel)])

    def fresh(self, letter: str, n: int, kind: str | None = None) -> Box:
        """A new container with n elements (a vector, a view at a random offset, or a column matrix)."""
        ch = self.ch
        kind = kind or ch.pick(["vec", "vec", "view", "mat"])
        if kind == "vec":
            box = self.new_vector(letter, n)
        elif kind == "mat":
            box = (
                self.new_matrix(letter, n, ch.pick([1, 1, 1, 2, 0])) if n else self.new_matrix(letter, 0, ch.int(0, 2))
            )
        else:
            before, after = ch.int(0, 3), ch.int(0, 3)
            base = self.new_vector(letter, before + n + after)
            self.random_fill(base)
            box = Box(base.obj[before : before + n], "view", letter, base.storage, before, n)
            self.add(box)
            return box
        self.random_fill(box)
        self.add(box)
        return box

    def pick_box(self, letter=None, kinds=("vec", "view", "mat"), at_least=None):
        ch = self.ch
        candidates = [b for b in self.pool if b.kind in kinds and (letter is None or b.letter == letter)]
        if at_least is not None and ch.chance(75):
            bigger = [b for b in candidates if b.numel >= at_least]
            candidates = bigger or candidates
        return ch.pick(candidates) if candidates else None

    # ----- checking

    def snapshot(self):
        return {id(s): s.arr.copy() for s in self.storages}

    def compare_all(self, writes: list[Write], what: str):
        """Reads every live storage through kaldra and compares it with the model and the writes."""
        for st in self.storages:
            got = st.read()
            if got.shape != st.arr.shape:
                self.fail(f"{what}: storage of {st.size} elements read back as {got.shape}")
            untouched = np.ones(st.size, bool)
            for w in writes:
                s, off, n = w.region
                if s is not st or n == 0:
                    continue
                untouched[off : off + n] = False
                if w.checked:
                    self.compare_region(got[off : off + n], w, st.letter, what)
            if st.size == 0:
                continue
            changed = bits(got, st.letter).reshape(st.size, -1) != bits(st.arr, st.letter).reshape(st.size, -1)
            diff = untouched & changed.any(axis=1)
            if diff.any():
                i = int(np.argmax(diff))
                self.fail(f"{what}: element {i} of a {st.letter} storage changed: {st.arr[i]!r} -> {got[i]!r}")
            st.arr = got

    def compare_region(self, got, w: Write, letter, what):
        exp = np.asarray(w.expected)
        if w.exact:
            if letter in COMPLEX:
                same = ((got.real == exp.real) | (np.isnan(got.real) & np.isnan(exp.real))) & (
                    (got.imag == exp.imag) | (np.isnan(got.imag) & np.isnan(exp.imag))
                )
            else:
                same = (got == exp) | (np.isnan(got) & np.isnan(exp))
            if not same.all():
                i = int(np.argmin(same))
                self.fail(f"{what}: element {i} is {got[i]!r}, expected exactly {exp[i]!r}")
            return
        g = wide(got, letter)
        loose = np.zeros(len(g), bool) if w.loose is None else np.asarray(w.loose, bool)
        bound = np.broadcast_to(np.asarray(w.bound, dtype=float), g.shape)
        for i in range(len(g)):
            if loose[i]:
                continue
            if not close(g[i], exp[i], bound[i], w.tol, letter):
                self.fail(f"{what}: element {i} is {got[i]!r}, expected {exp[i]!r} (bound {bound[i]:.3g})")

    # ----- steps

    def step(self):
        with np.errstate(all="ignore"):  # the model meets inf and NaN on purpose
            self.one_step()

    def one_step(self):
        ch = self.ch
        self.stats["steps"] += 1
        if len(self.pool) > self.max_pool:
            self.delete()
        roll = ch.int(0, 99)
        if roll < 10 or len(self.pool) < 3:
            self.create()
        elif roll < 22:
            self.slice()
        elif roll < 27:
            self.delete()
        elif roll < 35:
            self.access()
        else:
            self.operation()
        self.renormalise()

    def run(self, steps: int):
        for _ in range(steps):
            self.step()

    def create(self):
        ch = self.ch
        letter = ch.pick(LETTERS)
        if ch.chance(55):
            box = self.new_vector(letter, ch.int(0, 9))
        else:
            box = self.new_matrix(letter, ch.int(0, 5), ch.int(0, 5))
        self.random_fill(box)
        self.add(box)
        self.note(f"create {box.kind}{letter} {box.shape or box.numel}")
        self.compare_all([], "create")

    def delete(self):
        if not self.pool:
            return
        box = self.pool.pop(self.ch.int(0, len(self.pool) - 1))
        self.note(f"delete {box.kind}{box.letter}")
        del box
        self.forget_unused_storages()
        self.compare_all([], "delete")

    def slice(self):
        ch = self.ch
        src = self.pick_box(kinds=("vec", "view"))
        if src is None:
            return self.create()
        n = src.numel
        bound = lambda: None if ch.chance(15) else ch.int(-n - 3, n + 3)  # noqa: E731
        start, stop = bound(), bound()
        step = None if ch.chance(80) else ch.pick([1, 1, 2, -1, 0, 3])
        before = self.snapshot()
        self.note(f"slice {src.kind}{src.letter}[{n}] [{start}:{stop}:{step}]")
        expected = None
        if step == 0:
            expected = Expected(ValueError)
        elif step is not None and step != 1:
            expected = Expected(RuntimeError, "stepsizes larger than 1 invalid for vector")
        try:
            view = src.obj[start:stop:step]
        except Exception as exc:  # noqa: BLE001
            self.expect_refusal(exc, expected, before, "slice")
            return
        if expected is not None:
            self.fail(f"slice: expected {expected.etype.__name__}, got a view")
        lo, hi, _ = slice(start, stop).indices(n)
        hi = max(lo, hi)
        if type(view).__name__ != "view" + src.letter or view.numel() != hi - lo:
            self.fail(f"slice: got {type(view).__name__} of {view.numel()} elements, expected {hi - lo}")
        box = Box(view, "view", src.letter, src.storage, src.offset + lo, hi - lo)
        self.add(box)
        got = np.array([view[i] for i in range(box.numel)], dtype=DTYPES[box.letter])
        if not np.array_equal(bits(got, box.letter), bits(box.values(), box.letter)):
            self.fail("slice: the view does not show the elements of its range")
        self.compare_all([], "slice")

    def access(self):
        """Element writes and reads, valid or not, and the size queries."""
        ch = self.ch
        box = self.pick_box()
        if box is None:
            return self.create()
        before = self.snapshot()
        roll = ch.int(0, 99)
        value = draw_value(ch, box.letter)
        if box.kind == "mat":
            rows, cols = box.shape
            i, j = ch.int(0, rows + 1), ch.int(0, cols + 1)
            loc = i + j * rows
            if loc >= box.numel:
                expected = Expected(
                    kaldra.OutOfRangeError, f"requested array index {loc}exceeds max number of elements {box.numel}"
                )
            elif i >= rows:
                expected = Expected(
                    kaldra.OutOfRangeError,
                    f"index for dimension 0{i}exceeds max number of elements for that dimension {rows}",
                )
            elif j >= cols:
                expected = Expected(
                    kaldra.OutOfRangeError,
                    f"index for dimension 1{j}exceeds max number of elements for that dimension {cols}",
                )
            else:
                expected = None
            index, pos = (i, j), loc
        else:
            idx = ch.int(-1, box.numel + 1)
            expected = None
            if idx < 0:
                expected = Expected(TypeError)
            elif idx >= box.numel:
                expected = Expected(kaldra.OutOfRangeError, f"index {idx} exceeds max number of elements {box.numel}")
            index, pos = idx, idx
        self.note(f"access {box.kind}{box.letter} {box.shape or box.numel} at {index} roll {roll}")
        if roll < 10:
            d = ch.int(0, 2)
            limit = 1 if box.kind != "mat" else 2
            try:
                got = box.obj.dim(d)
            except RuntimeError as exc:
                kind = "matrix" if box.kind == "mat" else "vector"
                if d < limit or str(exc) != f"dimension {d} invalid for {kind}":
                    self.fail(f"dim({d}) raised {exc!r}")
            else:
                want = (box.shape[d] if box.kind == "mat" else box.numel) if d < limit else None
                if got != want:
                    self.fail(f"dim({d}) gave {got}, expected {want}")
            if box.obj.numel() != box.numel:
                self.fail("numel")
            if roll < 3:
                text = repr(box.obj)
                if not text.endswith("\n"):
                    self.fail("repr does not end its last line")
                if box.kind == "mat" and not box.shape[1] and text.count("[]\n") != box.shape[0]:
                    self.fail("a matrix without columns shows an empty row for each of its rows")
            return self.compare_all([], "dim")
        writing = roll < 60
        try:
            if writing:
                box.obj[index] = value
            else:
                got = box.obj[index]
        except Exception as exc:  # noqa: BLE001
            self.expect_refusal(exc, expected, before, "setitem" if writing else "getitem")
            return
        if expected is not None:
            self.fail(f"access at {index}: expected {expected.etype.__name__}")
        if writing:
            box.storage.arr[box.offset + pos] = DTYPES[box.letter](value)
            self.compare_all([], "setitem")
        else:
            want = box.values()[pos : pos + 1]
            if not np.array_equal(bits(np.array([got], dtype=DTYPES[box.letter]), box.letter), bits(want, box.letter)):
                self.fail(f"getitem at {index}: {got!r}, expected {want!r}")

    def renormalise(self):
        """Keeps magnitudes where float32 neither overflows nor underflows, by refilling through kaldra."""
        for box in list(self.pool):
            v = box.values()
            finite = np.abs(v[np.isfinite(np.abs(v))]) if v.size else v
            if finite.size and (finite.max() > 1e6 or 0 < finite.max() < 1e-6):
                self.note(f"refill {box.kind}{box.letter}")
                self.random_fill(box)
                self.compare_all([], "refill")

    def expect_refusal(self, exc, expected, before, what):
        self.stats["refused"] += 1
        if expected is None:
            self.fail(f"{what}: unexpected {type(exc).__name__}: {exc}")
        if type(exc) is not expected.etype:
            self.fail(f"{what}: raised {type(exc).__name__}({exc}), expected {expected.etype.__name__}")
        if expected.message is not None and str(exc) != expected.message:
            self.fail(f"{what}: message {str(exc)!r}, expected {expected.message!r}")
        for st in self.storages:
            if not np.array_equal(bits(before[id(st)], st.letter), bits(st.arr, st.letter)):
                self.fail(f"{what}: the model changed on a refused call")
        self.compare_all([], what + " (refused)")

    # ----- operations

    def operation(self):
        ch = self.ch
        op = ch.pick(OPERATIONS)
        letters = FUNCTIONS[op].get("letters", LETTERS)
        letter = ch.pick(letters) if letters != LETTERS and ch.chance(90) else ch.pick(LETTERS)
        mixed = ch.chance(6)  # a container of another element type somewhere in the call

        def any_box(at_least=None, kinds=("vec", "view", "mat"), n=None):
            want = ch.pick(LETTERS) if mixed and ch.chance(50) else letter
            if n is not None and ch.chance(65):
                return self.fresh(want, n, "mat" if kinds == ("mat",) else None)
            box = self.pick_box(want, kinds, at_least)
            return box or self.fresh(want, n if n is not None else ch.int(0, 6), "mat" if kinds == ("mat",) else None)

        if op == "scale":
            boxes, scalars = [any_box()], [draw_scalar(ch, letter)]
        elif op in ("sum", "copy", "swap", "dot", "hdot", "axpy"):
            if ch.chance(15):
                x, y = self.shifted_pair(letter)
            else:
                x = any_box()
                y = x if ch.chance(12) else any_box(at_least=x.numel, n=x.numel if ch.chance(30) else None)
            boxes = [x, y]
            scalars = [draw_scalar(ch, letter)] if op == "axpy" else []
        elif op in ("gemv", "matvec"):
            boxes, scalars = self.gemv_operands(letter, any_box), []
            if op == "gemv":
                scalars = [draw_scalar(ch, letter), draw_scalar(ch, letter)]
        elif op in ("gemm", "matmul"):
            boxes, scalars = self.gemm_operands(letter, any_box), []
            if op == "gemm":
                scalars = [draw_scalar(ch, letter), draw_scalar(ch, letter)]
        elif op == "ls":
            return self.ls(letter, any_box)
        else:
            raise NotImplementedError(f"the model draws no operands for {op}")
        self.call(op, scalars, boxes)

    def shifted_pair(self, letter):
        """Two views of one new vector that overlap shifted, x before y or after it (or y longer)."""
        ch = self.ch
        n, shift = ch.int(1, 12), ch.int(1, 4)
        base = self.new_vector(letter, n + shift + ch.int(0, 2))
        self.random_fill(base)
        self.add(base)
        x_at, y_at = (0, shift) if ch.chance(50) else (shift, 0)
        y_end = min(base.numel, y_at + n + (ch.int(0, 2) if ch.chance(30) else 0))
        boxes = []
        for at, end in ((x_at, x_at + n), (y_at, y_end)):
            box = Box(base.obj[at:end], "view", letter, base.storage, at, end - at)
            self.add(box)
            boxes.append(box)
        return boxes

    def gemv_operands(self, letter, any_box):
        ch = self.ch
        if ch.chance(70):
            m, n = ch.int(0, 5), ch.int(0, 5)
            A = self.new_matrix(letter, m, n)
            self.random_fill(A, 2)
            self.add(A)
            x = A if ch.chance(5) and m == n else any_box(n=n + (1 if ch.chance(10) else 0))
            y = any_box(n=m + (1 if ch.chance(10) else 0))
            if ch.chance(5):
                y = x
            return [A, x, y]
        return [any_box(kinds=("mat",) if ch.chance(85) else ("vec", "view", "mat")), any_box(), any_box()]

    def gemm_operands(self, letter, any_box):
        ch = self.ch
        if ch.chance(70):
            m, k, n = ch.int(0, 4), ch.int(0, 4), ch.int(0, 4)
            dims = [(m, k), (k, n), (m, n)]
            if ch.chance(12):
                i = ch.int(0, 2)
                dims[i] = (dims[i][0] + ch.int(0, 1), dims[i][1] + 1)
            boxes = []
            for rows, cols in dims:
                want = letter if not ch.chance(4) else ch.pick(LETTERS)
                box = self.new_matrix(want, rows, cols)
                self.random_fill(box, 2)
                self.add(box)
                boxes.append(box)
            if ch.chance(6) and m == k == n:
                boxes[2] = boxes[ch.int(0, 1)]
            return boxes
        kinds = ("mat",) if ch.chance(85) else ("vec", "view", "mat")
        return [any_box(kinds=kinds), any_box(kinds=("mat",)), any_box(kinds=("mat",))]

    def call(self, op, scalars, boxes, keyword=False):
        ch = self.ch
        self.stats["calls"] += 1
        args = list(scalars) + [b.obj for b in boxes]
        desc = f"{op}({', '.join([repr(s) for s in scalars] + [f'{b.kind}{b.letter}{b.shape or b.numel}@{b.offset}' for b in boxes])})"
        bad = ch.int(0, 99)
        expected_bad = None
        kwargs = {}
        if bad < 2:
            args.append(args[-1])
            expected_bad = "extra argument"
        elif bad < 4:
            args[ch.int(0, len(args) - 1)] = None
            expected_bad = "None"
        elif bad < 5:
            kwargs = {"x": args.pop()}
            expected_bad = "keyword"
        self.note(desc + (f" [{expected_bad}]" if expected_bad else ""))
        before = self.snapshot()
        result = expected = None
        writes: list[Write] = []
        try:
            if expected_bad:
                raise Expected(TypeError)
            letter, values = Model.check_types(op, boxes, scalars)
            writes, result = self.expect(op, letter, values, boxes)
        except Expected as e:
            expected = e
        try:
            got = getattr(kaldra, op)(*args, **kwargs)
        except Exception as exc:  # noqa: BLE001
            if isinstance(exc, (SystemError, MemoryError)):
                self.fail(f"{desc}: {type(exc).__name__}: {exc}")
            return self.expect_refusal(exc, expected, before, desc)
        if expected is not None:
            self.fail(f"{desc}: returned, expected {expected.etype.__name__}: {expected.message}")
        self.check_result(op, got, boxes, result, desc)
        if any(not w.checked for w in writes):
            self.stats["unchecked"] += 1
        self.compare_all(writes, desc)
        for b in boxes:  # every operand read through its own object, too
            n = min(b.numel, 12)
            if b.kind == "mat":
                rows = b.shape[0]
                vals = [b.obj[i % rows, i // rows] for i in range(n)] if rows else []
            else:
                vals = [b.obj[i] for i in range(n)]
            if not np.array_equal(
                bits(np.array(vals, dtype=DTYPES[b.letter]), b.letter), bits(b.values()[:n], b.letter)
            ):
                self.fail(f"{desc}: an operand reads differently through its own object")

    def expect(self, op, letter, values, boxes):
        if op == "ls":  # only the refusals reach this path; valid calls go through ls_prepared
            A, x = boxes
            m, n = A.shape
            raise Expected(
                RuntimeError,
                f"In ls, vector x has {x.numel} elements, fewer than the "
                f"{max(m, n)} that matrix A of size ({m}, {n}) requires",
            )
        if op == "scale":
            return Model.scale(letter, values[0], boxes[0]), None
        if op in ("sum", "axpy"):
            a = values[0] if op == "axpy" else DTYPES[letter](1)
            return Model.axpy(letter, a, boxes[0], boxes[1], op), None
        if op == "copy":
            return Model.copy(letter, *boxes), None
        if op == "swap":
            return Model.swap(letter, *boxes), None
        if op in ("dot", "hdot"):
            return [], Model.dot(letter, *boxes, conj=op == "hdot", op=op) + (letter,)
        if op in ("gemv", "matvec"):
            a, b = values if op == "gemv" else (DTYPES[letter](1), DTYPES[letter](1))
            return Model.gemv(letter, a, b, *boxes), None
        if op in ("gemm", "matmul"):
            a, b = values if op == "gemm" else (DTYPES[letter](1), DTYPES[letter](1))
            return Model.gemm(letter, a, b, *boxes), None
        raise NotImplementedError(f"the model has no result for {op}")

    def check_result(self, op, got, boxes, result, desc):
        returns = FUNCTIONS[op]["returns"]
        if returns == "None":
            if got is not None:
                self.fail(f"{desc}: returned {got!r}, expected None")
        elif returns in ("number", "float"):
            exp, bound, tol, loose, letter = result
            want_type = complex if letter in COMPLEX and returns == "number" else float
            if type(got) is not want_type:
                self.fail(f"{desc}: returned a {type(got).__name__}")
            if not loose and not close(complex(got) if letter in COMPLEX else got, exp, bound, tol, letter):
                self.fail(f"{desc}: returned {got!r}, expected {exp!r}")
        elif got is not boxes[list(FUNCTIONS[op]["containers"]).index(returns)].obj:
            self.fail(f"{desc}: did not return its output object")

    # ----- least squares

    def ls(self, letter, any_box):
        ch = self.ch
        if ch.chance(15):  # whatever the pool holds, for the type and size refusals
            A = any_box(kinds=("mat",) if ch.chance(80) else ("vec", "view", "mat"))
            x = any_box()
            if A.kind == "mat" and A.letter == x.letter and x.numel >= max(A.shape):
                return self.ls_prepared(A, x, "as-is")
            return self.call("ls", [], [A, x])
        m, n = ch.int(0, 5), ch.int(0, 5)
        A = self.new_matrix(letter, m, n)
        self.add(A)
        k = max(m, n)
        if ch.chance(5):
            x = A if A.numel >= k else any_box(n=k)
        else:
            x = any_box(n=k + (ch.int(0, 2) if ch.chance(30) else 0) - (1 if ch.chance(5) and k else 0))
        if x.letter != letter:
            return self.call("ls", [], [A, x])
        mode = ch.pick(["solve"] * 6 + ["rank", "nan-A", "nan-x", "zero", "duplicate", "constant", "nearly"])
        rng_values = [draw_real(ch, 0) for _ in range(m * n)]
        vals = np.array(rng_values, dtype=float).reshape((m, n), order="F") / 4
        if letter in COMPLEX:
            vals = vals + 1j * np.array([draw_real(ch, 0) for _ in range(m * n)]).reshape((m, n), order="F") / 4
        for i in range(min(m, n)):
            vals[i, i] += (k + 2) * (1 if ch.chance(50) else -1)
        if mode == "rank" and min(m, n):
            j = ch.int(0, min(m, n) - 1)
            if m >= n:
                vals[:, j] = 0
            else:
                vals[j, :] = 0
        lines = vals if m >= n else vals.T  # the columns, or for fewer rows than columns the rows
        if mode in ("duplicate", "constant", "nearly") and min(m, n) >= 2:
            j0, j1 = ch.int(0, min(m, n) - 1), ch.int(0, min(m, n) - 1)
            j1 = j1 if j1 != j0 else (j0 + 1) % min(m, n)
            if mode == "constant":
                lines[:, j0] = ch.pick([0.25, 1, -2.5, 3])
                lines[:, j1] = ch.pick([0.5, -1, 4, 1.75])
            else:
                lines[:, j1] = lines[:, j0] * ch.pick([1, -1, 2, 0.5, -3])
                if mode == "nearly":  # dependent up to one element's relative change, held by the type or not
                    lines[ch.int(0, len(lines) - 1), j1] *= 1 + ch.pick([2**-20, 2**-30, 2**-45, 2**-60])
        if mode == "zero":
            vals[:] = 0
        if mode == "nan-A" and m * n:
            vals[ch.int(0, m - 1), ch.int(0, n - 1)] = ch.pick([NAN, INF, -INF])
        self.fill(A, [complex(v) if letter in COMPLEX else float(v.real) for v in vals.ravel(order="F")])
        if x.storage is not A.storage and x.letter == letter:
            rhs = [draw_value(ch, letter, 0) for _ in range(min(k, x.numel))]
            if mode == "nan-x" and rhs:
                rhs[ch.int(0, len(rhs) - 1)] = ch.pick([NAN, INF, -INF])
            self.fill(x, rhs + [x.values()[i] for i in range(len(rhs), x.numel)])
        self.compare_all([], "ls set-up")
        self.ls_prepared(A, x, mode)

    def ls_prepared(self, A: Box, x: Box, mode):
        letter = A.letter
        m, n = A.shape
        k = max(m, n)
        desc = f"ls(mat{letter}{A.shape}, {x.kind}{x.letter}{x.numel}@{x.offset}) {mode}"
        self.note(desc)
        self.stats["calls"] += 1
        before = self.snapshot()
        if x.numel < k:
            expected = Expected(
                RuntimeError,
                f"In ls, vector x has {x.numel} elements, fewer than the {k} that matrix A of size ({m}, {n}) requires",
            )
            try:
                kaldra.ls(A.obj, x.obj)
            except Exception as exc:  # noqa: BLE001
                return self.expect_refusal(exc, expected, before, desc)
            self.fail(desc + ": accepted a short x")
        Av = wide(A.values(), letter).reshape((m, n), order="F")
        xv = wide(x.values()[:k], letter)
        if overlap(A.region(), x.region(k)):
            expected = Expected(RuntimeError, "In ls, vector x shares elements with matrix A")
            try:
                kaldra.ls(A.obj, x.obj)
            except Exception as exc:  # noqa: BLE001
                return self.expect_refusal(exc, expected, before, desc)
            self.fail(desc + ": accepted an x that shares elements with A")
        try:
            kaldra.ls(A.obj, x.obj)
            msg = None
        except RuntimeError as exc:
            msg, refusal = str(exc), exc
        bad_A = np.flatnonzero(nonfinite(Av.ravel(order="F")))
        bad_x = np.flatnonzero(nonfinite(xv[:m]))
        if bad_A.size or bad_x.size:  # refused before the driver runs
            if bad_A.size:
                want = f"In ls, matrix A has a NaN or infinite element at row {bad_A[0] % m}, column {bad_A[0] // m}"
            else:
                want = f"In ls, vector x has a NaN or infinite element at index {bad_x[0]}"
            if msg is None:
                self.fail(f"{desc}: accepted, expected {want!r}")
            return self.expect_refusal(refusal, Expected(RuntimeError, want), before, desc)
        if min(m, n) == 0:  # nothing to factor
            if msg is not None:
                self.fail(f"{desc}: unexpected {msg!r}")
            if not np.array_equal(wide(A.storage.read(), letter), Av.ravel(order="F")):
                self.fail(f"{desc}: A changed although the driver had nothing to factor")
            if n == 0:  # no unknowns: x, its own residual, keeps its values
                return self.compare_all([], desc)
            # no equations: the minimum-norm solution is zero
            return self.compare_all([Write(x.region(k), np.zeros(k, dtype=WIDE[letter]), np.zeros(k), 0.0)], desc)

        # The driver ran: A holds its factorization (an all-zero A, which it skips, stays as it is).
        got_A = wide(A.storage.read(), letter).reshape((m, n), order="F")
        finite = not (nonfinite(Av).any() or nonfinite(xv).any())
        eps = EPS[letter]
        if not nonfinite(Av).any():
            if m >= n:
                R = np.triu(got_A[:n, :n])
                gram, want_gram = R.conj().T @ R, Av.conj().T @ Av
            else:
                L = np.tril(got_A[:m, :m])
                gram, want_gram = L @ L.conj().T, Av @ Av.conj().T
            if np.linalg.norm(gram - want_gram) > 64 * (m + n) * eps * np.linalg.norm(Av) ** 2:
                self.fail(f"{desc}: A does not hold a factorization of the input")
        order = min(m, n)
        factor = np.triu(got_A[:order, :order]) if m >= n else np.tril(got_A[:order, :order])
        diagonal = np.diagonal(factor)
        zero = np.flatnonzero(diagonal == 0)
        threshold = rank_threshold(letter, order) if order else 0.0
        if zero.size:
            outcome = f"{NOT_FULL_RANK}diagonal element {zero[0]} of its triangular factor is zero"
        elif nonfinite(factor).any():
            outcome = None  # no rank rule for a factor holding inf or NaN: the driver's result stands
        else:
            rcond = exact_rcond(factor)
            if rcond >= THRESHOLD_BAND * threshold:
                outcome = None
            elif rcond < threshold / THRESHOLD_BAND:
                outcome = "small"
            else:
                outcome = "either"
                self.stats["threshold"] += 1
        if mode in ("rank", "zero"):  # an exactly zero column (row): its diagonal element is exactly zero
            lines = Av if m >= n else Av.T
            first = int(np.flatnonzero(~lines.any(axis=0))[0])
            if not zero.size or zero[0] != first:
                self.fail(f"{desc}: factor {factor!r} lacks the zero diagonal element {first}")
        if msg is not None:
            if outcome is None:
                self.fail(f"{desc}: unexpected {msg!r}")
            if outcome in ("small", "either"):
                got = re.fullmatch(
                    re.escape(NOT_FULL_RANK) + r"the reciprocal condition number of its triangular "
                    r"factor is (\S+), below the threshold " + re.escape(f"{threshold:.3g}") + " for its element "
                    f"type and order {order}",
                    msg,
                )
                # kaldra's value lies close to the exact one for factors this small; printed with 3
                # digits, a value just below the threshold may show as equal to it
                if not got or not (
                    float(got.group(1)) <= float(f"{threshold:.3g}")
                    and rcond / THRESHOLD_BAND <= float(got.group(1)) <= THRESHOLD_BAND * rcond
                ):
                    self.fail(f"{desc}: message {msg!r}, exact reciprocal condition number {rcond:.3g}")
            elif msg != outcome:
                self.fail(f"{desc}: message {msg!r}, expected {outcome!r}")
            self.stats["refused"] += 1
            # x is given back its values; A keeps what the driver wrote.
            return self.compare_all([Write(A.region(), checked=False)], desc)
        if outcome not in (None, "either"):
            self.fail(f"{desc}: accepted, expected {outcome if outcome != 'small' else 'a condition refusal'}")
        if not finite:
            self.stats["unchecked"] += 1
            return self.compare_all([Write(A.region(), checked=False), Write(x.region(k), checked=False)], desc)
        if mode in ("rank", "zero") or mode in ("duplicate", "constant") and min(m, n) >= 2:
            # exactly rank deficient, but the rounded factor lies above the threshold: noise, not compared
            self.stats["deficient accepted"] += 1
            return self.compare_all([Write(A.region(), checked=False), Write(x.region(k), checked=False)], desc)
        got_x = self.read_box(x)[:k]
        sol, *_ = np.linalg.lstsq(Av, xv[:m], rcond=None)
        cond = np.linalg.cond(Av)
        norm_A = np.linalg.norm(Av, 2)
        residual = np.linalg.norm(Av @ sol - xv[:m])
        # Perturbation bound of least squares: the condition number times the solution, and its square
        # times the residual.
        scale = cond * (np.linalg.norm(sol) + np.linalg.norm(xv[:m]) / norm_A) + cond**2 * residual / norm_A
        tol = 64 * (m + n) * eps * scale + TINY[letter]
        if np.linalg.norm(wide(got_x[:n], letter) - sol) > tol:
            self.fail(f"{desc}: solution {got_x[:n]!r}, expected {sol!r}")
        if m > n:
            rss = residual**2
            got_rss = np.sum(np.abs(wide(got_x[n:m], letter)) ** 2)
            if abs(got_rss - rss) > 64 * (m + n) * eps * cond * (np.linalg.norm(xv[:m]) ** 2 + 1):
                self.fail(f"{desc}: residual sum of squares {got_rss}, expected {rss}")
        self.compare_all([Write(A.region(), checked=False), Write(x.region(k), checked=False)], desc)

    def read_box(self, box: Box):
        return box.storage.read()[box.offset : box.offset + box.numel]


def exact_rcond(factor) -> float:
    """1 / (|F|_1 |F^-1|_1) of a triangular factor without a zero diagonal element, in long double: the
    inverse by substitution, column by column, exact enough for factors of the element types' range."""
    upper = not np.tril(factor, -1).any()
    F = factor.astype(np.clongdouble if np.iscomplexobj(factor) else np.longdouble)
    n = len(F)
    inverse = np.zeros_like(F)
    for j in range(n):
        col = np.zeros(n, F.dtype)
        rows = range(j, -1, -1) if upper else range(j, n)
        for i in rows:
            others = slice(i + 1, j + 1) if upper else slice(j, i)
            col[i] = ((1 if i == j else 0) - np.dot(F[i, others], col[others])) / F[i, i]
        inverse[:, j] = col
    return float(1 / (np.abs(F).sum(axis=0).max() * np.abs(inverse).sum(axis=0).max()))


def close(got, exp, bound, tol, letter) -> bool:
    """got within tol*bound of exp; non-finite values by class (see the module note for complex)."""
    g, e = complex(got), complex(exp)
    if not math.isfinite(bound):  # only where a zero factor drops a non-finite term: exact zero expected
        bound = 0.0
    if letter in COMPLEX:
        if not (math.isfinite(e.real) and math.isfinite(e.imag)):
            return not (math.isfinite(g.real) and math.isfinite(g.imag))
        if not (math.isfinite(g.real) and math.isfinite(g.imag)):
            return False
        return abs(g - e) <= tol * bound + TINY[letter]
    gr, er = g.real, e.real
    if math.isnan(er) or math.isnan(gr):
        return math.isnan(er) and math.isnan(gr)
    if math.isinf(er) or math.isinf(gr):
        return gr == er
    return abs(gr - er) <= tol * bound + TINY[letter]
