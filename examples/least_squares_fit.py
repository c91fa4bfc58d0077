"""Least-squares fit of noisy data: a quadratic through 200 noisy samples, solved by kaldra.ls.

The data are made with NumPy and moved into kaldra in one call each (kaldra_numpy.from_array); the
solution is read back without a copy (kaldra_numpy.asarray).

Needs NumPy besides kaldra: pip install 'kaldra[numpy]'.
"""

import math

import numpy as np

import kaldra
import kaldra_numpy

rng = np.random.default_rng(2024)
t = np.linspace(-1.0, 1.0, 200)
truth = np.array([0.5, -1.25, 2.0])  # y = 0.5 - 1.25 t + 2 t^2
y = truth[0] + truth[1] * t + truth[2] * t**2 + rng.normal(scale=0.05, size=t.size)

design = np.vander(t, 3, increasing=True)  # columns 1, t, t^2
# The class argument says what each becomes, for the reader and for a type checker: without it the
# result is typed as any of kaldra's vector and matrix classes, which no operation takes.
A = kaldra_numpy.from_array(design, kaldra.matd)  # a matd of 200 x 3, stored column by column
b = kaldra_numpy.from_array(y, kaldra.vecd)  # a vecd of 200

# ls overwrites A with its QR factorization and the first 3 elements of b with the coefficients.
kaldra.ls(A, b)
coefficients = kaldra_numpy.asarray(b)[:3].copy()
print("fitted coefficients:", np.array2string(coefficients, precision=4))
print("true coefficients:  ", truth)

# The residual r = design * c - y with gemv, on fresh copies (A now holds the factorization).
c = kaldra_numpy.from_array(coefficients, kaldra.vecd)
r = kaldra_numpy.from_array(y, kaldra.vecd)
kaldra.gemv(1.0, -1.0, kaldra_numpy.from_array(design, kaldra.matd), c, r)
rms = math.sqrt(kaldra.dot(r, r) / r.numel())
print(f"rms residual: {rms:.4f} (noise level 0.05)")

reference = np.linalg.lstsq(design, y, rcond=None)[0]
assert np.allclose(coefficients, reference, rtol=1e-10, atol=1e-12)
assert np.allclose(coefficients, truth, atol=0.05)
assert 0.03 < rms < 0.07
