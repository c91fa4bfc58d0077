"""Eight Python threads running mixed operations on their own containers while reading shared ones give
exactly the results of a serial run, and leave the shared containers as they were."""

import random
import sys
import threading

import pytest

import kaldra

THREADS = 8
STEPS = 300
N = 6


def filled(cls, n, seed):
    rng = random.Random(seed)
    c = cls(n)
    for i in range(n):
        c[i] = complex(rng.uniform(-1, 1), rng.uniform(-1, 1)) if cls.__name__[-1] in "cz" else rng.uniform(-1, 1)
    return c


def shared_containers():
    shared = {}
    for k, letter in enumerate("sdcz"):
        mat = getattr(kaldra, "mat" + letter)
        A = mat(N, N)
        rng = random.Random(100 + k)
        for j in range(N):
            for i in range(N):
                A[i, j] = rng.uniform(-1, 1) + (N if i == j else 0)
        shared[letter] = (A, filled(getattr(kaldra, "vec" + letter), 2 * N, 200 + k))
    return shared


def snapshot(c):
    if hasattr(c, "dim") and type(c).__name__.startswith("mat"):
        return [repr(c[i, j]) for j in range(c.dim(1)) for i in range(c.dim(0))]
    return [repr(c[i]) for i in range(c.numel())]


def program(seed, shared):
    """A fixed sequence of mixed calls for one thread; returns everything it computed."""
    rng = random.Random(seed)
    letter = "sdcz"[seed % 4]
    vec, mat = getattr(kaldra, "vec" + letter), getattr(kaldra, "mat" + letter)
    A, s = shared[letter]
    x, y = filled(vec, N, seed), filled(vec, N, seed + 1)
    M, P = mat(N, N), mat(N, N)
    results = []
    for _ in range(STEPS):
        window = s[rng.randint(0, N) :][:N]  # a view of the shared vector, read only
        op = rng.randrange(9)
        if op == 0:
            kaldra.scale(rng.choice([0.5, 2.0, -1.0]), x)
        elif op == 1:
            kaldra.axpy(rng.uniform(-1, 1), window, y)
        elif op == 2:
            kaldra.copy(window, x)
        elif op == 3:
            kaldra.swap(x, y[0:N])
        elif op == 4:
            results.append(kaldra.dot(s, s) if rng.random() < 0.2 else kaldra.dot(window, y))
        elif op == 5:
            kaldra.gemv(1.0, 0.5, A, window, y)
        elif op == 6:
            kaldra.copy(A, M)
            kaldra.gemm(0.25, 0.0, A, M, P)
        elif op == 7:
            B = mat(N, N)
            kaldra.copy(A, B)
            kaldra.copy(y, x)
            kaldra.ls(B, x)
        else:
            kaldra.sum(s[0:N], x)
        results.append(snapshot(x) + snapshot(y))
    return results + [snapshot(P)]


@pytest.fixture
def fast_switching():
    interval = sys.getswitchinterval()
    sys.setswitchinterval(1e-6)
    yield
    sys.setswitchinterval(interval)


def test_threads_match_the_serial_run(fast_switching):
    shared = shared_containers()
    before = {k: (snapshot(A), snapshot(s)) for k, (A, s) in shared.items()}
    serial = [program(seed, shared) for seed in range(THREADS)]

    threaded = [None] * THREADS
    errors = []
    start = threading.Barrier(THREADS)

    def worker(seed):
        try:
            start.wait()
            threaded[seed] = program(seed, shared)
        except BaseException as exc:  # noqa: BLE001 - reported below, in the main thread
            errors.append(exc)

    threads = [threading.Thread(target=worker, args=(seed,)) for seed in range(THREADS)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert not errors
    assert threaded == serial
    assert {k: (snapshot(A), snapshot(s)) for k, (A, s) in shared.items()} == before


def test_threads_share_views_of_one_vector(fast_switching):
    """Views of one storage are cut and dropped from all threads at once; the storage stays whole."""
    v = kaldra.vecd(64)
    for i in range(64):
        v[i] = i
    seen = []

    def worker(k, v):
        total = 0.0
        for i in range(2000):
            w = v[(i + k) % 32 :][:16]
            ww = w[1:]
            total += ww[0]
            del w
        seen.append(total)

    threads = [threading.Thread(target=worker, args=(k, v)) for k in range(THREADS)]
    for t in threads:
        t.start()
    del v  # from here on only the threads hold the vector
    for t in threads:
        t.join()
    expected = [sum(float((i + k) % 32 + 1) for i in range(2000)) for k in range(THREADS)]
    assert sorted(seen) == sorted(expected)
