"""Faults found by the differential fuzzer and the sanitizer runs, one test each."""

import math

import pytest

import kaldra


@pytest.mark.parametrize("mat", [kaldra.matc, kaldra.matz], ids=lambda c: c.__name__)
@pytest.mark.parametrize("b", [complex(0, math.nan), complex(-0.0, math.nan), complex(math.nan, 0)],
                         ids=["0+nanj", "-0+nanj", "nan+0j"])
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
