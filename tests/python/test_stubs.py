"""The type stubs: current with the built modules, installed with their marker, and usable by a type checker."""

import ast
import pathlib
import re
import subprocess
import sys

import pytest

import kaldra
import kaldra_numpy

ROOT = pathlib.Path(__file__).resolve().parents[2]
STUBS = ROOT / "src" / "stubs"
MODULES = {"kaldra": kaldra, "kaldra_numpy": kaldra_numpy}


def test_checked_in_stubs_match_the_built_modules():
    result = subprocess.run(
        [sys.executable, str(ROOT / "scripts" / "generate-stubs"), "--check"],
        capture_output=True,
        text=True,
        timeout=300,
    )
    assert result.returncode == 0, "stale stubs:\n" + result.stdout + result.stderr


@pytest.mark.parametrize("name", MODULES)
def test_stubs_and_marker_are_installed_beside_the_modules(name):
    site = pathlib.Path(MODULES[name].__file__).parent
    checked_in = (STUBS / f"{name}.pyi").read_text()
    assert (site / f"{name}.pyi").read_text() == checked_in
    assert (site / f"{name}-stubs" / "__init__.pyi").read_text() == checked_in
    assert (site / "py.typed").is_file()


def stub_overloads(name):
    """Each function of the stub with the argument annotations of its declarations, in file order."""
    tree = ast.parse((STUBS / f"{name}.pyi").read_text())
    functions = {}
    for node in tree.body:
        if isinstance(node, ast.FunctionDef):
            decorators = [ast.unparse(d) for d in node.decorator_list]
            overloaded = "typing.overload" in decorators
            signature = tuple(ast.unparse(a.annotation) for a in node.args.posonlyargs + node.args.args)
            functions.setdefault(node.name, []).append((overloaded, signature))
    return functions


def module_overloads(function):
    """The argument types of each overload (without defaults), in the order the binding lists them in the docstring."""
    signatures = re.findall(rf"^(?:\d+\. )?{function.__name__}\((.*)\) ->", function.__doc__, re.MULTILINE)
    return [
        tuple(re.sub(r"^\w+: | = .*$", "", arg).replace("kaldra.", "") for arg in re.split(r", (?=\w+: )", s))
        for s in signatures
    ]


@pytest.mark.parametrize("name", MODULES)
def test_every_function_with_its_overloads_in_registration_order(name):
    functions = stub_overloads(name)
    public = {
        n
        for n in dir(MODULES[name])
        if callable(getattr(MODULES[name], n))
        and not n.startswith("_")
        and not isinstance(getattr(MODULES[name], n), type)
    }
    assert set(functions) == public
    for function_name, declarations in functions.items():
        expected = module_overloads(getattr(MODULES[name], function_name))
        signatures = [tuple(a.replace("kaldra.", "") for a in s) for _, s in declarations]
        # Subscripted array types print with a different spacing in the docstring; compare without it.
        assert [tuple(a.replace(" ", "") for a in s) for s in signatures] == [
            tuple(a.replace(" ", "") for a in s) for s in expected
        ], function_name
        assert all(overloaded for overloaded, _ in declarations) == (len(declarations) > 1), function_name


@pytest.mark.parametrize("name", MODULES)
def test_every_class_is_declared(name):
    tree = ast.parse((STUBS / f"{name}.pyi").read_text())
    declared = {node.name for node in tree.body if isinstance(node, ast.ClassDef)}
    assert declared == {n for n in dir(MODULES[name]) if isinstance(getattr(MODULES[name], n), type)}


def stub_declarations(name):
    """(name, node) for the module, each class and each declaration of a function or method in the stub."""
    tree = ast.parse((STUBS / f"{name}.pyi").read_text())
    yield name, tree
    for node in tree.body:
        if isinstance(node, ast.ClassDef | ast.FunctionDef):
            yield node.name, node
        if isinstance(node, ast.ClassDef):
            yield from ((f"{node.name}.{item.name}", item) for item in node.body if isinstance(item, ast.FunctionDef))


@pytest.mark.parametrize("name", MODULES)
def test_every_name_in_the_stubs_has_a_docstring(name):
    assert {where for where, node in stub_declarations(name) if not ast.get_docstring(node)} == set()


@pytest.mark.parametrize(
    ("where", "parameters"),
    [
        ("gemv", ["a", "b", "A", "x", "y"]),
        ("gemm", ["a", "b", "A", "X", "Y"]),
        ("matvec", ["A", "x", "y"]),
        ("scale", ["s", "x"]),
        ("ls", ["A", "x"]),
        ("hdot", ["x", "y"]),
        ("vecd.__init__", ["self", "size"]),
        ("matz.__init__", ["self", "numRows", "numCols"]),
        ("views.dim", ["self", "idx"]),
        ("matc.__setitem__", ["self", "idx", "value"]),
    ],
)
def test_kaldra_parameters_are_named_as_the_operations_name_them_and_positional_only(where, parameters):
    declarations = [node for name, node in stub_declarations("kaldra") if name == where]
    assert declarations
    for node in declarations:
        assert [a.arg for a in node.args.posonlyargs] == parameters
        assert node.args.args == [] and node.args.kwonlyargs == []


def two_elements(cls):
    """An instance of a kaldra class with two elements, made as its kind is made."""
    if cls.__name__.startswith("mat"):
        return cls(2, 1)
    if cls.__name__.startswith("view"):
        return getattr(kaldra, "vec" + cls.__name__[-1])(3)[1:3]
    return cls(2)


def test_iteration_is_declared_where_it_works_without_a_method():
    # The classes iterate through __getitem__ alone; the stubs declare the __iter__ a type checker needs.
    tree = ast.parse((STUBS / "kaldra.pyi").read_text())
    declared = {
        node.name
        for node in tree.body
        if isinstance(node, ast.ClassDef) and any(getattr(item, "name", "") == "__iter__" for item in node.body)
    }
    iterable = set()
    for name in dir(kaldra):
        cls = getattr(kaldra, name)
        if isinstance(cls, type) and not issubclass(cls, Exception):
            assert not hasattr(cls, "__iter__"), name
            container = two_elements(cls)
            container[(0, 0) if name.startswith("mat") else 0] = 2
            try:
                values = list(container)
            except TypeError:
                continue
            assert values == [2, 0], name
            iterable.add(name)
    assert declared == iterable == {f"{kind}{letter}" for kind in ("vec", "view") for letter in "sdcz"}


def test_a_slice_is_named_for_what_it_is():
    declarations = [node for name, node in stub_declarations("kaldra") if name == "viewz.__getitem__"]
    assert [[a.arg for a in node.args.posonlyargs] for node in declarations] == [["self", "idx"], ["self", "slice"]]


@pytest.fixture(scope="module")
def mypy(tmp_path_factory):
    """Runs mypy --strict on a file against the installed stubs; returns (exit code, output)."""
    cache = tmp_path_factory.mktemp("mypy-cache")

    def run(path):
        result = subprocess.run(
            [sys.executable, "-m", "mypy", "--strict", "--no-error-summary", "--cache-dir", str(cache), str(path)],
            capture_output=True,
            text=True,
            timeout=600,
            cwd=path.parent,
        )
        return result.returncode, result.stdout + result.stderr

    return run


def test_typed_usage_passes_mypy(mypy):
    status, output = mypy(pathlib.Path(__file__).with_name("typed_usage.py"))
    assert status == 0, output


MISUSES = [
    ("kaldra.sum(kaldra.vecs(2), kaldra.vecd(2))", 'No overload variant of "sum"'),
    ("kaldra.hdot(kaldra.vecd(2), kaldra.vecd(2))", 'No overload variant of "hdot"'),
    ("kaldra.gemm(1.0, 0.0, kaldra.vecs(2), kaldra.mats(2, 2), kaldra.mats(2, 2))", 'No overload variant of "gemm"'),
    ("kaldra.scale(1j, kaldra.vecs(2))", 'No overload variant of "scale"'),
    ("kaldra.vecd(2)[0] = 1j", "Incompatible types in assignment"),
    ("v: kaldra.vecd = kaldra.vecd(4)[1:2]", 'expression has type "viewd"'),
    ("n: int = kaldra.dot(kaldra.vecd(1), kaldra.vecd(1))", 'expression has type "float"'),
    ("kaldra_numpy.asarray([1.0])", 'No overload variant of "asarray"'),
    ("kaldra.dot(x=kaldra.vecd(1), y=kaldra.vecd(1))", 'No overload variant of "dot"'),
    ("kaldra.scale(2.0, x=kaldra.vecd(1))", 'No overload variant of "scale"'),
    ("kaldra.vecd(2).dim(idx=0)", 'Unexpected keyword argument "idx"'),
    ("kaldra.vecd(size=2)", 'Unexpected keyword argument "size"'),
    ("kaldra.matd(2, numCols=2)", 'Unexpected keyword argument "numCols"'),
    ("kaldra_numpy.assign(kaldra.matd(2, 2), kaldra_numpy.asarray(kaldra.vecd(4)))", 'Argument 2 to "assign"'),
    ("kaldra_numpy.from_array(kaldra_numpy.asarray(kaldra.vecs(2)), kaldra.vecd)", "has incompatible type"),
    ("kaldra_numpy.from_array(kaldra_numpy.asarray(kaldra.vecd(2)), kaldra.matd)", "has incompatible type"),
    ("kaldra_numpy.from_array(kaldra_numpy.asarray(kaldra.vecd(2)), kaldra.viewd)", '"type[viewd]"'),
    ("kaldra_numpy.asarray(a=kaldra.vecd(2))", 'Unexpected keyword argument "a"'),
    (
        "kaldra_numpy.gemm_batch(1.0, 0.0, numpy.ones((2, 2, 2), numpy.float32), numpy.ones((2, 2)), numpy.ones((2, 2, 2)))",
        '"gemm_batch" has incompatible type "ndarray[tuple[int, int, int], dtype[float64]]"',
    ),
    ("kaldra_numpy.gemv_batch(1j, 0.0, numpy.ones((2, 2)), numpy.ones((2, 2)), numpy.ones((2, 2)))", '"gemv_batch"'),
    ("list(kaldra.matd(2, 2))", 'No overload variant of "list"'),
]


def test_misuse_is_reported_by_mypy(mypy, tmp_path):
    path = tmp_path / "misuse.py"
    path.write_text(
        "import kaldra\nimport kaldra_numpy\nimport numpy\n" + "\n".join(code for code, _ in MISUSES) + "\n"
    )
    status, output = mypy(path)
    assert status == 1
    errors = {}
    for line in output.splitlines():
        match = re.match(r"misuse\.py:(\d+): error: (.*)", line)
        if match:
            errors[int(match[1])] = match[2]
    for number, (code, message) in enumerate(MISUSES, start=4):
        assert message in errors.get(number, ""), f"{code}: {errors.get(number)}"
