"""kaldra against scipy.linalg.blas/lapack, NumPy and a C++ driver calling OpenBLAS/LAPACKE directly.

Run through `bash scripts/run-benchmarks`, which sets up, builds the driver and calls this file. It
measures, in one run and interleaved round by round so that a busy machine slows every side alike:

1. per-call cost on small operands (3 elements, 3 x 3) of every overload of every function, with exact
   scalars and with int scalars, against the equivalent scipy routine, NumPy and the driver;
2. time of one call on large operands (level 1 at 10^7 elements, gemv 4000 x 4000, gemm 1500,
   ls 2000 x 500) against the driver, scipy and NumPy;
3. per-call time and throughput of axpy and gemm against size, for the chart;
4. the time of `import kaldra`.

It prints tables of medians and ratios, and writes results.json, table.md and chart.png to --out.
"""

import argparse
import itertools
import json
import os
import pathlib
import platform
import statistics
import subprocess
import sys
import time
import timeit
import tomllib

import numpy as np
import scipy.linalg.blas as blas
import scipy.linalg.lapack as lapack

import kaldra

LETTERS = "sdcz"
KINDS = ("vec", "view", "mat")
COMPLEX = {"c", "z"}
DTYPES = {"s": np.float32, "d": np.float64, "c": np.complex64, "z": np.complex128}

# The module functions' facts (parameters, admitted kinds, element types), as the tests hold them against
# the module.
FUNCTIONS = tomllib.loads(
    (pathlib.Path(__file__).resolve().parents[1] / "src" / "kaldra_pybind" / "functions.toml").read_text()
)
# name -> (scalar count, admissible kinds per container position)
LAYOUT = {
    name: (len(facts["scalars"]), [KINDS if kinds == "any" else ("mat",) for kinds in facts["containers"].values()])
    for name, facts in FUNCTIONS.items()
}
# name -> the element types it has overloads for
LETTERS_OF = {name: facts.get("letters", LETTERS) for name, facts in FUNCTIONS.items()}
# Functions whose containers all hold the same 3 elements on small operands; the others get 3 x 3 matrices.
LEVEL1 = {"scale", "sum", "dot", "copy", "swap", "axpy", "hdot"}
# The routine each function calls, by letter. A function without one (or without a scipy or NumPy
# equivalent below) is timed without that comparison.
ROUTINE = {
    "scale": "scal",
    "sum": "axpy",
    "axpy": "axpy",
    "copy": "copy",
    "swap": "swap",
    "dot": "dotu",
    "hdot": "dotc",
    "matvec": "gemv",
    "gemv": "gemv",
    "gemm": "gemm",
    "matmul": "gemm",
    "ls": "gels",
}


def routine_name(function, letter):
    routine = ROUTINE.get(function)
    if routine is None:
        return None
    if routine == "dotu" and letter not in COMPLEX:
        routine = "dot"
    return letter + routine


def rng():
    return np.random.default_rng(2024)


def fill(container, values):
    if hasattr(container, "dim") and isinstance(container, tuple(getattr(kaldra, "mat" + t) for t in LETTERS)):
        rows, cols = container.dim(0), container.dim(1)
        for j in range(cols):
            for i in range(rows):
                container[i, j] = values[i + rows * j]
    else:
        for i in range(container.numel()):
            container[i] = values[i]


def make(kind, letter, rows, cols, generator):
    """One container of `kind` with `rows` elements (vectors and views) or rows x cols (matrices)."""
    values = generator.uniform(0.5, 1.5, rows * cols) + (
        1j * generator.uniform(-0.5, 0.5, rows * cols) if letter in COMPLEX else 0
    )
    values = [complex(v) if letter in COMPLEX else float(v) for v in values]
    if kind == "mat":
        c = getattr(kaldra, "mat" + letter)(rows, cols)
    elif kind == "vec":
        c = getattr(kaldra, "vec" + letter)(rows)
    else:
        c = getattr(kaldra, "vec" + letter)(rows + 1)[1 : rows + 1]
    fill(c, values)
    return c


def small_call(function, letter, kinds, int_scalars=False):
    """(statement, globals) of one call of the overload (letter, kinds) on small operands."""
    g = rng()
    scalar = 1 if int_scalars else (1 + 0j if letter in COMPLEX else 1.0)
    scalars, _ = LAYOUT[function]
    env = {"f": getattr(kaldra, function), "copy": kaldra.copy}
    names = []
    if function in LEVEL1:
        # every container holds 3 elements: vectors of 3, matrices of 3 x 1
        shapes = [(3, 1)] * len(kinds)
    elif function == "ls":
        shapes = [(3, 3), (3, 3 if kinds[1] == "mat" else 1)]
    else:
        shapes = [(3, 3) if k == "mat" else (3, 1) for k in kinds]
    for i, (kind, (rows, cols)) in enumerate(zip(kinds, shapes)):
        env[f"c{i}"] = make(kind, letter, rows, cols if kind == "mat" else 1, g)
        names.append(f"c{i}")
    for i in range(scalars):
        env[f"a{i}"] = scalar
    call = "f(" + ", ".join([f"a{i}" for i in range(scalars)] + names) + ")"
    if function == "ls":
        # ls overwrites A and x: each call starts from the same problem, refilled through kaldra.copy
        A0 = make("mat", letter, 3, 3, g)
        for i in range(3):
            A0[i, i] = A0[i, i] + 3
        env["A0"], env["x0"] = A0, make(kinds[1], letter, *shapes[1], g)
        call = f"copy(A0, c0); copy(x0, c1); {call}"
    return call, env


def library_call(function, letter, kinds, int_scalars=False):
    """The same call through the binding library's dispatcher alone (the function type's call slot)."""
    call, env = small_call(function, letter, kinds, int_scalars)
    env["lib"] = type(env["f"]).__call__
    return call.replace("f(", "lib(f, "), env


def scipy_call(function, letter):
    """The scipy.linalg.blas / lapack equivalent on arrays of the same sizes (None when there is none)."""
    dt = DTYPES[letter]
    g = rng()

    def arr(*shape):
        a = g.uniform(0.5, 1.5, shape).astype(dt)
        if letter in COMPLEX:
            a = a + 0.25j * g.uniform(-1, 1, shape).astype(dt)
        return np.asfortranarray(a)

    one = dt(1)
    env = {"x": arr(3), "y": arr(3), "A": arr(3, 3), "B": arr(3, 3), "C": arr(3, 3), "one": one, "zero": dt(0)}
    r = lambda name: getattr(blas, letter + name)  # noqa: E731
    table = {
        "scale": ("r(one, x)", r("scal")),
        "sum": ("r(x, y)", r("axpy")),
        "axpy": ("r(x, y, a=one)", r("axpy")),
        "copy": ("r(x, y)", r("copy")),
        "swap": ("r(x, y)", r("swap")),
        "dot": ("r(x, y)", r("dotu") if letter in COMPLEX else r("dot")),
        "hdot": ("r(x, y)", r("dotc") if letter in COMPLEX else None),
        "matvec": ("r(one, A, x, beta=zero, y=y, overwrite_y=1)", r("gemv")),
        "gemv": ("r(one, A, x, beta=zero, y=y, overwrite_y=1)", r("gemv")),
        "gemm": ("r(one, A, B, beta=zero, c=C, overwrite_c=1)", r("gemm")),
        "matmul": ("r(one, A, B, beta=zero, c=C, overwrite_c=1)", r("gemm")),
        "ls": ("r(A0, b0)", getattr(lapack, letter + "gels")),
    }
    stmt, routine = table.get(function, (None, None))
    if routine is None:
        return None
    A0 = arr(3, 3) + 3 * np.eye(3, dtype=dt)
    env.update({"r": routine, "A0": np.asfortranarray(A0), "b0": arr(3)})
    return stmt, env


def numpy_call(function, letter):
    """The nearest NumPy expression (one ufunc or linalg call where there is one)."""
    dt = DTYPES[letter]
    g = rng()
    arr = lambda *shape: np.asarray(g.uniform(0.5, 1.5, shape), dtype=dt)  # noqa: E731
    env = {"np": np, "x": arr(3), "y": arr(3), "A": arr(3, 3), "B": arr(3, 3), "C": arr(3, 3), "one": dt(1)}
    env["A0"] = env["A"] + 3 * np.eye(3, dtype=dt)
    table = {
        "scale": "np.multiply(x, one, out=x)",
        "sum": "np.add(x, y, out=y)",
        "axpy": "np.add(y, one * x, out=y)",
        "copy": "np.copyto(y, x)",
        "swap": None,
        "dot": "np.dot(x, y)",
        "hdot": "np.vdot(x, y)" if letter in COMPLEX else None,
        "matvec": "np.matmul(A, x, out=y)",
        "gemv": "np.matmul(A, x, out=y)",
        "gemm": "np.matmul(A, B, out=C)",
        "matmul": "np.matmul(A, B, out=C)",
        "ls": "np.linalg.lstsq(A0, x, rcond=None)",
    }
    stmt = table.get(function)
    return None if stmt is None else (stmt, env)


# With one OpenBLAS thread every side is timed by the process's CPU time: the time the calls took,
# whatever else the shared machine runs meanwhile. With more threads, the wall clock.
CLOCK = time.perf_counter
DRIVER_CLOCK = []


def per_call(stmt, env, number):
    return timeit.Timer(stmt, globals=env, timer=CLOCK).timeit(number) / number


def calibrate(stmt, env, target=0.004):
    """Calls per batch so that one batch takes about `target` seconds."""
    n = 1
    while True:
        t = timeit.Timer(stmt, globals=env, timer=CLOCK).timeit(n)
        if t > target / 4 or n >= 1 << 20:
            return max(1, int(n * target / max(t, 1e-9)))
        n *= 4


def measure_rounds(jobs, rounds, between=None):
    """Median and fastest per-call time of each job; the jobs are interleaved within every round, and
    `between`, when given, runs once in every round too (the driver's share of the round)."""
    numbers = {key: calibrate(stmt, env) for key, (stmt, env) in jobs.items()}
    samples = {key: [] for key in jobs}
    for r in range(rounds):
        order = list(jobs)
        if r % 2:
            order.reverse()
        for key in order:
            stmt, env = jobs[key]
            samples[key].append(per_call(stmt, env, numbers[key]))
        if between is not None:
            between()
    return {key: statistics.median(v) for key, v in samples.items()}, {key: min(v) for key, v in samples.items()}


def run_driver(driver, *args):
    out = subprocess.run([driver, *DRIVER_CLOCK, *map(str, args)], check=True, capture_output=True, text=True).stdout
    return [json.loads(line) for line in out.splitlines() if line.strip()]


# ----------------------------------------------------------------------------------------------------
# 1. small operands


def small_suite(driver, rounds):
    jobs = {}
    raising = {}
    for function, (scalars, kinds_per_position) in LAYOUT.items():
        for letter in LETTERS_OF[function]:
            for kinds in itertools.product(*kinds_per_position):
                stmt, env = small_call(function, letter, kinds)
                try:
                    exec(stmt, env)
                except RuntimeError:
                    # gemv and matvec with a non-matrix A refuse by design: timed apart
                    raising[(function, letter, kinds)] = (f"try:\n    {stmt}\nexcept RuntimeError:\n    pass", env)
                    continue
                jobs[("fast", function, letter, kinds)] = (stmt, env)
                if function == "ls":
                    # the refill of A and x before each solve, timed alone and taken off again
                    jobs[("refill", function, letter, kinds)] = (stmt.rsplit(";", 1)[0], env)
                if scalars:
                    jobs[("int", function, letter, kinds)] = small_call(function, letter, kinds, int_scalars=True)
        last = ("z", tuple(k[-1] for k in kinds_per_position))
        jobs[("library", function) + last] = library_call(function, *last)
        if scalars:
            jobs[("library-int", function) + last] = library_call(function, *last, int_scalars=True)
        for letter in LETTERS:
            sp = scipy_call(function, letter)
            if sp is not None:
                jobs[("scipy", function, letter, ())] = sp
            npc = numpy_call(function, letter)
            if npc is not None:
                jobs[("numpy", function, letter, ())] = npc
    for key, job in raising.items():
        jobs[("raising",) + key] = job
    jobs[("empty",)] = ("pass", {})
    driver_rows = {}

    def driver_round():
        for row in run_driver(driver, "small", 3, 20000):
            driver_rows.setdefault(row["routine"], []).append(row["seconds"])

    medians, fastest = measure_rounds(jobs, rounds, between=driver_round)
    driver_medians = {k: statistics.median(v) for k, v in driver_rows.items()}
    return medians, fastest, driver_medians


def summarise_small(medians, fastest, driver):
    rows = []
    refill = {k[1:]: v for k, v in medians.items() if k[0] == "refill"}
    for function, (_scalars, kinds_per_position) in LAYOUT.items():

        def side(name):
            return {
                k[2:]: v - refill.get((function,) + k[2:], 0.0)
                for k, v in medians.items()
                if k[0] == name and k[1] == function
            }

        fast, ints = side("fast"), side("int")
        # The spread over positions compares each overload's fastest batch: max / min over all of a function's
        # medians would mostly measure the shared machine's noise.
        best = {
            k[2:]: v - refill.get((function,) + k[2:], 0.0)
            for k, v in fastest.items()
            if k[0] == "fast" and k[1] == function
        }
        last = ("z", tuple(k[-1] for k in kinds_per_position))
        lib_refill = refill.get((function,) + last, 0.0)
        # What the routine itself costs, from the driver: the front path's own share is the rest.
        overhead = {
            k: v - driver[routine_name(function, k[0])] for k, v in fast.items() if routine_name(function, k[0])
        }
        # Within one element type every overload calls the same routine: compare positions there.
        letters = sorted({k[0] for k in best})
        within = max(
            max(v for k, v in best.items() if k[0] == t) / min(v for k, v in best.items() if k[0] == t) for t in letters
        )
        library = medians[("library", function) + last] - lib_refill
        library_int = medians.get(("library-int", function) + last)
        rows.append(
            {
                "function": function,
                "overloads": len(fast) + sum(1 for k in medians if k[0] == "raising" and k[1] == function),
                "cheapest": min(fast.values()),
                "dearest": max(fast.values()),
                "all_ratio": max(best.values()) / min(best.values()),
                "within_type_ratio": within,
                "overhead_min": min(overhead.values(), default=None),
                "overhead_max": max(overhead.values(), default=None),
                "last": fast[last],
                "last_int": ints.get(last),
                "int_ratio": max(ints[k] / fast[k] for k in ints) if ints else None,
                "library_last": library,
                "library_last_int": None if library_int is None else library_int - lib_refill,
                "scipy_z": medians.get(("scipy", function, "z", ())),
                "numpy_z": medians.get(("numpy", function, "z", ())),
                "driver_z": driver.get(routine_name(function, "z")),
            }
        )
    return rows


# ----------------------------------------------------------------------------------------------------
# 2. large operands


def storage(container):
    """Address of a container's first element, read from the object's memory. Benchmark-only: it relies
    on the binding library's instance layout (the value pointer right after the object header) and on
    the container classes' field order (Vector: size, storage; Matrix: two dimensions, size, storage)."""
    import ctypes

    value = ctypes.c_void_p.from_address(id(container) + 16).value
    offset = 24 if isinstance(container, kaldra.matd) else 8
    return ctypes.c_void_p.from_address(value + offset).value


def direct_libraries():
    """The CBLAS and LAPACKE that kaldra loaded: the system's by soname (the loader hands back the copies
    kaldra mapped), or the OpenBLAS a wheel carries in kaldra.libs, whose routines bear the prefix scipy_.
    Each is returned as an object whose attributes are the routines under their standard names."""
    import ctypes
    import glob
    import types

    bundled = sorted(glob.glob(os.path.join(os.path.dirname(kaldra.__file__), "kaldra.libs", "libscipy_openblas*.so")))
    if bundled:
        cblas = lapacke = ctypes.CDLL(bundled[0])
        prefix = "scipy_"
    else:
        cblas, lapacke = ctypes.CDLL("libopenblas.so.0"), ctypes.CDLL("liblapacke.so.3")
        prefix = ""
    i, d, p = ctypes.c_int, ctypes.c_double, ctypes.c_void_p
    signatures = {
        "cblas_dscal": (cblas, [i, d, p, i], None),
        "cblas_daxpy": (cblas, [i, d, p, i, p, i], None),
        "cblas_ddot": (cblas, [i, p, i, p, i], d),
        "cblas_dcopy": (cblas, [i, p, i, p, i], None),
        "cblas_dswap": (cblas, [i, p, i, p, i], None),
        "cblas_dgemv": (cblas, [i, i, i, i, d, p, i, p, i, d, p, i], None),
        "cblas_dgemm": (cblas, [i, i, i, i, i, i, d, p, i, p, i, d, p, i], None),
        "LAPACKE_dgels": (lapacke, [i, ctypes.c_char, i, i, i, p, i, p, i], i),
    }
    routines = {}
    for name, (library, argtypes, restype) in signatures.items():
        routine = getattr(library, prefix + name)
        routine.argtypes, routine.restype = argtypes, restype
        routines[name] = routine
    cblas_routines = types.SimpleNamespace(**{k: v for k, v in routines.items() if k.startswith("cblas_")})
    return cblas_routines, types.SimpleNamespace(LAPACKE_dgels=routines["LAPACKE_dgels"])


COL_MAJOR, NO_TRANS = 102, 111


def large_jobs():
    """kaldra, scipy and NumPy calls on the large operands, each with the same problem as the driver."""
    n1 = 10_000_000
    g = np.random.default_rng(5)
    jobs = {}
    kx, ky = kaldra.vecd(n1), kaldra.vecd(n1)
    # Filling 10^7 elements one by one from Python is slow; fill a short run and double it with copy.
    base = kaldra.vecd(1000)
    fill(base, list(g.uniform(0.5, 1.5, 1000)))
    for target in (kx, ky):
        kaldra.copy(base, target[0:1000])
        filled = 1000
        while filled < n1:
            step = min(filled, n1 - filled)
            kaldra.copy(target[0:step], target[filled : filled + step])
            filled += step
    nx, ny = np.asarray(g.uniform(0.5, 1.5, n1)), np.asarray(g.uniform(0.5, 1.5, n1))
    a = 1.0000001
    jobs["dscal"] = {
        "kaldra": ("f(a, x)", {"f": kaldra.scale, "a": a, "x": kx}),
        "scipy": ("r(a, x)", {"r": blas.dscal, "a": a, "x": nx}),
        "numpy": ("np.multiply(x, a, out=x)", {"np": np, "a": a, "x": nx}),
    }
    jobs["daxpy"] = {
        "kaldra": ("f(a, x, y)", {"f": kaldra.axpy, "a": 1e-9, "x": kx, "y": ky}),
        "scipy": ("r(x, y, a=1e-9)", {"r": blas.daxpy, "x": nx, "y": ny}),
        "numpy": ("np.add(y, 1e-9 * x, out=y)", {"np": np, "x": nx, "y": ny}),
    }
    jobs["ddot"] = {
        "kaldra": ("f(x, y)", {"f": kaldra.dot, "x": kx, "y": ky}),
        "scipy": ("r(x, y)", {"r": blas.ddot, "x": nx, "y": ny}),
        "numpy": ("np.dot(x, y)", {"np": np, "x": nx, "y": ny}),
    }
    jobs["dcopy"] = {
        "kaldra": ("f(x, y)", {"f": kaldra.copy, "x": kx, "y": ky}),
        "scipy": ("r(x, y)", {"r": blas.dcopy, "x": nx, "y": ny}),
        "numpy": ("np.copyto(y, x)", {"np": np, "x": nx, "y": ny}),
    }
    jobs["dswap"] = {
        "kaldra": ("f(x, y)", {"f": kaldra.swap, "x": kx, "y": ky}),
        "scipy": ("r(x, y)", {"r": blas.dswap, "x": nx, "y": ny}),
    }
    # The same routine called directly on kaldra's own storage, in this process: what kaldra adds.
    cblas, lapacke = direct_libraries()
    px, py = storage(kx), storage(ky)
    probe = kaldra.matd(2, 2)
    probe[1, 1] = 3.0
    assert cblas.cblas_ddot(4, storage(probe), 1, storage(probe), 1) == 9.0, "unexpected container layout"
    assert cblas.cblas_ddot(n1, px, 1, py, 1) == kaldra.dot(kx, ky), "unexpected container layout"
    direct = {"b": cblas, "n": n1, "x": px, "y": py, "a": a}
    jobs["dscal"]["direct"] = ("b.cblas_dscal(n, a, x, 1)", direct)
    jobs["daxpy"]["direct"] = ("b.cblas_daxpy(n, 1e-9, x, 1, y, 1)", direct)
    jobs["ddot"]["direct"] = ("b.cblas_ddot(n, x, 1, y, 1)", direct)
    jobs["dcopy"]["direct"] = ("b.cblas_dcopy(n, x, 1, y, 1)", direct)
    jobs["dswap"]["direct"] = ("b.cblas_dswap(n, x, 1, y, 1)", direct)

    m2 = 4000
    kA, kv, kw = kaldra.matd(m2, m2), kaldra.vecd(m2), kaldra.vecd(m2)
    for c in (kA, kv, kw):
        kaldra.copy(kx[0 : min(c.numel(), n1)], c)
    nA = np.asfortranarray(g.uniform(0.5, 1.5, (m2, m2)))
    nv, nw = g.uniform(0.5, 1.5, m2), g.uniform(0.5, 1.5, m2)
    jobs["dgemv"] = {
        "kaldra": ("f(1.0, 0.0, A, x, y)", {"f": kaldra.gemv, "A": kA, "x": kv, "y": kw}),
        "scipy": ("r(1.0, A, x, beta=0.0, y=y, overwrite_y=1)", {"r": blas.dgemv, "A": nA, "x": nv, "y": nw}),
        "numpy": ("np.matmul(A, x, out=y)", {"np": np, "A": nA, "x": nv, "y": nw}),
        "direct": (
            "b.cblas_dgemv(c, t, m, m, 1.0, A, m, x, 1, 0.0, y, 1)",
            {"b": cblas, "c": COL_MAJOR, "t": NO_TRANS, "m": m2, "A": storage(kA), "x": storage(kv), "y": storage(kw)},
        ),
    }

    m3 = 1500
    kP, kQ, kR = (kaldra.matd(m3, m3) for _ in range(3))
    for c in (kP, kQ):
        kaldra.copy(kx[0 : m3 * m3], c)
    nP, nQ = (np.asfortranarray(g.uniform(0.5, 1.5, (m3, m3))) for _ in range(2))
    nR = np.asfortranarray(np.zeros((m3, m3)))
    jobs["dgemm"] = {
        "kaldra": ("f(1.0, 0.0, A, B, C)", {"f": kaldra.gemm, "A": kP, "B": kQ, "C": kR}),
        "scipy": ("r(1.0, A, B, beta=0.0, c=C, overwrite_c=1)", {"r": blas.dgemm, "A": nP, "B": nQ, "C": nR}),
        "numpy": ("np.matmul(A, B, out=C)", {"np": np, "A": nP, "B": nQ, "C": nR}),
        "direct": (
            "b.cblas_dgemm(c, t, t, m, m, m, 1.0, A, m, B, m, 0.0, C, m)",
            {"b": cblas, "c": COL_MAJOR, "t": NO_TRANS, "m": m3, "A": storage(kP), "B": storage(kQ), "C": storage(kR)},
        ),
    }

    # ls overwrites A and the right-hand side: every side refills them before each timed call, as the
    # driver does, and only the solve is timed.
    rows, cols = 2000, 500
    G0 = np.asfortranarray(g.uniform(-0.5, 0.5, (rows, cols)))
    b0 = g.uniform(-0.5, 0.5, rows)
    kG0, kG, kb0, kb = kaldra.matd(rows, cols), kaldra.matd(rows, cols), kaldra.vecd(rows), kaldra.vecd(rows)
    flat = kaldra.vecd(rows * cols)
    fill(flat, list(G0.ravel(order="F")))  # column-major, as the matrix stores it
    kaldra.copy(flat, kG0)
    fill(kb0, list(b0))
    sG, sb = np.asfortranarray(np.empty_like(G0)), np.empty(rows)
    jobs["dgels"] = {
        "kaldra": (
            "f(A, x)",
            {"f": kaldra.ls, "A": kG, "x": kb},
            ("c(A0, A); c(x0, x)", {"c": kaldra.copy, "A": kG, "x": kb, "A0": kG0, "x0": kb0}),
        ),
        "scipy": (
            "r(A, b, overwrite_a=1, overwrite_b=1)",
            {"r": lapack.dgels, "A": sG, "b": sb},
            ("A[...] = A0; b[...] = b0", {"A": sG, "b": sb, "A0": G0, "b0": b0}),
        ),
        "numpy": ("np.linalg.lstsq(A0, b0, rcond=None)", {"np": np, "A0": G0, "b0": b0}),
        "direct": (
            "l.LAPACKE_dgels(c, b'N', m, k, 1, A, m, x, m)",
            {"l": lapacke, "c": COL_MAJOR, "m": rows, "k": cols, "A": storage(kG), "x": storage(kb)},
            ("c(A0, A); c(x0, x)", {"c": kaldra.copy, "A": kG, "x": kb, "A0": kG0, "x0": kb0}),
        ),
    }
    return jobs


def time_once(job):
    """Seconds of one call; a refill statement, when given, runs before the clock starts."""
    if len(job) == 3:
        exec(job[2][0], job[2][1])
    stmt, env = job[0], job[1]
    code = compile(stmt, "<bench>", "exec")
    start = CLOCK()
    exec(code, env)
    return CLOCK() - start


def large_suite(driver, rounds, repeats):
    """Each round times every routine on every side back to back: driver, kaldra, scipy, NumPy."""
    jobs = large_jobs()
    samples = {}
    for _r in range(rounds):
        for routine, sides in jobs.items():
            for row in run_driver(driver, "large", repeats, routine):
                samples.setdefault((routine, "driver"), []).append(row["seconds"])
            for _ in range(repeats):
                for side, job in sides.items():
                    samples.setdefault((routine, side), []).append(time_once(job))
    return {k: statistics.median(v) for k, v in samples.items()}, {k: min(v) for k, v in samples.items()}


# ----------------------------------------------------------------------------------------------------
# 3. sweep against size, for the chart

SWEEP_AXPY = [1, 10, 100, 1000, 10_000, 100_000, 1_000_000, 10_000_000]
SWEEP_GEMM = [2, 8, 32, 128, 512, 1500]


def sweep_suite(driver, repeats):
    g = np.random.default_rng(9)
    drv = {}
    for row in run_driver(driver, "sweep", repeats, *sorted(set(SWEEP_AXPY + SWEEP_GEMM))):
        drv[(row["routine"], row["size"])] = row["seconds"]
    out = {}
    for n in SWEEP_AXPY:
        kx, ky = kaldra.vecd(n), kaldra.vecd(n)
        nx, ny = g.uniform(0.5, 1.5, n), g.uniform(0.5, 1.5, n)
        number = max(1, 200_000 // n)
        for side, (stmt, env) in {
            "kaldra": ("f(1e-9, x, y)", {"f": kaldra.axpy, "x": kx, "y": ky}),
            "scipy": ("r(x, y, a=1e-9)", {"r": blas.daxpy, "x": nx, "y": ny}),
            "numpy": ("np.add(y, 1e-9 * x, out=y)", {"np": np, "x": nx, "y": ny}),
        }.items():
            out[("daxpy", n, side)] = statistics.median(per_call(stmt, env, number) for _ in range(repeats))
        out[("daxpy", n, "driver")] = drv[("daxpy", n)]
    for n in SWEEP_GEMM:
        kA, kB, kC = (kaldra.matd(n, n) for _ in range(3))
        nA, nB, nC = (np.asfortranarray(g.uniform(0.5, 1.5, (n, n))) for _ in range(3))
        number = max(1, 2_000_000 // n**3)
        for side, (stmt, env) in {
            "kaldra": ("f(1.0, 0.0, A, B, C)", {"f": kaldra.gemm, "A": kA, "B": kB, "C": kC}),
            "scipy": ("r(1.0, A, B, beta=0.0, c=C, overwrite_c=1)", {"r": blas.dgemm, "A": nA, "B": nB, "C": nC}),
            "numpy": ("np.matmul(A, B, out=C)", {"np": np, "A": nA, "B": nB, "C": nC}),
        }.items():
            out[("dgemm", n, side)] = statistics.median(per_call(stmt, env, number) for _ in range(repeats))
        out[("dgemm", n, "driver")] = drv[("dgemm", n)]
    return out


# ----------------------------------------------------------------------------------------------------
# 4. import time


def import_time(repeats=7):
    code = "import time; t = time.perf_counter(); import kaldra; print(time.perf_counter() - t)"
    times = []
    for _ in range(repeats):
        out = subprocess.run([sys.executable, "-c", code], check=True, capture_output=True, text=True).stdout
        times.append(float(out))
    return statistics.median(times)


# ----------------------------------------------------------------------------------------------------
# report


def us(seconds):
    return "—" if seconds is None else f"{seconds * 1e6:.3g}"


def positive(seconds):
    return None if seconds is None else max(seconds, 0)


def ratio(a, b):
    return "—" if a is None or b is None else f"{a / b:.2f}"


def blas_info():
    try:
        from threadpoolctl import threadpool_info

        return [
            {k: i.get(k) for k in ("internal_api", "filepath", "version", "num_threads", "architecture")}
            for i in threadpool_info()
            if i.get("user_api") == "blas"
        ]
    except ImportError:
        return []


def machine():
    cpu = "unknown"
    try:
        with open("/proc/cpuinfo") as f:
            cpu = next(line.split(":", 1)[1].strip() for line in f if line.startswith("model name"))
    except (OSError, StopIteration):
        pass
    return (
        f"{cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Python {platform.python_version()}"
    )


def render(small_rows, large, large_best, large_driver, imp, threads):
    lines = []
    lines.append(
        'Small operands (3 elements, 3 x 3), per call, ratios of medians. "last" is the last overload of '
        "the list (complex double, matrices where allowed); scipy is the z routine on NumPy arrays of the same "
        'sizes; "before" is the same call through the binding library\'s dispatcher alone. The two '
        "overload-spread columns compare each overload's fastest batch over the rounds; all other columns are medians."
    )
    lines.append("")
    lines.append(
        "| function | overloads | dearest / cheapest overload | same, within one element type "
        "| front path beyond the routine, µs | int / exact scalars (worst overload) | last: kaldra / scipy "
        "| last: before / now | last, int scalars: before / now | last: kaldra / NumPy | last: kaldra / C++ driver |"
    )
    lines.append("|---|---|---|---|---|---|---|---|---|---|---|")
    for r in small_rows:
        lines.append(
            f"| `{r['function']}` | {r['overloads']} | {r['all_ratio']:.2f} | {r['within_type_ratio']:.2f} "
            f"| {us(positive(r['overhead_min']))}–{us(positive(r['overhead_max']))} "
            f"| {'—' if r['int_ratio'] is None else format(r['int_ratio'], '.2f')} | {ratio(r['last'], r['scipy_z'])} "
            f"| {ratio(r['library_last'], r['last'])} | {ratio(r['library_last_int'], r['last_int'])} "
            f"| {ratio(r['last'], r['numpy_z'])} | {ratio(r['last'], r['driver_z'])} |"
        )
    lines.append("")
    lines.append(
        f"Large operands (double), one call, throughput ratios (time of the reference / time of the side) "
        f'from medians; OpenBLAS threads: {threads}. "Directly" is the same CBLAS/LAPACKE function '
        "called from this process through ctypes on the very storage of kaldra's containers, interleaved "
        "with kaldra's calls; the driver is a separate C++ process with storage of its own, so its ratios "
        "also carry where each process's memory happens to lie. The last column compares the fastest calls."
    )
    lines.append("")
    lines.append(
        "| routine | size | kaldra / same routine called directly on kaldra's storage | kaldra / driver "
        "| scipy / driver | NumPy / driver | kaldra / driver, fastest calls |"
    )
    lines.append("|---|---|---|---|---|---|---|")
    sizes = {
        "dscal": "10^7",
        "daxpy": "10^7",
        "ddot": "10^7",
        "dcopy": "10^7",
        "dswap": "10^7",
        "dgemv": "4000 x 4000",
        "dgemm": "1500 x 1500",
        "dgels": "2000 x 500",
    }
    for routine, size in sizes.items():
        d = large_driver[routine]
        cells = [f"{large[(routine, 'direct')] / large[(routine, 'kaldra')]:.3f}"]
        for side in ("kaldra", "scipy", "numpy"):
            t = large.get((routine, side))
            cells.append("—" if t is None else f"{d / t:.3f}")
        best = large_best[(routine, "driver")] / large_best[(routine, "kaldra")]
        lines.append(f"| {routine} | {size} | " + " | ".join(cells) + f" | {best:.3f} |")
    lines.append("")
    lines.append(f"`import kaldra`: {imp * 1e3:.1f} ms (median of 7 fresh interpreters).")
    return "\n".join(lines)


def chart(small_rows, sweep, path):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    fig, axes = plt.subplots(1, 3, figsize=(18, 6))
    ax = axes[0]
    names = [r["function"] for r in small_rows]
    series = {
        "kaldra (last overload)": [r["last"] for r in small_rows],
        "kaldra before (library dispatcher)": [r["library_last"] for r in small_rows],
        "scipy (z routine)": [r["scipy_z"] or np.nan for r in small_rows],
        "NumPy": [r["numpy_z"] or np.nan for r in small_rows],
        "C++ driver (routine alone)": [r["driver_z"] for r in small_rows],
    }
    width = 0.16
    for i, (label, values) in enumerate(series.items()):
        ax.bar(np.arange(len(names)) + (i - 2) * width, np.array(values) * 1e6, width, label=label)
    ax.set_yscale("log")
    ax.set_xticks(np.arange(len(names)), names, rotation=45)
    ax.set_ylabel("µs per call")
    ax.set_title("Per-call cost, complex double, 3 elements / 3 x 3")
    ax.legend(fontsize=7, loc="upper center", ncol=3, bbox_to_anchor=(0.5, -0.2))

    ax = axes[1]
    labels = {"kaldra": "kaldra", "scipy": "scipy", "numpy": "NumPy (a temporary for a*x)", "driver": "C++ driver"}
    for side in ("kaldra", "scipy", "numpy", "driver"):
        ax.loglog(SWEEP_AXPY, [sweep[("daxpy", n, side)] * 1e6 for n in SWEEP_AXPY], marker="o", label=labels[side])
    ax.set_xlabel("elements")
    ax.set_ylabel("µs per call")
    ax.set_title("daxpy: time per call against size")
    ax.legend()

    ax = axes[2]
    for side in ("kaldra", "scipy", "numpy", "driver"):
        ax.semilogx(
            SWEEP_GEMM,
            [2 * n**3 / sweep[("dgemm", n, side)] / 1e9 for n in SWEEP_GEMM],
            marker="o",
            label="C++ driver" if side == "driver" else "NumPy" if side == "numpy" else side,
        )
    ax.set_xlabel("n (n x n matrices)")
    ax.set_ylabel("GFLOP/s")
    ax.set_title("dgemm: throughput against size")
    ax.legend()
    fig.tight_layout()
    fig.savefig(path, dpi=110)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--driver", required=True, help="path of the built kaldra_driver")
    parser.add_argument("--out", required=True, help="folder for results.json, table.md and chart.png")
    parser.add_argument("--rounds", type=int, default=15, help="interleaved rounds of the small-operand suite")
    parser.add_argument("--large-rounds", type=int, default=7)
    parser.add_argument("--large-repeats", type=int, default=5)
    parser.add_argument("--threads", default=os.environ.get("OPENBLAS_NUM_THREADS", "default"))
    args = parser.parse_args()
    global CLOCK
    if args.threads == "1":
        CLOCK = time.process_time
        DRIVER_CLOCK.append("--cpu-clock")
    os.makedirs(args.out, exist_ok=True)

    print(f"machine: {machine()}")
    print(f"clock: {'process CPU time' if CLOCK is time.process_time else 'wall clock'}")
    for lib in blas_info():
        print(f"BLAS in this process: {lib}")
    started = time.perf_counter()
    imp = import_time()
    print(f"import kaldra: {imp * 1e3:.1f} ms", flush=True)
    medians, fastest, driver_small = small_suite(args.driver, args.rounds)
    small_rows = summarise_small(medians, fastest, driver_small)
    print(f"small-operand suite done ({time.perf_counter() - started:.0f} s)", flush=True)
    large, large_best = large_suite(args.driver, args.large_rounds, args.large_repeats)
    large_driver = {k[0]: v for k, v in large.items() if k[1] == "driver"}
    print(f"large-operand suite done ({time.perf_counter() - started:.0f} s)", flush=True)
    sweep = sweep_suite(args.driver, 3)
    print(f"sweep done ({time.perf_counter() - started:.0f} s)", flush=True)

    table = render(small_rows, large, large_best, large_driver, imp, args.threads)
    raising = [v for k, v in medians.items() if k[0] == "raising"]
    if raising:
        table += (
            f"\n\n`gemv` and `matvec` with a non-matrix A raise RuntimeError by design ({len(raising)} overloads): "
            f"{us(min(raising))}–{us(max(raising))} µs a call, the C++ exception and its translation included."
        )
    cost_file = os.path.join(args.out, "build_cost.json")
    if os.path.exists(cost_file):
        with open(cost_file) as f:
            cost = json.load(f)
        table += (
            f"\n\nFrom-scratch build of the module ({cost['jobs']} jobs): {cost['build_seconds']:.0f} s wall time, "
            f"peak memory {cost['peak_tree_bytes'] / 2**30:.2f} GiB for the whole build "
            f"({cost['peak_process_bytes'] / 2**30:.2f} GiB for the largest process)."
        )
    print()
    print(table)
    with open(os.path.join(args.out, "table.md"), "w") as f:
        libraries = "; ".join(
            f"{os.path.basename(b['filepath'])} {b['version']} ({b['architecture']} kernels)" for b in blas_info()
        )
        f.write(f"Machine: {machine()}\n\nOpenBLAS builds in the process: {libraries or 'unknown'}\n\n{table}\n")
    with open(os.path.join(args.out, "results.json"), "w") as f:
        json.dump(
            {
                "machine": machine(),
                "blas": blas_info(),
                "import_seconds": imp,
                "small": [{k: (list(v) if isinstance(v, tuple) else v) for k, v in r.items()} for r in small_rows],
                "small_driver": driver_small,
                "small_positions": [
                    {
                        "side": k[0],
                        "function": k[1],
                        "letter": k[2],
                        "kinds": list(k[3]),
                        "seconds": v,
                        "fastest": fastest[k],
                    }
                    for k, v in medians.items()
                    if len(k) == 4 and k[0] in ("fast", "int", "raising")
                ],
                "large": {f"{k[0]}/{k[1]}": v for k, v in large.items()},
                "large_fastest": {f"{k[0]}/{k[1]}": v for k, v in large_best.items()},
                "sweep": {f"{k[0]}/{k[1]}/{k[2]}": v for k, v in sweep.items()},
            },
            f,
            indent=1,
            default=str,
        )
    chart(small_rows, sweep, os.path.join(args.out, "chart.png"))
    print(f"\nwrote {args.out}/table.md, results.json, chart.png ({time.perf_counter() - started:.0f} s in all)")


if __name__ == "__main__":
    main()
