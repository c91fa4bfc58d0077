"""Random programs over all twelve container classes, run on kaldra and on a NumPy model of it and
compared element by element after every step (the model and its rules are in fuzz/model.py, the
hostile moves in fuzz/hostile.py)."""

import random
import sys
from pathlib import Path

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

sys.path.insert(0, str(Path(__file__).resolve().parents[2]))
from conftest import module_functions  # noqa: E402
from fuzz.hostile import HostileRunner  # noqa: E402
from fuzz.model import OPERATIONS, HypothesisChooser, RandomChooser, Runner  # noqa: E402


def test_the_model_has_every_function_of_the_module():
    """The model is code, one branch per function: a function added to the module needs one here."""
    functions = set(module_functions())
    assert sorted(functions - set(OPERATIONS)) == [], "functions of the module that fuzz/model.py lacks"
    assert set(OPERATIONS) <= functions


@settings(max_examples=40, deadline=None, suppress_health_check=[HealthCheck.too_slow, HealthCheck.data_too_large])
@given(st.data())
def test_random_programs_match_the_model(data):
    Runner(HypothesisChooser(data)).run(30)


@pytest.mark.parametrize("seed", [1, 2, 3, 4])
def test_seeded_programs_match_the_model(seed):
    runner = Runner(RandomChooser(random.Random(seed)))
    runner.run(400)
    # The programs reach the refusals and the operations alike.
    assert runner.stats["refused"] > 20 and runner.stats["calls"] > 150


@pytest.mark.parametrize("seed", [1, 2, 3])
def test_seeded_hostile_programs_match_the_model(seed):
    runner = HostileRunner(RandomChooser(random.Random(seed)))
    runner.run(300)
    # The hostile moves are mixed in, and refused as well as accepted.
    assert runner.stats["hostile"] > 60 and runner.stats["refused"] > 40 and runner.stats["calls"] > 150
