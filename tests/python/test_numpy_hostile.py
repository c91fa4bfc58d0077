"""kaldra_numpy against hostile Python: array bases poked at, containers made by __new__ alone or replaced by a
callback of the same call, shapes no NumPy array can have, and imports in other interpreters or repeated."""

import copy
import gc
import pickle
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import kaldra
import kaldra_numpy as kn
from conftest import DTYPES, KINDS, LETTERS, cls, fill, flat

CLASSES = [(letter, kind) for letter in LETTERS for kind in KINDS]
# The classes Python code can construct (a view comes only from slicing).
OWNING = [(letter, kind) for letter, kind in CLASSES if kind != "view"]
SHAPES = {"vec": (4,), "view": (4,), "mat": (2, 2)}


def make(letter, kind, start=1):
    """A container of four elements start, start + 1, ... (a view cut out of a longer vector)."""
    values = np.arange(start, start + 4).astype(DTYPES[letter])
    if kind == "view":
        return fill(cls(letter, "vec")(6)[1:5], values)
    return fill(cls(letter, kind)(*SHAPES[kind]), values)


def reachable_from_base(array):
    """Every object that an array's base holds, through tuples and memoryviews."""
    found, pending = [], [array.base]
    while pending:
        obj = pending.pop()
        if isinstance(obj, tuple):
            pending.extend(obj)
        elif obj is not None:
            found.append(obj)
            if isinstance(obj, memoryview):
                pending.append(obj.obj)
    return found


def release_all(objects):
    # A function of its own, so that no variable of the test keeps any of these objects alive.
    for obj in objects:
        if hasattr(obj, "release"):
            obj.release()


@pytest.mark.parametrize("letter, kind", CLASSES)
def test_nothing_reachable_from_an_array_base_lets_go_of_the_storage(letter, kind):
    c = make(letter, kind)
    a = kn.asarray(c)
    release_all(reachable_from_base(a))
    del c
    gc.collect()
    # New containers of the same size would be given the storage, had it been freed.
    others = [cls(letter, "vec")(6)[1:5] if kind == "view" else cls(letter, kind)(*SHAPES[kind]) for _ in range(20)]
    np.testing.assert_array_equal(a.ravel(order="F"), np.arange(1, 5))
    a[...] = -5
    for other in others:
        assert (flat(other, letter) == 0).all()


@pytest.fixture
def storage():
    """(array from asarray, the storage object of kaldra_numpy's that its base holds)."""
    a = kn.asarray(make("d", "vec"))
    (obj,) = [o for o in reachable_from_base(a) if type(o).__module__ == "kaldra_numpy"]
    return a, obj


def test_storage_class_makes_no_instance_from_python(storage):
    _, obj = storage
    S = type(obj)
    for attempt in (lambda: S.__new__(S), lambda: S(), lambda: object.__new__(S)):
        with pytest.raises(TypeError):
            attempt()
    with pytest.raises(TypeError):
        type("Sub", (S,), {})
    assert not any(value is S for value in vars(kn).values())


def test_storage_class_cannot_be_rebound(storage):
    a, obj = storage
    for target, new_class in [(obj, kaldra.vecd), (kaldra.vecd(4), type(obj))]:
        before = type(target)
        with pytest.raises(TypeError):
            target.__class__ = new_class
        assert type(target) is before
    np.testing.assert_array_equal(a, [1.0, 2.0, 3.0, 4.0])


@pytest.mark.parametrize(
    "duplicate",
    [
        *(lambda o, p=p: pickle.dumps(o, protocol=p) for p in range(pickle.HIGHEST_PROTOCOL + 1)),
        copy.copy,
        copy.deepcopy,
        lambda o: o.__reduce__(),
    ],
    ids=[*(f"pickle{p}" for p in range(pickle.HIGHEST_PROTOCOL + 1)), "copy", "deepcopy", "reduce"],
)
def test_storage_object_is_not_duplicated(storage, duplicate):
    a, obj = storage
    with pytest.raises(TypeError):
        duplicate(obj)
    np.testing.assert_array_equal(a, [1.0, 2.0, 3.0, 4.0])


@pytest.mark.parametrize("letter, kind", CLASSES)
def test_container_made_by_new_alone_is_refused(letter, kind):
    base = cls(letter, kind)
    for C in (base, type("Derived", (base,), {})):
        unconstructed = C.__new__(C)
        message = rf"^In {{}}, the {C.__name__} object holds no container: it was created without running __init__$"
        with pytest.raises(TypeError, match=message.format("asarray")):
            kn.asarray(unconstructed)
        with pytest.raises(TypeError, match=message.format("assign")):
            kn.assign(unconstructed, np.zeros((0,) * len(SHAPES[kind]), dtype=DTYPES[letter]))


class CallbackArray(np.ndarray):
    """An array whose buffer is acquired through Python code that first runs `self.callback`."""

    def __buffer__(self, flags):
        self.callback()
        return memoryview(self.view(np.ndarray))


@pytest.mark.parametrize("letter, kind", OWNING)
@pytest.mark.parametrize("constructed", [False, True], ids=["new-alone", "constructed"])
def test_assign_writes_the_container_a_buffer_callback_put_in_place(letter, kind, constructed):
    C, shape = cls(letter, kind), SHAPES[kind]
    target = C(*shape) if constructed else C.__new__(C)

    def initialise():
        try:
            C.__init__(target, *shape)
        except TypeError:
            pass  # a second __init__ may be refused; then the first container stays in place

    values = np.arange(1, 5).astype(DTYPES[letter]).reshape(shape)
    source = values.view(CallbackArray)
    source.callback = initialise
    kn.assign(target, source)
    np.testing.assert_array_equal(flat(target, letter), values.ravel(order="F"))


@pytest.mark.parametrize("raised", [KeyboardInterrupt, ValueError])
def test_exception_of_a_buffer_callback_goes_through_unchanged(raised):
    target = make("d", "vec")
    source = np.zeros(4).view(CallbackArray)
    source.callback = lambda: (_ for _ in ()).throw(raised("from the callback"))
    for call in (
        lambda: kn.assign(target, source),
        lambda: kn.from_array(source),
        lambda: kn.from_array(source, kaldra.vecd),
    ):
        with pytest.raises(raised, match="^from the callback$"):
            call()
    np.testing.assert_array_equal(flat(target, "d"), [1.0, 2.0, 3.0, 4.0])


def test_assign_refuses_a_container_whose_class_a_callback_rebound():
    target = make("d", "vec")
    source = np.zeros(4).view(CallbackArray)

    def rebind():
        try:
            target.__class__ = kaldra.vecs
        except TypeError:
            pass  # rebinding may be refused outright

    source.callback = rebind
    try:
        kn.assign(target, source)
    except TypeError as error:
        assert str(error) == "In assign, the container's class changed during the call (it is now vecs)"
    else:
        assert type(target) is kaldra.vecd and (flat(target, "d") == 0).all()


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("shape", [(0, 2**64 - 1), (2**62, 0), (0, 2**63), (2**63 - 1, 0)])
def test_matrix_no_numpy_array_can_hold_is_refused_by_its_shape(letter, shape):
    a = cls(letter, "mat")(*shape)
    with pytest.raises(
        ValueError,
        match=rf"^In asarray, a mat{letter} of shape \({shape[0]}, {shape[1]}\) is too "
        r"large for a NumPy array, whose extents and byte count .* stop at "
        "9223372036854775807$",
    ):
        kn.asarray(a)
    with pytest.raises(
        ValueError,
        match=rf"^In assign, the array has shape \(0, 0\) but mat{letter} of shape "
        rf"\({shape[0]}, {shape[1]}\) needs",
    ):
        kn.assign(a, np.zeros((0, 0), dtype=DTYPES[letter]))


@pytest.mark.parametrize("letter", LETTERS)
def test_largest_empty_matrices_give_empty_arrays_of_their_shape(letter):
    largest = (2**63 - 1) // np.dtype(DTYPES[letter]).itemsize
    for shape in [(largest, 0), (0, largest)]:
        a = kn.asarray(cls(letter, "mat")(*shape))
        assert a.shape == shape and a.size == 0 and a.dtype == DTYPES[letter]
    for shape in [(largest + 1, 0), (0, largest + 1)]:
        with pytest.raises(ValueError, match="too large for a NumPy array"):
            kn.asarray(cls(letter, "mat")(*shape))


def run_python(code):
    result = subprocess.run(
        [sys.executable, "-W", "error", "-c", textwrap.dedent(code)], capture_output=True, text=True, timeout=120
    )
    assert result.returncode == 0, result.stderr
    return result.stdout.splitlines()


def test_import_in_a_subinterpreter_is_refused_before_and_after_the_main_one():
    lines = run_python("""
        import _xxsubinterpreters as interpreters

        def import_in_subinterpreter(isolated):
            interpreter = interpreters.create(isolated=isolated)
            try:
                interpreters.run_string(interpreter, "import kaldra_numpy")
                return "imported"
            except interpreters.RunFailedError as error:
                return str(error)
            finally:
                interpreters.destroy(interpreter)

        print(import_in_subinterpreter(False))
        print(import_in_subinterpreter(True))
        import kaldra, kaldra_numpy
        print(import_in_subinterpreter(False))
        x = kaldra.vecd(2)
        kaldra_numpy.assign(x, kaldra_numpy.asarray(kaldra.vecd(2)) + 3.0)
        print(kaldra_numpy.asarray(x).tolist())
        """)
    refused = (
        "<class 'ImportError'>: kaldra_numpy can only be imported in the main interpreter, not in a subinterpreter"
    )
    assert lines == [refused, refused, refused, "[3.0, 3.0]"]


def test_repeated_imports_reuse_the_one_module():
    run_python("""
        import importlib, sys
        import numpy as np
        import kaldra
        import kaldra_numpy as first
        for _ in range(3):
            del sys.modules["kaldra_numpy"]
            import kaldra_numpy as again
            assert again is first and again.asarray is first.asarray
        assert importlib.reload(again) is first
        x = kaldra.vecd(2)
        again.assign(x, np.array([1.0, 2.0]))
        assert type(again.from_array(again.asarray(x), kaldra.vecd)) is kaldra.vecd
        """)


def test_import_that_failed_can_be_tried_again():
    run_python("""
        import sys
        sys.modules["numpy"] = None
        try:
            import kaldra_numpy
        except ImportError:
            pass
        else:
            raise AssertionError("imported without NumPy")
        del sys.modules["numpy"]
        import kaldra, kaldra_numpy
        assert kaldra_numpy.asarray(kaldra.matz(2, 3)).shape == (2, 3)
        """)
