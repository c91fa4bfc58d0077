"""Helpers shared by the kaldra tests: the classes by letter and kind, the module functions' facts,
conversion between containers and NumPy arrays element by element, and tolerances by precision."""

import pathlib
import tomllib

import numpy as np
import pytest

import kaldra

LETTERS = "sdcz"
KINDS = ("vec", "view", "mat")
REAL = "sd"
COMPLEX = "cz"

# The Python-side facts of each module function (parameters, the kinds each container admits, element
# types, result, docstrings), read from the source tree also when the tests run against an installed
# wheel: the wheel must agree with the source it was built from. test_module.py holds them against the
# module.
FUNCTIONS = tomllib.loads(
    (pathlib.Path(__file__).resolve().parents[2] / "src" / "kaldra_pybind" / "functions.toml").read_text()
)
ADMITTED = {"any": KINDS, "mat": ("mat",)}


def layout(function):
    """(number of scalars, the kinds each container position admits) of a module function."""
    facts = FUNCTIONS[function]
    return len(facts["scalars"]), [ADMITTED[kinds] for kinds in facts["containers"].values()]


def letters_of(function):
    """The element types a module function has overloads for."""
    return FUNCTIONS[function].get("letters", LETTERS)


def module_functions():
    """The names of the module's functions, in the order it holds them."""
    return [name for name, value in vars(kaldra).items() if type(value).__name__ == "builtin_function_or_method"]


DTYPES = {"s": np.float32, "d": np.float64, "c": np.complex64, "z": np.complex128}
# Relative tolerances for results computed in the element type's precision.
RTOL = {"s": 2e-5, "d": 1e-12, "c": 2e-5, "z": 1e-12}
# Elements around a view that must never change.
SENTINEL = 99.0


def cls(letter, kind):
    """The class of container kind `kind` and element letter `letter`, e.g. cls("d", "mat") is matd."""
    return getattr(kaldra, kind + letter)


def is_complex(letter):
    return letter in COMPLEX


def scalar(letter, value):
    """A Python scalar of the type the letter's overloads take without conversion."""
    return complex(value) if is_complex(letter) else float(np.real(value))


def random_values(letter, n, rng):
    """n values rounded to the element type, as a NumPy array of that type."""
    values = rng.uniform(-2, 2, n)
    if is_complex(letter):
        values = values + 1j * rng.uniform(-2, 2, n)
    return values.astype(DTYPES[letter])


def fill(container, values):
    """Writes `values` into the container in storage order (column by column for a matrix)."""
    values = np.asarray(values).ravel()
    assert container.numel() == len(values)
    if isinstance(container, MATRIX_CLASSES):
        rows = container.dim(0)
        for k, value in enumerate(values):
            container[k % rows, k // rows] = value.item()
    else:
        for k, value in enumerate(values):
            container[k] = value.item()
    return container


def flat(container, letter):
    """The container's elements in storage order as a NumPy array of the element type."""
    if isinstance(container, MATRIX_CLASSES):
        rows, cols = container.dim(0), container.dim(1)
        items = [container[i, j] for j in range(cols) for i in range(rows)]
    else:
        items = [container[k] for k in range(container.numel())]
    return np.array(items, dtype=DTYPES[letter])


def matrix(letter, array):
    """A mat<letter> holding the 2-D array."""
    array = np.asarray(array, dtype=DTYPES[letter])
    rows, cols = array.shape
    return fill(cls(letter, "mat")(rows, cols), array.ravel(order="F"))


def to_array(container, letter):
    """A matrix container as a 2-D NumPy array."""
    rows, cols = container.dim(0), container.dim(1)
    return flat(container, letter).reshape((rows, cols), order="F")


def matrix_shape(n):
    """The matrix shape used when a matrix stands for a run of n elements."""
    return (2, n // 2) if n % 2 == 0 and n > 0 else (n, 1)


class Operand:
    """A container of any kind holding given values. A view is cut at offset 1 out of a vector with
    sentinel elements on both sides, so that writes outside its range show up."""

    def __init__(self, letter, kind, values, shape=None):
        self.letter = letter
        self.kind = kind
        values = np.asarray(values, dtype=DTYPES[letter])
        n = len(values)
        if kind == "vec":
            self.obj = fill(cls(letter, "vec")(n), values)
            self.parent = None
        elif kind == "view":
            self.parent = cls(letter, "vec")(n + 2)
            fill(self.parent, np.full(n + 2, SENTINEL, dtype=DTYPES[letter]))
            self.obj = fill(self.parent[1 : n + 1], values)
        else:
            rows, cols = shape or matrix_shape(n)
            self.obj = fill(cls(letter, "mat")(rows, cols), values)
            self.parent = None

    def values(self):
        return flat(self.obj, self.letter)

    def sentinels_intact(self):
        if self.parent is None:
            return True
        whole = flat(self.parent, self.letter)
        return whole[0] == SENTINEL and whole[-1] == SENTINEL


MATRIX_CLASSES = tuple(cls(letter, "mat") for letter in LETTERS)


def assert_close(actual, expected, letter):
    np.testing.assert_allclose(actual, expected, rtol=RTOL[letter], atol=RTOL[letter])


@pytest.fixture
def rng():
    return np.random.default_rng(20261210)
