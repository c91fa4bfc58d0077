"""The main job of kaldra in a few lines: containers, views and in-place BLAS operations.

Needs nothing besides kaldra.
"""

import kaldra

# A 2 x 3 matrix, a vector of 3 and a vector of 2, all zero on creation.
A = kaldra.matd(2, 3)
for i in range(2):
    for j in range(3):
        A[i, j] = float(1 + j + 3 * i)
x = kaldra.vecd(3)
for i in range(3):
    x[i] = 1.0
y = kaldra.vecd(2)

# y <- 1.0 * A x + 0.0 * y, in place; the result is y itself.
assert kaldra.gemv(1.0, 0.0, A, x, y) is y
print(A)
print(y)

# A view shares storage with its vector: scaling the view scales part of x.
kaldra.scale(10.0, x[1:3])
print(x)
print("x . x =", kaldra.dot(x, x))

# Least squares: fit s minimising |B s - b| for an overdetermined system.
B = kaldra.matd(3, 2)
B[0, 0], B[1, 1], B[2, 0], B[2, 1] = 1.0, 1.0, 1.0, 1.0
b = kaldra.vecd(3)
b[0], b[1] = 1.0, 1.0
kaldra.ls(B, b)
print("least-squares solution:", b[0], b[1])
