"""Typed use of kaldra and kaldra_numpy, as an editor or type checker sees it through the stubs.

Not a test module: tests/python/test_stubs.py runs mypy --strict over this file and expects no error.
"""

from typing import assert_type

import numpy as np
import numpy.typing as npt

import kaldra
import kaldra_numpy

x = kaldra.vecd(3)
x[0] = 1.0
view = x[1:3]
assert_type(view, kaldra.viewd)
assert_type(view[0], float)
assert_type(kaldra.scale(2.0, view), kaldra.viewd)
assert_type(kaldra.scale(2, x), kaldra.vecd)
assert_type(kaldra.dot(x, x), float)
assert_type(kaldra.axpy(0.5, view, x[0:2]), kaldra.viewd)
assert_type(kaldra.swap(x, x), None)
assert_type(list(x), list[float])
assert_type(max(view), float)
first, second = view
assert_type(second, float)

z = kaldra.vecz(2)
z[1] = 1 - 2j
assert_type(z[1], complex)
assert_type(kaldra.hdot(z, z), complex)
assert_type(kaldra.scale(2.0, z), kaldra.vecz)
assert_type([value for value in z[0:1]], list[complex])

A = kaldra.mats(2, 2)
A[0, 1] = 3.0
assert_type(A[0, 1], float)
assert_type(A.dim(0), int)
assert_type(kaldra.gemm(1.0, 0.0, A, A, kaldra.mats(2, 2)), kaldra.mats)
assert_type(kaldra.matvec(A, kaldra.vecs(2), kaldra.vecs(2)), kaldra.vecs)
assert_type(kaldra.ls(A, kaldra.vecs(2)), None)

assert_type(kaldra_numpy.asarray(x), np.ndarray[tuple[int], np.dtype[np.float64]])
assert_type(kaldra_numpy.asarray(view), np.ndarray[tuple[int], np.dtype[np.float64]])
assert_type(kaldra_numpy.asarray(kaldra.matc(2, 2)), np.ndarray[tuple[int, int], np.dtype[np.complex64]])

data: npt.NDArray[np.float64] = np.linspace(0.0, 1.0, 3)
c = kaldra_numpy.from_array(data)
if isinstance(c, kaldra.vecd):
    assert_type(kaldra_numpy.assign(c, data), None)
kaldra_numpy.assign(x, kaldra_numpy.asarray(x)[::-1])
kaldra_numpy.assign(c=x, a=kaldra_numpy.asarray(c=x))

M = np.zeros((2, 3))
assert_type(kaldra.gemv(1.0, 0.0, kaldra_numpy.from_array(M, kaldra.matd), x, kaldra.vecd(2)), kaldra.vecd)
assert_type(kaldra_numpy.from_array(data, kaldra.vecd), kaldra.vecd)
assert_type(kaldra_numpy.from_array(a=np.ones((2, 2), np.complex64), cls=kaldra.matc), kaldra.matc)

stackA: npt.NDArray[np.float64] = np.ones((5, 3, 2))
stackB: npt.NDArray[np.float64] = np.ones((5, 3))
status = kaldra_numpy.ls_batch(stackA, stackB)
assert_type(status, np.ndarray[tuple[int], np.dtype[np.int8]])
Y = kaldra_numpy.gemm_batch(1.0, 0.0, stackA, np.ones((2, 2)), np.zeros((5, 3, 2)))
assert_type(Y, np.ndarray[tuple[int, int, int], np.dtype[np.float64]])
ys = kaldra_numpy.gemv_batch(
    1, 0, np.ones((3, 2), np.complex64), np.ones((5, 2), np.complex64), np.ones((5, 3), np.complex64)
)
assert_type(ys, np.ndarray[tuple[int, int], np.dtype[np.complex64]])
