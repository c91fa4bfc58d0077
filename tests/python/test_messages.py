"""The argument-mismatch TypeError: the library's listing and arguments, bounded, and the line that names
the mistake."""

import os
import re
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import kaldra


class Sub(kaldra.vecd):
    pass


class Liar:
    """An object that claims, through __class__, to be a kaldra vector."""

    @property
    def __class__(self):
        return kaldra.vecd


class Index:
    """An index whose value is known only by running its conversion."""

    def __index__(self):
        return -1


v, s, z = kaldra.vecd(3), kaldra.vecs(3), kaldra.vecz(3)
A = kaldra.matd(2, 3)

# (what, call, the message's last line)
DIAGNOSES = [
    (
        "mixed element types",
        lambda: kaldra.dot(v, s),
        "containers of different element types: kaldra.vecd, kaldra.vecs; "
        "all containers of one call must have the same one",
    ),
    (
        "mixed, with a subclass",
        lambda: kaldra.sum(Sub(3), s),
        "containers of different element types: test_messages.Sub (a kaldra.vecd), kaldra.vecs; "
        "all containers of one call must have the same one",
    ),
    (
        "NumPy array for a container",
        lambda: kaldra.gemv(1.0, 0.0, np.zeros((2, 2)), v, v),
        "argument 3 of gemv() is a numpy.ndarray, not a kaldra container: "
        "kaldra_numpy.from_array makes a container of it",
    ),
    ("list for a container", lambda: kaldra.dot(v, [1.0]), "argument 2 of dot() is a list, not a kaldra container"),
    ("None for a container", lambda: kaldra.dot(v, None), "argument 2 of dot() is None, not a kaldra container"),
    (
        "a lying __class__",
        lambda: kaldra.dot(v, Liar()),
        "argument 2 of dot() is a test_messages.Liar, not a kaldra container",
    ),
    ("keywords", lambda: kaldra.dot(x=v, y=v), "kaldra takes positional arguments only; keywords given: x, y"),
    ("keyword of a method", lambda: v.dim(idx=0), "kaldra takes positional arguments only; keywords given: idx"),
    ("int for a container", lambda: kaldra.dot(v, 5), "argument 2 of dot() is an int, not a kaldra container"),
    ("argument count", lambda: kaldra.dot(v, v, v), "dot() takes 2 arguments, 3 given"),
    ("argument count of a method", lambda: v.numel(1), "numel() takes 0 arguments, 1 given"),
    ("argument count of a constructor", lambda: kaldra.matd(2), "matd() takes 2 arguments, 1 given"),
    (
        "negative index",
        lambda: v[-1],
        "the index is negative: indices count from 0, and the last element of x is x[x.numel() - 1]",
    ),
    ("negative size", lambda: kaldra.vecd(-1), "the size is negative: sizes and indices count from 0"),
    ("negative matrix index", lambda: A[0, -1], "the column index is negative: sizes and indices count from 0"),
    ("negative dimension", lambda: v.dim(-1), "the dimension is negative: sizes and indices count from 0"),
    ("float index", lambda: v[1.0], "the index must be an int or a slice, not float"),
    ("float size", lambda: kaldra.matd(2, 1.5), "the column count must be an int, not float"),
    ("float matrix index", lambda: A[1.5, 0], "the row index must be an int, not float"),
    ("index too large", lambda: v[2**70], "the index is too large for a size or an index"),
    ("one matrix index", lambda: A[1], "the index must be a pair (row, column) of ints, as in A[i, j], not int"),
    (
        "three matrix indices",
        lambda: A[0, 1, 2],
        "the index must be a pair (row, column) of ints, as in A[i, j], not 3 items",
    ),
    (
        "complex for a real container",
        lambda: kaldra.scale(1j, v),
        "argument 1 of scale() is a complex number, and kaldra.vecd holds real numbers",
    ),
    (
        "NumPy complex for a real container",
        lambda: kaldra.axpy(np.complex64(1j), v, v),
        "argument 1 of axpy() is a complex number, and kaldra.vecd holds real numbers",
    ),
    (
        "NumPy complex array for a real scalar",
        lambda: kaldra.scale(np.array(1j), v),
        "argument 1 of scale() is a complex number, and kaldra.vecd holds real numbers",
    ),
    (
        "complex element for a real container",
        lambda: v.__setitem__(0, 1j),
        "the value is a complex number, and kaldra.vecd holds real numbers",
    ),
    ("str for a real scalar", lambda: kaldra.scale("2", v), "argument 1 of scale() must be a real number, not str"),
    ("str for a complex scalar", lambda: kaldra.scale("2", z), "argument 1 of scale() must be a number, not str"),
    ("int too large for a float", lambda: kaldra.scale(10**400, v), "argument 1 of scale() is too large to be a float"),
    (
        "no overload for the element type",
        lambda: kaldra.hdot(v, v),
        "hdot() has no overload for kaldra.vecd: it takes containers whose class name ends in c or z",
    ),
    ("matrix-only position", lambda: kaldra.ls(v, v), "argument 1 of ls() must be a kaldra.matd, not a kaldra.vecd"),
    (
        "slice assignment",
        lambda: v.__setitem__(slice(0, 2), 1.0),
        "elements are assigned one at a time: the index must be an int, not a slice",
    ),
    ("method of another class", lambda: kaldra.vecd.numel(s), "numel() of kaldra.vecd was called on a kaldra.vecs"),
]


@pytest.mark.parametrize("what, call, line", DIAGNOSES, ids=[row[0] for row in DIAGNOSES])
def test_a_mismatch_ends_with_the_line_that_names_it(what, call, line):
    with pytest.raises(TypeError) as error:
        call()
    listing, last = str(error.value).rsplit("\n", 1)
    assert last == line
    assert "(): incompatible " in listing.split("\n", 1)[0]
    assert "\n\nInvoked with: " in listing


def test_a_view_class_called_as_a_constructor():
    with pytest.raises(TypeError) as error:
        kaldra.viewz()
    assert str(error.value) == (
        "kaldra.viewz: No constructor defined!\na view has no constructor: slice a vector or a view, as in x[1:3]"
    )


def test_a_mismatch_without_a_diagnosis_is_the_library_message():
    # The index's value is known only by running its conversion, which has run once already.
    index = Index()
    with pytest.raises(TypeError) as error:
        v.dim(index)
    assert str(error.value) == (
        "dim(): incompatible function arguments. The following argument types are supported:\n"
        "    1. (self: kaldra.vecd, arg0: int) -> int\n\n"
        f"Invoked with: {v!r}, {index!r}"
    )


def invoked_with(call):
    """The arguments as the message shows them, without the diagnosis."""
    with pytest.raises(TypeError) as error:
        call()
    return str(error.value).split("\nInvoked with: ", 1)[1].rsplit("\n", 1)[0]


class Recursive(list):
    pass


def nested():
    loop = [1.5]
    loop.append(loop)
    return loop


# Objects rendered in part: each shows as its repr does, cut after 996 characters with " ...".
RENDERED = [
    [0.1] * 10**6,
    tuple(range(10**5)),
    (7,),
    {k: [k] * 3 for k in range(10**4)},
    set(range(10**5)),
    frozenset({"a", 2.5}),
    frozenset(),
    set(),
    Recursive([1, [2, {"x": (3,)}]]),
    nested(),
    [[[["deep"]]]] * 500,
    "é" * 10**6,
    "a'b" * 10,
    b"\x00\xff" * 10**6,
    bytearray(b"xy") * 10**6,
    np.zeros((2, 2)),
    np.array(1j),
]


@pytest.mark.parametrize("obj", RENDERED, ids=lambda o: type(o).__name__)
def test_arguments_render_as_their_repr_as_far_as_shown(obj):
    text = repr(obj)
    expected = text if len(text) <= 1000 else text[:996] + " ..."
    assert invoked_with(lambda: kaldra.dot(v, obj)) == f"{v!r}, {expected}"


def test_large_numpy_arrays_show_their_shape_and_dtype():
    for array, shown in [
        (np.zeros(10**6), "<numpy.ndarray of shape (1000000,) and dtype float64>"),
        (np.zeros((2,) * 12, dtype=np.complex64), f"<numpy.ndarray of shape {(2,) * 12} and dtype complex64>"),
        (np.array([[1.0]] * 3, dtype=object), "<numpy.ndarray of shape (3, 1) and dtype object>"),
    ]:
        assert invoked_with(lambda: kaldra.dot(v, array)) == f"{v!r}, {shown}"


def test_at_most_six_arguments_are_shown():
    w = kaldra.vecd(1)
    with pytest.raises(TypeError) as error:
        kaldra.dot(*[w] * 10**5)
    message = str(error.value)
    assert message.endswith(
        "\nInvoked with: " + ", ".join([repr(w)] * 6) + ", ... (99994 more)\ndot() takes 2 arguments, 100000 given"
    )
    keywords = {f"k{i}": i for i in range(10)}
    with pytest.raises(TypeError) as error:
        kaldra.dot(**keywords)
    assert str(error.value).endswith(
        "\nInvoked with: kwargs: k0=0, k1=1, k2=2, k3=3, k4=4, k5=5, ... (4 more)\n"
        "kaldra takes positional arguments only; keywords given: k0, k1, k2, k3, k4, k5 and 4 more"
    )


class Raising:
    def __repr__(self):
        raise ValueError("no")


class Endless:
    def __repr__(self):
        return repr(self)


class Mutating:
    """Empties the list it is shown in, and rebinds a container argument, while it renders."""

    def __init__(self, victims):
        self.victims = victims

    def __repr__(self):
        self.victims.clear()
        return "M"


def test_hostile_reprs_leave_a_message_and_change_nothing():
    assert invoked_with(lambda: kaldra.dot(v, Raising())) == f"{v!r}, <repr raised Error>"
    assert invoked_with(lambda: kaldra.dot(v, [1, Raising()])) == f"{v!r}, <repr raised Error>"
    assert invoked_with(lambda: kaldra.dot(v, Endless())) == f"{v!r}, <repr raised Error>"
    victims = [0.5] * 3
    victims.append(Mutating(victims))
    victims.extend([2.5] * 3)
    assert invoked_with(lambda: kaldra.dot(v, victims)) == f"{v!r}, [0.5, 0.5, 0.5, M]"
    assert victims == []
    table = {1: 1}
    table[2] = Mutating(table)
    assert invoked_with(lambda: kaldra.dot(v, table)) in (f"{v!r}, {{1: 1, 2: M}}", f"{v!r}, {{1: 1, 2: M, ...}}")


class Interrupting:
    def __init__(self, error):
        self.error = error

    def __repr__(self):
        raise self.error


@pytest.mark.parametrize("error", [KeyboardInterrupt(), SystemExit(3), GeneratorExit()], ids=lambda e: type(e).__name__)
@pytest.mark.parametrize(
    "call",
    [
        lambda bad: kaldra.dot(v, bad),
        lambda bad: kaldra.dot(v, [1.5, {"k": bad}]),
        lambda bad: kaldra.dot(v, w=bad),
        lambda bad: v.dim(bad),
    ],
    ids=["argument", "nested", "keyword", "method"],
)
def test_what_a_repr_raises_beyond_exception_goes_through_unchanged(error, call):
    with pytest.raises(type(error)) as raised:
        call(Interrupting(error))
    assert raised.value is error


class Nul:
    def __repr__(self):
        return "before\x00after"


class Surrogate:
    def __repr__(self):
        return "a\udc80b"


def test_nul_characters_and_surrogates_keep_the_rest_of_the_message():
    named = type("C", (), {})
    named.__qualname__ = "C\x00D"
    with pytest.raises(TypeError) as error:
        kaldra.dot(named(), Nul(), Surrogate(), **{"a\x00b": 1})
    listing, invoked, last = str(error.value).rsplit("\n", 2)
    assert invoked.startswith("Invoked with: <test_messages.C\x00D object at 0x")
    assert invoked.endswith(">, before\x00after, a\\udc80b; kwargs: a\x00b=1")
    assert last == "kaldra takes positional arguments only; keywords given: a\x00b"
    with pytest.raises(TypeError) as error:
        kaldra.dot(named(), v)
    assert str(error.value).endswith("\nargument 1 of dot() is a test_messages.C\x00D, not a kaldra container")


def record(fields, depth):
    """A record dtype of `fields` fields, each a record of the same kind, `depth` levels deep."""
    dtype = np.dtype("f8")
    for _ in range(depth):
        dtype = np.dtype([(f"f{i}", dtype) for i in range(fields)])
    return dtype


@pytest.mark.parametrize(
    "array, shown",
    [
        (np.zeros(3, record(4, 3)), "<numpy.ndarray of shape (3,) and dtype of 4 fields, itemsize 512>"),
        (np.zeros((), record(1, 1)), "<numpy.ndarray of shape () and dtype of 1 field, itemsize 8>"),
        (
            np.zeros(2, [("a", record(2, 1), (2, 3)), ("b", "i4")]),
            "<numpy.ndarray of shape (2,) and dtype of 2 fields, itemsize 100>",
        ),
        (np.zeros(20, "V8"), "<numpy.ndarray of shape (20,) and dtype |V8>"),
    ],
    ids=["nested records", "one field", "subarrays of records", "void"],
)
def test_a_structured_dtype_shows_by_its_fields(array, shown):
    assert invoked_with(lambda: kaldra.dot(v, array)) == f"{v!r}, {shown}"


class Small(int):
    pass


@pytest.mark.parametrize(
    "number, shown",
    [
        (10**4299, "1" + "0" * 995 + " ..."),
        (10**4999, "<int of 5000 digits>"),
        (10**5000 - 1, "<int of 5000 digits>"),
        (-(10**5000), "<negative int of 5001 digits>"),
        (1 - (1 << 20000), "<negative int of 6021 digits>"),
        (Small(7 * 10**6000), "<int of 6001 digits>"),
        (1 << 10**7, "<int of 3010300 digits>"),
        (10**20000, "<int of about 20001 digits>"),
    ],
    ids=[
        "within the limit",
        "power of ten",
        "below a power",
        "negative",
        "negative, all ones",
        "subclass",
        "huge",
        "huge power of ten",
    ],
)
def test_an_int_beyond_the_digit_limit_shows_by_its_size(number, shown):
    assert invoked_with(lambda: kaldra.dot(v, number)) == f"{v!r}, {shown}"


def test_an_int_beyond_a_lowered_digit_limit_shows_by_its_size():
    limit = sys.get_int_max_str_digits()
    sys.set_int_max_str_digits(640)
    try:
        assert invoked_with(lambda: kaldra.dot(v, 10**700)) == f"{v!r}, <int of 701 digits>"
    finally:
        sys.set_int_max_str_digits(limit)


# --- hostile arguments that could crash the interpreter, each run in a fresh one ------------------------


def run_python(code):
    return subprocess.run(
        [sys.executable, "-c", textwrap.dedent(code)],
        capture_output=True,
        text=True,
        timeout=300,
        env={**os.environ, "PYTHONMALLOC": "debug"},
    )


# A class-dict key whose hash is that of a name the message looks up: its __eq__, once armed, rebinds
# the argument's class and collects the class being read.
DYING_CLASS = """
    import gc, kaldra
    armed = False
    class Key:
        def __hash__(self):
            return hash({name!r})
        def __eq__(self, other):
            global armed
            if armed:
                armed = False
                a.__class__ = B
                gc.collect()
            return NotImplemented
    class B:
        pass
    a = type("A", (), {{Key(): 0}})()
    armed = True
    try:
        {call}
    except TypeError as error:
        print(str(error).split("Invoked with: ")[1])
    print(armed, type(a).__name__)
"""

# A repr that calls kaldra with its own object, so that each message renders the object again, run in a
# thread of a small stack; the interpreter's own nesting of reprs ends in RecursionError there. The
# message whose repr raised RecursionError shows "<repr raised Error>", as for any Exception.
NESTED_MESSAGES = """
    import threading, kaldra
    class Again:
        def __repr__(self):
            kaldra.sum(self, kaldra.vecd(1))
    class Own:
        def __repr__(self):
            return repr([self])
    outcome = []
    def run():
        for call in (lambda: repr(Own()), lambda: kaldra.sum(Again(), kaldra.vecd(1))):
            try:
                call()
            except BaseException as error:
                outcome.append(type(error).__name__)
    threading.stack_size({kib} * 1024)
    thread = threading.Thread(target=run)
    thread.start()
    thread.join()
    print(outcome)
"""

# The sanitizers' instrumented frames take about twice the stack of a release build's (kaldra's part of a
# nested message grows from 0.9 to 1.6 KiB), so under them each stack is twice as large.
STACK_SCALE = 2 if "libasan" in os.environ.get("LD_PRELOAD", "") else 1

HOSTILE = {
    "class dies while named": (
        DYING_CLASS.format(name="__module__", call="kaldra.sum(a, kaldra.vecd(1))"),
        r"<A object at 0x[0-9a-f]+>, .*\nargument 1 of sum\(\) is an A, not a kaldra container\nTrue A\n",
    ),
    "class dies while asked for __complex__": (
        DYING_CLASS.format(name="__complex__", call="kaldra.scale(a, kaldra.vecd(1))"),
        r"<A object at 0x[0-9a-f]+>, .*\nTrue A\n",
    ),
    "class dies during the conversion": (
        DYING_CLASS.format(name="__complex__", call="kaldra.scale(a, kaldra.vecz(1))"),
        r"<__main__.B object at 0x[0-9a-f]+>, .*\nargument 1 of scale\(\) must be a number, not __main__.B\nFalse B\n",
    ),
    **{
        f"nested messages in a {kib} KiB stack": (
            NESTED_MESSAGES.format(kib=kib * STACK_SCALE),
            r"\['RecursionError', '(TypeError|RecursionError)'\]\n",
        )
        for kib in (256, 512)
    },
}


@pytest.mark.parametrize("code, output", HOSTILE.values(), ids=HOSTILE)
def test_hostile_arguments_leave_the_interpreter_whole(code, output):
    result = run_python(code)
    assert result.returncode == 0, result.stderr
    assert re.fullmatch(output, result.stdout, re.DOTALL), result.stdout
