"""The example scripts of examples/ run to the end, with warnings as errors, and each says in its docstring
what it needs besides kaldra. The Dask example starts a cluster and takes its sizes from the command line:
test_dask.py runs it at a small size."""

import ast
import pathlib
import re
import subprocess
import sys

import pytest

EXAMPLES = sorted((pathlib.Path(__file__).resolve().parents[2] / "examples").glob("*.py"))
RUN_ELSEWHERE = {"dask_least_squares.py"}


def test_examples_are_found():
    assert {p.name for p in EXAMPLES} >= {"least_squares_fit.py", "product_chain.py", "numpy_round_trip.py"}


@pytest.mark.parametrize("script", [p for p in EXAMPLES if p.name not in RUN_ELSEWHERE], ids=lambda p: p.name)
def test_example_runs(script, tmp_path):
    result = subprocess.run(
        [sys.executable, "-W", "error", str(script)], capture_output=True, text=True, timeout=300, cwd=tmp_path
    )
    assert result.returncode == 0, result.stdout + result.stderr
    assert result.stdout.strip()


@pytest.mark.parametrize("script", EXAMPLES, ids=lambda p: p.name)
def test_example_names_what_it_needs_besides_kaldra(script):
    tree = ast.parse(script.read_text())
    imported = {
        alias.name.split(".")[0] for node in ast.walk(tree) if isinstance(node, ast.Import) for alias in node.names
    }
    imported |= {
        node.module.split(".")[0] for node in ast.walk(tree) if isinstance(node, ast.ImportFrom) and node.module
    }
    needed = imported - set(sys.stdlib_module_names) - {"kaldra", "kaldra_numpy"}
    if "kaldra_numpy" in imported:
        needed.add("numpy")
    needs = re.search(r"^Needs (.*)$", ast.get_docstring(tree) or "", re.MULTILINE)
    assert needs, 'the docstring has no line "Needs ..."'
    assert {name for name in needed if name not in needs[1].lower()} == set(), needs[1]
