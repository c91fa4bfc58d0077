# Generated from the built module by scripts/generate-stubs; do not edit by hand.
"""
Dense linear algebra on vectors and matrices of float32 (s), float64 (d), complex64 (c) and complex128 (z)
elements, computed by BLAS and LAPACK.

Containers: vec<letter>(n), mat<letter>(numRows, numCols) stored column by column, and views x[i:j] that share a
vector's storage. The functions work in place on the containers passed in and return the output container itself
(dot and hdot a number, swap and ls None). Arguments go by position only, and all containers of one call have
one element type: a call that fits no overload (a vecs with a vecd, a keyword argument, an object that is not a
kaldra container) raises TypeError and changes nothing.
"""
from __future__ import annotations
import typing
__all__: list[str] = ['OutOfRangeError', 'axpy', 'copy', 'dot', 'gemm', 'gemv', 'hdot', 'ls', 'matc', 'matd', 'matmul', 'mats', 'matvec', 'matz', 'scale', 'sum', 'swap', 'vecc', 'vecd', 'vecs', 'vecz', 'viewc', 'viewd', 'views', 'viewz']
class vecs:
    """
    A vector of n float32 elements, zero when made: vecs(n); each element is a Python float.

    x[i] reads and writes element i, 0 <= i < x.numel(); x[i:j] gives a view (class views) onto elements i to
    j - 1 that shares the storage (no copy; step 1 only). for-loops, list(x) and unpacking give the elements in
    order. No len() (use x.numel()), no negative indices, no arithmetic operators, and == compares identity: the
    operations are the module's functions, which work in place (kaldra.scale(2.0, x); kaldra.sum(x, y) adds x
    into y). numpy.asarray(x) wraps x in a 0-d object array: kaldra_numpy.asarray(x) is the array of its
    elements. Pickling and the copy module refuse containers (TypeError); kaldra.copy copies elements into
    another one.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> float:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class views) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> views:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class views) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __init__(self, size: int, /) -> None:
        """
        A new vector of size elements, all zero.

        size is a non-negative int (a negative number or a float is a TypeError). MemoryError when the storage
        cannot be allocated.
        """
    def __iter__(self, /) -> typing.Iterator[float]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python float.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: float, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class views:
    """
    A view onto a run of elements of a vecs (or of another view): made by slicing, x[i:j]; it has no
    constructor.

    It shares that storage: writes through the view are seen by the vector and by every other view over those
    elements, and the other way round, and it keeps the storage alive after the vector is gone. Its indices and
    slices count from its own first element, up to its own numel(). Otherwise it is used as a vecs: each element
    is a Python float, no len(), no negative indices, == compares identity, and the module's functions take it
    wherever they take a vector.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> float:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class views) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> views:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class views) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __iter__(self, /) -> typing.Iterator[float]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python float.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: float, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class mats:
    """
    A matrix of numRows x numCols float32 elements, zero when made: mats(numRows, numCols), stored column by
    column (column-major); each element is a Python float.

    A[i, j] reads and writes element (i, j), both counted from 0 (no negative indices, no slices, no rows A[i]).
    A.dim(0) and A.dim(1) are its row and column counts, A.numel() their product; no len() or shape, and ==
    compares identity. Where a function takes any container, a matrix counts as its elements in column-major
    order (gemv and matvec: as its first column). kaldra_numpy.asarray(A) is a (rows, cols) NumPy array over its
    storage.
    """
    def __getitem__(self, idx: tuple[int, int], /) -> float:
        """
        A[i, j]: element (i, j) as a new Python float (a copy of its value).

        The index is a tuple of two non-negative ints; a negative index, a single int or a list is a TypeError.
        Past the end raises kaldra.OutOfRangeError (a RuntimeError and an IndexError) with the message
        "requested array index Lexceeds max number of elements N" for the position L = i + j * rows past N =
        numel(), else "index for dimension 0Iexceeds max number of elements for that dimension R" for a row
        index I past the R rows (numbers and words are joined so).
        """
    def __init__(self, numRows: int, numCols: int, /) -> None:
        """
        A new numRows x numCols matrix, all zero.

        Both are non-negative ints (a negative number or a float is a TypeError). OverflowError "matrix of size
        (r, c) has more elements than a size_t can count" when their product does not fit; MemoryError when the
        storage cannot be allocated.
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Matrix of size: (r, c)", then one line "[e0, e1, ...]" per row, each element in
        scientific notation with 14 digits after the point; a row of more than four columns shows its first
        three elements, "..." and its last.
        """
    def __setitem__(self, idx: tuple[int, int], value: float, /) -> None:
        """
        A[i, j] = value: writes element (i, j).

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex matrix also a
        complex (a complex value for a real matrix is a TypeError); single precision stores it rounded. The
        index rules are those of A[i, j]: past the end raises kaldra.OutOfRangeError, a negative index is a
        TypeError.
        """
    def dim(self, idx: int, /) -> int:
        """
        The row count (idx 0) or the column count (idx 1). Any other idx raises RuntimeError "dimension idx
        invalid for matrix".
        """
    def numel(self, /) -> int:
        """
        The number of elements, rows * columns; kaldra containers have no len().
        """
class vecd:
    """
    A vector of n float64 elements, zero when made: vecd(n); each element is a Python float.

    x[i] reads and writes element i, 0 <= i < x.numel(); x[i:j] gives a view (class viewd) onto elements i to
    j - 1 that shares the storage (no copy; step 1 only). for-loops, list(x) and unpacking give the elements in
    order. No len() (use x.numel()), no negative indices, no arithmetic operators, and == compares identity: the
    operations are the module's functions, which work in place (kaldra.scale(2.0, x); kaldra.sum(x, y) adds x
    into y). numpy.asarray(x) wraps x in a 0-d object array: kaldra_numpy.asarray(x) is the array of its
    elements. Pickling and the copy module refuse containers (TypeError); kaldra.copy copies elements into
    another one.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> float:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class viewd) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> viewd:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class viewd) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __init__(self, size: int, /) -> None:
        """
        A new vector of size elements, all zero.

        size is a non-negative int (a negative number or a float is a TypeError). MemoryError when the storage
        cannot be allocated.
        """
    def __iter__(self, /) -> typing.Iterator[float]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python float.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: float, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class viewd:
    """
    A view onto a run of elements of a vecd (or of another view): made by slicing, x[i:j]; it has no
    constructor.

    It shares that storage: writes through the view are seen by the vector and by every other view over those
    elements, and the other way round, and it keeps the storage alive after the vector is gone. Its indices and
    slices count from its own first element, up to its own numel(). Otherwise it is used as a vecd: each element
    is a Python float, no len(), no negative indices, == compares identity, and the module's functions take it
    wherever they take a vector.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> float:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class viewd) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> viewd:
        """
        x[i]: element i as a new Python float (a copy of its value); x[i:j]: a view (class viewd) onto elements
        i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __iter__(self, /) -> typing.Iterator[float]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python float.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: float, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class matd:
    """
    A matrix of numRows x numCols float64 elements, zero when made: matd(numRows, numCols), stored column by
    column (column-major); each element is a Python float.

    A[i, j] reads and writes element (i, j), both counted from 0 (no negative indices, no slices, no rows A[i]).
    A.dim(0) and A.dim(1) are its row and column counts, A.numel() their product; no len() or shape, and ==
    compares identity. Where a function takes any container, a matrix counts as its elements in column-major
    order (gemv and matvec: as its first column). kaldra_numpy.asarray(A) is a (rows, cols) NumPy array over its
    storage.
    """
    def __getitem__(self, idx: tuple[int, int], /) -> float:
        """
        A[i, j]: element (i, j) as a new Python float (a copy of its value).

        The index is a tuple of two non-negative ints; a negative index, a single int or a list is a TypeError.
        Past the end raises kaldra.OutOfRangeError (a RuntimeError and an IndexError) with the message
        "requested array index Lexceeds max number of elements N" for the position L = i + j * rows past N =
        numel(), else "index for dimension 0Iexceeds max number of elements for that dimension R" for a row
        index I past the R rows (numbers and words are joined so).
        """
    def __init__(self, numRows: int, numCols: int, /) -> None:
        """
        A new numRows x numCols matrix, all zero.

        Both are non-negative ints (a negative number or a float is a TypeError). OverflowError "matrix of size
        (r, c) has more elements than a size_t can count" when their product does not fit; MemoryError when the
        storage cannot be allocated.
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Matrix of size: (r, c)", then one line "[e0, e1, ...]" per row, each element in
        scientific notation with 14 digits after the point; a row of more than four columns shows its first
        three elements, "..." and its last.
        """
    def __setitem__(self, idx: tuple[int, int], value: float, /) -> None:
        """
        A[i, j] = value: writes element (i, j).

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex matrix also a
        complex (a complex value for a real matrix is a TypeError); single precision stores it rounded. The
        index rules are those of A[i, j]: past the end raises kaldra.OutOfRangeError, a negative index is a
        TypeError.
        """
    def dim(self, idx: int, /) -> int:
        """
        The row count (idx 0) or the column count (idx 1). Any other idx raises RuntimeError "dimension idx
        invalid for matrix".
        """
    def numel(self, /) -> int:
        """
        The number of elements, rows * columns; kaldra containers have no len().
        """
class vecc:
    """
    A vector of n complex64 elements, zero when made: vecc(n); each element is a Python complex.

    x[i] reads and writes element i, 0 <= i < x.numel(); x[i:j] gives a view (class viewc) onto elements i to
    j - 1 that shares the storage (no copy; step 1 only). for-loops, list(x) and unpacking give the elements in
    order. No len() (use x.numel()), no negative indices, no arithmetic operators, and == compares identity: the
    operations are the module's functions, which work in place (kaldra.scale(2.0, x); kaldra.sum(x, y) adds x
    into y). numpy.asarray(x) wraps x in a 0-d object array: kaldra_numpy.asarray(x) is the array of its
    elements. Pickling and the copy module refuse containers (TypeError); kaldra.copy copies elements into
    another one.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> complex:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewc) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> viewc:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewc) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __init__(self, size: int, /) -> None:
        """
        A new vector of size elements, all zero.

        size is a non-negative int (a negative number or a float is a TypeError). MemoryError when the storage
        cannot be allocated.
        """
    def __iter__(self, /) -> typing.Iterator[complex]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python complex.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: complex, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class viewc:
    """
    A view onto a run of elements of a vecc (or of another view): made by slicing, x[i:j]; it has no
    constructor.

    It shares that storage: writes through the view are seen by the vector and by every other view over those
    elements, and the other way round, and it keeps the storage alive after the vector is gone. Its indices and
    slices count from its own first element, up to its own numel(). Otherwise it is used as a vecc: each element
    is a Python complex, no len(), no negative indices, == compares identity, and the module's functions take it
    wherever they take a vector.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> complex:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewc) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> viewc:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewc) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __iter__(self, /) -> typing.Iterator[complex]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python complex.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: complex, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class matc:
    """
    A matrix of numRows x numCols complex64 elements, zero when made: matc(numRows, numCols), stored column by
    column (column-major); each element is a Python complex.

    A[i, j] reads and writes element (i, j), both counted from 0 (no negative indices, no slices, no rows A[i]).
    A.dim(0) and A.dim(1) are its row and column counts, A.numel() their product; no len() or shape, and ==
    compares identity. Where a function takes any container, a matrix counts as its elements in column-major
    order (gemv and matvec: as its first column). kaldra_numpy.asarray(A) is a (rows, cols) NumPy array over its
    storage.
    """
    def __getitem__(self, idx: tuple[int, int], /) -> complex:
        """
        A[i, j]: element (i, j) as a new Python complex (a copy of its value).

        The index is a tuple of two non-negative ints; a negative index, a single int or a list is a TypeError.
        Past the end raises kaldra.OutOfRangeError (a RuntimeError and an IndexError) with the message
        "requested array index Lexceeds max number of elements N" for the position L = i + j * rows past N =
        numel(), else "index for dimension 0Iexceeds max number of elements for that dimension R" for a row
        index I past the R rows (numbers and words are joined so).
        """
    def __init__(self, numRows: int, numCols: int, /) -> None:
        """
        A new numRows x numCols matrix, all zero.

        Both are non-negative ints (a negative number or a float is a TypeError). OverflowError "matrix of size
        (r, c) has more elements than a size_t can count" when their product does not fit; MemoryError when the
        storage cannot be allocated.
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Matrix of size: (r, c)", then one line "[e0, e1, ...]" per row, each element in
        scientific notation with 14 digits after the point; a row of more than four columns shows its first
        three elements, "..." and its last.
        """
    def __setitem__(self, idx: tuple[int, int], value: complex, /) -> None:
        """
        A[i, j] = value: writes element (i, j).

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex matrix also a
        complex (a complex value for a real matrix is a TypeError); single precision stores it rounded. The
        index rules are those of A[i, j]: past the end raises kaldra.OutOfRangeError, a negative index is a
        TypeError.
        """
    def dim(self, idx: int, /) -> int:
        """
        The row count (idx 0) or the column count (idx 1). Any other idx raises RuntimeError "dimension idx
        invalid for matrix".
        """
    def numel(self, /) -> int:
        """
        The number of elements, rows * columns; kaldra containers have no len().
        """
class vecz:
    """
    A vector of n complex128 elements, zero when made: vecz(n); each element is a Python complex.

    x[i] reads and writes element i, 0 <= i < x.numel(); x[i:j] gives a view (class viewz) onto elements i to
    j - 1 that shares the storage (no copy; step 1 only). for-loops, list(x) and unpacking give the elements in
    order. No len() (use x.numel()), no negative indices, no arithmetic operators, and == compares identity: the
    operations are the module's functions, which work in place (kaldra.scale(2.0, x); kaldra.sum(x, y) adds x
    into y). numpy.asarray(x) wraps x in a 0-d object array: kaldra_numpy.asarray(x) is the array of its
    elements. Pickling and the copy module refuse containers (TypeError); kaldra.copy copies elements into
    another one.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> complex:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewz) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> viewz:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewz) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __init__(self, size: int, /) -> None:
        """
        A new vector of size elements, all zero.

        size is a non-negative int (a negative number or a float is a TypeError). MemoryError when the storage
        cannot be allocated.
        """
    def __iter__(self, /) -> typing.Iterator[complex]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python complex.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: complex, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class viewz:
    """
    A view onto a run of elements of a vecz (or of another view): made by slicing, x[i:j]; it has no
    constructor.

    It shares that storage: writes through the view are seen by the vector and by every other view over those
    elements, and the other way round, and it keeps the storage alive after the vector is gone. Its indices and
    slices count from its own first element, up to its own numel(). Otherwise it is used as a vecz: each element
    is a Python complex, no len(), no negative indices, == compares identity, and the module's functions take it
    wherever they take a vector.
    """
    @typing.overload
    def __getitem__(self, idx: int, /) -> complex:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewz) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    @typing.overload
    def __getitem__(self, slice: slice, /) -> viewz:
        """
        x[i]: element i as a new Python complex (a copy of its value); x[i:j]: a view (class viewz) onto
        elements i to j - 1 that shares the storage.

        i is an int from 0 to x.numel() - 1 (of a view: counted from the view's first element). Indices do not
        count from the end: a negative one is a TypeError. One past the end raises kaldra.OutOfRangeError "index
        i exceeds max number of elements n", a RuntimeError and an IndexError, so iteration stops there. Slice
        bounds work as in Python (negative ones count from the end, bounds past the end are clamped, a start
        after the stop gives an empty view); a step other than 1 raises RuntimeError "stepsizes larger than 1
        invalid for vector".
        """
    def __iter__(self, /) -> typing.Iterator[complex]:
        """
        Iteration, as a type checker sees it: for-loops, list(x), sum(x), max(x), in and unpacking give the
        elements in order, each a Python complex.

        The class itself has no __iter__ method (this declaration is the stubs' own): Python iterates through
        x[i] for i = 0, 1, ... and stops at the index past the end, whose kaldra.OutOfRangeError is an
        IndexError. Matrices do not iterate (list(A) is a TypeError).
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Column vector of size: n", then one line "[element]" per element, in scientific
        notation with 14 digits after the point.
        """
    def __setitem__(self, idx: int, value: complex, /) -> None:
        """
        x[i] = value: writes element i, which every view over it shares.

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex vector also a
        complex (a complex value for a real vector is a TypeError: no imaginary part is dropped); single
        precision stores it rounded. The index rules are those of x[i]: one past the end raises
        kaldra.OutOfRangeError "index i exceeds max number of elements n", a negative index is a TypeError.
        Assigning to a slice (x[1:3] = ...) is a TypeError: use kaldra.copy or kaldra_numpy.assign.
        """
    def dim(self, idx: int, /) -> int:
        """
        The length along dimension idx: dim(0) is numel(). Any other idx raises RuntimeError "dimension idx
        invalid for vector".
        """
    def numel(self, /) -> int:
        """
        The number of elements; kaldra containers have no len().
        """
class matz:
    """
    A matrix of numRows x numCols complex128 elements, zero when made: matz(numRows, numCols), stored column by
    column (column-major); each element is a Python complex.

    A[i, j] reads and writes element (i, j), both counted from 0 (no negative indices, no slices, no rows A[i]).
    A.dim(0) and A.dim(1) are its row and column counts, A.numel() their product; no len() or shape, and ==
    compares identity. Where a function takes any container, a matrix counts as its elements in column-major
    order (gemv and matvec: as its first column). kaldra_numpy.asarray(A) is a (rows, cols) NumPy array over its
    storage.
    """
    def __getitem__(self, idx: tuple[int, int], /) -> complex:
        """
        A[i, j]: element (i, j) as a new Python complex (a copy of its value).

        The index is a tuple of two non-negative ints; a negative index, a single int or a list is a TypeError.
        Past the end raises kaldra.OutOfRangeError (a RuntimeError and an IndexError) with the message
        "requested array index Lexceeds max number of elements N" for the position L = i + j * rows past N =
        numel(), else "index for dimension 0Iexceeds max number of elements for that dimension R" for a row
        index I past the R rows (numbers and words are joined so).
        """
    def __init__(self, numRows: int, numCols: int, /) -> None:
        """
        A new numRows x numCols matrix, all zero.

        Both are non-negative ints (a negative number or a float is a TypeError). OverflowError "matrix of size
        (r, c) has more elements than a size_t can count" when their product does not fit; MemoryError when the
        storage cannot be allocated.
        """
    def __repr__(self, /) -> str:
        """
        The text print shows: "Matrix of size: (r, c)", then one line "[e0, e1, ...]" per row, each element in
        scientific notation with 14 digits after the point; a row of more than four columns shows its first
        three elements, "..." and its last.
        """
    def __setitem__(self, idx: tuple[int, int], value: complex, /) -> None:
        """
        A[i, j] = value: writes element (i, j).

        value is a real number (a float, an int, a NumPy float or integer, ...), or for a complex matrix also a
        complex (a complex value for a real matrix is a TypeError); single precision stores it rounded. The
        index rules are those of A[i, j]: past the end raises kaldra.OutOfRangeError, a negative index is a
        TypeError.
        """
    def dim(self, idx: int, /) -> int:
        """
        The row count (idx 0) or the column count (idx 1). Any other idx raises RuntimeError "dimension idx
        invalid for matrix".
        """
    def numel(self, /) -> int:
        """
        The number of elements, rows * columns; kaldra containers have no len().
        """
class OutOfRangeError(RuntimeError, IndexError):
    """
    An element index past the end of a vector, view or matrix: x[i], x[i] = value, A[i, j] or A[i, j] = value.

    Both a RuntimeError (an except RuntimeError still catches it) and an IndexError (so for-loops, list(x), in
    and unpacking stop at the end). Its message is the index check's: "index 3 exceeds max number of elements 3"
    for vectors and views, "requested array index 6exceeds max number of elements 6" or "index for dimension
    02exceeds max number of elements for that dimension 2" for matrices. Slice bounds past the end are clamped,
    not refused.
    """
@typing.overload
def axpy(a: float, x: vecs, y: vecs, /) -> vecs:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: vecs, y: views, /) -> views:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: vecs, y: mats, /) -> mats:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: views, y: vecs, /) -> vecs:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: views, y: views, /) -> views:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: views, y: mats, /) -> mats:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: mats, y: vecs, /) -> vecs:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: mats, y: views, /) -> views:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: mats, y: mats, /) -> mats:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: vecd, y: vecd, /) -> vecd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: vecd, y: viewd, /) -> viewd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: vecd, y: matd, /) -> matd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: viewd, y: vecd, /) -> vecd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: viewd, y: viewd, /) -> viewd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: viewd, y: matd, /) -> matd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: matd, y: vecd, /) -> vecd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: matd, y: viewd, /) -> viewd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: float, x: matd, y: matd, /) -> matd:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: vecc, y: vecc, /) -> vecc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: vecc, y: viewc, /) -> viewc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: vecc, y: matc, /) -> matc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: viewc, y: vecc, /) -> vecc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: viewc, y: viewc, /) -> viewc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: viewc, y: matc, /) -> matc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: matc, y: vecc, /) -> vecc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: matc, y: viewc, /) -> viewc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: matc, y: matc, /) -> matc:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: vecz, y: vecz, /) -> vecz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: vecz, y: viewz, /) -> viewz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: vecz, y: matz, /) -> matz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: viewz, y: vecz, /) -> vecz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: viewz, y: viewz, /) -> viewz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: viewz, y: matz, /) -> matz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: matz, y: vecz, /) -> vecz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: matz, y: viewz, /) -> viewz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def axpy(a: complex, x: matz, y: matz, /) -> matz:
    """
    y <- a * x + y, in place; returns y itself.

    a is a number of the element type, as for scale. Only the first x.numel() elements of y take part: a longer
    y keeps the rest, a shorter one is refused with RuntimeError "In axpy, vector y has N elements, fewer than
    the M elements of vector x". x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecs, y: vecs, /) -> vecs:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecs, y: views, /) -> views:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecs, y: mats, /) -> mats:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: views, y: vecs, /) -> vecs:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: views, y: views, /) -> views:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: views, y: mats, /) -> mats:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: mats, y: vecs, /) -> vecs:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: mats, y: views, /) -> views:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: mats, y: mats, /) -> mats:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecd, y: vecd, /) -> vecd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecd, y: viewd, /) -> viewd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecd, y: matd, /) -> matd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewd, y: vecd, /) -> vecd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewd, y: viewd, /) -> viewd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewd, y: matd, /) -> matd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matd, y: vecd, /) -> vecd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matd, y: viewd, /) -> viewd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matd, y: matd, /) -> matd:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecc, y: vecc, /) -> vecc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecc, y: viewc, /) -> viewc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecc, y: matc, /) -> matc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewc, y: vecc, /) -> vecc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewc, y: viewc, /) -> viewc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewc, y: matc, /) -> matc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matc, y: vecc, /) -> vecc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matc, y: viewc, /) -> viewc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matc, y: matc, /) -> matc:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecz, y: vecz, /) -> vecz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecz, y: viewz, /) -> viewz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: vecz, y: matz, /) -> matz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewz, y: vecz, /) -> vecz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewz, y: viewz, /) -> viewz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: viewz, y: matz, /) -> matz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matz, y: vecz, /) -> vecz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matz, y: viewz, /) -> viewz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def copy(x: matz, y: matz, /) -> matz:
    """
    y[:n] <- x[:n] with n = x.numel(), in place; returns y itself.

    Only element counts matter, never shapes: a 6-element vector fills a 2 x 3 matrix column by column. A longer
    y keeps its elements past n; a shorter one is refused with RuntimeError "In copy, vector y has N elements,
    fewer than the M elements of vector x". Overlapping runs are read as x was before the call: copy(u[0:4],
    u[1:5]) shifts u by one. This is how a container is copied (the copy module and pickling refuse containers).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecs, y: vecs, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecs, y: views, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecs, y: mats, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: views, y: vecs, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: views, y: views, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: views, y: mats, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: mats, y: vecs, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: mats, y: views, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: mats, y: mats, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecd, y: vecd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecd, y: viewd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecd, y: matd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewd, y: vecd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewd, y: viewd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewd, y: matd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matd, y: vecd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matd, y: viewd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matd, y: matd, /) -> float:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecc, y: vecc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecc, y: viewc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecc, y: matc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewc, y: vecc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewc, y: viewc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewc, y: matc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matc, y: vecc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matc, y: viewc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matc, y: matc, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecz, y: vecz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecz, y: viewz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: vecz, y: matz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewz, y: vecz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewz, y: viewz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: viewz, y: matz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matz, y: vecz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matz, y: viewz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def dot(x: matz, y: matz, /) -> complex:
    """
    Returns sum(x[i] * y[i] for i in range(x.numel())), unconjugated: a new float (s, d) or complex (c, z).

    Neither operand changes. Matrices count as their elements in column-major order. A longer y is accepted (its
    elements past x.numel() are not read); a shorter one is refused with RuntimeError "In dot, vector y has N
    elements, fewer than the M elements of vector x". hdot conjugates x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemm(a: float, b: float, A: mats, X: mats, Y: mats, /) -> mats:
    """
    Y <- a * (A @ X) + b * Y for matrices A of m x k, X of k x n and Y of m x n, in place; returns Y itself.

    Matrices only (a vector or view is a TypeError). Refused with RuntimeError before anything is written, at
    the first mismatch in this order: "In gemm expression Y = aAX + bY, matrix A dimension 0: m, doesn't match
    matrix Y dimension 0: r", then matrix X dimension 1 against matrix Y dimension 1, then matrix A dimension 1
    against matrix X dimension 0; also a dimension past 2147483647 ("In gemm, matrix A dimension 0: m exceeds
    the largest dimension BLAS accepts, 2147483647"). b = 0 overwrites Y whatever it held.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemm(a: float, b: float, A: matd, X: matd, Y: matd, /) -> matd:
    """
    Y <- a * (A @ X) + b * Y for matrices A of m x k, X of k x n and Y of m x n, in place; returns Y itself.

    Matrices only (a vector or view is a TypeError). Refused with RuntimeError before anything is written, at
    the first mismatch in this order: "In gemm expression Y = aAX + bY, matrix A dimension 0: m, doesn't match
    matrix Y dimension 0: r", then matrix X dimension 1 against matrix Y dimension 1, then matrix A dimension 1
    against matrix X dimension 0; also a dimension past 2147483647 ("In gemm, matrix A dimension 0: m exceeds
    the largest dimension BLAS accepts, 2147483647"). b = 0 overwrites Y whatever it held.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemm(a: complex, b: complex, A: matc, X: matc, Y: matc, /) -> matc:
    """
    Y <- a * (A @ X) + b * Y for matrices A of m x k, X of k x n and Y of m x n, in place; returns Y itself.

    Matrices only (a vector or view is a TypeError). Refused with RuntimeError before anything is written, at
    the first mismatch in this order: "In gemm expression Y = aAX + bY, matrix A dimension 0: m, doesn't match
    matrix Y dimension 0: r", then matrix X dimension 1 against matrix Y dimension 1, then matrix A dimension 1
    against matrix X dimension 0; also a dimension past 2147483647 ("In gemm, matrix A dimension 0: m exceeds
    the largest dimension BLAS accepts, 2147483647"). b = 0 overwrites Y whatever it held.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemm(a: complex, b: complex, A: matz, X: matz, Y: matz, /) -> matz:
    """
    Y <- a * (A @ X) + b * Y for matrices A of m x k, X of k x n and Y of m x n, in place; returns Y itself.

    Matrices only (a vector or view is a TypeError). Refused with RuntimeError before anything is written, at
    the first mismatch in this order: "In gemm expression Y = aAX + bY, matrix A dimension 0: m, doesn't match
    matrix Y dimension 0: r", then matrix X dimension 1 against matrix Y dimension 1, then matrix A dimension 1
    against matrix X dimension 0; also a dimension past 2147483647 ("In gemm, matrix A dimension 0: m exceeds
    the largest dimension BLAS accepts, 2147483647"). b = 0 overwrites Y whatever it held.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: vecs, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: vecs, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: vecs, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: views, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: views, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: views, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: mats, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: mats, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecs, x: mats, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: vecs, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: vecs, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: vecs, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: views, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: views, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: views, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: mats, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: mats, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: views, x: mats, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: vecs, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: vecs, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: vecs, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: views, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: views, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: views, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: mats, y: vecs, /) -> vecs:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: mats, y: views, /) -> views:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: mats, x: mats, y: mats, /) -> mats:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: vecd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: vecd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: vecd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: viewd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: viewd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: viewd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: matd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: matd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: vecd, x: matd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: vecd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: vecd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: vecd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: viewd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: viewd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: viewd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: matd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: matd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: viewd, x: matd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: vecd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: vecd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: vecd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: viewd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: viewd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: viewd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: matd, y: vecd, /) -> vecd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: matd, y: viewd, /) -> viewd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: float, b: float, A: matd, x: matd, y: matd, /) -> matd:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: vecc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: vecc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: vecc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: viewc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: viewc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: viewc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: matc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: matc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecc, x: matc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: vecc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: vecc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: vecc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: viewc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: viewc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: viewc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: matc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: matc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewc, x: matc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: vecc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: vecc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: vecc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: viewc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: viewc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: viewc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: matc, y: vecc, /) -> vecc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: matc, y: viewc, /) -> viewc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matc, x: matc, y: matc, /) -> matc:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: vecz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: vecz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: vecz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: viewz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: viewz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: viewz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: matz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: matz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: vecz, x: matz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: vecz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: vecz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: vecz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: viewz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: viewz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: viewz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: matz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: matz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: viewz, x: matz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: vecz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: vecz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: vecz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: viewz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: viewz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: viewz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: matz, y: vecz, /) -> vecz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: matz, y: viewz, /) -> viewz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def gemv(a: complex, b: complex, A: matz, x: matz, y: matz, /) -> matz:
    """
    y <- a * (A @ x) + b * y for a matrix A of m x n, x of n and y of m elements, in place; returns y itself.

    A matrix as x or y counts as its first column (its length is its row count). Refused with RuntimeError "In
    gemv expression y = aAx + by, ..." before anything is written: "matrix A dimension 1: n, doesn't match
    vector x dimension 0: k" (checked first), "matrix A dimension 0: m, doesn't match vector y dimension 0: k",
    "A must be a matrix" for a vector or view as A, and "matrix y has m rows but no columns" for a matrix x or y
    without a first column; also a dimension of A past 2147483647 ("In gemv, matrix A dimension 0: m exceeds the
    largest dimension BLAS accepts, 2147483647"). With a = 0 or no columns, A and x are not read; b = 0
    overwrites y whatever it held. y may share elements with A or x.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: vecc, y: vecc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: vecc, y: viewc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: vecc, y: matc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: viewc, y: vecc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: viewc, y: viewc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: viewc, y: matc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: matc, y: vecc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: matc, y: viewc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: matc, y: matc, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: vecz, y: vecz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: vecz, y: viewz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: vecz, y: matz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: viewz, y: vecz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: viewz, y: viewz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: viewz, y: matz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: matz, y: vecz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: matz, y: viewz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def hdot(x: matz, y: matz, /) -> complex:
    """
    Returns sum(conj(x[i]) * y[i] for i in range(x.numel())): x is conjugated, y is not; a new complex.

    Complex containers only: real ones are a TypeError (use dot). hdot(x, x) is the squared norm of x. Neither
    operand changes. A longer y is accepted; a shorter one is refused with RuntimeError "In hdot, vector y has N
    elements, fewer than the M elements of vector x".

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: mats, x: vecs, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: mats, x: views, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: mats, x: mats, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matd, x: vecd, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matd, x: viewd, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matd, x: matd, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matc, x: vecc, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matc, x: viewc, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matc, x: matc, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matz, x: vecz, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matz, x: viewz, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def ls(A: matz, x: matz, /) -> None:
    """
    Least squares in place: for A of m x n, writes into x[:n] the s that minimises |A @ s - x[:m]| (m >= n), or
    the minimum-norm solution of A @ s = x[:m] (m < n); returns None.

    x is any container of at least max(m, n) elements, not m (a matrix is one right-hand side, its elements in
    column-major order): a shorter one is refused with RuntimeError "In ls, vector x has N elements, fewer than
    the K that matrix A of size (m, n) requires". For m > n, sum(abs(x[n:m]) ** 2) is then the residual sum of
    squares. A is overwritten by its QR (or LQ) factorization: copy it first if you need it again.

    Also refused with RuntimeError: x sharing elements with A ("In ls, vector x shares elements with matrix A");
    a NaN or an infinity in A or in the right-hand side x[:m] ("In ls, matrix A has a NaN or infinite element at
    row i, column j", "In ls, vector x has a NaN or infinite element at index i", naming the first); A not of
    full rank ("In ls, matrix A does not have full rank: ..."), after which x holds its old values and A the
    factorization; a dimension of A past 2147483647 ("In ls, matrix A dimension 0: m exceeds the largest
    dimension BLAS accepts, 2147483647"). The other refusals change nothing.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matmul(A: mats, X: mats, Y: mats, /) -> mats:
    """
    Y <- A @ X + Y: adds the product into Y (Y is not overwritten); returns Y itself.

    Matrices only; the checks and messages of gemm with a = b = 1 (the messages name gemm).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matmul(A: matd, X: matd, Y: matd, /) -> matd:
    """
    Y <- A @ X + Y: adds the product into Y (Y is not overwritten); returns Y itself.

    Matrices only; the checks and messages of gemm with a = b = 1 (the messages name gemm).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matmul(A: matc, X: matc, Y: matc, /) -> matc:
    """
    Y <- A @ X + Y: adds the product into Y (Y is not overwritten); returns Y itself.

    Matrices only; the checks and messages of gemm with a = b = 1 (the messages name gemm).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matmul(A: matz, X: matz, Y: matz, /) -> matz:
    """
    Y <- A @ X + Y: adds the product into Y (Y is not overwritten); returns Y itself.

    Matrices only; the checks and messages of gemm with a = b = 1 (the messages name gemm).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: vecs, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: vecs, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: vecs, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: views, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: views, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: views, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: mats, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: mats, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecs, x: mats, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: vecs, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: vecs, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: vecs, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: views, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: views, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: views, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: mats, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: mats, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: views, x: mats, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: vecs, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: vecs, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: vecs, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: views, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: views, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: views, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: mats, y: vecs, /) -> vecs:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: mats, y: views, /) -> views:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: mats, x: mats, y: mats, /) -> mats:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: vecd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: vecd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: vecd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: viewd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: viewd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: viewd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: matd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: matd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecd, x: matd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: vecd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: vecd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: vecd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: viewd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: viewd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: viewd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: matd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: matd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewd, x: matd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: vecd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: vecd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: vecd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: viewd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: viewd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: viewd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: matd, y: vecd, /) -> vecd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: matd, y: viewd, /) -> viewd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matd, x: matd, y: matd, /) -> matd:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: vecc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: vecc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: vecc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: viewc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: viewc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: viewc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: matc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: matc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecc, x: matc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: vecc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: vecc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: vecc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: viewc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: viewc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: viewc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: matc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: matc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewc, x: matc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: vecc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: vecc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: vecc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: viewc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: viewc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: viewc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: matc, y: vecc, /) -> vecc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: matc, y: viewc, /) -> viewc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matc, x: matc, y: matc, /) -> matc:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: vecz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: vecz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: vecz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: viewz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: viewz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: viewz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: matz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: matz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: vecz, x: matz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: vecz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: vecz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: vecz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: viewz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: viewz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: viewz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: matz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: matz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: viewz, x: matz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: vecz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: vecz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: vecz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: viewz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: viewz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: viewz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: matz, y: vecz, /) -> vecz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: matz, y: viewz, /) -> viewz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def matvec(A: matz, x: matz, y: matz, /) -> matz:
    """
    y <- A @ x + y: adds the product into y (y is not overwritten); returns y itself.

    The operands, checks and messages of gemv with a = b = 1 (the messages name gemv).

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: float, x: vecs, /) -> vecs:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: float, x: views, /) -> views:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: float, x: mats, /) -> mats:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: float, x: vecd, /) -> vecd:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: float, x: viewd, /) -> viewd:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: float, x: matd, /) -> matd:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: complex, x: vecc, /) -> vecc:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: complex, x: viewc, /) -> viewc:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: complex, x: matc, /) -> matc:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: complex, x: vecz, /) -> vecz:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: complex, x: viewz, /) -> viewz:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def scale(s: complex, x: matz, /) -> matz:
    """
    x <- s * x, element by element, in place; returns x itself.

    s is a number of x's element type: a float or int, or for a complex x also a complex (a complex s for a real
    x is a TypeError). x is any container; a matrix is scaled as a whole.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecs, y: vecs, /) -> vecs:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecs, y: views, /) -> views:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecs, y: mats, /) -> mats:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: views, y: vecs, /) -> vecs:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: views, y: views, /) -> views:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: views, y: mats, /) -> mats:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: mats, y: vecs, /) -> vecs:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: mats, y: views, /) -> views:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: mats, y: mats, /) -> mats:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecd, y: vecd, /) -> vecd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecd, y: viewd, /) -> viewd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecd, y: matd, /) -> matd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewd, y: vecd, /) -> vecd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewd, y: viewd, /) -> viewd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewd, y: matd, /) -> matd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matd, y: vecd, /) -> vecd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matd, y: viewd, /) -> viewd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matd, y: matd, /) -> matd:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecc, y: vecc, /) -> vecc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecc, y: viewc, /) -> viewc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecc, y: matc, /) -> matc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewc, y: vecc, /) -> vecc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewc, y: viewc, /) -> viewc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewc, y: matc, /) -> matc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matc, y: vecc, /) -> vecc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matc, y: viewc, /) -> viewc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matc, y: matc, /) -> matc:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecz, y: vecz, /) -> vecz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecz, y: viewz, /) -> viewz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: vecz, y: matz, /) -> matz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewz, y: vecz, /) -> vecz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewz, y: viewz, /) -> viewz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: viewz, y: matz, /) -> matz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matz, y: vecz, /) -> vecz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matz, y: viewz, /) -> viewz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def sum(x: matz, y: matz, /) -> matz:
    """
    y <- x + y: adds x into y in place and returns y itself; not a new array, and not a reduction of x.

    Only the first x.numel() elements of y take part: a longer y keeps the rest, a shorter one is refused with
    RuntimeError "In sum, vector y has N elements, fewer than the M elements of vector x". Matrices count as
    their elements in column-major order. x is read as it was before the call, even where it overlaps y.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecs, y: vecs, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecs, y: views, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecs, y: mats, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: views, y: vecs, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: views, y: views, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: views, y: mats, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: mats, y: vecs, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: mats, y: views, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: mats, y: mats, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecd, y: vecd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecd, y: viewd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecd, y: matd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewd, y: vecd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewd, y: viewd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewd, y: matd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matd, y: vecd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matd, y: viewd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matd, y: matd, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecc, y: vecc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecc, y: viewc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecc, y: matc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewc, y: vecc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewc, y: viewc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewc, y: matc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matc, y: vecc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matc, y: viewc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matc, y: matc, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecz, y: vecz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecz, y: viewz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: vecz, y: matz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewz, y: vecz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewz, y: viewz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: viewz, y: matz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matz, y: vecz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matz, y: viewz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
@typing.overload
def swap(x: matz, y: matz, /) -> None:
    """
    Exchanges the elements of x with the first x.numel() elements of y, in place; returns None.

    A shorter y is refused with RuntimeError "In swap, vector y has N elements, fewer than the M elements of
    vector x"; two runs of one storage that share some but not all of their elements with RuntimeError "In swap,
    vectors x and y share some but not all of their elements". A run swapped with itself stays as it is.

    Positional arguments only, all containers of one element type; a call no overload fits raises TypeError.
    """
