# Generated from the built module by scripts/generate-stubs; do not edit by hand.
from __future__ import annotations
import typing
__all__: list[str] = ['axpy', 'copy', 'dot', 'gemm', 'gemv', 'hdot', 'ls', 'matc', 'matd', 'matmul', 'mats', 'matvec', 'matz', 'scale', 'sum', 'swap', 'vecc', 'vecd', 'vecs', 'vecz', 'viewc', 'viewd', 'views', 'viewz']
class vecs:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> float:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> views:
        ...
    def __init__(self, arg0: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: float, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class views:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> float:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> views:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: float, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class mats:
    def __getitem__(self, arg0: tuple[int, int], /) -> float:
        ...
    def __init__(self, arg0: int, arg1: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: tuple[int, int], arg1: float, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class vecd:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> float:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> viewd:
        ...
    def __init__(self, arg0: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: float, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class viewd:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> float:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> viewd:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: float, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class matd:
    def __getitem__(self, arg0: tuple[int, int], /) -> float:
        ...
    def __init__(self, arg0: int, arg1: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: tuple[int, int], arg1: float, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class vecc:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> complex:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> viewc:
        ...
    def __init__(self, arg0: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: complex, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class viewc:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> complex:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> viewc:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: complex, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class matc:
    def __getitem__(self, arg0: tuple[int, int], /) -> complex:
        ...
    def __init__(self, arg0: int, arg1: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: tuple[int, int], arg1: complex, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class vecz:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> complex:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> viewz:
        ...
    def __init__(self, arg0: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: complex, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class viewz:
    @typing.overload
    def __getitem__(self, arg0: int, /) -> complex:
        ...
    @typing.overload
    def __getitem__(self, arg0: slice, /) -> viewz:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: int, arg1: complex, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
class matz:
    def __getitem__(self, arg0: tuple[int, int], /) -> complex:
        ...
    def __init__(self, arg0: int, arg1: int, /) -> None:
        ...
    def __repr__(self, /) -> str:
        ...
    def __setitem__(self, arg0: tuple[int, int], arg1: complex, /) -> None:
        ...
    def dim(self, arg0: int, /) -> int:
        ...
    def numel(self, /) -> int:
        ...
@typing.overload
def axpy(arg0: float, arg1: vecs, arg2: vecs, /) -> vecs:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: vecs, arg2: views, /) -> views:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: vecs, arg2: mats, /) -> mats:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: views, arg2: vecs, /) -> vecs:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: views, arg2: views, /) -> views:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: views, arg2: mats, /) -> mats:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: mats, arg2: vecs, /) -> vecs:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: mats, arg2: views, /) -> views:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: mats, arg2: mats, /) -> mats:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: vecd, arg2: vecd, /) -> vecd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: vecd, arg2: viewd, /) -> viewd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: vecd, arg2: matd, /) -> matd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: viewd, arg2: vecd, /) -> vecd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: viewd, arg2: viewd, /) -> viewd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: viewd, arg2: matd, /) -> matd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: matd, arg2: vecd, /) -> vecd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: matd, arg2: viewd, /) -> viewd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: float, arg1: matd, arg2: matd, /) -> matd:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: vecc, arg2: vecc, /) -> vecc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: vecc, arg2: viewc, /) -> viewc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: vecc, arg2: matc, /) -> matc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: viewc, arg2: vecc, /) -> vecc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: viewc, arg2: viewc, /) -> viewc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: viewc, arg2: matc, /) -> matc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: matc, arg2: vecc, /) -> vecc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: matc, arg2: viewc, /) -> viewc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: matc, arg2: matc, /) -> matc:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: vecz, arg2: vecz, /) -> vecz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: vecz, arg2: viewz, /) -> viewz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: vecz, arg2: matz, /) -> matz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: viewz, arg2: vecz, /) -> vecz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: viewz, arg2: viewz, /) -> viewz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: viewz, arg2: matz, /) -> matz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: matz, arg2: vecz, /) -> vecz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: matz, arg2: viewz, /) -> viewz:
    """
    axpy objects
    """
@typing.overload
def axpy(arg0: complex, arg1: matz, arg2: matz, /) -> matz:
    """
    axpy objects
    """
@typing.overload
def copy(arg0: vecs, arg1: vecs, /) -> vecs:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecs, arg1: views, /) -> views:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecs, arg1: mats, /) -> mats:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: views, arg1: vecs, /) -> vecs:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: views, arg1: views, /) -> views:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: views, arg1: mats, /) -> mats:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: mats, arg1: vecs, /) -> vecs:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: mats, arg1: views, /) -> views:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: mats, arg1: mats, /) -> mats:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecd, arg1: vecd, /) -> vecd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecd, arg1: viewd, /) -> viewd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecd, arg1: matd, /) -> matd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewd, arg1: vecd, /) -> vecd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewd, arg1: viewd, /) -> viewd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewd, arg1: matd, /) -> matd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matd, arg1: vecd, /) -> vecd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matd, arg1: viewd, /) -> viewd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matd, arg1: matd, /) -> matd:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecc, arg1: vecc, /) -> vecc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecc, arg1: viewc, /) -> viewc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecc, arg1: matc, /) -> matc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewc, arg1: vecc, /) -> vecc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewc, arg1: viewc, /) -> viewc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewc, arg1: matc, /) -> matc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matc, arg1: vecc, /) -> vecc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matc, arg1: viewc, /) -> viewc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matc, arg1: matc, /) -> matc:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecz, arg1: vecz, /) -> vecz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecz, arg1: viewz, /) -> viewz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: vecz, arg1: matz, /) -> matz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewz, arg1: vecz, /) -> vecz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewz, arg1: viewz, /) -> viewz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: viewz, arg1: matz, /) -> matz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matz, arg1: vecz, /) -> vecz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matz, arg1: viewz, /) -> viewz:
    """
    copy an object into another
    """
@typing.overload
def copy(arg0: matz, arg1: matz, /) -> matz:
    """
    copy an object into another
    """
@typing.overload
def dot(arg0: vecs, arg1: vecs, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecs, arg1: views, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecs, arg1: mats, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: views, arg1: vecs, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: views, arg1: views, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: views, arg1: mats, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: mats, arg1: vecs, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: mats, arg1: views, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: mats, arg1: mats, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecd, arg1: vecd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecd, arg1: viewd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecd, arg1: matd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewd, arg1: vecd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewd, arg1: viewd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewd, arg1: matd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: matd, arg1: vecd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: matd, arg1: viewd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: matd, arg1: matd, /) -> float:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecc, arg1: vecc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecc, arg1: viewc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecc, arg1: matc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewc, arg1: vecc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewc, arg1: viewc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewc, arg1: matc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: matc, arg1: vecc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: matc, arg1: viewc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: matc, arg1: matc, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecz, arg1: vecz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecz, arg1: viewz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: vecz, arg1: matz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewz, arg1: vecz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewz, arg1: viewz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: viewz, arg1: matz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: matz, arg1: vecz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: matz, arg1: viewz, /) -> complex:
    """
    dot product
    """
@typing.overload
def dot(arg0: matz, arg1: matz, /) -> complex:
    """
    dot product
    """
@typing.overload
def gemm(arg0: float, arg1: float, arg2: mats, arg3: mats, arg4: mats, /) -> mats:
    """
    gemm
    """
@typing.overload
def gemm(arg0: float, arg1: float, arg2: matd, arg3: matd, arg4: matd, /) -> matd:
    """
    gemm
    """
@typing.overload
def gemm(arg0: complex, arg1: complex, arg2: matc, arg3: matc, arg4: matc, /) -> matc:
    """
    gemm
    """
@typing.overload
def gemm(arg0: complex, arg1: complex, arg2: matz, arg3: matz, arg4: matz, /) -> matz:
    """
    gemm
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: vecs, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: vecs, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: vecs, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: views, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: views, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: views, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: mats, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: mats, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecs, arg3: mats, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: vecs, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: vecs, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: vecs, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: views, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: views, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: views, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: mats, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: mats, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: views, arg3: mats, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: vecs, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: vecs, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: vecs, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: views, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: views, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: views, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: mats, arg4: vecs, /) -> vecs:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: mats, arg4: views, /) -> views:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: mats, arg3: mats, arg4: mats, /) -> mats:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: vecd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: vecd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: vecd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: viewd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: viewd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: viewd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: matd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: matd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: vecd, arg3: matd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: vecd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: vecd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: vecd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: viewd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: viewd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: viewd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: matd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: matd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: viewd, arg3: matd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: vecd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: vecd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: vecd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: viewd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: viewd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: viewd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: matd, arg4: vecd, /) -> vecd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: matd, arg4: viewd, /) -> viewd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: float, arg1: float, arg2: matd, arg3: matd, arg4: matd, /) -> matd:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: vecc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: vecc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: vecc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: viewc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: viewc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: viewc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: matc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: matc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecc, arg3: matc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: vecc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: vecc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: vecc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: viewc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: viewc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: viewc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: matc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: matc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewc, arg3: matc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: vecc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: vecc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: vecc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: viewc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: viewc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: viewc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: matc, arg4: vecc, /) -> vecc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: matc, arg4: viewc, /) -> viewc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matc, arg3: matc, arg4: matc, /) -> matc:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: vecz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: vecz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: vecz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: viewz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: viewz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: viewz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: matz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: matz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: vecz, arg3: matz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: vecz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: vecz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: vecz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: viewz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: viewz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: viewz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: matz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: matz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: viewz, arg3: matz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: vecz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: vecz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: vecz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: viewz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: viewz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: viewz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: matz, arg4: vecz, /) -> vecz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: matz, arg4: viewz, /) -> viewz:
    """
    gemv
    """
@typing.overload
def gemv(arg0: complex, arg1: complex, arg2: matz, arg3: matz, arg4: matz, /) -> matz:
    """
    gemv
    """
@typing.overload
def hdot(arg0: vecc, arg1: vecc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: vecc, arg1: viewc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: vecc, arg1: matc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: viewc, arg1: vecc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: viewc, arg1: viewc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: viewc, arg1: matc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: matc, arg1: vecc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: matc, arg1: viewc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: matc, arg1: matc, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: vecz, arg1: vecz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: vecz, arg1: viewz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: vecz, arg1: matz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: viewz, arg1: vecz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: viewz, arg1: viewz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: viewz, arg1: matz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: matz, arg1: vecz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: matz, arg1: viewz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def hdot(arg0: matz, arg1: matz, /) -> complex:
    """
    hermetian dot product
    """
@typing.overload
def ls(arg0: mats, arg1: vecs, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: mats, arg1: views, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: mats, arg1: mats, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matd, arg1: vecd, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matd, arg1: viewd, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matd, arg1: matd, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matc, arg1: vecc, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matc, arg1: viewc, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matc, arg1: matc, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matz, arg1: vecz, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matz, arg1: viewz, /) -> None:
    """
    ls
    """
@typing.overload
def ls(arg0: matz, arg1: matz, /) -> None:
    """
    ls
    """
@typing.overload
def matmul(arg0: mats, arg1: mats, arg2: mats, /) -> mats:
    """
    matmul
    """
@typing.overload
def matmul(arg0: matd, arg1: matd, arg2: matd, /) -> matd:
    """
    matmul
    """
@typing.overload
def matmul(arg0: matc, arg1: matc, arg2: matc, /) -> matc:
    """
    matmul
    """
@typing.overload
def matmul(arg0: matz, arg1: matz, arg2: matz, /) -> matz:
    """
    matmul
    """
@typing.overload
def matvec(arg0: vecs, arg1: vecs, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: vecs, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: vecs, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: views, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: views, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: views, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: mats, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: mats, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecs, arg1: mats, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: vecs, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: vecs, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: vecs, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: views, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: views, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: views, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: mats, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: mats, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: views, arg1: mats, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: vecs, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: vecs, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: vecs, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: views, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: views, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: views, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: mats, arg2: vecs, /) -> vecs:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: mats, arg2: views, /) -> views:
    """
    matvec
    """
@typing.overload
def matvec(arg0: mats, arg1: mats, arg2: mats, /) -> mats:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: vecd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: vecd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: vecd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: viewd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: viewd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: viewd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: matd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: matd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecd, arg1: matd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: vecd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: vecd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: vecd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: viewd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: viewd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: viewd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: matd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: matd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewd, arg1: matd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: vecd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: vecd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: vecd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: viewd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: viewd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: viewd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: matd, arg2: vecd, /) -> vecd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: matd, arg2: viewd, /) -> viewd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matd, arg1: matd, arg2: matd, /) -> matd:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: vecc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: vecc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: vecc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: viewc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: viewc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: viewc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: matc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: matc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecc, arg1: matc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: vecc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: vecc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: vecc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: viewc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: viewc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: viewc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: matc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: matc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewc, arg1: matc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: vecc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: vecc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: vecc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: viewc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: viewc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: viewc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: matc, arg2: vecc, /) -> vecc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: matc, arg2: viewc, /) -> viewc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matc, arg1: matc, arg2: matc, /) -> matc:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: vecz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: vecz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: vecz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: viewz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: viewz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: viewz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: matz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: matz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: vecz, arg1: matz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: vecz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: vecz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: vecz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: viewz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: viewz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: viewz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: matz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: matz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: viewz, arg1: matz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: vecz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: vecz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: vecz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: viewz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: viewz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: viewz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: matz, arg2: vecz, /) -> vecz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: matz, arg2: viewz, /) -> viewz:
    """
    matvec
    """
@typing.overload
def matvec(arg0: matz, arg1: matz, arg2: matz, /) -> matz:
    """
    matvec
    """
@typing.overload
def scale(arg0: float, arg1: vecs, /) -> vecs:
    """
    scale an object
    """
@typing.overload
def scale(arg0: float, arg1: views, /) -> views:
    """
    scale an object
    """
@typing.overload
def scale(arg0: float, arg1: mats, /) -> mats:
    """
    scale an object
    """
@typing.overload
def scale(arg0: float, arg1: vecd, /) -> vecd:
    """
    scale an object
    """
@typing.overload
def scale(arg0: float, arg1: viewd, /) -> viewd:
    """
    scale an object
    """
@typing.overload
def scale(arg0: float, arg1: matd, /) -> matd:
    """
    scale an object
    """
@typing.overload
def scale(arg0: complex, arg1: vecc, /) -> vecc:
    """
    scale an object
    """
@typing.overload
def scale(arg0: complex, arg1: viewc, /) -> viewc:
    """
    scale an object
    """
@typing.overload
def scale(arg0: complex, arg1: matc, /) -> matc:
    """
    scale an object
    """
@typing.overload
def scale(arg0: complex, arg1: vecz, /) -> vecz:
    """
    scale an object
    """
@typing.overload
def scale(arg0: complex, arg1: viewz, /) -> viewz:
    """
    scale an object
    """
@typing.overload
def scale(arg0: complex, arg1: matz, /) -> matz:
    """
    scale an object
    """
@typing.overload
def sum(arg0: vecs, arg1: vecs, /) -> vecs:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecs, arg1: views, /) -> views:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecs, arg1: mats, /) -> mats:
    """
    add objects
    """
@typing.overload
def sum(arg0: views, arg1: vecs, /) -> vecs:
    """
    add objects
    """
@typing.overload
def sum(arg0: views, arg1: views, /) -> views:
    """
    add objects
    """
@typing.overload
def sum(arg0: views, arg1: mats, /) -> mats:
    """
    add objects
    """
@typing.overload
def sum(arg0: mats, arg1: vecs, /) -> vecs:
    """
    add objects
    """
@typing.overload
def sum(arg0: mats, arg1: views, /) -> views:
    """
    add objects
    """
@typing.overload
def sum(arg0: mats, arg1: mats, /) -> mats:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecd, arg1: vecd, /) -> vecd:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecd, arg1: viewd, /) -> viewd:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecd, arg1: matd, /) -> matd:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewd, arg1: vecd, /) -> vecd:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewd, arg1: viewd, /) -> viewd:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewd, arg1: matd, /) -> matd:
    """
    add objects
    """
@typing.overload
def sum(arg0: matd, arg1: vecd, /) -> vecd:
    """
    add objects
    """
@typing.overload
def sum(arg0: matd, arg1: viewd, /) -> viewd:
    """
    add objects
    """
@typing.overload
def sum(arg0: matd, arg1: matd, /) -> matd:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecc, arg1: vecc, /) -> vecc:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecc, arg1: viewc, /) -> viewc:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecc, arg1: matc, /) -> matc:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewc, arg1: vecc, /) -> vecc:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewc, arg1: viewc, /) -> viewc:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewc, arg1: matc, /) -> matc:
    """
    add objects
    """
@typing.overload
def sum(arg0: matc, arg1: vecc, /) -> vecc:
    """
    add objects
    """
@typing.overload
def sum(arg0: matc, arg1: viewc, /) -> viewc:
    """
    add objects
    """
@typing.overload
def sum(arg0: matc, arg1: matc, /) -> matc:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecz, arg1: vecz, /) -> vecz:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecz, arg1: viewz, /) -> viewz:
    """
    add objects
    """
@typing.overload
def sum(arg0: vecz, arg1: matz, /) -> matz:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewz, arg1: vecz, /) -> vecz:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewz, arg1: viewz, /) -> viewz:
    """
    add objects
    """
@typing.overload
def sum(arg0: viewz, arg1: matz, /) -> matz:
    """
    add objects
    """
@typing.overload
def sum(arg0: matz, arg1: vecz, /) -> vecz:
    """
    add objects
    """
@typing.overload
def sum(arg0: matz, arg1: viewz, /) -> viewz:
    """
    add objects
    """
@typing.overload
def sum(arg0: matz, arg1: matz, /) -> matz:
    """
    add objects
    """
@typing.overload
def swap(arg0: vecs, arg1: vecs, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecs, arg1: views, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecs, arg1: mats, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: views, arg1: vecs, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: views, arg1: views, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: views, arg1: mats, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: mats, arg1: vecs, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: mats, arg1: views, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: mats, arg1: mats, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecd, arg1: vecd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecd, arg1: viewd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecd, arg1: matd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewd, arg1: vecd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewd, arg1: viewd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewd, arg1: matd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matd, arg1: vecd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matd, arg1: viewd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matd, arg1: matd, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecc, arg1: vecc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecc, arg1: viewc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecc, arg1: matc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewc, arg1: vecc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewc, arg1: viewc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewc, arg1: matc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matc, arg1: vecc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matc, arg1: viewc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matc, arg1: matc, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecz, arg1: vecz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecz, arg1: viewz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: vecz, arg1: matz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewz, arg1: vecz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewz, arg1: viewz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: viewz, arg1: matz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matz, arg1: vecz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matz, arg1: viewz, /) -> None:
    """
    swap objects into another
    """
@typing.overload
def swap(arg0: matz, arg1: matz, /) -> None:
    """
    swap objects into another
    """
