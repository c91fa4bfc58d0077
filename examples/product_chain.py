"""A chain of products, y = A (B (C x)), and the matrix product D = A B C, all in place.

kaldra's operations write into containers the caller owns and hand the output back, so a chain needs
one container per intermediate result and no hidden temporaries.

Needs NumPy besides kaldra: pip install 'kaldra[numpy]'.
"""

import numpy as np

import kaldra
import kaldra_numpy

rng = np.random.default_rng(5)
a, b, c = rng.standard_normal((4, 6)), rng.standard_normal((6, 5)), rng.standard_normal((5, 3))
xs = rng.standard_normal(3)
A, B, C = (kaldra_numpy.from_array(m, kaldra.matd) for m in (a, b, c))
x = kaldra_numpy.from_array(xs, kaldra.vecd)

# Right to left, matrix times vector: three products of a matrix with a vector.
u, v, y = kaldra.vecd(5), kaldra.vecd(6), kaldra.vecd(4)  # zero on creation
kaldra.matvec(C, x, u)  # u <- C x + u
kaldra.matvec(B, u, v)  # v <- B u + v
kaldra.gemv(1.0, 0.0, A, v, y)  # y <- 1 A v + 0 y
print("y = A B C x =", np.array2string(kaldra_numpy.asarray(y), precision=4))
assert np.allclose(kaldra_numpy.asarray(y), a @ b @ c @ xs)

# The matrices themselves: BC first, then A(BC); gemm scales and accumulates in the same call.
BC, D = kaldra.matd(6, 3), kaldra.matd(4, 3)
kaldra.matmul(B, C, BC)  # BC <- B C + BC
assert kaldra.gemm(1.0, 0.0, A, BC, D) is D  # D <- A (BC); the output itself comes back
assert np.allclose(kaldra_numpy.asarray(D), a @ b @ c)
kaldra.gemm(-1.0, 1.0, A, BC, D)  # D <- D - A (BC) = 0
print("max |D - ABC| after subtracting:", np.abs(kaldra_numpy.asarray(D)).max())

# Shapes are checked before anything is computed: the output keeps its contents.
try:
    kaldra.matmul(B, A, D)
except RuntimeError as error:
    print("refused:", error)
else:
    raise AssertionError("matmul accepted matrices of mismatched sizes")
