"""kaldra as the kernel of Dask tasks: examples/dask_least_squares.py at a small size on a local cluster of
two worker processes, checked against NumPy, and its two kaldra kernels on groups that kaldra refuses."""

import importlib.util
import os
import pathlib
import subprocess
import sys

import numpy as np
import pytest

pytest.importorskip("distributed", reason="dask.distributed is not installed: pip install 'kaldra[dask]'")
pytest.importorskip("dask.array", reason="dask.array is not installed: pip install 'kaldra[dask]'")

EXAMPLE = pathlib.Path(__file__).resolve().parents[2] / "examples" / "dask_least_squares.py"


@pytest.fixture(scope="module")
def example():
    spec = importlib.util.spec_from_file_location("dask_least_squares", EXAMPLE)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)  # the script's cluster starts only when it runs as __main__
    return module


def test_small_run_on_two_worker_processes_agrees_with_numpy(tmp_path):
    # 3,001 groups in blocks of 700: the last block holds one group. The OpenBLAS thread count asked for
    # must reach the workers over both the one inherited from here and the nannies' default of 1.
    command = [sys.executable, "-W", "error", str(EXAMPLE), "--groups", "3001", "--block", "700", "--rounds", "1"]
    environment = {**os.environ, "OPENBLAS_NUM_THREADS": "3"}
    result = subprocess.run(
        [*command, "--blas-threads", "2"], capture_output=True, text=True, timeout=300, cwd=tmp_path, env=environment
    )
    assert result.returncode == 0, result.stdout + result.stderr
    lines = result.stdout.splitlines()
    assert lines[0] == "cluster: 2 worker processes x 1 thread(s) on 127.0.0.1, OpenBLAS threads per worker: 2"
    assert lines[1] == "data: 3001 groups of 64 x 4 in 5 blocks of up to 700 groups"
    differences = [line for line in lines if line.startswith("largest relative difference")]
    assert len(differences) == 6
    assert all(float(line.rsplit(" ", 1)[1]) < 1e-12 for line in differences), differences
    assert lines[-1] == "answers agree with NumPy"


@pytest.mark.parametrize("kernel", ["kaldra_kernel", "kaldra_batch_kernel"])
def test_kaldra_kernels_mark_the_groups_refused_solve_the_others_and_leave_the_block_alone(example, kernel):
    rng = np.random.default_rng(7)
    a = rng.standard_normal((5, 8, 3))
    b = rng.standard_normal((5, 8))
    a[1, :, 2] = 2.0 * a[1, :, 0]  # dependent columns
    a[3, 4, 1] = np.nan
    b[4, 0] = np.inf
    a_before, b_before = a.copy(), b.copy()
    solved = getattr(example, kernel)(a, b)
    assert solved.shape == (5, 3)
    assert np.isnan(solved[[1, 3, 4]]).all()
    for i in (0, 2):
        np.testing.assert_allclose(solved[i], np.linalg.lstsq(a[i], b[i], rcond=None)[0], rtol=1e-12, atol=1e-14)
    # Dask may hand the same block to other tasks: a kernel must not write into it.
    np.testing.assert_array_equal(a, a_before)
    np.testing.assert_array_equal(b, b_before)
