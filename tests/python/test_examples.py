"""The example scripts of examples/ run to the end, with warnings as errors."""

import pathlib
import subprocess
import sys

import pytest

EXAMPLES = sorted((pathlib.Path(__file__).resolve().parents[2] / "examples").glob("*.py"))


def test_examples_are_found():
    assert {p.name for p in EXAMPLES} >= {"least_squares_fit.py", "product_chain.py", "numpy_round_trip.py"}


@pytest.mark.parametrize("script", EXAMPLES, ids=lambda p: p.name)
def test_example_runs(script, tmp_path):
    result = subprocess.run(
        [sys.executable, "-W", "error", str(script)], capture_output=True, text=True, timeout=300, cwd=tmp_path
    )
    assert result.returncode == 0, result.stdout + result.stderr
    assert result.stdout.strip()
