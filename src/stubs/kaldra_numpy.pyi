# Generated from the built module by scripts/generate-stubs; do not edit by hand.
"""
NumPy arrays to and from kaldra containers: asarray (an array over a container's storage, no copy), from_array
(a new container holding a copy of an array) and assign (copy an array into an existing container); and many
small problems of stacked arrays in one call: gemm_batch, gemv_batch and ls_batch.
"""
from __future__ import annotations
import kaldra
import numpy
import typing
__all__: list[str] = ['asarray', 'assign', 'from_array', 'gemm_batch', 'gemv_batch', 'ls_batch']
@typing.overload
def asarray(c: kaldra.vecs) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.views) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.mats) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.vecd) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.viewd) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.matd) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.vecc) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.viewc) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.matc) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.vecz) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.viewz) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def asarray(c: kaldra.matz) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]:
    """
    A writable NumPy array over c's storage, without a copy: shape (numel,) for a vector or view, (rows, cols)
    in Fortran order for a matrix; dtype float32, float64, complex64 or complex128 by class.

    Writes are seen both ways, and the array keeps the storage alive after every kaldra object is gone.
    numpy.asarray(c) is not this: it wraps c in a 0-d object array. TypeError for an object that is not a kaldra
    container, or one made by __new__ without __init__; ValueError for a matrix whose shape no NumPy array can
    have.
    """
@typing.overload
def assign(c: kaldra.vecs, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.views, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.mats, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.vecd, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.viewd, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.matd, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.vecc, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.viewc, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.matc, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.vecz, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.viewz, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def assign(c: kaldra.matz, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]) -> None:
    """
    Copies the elements of a into the existing container c (of a view: its range only); returns None.

    a must have exactly c's shape ((numel,) for a vector or view, (rows, cols) for a matrix) and dtype:
    ValueError or TypeError before anything is written otherwise. An array that overlaps c, such as
    kaldra_numpy.asarray(c)[::-1], is copied as if through a temporary.
    """
@typing.overload
def from_array(a: numpy.ndarray, cls: None = None) -> kaldra.vecs | kaldra.vecd | kaldra.vecc | kaldra.vecz | kaldra.mats | kaldra.matd | kaldra.matc | kaldra.matz:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]], cls: type[kaldra.vecs]) -> kaldra.vecs:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]], cls: type[kaldra.mats]) -> kaldra.mats:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]], cls: type[kaldra.vecd]) -> kaldra.vecd:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]], cls: type[kaldra.matd]) -> kaldra.matd:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]], cls: type[kaldra.vecc]) -> kaldra.vecc:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]], cls: type[kaldra.matc]) -> kaldra.matc:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]], cls: type[kaldra.vecz]) -> kaldra.vecz:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]], cls: type[kaldra.matz]) -> kaldra.matz:
    """
    A new container holding a copy of a's elements (any strides or order).

    Without cls, a 1-D array gives a vector and a 2-D array a matrix, of the class of its dtype (float32 s,
    float64 d, complex64 c, complex128 z). With cls a vector or matrix class, or a subclass of one, the result
    is of exactly that class (a subclass's own __new__ and __init__ do not run), and a must have its dtype and
    number of dimensions. TypeError for another dtype or a non-native byte order, an object that is not an
    array, or a view class as cls; ValueError for another number of dimensions.
    """
@typing.overload
def gemm_batch(a: float, b: float, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float32]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]], X: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float32]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]], Y: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float32]]) -> numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float32]]:
    """
    Y[k] <- a * (A[k] @ X[k]) + b * Y[k] for every k, in place, in one call; returns Y itself.

    Y is a stack of matrices of shape (G, m, n); A of (G, m, k) and X of (G, k, n), or either one matrix without
    the first dimension that every product uses. All arrays have one dtype (float32, float64, complex64 or
    complex128, nothing is converted) and hold each matrix as one contiguous block in C order or Fortran order,
    the blocks one after another (a C-contiguous array, or numpy.swapaxes of one); Y is writable. a and b are
    numbers of the dtype (a complex one for real arrays is a TypeError). As in kaldra.gemm: with a = 0 or k = 0,
    A and X are not read; b = 0 overwrites Y whatever it held; Y may share memory with A or X, which are then
    read as they were before the call. Refused before anything is written, with a message naming the array and
    what to do: another type or dtype (TypeError); another number of dimensions, problem count or matching
    dimension, another layout, an unaligned or read-only Y (ValueError).
    """
@typing.overload
def gemm_batch(a: float, b: float, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float64]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]], X: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float64]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]], Y: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float64]]) -> numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float64]]:
    """
    Y[k] <- a * (A[k] @ X[k]) + b * Y[k] for every k, in place, in one call; returns Y itself.

    Y is a stack of matrices of shape (G, m, n); A of (G, m, k) and X of (G, k, n), or either one matrix without
    the first dimension that every product uses. All arrays have one dtype (float32, float64, complex64 or
    complex128, nothing is converted) and hold each matrix as one contiguous block in C order or Fortran order,
    the blocks one after another (a C-contiguous array, or numpy.swapaxes of one); Y is writable. a and b are
    numbers of the dtype (a complex one for real arrays is a TypeError). As in kaldra.gemm: with a = 0 or k = 0,
    A and X are not read; b = 0 overwrites Y whatever it held; Y may share memory with A or X, which are then
    read as they were before the call. Refused before anything is written, with a message naming the array and
    what to do: another type or dtype (TypeError); another number of dimensions, problem count or matching
    dimension, another layout, an unaligned or read-only Y (ValueError).
    """
@typing.overload
def gemm_batch(a: complex, b: complex, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex64]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]], X: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex64]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]], Y: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex64]]) -> numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex64]]:
    """
    Y[k] <- a * (A[k] @ X[k]) + b * Y[k] for every k, in place, in one call; returns Y itself.

    Y is a stack of matrices of shape (G, m, n); A of (G, m, k) and X of (G, k, n), or either one matrix without
    the first dimension that every product uses. All arrays have one dtype (float32, float64, complex64 or
    complex128, nothing is converted) and hold each matrix as one contiguous block in C order or Fortran order,
    the blocks one after another (a C-contiguous array, or numpy.swapaxes of one); Y is writable. a and b are
    numbers of the dtype (a complex one for real arrays is a TypeError). As in kaldra.gemm: with a = 0 or k = 0,
    A and X are not read; b = 0 overwrites Y whatever it held; Y may share memory with A or X, which are then
    read as they were before the call. Refused before anything is written, with a message naming the array and
    what to do: another type or dtype (TypeError); another number of dimensions, problem count or matching
    dimension, another layout, an unaligned or read-only Y (ValueError).
    """
@typing.overload
def gemm_batch(a: complex, b: complex, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex128]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]], X: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex128]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]], Y: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex128]]) -> numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex128]]:
    """
    Y[k] <- a * (A[k] @ X[k]) + b * Y[k] for every k, in place, in one call; returns Y itself.

    Y is a stack of matrices of shape (G, m, n); A of (G, m, k) and X of (G, k, n), or either one matrix without
    the first dimension that every product uses. All arrays have one dtype (float32, float64, complex64 or
    complex128, nothing is converted) and hold each matrix as one contiguous block in C order or Fortran order,
    the blocks one after another (a C-contiguous array, or numpy.swapaxes of one); Y is writable. a and b are
    numbers of the dtype (a complex one for real arrays is a TypeError). As in kaldra.gemm: with a = 0 or k = 0,
    A and X are not read; b = 0 overwrites Y whatever it held; Y may share memory with A or X, which are then
    read as they were before the call. Refused before anything is written, with a message naming the array and
    what to do: another type or dtype (TypeError); another number of dimensions, problem count or matching
    dimension, another layout, an unaligned or read-only Y (ValueError).
    """
@typing.overload
def gemv_batch(a: float, b: float, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float32]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]], x: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]] | numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]], y: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]:
    """
    y[k] <- a * (A[k] @ x[k]) + b * y[k] for every k, in place, in one call; returns y itself.

    y is a stack of vectors of shape (G, m); A of (G, m, n) or one matrix of (m, n) for every problem (then the
    whole batch is one matrix product), x of (G, n) or one vector of (n,). The rules of gemm_batch hold: one
    dtype, each problem one contiguous block in C or Fortran order, y writable, a = 0 or n = 0 reads neither A
    nor x, b = 0 overwrites y, y may share memory with A or x; refusals name the array and write nothing.
    """
@typing.overload
def gemv_batch(a: float, b: float, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float64]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]], x: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]] | numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]], y: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]:
    """
    y[k] <- a * (A[k] @ x[k]) + b * y[k] for every k, in place, in one call; returns y itself.

    y is a stack of vectors of shape (G, m); A of (G, m, n) or one matrix of (m, n) for every problem (then the
    whole batch is one matrix product), x of (G, n) or one vector of (n,). The rules of gemm_batch hold: one
    dtype, each problem one contiguous block in C or Fortran order, y writable, a = 0 or n = 0 reads neither A
    nor x, b = 0 overwrites y, y may share memory with A or x; refusals name the array and write nothing.
    """
@typing.overload
def gemv_batch(a: complex, b: complex, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex64]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]], x: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]] | numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]], y: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]:
    """
    y[k] <- a * (A[k] @ x[k]) + b * y[k] for every k, in place, in one call; returns y itself.

    y is a stack of vectors of shape (G, m); A of (G, m, n) or one matrix of (m, n) for every problem (then the
    whole batch is one matrix product), x of (G, n) or one vector of (n,). The rules of gemm_batch hold: one
    dtype, each problem one contiguous block in C or Fortran order, y writable, a = 0 or n = 0 reads neither A
    nor x, b = 0 overwrites y, y may share memory with A or x; refusals name the array and write nothing.
    """
@typing.overload
def gemv_batch(a: complex, b: complex, A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex128]] | numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]], x: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]] | numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]], y: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]:
    """
    y[k] <- a * (A[k] @ x[k]) + b * y[k] for every k, in place, in one call; returns y itself.

    y is a stack of vectors of shape (G, m); A of (G, m, n) or one matrix of (m, n) for every problem (then the
    whole batch is one matrix product), x of (G, n) or one vector of (n,). The rules of gemm_batch hold: one
    dtype, each problem one contiguous block in C or Fortran order, y writable, a = 0 or n = 0 reads neither A
    nor x, b = 0 overwrites y, y may share memory with A or x; refusals name the array and write nothing.
    """
@typing.overload
def ls_batch(A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float32]], B: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.int8]]:
    """
    Solves G least-squares problems in place, as kaldra.ls solves one: for A of shape (G, m, n) and B of (G, p),
    p >= max(m, n), B[k, :n] receives the s that minimises |A[k] @ s - B[k, :m]| (m >= n) or the minimum-norm
    solution (m < n), and A[k] its QR (or LQ) factorization. Returns the status of every problem, an int8 array
    of shape (G,).

    Status 0: solved. A problem that kaldra.ls would refuse is refused alone, and the others are solved: 1, A[k]
    holds a NaN or an infinity (A[k] is not changed); 2, the right-hand side B[k, :m] does (A[k] is not
    changed); 3, A[k] is not of full rank, by ls's rank threshold (A[k] holds the factorization). The solution
    elements B[k, :n] of a refused problem are NaN, so that none can pass for a solution. m x 0 problems keep B;
    0 x n ones get B[k, :n] = 0. Both arrays are written: writable, of one dtype, each problem one contiguous
    block in C or Fortran order, not sharing memory. A call whose arrays are refused (TypeError, ValueError,
    with a message naming the array) writes nothing.
    """
@typing.overload
def ls_batch(A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.float64]], B: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.int8]]:
    """
    Solves G least-squares problems in place, as kaldra.ls solves one: for A of shape (G, m, n) and B of (G, p),
    p >= max(m, n), B[k, :n] receives the s that minimises |A[k] @ s - B[k, :m]| (m >= n) or the minimum-norm
    solution (m < n), and A[k] its QR (or LQ) factorization. Returns the status of every problem, an int8 array
    of shape (G,).

    Status 0: solved. A problem that kaldra.ls would refuse is refused alone, and the others are solved: 1, A[k]
    holds a NaN or an infinity (A[k] is not changed); 2, the right-hand side B[k, :m] does (A[k] is not
    changed); 3, A[k] is not of full rank, by ls's rank threshold (A[k] holds the factorization). The solution
    elements B[k, :n] of a refused problem are NaN, so that none can pass for a solution. m x 0 problems keep B;
    0 x n ones get B[k, :n] = 0. Both arrays are written: writable, of one dtype, each problem one contiguous
    block in C or Fortran order, not sharing memory. A call whose arrays are refused (TypeError, ValueError,
    with a message naming the array) writes nothing.
    """
@typing.overload
def ls_batch(A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex64]], B: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.int8]]:
    """
    Solves G least-squares problems in place, as kaldra.ls solves one: for A of shape (G, m, n) and B of (G, p),
    p >= max(m, n), B[k, :n] receives the s that minimises |A[k] @ s - B[k, :m]| (m >= n) or the minimum-norm
    solution (m < n), and A[k] its QR (or LQ) factorization. Returns the status of every problem, an int8 array
    of shape (G,).

    Status 0: solved. A problem that kaldra.ls would refuse is refused alone, and the others are solved: 1, A[k]
    holds a NaN or an infinity (A[k] is not changed); 2, the right-hand side B[k, :m] does (A[k] is not
    changed); 3, A[k] is not of full rank, by ls's rank threshold (A[k] holds the factorization). The solution
    elements B[k, :n] of a refused problem are NaN, so that none can pass for a solution. m x 0 problems keep B;
    0 x n ones get B[k, :n] = 0. Both arrays are written: writable, of one dtype, each problem one contiguous
    block in C or Fortran order, not sharing memory. A call whose arrays are refused (TypeError, ValueError,
    with a message naming the array) writes nothing.
    """
@typing.overload
def ls_batch(A: numpy.ndarray[tuple[int, int, int], numpy.dtype[numpy.complex128]], B: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.int8]]:
    """
    Solves G least-squares problems in place, as kaldra.ls solves one: for A of shape (G, m, n) and B of (G, p),
    p >= max(m, n), B[k, :n] receives the s that minimises |A[k] @ s - B[k, :m]| (m >= n) or the minimum-norm
    solution (m < n), and A[k] its QR (or LQ) factorization. Returns the status of every problem, an int8 array
    of shape (G,).

    Status 0: solved. A problem that kaldra.ls would refuse is refused alone, and the others are solved: 1, A[k]
    holds a NaN or an infinity (A[k] is not changed); 2, the right-hand side B[k, :m] does (A[k] is not
    changed); 3, A[k] is not of full rank, by ls's rank threshold (A[k] holds the factorization). The solution
    elements B[k, :n] of a refused problem are NaN, so that none can pass for a solution. m x 0 problems keep B;
    0 x n ones get B[k, :n] = 0. Both arrays are written: writable, of one dtype, each problem one contiguous
    block in C or Fortran order, not sharing memory. A call whose arrays are refused (TypeError, ValueError,
    with a message naming the array) writes nothing.
    """
