"""The example scripts of examples/ run to the end, with warnings as errors. The Dask example starts a cluster
and takes its sizes from the command line: test_dask.py runs it at a small size."""

import pathlib
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
