# Generated from the built module by scripts/generate-stubs; do not edit by hand.
from __future__ import annotations
import kaldra
import numpy
import typing
__all__: list[str] = ['asarray', 'assign', 'from_array']
@typing.overload
def asarray(c: kaldra.vecs) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.views) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.mats) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.vecd) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.viewd) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.matd) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.vecc) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.viewc) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.matc) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.vecz) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.viewz) -> numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def asarray(c: kaldra.matz) -> numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]:
    """
    A writable NumPy array over the storage of c, without a copy; it keeps the storage alive.
    """
@typing.overload
def assign(c: kaldra.vecs, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.views, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.mats, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.vecd, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.viewd, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.matd, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.vecc, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.viewc, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.matc, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.vecz, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.viewz, a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def assign(c: kaldra.matz, a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]]) -> None:
    """
    Copy the elements of a into c; a must have c's shape and element type.
    """
@typing.overload
def from_array(a: numpy.ndarray, cls: None = None) -> kaldra.vecs | kaldra.vecd | kaldra.vecc | kaldra.vecz | kaldra.mats | kaldra.matd | kaldra.matc | kaldra.matz:
    """
    A new vector (from a 1-D array) or matrix (from a 2-D array) holding a copy of a's elements.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float32]], cls: type[kaldra.vecs]) -> kaldra.vecs:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float32]], cls: type[kaldra.mats]) -> kaldra.mats:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.float64]], cls: type[kaldra.vecd]) -> kaldra.vecd:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.float64]], cls: type[kaldra.matd]) -> kaldra.matd:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex64]], cls: type[kaldra.vecc]) -> kaldra.vecc:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex64]], cls: type[kaldra.matc]) -> kaldra.matc:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int], numpy.dtype[numpy.complex128]], cls: type[kaldra.vecz]) -> kaldra.vecz:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
@typing.overload
def from_array(a: numpy.ndarray[tuple[int, int], numpy.dtype[numpy.complex128]], cls: type[kaldra.matz]) -> kaldra.matz:
    """
    A new instance of cls holding a copy of a's elements; a must have cls's element type and number of dimensions. An instance of a subclass is made without running a __new__ or __init__ of its own.
    """
