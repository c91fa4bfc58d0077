"""The BLAS kaldra runs on: which library a process that imports kaldra maps, and threadpoolctl's view of
it and control over it. KALDRA_EXPECTED_BLAS (set by scripts/run-tests) names the back end the installed
modules were built on: system, or scipy-openblas32 for the wheel, whose own copy must be the only BLAS,
LAPACKE or Fortran runtime in the process."""

import json
import os
import pathlib
import re
import subprocess
import sys

import pytest

import kaldra

EXPECTED = os.environ.get("KALDRA_EXPECTED_BLAS")
SITE = pathlib.Path(kaldra.__file__).resolve().parent
BLAS_LIKE = re.compile(r"lib(scipy_)?openblas|liblapack|libblas|libgfortran|libquadmath|libcblas")

# A fresh process imports kaldra and nothing else, so every library it maps came with it.
PROBE = """
import json, sys
import kaldra
import threadpoolctl
maps = sorted({line.split()[-1] for line in open("/proc/self/maps") if line.split()[-1].startswith("/")})
info = threadpoolctl.threadpool_info()
with threadpoolctl.threadpool_limits(1):
    limited = threadpoolctl.threadpool_info()
    # kaldra's results are the same whatever the thread count
    n = 300
    A, B, C = kaldra.matd(n, n), kaldra.matd(n, n), kaldra.matd(n, n)
    for j in range(n):
        A[j, j], B[j, (j + 1) % n] = 2.0, 3.0
    kaldra.gemm(1.0, 0.0, A, B, C)
    product_ok = all(C[j, (j + 1) % n] == 6.0 for j in range(n)) and C[0, 0] == 0.0
print(json.dumps({"maps": maps, "info": info, "limited": limited, "after": threadpoolctl.threadpool_info(),
                  "product_ok": product_ok}))
"""


# kaldra_numpy brings NumPy, whose OpenBLAS is NumPy's business; what kaldra_numpy itself adds must
# still be the wheel's own copy and nothing of the system's.
NUMPY_PROBE = """
import json
import kaldra_numpy
print(json.dumps({"maps": sorted({line.split()[-1] for line in open("/proc/self/maps")
                                  if line.split()[-1].startswith("/")})}))
"""


def run_probe(code):
    environment = {k: v for k, v in os.environ.items() if k not in ("OPENBLAS_NUM_THREADS", "OMP_NUM_THREADS")}
    result = subprocess.run(
        [sys.executable, "-c", code], capture_output=True, text=True, timeout=120, env=environment, cwd=SITE.anchor
    )
    assert result.returncode == 0, result.stderr
    outcome = json.loads(result.stdout)
    outcome["blas"] = [path for path in outcome["maps"] if BLAS_LIKE.search(pathlib.Path(path).name)]
    return outcome


@pytest.fixture(scope="module")
def probe():
    return run_probe(PROBE)


def openblas_entries(info):
    return [entry for entry in info if entry["internal_api"] == "openblas"]


def test_one_openblas_is_mapped_and_threadpoolctl_reports_it(probe):
    entries = openblas_entries(probe["info"])
    assert len(entries) == 1, probe["info"]
    entry = entries[0]
    openblas = [path for path in probe["blas"] if "openblas" in pathlib.Path(path).name]
    assert [os.path.realpath(entry["filepath"])] == [os.path.realpath(path) for path in openblas]
    assert re.fullmatch(r"0\.3\.\d+(\.\d+)*", entry["version"])
    # Without OPENBLAS_NUM_THREADS, OpenBLAS starts one thread per core it may run on.
    assert entry["num_threads"] == min(len(os.sched_getaffinity(0)), 64)


def test_threadpool_limits_governs_kaldras_blas(probe):
    (limited,) = openblas_entries(probe["limited"])
    (before,) = openblas_entries(probe["info"])
    (after,) = openblas_entries(probe["after"])
    assert limited["num_threads"] == 1
    assert after["num_threads"] == before["num_threads"]
    assert probe["product_ok"]


@pytest.mark.skipif(EXPECTED != "scipy-openblas32", reason="the installed kaldra is not the wheel")
def test_the_wheel_runs_on_its_own_openblas_alone(probe):
    libs = SITE / "kaldra.libs"
    assert probe["blas"], probe["maps"]
    # Only the wheel's own copy of OpenBLAS: no system libopenblas, liblapacke, libgfortran, or another
    # Python package's copy.
    assert [pathlib.Path(path).parent for path in probe["blas"]] == [libs.resolve()], probe["blas"]
    assert pathlib.Path(probe["blas"][0]).name.startswith("libscipy_openblas")
    (entry,) = openblas_entries(probe["info"])
    assert entry["version"].startswith("0.3.34")
    with_numpy = run_probe(NUMPY_PROBE)["blas"]
    assert probe["blas"][0] in with_numpy
    assert [path for path in with_numpy if not path.startswith(str(SITE) + "/")] == [], with_numpy


@pytest.mark.skipif(EXPECTED != "system", reason="the installed kaldra is not built on the system BLAS")
def test_a_source_build_runs_on_the_system_blas(probe):
    names = [pathlib.Path(path).name for path in probe["blas"]]
    assert any(n.startswith("libopenblas") for n in names) and any(n.startswith("liblapacke") for n in names)
    assert all(not path.startswith(str(SITE)) for path in probe["blas"])


def test_the_expected_back_end_is_named():
    """Run outside scripts/run-tests, the two checks above are skipped; run by it, one of them runs."""
    if os.environ.get("KALDRA_TESTS_BY_SCRIPT"):
        assert EXPECTED in ("system", "scipy-openblas32")
