"""Faults found by the differential fuzzer and the sanitizer runs, one test each."""

import math

import numpy as np
import pytest

import kaldra


@pytest.mark.parametrize("mat", [kaldra.matc, kaldra.matz], ids=lambda c: c.__name__)
@pytest.mark.parametrize(
    "b", [complex(0, math.nan), complex(-0.0, math.nan), complex(math.nan, 0)], ids=["0+nanj", "-0+nanj", "nan+0j"]
)
@pytest.mark.parametrize("m, k, n", [(1, 1, 1), (3, 2, 4), (2, 0, 2)])
def test_gemm_applies_a_nan_beta_to_y(mat, b, m, k, n):
    # The complex routine took a beta of 0 + NaN i for zero and overwrote Y with A*X, a finite result
    # where b*Y is NaN.
    A, X, Y = mat(m, k), mat(k, n), mat(m, n)
    for j in range(k):
        for i in range(m):
            A[i, j] = 0.5
    for j in range(n):
        for i in range(k):
            X[i, j] = 0.25
        for i in range(m):
            Y[i, j] = 1.0
    assert kaldra.gemm(1.0, b, A, X, Y) is Y
    for j in range(n):
        for i in range(m):
            assert math.isnan(Y[i, j].real) or math.isnan(Y[i, j].imag)


@pytest.mark.parametrize("letter", ["c", "z"])
def test_underdetermined_complex_ls_stays_inside_a(letter):
    # The complex LQ path of the driver ran a matrix-vector kernel that read up to a column's length
    # past the end of A's storage (seen as a crash under AddressSanitizer, a read of whatever follows A
    # otherwise). Many shapes, so that some storage ends where the sanitizer's poisoned zone begins.
    rng = np.random.default_rng(5)
    dtype = np.complex64 if letter == "c" else np.complex128
    tol = 1e-3 if letter == "c" else 1e-10
    for m in range(1, 13):
        for n in range(m + 1, m + 9):
            values = (rng.uniform(-1, 1, (m, n)) + 1j * rng.uniform(-1, 1, (m, n))).astype(dtype)
            values[np.arange(m), np.arange(m)] += n
            rhs = (rng.uniform(-1, 1, n) + 1j * rng.uniform(-1, 1, n)).astype(dtype)
            A, x = getattr(kaldra, "mat" + letter)(m, n), getattr(kaldra, "vec" + letter)(n)
            for j in range(n):
                for i in range(m):
                    A[i, j] = complex(values[i, j])
            for i in range(n):
                x[i] = complex(rhs[i])
            kaldra.ls(A, x)
            wide = values.astype(np.complex128)
            solution = np.linalg.lstsq(wide, rhs[:m].astype(np.complex128), rcond=None)[0]
            got = np.array([x[i] for i in range(n)])
            assert np.linalg.norm(got - solution) <= tol * np.linalg.norm(solution)
            # A holds the factorization: its lower triangle L gives L L^H = A A^H.
            factored = np.array([[A[i, j] for j in range(m)] for i in range(m)])
            L = np.tril(factored)
            gram = wide @ wide.conj().T
            assert np.linalg.norm(L @ L.conj().T - gram) <= tol * np.linalg.norm(gram)


@pytest.mark.parametrize("letter", "sdcz")
def test_ls_refuses_an_infinity_in_a_before_the_driver_sees_it(letter):
    # An infinity in A left the driver a factor of NaN and zeros; its own singularity check named the
    # NaN diagonal element 0 instead of the zero one, 1, and builds differed (found by the fuzzer). A
    # non-finite A no longer reaches the driver at all.
    A, x = getattr(kaldra, "mat" + letter)(2, 4), getattr(kaldra, "vec" + letter)(4)
    rows = [[-1.5, -3.75, -0.0, math.inf], [-0.5, 0.375, -2.25, 1.25]]
    for i, row in enumerate(rows):
        for j, value in enumerate(row):
            A[i, j] = value
    for i in range(4):
        x[i] = i + 1.0
    with pytest.raises(RuntimeError) as error:
        kaldra.ls(A, x)
    assert str(error.value) == "In ls, matrix A has a NaN or infinite element at row 0, column 3"
    assert [x[i] for i in range(4)] == [1, 2, 3, 4]
