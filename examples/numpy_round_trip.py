"""NumPy and kaldra side by side: copies in (from_array, assign), views out (asarray), no element loops.

Needs NumPy besides kaldra: pip install 'kaldra[numpy]'.
"""

import gc

import numpy as np

import kaldra
import kaldra_numpy

# In: from_array copies any layout. A row-major (C-order) NumPy array becomes a column-major matd.
grid = np.arange(12.0).reshape(3, 4)
M = kaldra_numpy.from_array(grid, kaldra.matd)
print(type(M).__name__, M.dim(0), "x", M.dim(1), "; M[2, 1] =", M[2, 1])

# Out: asarray shares the container's storage. Writes through either side are seen by the other.
m = kaldra_numpy.asarray(M)  # shape (3, 4), Fortran order, dtype float64, no copy
m[0, 0] = -1.0
M[2, 3] = 99.0
assert M[0, 0] == -1.0 and m[2, 3] == 99.0
kaldra.scale(2.0, M)  # kaldra works in place; the array shows the result
assert m[2, 3] == 198.0

# Views: asarray of a view covers exactly its range; assign fills a range from an array.
x = kaldra.vecz(6)  # complex128 elements
middle = x[2:5]
kaldra_numpy.assign(middle, np.array([1 + 1j, 2 - 2j, 3j]))
print("x =", kaldra_numpy.asarray(x))
kaldra_numpy.asarray(middle)[:] *= 2  # doubles x[2], x[3] and x[4]
assert x[3] == 4 - 4j and x[0] == 0

# The array keeps the storage alive after every kaldra object is gone.
values = kaldra_numpy.asarray(middle)
del x, middle
gc.collect()
print("still readable:", values)

# Mismatches are refused before anything is written: a wrong length, and a wrong dtype (float64 into a
# vecs), which a type checker reports before the program runs, hence the ignore comment.
v = kaldra_numpy.from_array(np.ones(3, dtype=np.float32), kaldra.vecs)
for bad in (np.zeros(4, dtype=np.float32), np.zeros(3)):
    try:
        kaldra_numpy.assign(v, bad)  # type: ignore[arg-type]
    except (TypeError, ValueError) as error:
        print(type(error).__name__ + ":", error)
assert kaldra_numpy.asarray(v).tolist() == [1.0, 1.0, 1.0]
