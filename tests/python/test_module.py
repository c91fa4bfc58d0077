"""The module as imported: its contents, the version guard, and every function's overload list, held
against the functions' facts (src/kaldra_pybind/functions.toml) that the stubs, the other tests, the
benchmarks and the fuzzer read."""

import itertools
import json
import pathlib
import re
import shutil
import subprocess
import sys

import pytest

import kaldra
from conftest import FUNCTIONS, KINDS, LETTERS, REAL, layout, letters_of

CLASS_NAMES = [kind + letter for letter in LETTERS for kind in KINDS]
# In the order the module creates them, which is the order of the facts file.
FUNCTION_NAMES = list(FUNCTIONS)
STANDARD_ATTRIBUTES = {"__name__", "__doc__", "__package__", "__loader__", "__spec__", "__file__"}


def test_module_holds_exactly_the_classes_the_functions_and_the_index_error():
    names = [name for name in vars(kaldra) if name not in STANDARD_ATTRIBUTES]
    assert names == CLASS_NAMES + FUNCTION_NAMES + ["OutOfRangeError"]
    assert kaldra.__doc__ is None


@pytest.mark.parametrize("name", CLASS_NAMES)
def test_classes_are_plain_module_classes(name):
    klass = getattr(kaldra, name)
    assert klass.__name__ == name
    assert klass.__module__ == "kaldra"
    assert klass.__doc__ is None
    assert len(klass.__mro__) == 3 and klass.__mro__[-1] is object


@pytest.mark.parametrize("name", FUNCTION_NAMES)
def test_functions_are_plain_module_functions(name):
    function = getattr(kaldra, name)
    assert type(function).__name__ == "builtin_function_or_method"
    assert function.__name__ == name


# --- version guard, under other interpreters --------------------------------------------------------

OTHER_INTERPRETERS = {
    "3.11": pathlib.Path("/root/.pyenv/versions/3.11.7/bin/python"),
    "3.13": pathlib.Path("/root/.pyenv/versions/3.13.0/bin/python"),
}

IMPORT_PROBE = """
import json, sys
sys.path.insert(0, sys.argv[1])
try:
    import kaldra
    outcome = {"imported": kaldra.__file__}
except ImportError as error:
    outcome = {"error": str(error)}
outcome["version"] = sys.version
print(json.dumps(outcome))
"""


@pytest.fixture
def plain_module(tmp_path):
    """A copy of the built module under the suffix every interpreter loads."""
    target = tmp_path / "kaldra.so"
    target.write_bytes(pathlib.Path(kaldra.__file__).read_bytes())
    # A wheel's module finds its BLAS in kaldra.libs beside it.
    libs = pathlib.Path(kaldra.__file__).parent / "kaldra.libs"
    if libs.is_dir():
        shutil.copytree(libs, tmp_path / "kaldra.libs")
    return tmp_path


def import_with(interpreter, directory):
    result = subprocess.run(
        [str(interpreter), "-c", IMPORT_PROBE, str(directory)], capture_output=True, text=True, timeout=120
    )
    assert result.returncode == 0, result.stderr
    return json.loads(result.stdout)


@pytest.mark.parametrize("version", sorted(OTHER_INTERPRETERS))
def test_other_interpreter_refuses_with_both_versions(version, plain_module):
    interpreter = OTHER_INTERPRETERS[version]
    if not interpreter.exists():
        pytest.skip(f"no Python {version} interpreter at {interpreter}")
    outcome = import_with(interpreter, plain_module)
    assert outcome["version"].startswith(version + ".")
    assert outcome.get("error") == (
        "Python version mismatch: module was compiled for Python 3.12, but the interpreter version is "
        f"incompatible: {outcome['version']}."
    )


def test_plain_copy_imports_under_this_interpreter(plain_module):
    outcome = import_with(sys.executable, plain_module)
    assert outcome == {"imported": str(plain_module / "kaldra.so"), "version": sys.version}


# --- overload lists ---------------------------------------------------------------------------------


def class_name(letter, kind):
    return f"kaldra.{kind}{letter}"


def expected_overloads(function):
    """(argument types, result type) of each overload of `function` as its facts give them, in list
    order: element type first, then the kind of each container argument in turn, each in the order vec,
    view, mat."""
    facts = FUNCTIONS[function]
    scalars, admitted = layout(function)
    containers = list(facts["containers"])
    overloads = []
    for letter in letters_of(function):
        number = "float" if letter in REAL else "complex"
        for kinds in itertools.product(*admitted):
            classes = tuple(class_name(letter, kind) for kind in kinds)
            returns = facts["returns"]
            if returns in containers:
                result = classes[containers.index(returns)]
            else:
                result = {"number": number, "float": "float", "None": "None"}[returns]
            overloads.append(((number,) * scalars + classes, result))
    return overloads


# How many overloads each function has, stated apart from the facts' kinds and element types that the
# expected lists are made of.
OVERLOAD_COUNTS = {
    "scale": 12, "sum": 36, "dot": 36, "copy": 36, "swap": 36, "axpy": 36,
    "hdot": 18, "ls": 12, "matvec": 108, "gemv": 108, "gemm": 4, "matmul": 4,
}  # fmt: skip


def parse_arguments(text):
    arguments = [part.split(": ", 1) for part in re.split(r", (?=arg\d+: )", text)]
    assert [name for name, _ in arguments] == [f"arg{k}" for k in range(len(arguments))]
    return tuple(kind for _, kind in arguments)


def docstring_listing(function):
    """(number, argument types, result type, docstring) of each overload in the function's docstring."""
    doc = getattr(kaldra, function).__doc__
    header, body = doc.split("\n", 1)
    assert header == f"{function}(*args, **kwargs)"
    entries = re.findall(rf"^(\d+)\. {function}\((.*)\) -> (.*)\n\n(.*)$", body, re.MULTILINE)
    return [(int(number), parse_arguments(args), result, text) for number, args, result, text in entries]


def mismatch_listing(function):
    """(number, argument types, result type) of each overload in the function's TypeError text."""
    with pytest.raises(TypeError) as error:
        getattr(kaldra, function)()
    message = str(error.value)
    assert message.startswith(f"{function}(): incompatible function arguments.")
    entries = re.findall(r"^    (\d+)\. \((.*)\) -> (.*)$", message, re.MULTILINE)
    return [(int(number), parse_arguments(args), result) for number, args, result in entries]


@pytest.mark.parametrize("function", FUNCTION_NAMES)
def test_docstring_lists_every_overload_in_order(function):
    expected = expected_overloads(function)
    assert len(expected) == OVERLOAD_COUNTS[function]
    listing = docstring_listing(function)
    assert [number for number, *_ in listing] == list(range(1, len(expected) + 1))
    assert [(args, result) for _, args, result, _ in listing] == expected
    assert {text for *_, text in listing} == {FUNCTIONS[function]["doc"]}


@pytest.mark.parametrize("function", FUNCTION_NAMES)
def test_mismatch_message_lists_every_overload_in_order(function):
    listing = mismatch_listing(function)
    assert [number for number, *_ in listing] == list(range(1, OVERLOAD_COUNTS[function] + 1))
    assert [(args, result) for _, args, result in listing] == expected_overloads(function)


@pytest.mark.parametrize(
    "function, position, arguments, result",
    [
        ("scale", 0, ("float", "kaldra.vecs"), "kaldra.vecs"),
        ("scale", 3, ("float", "kaldra.vecd"), "kaldra.vecd"),
        ("gemv", 0, ("float", "float", "kaldra.vecs", "kaldra.vecs", "kaldra.vecs"), "kaldra.vecs"),
        ("gemv", 107, ("complex", "complex", "kaldra.matz", "kaldra.matz", "kaldra.matz"), "kaldra.matz"),
        # matvec 27t + 9x + 3y + z with t = d, x = view, y = mat, z = vec
        ("matvec", 27 + 9 + 6, ("kaldra.viewd", "kaldra.matd", "kaldra.vecd"), "kaldra.vecd"),
        # hdot 9(t - 2) + 3x + y with t = z, x = mat, y = view
        ("hdot", 9 + 6 + 1, ("kaldra.matz", "kaldra.viewz"), "complex"),
        # ls 3t + y with t = c, y = view
        ("ls", 6 + 1, ("kaldra.matc", "kaldra.viewc"), "None"),
        # axpy 9t + 3x + y with t = s, x = mat, y = vec
        ("axpy", 6, ("float", "kaldra.mats", "kaldra.vecs"), "kaldra.vecs"),
        ("dot", 35, ("kaldra.matz", "kaldra.matz"), "complex"),
        ("gemm", 2, ("complex", "complex", "kaldra.matc", "kaldra.matc", "kaldra.matc"), "kaldra.matc"),
    ],
)
def test_overload_at_position(function, position, arguments, result):
    assert docstring_listing(function)[position][1:3] == (arguments, result)


# --- class methods ----------------------------------------------------------------------------------

VECTOR_METHODS = ["numel", "dim", "__getitem__", "__setitem__", "__repr__"]
MATRIX_METHODS = ["dim", "numel", "__getitem__", "__setitem__", "__repr__"]


def method_signatures(klass, name):
    """(arguments, result) of each overload of a method, from its docstring."""
    doc = getattr(klass, name).__doc__
    entries = re.findall(rf"^(?:\d+\. )?{name}\(self: (kaldra\.\w+)(.*)\) -> (.*)$", doc, re.MULTILINE)
    signatures = []
    for self_class, rest, result in entries:
        assert self_class == f"kaldra.{klass.__name__}"
        arguments = parse_arguments(rest[2:]) if rest else ()
        signatures.append((arguments, result))
    return signatures


@pytest.mark.parametrize("letter", LETTERS)
@pytest.mark.parametrize("kind", KINDS)
def test_methods_in_registration_order_with_their_signatures(letter, kind):
    klass = getattr(kaldra, kind + letter)
    number = "float" if letter in REAL else "complex"
    own = [
        name for name in vars(klass) if not name.startswith("_") or name in ("__getitem__", "__setitem__", "__repr__")
    ]
    if kind == "mat":
        assert own == MATRIX_METHODS
        index = "Tuple[int, int]"
        assert method_signatures(klass, "__init__") == [(("int", "int"), "None")]
        assert method_signatures(klass, "__getitem__") == [((index,), number)]
    else:
        assert own == VECTOR_METHODS
        index = "int"
        assert method_signatures(klass, "__getitem__") == [
            (("int",), number),
            (("slice",), f"kaldra.view{letter}"),
        ]
        if kind == "vec":
            assert method_signatures(klass, "__init__") == [(("int",), "None")]
    assert method_signatures(klass, "numel") == [((), "int")]
    assert method_signatures(klass, "dim") == [(("int",), "int")]
    assert method_signatures(klass, "__setitem__") == [((index, number), "None")]
    assert method_signatures(klass, "__repr__") == [((), "str")]
    assert "__str__" not in vars(klass)
    for absent in ("__len__", "__iter__", "__eq__", "__add__", "__copy__", "__reduce__", "__buffer__"):
        assert absent not in vars(klass)


@pytest.mark.parametrize("letter", LETTERS)
def test_view_classes_have_no_constructor(letter):
    with pytest.raises(TypeError, match=f"kaldra.view{letter}: No constructor defined!"):
        getattr(kaldra, "view" + letter)()
