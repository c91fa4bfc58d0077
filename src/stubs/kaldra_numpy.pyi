# Generated from the built module by scripts/generate-stubs; do not edit by hand.
"""
NumPy arrays to and from kaldra containers: asarray (an array over a container's storage, no copy), from_array
(a new container holding a copy of an array) and assign (copy an array into an existing container).
"""
from __future__ import annotations
import kaldra
import numpy
import typing
__all__: list[str] = ['asarray', 'assign', 'from_array']
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
